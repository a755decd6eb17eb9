#include "ocr/ColorDetection.h"

#include <gtest/gtest.h>

#include "PictureText.h"

namespace quelm {
namespace {

using test::Picture;
const std::array<Color, 4> Colors{test::Bg, test::Col1, test::Outline, test::Ink};

TEST(ColorDetectionTest, ShortestFirstCharacterWins) {
  // Colour 1 ('x') gives a first character 20 high, colour 2 ('o') 18, colour 3 none.
  std::vector<std::string> rows(27, "...");
  for (int y = 0; y < 20; ++y) rows[y][0] = 'x';
  for (int y = 2; y < 20; ++y) rows[y][1] = 'o';
  const ColorDetectionResult r = AutoDetectColorSettings(Picture(rows), Colors, test::Bg);
  EXPECT_EQ(r.Best, 2);
  EXPECT_EQ(r.Heights, (std::array<int, 4>{ColorDetectionResult::NoCharacter, 20, 18,
                                           ColorDetectionResult::NoCharacter}));
}

TEST(ColorDetectionTest, TheBackgroundIsNeverChosenOverTheInk) {
  // A strip of background left of a tall letter: as ink it would give a first character two
  // rows high and garble the whole subtitle.
  const Bitmap line = Picture({
      ".oo", ".oo", "o#o", "o#o", "o#o", "o#o", "o#o", "o#o", "ooo", "ooo",
  });
  const ColorDetectionResult r = AutoDetectColorSettings(line, Colors, test::Bg);
  EXPECT_EQ(r.Best, 3);
  EXPECT_EQ(r.Heights[0], ColorDetectionResult::NoCharacter);
  EXPECT_EQ(r.Heights[2], 10);
  EXPECT_EQ(r.Heights[3], 6);
  // With another colour in the background role, colour 0 competes as before; the fill inside
  // the outline still lies deeper.
  const ColorDetectionResult other = AutoDetectColorSettings(line, Colors, test::Col1);
  EXPECT_EQ(other.Heights[0], 2);
  EXPECT_EQ(other.Best, 3);
}

TEST(ColorDetectionTest, TiesGoToTheLowerIndexAndNothingFoundGivesZero) {
  EXPECT_EQ(AutoDetectColorSettings(Picture({"xo.", "xo.", "..."}), Colors, test::Bg).Best, 1);
  // Ink only in the last row of the line makes no character for any colour.
  const ColorDetectionResult none =
      AutoDetectColorSettings(Picture({"...", "...", "#ox"}), Colors, test::Bg);
  EXPECT_EQ(none.Best, 0);
  for (int h : none.Heights) EXPECT_EQ(h, ColorDetectionResult::NoCharacter);
}

// Coverage of "Ino" as a font renderer leaves it: '#' full, '+' partial, '.' none. Stems are
// pixel-aligned, so only curves have partial pixels, and the first of them (the shoulder of the
// n, three rows) is a shorter "character" than any letter.
const std::vector<std::string> Coverage{
    "..........................",
    "..........................",
    "..###.....................",
    "..###.....................",
    "..###.....................",
    "..###..###+###+....+###+..",
    "..###..#########..#######.",
    "..###..####+.###..###.###.",
    "..###..###...###..##...##.",
    "..###..###...###..##...##.",
    "..###..###...###..###.###.",
    "..###..###...###..+#####+.",
    "..###..###...###...+###+..",
    "..........................",
    "..........................",
};

// The coverage in one of the layouts of subtitle pictures: fill '#', the partial pixels in the
// anti-aliasing colour 'x' or left out, and an outline 'o' (the fill grown by a 5x5 square,
// where nothing else is) or none.
Bitmap Draw(bool antiAliasing, bool outline) {
  std::vector<std::string> rows = Coverage;
  const int h = static_cast<int>(rows.size());
  const int w = static_cast<int>(rows[0].size());
  const auto nearFill = [&](int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (y + dy >= 0 && y + dy < h && x + dx >= 0 && x + dx < w &&
            Coverage[y + dy][x + dx] == '#')
          return true;
    return false;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      char& c = rows[y][x];
      if (c == '+') c = antiAliasing ? 'x' : '.';
      if (c == '.' && outline && nearFill(x, y)) c = 'o';
    }
  return Picture(rows);
}

TEST(ColorDetectionTest, TheFillIsFoundInEveryLayout) {
  struct Case {
    const char* layout;
    bool antiAliasing, outline;
  };
  for (const Case& c :
       {Case{"fill and outline", false, true}, Case{"fill, anti-aliasing and outline", true, true},
        Case{"fill and anti-aliasing", true, false}, Case{"fill alone", false, false}}) {
    SCOPED_TRACE(c.layout);
    const Bitmap line = Draw(c.antiAliasing, c.outline);
    EXPECT_EQ(AutoDetectColorSettings(line, Colors, test::Bg).Best, 3);
    // A line in a second fill that shares the first line's outline and anti-aliasing colours.
    EXPECT_EQ(DetectLineInk(line, Colors, test::Bg, {false, true, true, false}), 3);
  }
}

}  // namespace
}  // namespace quelm
