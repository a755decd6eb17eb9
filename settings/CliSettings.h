// What quelm-cli takes from quelm.ini: the colours and roles, space width, interlace, roots,
// stream and output format, read with the desktop program's keys, defaults and ranges. The
// command line only reads the file; it never writes it.
#pragma once

#include <array>
#include <string>

#include "platform/Color.h"
#include "platform/Status.h"
#include "settings/PreferenceKeys.h"

namespace quelm {

class CliSettings {
 public:
  // Reads `path`; a missing file gives the defaults (FileFound false).
  static CliSettings Read(const std::string& path);

  // The display colours, the row -> display colour mapping and the drawing colours made of them.
  std::array<Color, 4> PanelColors{};
  std::array<int, 4> RowColumns{0, 1, 2, 3};
  std::array<Color, 4> SubtitleColors() const;
  // The role rows, a stored value out of 0..3 clamped as the desktop program restores it.
  int CharColorRow = 3;
  int BackgroundColorRow = 0;
  Color CharColor() const;
  Color BackgroundColor() const;

  bool AutoColorDetection = true;
  int SpaceWidth = 10;
  bool AutoSpaceWidth = true;
  int Interlace = 1;
  std::string VobRoot;
  std::string DictionaryRoot;
  int LanguageIndex = 0;  // sub-stream 0x20 + index
  int OutputIni = Preferences::DefaultOutputIni;  // menu position of the format
  bool LearnAfterReading = false;
  bool LearnAutomatically = false;
  // "ocr_language": the suggestion engine's language, empty for the stream's.
  std::string OcrLanguage;
  bool FixLookAlikes = true;

  std::string Path;
  bool FileFound = false;
};

// The directory the format menu lists: outputini/ beside this program, else the installed copy.
std::string ProgramFormatDirectory();
// The format file the settings' menu position selects, or empty when it names none.
std::string SelectedFormatPath(const std::string& formatDirectory, int outputIni);
// Fails for a file without a header, body or footer line: it is no output format, and every
// script rendered through it would be empty.
Status CheckFormatFile(const std::string& path);

}  // namespace quelm
