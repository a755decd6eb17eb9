// A plain picture of colour values, the currency between decoder, recognition and display.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/Color.h"

namespace quelm {

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Color fill = ColorBlack);
  // Takes over `pixels`, width x height values row by row; any other count gives an empty
  // bitmap. Saves a decoder a second pass over a picture it built itself.
  Bitmap(int width, int height, std::vector<Color>&& pixels) {
    if (width > 0 && height > 0 && width <= MaxSide && height <= MaxSide &&
        pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
      width_ = width;
      height_ = height;
      pixels_ = std::move(pixels);
    }
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }

  // Keeps the pixels that lie inside both the old and the new size; new ones take `fill`.
  void Resize(int width, int height, Color fill = ColorBlack);
  void Fill(Color c);

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Outside the picture: reads give `outside`, writes are dropped.
  Color Pixel(int x, int y, Color outside = ColorBlack) const {
    return Contains(x, y) ? pixels_[Index(x, y)] : outside;
  }
  void SetPixel(int x, int y, Color c) {
    if (Contains(x, y)) pixels_[Index(x, y)] = c;
  }

  // Unchecked row access for tight loops; y must be inside the picture.
  const Color* Row(int y) const { return pixels_.data() + Index(0, y); }
  Color* Row(int y) { return pixels_.data() + Index(0, y); }
  const std::vector<Color>& Pixels() const { return pixels_; }

  bool operator==(const Bitmap& other) const = default;

  // Largest side a bitmap may have; guards allocations against lying headers.
  static constexpr int MaxSide = 16384;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace quelm
