// A suggestion engine for tests that reads what it is told: each call takes the next line of
// its script and gives the runs of inked columns of the picture its characters in order. A
// blank in the script ends a word, '_' reads nothing.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "ocr/Suggestions.h"

namespace quelm::test {

class ScriptedEngine : public SuggestionEngine {
 public:
  explicit ScriptedEngine(std::deque<std::string> lines = {}) : lines_(std::move(lines)) {}

  EngineReading ReadLine(const EngineImage& image) override {
    ++Calls;
    EngineReading reading;
    const std::string line = lines_.empty() ? std::string() : lines_.front();
    if (!lines_.empty()) lines_.pop_front();
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.Width; ++x) {
      bool ink = false;
      for (int y = 0; y < image.Height && !ink; ++y)
        ink = image.Pixels[static_cast<std::size_t>(y * image.Width + x)] == 0;
      if (!ink) continue;
      if (!runs.empty() && runs.back().second == x - 1) runs.back().second = x;
      else runs.emplace_back(x, x);
    }
    std::size_t run = 0;
    bool newWord = true;
    for (char c : line) {
      if (c == ' ') {
        newWord = true;
        continue;
      }
      if (run >= runs.size()) break;
      const auto [left, right] = runs[run++];
      if (c == '_') continue;
      if (newWord) {
        reading.Words.emplace_back();
        reading.WordSpans.emplace_back(left, right);
        newWord = false;
      }
      reading.Words.back() += c;
      reading.WordSpans.back().second = right;
      reading.Symbols.push_back({std::string(1, c), left, right,
                                 static_cast<int>(reading.Words.size()) - 1});
    }
    return reading;
  }
  const std::string& Language() const override { return language_; }

  int Calls = 0;

 private:
  std::deque<std::string> lines_;
  std::string language_ = "test";
};

}  // namespace quelm::test
