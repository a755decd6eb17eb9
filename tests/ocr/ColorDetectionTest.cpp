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
  // With another colour in the background role, colour 0 competes as before.
  EXPECT_EQ(AutoDetectColorSettings(line, Colors, test::Col1).Best, 0);
}

TEST(ColorDetectionTest, TiesGoToTheLowerIndexAndNothingFoundGivesZero) {
  EXPECT_EQ(AutoDetectColorSettings(Picture({"xo.", "xo.", "..."}), Colors, test::Bg).Best, 1);
  // Ink only in the last row of the line makes no character for any colour.
  const ColorDetectionResult none =
      AutoDetectColorSettings(Picture({"...", "...", "#ox"}), Colors, test::Bg);
  EXPECT_EQ(none.Best, 0);
  for (int h : none.Heights) EXPECT_EQ(h, ColorDetectionResult::NoCharacter);
}

}  // namespace
}  // namespace quelm
