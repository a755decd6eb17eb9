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
    Bitmap trial = line;
    FlattenTextLine(trial, colors[k]);
    int charX = 0;
    int gap = 0;
    Bitmap first;
    if (GetNextCharacter(trial, charX, first, gap)) result.Heights[k] = first.Height();
  }
  for (int k = 0; k < 4; ++k)
    if (result.Heights[k] < result.Heights[result.Best]) result.Best = k;
  return result;
}

}  // namespace quelm
