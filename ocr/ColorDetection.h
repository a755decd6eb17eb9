// Automatic choice of the character colour: each of the four colours is tried as ink on the
// first text line, and the one whose first character is shortest wins.
#pragma once

#include <array>

#include "platform/Bitmap.h"

namespace quelm {

struct ColorDetectionResult {
  int Best = 0;
  // Height of the first character with colour k as ink; NoCharacter when there was none or the
  // colour is the background.
  std::array<int, 4> Heights{};
  static constexpr int NoCharacter = 9999999;
};

// `line` is the unflattened text line. The colour equal to `backgroundColor` is not a candidate:
// as ink it makes a blob, or a thin strip of background beside a tall first letter that is
// shorter than the letter. Ties go to the lower index; with no character at all, index 0.
ColorDetectionResult AutoDetectColorSettings(const Bitmap& line, const std::array<Color, 4>& colors,
                                             Color backgroundColor);

}  // namespace quelm
