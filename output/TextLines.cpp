// Line splitting and joining for the script output.
#include "output/TextLines.h"

namespace quelm {

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::size_t textEnd = end;
    // Every CR before the LF: dropping only one would leave a line that changes when saved.
    while (textEnd > pos && text[textEnd - 1] == '\r') --textEnd;
    lines.emplace_back(text.substr(pos, textEnd - pos));
    pos = next;
  }
  return lines;
}

std::string JoinTextLines(std::span<const std::string> lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  return text;
}

}  // namespace quelm
