// Display and file-name rules of a found subtitle.
#include "navigation/SubtitleDisplay.h"

namespace quelm {

bool NextStretchedMode(bool stretched, int bitmapWidth, int bitmapHeight) {
  return stretched || bitmapWidth > DisplayWidth || bitmapHeight >= DisplayHeight + 1;
}

std::string SubtitleNumberText(int subtitleNr) {
  std::string digits = std::to_string(subtitleNr);
  if (subtitleNr >= 0 && digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  return digits;
}

std::string BitmapFileName(const std::string& vobPath, int subtitleNr) {
  // Only the letters of the extension go; the dot stays.
  const std::size_t keep = vobPath.size() >= 3 ? vobPath.size() - 3 : 0;
  return vobPath.substr(0, keep) + "_" + SubtitleNumberText(subtitleNr) + ".bmp";
}

DisplayState ComputeDisplayState(int subtitleNr, bool cachingEnabled, bool autoSave) {
  DisplayState state;
  state.GoBackEnabled = subtitleNr > 1 && cachingEnabled;
  state.SubtitleNrVisible = subtitleNr > 0;
  state.LogoVisible = !state.SubtitleNrVisible;
  state.SaveBitmapEnabled = subtitleNr >= 1 && !autoSave;
  state.SubtitleNrText = "subtitlenr. " + std::to_string(subtitleNr);
  return state;
}

}  // namespace quelm
