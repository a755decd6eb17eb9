// Reduces a shown subtitle to the saved depth and writes it, by hand or automatically.
#include "navigation/BitmapSaving.h"

#include "navigation/SubtitleDisplay.h"
#include "platform/BmpFile.h"

namespace quelm {

namespace {

// The split BMP writing uses too: 0.299 R + 0.587 G + 0.114 B >= 128, in integers.
bool IsLight(Color c) {
  return 299 * ColorRed(c) + 587 * ColorGreen(c) + 114 * ColorBlue(c) >= 128 * 1000;
}

}  // namespace

Bitmap ToBlackAndWhite(const Bitmap& image, Color inkColor, Color backgroundColor) {
  // Ink and background on the same side would leave the text invisible; they are then forced
  // apart, ink black on white as on paper. The ink wins when both are the same colour.
  const bool forced = IsLight(inkColor) == IsLight(backgroundColor);
  Bitmap result(image.Width(), image.Height(), ColorBlack);
  for (int y = 0; y < image.Height(); ++y) {
    const Color* source = image.Row(y);
    Color* target = result.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
      const Color c = source[x];
      if (forced && c == inkColor) {
        target[x] = ColorBlack;
      } else if (forced && c == backgroundColor) {
        target[x] = ColorWhite;
      } else {
        target[x] = IsLight(c) ? ColorWhite : ColorBlack;
      }
    }
  }
  return result;
}

Status SaveSubtitleBitmap(const Bitmap& image, const std::string& path,
                          const BitmapSaveOptions& options) {
  // A unit that sets no display area decodes to nothing; there is no picture to keep, and a
  // failure here would end an "all" for no reason.
  if (image.IsEmpty()) return Status::Success();
  if (options.BitsPerPixel == 1) {
    return WriteBmp(path, ToBlackAndWhite(image, options.InkColor, options.BackgroundColor), 1);
  }
  return WriteBmp(path, image, 4);
}

Status SaveBitmapAs(UserInteraction& ui, const Bitmap& image, const std::string& vobPath,
                    int subtitleNr, bool autoSave, const std::string& outputRoot,
                    const BitmapSaveOptions& options) {
  const std::string fileName = BitmapFileName(vobPath, subtitleNr);
  if (autoSave) return SaveSubtitleBitmap(image, fileName, options);

  // The dialog opens in the output root, so only the name is proposed, not the VOB directory.
  std::string directory = outputRoot;
  if (!directory.empty() && directory.back() != '/') directory += '/';
  const std::size_t slash = fileName.find_last_of('/');
  const std::string proposed = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  const std::optional<std::string> chosen =
      ui.ChooseSaveFile("", directory, proposed, "Bitmaps (*.bmp)");
  if (!chosen || chosen->empty()) return Status::Success();
  return SaveSubtitleBitmap(image, *chosen, options);
}

}  // namespace quelm
