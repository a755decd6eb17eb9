// The "VOB root info" list line by line, the stream items and the chapter table, on the real
// title sets and on directories made by the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "disc/DiscDirectory.h"
#include "disc/VobInfo.h"
#include "disc/VobSubIndex.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string Rule = "-------------------";

std::string Data(const std::string& relative) {
  return std::string(QUELM_TEST_DATA) + "/" + relative;
}

class VobInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quelm-vobinfo-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Root() const { return dir_.string() + "/"; }
  void MakeFile(const std::string& name, std::size_t size) {
    std::ofstream(dir_ / name, std::ios::binary) << std::string(size, 'x');
  }
  fs::path dir_;
};

TEST_F(VobInfoTest, BasicTitleSetGivesTheFullList) {
  const std::string root = Data("vob/basic/VIDEO_TS/");
  const VobInfo info = VobInfo::Read({root, "/home/u/Out/", "/home/u/Dict/", 1});
  EXPECT_EQ(info.Lines, (Lines{"Directories",
                               Rule,
                               "VOB        : " + root,
                               "Output     : /home/u/Out/",
                               "Dictionary : /home/u/Dict/",
                               " ",
                               "Languages",
                               Rule,
                               "Streams : 2",
                               " ",
                               "Chapter lengths",
                               Rule,
                               " 1) 00:00:10",
                               " 2) 00:00:09",
                               " 3) 00:00:05",
                               " ",
                               "Files found",
                               Rule,
                               "VIDEO_TS.BUP  6 Kb",
                               "VIDEO_TS.IFO  6 Kb",
                               "VTS_01_0.BUP  12 Kb",
                               "VTS_01_0.IFO  12 Kb",
                               "VTS_01_1.VOB  488 Kb"}));
  EXPECT_EQ(info.StreamItems, (Lines{"[ 0x20 ]  English", "[ 0x21 ]  Deutsch"}));
  EXPECT_EQ(info.StreamCodes, (Lines{"en", "de"}));
  EXPECT_EQ(info.SelectedStream, 1);
  EXPECT_EQ(info.Timecodes, (Lines{"00:00:00", "00:00:10", "00:00:09", "00:00:05"}));
  EXPECT_TRUE(info.IfoFound);
}

TEST_F(VobInfoTest, LowerCaseFilesSizesAndTwoDigitChapters) {
  fs::copy_file(Data("ifo/onestream/VTS_01_0.IFO"), dir_ / "vts_01_0.ifo");
  MakeFile("a.vob", 500);
  MakeFile("B.VOB", 1048576);
  MakeFile("zero.Bup", 0);
  MakeFile(".hidden.vob", 4096);
  MakeFile("notes.txt", 4096);
  MakeFile("vob", 4096);
  fs::create_directory(dir_ / "dir.vob");
  const VobInfo info = VobInfo::Read({Root(), Root(), Root(), 7});
  const Lines expected{"Directories",
                       Rule,
                       "VOB        : " + Root(),
                       "Output     : " + Root(),
                       "Dictionary : " + Root(),
                       " ",
                       "Languages",
                       Rule,
                       "Streams : 1",
                       " ",
                       "Chapter lengths",
                       Rule,
                       " 1) 00:00:01",
                       " 2) 00:00:00",
                       " 3) 00:00:01",
                       " 4) 00:00:01",
                       " 5) 00:00:00",
                       " 6) 00:00:01",
                       " 7) 00:00:01",
                       " 8) 00:00:00",
                       " 9) 00:00:02",
                       "10) 00:00:01",
                       "11) 00:00:01",
                       "12) 00:00:11",
                       " ",
                       "Files found",
                       Rule,
                       "a.vob  1 Kb",
                       "B.VOB  1024 Kb",
                       "vts_01_0.ifo  12 Kb",
                       "zero.Bup  1 Kb"};
  EXPECT_EQ(info.Lines, expected);
  EXPECT_EQ(info.StreamItems, (Lines{"[ 0x20 ]  Francais"}));
  EXPECT_EQ(info.SelectedStream, 0);  // a stored 7 is beyond the list
  EXPECT_EQ(info.Timecodes.size(), 13u);
  EXPECT_EQ(info.Timecodes[12], "00:00:11");
}

TEST_F(VobInfoTest, NoIfoSwitchesToManualAndAnEmptyDirectoryShowsNone) {
  const VobInfo empty = VobInfo::Read({Root(), "", "", 0});
  EXPECT_EQ(empty.Lines,
            (Lines{"Directories", Rule, "VOB        : " + Root(),
                   "Output     : ", "Dictionary : ", " ", "Languages", Rule,
                   "none; switched to manual selection", " ", "Files found", Rule, "none"}));
  EXPECT_FALSE(empty.IfoFound);
  EXPECT_TRUE(empty.StreamItems.empty());
  EXPECT_EQ(empty.SelectedStream, -1);
  EXPECT_EQ(empty.Timecodes, (Lines{"00:00:00"}));

  const std::string missing = Root() + "gone/";
  const VobInfo gone = VobInfo::Read({missing, "", "", 0});
  EXPECT_EQ(gone.Lines.size(), 12u);
  EXPECT_EQ(gone.Lines.back(), Rule);
  EXPECT_EQ(gone.Lines[8], "none; switched to manual selection");
}

TEST_F(VobInfoTest, DamagedIfoShowsWhatCouldBeReadAndWhy) {
  fs::copy_file(Data("ifo/malformed/streams40.ifo"), dir_ / "VTS_01_0.IFO");
  const VobInfo many = VobInfo::Read({Root(), "", "", 0});
  ASSERT_GE(many.Lines.size(), 12u);
  EXPECT_EQ(many.Lines[8], "Streams : 32");
  EXPECT_EQ(many.Lines[9],
            "IFO is damaged: 40 subpicture streams, at most 32 exist; the first 32 are shown");
  EXPECT_EQ(many.Lines[10], " ");
  EXPECT_EQ(many.StreamItems.size(), 32u);
  EXPECT_EQ(many.StreamItems[31], "[ 0x3F ]  Not Specified");

  fs::remove(dir_ / "VTS_01_0.IFO");
  fs::copy_file(Data("ifo/malformed/short100.ifo"), dir_ / "VTS_01_0.IFO");
  const VobInfo shortFile = VobInfo::Read({Root(), "", "", 0});
  EXPECT_EQ(
      shortFile.Lines,
      (Lines{"Directories", Rule, "VOB        : " + Root(), "Output     : ", "Dictionary : ", " ",
             "Languages", Rule, "Streams : 0",
             "IFO is damaged: it ends before the subpicture stream count", " ", "Chapter lengths",
             Rule, "IFO is damaged: it ends before the program chain table pointer", " ",
             "Files found", Rule, "VTS_01_0.IFO  1 Kb"}));
  EXPECT_TRUE(shortFile.IfoFound);
  EXPECT_EQ(shortFile.Timecodes, (Lines{"00:00:00"}));
}

TEST_F(VobInfoTest, AVobSubPairStandsWhereTheIfoWould) {
  fs::copy_file(Data("vobsub/basic.sub"), dir_ / "a.sub");
  fs::copy_file(Data("vobsub/basic.idx"), dir_ / "a.idx");
  fs::copy_file(Data("vobsub/basic.sub"), dir_ / "B.SUB");
  std::ofstream(dir_ / "b.idx") << "size: 720x480\nid: de, index: 0\nid: xx, index: 2\n"
                                  "palette: 1, 2\n";
  const VobInfo first = VobInfo::Read({Root(), "", "", 1});
  EXPECT_EQ(first.Lines,
            (Lines{"Directories", Rule, "VOB        : " + Root(), "Output     : ",
                   "Dictionary : ", " ", "Languages", Rule, "VobSub : a.idx", "Streams : 1", " ",
                   "Files found", Rule, "a.idx  1 Kb", "a.sub  18 Kb", "b.idx  1 Kb",
                   "B.SUB  18 Kb"}));
  EXPECT_EQ(first.StreamItems, (Lines{"[ 0x20 ]  English"}));
  EXPECT_EQ(first.StreamCodes, (Lines{"en"}));
  EXPECT_EQ(first.SelectedStream, 0);
  EXPECT_TRUE(first.IfoFound);
  EXPECT_EQ(first.IndexPath, Root() + "a.idx");

  // The pair of the file chosen in the list; a skipped index leaves its place empty.
  const std::string index = VobInfo::FindVobSubIndex(Root(), Root() + "B.SUB");
  ASSERT_EQ(index, Root() + "b.idx");
  const VobInfo second =
      VobInfo::Compose({Root(), "", "", 1}, VobSubIndex::Read(index), index);
  EXPECT_EQ(Lines(second.Lines.begin() + 8, second.Lines.begin() + 12),
            (Lines{"VobSub : b.idx", "Streams : 2", "Frame : 720x480",
                   index + " line 4: the palette needs 16 colours of six hex digits; the line "
                           "is skipped"}));
  EXPECT_EQ(second.StreamItems, (Lines{"[ 0x20 ]  Deutsch", "[ 0x21 ]  ", "[ 0x22 ]  xx"}));
  EXPECT_EQ(second.StreamCodes, (Lines{"de", "", "xx"}));
  EXPECT_EQ(second.SelectedStream, 1);
}

TEST_F(VobInfoTest, ExactSpellingWinsWhenBothCasesExist) {
  MakeFile("VTS_01_0.IFO", 10);
  MakeFile("vts_01_0.ifo", 20);
  EXPECT_EQ(VobInfo::FindIfo(Root()), Root() + "vts_01_0.ifo");
  fs::remove(dir_ / "vts_01_0.ifo");
  EXPECT_EQ(VobInfo::FindIfo(Root()), Root() + "VTS_01_0.IFO");
  EXPECT_EQ(VobInfo::FindIfo(dir_.string()), Root() + "VTS_01_0.IFO");  // root without "/"
  EXPECT_EQ(VobInfo::FindIfo(""), "");
}

TEST(VobInfoRulesTest, StreamChoiceAndSizes) {
  EXPECT_EQ(VobInfo::ChooseStream(0, 0), -1);
  EXPECT_EQ(VobInfo::ChooseStream(1, 2), 1);
  EXPECT_EQ(VobInfo::ChooseStream(2, 2), 0);
  EXPECT_EQ(VobInfo::ChooseStream(-3, 2), 0);
  EXPECT_EQ(VobInfo::SizeInKb(0), 1u);
  EXPECT_EQ(VobInfo::SizeInKb(1023), 1u);
  EXPECT_EQ(VobInfo::SizeInKb(1024), 1u);
  EXPECT_EQ(VobInfo::SizeInKb(2047), 1u);
  EXPECT_EQ(VobInfo::SizeInKb(2048), 2u);
  EXPECT_EQ(VobInfo::SizeInKb(5000000000ull), 4882812u);
}

}  // namespace
}  // namespace quelm
