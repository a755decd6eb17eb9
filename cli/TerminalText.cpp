#include "cli/TerminalText.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>

namespace quelm {

std::size_t CodePoints(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

void TerminalSize(std::FILE* out, int& columns, int& rows) {
  winsize size{};
  if (::ioctl(::fileno(out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
    columns = size.ws_col;
    rows = size.ws_row;
    return;
  }
  const auto fromEnvironment = [](const char* name, int fallback) {
    const char* value = std::getenv(name);
    const int n = value ? std::atoi(value) : 0;
    return n > 0 ? n : fallback;
  };
  columns = fromEnvironment("COLUMNS", 80);
  rows = fromEnvironment("LINES", 24);
}

std::string WrapAtWords(const std::string& text, int columns) {
  if (columns <= 0) return text;
  const auto width = static_cast<std::size_t>(columns);
  std::string wrapped;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && CodePoints(line) + 1 + CodePoints(word) > width) {
      wrapped += line + "\n";
      line = "  " + word;
    } else {
      line += (line.empty() ? "" : " ") + word;
    }
    start = end + 1;
  }
  return wrapped + line;
}

void PrintMessage(const std::string& line) {
  int columns = 0;
  int rows = 0;
  if (::isatty(STDERR_FILENO)) TerminalSize(stderr, columns, rows);
  // One column short of the width: a full line would make some terminals break an empty one.
  const std::string text = columns > 1 ? WrapAtWords(line, columns - 1) : line;
  std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace quelm
