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
                                       int maxColumns) {
  // One column of margin on each side leaves room for the frame at the edges.
  const int width = line.Width() + 2;
  const int columns = std::max(8, maxColumns);
  int first = 0;
  if (width > columns) {
    const int middle = (box.Left + box.Right) / 2 + 1;
    first = std::clamp(middle - columns / 2, 0, width - columns);
  }
  const int last = std::min(width, first + columns);  // exclusive
  const int left = box.Left;       // frame columns in margin coordinates: Left and Right + 2
  const int right = box.Right + 2;
  const int topRow = box.Top / 2;  // frame rows in text rows, one above and one below
  const int bottomRow = box.Bottom / 2 + 2;
  const int textRows = (line.Height() + 1) / 2 + 2;

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
        const bool top = r >= 1 && line.Contains(x, y) && line.Pixel(x, y) == ink;
        const bool bottom = r >= 1 && line.Contains(x, y + 1) && line.Pixel(x, y + 1) == ink;
        row += top && bottom ? '#' : top ? '\'' : bottom ? '.' : ' ';
      }
    }
    while (!row.empty() && row.back() == ' ') row.pop_back();
    rows.push_back(row);
  }
  return rows;
}

}  // namespace quelm
