// Trial flattenings of one line, one per colour.
#include "ocr/ColorDetection.h"

#include "ocr/Segmentation.h"

namespace quelm {

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

}  // namespace quelm
