// Projection segmentation. Every loop keeps its indexes inside the bitmaps; rows above the
// picture (a negative start row) are treated as background.
#include "ocr/Segmentation.h"

#include <algorithm>

namespace quelm {

namespace {

Bitmap CopyRect(const Bitmap& source, int left, int top, int right, int bottom) {
  Bitmap out(right - left + 1, bottom - top + 1);
  for (int y = top; y <= bottom; ++y) {
    const Color* src = source.Row(y) + left;
    std::copy(src, src + (right - left + 1), out.Row(y - top));
  }
  return out;
}

}  // namespace

int DetermineYLineTravel(const Bitmap& subpicture, Color backgroundColor) {
  const int w = subpicture.Width();
  const int h = subpicture.Height();
  const int mid = w / 2;
  static constexpr int Offsets[] = {-10, -6, -3, 0, 3, 6, 10};
  for (int y = 0; y < h - 1; y += 3) {
    for (int dx : Offsets) {
      // Columns off a narrow picture are background.
      if (subpicture.Pixel(mid + dx, y, backgroundColor) != backgroundColor) return y - 7;
    }
  }
  return 0;
}

bool GetNextTextLine(const Bitmap& subpicture, Color backgroundColor, int& startRow, Bitmap& line,
                     CutBox* box) {
  const int w = subpicture.Width();
  const int h = subpicture.Height();
  if (w == 0 || h == 0) return false;
  auto rowBlank = [&](int y) {
    const Color* row = subpicture.Row(y);
    return std::all_of(row, row + (w - 1), [&](Color c) { return c == backgroundColor; });
  };
  auto columnBlank = [&](int x, int top, int bottom) {
    for (int y = top; y <= bottom; ++y)
      if (subpicture.Row(y)[x] != backgroundColor) return false;
    return true;
  };

  int top = std::max(startRow, 0);
  while (top < h - 1 && rowBlank(top)) ++top;
  if (top >= h - 1) return false;
  int r = top;
  while (r < h - 1 && !rowBlank(r)) ++r;
  const int bottom = r - 1;
  startRow = r;

  int left = 0;
  while (left < w - 1 && columnBlank(left, top, bottom)) ++left;
  int right = w - 1;
  while (right > left && columnBlank(right, top, bottom - 1)) --right;

  line = CopyRect(subpicture, left, top, right, bottom);
  if (box) *box = {left, top, right, bottom};
  return true;
}

void FlattenTextLine(Bitmap& line, Color charColor) {
  for (int y = 0; y < line.Height(); ++y) {
    Color* row = line.Row(y);
    for (int x = 0; x < line.Width(); ++x) row[x] = row[x] == charColor ? ColorBlack : ColorWhite;
  }
}

bool GetNextCharacter(const Bitmap& line, int& charX, Bitmap& character, int& gap, CutBox* box) {
  const int lw = line.Width();
  const int lh = line.Height();
  auto columnBlank = [&](int x) {
    for (int y = 0; y < lh - 1; ++y)
      if (line.Row(y)[x] != ColorWhite) return false;
    return true;
  };
  auto rowBlank = [&](int y, int left, int right) {
    const Color* row = line.Row(y);
    return std::all_of(row + left, row + right + 1, [](Color c) { return c == ColorWhite; });
  };

  int x = std::max(charX, 0);
  while (x <= lw - 1 && columnBlank(x)) ++x;
  if (x > lw - 1) return false;
  gap = x - charX;
  int r = x;
  while (r <= lw - 1 && !columnBlank(r)) ++r;
  const int right = r - 1;
  charX = r;

  int top = 0;
  while (top < lh - 1 && rowBlank(top, x, right)) ++top;
  int bottom = lh - 1;
  while (bottom > top && rowBlank(bottom, x, right)) --bottom;

  character = CopyRect(line, x, top, right, bottom);
  if (box) *box = {x, top, right, bottom};
  return true;
}

int SpaceCount(int gap, int spaceWidth) {
  if (spaceWidth <= 0 || gap < spaceWidth) return 0;
  return gap / spaceWidth;
}

}  // namespace quelm
