// Automatic choice of the character colour on the first text line (and on any line the run's ink
// does not cut): of the colours that cut a character there, the one lying deepest inside the
// ink, i.e. the fill within its outline and anti-aliasing.
#pragma once

#include <array>
#include <optional>

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
// shorter than the letter. Depth is the mean distance of a colour's pixels to the background;
// a colour with under a twentieth of the ink (stray pixels) ranks below every colour with more.
// Equal depths, and colours that are all stray, go to the shortest first character, then to the
// lower index; with no character at all, index 0.
ColorDetectionResult AutoDetectColorSettings(const Bitmap& line, const std::array<Color, 4>& colors,
                                             Color backgroundColor);

// Which of the four colours share a text line with characters cut in `ink`: where `ink` is the
// fill, its outline and anti-aliasing colours.
std::array<bool, 4> InkCompany(const Bitmap& subpicture, const std::array<Color, 4>& colors,
                               Color backgroundColor, Color ink);

// The own ink of a text line that the run's ink does not cut: the detection above on `line`
// alone. A colour of the run ink's company (`company`) competes only where it touches no
// background in this line, i.e. where it is a fill inside an outline; so a line of bare outline
// or anti-aliasing, which would be read as blobs, has none. Empty when no colour qualifies.
std::optional<int> DetectLineInk(const Bitmap& line, const std::array<Color, 4>& colors,
                                 Color backgroundColor, const std::array<bool, 4>& company);

}  // namespace quelm
