// Pictures drawn as text for the recognition tests: one string per row, one character per pixel.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

namespace quelm::test {

// '.' background (black), '#' ink (white), 'o' outline (0x686868), 'x' colour 1 (0xC8C8C8).
inline constexpr Color Bg = 0x000000;
inline constexpr Color Ink = 0xFFFFFF;
inline constexpr Color Outline = 0x686868;
inline constexpr Color Col1 = 0xC8C8C8;

inline Bitmap Picture(const std::vector<std::string>& rows) {
  const std::map<char, Color> colours{{'.', Bg}, {'#', Ink}, {'o', Outline}, {'x', Col1}};
  Bitmap b(rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, colours.at(rows[y][x]));
  return b;
}

// Flattened pictures: '#' black ink, '.' white paper.
inline Bitmap Flat(const std::vector<std::string>& rows) {
  Bitmap b(rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, rows[y][x] == '#' ? ColorBlack : ColorWhite);
  return b;
}

}  // namespace quelm::test
