// Trial flattenings of one line, one per colour.
#include "ocr/ColorDetection.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "ocr/Segmentation.h"

namespace quelm {

namespace {

// Below one pixel in twenty of the line's ink, a colour is stray pixels, not a layer.
constexpr long long MinShare = 20;

// Outside the line counts as background.
bool TouchesBackground(const Bitmap& line, Color color, Color backgroundColor) {
  const int w = line.Width();
  const int h = line.Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (line.Row(y)[x] != color) continue;
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) return true;
      if (line.Row(y)[x - 1] == backgroundColor || line.Row(y)[x + 1] == backgroundColor ||
          line.Row(y - 1)[x] == backgroundColor || line.Row(y + 1)[x] == backgroundColor)
        return true;
    }
  return false;
}

// Per colour: its pixels in the line and the sum of their distances in steps across and down to
// the nearest background pixel (outside the line counts as background). Diagonal steps would
// give a thin fill and its anti-aliasing the same depth where no outline parts them from the
// background.
struct Depths {
  std::array<long long, 4> Pixels{};
  std::array<long long, 4> Sum{};
  long long Ink = 0;  // every pixel that is not background
};

Depths MeasureDepths(const Bitmap& line, const std::array<Color, 4>& colors, Color backgroundColor) {
  const int w = line.Width();
  const int h = line.Height();
  std::vector<int> distance(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  const auto cell = [&](int x, int y) -> int& {
    return distance[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                    static_cast<std::size_t>(x)];
  };
  const auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? 0 : cell(x, y); };
  // Two sweeps: from above and the left, then from below and the right.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      cell(x, y) = line.Row(y)[x] == backgroundColor ? 0 : 1 + std::min(at(x - 1, y), at(x, y - 1));
  Depths depths;
  for (int y = h - 1; y >= 0; --y)
    for (int x = w - 1; x >= 0; --x) {
      int& d = cell(x, y);
      if (d == 0) continue;
      d = std::min(d, 1 + std::min(at(x + 1, y), at(x, y + 1)));
      ++depths.Ink;
      for (int k = 0; k < 4; ++k)
        if (line.Row(y)[x] == colors[k]) {
          ++depths.Pixels[k];
          depths.Sum[k] += d;
        }
    }
  return depths;
}

// The fill lies deepest inside the ink: outline and anti-aliasing border the background, and the
// first "character" of an anti-aliasing colour may be a fragment shorter than any letter, so
// height alone picks it. Only colours in `competes` that cut a character are ranked; `heights`
// gets every colour's first character height.
std::optional<int> Rank(const Bitmap& line, const std::array<Color, 4>& colors,
                        Color backgroundColor, const std::array<bool, 4>& competes,
                        std::array<int, 4>& heights) {
  for (int k = 0; k < 4; ++k) {
    heights[k] = ColorDetectionResult::NoCharacter;
    if (colors[k] == backgroundColor) continue;
    const InkLine trial{&line, {0, 0, line.Width() - 1, line.Height() - 1}, colors[k]};
    std::vector<unsigned char> inkColumns;
    InkColumns(trial, inkColumns);
    int charX = 0;
    int gap = 0;
    CutBox first;
    if (FindNextCharacter(trial, inkColumns, charX, gap, first))
      heights[k] = first.Bottom - first.Top + 1;
  }
  const Depths depths = MeasureDepths(line, colors, backgroundColor);
  const auto fair = [&](int k) { return depths.Pixels[k] * MinShare >= depths.Ink; };
  const auto beats = [&](int a, int b) {
    if (fair(a) != fair(b)) return fair(a);
    if (fair(a) && depths.Sum[a] * depths.Pixels[b] != depths.Sum[b] * depths.Pixels[a])
      return depths.Sum[a] * depths.Pixels[b] > depths.Sum[b] * depths.Pixels[a];
    return heights[a] < heights[b];
  };
  std::optional<int> best;
  for (int k = 0; k < 4; ++k)
    if (competes[k] && heights[k] != ColorDetectionResult::NoCharacter && (!best || beats(k, *best)))
      best = k;
  return best;
}

}  // namespace

ColorDetectionResult AutoDetectColorSettings(const Bitmap& line, const std::array<Color, 4>& colors,
                                             Color backgroundColor) {
  ColorDetectionResult result;
  result.Best =
      Rank(line, colors, backgroundColor, {true, true, true, true}, result.Heights).value_or(0);
  return result;
}

std::array<bool, 4> InkCompany(const Bitmap& subpicture, const std::array<Color, 4>& colors,
                               Color backgroundColor, Color ink) {
  std::array<bool, 4> company{};
  int startRow = DetermineYLineTravel(subpicture, backgroundColor);
  CutBox box;
  std::vector<unsigned char> inkColumns;
  while (FindNextTextLine(subpicture, backgroundColor, startRow, box)) {
    InkColumns({&subpicture, box, ink}, inkColumns);
    if (std::none_of(inkColumns.begin(), inkColumns.end(), [](unsigned char c) { return c != 0; }))
      continue;
    for (int y = box.Top; y <= box.Bottom; ++y) {
      const Color* row = subpicture.Row(y);
      for (int x = box.Left; x <= box.Right; ++x)
        for (int k = 0; k < 4; ++k)
          if (row[x] == colors[k]) company[k] = true;
    }
  }
  return company;
}

std::optional<int> DetectLineInk(const Bitmap& line, const std::array<Color, 4>& colors,
                                 Color backgroundColor, const std::array<bool, 4>& company) {
  std::array<bool, 4> competes{};
  for (int k = 0; k < 4; ++k)
    competes[k] = !company[k] || !TouchesBackground(line, colors[k], backgroundColor);
  std::array<int, 4> heights{};
  return Rank(line, colors, backgroundColor, competes, heights);
}

}  // namespace quelm
