// Reading output format files through the INI service.
#include "output/OutputFormat.h"

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
  std::vector<std::string> lines;
  // Keys after a gap are never read: the count is wherever the first key is missing.
  while (lines.size() < MaxTemplateLines) {
    std::string line = file.ReadString(section, std::to_string(lines.size()), marker);
    if (line == marker) break;
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string ReadFormatDisplayName(const std::string& path, const std::string& fallback) {
  return IniFile(path).ReadString("ini_info", "name", fallback);
}

OutputFormat OutputFormat::Read(const std::string& path) {
  const IniFile file(path);
  OutputFormat format;
  format.Header = ReadFormatTemplate(file, "header");
  format.Body = ReadFormatTemplate(file, "body");
  format.Footer = ReadFormatTemplate(file, "footer");
  return format;
}

}  // namespace quelm
