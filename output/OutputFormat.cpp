// Reading output format files through the INI service.
#include "output/OutputFormat.h"

#include <unordered_map>
#include <utility>

#include "output/TextLines.h"
#include "platform/IniFile.h"

namespace quelm {

namespace {

// More lines than any template needs; keeps a hostile file from reading forever.
constexpr std::size_t MaxTemplateLines = 100000;

const char* MarkerFor(const std::string& section) {
  if (EqualNoCaseAscii(section, "header")) return HeaderReadErrorMarker;
  if (EqualNoCaseAscii(section, "footer")) return FooterReadErrorMarker;
  return BodyReadErrorMarker;
}

}  // namespace

std::vector<std::string> ReadFormatTemplate(const IniFile& file, const std::string& section) {
  const std::string marker = MarkerFor(section);
  // One read of the section; then key "0", "1", ... in turn exactly as single reads would find
  // them, so a long template does not read the file once per line.
  std::unordered_map<std::string, std::string> values;
  for (auto& [key, value] : file.ReadSectionValues(section))
    values.emplace(LowerAscii(key), std::move(value));
  std::vector<std::string> lines;
  // Keys after a gap are never read: the count is wherever the first key is missing.
  while (lines.size() < MaxTemplateLines) {
    const auto found = values.find(std::to_string(lines.size()));
    if (found == values.end() || found->second == marker) break;
    lines.push_back(std::move(found->second));
  }
  return lines;
}

std::string ReadFormatDisplayName(const std::string& path, const std::string& fallback) {
  return IniFile(path, IniFile::Quotes::DoubleOrSingle).ReadString("ini_info", "name", fallback);
}

std::string ReadFormatExtension(const std::string& path) {
  std::string extension =
      IniFile(path, IniFile::Quotes::DoubleOrSingle).ReadString("ini_info", ExtensionKey, "");
  extension.erase(0, extension.find_first_not_of('.'));
  for (const char c : extension)
    if (!IsAsciiLetter(c) && !IsAsciiDigit(c)) return {};
  return extension;
}

OutputFormat OutputFormat::Read(const std::string& path) {
  const IniFile file(path, IniFile::Quotes::DoubleOrSingle);
  OutputFormat format;
  format.Header = ReadFormatTemplate(file, "header");
  format.Body = ReadFormatTemplate(file, "body");
  format.Footer = ReadFormatTemplate(file, "footer");
  format.SkipVersionRecord = file.ReadBool("ini_info", SkipVersionRecordKey, false);
  format.ItalicStart = file.ReadString("ini_info", ItalicStartKey, "");
  format.ItalicEnd = file.ReadString("ini_info", ItalicEndKey, "");
  return format;
}

}  // namespace quelm
