// Writing a shown subtitle as a 1-bit or 4-bit BMP file, by hand or automatically.
#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "platform/Status.h"
#include "platform/UserInteraction.h"

namespace quelm {

// Black and white for a 1-bit file. Each colour goes by luminance (0.299 R + 0.587 G + 0.114 B,
// 128 and up is white), except that when the character ink and the background would land on
// the same side the ink becomes black and the background white, so the text stays readable.
Bitmap ToBlackAndWhite(const Bitmap& image, Color inkColor, Color backgroundColor);

struct BitmapSaveOptions {
  int BitsPerPixel = 4;  // 1 or 4
  Color InkColor = ColorWhite;
  Color BackgroundColor = ColorBlack;
};

// Writes the bitmap at `path` with the chosen depth; failure: "Cannot create file <path>".
Status SaveSubtitleBitmap(const Bitmap& image, const std::string& path,
                          const BitmapSaveOptions& options);

// "save bitmap as...": with automatic saving the file goes beside the VOB file under its
// numbered name at once; otherwise the save dialog opens in the output root proposing that
// name. A cancelled dialog writes nothing and is no failure.
Status SaveBitmapAs(UserInteraction& ui, const Bitmap& image, const std::string& vobPath,
                    int subtitleNr, bool autoSave, const std::string& outputRoot,
                    const BitmapSaveOptions& options);

}  // namespace quelm
