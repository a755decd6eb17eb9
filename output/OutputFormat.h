// An output format file: sections "ini_info" (display name), "header", "body" and "footer", each
// template stored as keys "0", "1", ... read in turn until one is missing.
#pragma once

#include <string>
#include <vector>

namespace quelm {

class IniFile;

struct OutputFormat {
  std::vector<std::string> Header;
  std::vector<std::string> Body;
  std::vector<std::string> Footer;
  // "ini_info" key "skip_version_record" (1): the version record that begins every script is
  // left out, as subtitle file formats need.
  bool SkipVersionRecord = false;
  // "ini_info" keys "italic_start" and "italic_end": what a run of italic characters is wrapped
  // in; a format without them writes italic text plainly.
  std::string ItalicStart;
  std::string ItalicEnd;

  bool operator==(const OutputFormat&) const = default;

  // All three templates; a missing file or section gives empty templates, never a fault.
  static OutputFormat Read(const std::string& path);
};

// The defaults that tell a missing key apart; a line stored with exactly this text ends its
// template as well.
inline constexpr const char* HeaderReadErrorMarker = "HEADERREADERROR!!!";
inline constexpr const char* BodyReadErrorMarker = "BODYREADERROR!!!";
inline constexpr const char* FooterReadErrorMarker = "FOOTERREADERROR!!!";

// Fallback display names: the menu shows "unknown", the format editor "Custom name".
inline constexpr const char* MenuDefaultFormatName = "unknown";
inline constexpr const char* EditorDefaultFormatName = "Custom name";
inline constexpr const char* SkipVersionRecordKey = "skip_version_record";
inline constexpr const char* ItalicStartKey = "italic_start";
inline constexpr const char* ItalicEndKey = "italic_end";
inline constexpr const char* ExtensionKey = "extension";

// The lines of "header", "body" or "footer" (any other section reads with the body marker).
std::vector<std::string> ReadFormatTemplate(const IniFile& file, const std::string& section);
std::string ReadFormatDisplayName(const std::string& path, const std::string& fallback);
// "ini_info" key "extension" ("srt"): the file type the rendered script is, saved as plain
// text; empty (also for a value that is not letters and digits alone, as it becomes part of a
// file name): a script to read, saved as a rich text document.
std::string ReadFormatExtension(const std::string& path);

}  // namespace quelm
