// Reading the desktop program's settings for the command line.
#include "settings/CliSettings.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "output/FormatMenu.h"
#include "output/OutputFormat.h"
#include "platform/DataPaths.h"
#include "platform/IniFile.h"
#include "settings/PaletteMapping.h"
#include "settings/PreferenceKeys.h"

namespace quelm {

namespace {

namespace P = Preferences;

int RoleRow(int value) { return std::clamp(value, P::MinColorRow, P::MaxColorRow); }

std::string WithSlash(std::string root) {
  if (!root.empty() && root.back() != '/') root += '/';
  return root;
}

}  // namespace

CliSettings CliSettings::Read(const std::string& path) {
  CliSettings settings;
  settings.Path = path;
  std::error_code ec;
  settings.FileFound = std::filesystem::is_regular_file(path, ec);
  const IniFile ini(path);
  const auto integer = [&](const char* key, int fallback) {
    return ini.ReadInteger(P::Section, key, fallback);
  };
  const auto flag = [&](const char* key, bool fallback) {
    return ini.ReadBool(P::Section, key, fallback);
  };

  settings.VobRoot = WithSlash(ini.ReadString(P::Section, P::VobRoot, ""));
  settings.DictionaryRoot = WithSlash(ini.ReadString(P::Section, P::DictionaryRoot, ""));
  if (flag(P::DictionaryRootSameAsVobRoot, false)) settings.DictionaryRoot = settings.VobRoot;
  const bool manualLanguage = flag(P::ManualLanguageSelection, false);
  settings.LanguageIndex = manualLanguage ? integer(P::LanguageSelection2, 0)
                                          : integer(P::LanguageSelection1, 0);
  // Out of the combo boxes' ranges no item is selected, and the window reads index 0.
  if (settings.LanguageIndex < 0 || settings.LanguageIndex > 31) settings.LanguageIndex = 0;
  settings.AutoColorDetection = flag(P::AutoColorDetection, P::DefaultAutoColorDetection);
  settings.SpaceWidth = std::clamp(integer(P::SpaceWidth, P::DefaultSpaceWidth), P::MinSpaceWidth,
                                   P::MaxSpaceWidth);
  settings.AutoSpaceWidth = flag(P::AutoSpaceWidth, P::DefaultAutoSpaceWidth);
  settings.Interlace = std::clamp(integer(P::Interlace, P::DefaultInterlace), P::MinInterlace,
                                  P::MaxInterlace);
  for (int k = 0; k < 4; ++k) {
    settings.PanelColors[static_cast<std::size_t>(k)] = static_cast<Color>(
        integer(P::ColorKeys[k], static_cast<int>(P::DefaultColors[k])));
    const int column = integer(P::ColorRowKeys[k], k);
    settings.RowColumns[static_cast<std::size_t>(k)] = column >= 0 && column <= 3 ? column : k;
  }
  settings.CharColorRow = RoleRow(integer(P::CharColor, P::DefaultCharColor));
  settings.BackgroundColorRow = RoleRow(integer(P::BackgroundColor, P::DefaultBackgroundColor));
  const int learn = std::clamp(integer(P::Learn, P::DefaultLearn), P::MinLearn, P::MaxLearn);
  settings.LearnAfterReading = learn == P::LearnAfterReading;
  settings.LearnAutomatically = learn == P::LearnAutomatically;
  settings.OcrLanguage = ini.ReadString(P::Section, P::OcrLanguage, "");
  settings.OutputIni = integer(P::OutputIni, P::DefaultOutputIni);
  settings.FixLookAlikes = flag(P::FixLookAlikes, P::DefaultFixLookAlikes);
  return settings;
}

std::array<Color, 4> CliSettings::SubtitleColors() const {
  return MapSubtitleColors(PanelColors, RowColumns);
}

Color CliSettings::CharColor() const {
  return CharColorRow < 0 ? ColorWhite : SubtitleColors()[static_cast<std::size_t>(CharColorRow)];
}

Color CliSettings::BackgroundColor() const {
  return BackgroundColorRow < 0 ? ColorBlack
                                : SubtitleColors()[static_cast<std::size_t>(BackgroundColorRow)];
}

std::string ProgramFormatDirectory() {
  return FindDataDirectory(ProgramDirectory(), "outputini");
}

static_assert(Preferences::DefaultOutputIni == NoStoredFormatPosition);

std::string SelectedFormatPath(const std::string& formatDirectory, int outputIni) {
  const FormatMenuBuild build = BuildFormatMenu(formatDirectory, NoCheckedCaption, outputIni);
  if (!build.DirectoryFound || !build.Selected) return std::string();
  std::string directory = formatDirectory;
  if (!directory.empty() && directory.back() != '/') directory += '/';
  return directory + build.Items[*build.Selected].FileName;
}

Status CheckFormatFile(const std::string& path) {
  const OutputFormat format = OutputFormat::Read(path);
  if (format.Header.empty() && format.Body.empty() && format.Footer.empty())
    return Status::Failure("'" + path +
                           "' is no output format: it has no [header], [body] or [footer] lines");
  return Status::Success();
}

}  // namespace quelm
