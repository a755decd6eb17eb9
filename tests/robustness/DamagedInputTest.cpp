// Damaged inputs the other suites do not build: units that are cut, loop or lie about their
// size inside a VOB, and dictionary entries that name directories.
#include <gtest/gtest.h>


#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "support/TempDirTest.h"
#include "extraction/ExtractionRun.h"
#include "extraction/SpuWriter.h"
#include "extraction/SubpictureDecoder.h"
#include "ocr/CharDictionary.h"
#include "output/RawScript.h"
#include "output/RecordsFile.h"
#include "platform/BmpFile.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

class DamagedInputTest : public test::TempDirTest {
 protected:
  // Writes the VOB for the test; with QUELM_WRITE_MALFORMED set, also into that directory (how
  // tests/data/vob/malformed/ was made).
  std::string WriteVob(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    EXPECT_TRUE(test::WriteBytes(root_ + name, bytes));
    if (const char* out = std::getenv("QUELM_WRITE_MALFORMED")) {
      EXPECT_TRUE(test::WriteBytes(std::string(out) + "/" + name, bytes));
    }
    return root_ + name;
  }
  static SubpictureRequest Request(const std::string& path) {
    SubpictureRequest request;
    request.VobFileName = path;
    return request;
  }

  SilentInteraction ui_;
};

// A 16 x 2 area with two row-end codes as pixels; `next` is the control sequence's link to the
// next sequence (8 = itself).
std::vector<std::uint8_t> UnitWithLink(std::uint8_t nextHigh, std::uint8_t nextLow) {
  return {0x00, 31,   0x00, 0x08,                     // unit size, control offset
          0x00, 0x00, 0x00, 0x00,                     // top row end, bottom row end
          0x00, 0x00, nextHigh, nextLow,              // delay, next sequence
          0x03, 0x32, 0x10, 0x04, 0xFF, 0xF0,         // palette, contrast
          0x05, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x01,   // area x 0..15, y 0..1
          0x06, 0x00, 0x04, 0x00, 0x06, 0xFF};        // field offsets, end
}

TEST_F(DamagedInputTest, VobCutInTheMiddleOfAUnitEndsWithTheHeadKept) {
  std::mt19937 random(5);
  Bitmap codes(200, 120);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x) codes.SetPixel(x, y, random() % 4);
  const std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  ASSERT_GT(unit.size(), 3u * 2048);  // spread over at least three packets
  test::PackWriter writer;
  writer.AddVideoPack();
  const std::int64_t unitStart = writer.AddUnit(unit, 0x20, 90000);
  writer.Bytes().resize(static_cast<std::size_t>(unitStart) + 2048 + 1000);
  const std::string path = WriteVob("cut_in_unit.vob", writer.Bytes());
  const std::string before = ReadText(path);

  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(path));
  EXPECT_TRUE(result.EndOfFile);
  EXPECT_FALSE(result.Decoded);
  EXPECT_TRUE(result.SubTitle.IsEmpty());
  // The first packet is the head handed on to a following file; the half pack is never read.
  ASSERT_FALSE(result.UnfinishedUnit.empty());
  ASSERT_LT(result.UnfinishedUnit.size(), 2048u);
  EXPECT_TRUE(std::equal(result.UnfinishedUnit.begin(), result.UnfinishedUnit.end(), unit.begin()));
  EXPECT_EQ(result.UnfinishedStartPosition, unitStart);
  EXPECT_EQ(ReadText(path), before);
}

TEST_F(DamagedInputTest, ControlTableLinkedToItselfOrOutsideTheUnitEndsOnce) {
  for (const auto& [name, unit] :
       {std::pair{std::string("control_loop.vob"), UnitWithLink(0x00, 0x08)},
        std::pair{std::string("control_outside.vob"), UnitWithLink(0xFF, 0xF0)}}) {
    SCOPED_TRACE(name);
    SubpictureDecoder decoder;
    Bitmap bitmap;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(decoder.TryToMakeBitmap(unit, 1, {ColorBlack, 0xC8C8C8, 0x686868, ColorWhite}, bitmap));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(bitmap.Width(), 16);
    EXPECT_EQ(bitmap.Height(), 2);

    test::PackWriter writer;
    writer.AddUnit(unit, 0x20, 3 * 90000);
    ExtractionRun run(ui_);
    const SubpictureResult result = run.Run(Request(WriteVob(name, writer.Bytes())));
    EXPECT_FALSE(result.EndOfFile);
    EXPECT_EQ(result.SubTitle.Width(), 16);
    EXPECT_EQ(result.SubTitle.Height(), 2);
    EXPECT_EQ(result.Time, (PresentationTime{0, 0, 3}));
  }
}

TEST_F(DamagedInputTest, UnitClaimingFullSizeAndTheLargestAreaStaysSmall) {
  // Size field 65535 on 31 bytes, area 4096 x 4096, field offsets inside the table.
  std::vector<std::uint8_t> unit = UnitWithLink(0x00, 0x08);
  unit[0] = unit[1] = 0xFF;
  unit[19] = 0x00, unit[20] = 0x0F, unit[21] = 0xFF;  // x 0..4095
  unit[22] = 0x00, unit[23] = 0x0F, unit[24] = 0xFF;  // y 0..4095
  test::PackWriter writer;
  writer.AddUnit(unit, 0x20, 90000);
  writer.AddVideoPack();
  const auto start = std::chrono::steady_clock::now();
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(WriteVob("area_4096_size_65535.vob", writer.Bytes())));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  // The unit never completes: its size claims more than the file holds. The head handed on is
  // the rest of its pack, as every packet is read to the end of its pack.
  EXPECT_TRUE(result.EndOfFile);
  EXPECT_FALSE(result.Decoded);
  ASSERT_GE(result.UnfinishedUnit.size(), unit.size());
  EXPECT_LE(result.UnfinishedUnit.size(), 2048u);
  EXPECT_TRUE(std::equal(unit.begin(), unit.end(), result.UnfinishedUnit.begin()));
}

TEST_F(DamagedInputTest, DictionaryEntriesNamingDirectoriesAreKeptUnloaded) {
  fs::create_directory(root_ + "sub");
  Bitmap glyph(3, 4, ColorWhite);
  glyph.SetPixel(1, 1, ColorBlack);
  ASSERT_TRUE(WriteBmp(root_ + "char_0.bmp", glyph, 1).Ok);
  const std::string index = root_ + "sub\r\nd\r\n" + root_ + "\r\nr\r\n" + root_ + "char_0.bmp\r\nx\r\n" +
                            root_ + "char_0.bmp";  // odd number of lines: the last has no text
  std::ofstream(root_ + "chardict.ocr", std::ios::binary) << index;

  CharDictionary dictionary;
  const DictionaryLoadResult loaded = dictionary.Load(root_);
  ASSERT_TRUE(loaded.Outcome.Ok);
  ASSERT_EQ(dictionary.Size(), 4u);
  EXPECT_EQ(loaded.MissingFiles, 2);
  EXPECT_TRUE(dictionary.CharList()[0].Unloaded);
  EXPECT_TRUE(dictionary.CharList()[1].Unloaded);
  EXPECT_FALSE(dictionary.CharList()[2].Unloaded);
  EXPECT_EQ(dictionary.CharList()[3].Text, "");
  EXPECT_EQ(dictionary.CompareCharacterWithList(glyph), std::optional<std::size_t>(2));

  // Saving writes every entry back, the directory entries included.
  ASSERT_TRUE(dictionary.Save(root_).Ok);
  EXPECT_EQ(ReadText(root_ + "chardict.ocr"), index + "\r\n\r\n");
  EXPECT_TRUE(fs::is_directory(root_ + "sub"));
}

TEST_F(DamagedInputTest, ScriptLinesEndingInCarriageReturnsReadTheSameAfterSaving) {
  // Found by fuzzing: "x\r\r\n" read as "x\r", saved as "x\r\n" and read again as "x".
  std::ofstream(root_ + "script.txt", std::ios::binary)
      << "<SUB_START>\r\r\n00:00:05\r\n1\r\nw\rx\r\r\r\n<SUB_END>\r\r\n";
  const std::vector<std::string> expected = {"<SUB_START>", "00:00:05", "1", "w\rx", "<SUB_END>"};
  const RawScript raw = RawScript::Load(root_ + "script.txt");
  EXPECT_EQ(raw.Lines(), expected);
  ASSERT_TRUE(raw.Save(root_ + "copy.txt").Ok);
  EXPECT_EQ(RawScript::Load(root_ + "copy.txt").Lines(), expected);

  const RecordsLoad records = RecordsFile::Load(root_ + "script.txt");
  ASSERT_TRUE(records.Outcome.Ok) << records.Outcome.Message;
  EXPECT_EQ(records.Script.Lines(), expected);
  EXPECT_EQ(RecordsFile::CountRecords(records.Script), 1u);
}

}  // namespace
}  // namespace quelm
