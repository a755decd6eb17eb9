// Windows BMP files: the subtitle bitmaps a user saves and the glyphs of the dictionary.
#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "platform/Status.h"

namespace quelm {

struct BmpReadResult {
  Bitmap Image;
  Status Outcome;
};

// Reads uncompressed BMP files of 1, 4, 8, 24 and 32 bits per pixel (bottom-up or top-down).
// Palette entries and pixels come back as exact colour values, so black is 0x000000 and white
// 0xFFFFFF. A damaged file gives a failure naming the file and what is wrong.
BmpReadResult ReadBmp(const std::string& path);
BmpReadResult ReadBmpFromMemory(const unsigned char* data, std::size_t size,
                                const std::string& nameForMessages);

// Writes `image` with 1, 4 or 24 bits per pixel, atomically (a temporary file renamed over the
// target). 24 bits keep every colour. 4 bits keep up to sixteen distinct colours exactly; more
// are reduced to the nearest of the first sixteen. 1 bit maps each pixel by luminance
// (0.299 R + 0.587 G + 0.114 B >= 128 is white) onto black and white; callers that want another
// split convert the picture to black and white first. On failure the message is
// "Cannot create file <path>".
Status WriteBmp(const std::string& path, const Bitmap& image, int bitsPerPixel);

}  // namespace quelm
