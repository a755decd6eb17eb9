#include "platform/Bitmap.h"

#include <algorithm>

namespace quelm {

namespace {
int ClampSide(int side) { return std::clamp(side, 0, Bitmap::MaxSide); }
}  // namespace

Bitmap::Bitmap(int width, int height, Color fill)
    : width_(ClampSide(width)), height_(ClampSide(height)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
}

void Bitmap::Resize(int width, int height, Color fill) {
  Bitmap resized(width, height, fill);
  const int copyWidth = std::min(width_, resized.width_);
  const int copyHeight = std::min(height_, resized.height_);
  for (int y = 0; y < copyHeight; ++y) std::copy_n(Row(y), copyWidth, resized.Row(y));
  *this = std::move(resized);
}

void Bitmap::Fill(Color c) { std::fill(pixels_.begin(), pixels_.end(), c); }

}  // namespace quelm
