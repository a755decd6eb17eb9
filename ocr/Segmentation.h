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

// One piece of a cut line: the ink whose (de-slanted) column lies in First..Last.
struct LinePiece {
  int First = 0;
  int Last = -1;
  CutBox Box;   // bounds the piece's ink, in line coordinates
  int Gap = 0;  // blank (de-slanted) columns in front of it
};

// A text line cut into characters the way a reader sees them. Upright lines are cut exactly as
// FindNextCharacter cuts them. Italic letters overlap in their columns, so a line that leans is
// cut on its de-slanted form, in which row y moves Shift[y] columns to the right; each piece
// keeps the pixels as drawn, so its shape does not depend on the slant estimate.
struct LineCut {
  struct Run {
    int Row;
    int Left;
    int Right;
  };
  std::vector<int> Shift;               // per row; empty on an upright line
  std::vector<Run> Runs;                // the line's ink, row by row; only on a leaning line
  std::vector<unsigned char> Columns;   // ink per column of the upright line, as InkColumns
  std::vector<LinePiece> Pieces;
  bool Slanted() const { return !Shift.empty(); }
};

// Estimates the slant of `line` (the shear that stacks its ink into the sharpest columns) and
// cuts it.
void CutLine(const InkLine& line, LineCut& cut);
// The piece of de-slanted columns first..last of a cut line, its box narrowed to its ink; the
// box is empty (Right < Left) when it holds none.
LinePiece PieceOf(const InkLine& line, const LineCut& cut, int first, int last);
// A piece flattened, black on white; on a slanted line, ink of other pieces in its box is left
// out.
Bitmap PieceBitmap(const InkLine& line, const LineCut& cut, const LinePiece& piece);

// When a gap is a space: one from Threshold on, and one more for every further WordGap.
struct SpaceRule {
  int Threshold = 0;
  int WordGap = 0;
  bool Decided() const { return Threshold > 0; }
};
// Read off the gaps between the pieces of one line when they fall into two groups, letter gaps
// and word gaps; undecided when they do not.
SpaceRule LineSpaceRule(std::vector<int> gaps);
// For a line that cannot tell: word gaps are about a quarter of the height of the line.
SpaceRule HeightSpaceRule(int lineHeight);
int SpaceCount(int gap, const SpaceRule& rule);

}  // namespace quelm
