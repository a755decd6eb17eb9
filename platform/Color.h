// Colour values as the program stores and compares them: 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace quelm {

using Color = std::uint32_t;

constexpr Color RgbToColor(int red, int green, int blue) {
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int ColorRed(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int ColorGreen(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ColorBlue(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Color ColorBlack = 0x000000;
constexpr Color ColorWhite = 0xFFFFFF;

}  // namespace quelm
