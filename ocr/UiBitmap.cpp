// Bitmap to QImage, row by row (glyphs and subtitle lines are small).
#include "ocr/UiBitmap.h"

namespace quelm {

QImage ToDisplayImage(const Bitmap& bitmap) {
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const Color* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x)
      line[x] = qRgb(ColorRed(row[x]), ColorGreen(row[x]), ColorBlue(row[x]));
  }
  return image;
}

QPixmap ScaledPixmap(const Bitmap& bitmap, QSize size) {
  if (bitmap.IsEmpty() || size.isEmpty()) return {};
  return QPixmap::fromImage(
      ToDisplayImage(bitmap).scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

}  // namespace quelm
