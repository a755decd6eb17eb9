// Test helpers of the command-line tests: file text, and naming the glyphs that a conversion
// learned unnamed ("--learn after") from the text the subtitles were made of.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace quelm::test {

inline std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Lines without their line ends (LF or CR LF).
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

inline std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::stringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// "<a><b>" -> {"<a>", "<b>"}; nothing when the word is not references only.
inline std::vector<std::string> References(const std::string& word) {
  std::vector<std::string> refs;
  for (std::size_t i = 0; i < word.size();) {
    const std::size_t end = word.find('>', i);
    if (word[i] != '<' || end == std::string::npos) return {};
    refs.push_back(word.substr(i, end - i + 1));
    i = end + 1;
  }
  return refs;
}

// The text for every glyph of `index` (chardict.ocr) whose file name starts with `glyphPrefix`,
// in index order, from the records a conversion wrote and each subtitle's true text. Glyphs of
// words whose glyphs and letters pair off are named first; a word with one glyph too few
// (touching letters) or too many (a quote of two strokes, the second standing for nothing) is
// settled from its named glyphs, until nothing changes.
inline std::vector<std::string> NameLearnedGlyphs(const std::string& index,
                                                  const std::string& records,
                                                  const std::vector<std::string>& subtitleTexts,
                                                  const std::string& glyphPrefix) {
  std::vector<std::string> order;
  for (const std::string& line : Lines(index))
    if (line.rfind(glyphPrefix, 0) == 0) order.push_back("<" + line + ">");

  // Each record's words of references beside the true words.
  std::vector<std::pair<std::vector<std::string>, std::string>> words;
  std::vector<std::string> record;
  std::size_t subtitle = 0;
  for (const std::string& line : Lines(records)) {
    if (line == "<SUB_START>") {
      record.clear();
    } else if (line == "<SUB_END>") {
      if (record.size() < 3 || record[2].rfind("Quelm", 0) == 0) continue;
      std::string raw;
      for (std::size_t i = 2; i < record.size(); ++i) raw += " " + record[i];
      const auto rawWords = Words(raw);
      const auto trueWords = Words(subtitleTexts.at(subtitle++));
      EXPECT_EQ(rawWords.size(), trueWords.size()) << raw;
      for (std::size_t w = 0; w < rawWords.size() && w < trueWords.size(); ++w)
        words.emplace_back(References(rawWords[w]), trueWords[w]);
    } else {
      record.push_back(line);
    }
  }
  EXPECT_EQ(subtitle, subtitleTexts.size());

  std::map<std::string, std::string> named;
  for (bool changed = true; changed;) {
    changed = false;
    for (const auto& [refs, letters] : words) {
      std::size_t first = 0, last = refs.size();
      std::size_t from = 0, to = letters.size();
      // Named glyphs at either end take their letters off.
      while (first < last && named.count(refs[first]) &&
             letters.compare(from, named[refs[first]].size(), named[refs[first]]) == 0)
        from += named[refs[first++]].size();
      while (last > first && named.count(refs[last - 1])) {
        const std::string& text = named[refs[last - 1]];
        if (to < from + text.size() || letters.compare(to - text.size(), text.size(), text) != 0)
          break;
        to -= text.size();
        --last;
      }
      const std::size_t glyphs = last - first;
      const std::size_t rest = to - from;
      if (glyphs == 0) continue;
      if (glyphs == rest) {
        for (std::size_t g = 0; g < glyphs; ++g)
          changed |= named.emplace(refs[first + g], letters.substr(from + g, 1)).second;
      } else if (glyphs == 1) {
        changed |= named.emplace(refs[first], letters.substr(from, rest)).second;
      } else if (rest == 1) {
        changed |= named.emplace(refs[first], letters.substr(from, 1)).second;
        for (std::size_t g = first + 1; g < last; ++g) changed |= named.emplace(refs[g], "").second;
      }
    }
  }
  std::vector<std::string> answers;
  for (const std::string& ref : order) {
    EXPECT_TRUE(named.count(ref)) << ref << " was not settled";
    answers.push_back(named[ref]);
  }
  return answers;
}

}  // namespace quelm::test
