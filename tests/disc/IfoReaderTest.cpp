// IFO reading on title sets made by dvdauthor and on damaged files. Expected chapter lengths
// and languages are lsdvd's (tests/data/ifo/README.md), seconds truncated.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "disc/IfoReader.h"

namespace quelm {
namespace {

using Lines = std::vector<std::string>;

std::string Data(const std::string& relative) {
  return std::string(QUELM_TEST_DATA) + "/" + relative;
}

struct Read {
  IfoReader Reader;
  explicit Read(const std::string& path) : Reader(path) {
    Reader.ReadLanguages();
    Reader.ReadChapters();
  }
};

std::vector<std::string> Languages(const IfoReader& reader) {
  std::vector<std::string> names;
  for (int i = 0; i < reader.StreamCount(); ++i) names.push_back(reader.StreamLanguage(i));
  return names;
}

TEST(IfoReaderTest, ReadsDvdauthorTitleSets) {
  Read basic(Data("vob/basic/VIDEO_TS/VTS_01_0.IFO"));
  EXPECT_EQ(basic.Reader.StreamCount(), 2);
  EXPECT_EQ(basic.Reader.StreamAttributes()[0].LanguageCode, 0x656E);  // "en"
  EXPECT_EQ(basic.Reader.StreamAttributes()[1].LanguageCode, 0x6465);  // "de"
  EXPECT_EQ(Languages(basic.Reader), (Lines{"English", "Deutsch"}));
  EXPECT_EQ(basic.Reader.ChapterLengths(), (Lines{"00:00:10", "00:00:09", "00:00:05"}));
  EXPECT_TRUE(basic.Reader.LanguageFaults().empty());
  EXPECT_TRUE(basic.Reader.ChapterFaults().empty());

  Read multifile(Data("vob/multifile/VIDEO_TS/VTS_01_0.IFO"));
  EXPECT_EQ(Languages(multifile.Reader), (Lines{"English", "Francais"}));
  EXPECT_EQ(multifile.Reader.ChapterLengths(), (Lines{"00:00:15", "00:00:15"}));

  Read demo(Data("../../demo/VIDEO_TS/VTS_01_0.IFO"));
  EXPECT_EQ(Languages(demo.Reader), (Lines{"English", "Deutsch"}));
  EXPECT_EQ(demo.Reader.ChapterLengths(), (Lines{"00:00:12", "00:00:12", "00:00:13"}));
}

TEST(IfoReaderTest, ReadsOneStreamAndTwelveChapters) {
  Read one(Data("ifo/onestream/VTS_01_0.IFO"));
  EXPECT_EQ(one.Reader.StreamCount(), 1);
  EXPECT_EQ(Languages(one.Reader), (Lines{"Francais"}));
  EXPECT_EQ(one.Reader.ChapterLengths(),
            (Lines{"00:00:01", "00:00:00", "00:00:01", "00:00:01", "00:00:00", "00:00:01",
                   "00:00:01", "00:00:00", "00:00:02", "00:00:01", "00:00:01", "00:00:11"}));
  EXPECT_EQ(one.Reader.StreamLanguage(1), "");
  EXPECT_EQ(one.Reader.StreamLanguage(-1), "");
}

TEST(IfoReaderTest, ShortFileGivesNothingAndSaysSo) {
  Read shortFile(Data("ifo/malformed/short100.ifo"));
  EXPECT_EQ(shortFile.Reader.StreamCount(), 0);
  EXPECT_EQ(shortFile.Reader.ChapterCount(), 0);
  EXPECT_EQ(shortFile.Reader.LanguageFaults(),
            (Lines{"IFO is damaged: it ends before the subpicture stream count"}));
  EXPECT_EQ(shortFile.Reader.ChapterFaults(),
            (Lines{"IFO is damaged: it ends before the program chain table pointer"}));
}

TEST(IfoReaderTest, StreamCountAbove32ReadsThe32ThatCanExist) {
  Read many(Data("ifo/malformed/streams40.ifo"));
  ASSERT_EQ(many.Reader.StreamCount(), 32);
  EXPECT_EQ(many.Reader.StreamLanguage(0), "English");
  EXPECT_EQ(many.Reader.StreamLanguage(1), "Deutsch");
  EXPECT_EQ(many.Reader.StreamLanguage(31), "Not Specified");  // zero bytes
  // The codes the look-alike rules are chosen by; no letters, no code.
  EXPECT_EQ(many.Reader.StreamLanguageCode(1), "de");
  EXPECT_EQ(many.Reader.StreamLanguageCode(31), "");
  EXPECT_EQ(many.Reader.StreamLanguageCode(32), "");
  EXPECT_EQ(IfoReader::StreamLanguageCode(Data("ifo/onestream/VTS_01_0.IFO"), 0), "fr");
  EXPECT_EQ(
      many.Reader.LanguageFaults(),
      (Lines{"IFO is damaged: 40 subpicture streams, at most 32 exist; the first 32 are shown"}));
  EXPECT_EQ(many.Reader.ChapterCount(), 3);  // the chapters are sound
}

TEST(IfoReaderTest, ChapterTableOutsideTheFileGivesWhatCouldBeRead) {
  Read outside(Data("ifo/malformed/cells_outside.ifo"));
  EXPECT_EQ(outside.Reader.StreamCount(), 2);
  EXPECT_EQ(outside.Reader.ChapterCount(), 0);
  EXPECT_EQ(outside.Reader.ChapterFaults(),
            (Lines{"IFO is damaged: the chapter table lies outside the file"}));

  Read cut(Data("ifo/malformed/cut_in_cells.ifo"));
  EXPECT_EQ(cut.Reader.ChapterLengths(), (Lines{"00:00:10", "00:00:09"}));
  EXPECT_EQ(cut.Reader.ChapterFaults(),
            (Lines{"IFO is damaged: the chapter table lies outside the file"}));

  Read noTable(Data("ifo/malformed/no_pgc_table.ifo"));
  EXPECT_EQ(noTable.Reader.StreamCount(), 2);
  EXPECT_EQ(noTable.Reader.ChapterFaults(),
            (Lines{"IFO is damaged: the program chain table lies outside the file"}));
}

class IfoBytesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::filesystem::temp_directory_path() /
            ("quelm-ifo-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { std::filesystem::remove(path_); }
  void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::filesystem::path path_;
};

TEST_F(IfoBytesTest, StreamEntriesCarryLettersAndExtension) {
  // Three streams: en, fr, xx; EN in upper case would find no name.
  std::string bytes(0x800, '\0');
  bytes[0x255] = 4;
  const char entries[] =
      "\x01\x00"
      "en\x00\x05"
      "\x01\x00"
      "fr\x00\x00"
      "\x01\x00"
      "xx\x00\x00"
      "\x01\x00"
      "EN\x00\x00";
  bytes.replace(0x256, 24, entries, 24);
  Write(bytes);
  IfoReader reader(path_.string());
  EXPECT_EQ(reader.ReadLanguages(), 4);
  EXPECT_EQ(Languages(reader), (Lines{"English", "Francais", "", ""}));
  EXPECT_EQ(reader.StreamAttributes()[0].CodeExtension, 5);
  // No chapter pointer, no table at 0x1000: nothing but a fault line.
  EXPECT_EQ(reader.ReadChapters(), 0);
  EXPECT_EQ(reader.ChapterFaults().size(), 1u);
}

TEST_F(IfoBytesTest, FileEndingInsideTheStreamListKeepsTheWholeEntries) {
  std::string bytes(0x256 + 6 + 4, '\0');
  bytes[0x255] = 2;
  bytes.replace(0x256, 10,
                "\x01\x00"
                "de\x00\x00"
                "\x01\x00"
                "en",
                10);
  Write(bytes);
  IfoReader reader(path_.string());
  EXPECT_EQ(reader.ReadLanguages(), 1);
  EXPECT_EQ(reader.StreamLanguage(0), "Deutsch");
  EXPECT_EQ(reader.LanguageFaults(),
            (Lines{"IFO is damaged: it ends inside the subpicture stream list"}));
}

TEST_F(IfoBytesTest, BcdBytesAreShownAsTwoHexDigitsEach) {
  // Program chain table at 0x1000 (zero pointer), first chain at +0x10, two programs, cell
  // table at chain + 0x100.
  std::string bytes(0x1400, '\0');
  bytes[0x100F] = 0x10;
  bytes[0x1012] = 2;
  bytes[0x1010 + 0xE8] = 0x01;
  bytes[0x1010 + 0xE9] = 0x00;
  const std::size_t cells = 0x1110;
  bytes.replace(cells + 4, 3, "\x01\x23\x45", 3);
  bytes.replace(cells + 24 + 4, 3, "\x10\x5A\x09", 3);
  Write(bytes);
  IfoReader reader(path_.string());
  EXPECT_EQ(reader.ReadChapters(), 2);
  EXPECT_EQ(reader.ChapterLengths(), (Lines{"01:23:45", "10:5A:09"}));
  EXPECT_TRUE(reader.ChapterFaults().empty());
}

TEST_F(IfoBytesTest, MissingOrUnreadableFileIsAFaultNotACrash) {
  IfoReader missing((path_ / "nothing.ifo").string());
  EXPECT_EQ(missing.ReadLanguages(), 0);
  EXPECT_EQ(missing.ReadChapters(), 0);
  EXPECT_EQ(missing.LanguageFaults(), (Lines{"IFO is damaged: the file cannot be read"}));
  // What a window needs to say it in its language: the pattern and the reason, itself a pattern.
  const Phrase& fault = missing.LanguageFaultWordings().at(0);
  EXPECT_EQ(fault.Pattern(), "IFO is damaged: %1");
  ASSERT_EQ(fault.Arguments().size(), 1u);
  EXPECT_TRUE(fault.Arguments()[0].Marked());
  EXPECT_EQ(fault.Arguments()[0].Pattern(), "the file cannot be read");
  std::filesystem::create_directory(path_);
  IfoReader directory(path_.string());
  EXPECT_EQ(directory.ReadLanguages(), 0);
  EXPECT_EQ(directory.LanguageFaults().size(), 1u);
  std::filesystem::remove(path_);
}

TEST_F(IfoBytesTest, EmptyFile) {
  Write("");
  IfoReader reader(path_.string());
  EXPECT_EQ(reader.ReadLanguages(), 0);
  EXPECT_EQ(reader.ReadChapters(), 0);
  EXPECT_EQ(reader.LanguageFaults().size(), 1u);
  EXPECT_EQ(reader.ChapterFaults().size(), 1u);
}

TEST_F(IfoBytesTest, EveryCutOfARealIfoReadsOnlyWhatIsThere) {
  std::ifstream in(Data("vob/basic/VIDEO_TS/VTS_01_0.IFO"), std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(whole.size(), 12288u);
  // The last byte read is the third cell's seconds at 0x1146.
  for (std::size_t cut = 0; cut <= 0x1150; cut += (cut < 0x262 || cut > 0x10F0) ? 1 : 61) {
    Write(whole.substr(0, cut));
    IfoReader reader(path_.string());
    reader.ReadLanguages();
    reader.ReadChapters();
    const int streams = cut >= 0x262 ? 2 : (cut >= 0x25C ? 1 : 0);
    EXPECT_EQ(reader.StreamCount(), streams) << cut;
    EXPECT_EQ(reader.LanguageFaults().empty(), cut >= 0x262) << cut;
    const int chapters = cut >= 0x1147 ? 3 : (cut >= 0x112F ? 2 : (cut >= 0x1117 ? 1 : 0));
    EXPECT_EQ(reader.ChapterCount(), chapters) << cut;
    EXPECT_EQ(reader.ChapterFaults().empty(), cut >= 0x1147) << cut;
  }
}

TEST_F(IfoBytesTest, RandomlyDamagedHeadersNeverReadOutsideTheFile) {
  std::ifstream in(Data("vob/basic/VIDEO_TS/VTS_01_0.IFO"), std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::mt19937 random(6);
  // The bytes the reader looks at: the table pointer, the stream list, the chain and its cells.
  const std::size_t targets[] = {0xCC,   0xCD,   0xCE,   0xCF,   0x254,  0x255,  0x256,  0x1009,
                                 0x100C, 0x100E, 0x100F, 0x1012, 0x10F8, 0x10F9, 0x1114, 0x1116};
  for (int round = 0; round < 300; ++round) {
    std::string bytes = whole;
    for (int k = 0; k < 3; ++k) {
      bytes[targets[random() % std::size(targets)]] = static_cast<char>(random() & 0xFF);
    }
    bytes.resize(random() % (bytes.size() + 1));
    Write(bytes);
    IfoReader reader(path_.string());
    EXPECT_LE(reader.ReadLanguages(), 32);
    EXPECT_LE(reader.ReadChapters(), 255);
  }
}

}  // namespace
}  // namespace quelm
