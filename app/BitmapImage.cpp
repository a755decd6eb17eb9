// Bitmap <-> QImage, pixel by pixel (subtitle bitmaps are small).
#include "app/BitmapImage.h"

namespace quelm {

QColor ToQColor(Color color) {
  return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

Color FromQColor(const QColor& color) {
  return RgbToColor(color.red(), color.green(), color.blue());
}

QImage ToQImage(const Bitmap& bitmap) {
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const Color* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      line[x] = qRgb(ColorRed(row[x]), ColorGreen(row[x]), ColorBlue(row[x]));
    }
  }
  return image;
}

QPixmap ScaledPixmap(const Bitmap& bitmap, QSize size) {
  if (bitmap.IsEmpty() || size.isEmpty()) return {};
  return QPixmap::fromImage(
      ToQImage(bitmap).scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

Bitmap FromQImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  Bitmap bitmap(image.width(), image.height());
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    Color* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      row[x] = RgbToColor(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
    }
  }
  return bitmap;
}

}  // namespace quelm
