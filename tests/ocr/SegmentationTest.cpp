#include "ocr/Segmentation.h"

#include <gtest/gtest.h>

#include <string>

#include "PictureText.h"
#include "platform/BmpFile.h"

namespace quelm {
namespace {

using test::Bg;
using test::Flat;
using test::Ink;
using test::Picture;

TEST(SegmentationTest, StartRowSamplesSevenColumnsEveryThirdRow) {
  // 30 wide: mid 15, sampled columns 5, 9, 12, 15, 18, 21, 25. Ink at row 10 column 9 is not on
  // a sampled row (0, 3, 6, 9, 12); ink at row 12 column 25 is seen: 12 - 7 = 5.
  Bitmap b(30, 20, Bg);
  b.SetPixel(9, 10, Ink);
  b.SetPixel(25, 12, Ink);
  EXPECT_EQ(DetermineYLineTravel(b, Bg), 5);
  // Text off the sampled columns is not seen at all.
  Bitmap side(30, 20, Bg);
  side.SetPixel(2, 9, Ink);
  EXPECT_EQ(DetermineYLineTravel(side, Bg), 0);
  // Ink near the top gives a negative start; the line search then starts at row 0.
  Bitmap top(30, 6, Bg);
  for (int x = 0; x < 29; ++x) top.SetPixel(x, 0, Ink);
  int startRow = DetermineYLineTravel(top, Bg);
  EXPECT_EQ(startRow, -7);
  Bitmap line;
  CutBox box;
  ASSERT_TRUE(GetNextTextLine(top, Bg, startRow, line, &box));
  EXPECT_EQ(box.Top, 0);
  EXPECT_EQ(startRow, 1);
  // Ink first met low in a line (a comma under the sampled columns) starts the search inside the
  // line: the line is still cut whole, from its first row.
  Bitmap comma(30, 20, Bg);
  for (int y = 2; y < 12; ++y) comma.SetPixel(3, y, Ink);
  comma.SetPixel(15, 12, Ink);
  comma.SetPixel(15, 13, Ink);
  startRow = DetermineYLineTravel(comma, Bg);
  ASSERT_TRUE(GetNextTextLine(comma, Bg, startRow, line, &box));
  EXPECT_EQ(box.Top, 2);
  EXPECT_EQ(box.Bottom, 13);
  // A picture narrower than the sampled columns is read without leaving it.
  EXPECT_EQ(DetermineYLineTravel(Bitmap(3, 9, Ink), Bg), -7);
}

TEST(SegmentationTest, LinesAreBoundedByAnyColourButTheBackground) {
  const Bitmap b = Picture({
      ".......",
      "..#o...",
      "...x...",
      ".......",
      "....#..",
      ".......",
      "#.....#",  // last row of the picture never belongs to a line
  });
  int startRow = 0;
  Bitmap line;
  CutBox box;
  ASSERT_TRUE(GetNextTextLine(b, Bg, startRow, line, &box));
  EXPECT_EQ(box.Top, 1);
  EXPECT_EQ(box.Bottom, 2);
  EXPECT_EQ(box.Left, 2);
  EXPECT_EQ(box.Right, 3);
  EXPECT_EQ(line, Picture({"#o", ".x"}));
  EXPECT_EQ(startRow, 3);
  // A one-row line: the right edge ignores the line's last row and falls back to the left.
  ASSERT_TRUE(GetNextTextLine(b, Bg, startRow, line, &box));
  EXPECT_EQ(box.Top, 4);
  EXPECT_EQ(line.Width(), 1);
  EXPECT_EQ(line.Height(), 1);
  EXPECT_FALSE(GetNextTextLine(b, Bg, startRow, line, &box));
  EXPECT_EQ(startRow, 5);
}

TEST(SegmentationTest, InkOnlyInTheLastRowOrColumnMakesNoLine) {
  int startRow = 0;
  Bitmap line;
  EXPECT_FALSE(GetNextTextLine(Picture({"...#", "...#", "...#"}), Bg, startRow, line));
  startRow = 0;
  EXPECT_FALSE(GetNextTextLine(Picture({"....", "....", "####"}), Bg, startRow, line));
  startRow = 0;
  EXPECT_FALSE(GetNextTextLine(Bitmap(), Bg, startRow, line));
}

TEST(SegmentationTest, LineReachingTheLastRowEndsAboveItAndSeparatedLinesStaySeparate) {
  const Bitmap b = Picture({
      ".#..",
      "....",
      ".#..",
      ".#..",
      ".#..",
  });
  int startRow = 0;
  Bitmap line;
  CutBox box;
  ASSERT_TRUE(GetNextTextLine(b, Bg, startRow, line, &box));
  EXPECT_EQ(box.Bottom, 0);
  ASSERT_TRUE(GetNextTextLine(b, Bg, startRow, line, &box));
  EXPECT_EQ(box.Top, 2);
  EXPECT_EQ(box.Bottom, 3);
  EXPECT_EQ(startRow, 4);
  EXPECT_FALSE(GetNextTextLine(b, Bg, startRow, line, &box));
}

TEST(SegmentationTest, FlatteningKeepsOnlyTheCharacterColourAsInk) {
  Bitmap b = Picture({"#o.x"});
  FlattenTextLine(b, Ink);
  EXPECT_EQ(b, Flat({"#..."}));
  Bitmap c = Picture({"#o.x"});
  FlattenTextLine(c, test::Outline);
  EXPECT_EQ(c, Flat({".#.."}));
}

TEST(SegmentationTest, CharactersAreColumnRunsWithGaps) {
  // Columns count ink in rows 0..2 only; the last row's ink stays with a character whose
  // columns are inked above it and is dropped where it stands alone (column 5).
  const Bitmap line = Flat({
      "##..#...##",
      "###.#....#",
      ".......###",
      "#....#....",
  });
  int charX = 0, gap = -1;
  Bitmap ch;
  CutBox box;
  ASSERT_TRUE(GetNextCharacter(line, charX, ch, gap, &box));
  EXPECT_EQ(gap, 0);
  EXPECT_EQ(charX, 3);
  EXPECT_EQ(ch, Flat({"##.", "###", "...", "#.."}));
  ASSERT_TRUE(GetNextCharacter(line, charX, ch, gap, &box));
  EXPECT_EQ(gap, 1);
  EXPECT_EQ(ch, Flat({"#", "#"}));
  EXPECT_EQ(box.Left, 4);
  EXPECT_EQ(box.Bottom, 1);
  ASSERT_TRUE(GetNextCharacter(line, charX, ch, gap, &box));
  EXPECT_EQ(gap, 2);
  EXPECT_EQ(ch, Flat({".##", "..#", "###"}));
  EXPECT_EQ(charX, 10);
  EXPECT_FALSE(GetNextCharacter(line, charX, ch, gap, &box));
  EXPECT_EQ(charX, 10);

  // A glyph with a blank column inside (a double quote) is two characters.
  const Bitmap quote = Flat({"#.#", "#.#", "..."});
  charX = 0;
  int count = 0;
  while (GetNextCharacter(quote, charX, ch, gap)) ++count;
  EXPECT_EQ(count, 2);
  // A line one row high has no character.
  charX = 0;
  EXPECT_FALSE(GetNextCharacter(Flat({"###"}), charX, ch, gap));
}

TEST(SegmentationTest, GapsBecomeSpacesAndAWidthOfZeroAddsNone) {
  EXPECT_EQ(SpaceCount(0, 10), 0);
  EXPECT_EQ(SpaceCount(9, 10), 0);
  EXPECT_EQ(SpaceCount(10, 10), 1);
  EXPECT_EQ(SpaceCount(19, 10), 1);
  EXPECT_EQ(SpaceCount(20, 10), 2);
  EXPECT_EQ(SpaceCount(29, 10), 2);
  EXPECT_EQ(SpaceCount(50, 0), 0);
}

TEST(SegmentationTest, WideLinesAreCutOverTheirFullWidth) {
  Bitmap b(602, 42, Bg);
  for (int x = 1; x <= 600; x += 3)
    for (int y = 1; y <= 40; ++y) b.SetPixel(x, y, Ink);
  int startRow = 0;
  Bitmap line;
  ASSERT_TRUE(GetNextTextLine(b, Bg, startRow, line));
  EXPECT_EQ(line.Width(), 598);  // columns 1 to 598
  EXPECT_EQ(line.Height(), 40);
  FlattenTextLine(line, Ink);
  int charX = 0, gap = 0, count = 0;
  Bitmap ch;
  while (GetNextCharacter(line, charX, ch, gap)) {
    ++count;
    EXPECT_EQ(ch.Height(), 40);
  }
  EXPECT_EQ(count, 200);
}

// Upright subtitle lines (spumux's monospace fixtures; FreeType lines in a narrow and a wide
// font) are cut exactly as column runs cut them, so learned dictionaries keep matching.
TEST(SegmentationTest, UprightLinesAreCutAsColumnRuns) {
  const std::string data = std::string(QUELM_TEST_DATA) + "/ocr/";
  for (const std::string name :
       {"mono_0", "mono_1", "mono_2", "mono_3", "mono_4", "seg_narrow", "seg_wide"}) {
    const BmpReadResult bmp = ReadBmp(data + name + ".bmp");
    ASSERT_TRUE(bmp.Outcome.Ok) << bmp.Outcome.Message;
    int startRow = DetermineYLineTravel(bmp.Image, Bg);
    CutBox lineBox;
    int lines = 0;
    while (FindNextTextLine(bmp.Image, Bg, startRow, lineBox)) {
      ++lines;
      const InkLine line{&bmp.Image, lineBox, Ink};
      LineCut cut;
      CutLine(line, cut);
      EXPECT_FALSE(cut.Slanted()) << name;
      std::vector<unsigned char> columns;
      InkColumns(line, columns);
      int charX = 0, gap = 0;
      CutBox box;
      std::size_t k = 0;
      for (; FindNextCharacter(line, columns, charX, gap, box); ++k) {
        ASSERT_LT(k, cut.Pieces.size()) << name;
        const LinePiece& piece = cut.Pieces[k];
        EXPECT_EQ(piece.Gap, gap) << name << " piece " << k;
        EXPECT_EQ(PieceBitmap(line, cut, piece), FlattenedCopy(line, box))
            << name << " piece " << k;
      }
      EXPECT_EQ(k, cut.Pieces.size()) << name;
    }
    EXPECT_GT(lines, 0) << name;
  }
}

}  // namespace
}  // namespace quelm
