// Drawing bitmaps as text for the learning dialogue and `quelm-cli dict show`.
#include "cli/TextArt.h"

#include <algorithm>

namespace quelm {

std::vector<std::string> TextArt::Character(const Bitmap& character) {
  std::vector<std::string> rows;
  const std::string edge = "+" + std::string(static_cast<std::size_t>(character.Width()), '-') + "+";
  rows.push_back(edge);
  for (int y = 0; y < character.Height(); ++y) {
    std::string row = "|";
    for (int x = 0; x < character.Width(); ++x)
      row += character.Pixel(x, y) == ColorBlack ? '#' : '.';
    rows.push_back(row + "|");
  }
  rows.push_back(edge);
  return rows;
}

std::vector<std::string> TextArt::Line(const Bitmap& line, Color ink, const CutBox& box,
                                       int maxColumns, int maxRows) {
  // Two frame rows and at least one of ink.
  const int rowsForInk = std::max(1, maxRows - 2);
  int k = 1;
  while ((line.Height() + 2 * k - 1) / (2 * k) > rowsForInk && k < line.Height()) ++k;
  const int lineWidth = (line.Width() + k - 1) / k;
  const int lineHeight = (line.Height() + k - 1) / k;
  const auto inked = [&](int x, int y) {
    int count = 0;
    for (int py = y * k; py < (y + 1) * k; ++py)
      for (int px = x * k; px < (x + 1) * k; ++px)
        if (line.Contains(px, py) && line.Pixel(px, py) == ink) ++count;
    return count > 0 && 3 * count >= k * k;
  };

  // One column of margin on each side leaves room for the frame at the edges.
  const int width = lineWidth + 2;
  const int columns = std::max(8, maxColumns);
  const int boxLeft = box.Left / k;
  const int boxRight = box.Right / k;
  int first = 0;
  if (width > columns) {
    const int middle = (boxLeft + boxRight) / 2 + 1;
    first = std::clamp(middle - columns / 2, 0, width - columns);
  }
  const int last = std::min(width, first + columns);  // exclusive
  const int left = boxLeft;       // frame columns in margin coordinates: Left and Right + 2
  const int right = boxRight + 2;
  const int topRow = box.Top / k / 2;  // frame rows in text rows, one above and one below
  const int bottomRow = box.Bottom / k / 2 + 2;
  const int textRows = (lineHeight + 1) / 2 + 2;

  std::vector<std::string> rows;
  for (int r = 0; r < textRows; ++r) {
    std::string row;
    for (int c = first; c < last; ++c) {
      const bool vertical = (c == left || c == right) && r >= topRow && r <= bottomRow;
      const bool horizontal = (r == topRow || r == bottomRow) && c >= left && c <= right;
      if (vertical && horizontal) {
        row += '+';
      } else if (horizontal) {
        row += '-';
      } else if (vertical) {
        row += '|';
      } else {
        const int x = c - 1;
        const int y = (r - 1) * 2;
        const bool top = r >= 1 && inked(x, y);
        const bool bottom = r >= 1 && inked(x, y + 1);
        row += top && bottom ? '#' : top ? '\'' : bottom ? '.' : ' ';
      }
    }
    while (!row.empty() && row.back() == ' ') row.pop_back();
    rows.push_back(row);
  }
  return rows;
}

}  // namespace quelm
