// Trial flattenings of one line, one per colour, and how deep each colour lies in its ink.
#include "ocr/ColorDetection.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
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

// A pixel d steps deep survives d - 1 erosions of the ink by the cross of its four neighbours,
// so the sum of depths is the sum of the pixels left after each erosion. On one bit a pixel,
// an erosion is a few word operations per 64 pixels. Only the colours in `wanted` are measured.
Depths MeasureDepths(const Bitmap& line, const std::array<Color, 4>& colors, Color backgroundColor,
                     const std::array<bool, 4>& wanted) {
  const int w = line.Width();
  const int h = line.Height();
  const std::size_t words = (static_cast<std::size_t>(w) + 63) / 64;
  const std::size_t size = words * static_cast<std::size_t>(h);
  std::vector<std::uint64_t> ink(size);
  std::array<std::vector<std::uint64_t>, 4> colour;
  for (int k = 0; k < 4; ++k)
    if (wanted[k]) colour[k].resize(size);
  // Unmeasured colours look for the background, which no mask needs.
  std::array<Color, 4> sought{};
  for (int k = 0; k < 4; ++k) sought[k] = wanted[k] ? colors[k] : backgroundColor;
  for (int y = 0; y < h; ++y) {
    const Color* row = line.Row(y);
    for (std::size_t i = 0; i < words; ++i) {
      // Bits gather in registers, shifted in from the top, and are stored once a word.
      std::uint64_t inkBits = 0;
      std::array<std::uint64_t, 4> bits{};
      const int first = static_cast<int>(i) * 64;
      const int end = std::min(w, first + 64);
      for (int x = first; x < end; ++x) {
        const Color c = row[x];
        inkBits = (inkBits >> 1) | (std::uint64_t{c != backgroundColor} << 63);
        for (int k = 0; k < 4; ++k)
          bits[k] = (bits[k] >> 1) | (std::uint64_t{c == sought[k]} << 63);
      }
      const int unused = 64 - (end - first);
      const std::size_t at = static_cast<std::size_t>(y) * words + i;
      ink[at] = inkBits >> unused;
      for (int k = 0; k < 4; ++k)
        if (wanted[k]) colour[k][at] = bits[k] >> unused;
    }
  }
  Depths depths;
  for (const std::uint64_t v : ink)
    if (v != 0) depths.Ink += std::popcount(v);  // popcount may be a library call
  for (int k = 0; k < 4; ++k)
    for (const std::uint64_t v : colour[k])
      if (v != 0) depths.Pixels[k] += std::popcount(v);
  // Every pixel is one step deep; each erosion it survives adds one.
  depths.Sum = depths.Pixels;
  std::vector<std::uint64_t> eroded(size);
  for (bool any = true; any;) {
    any = false;
    for (std::size_t i = 0; i < size; ++i) {
      const std::size_t x = i % words;
      const std::uint64_t m = ink[i];
      const std::uint64_t left = (m << 1) | (x > 0 ? ink[i - 1] >> 63 : 0);
      const std::uint64_t right = (m >> 1) | (x + 1 < words ? ink[i + 1] << 63 : 0);
      const std::uint64_t up = i >= words ? ink[i - words] : 0;
      const std::uint64_t down = i + words < size ? ink[i + words] : 0;
      eroded[i] = m & left & right & up & down;
      if (eroded[i] == 0) continue;
      any = true;
      for (int k = 0; k < 4; ++k)
        if (wanted[k]) depths.Sum[k] += std::popcount(eroded[i] & colour[k][i]);
    }
    ink.swap(eroded);
  }
  return depths;
}

// The fill lies deepest inside the ink: outline and anti-aliasing border the background, and the
// first "character" of an anti-aliasing colour may be a fragment shorter than any letter, so
// height alone picks it. Only colours in `competes` that cut a character are ranked; `heights`
// gets their first characters' heights.
std::optional<int> Rank(const Bitmap& line, const std::array<Color, 4>& colors,
                        Color backgroundColor, const std::array<bool, 4>& competes,
                        std::array<int, 4>& heights) {
  for (int k = 0; k < 4; ++k) {
    heights[k] = ColorDetectionResult::NoCharacter;
    if (colors[k] == backgroundColor || !competes[k]) continue;
    const InkLine trial{&line, {0, 0, line.Width() - 1, line.Height() - 1}, colors[k]};
    std::vector<unsigned char> inkColumns;
    InkColumns(trial, inkColumns);
    int charX = 0;
    int gap = 0;
    CutBox first;
    if (FindNextCharacter(trial, inkColumns, charX, gap, first))
      heights[k] = first.Bottom - first.Top + 1;
  }
  std::array<bool, 4> ranked{};
  for (int k = 0; k < 4; ++k) ranked[k] = heights[k] != ColorDetectionResult::NoCharacter;
  const auto count = std::count(ranked.begin(), ranked.end(), true);
  if (count == 0) return std::nullopt;
  if (count == 1)
    return static_cast<int>(std::find(ranked.begin(), ranked.end(), true) - ranked.begin());
  const Depths depths = MeasureDepths(line, colors, backgroundColor, ranked);
  const auto fair = [&](int k) { return depths.Pixels[k] * MinShare >= depths.Ink; };
  const auto beats = [&](int a, int b) {
    if (fair(a) != fair(b)) return fair(a);
    if (fair(a) && depths.Sum[a] * depths.Pixels[b] != depths.Sum[b] * depths.Pixels[a])
      return depths.Sum[a] * depths.Pixels[b] > depths.Sum[b] * depths.Pixels[a];
    return heights[a] < heights[b];
  };
  std::optional<int> best;
  for (int k = 0; k < 4; ++k)
    if (ranked[k] && (!best || beats(k, *best))) best = k;
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
