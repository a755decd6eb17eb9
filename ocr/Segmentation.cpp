// Projection segmentation. Every loop keeps its indexes inside the bitmaps; rows above the
// picture (a negative start row) are treated as background.
#include "ocr/Segmentation.h"

#include <algorithm>
#include <utility>

namespace quelm {

Bitmap CopyBox(const Bitmap& source, const CutBox& box) {
  const int width = box.Right - box.Left + 1;
  const int height = box.Bottom - box.Top + 1;
  std::vector<Color> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = box.Top; y <= box.Bottom; ++y) {
    const Color* src = source.Row(y) + box.Left;
    pixels.insert(pixels.end(), src, src + width);
  }
  return Bitmap(width, height, std::move(pixels));
}

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

bool FindNextTextLine(const Bitmap& subpicture, Color backgroundColor, int& startRow,
                      CutBox& box) {
  const int w = subpicture.Width();
  const int h = subpicture.Height();
  if (w == 0 || h == 0) return false;
  auto rowBlank = [&](int y) {
    const Color* row = subpicture.Row(y);
    return std::all_of(row, row + (w - 1), [&](Color c) { return c == backgroundColor; });
  };

  int top = std::max(startRow, 0);
  while (top < h - 1 && rowBlank(top)) ++top;
  if (top >= h - 1) return false;
  int r = top;
  while (r < h - 1 && !rowBlank(r)) ++r;
  const int bottom = r - 1;
  startRow = r;

  // The leftmost column with ink in rows top..bottom (the last column aside; every one of these
  // rows has ink before it), and the rightmost with ink in rows top..bottom-1, at least `left`.
  // Found row by row, which reads memory in order.
  int left = w - 1;
  for (int y = top; y <= bottom; ++y) {
    const Color* row = subpicture.Row(y);
    for (int x = 0; x < left; ++x)
      if (row[x] != backgroundColor) {
        left = x;
        break;
      }
  }
  int right = left;
  for (int y = top; y < bottom; ++y) {
    const Color* row = subpicture.Row(y);
    for (int x = w - 1; x > right; --x)
      if (row[x] != backgroundColor) {
        right = x;
        break;
      }
  }
  box = {left, top, right, bottom};
  return true;
}

bool GetNextTextLine(const Bitmap& subpicture, Color backgroundColor, int& startRow, Bitmap& line,
                     CutBox* box) {
  CutBox found;
  if (!FindNextTextLine(subpicture, backgroundColor, startRow, found)) return false;
  line = CopyBox(subpicture, found);
  if (box) *box = found;
  return true;
}

void FlattenTextLine(Bitmap& line, Color charColor) {
  for (int y = 0; y < line.Height(); ++y) {
    Color* row = line.Row(y);
    for (int x = 0; x < line.Width(); ++x) row[x] = row[x] == charColor ? ColorBlack : ColorWhite;
  }
}

Bitmap FlattenedCopy(const InkLine& line, const CutBox& box) {
  const int width = box.Right - box.Left + 1;
  const int height = box.Bottom - box.Top + 1;
  std::vector<Color> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  Color* dst = pixels.data();
  for (int y = box.Top; y <= box.Bottom; ++y) {
    const Color* src = line.Row(y) + box.Left;
    for (int x = 0; x < width; ++x) *dst++ = src[x] == line.Ink ? ColorBlack : ColorWhite;
  }
  return Bitmap(width, height, std::move(pixels));
}

void InkColumns(const InkLine& line, std::vector<unsigned char>& inkColumns) {
  const int lw = line.Width();
  inkColumns.assign(static_cast<std::size_t>(std::max(lw, 0)), 0);
  // Locals, so that the byte stores are not taken to change them.
  unsigned char* columns = inkColumns.data();
  const Color ink = line.Ink;
  for (int y = 0; y < line.Height() - 1; ++y) {
    const Color* row = line.Row(y);
    for (int x = 0; x < lw; ++x) columns[x] |= static_cast<unsigned char>(row[x] == ink);
  }
}

namespace {

// The cut both forms share: the next run of ink columns from charX, the gap before it, and its
// box narrowed to the rows that hold ink.
template <typename ColumnHasInk, typename RowBlank>
bool CutNextCharacter(int width, int height, ColumnHasInk columnHasInk, RowBlank rowBlank,
                      int& charX, int& gap, CutBox& box) {
  int x = std::max(charX, 0);
  while (x <= width - 1 && !columnHasInk(x)) ++x;
  if (x > width - 1) return false;
  gap = x - charX;
  int r = x;
  while (r <= width - 1 && columnHasInk(r)) ++r;
  const int right = r - 1;
  charX = r;

  int top = 0;
  while (top < height - 1 && rowBlank(top, x, right)) ++top;
  int bottom = height - 1;
  while (bottom > top && rowBlank(bottom, x, right)) --bottom;

  box = {x, top, right, bottom};
  return true;
}

}  // namespace

bool FindNextCharacter(const InkLine& line, const std::vector<unsigned char>& inkColumns,
                       int& charX, int& gap, CutBox& box) {
  const int lw = std::min(line.Width(), static_cast<int>(inkColumns.size()));
  auto rowBlank = [&](int y, int left, int right) {
    const Color* row = line.Row(y);
    return std::none_of(row + left, row + right + 1, [&](Color c) { return c == line.Ink; });
  };
  return CutNextCharacter(
      lw, line.Height(), [&](int x) { return inkColumns[static_cast<std::size_t>(x)] != 0; },
      rowBlank, charX, gap, box);
}

bool GetNextCharacter(const Bitmap& line, int& charX, Bitmap& character, int& gap, CutBox* box) {
  const int lh = line.Height();
  auto columnHasInk = [&](int x) {
    for (int y = 0; y < lh - 1; ++y)
      if (line.Row(y)[x] != ColorWhite) return true;
    return false;
  };
  auto rowBlank = [&](int y, int left, int right) {
    const Color* row = line.Row(y);
    return std::all_of(row + left, row + right + 1, [](Color c) { return c == ColorWhite; });
  };
  CutBox cut;
  if (!CutNextCharacter(line.Width(), lh, columnHasInk, rowBlank, charX, gap, cut)) return false;
  character = CopyBox(line, cut);
  if (box) *box = cut;
  return true;
}

int SpaceCount(int gap, int spaceWidth) {
  if (spaceWidth <= 0 || gap < spaceWidth) return 0;
  return gap / spaceWidth;
}

}  // namespace quelm
