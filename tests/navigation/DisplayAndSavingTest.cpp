// Display rules, bitmap file names and the 1-bit / 4-bit files, read back from disk.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "navigation/BitmapSaving.h"
#include "navigation/NavigationFixture.h"
#include "navigation/SubtitleDisplay.h"
#include "platform/BmpFile.h"
#include "support/ScriptedInteraction.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

using test::ScriptedInteraction;

TEST(SubtitleDisplayTest, BitmapFileNameCutsTheExtensionLettersAndPadsTheNumber) {
  EXPECT_EQ(BitmapFileName("/dvd/VIDEO_TS/VTS_01_1.VOB", 7), "/dvd/VIDEO_TS/VTS_01_1._00007.bmp");
  EXPECT_EQ(BitmapFileName("/x/a.vob", 123456), "/x/a._123456.bmp");
  EXPECT_EQ(BitmapFileName("/x/a.vob", 99999), "/x/a._99999.bmp");
  EXPECT_EQ(BitmapFileName("/x/a.vob", 10000), "/x/a._10000.bmp");
  EXPECT_EQ(BitmapFileName("ab", 1), "_00001.bmp");
}

TEST(SubtitleDisplayTest, StretchedModeSwitchesOnForLargeBitmapsAndStaysOn) {
  EXPECT_FALSE(NextStretchedMode(false, 350, 259));
  EXPECT_TRUE(NextStretchedMode(false, 351, 10));
  EXPECT_TRUE(NextStretchedMode(false, 10, 260));
  EXPECT_TRUE(NextStretchedMode(false, 720, 40));
  EXPECT_TRUE(NextStretchedMode(true, 200, 40));
}

TEST(SubtitleDisplayTest, DisplayStateAfterANumberChange) {
  DisplayState s = ComputeDisplayState(0, true, false);
  EXPECT_FALSE(s.GoBackEnabled);
  EXPECT_FALSE(s.SubtitleNrVisible);
  EXPECT_TRUE(s.LogoVisible);
  EXPECT_FALSE(s.SaveBitmapEnabled);
  EXPECT_EQ(s.SubtitleNrText, "subtitlenr. 0");

  s = ComputeDisplayState(1, true, false);
  EXPECT_FALSE(s.GoBackEnabled);  // nothing before subtitle 1
  EXPECT_TRUE(s.SubtitleNrVisible);
  EXPECT_FALSE(s.LogoVisible);
  EXPECT_TRUE(s.SaveBitmapEnabled);

  s = ComputeDisplayState(2, true, true);
  EXPECT_TRUE(s.GoBackEnabled);
  EXPECT_FALSE(s.SaveBitmapEnabled);  // auto save does it
  EXPECT_EQ(s.SubtitleNrText, "subtitlenr. 2");

  EXPECT_FALSE(ComputeDisplayState(2, false, false).GoBackEnabled);
}

// One row in the four default display colours: black, 0xC8C8C8, 0x686868, white.
Bitmap DefaultRow() {
  Bitmap b(4, 1);
  b.SetPixel(0, 0, ColorBlack);
  b.SetPixel(1, 0, 0xC8C8C8);
  b.SetPixel(2, 0, 0x686868);
  b.SetPixel(3, 0, ColorWhite);
  return b;
}

std::vector<Color> Row(const Bitmap& b) {
  return b.Pixels();
}

TEST(BitmapSavingTest, OneBitGoesByLuminanceUnlessInkAndBackgroundWouldMerge) {
  const Color B = ColorBlack, W = ColorWhite;
  // Default roles: white ink on black. 0xC8 (200) is light, 0x68 (104) dark.
  EXPECT_EQ(Row(ToBlackAndWhite(DefaultRow(), ColorWhite, ColorBlack)),
            (std::vector<Color>{B, W, B, W}));
  // Light grey ink on white: both light, so the ink turns black and the background white.
  EXPECT_EQ(Row(ToBlackAndWhite(DefaultRow(), 0xC8C8C8, ColorWhite)),
            (std::vector<Color>{B, B, B, W}));
  // Dark grey ink on black: ink black, background white, the rest by luminance.
  EXPECT_EQ(Row(ToBlackAndWhite(DefaultRow(), 0x686868, ColorBlack)),
            (std::vector<Color>{W, W, B, W}));
  // Ink and background the same colour: the ink wins.
  EXPECT_EQ(Row(ToBlackAndWhite(DefaultRow(), ColorWhite, ColorWhite)),
            (std::vector<Color>{B, W, B, B}));
  // Pure red (0x0000FF here) has luminance 76: dark. Pure green 150: light.
  Bitmap rg(2, 1);
  rg.SetPixel(0, 0, 0x0000FF);
  rg.SetPixel(1, 0, 0x00FF00);
  EXPECT_EQ(Row(ToBlackAndWhite(rg, ColorWhite, ColorBlack)), (std::vector<Color>{B, W}));
}

class BitmapFileTest : public test::TempDirTest {
 protected:
  // Bits per pixel as the BMP header states it (offset 28, 16-bit little-endian).
  int HeaderBits(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() < 30) return -1;
    return bytes[28] | (bytes[29] << 8);
  }
  Bitmap Picture() {
    Bitmap b(6, 3, ColorBlack);                                // background row 0
    for (int x = 1; x < 5; ++x) b.SetPixel(x, 1, ColorWhite);  // ink
    b.SetPixel(0, 1, 0x686868);
    b.SetPixel(5, 1, 0xC8C8C8);
    return b;
  }
};

TEST_F(BitmapFileTest, BothDepthsAreWrittenAndReadBack) {
  const std::string vob = (dir_ / "VTS_01_1.VOB").string();
  ScriptedInteraction ui;
  const Bitmap picture = Picture();

  ASSERT_TRUE(SaveBitmapAs(ui, picture, vob, 7, true, "/unused/", {4, ColorWhite, ColorBlack}));
  const std::string four = (dir_ / "VTS_01_1._00007.bmp").string();
  EXPECT_EQ(HeaderBits(four), 4);
  BmpReadResult read = ReadBmp(four);
  ASSERT_TRUE(read.Outcome) << read.Outcome.Message;
  EXPECT_EQ(read.Image, picture);  // four colours survive exactly

  ASSERT_TRUE(SaveBitmapAs(ui, picture, vob, 8, true, "/unused/", {1, ColorWhite, ColorBlack}));
  const std::string one = (dir_ / "VTS_01_1._00008.bmp").string();
  EXPECT_EQ(HeaderBits(one), 1);
  read = ReadBmp(one);
  ASSERT_TRUE(read.Outcome) << read.Outcome.Message;
  ASSERT_EQ(read.Image.Width(), 6);
  ASSERT_EQ(read.Image.Height(), 3);
  const Color B = ColorBlack, W = ColorWhite;
  EXPECT_EQ(read.Image.Pixels(),
            (std::vector<Color>{B, B, B, B, B, B, B, W, W, W, W, W, B, B, B, B, B, B}));

  // Saving again replaces the file.
  ASSERT_TRUE(
      SaveBitmapAs(ui, Bitmap(2, 2, ColorWhite), vob, 8, true, "", {1, ColorWhite, ColorBlack}));
  read = ReadBmp(one);
  ASSERT_TRUE(read.Outcome);
  EXPECT_EQ(read.Image.Width(), 2);
  EXPECT_TRUE(ui.SaveRequests.empty());
}

TEST_F(BitmapFileTest, ManualSavingAsksInTheOutputRoot) {
  ScriptedInteraction ui;
  const std::string target = (dir_ / "chosen.bmp").string();
  ui.SaveFiles.push_back(target);
  ASSERT_TRUE(SaveBitmapAs(ui, Picture(), "/dvd/VIDEO_TS/VTS_01_1.VOB", 7, false, dir_.string(),
                           {1, ColorWhite, ColorBlack}));
  ASSERT_EQ(ui.SaveRequests.size(), 1u);
  EXPECT_EQ(ui.SaveRequests[0].Directory, dir_.string() + "/");
  EXPECT_EQ(ui.SaveRequests[0].ProposedName, "VTS_01_1._00007.bmp");
  EXPECT_EQ(ui.SaveRequests[0].Filter, "Bitmaps (*.bmp)");
  EXPECT_EQ(HeaderBits(target), 1);
  EXPECT_FALSE(fs::exists("/dvd/VIDEO_TS/VTS_01_1._00007.bmp"));

  // Cancelled: nothing written, no failure.
  ASSERT_TRUE(SaveBitmapAs(ui, Picture(), (dir_ / "x.vob").string(), 1, false, dir_.string(),
                           {4, ColorWhite, ColorBlack}));
  EXPECT_FALSE(fs::exists(dir_ / "x._00001.bmp"));
  EXPECT_EQ(ui.SaveRequests.size(), 2u);
}

TEST_F(BitmapFileTest, FailuresNameTheFileAndEmptyPicturesAreSkipped) {
  ScriptedInteraction ui;
  const std::string vob = (dir_ / "missing" / "a.vob").string();
  const Status s = SaveBitmapAs(ui, Picture(), vob, 3, true, "", {4, ColorWhite, ColorBlack});
  EXPECT_FALSE(s);
  EXPECT_EQ(s.Message, "Cannot create file " + (dir_ / "missing").string() + "/a._00003.bmp");

  // A unit with no display area: nothing to write, and no reason to end an "all".
  EXPECT_TRUE(SaveBitmapAs(ui, Bitmap(), (dir_ / "b.vob").string(), 1, true, "",
                           {1, ColorWhite, ColorBlack}));
  EXPECT_FALSE(fs::exists(dir_ / "b._00001.bmp"));
}

}  // namespace
}  // namespace quelm
