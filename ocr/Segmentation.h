// Cutting a subpicture into text lines and a text line into characters, by plain projection.
#pragma once

#include <vector>

#include "platform/Bitmap.h"

namespace quelm {

// Where a cut piece lay in the picture it was cut from (inclusive bounds).
struct CutBox {
  int Left = 0;
  int Top = 0;
  int Right = -1;
  int Bottom = -1;
};

// Where the search for the first text line starts: seven columns around the middle are sampled
// on every third row; the result is 7 rows above the first row seen to differ from the
// background, and may be negative.
int DetermineYLineTravel(const Bitmap& subpicture, Color backgroundColor);

// The next run of rows at or below `startRow` that are not all background (the last column and
// the last row never count). Rows above the picture count as background. On success `line` holds
// the text line's bounding rectangle and `startRow` moves past it.
bool GetNextTextLine(const Bitmap& subpicture, Color backgroundColor, int& startRow, Bitmap& line,
                     CutBox* box = nullptr);

// GetNextTextLine without the copy: only `box` is set.
bool FindNextTextLine(const Bitmap& subpicture, Color backgroundColor, int& startRow, CutBox& box);

// Character ink (`charColor`) becomes black, everything else white.
void FlattenTextLine(Bitmap& line, Color charColor);

// The piece `box` of `source` (inside it) as a bitmap of its own.
Bitmap CopyBox(const Bitmap& source, const CutBox& box);

// The next run of columns from `charX` holding black outside the last row. `gap` is the number of
// blank columns skipped; `charX` moves past the character.
bool GetNextCharacter(const Bitmap& line, int& charX, Bitmap& character, int& gap,
                      CutBox* box = nullptr);

// A text line where it lies in the subpicture, read as FlattenTextLine would leave it: the ink
// colour black, every other colour white. Characters are found and matched on it without copies.
struct InkLine {
  const Bitmap* Source = nullptr;
  CutBox Box;  // inside Source
  Color Ink = ColorWhite;

  int Width() const { return Box.Right - Box.Left + 1; }
  int Height() const { return Box.Bottom - Box.Top + 1; }
  // Unchecked; y inside the line.
  const Color* Row(int y) const { return Source->Row(Box.Top + y) + Box.Left; }
};

// Per column of the line, whether it holds ink outside the last row; one pass by rows.
void InkColumns(const InkLine& line, std::vector<unsigned char>& inkColumns);
// GetNextCharacter on the flattened line, without the copy: only `box` (in line coordinates) is
// set. `inkColumns` comes from InkColumns.
bool FindNextCharacter(const InkLine& line, const std::vector<unsigned char>& inkColumns,
                       int& charX, int& gap, CutBox& box);
// The piece `box` (in line coordinates, inside it) flattened, as GetNextCharacter cuts it.
Bitmap FlattenedCopy(const InkLine& line, const CutBox& box);

// Spaces in front of a character: `gap` div `spaceWidth`; none when the width is 0 or less.
int SpaceCount(int gap, int spaceWidth);

}  // namespace quelm
