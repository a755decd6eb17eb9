// Small rules of the subtitle display and of the bitmap file names.
#pragma once

#include <string>

namespace quelm {

constexpr int DisplayWidth = 350;
constexpr int DisplayHeight = 259;

// Stretched display switches on for a bitmap wider than 350 or 260 pixels high or more, and
// stays on.
bool NextStretchedMode(bool stretched, int bitmapWidth, int bitmapHeight);

// The VOB path without its last three characters, "_", the number padded to five digits, ".bmp":
// "/dvd/VTS_01_1.VOB" and 7 give "/dvd/VTS_01_1._00007.bmp".
std::string BitmapFileName(const std::string& vobPath, int subtitleNr);

// The number padded with zeros to five digits; longer numbers stay whole.
std::string SubtitleNumberText(int subtitleNr);

// What the main window enables and shows after SubtitleNr changed.
struct DisplayState {
  bool GoBackEnabled = false;
  bool SubtitleNrVisible = false;
  bool LogoVisible = true;
  bool SaveBitmapEnabled = false;  // BtnSaveBitmap and its File menu twin
  std::string SubtitleNrText;      // "subtitlenr. N"
};

DisplayState ComputeDisplayState(int subtitleNr, bool cachingEnabled, bool autoSave);

}  // namespace quelm
