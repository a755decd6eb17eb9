// Test helper: reads a SubRip file (the fixtures' sources, or what a format wrote) into cues.
#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quelm::test {

struct SrtCue {
  std::int64_t StartMs = 0;
  std::int64_t EndMs = 0;
  std::vector<std::string> Lines;
};

// "hh:mm:ss,zzz" (or with "."), -1 when it is not one.
inline std::int64_t SrtTimeMs(const std::string& text) {
  int h = 0, m = 0, s = 0, ms = 0;
  char a = 0, b = 0, c = 0;
  std::istringstream in(text);
  if (!(in >> h >> a >> m >> b >> s >> c >> ms) || a != ':' || b != ':' || (c != ',' && c != '.'))
    return -1;
  return ((static_cast<std::int64_t>(h) * 60 + m) * 60 + s) * 1000 + ms;
}

inline std::vector<SrtCue> ParseSrt(std::istream& in) {
  std::vector<SrtCue> cues;
  std::string line;
  int state = 0;  // 0 number, 1 times, 2 text
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
      state = 0;
      continue;
    }
    if (state == 0) {
      cues.emplace_back();
      state = 1;
    } else if (state == 1) {
      const std::size_t arrow = line.find(" --> ");
      if (arrow != std::string::npos) {
        cues.back().StartMs = SrtTimeMs(line.substr(0, arrow));
        cues.back().EndMs = SrtTimeMs(line.substr(arrow + 5));
      }
      state = 2;
    } else {
      cues.back().Lines.push_back(line);
    }
  }
  return cues;
}

inline std::vector<SrtCue> ReadSrt(const std::string& path) {
  std::ifstream in(path);
  return ParseSrt(in);
}

}  // namespace quelm::test
