// Colour grid mapping and the uniqueness check of automatic colour detection.
#include "settings/PaletteMapping.h"

namespace quelm {

std::array<Color, 4> MapSubtitleColors(const std::array<Color, 4>& panelColors,
                                       const std::array<int, 4>& rowColumns) {
  std::array<Color, 4> mapped{};
  for (int row = 0; row < 4; ++row) {
    const int column = rowColumns[static_cast<std::size_t>(row)];
    mapped[static_cast<std::size_t>(row)] =
        (column >= 0 && column < 4) ? panelColors[static_cast<std::size_t>(column)] : ColorBlack;
  }
  return mapped;
}

bool HasFourUniqueColors(const std::array<Color, 4>& panelColors,
                         const std::array<int, 4>& rowColumns) {
  for (std::size_t a = 0; a < 4; ++a) {
    for (std::size_t b = a + 1; b < 4; ++b) {
      if (panelColors[a] == panelColors[b]) return false;
      if (rowColumns[a] >= 0 && rowColumns[a] == rowColumns[b]) return false;
    }
  }
  return true;
}

}  // namespace quelm
