// Files this program writes must open in other readers; Qt's BMP reader is an independent one.
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/BmpFile.h"

namespace quelm {
namespace {

TEST(BmpFileQtTest, WrittenFilesReadBackInQtWithTheSameColours) {
  const auto dir = std::filesystem::temp_directory_path() / ("quelm_bmp_qt-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  Bitmap image(11, 3, ColorWhite);
  image.SetPixel(0, 0, ColorBlack);
  image.SetPixel(10, 2, ColorBlack);
  image.SetPixel(5, 1, 0x686868);
  image.SetPixel(6, 1, RgbToColor(200, 10, 30));
  for (int bits : {1, 4, 24}) {
    const std::string path = (dir / ("q" + std::to_string(bits) + ".bmp")).string();
    ASSERT_TRUE(WriteBmp(path, image, bits).Ok);
    QImage q;
    ASSERT_TRUE(q.load(QString::fromStdString(path), "BMP")) << bits;
    ASSERT_EQ(q.width(), 11);
    ASSERT_EQ(q.height(), 3);
    EXPECT_EQ(q.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(q.pixelColor(10, 2), QColor(0, 0, 0));
    EXPECT_EQ(q.pixelColor(1, 0), QColor(255, 255, 255));
    if (bits == 1) {
      EXPECT_EQ(q.pixelColor(5, 1), QColor(0, 0, 0));      // luminance 104
      EXPECT_EQ(q.pixelColor(6, 1), QColor(0, 0, 0));      // luminance 69
    } else {
      EXPECT_EQ(q.pixelColor(5, 1), QColor(0x68, 0x68, 0x68));
      EXPECT_EQ(q.pixelColor(6, 1), QColor(200, 10, 30));
    }
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quelm
