// Conversions between the core's Bitmap and Qt's QImage, for display and screenshots.
#pragma once

#include <QColor>
#include <QImage>

#include "platform/Bitmap.h"

namespace quelm {

QImage ToQImage(const Bitmap& bitmap);
Bitmap FromQImage(const QImage& image);
QColor ToQColor(Color color);
Color FromQColor(const QColor& color);

}  // namespace quelm
