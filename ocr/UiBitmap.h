// Pictures of the recognition windows: a core Bitmap as a QImage, and enlarged without blur.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

#include "platform/Bitmap.h"

namespace quelm {

QImage ToDisplayImage(const Bitmap& bitmap);
// `bitmap` scaled to `size` pixel by pixel (no smoothing, so glyph edges stay sharp).
QPixmap ScaledPixmap(const Bitmap& bitmap, QSize size);

}  // namespace quelm
