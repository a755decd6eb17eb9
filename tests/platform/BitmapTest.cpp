#include "platform/Bitmap.h"

#include <gtest/gtest.h>

namespace quelm {
namespace {

TEST(BitmapTest, OutsideReadsGiveFallbackAndWritesAreDropped) {
  Bitmap b(3, 2, ColorWhite);
  b.SetPixel(3, 0, ColorBlack);
  b.SetPixel(-1, 1, ColorBlack);
  EXPECT_EQ(b.Pixels(), std::vector<Color>(6, ColorWhite));
  EXPECT_EQ(b.Pixel(5, 5, 0x123456), 0x123456u);
}

TEST(BitmapTest, ResizeKeepsOverlapAndFillsNewPixels) {
  Bitmap b(2, 2, 0x10);
  b.SetPixel(1, 1, 0x20);
  b.Resize(3, 1, 0x30);
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 1);
  EXPECT_EQ(b.Pixel(0, 0), 0x10u);
  EXPECT_EQ(b.Pixel(2, 0), 0x30u);
  b.Resize(3, 0);
  EXPECT_TRUE(b.IsEmpty());
}

TEST(BitmapTest, LyingSizesAreCapped) {
  Bitmap b(1 << 30, 2);
  EXPECT_EQ(b.Width(), Bitmap::MaxSide);
}

}  // namespace
}  // namespace quelm
