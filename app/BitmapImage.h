// Conversions between the core's Bitmap and Qt's QImage, for every window and screenshots.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include "platform/Bitmap.h"

namespace quelm {

QImage ToQImage(const Bitmap& bitmap);
// `bitmap` scaled to `size` pixel by pixel (no smoothing, so glyph edges stay sharp).
QPixmap ScaledPixmap(const Bitmap& bitmap, QSize size);
Bitmap FromQImage(const QImage& image);
QColor ToQColor(Color color);
Color FromQColor(const QColor& color);

}  // namespace quelm
