// How the colour grid of the main window turns into drawing colours, and the check that automatic
// colour detection needs four distinct colours.
#pragma once

#include <array>

#include "platform/Color.h"

namespace quelm {

// rowColumns[i] is the checked column (display colour) of subtitle colour row i, or -1 when no
// button of the row is checked; such a row is drawn black.
std::array<Color, 4> MapSubtitleColors(const std::array<Color, 4>& panelColors,
                                       const std::array<int, 4>& rowColumns);

// False when two panel colours are equal or two rows use the same column.
bool HasFourUniqueColors(const std::array<Color, 4>& panelColors,
                         const std::array<int, 4>& rowColumns);

}  // namespace quelm
