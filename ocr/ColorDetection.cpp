// Trial flattenings of one line, one per colour.
#include "ocr/ColorDetection.h"

#include <algorithm>

#include "ocr/Segmentation.h"

namespace quelm {

namespace {

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

}  // namespace

ColorDetectionResult AutoDetectColorSettings(const Bitmap& line, const std::array<Color, 4>& colors,
                                             Color backgroundColor) {
  ColorDetectionResult result;
  for (int k = 0; k < 4; ++k) {
    result.Heights[k] = ColorDetectionResult::NoCharacter;
    if (colors[k] == backgroundColor) continue;
    const InkLine trial{&line, {0, 0, line.Width() - 1, line.Height() - 1}, colors[k]};
    std::vector<unsigned char> inkColumns;
    InkColumns(trial, inkColumns);
    int charX = 0;
    int gap = 0;
    CutBox first;
    if (FindNextCharacter(trial, inkColumns, charX, gap, first))
      result.Heights[k] = first.Bottom - first.Top + 1;
  }
  for (int k = 0; k < 4; ++k)
    if (result.Heights[k] < result.Heights[result.Best]) result.Best = k;
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
  const ColorDetectionResult trial = AutoDetectColorSettings(line, colors, backgroundColor);
  std::optional<int> best;
  for (int k = 0; k < 4; ++k) {
    if (trial.Heights[k] == ColorDetectionResult::NoCharacter) continue;
    if (company[k] && TouchesBackground(line, colors[k], backgroundColor)) continue;
    if (!best || trial.Heights[k] < trial.Heights[*best]) best = k;
  }
  return best;
}

}  // namespace quelm
