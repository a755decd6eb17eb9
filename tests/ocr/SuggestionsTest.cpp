#include "ocr/Suggestions.h"

#include <gtest/gtest.h>

namespace quelm {
namespace {

struct Symbol {
  const char* Text;
  double Left;  // line columns
  double Right;
  int Word;
};

struct AlignCase {
  const char* Name;
  std::vector<std::pair<int, int>> Pieces;  // first, last column
  std::vector<Symbol> Symbols;
  bool WordSpans;
  std::vector<std::string> Expected;
};

TEST(SuggestionsTest, ReadingsArePairedWithPiecesInOrder) {
  const AlignCase cases[] = {
      {"letters' boxes are rough, the count agrees",
       {{2, 17}, {20, 21}, {25, 26}},
       {{"A", 2, 17, 0}, {"l", 10.7, 18.3, 0}, {"l", 20, 26, 0}},
       true,
       {"A", "l", "l"}},
      {"touching letters cut as one piece",
       {{0, 8}, {10, 13}},
       {{"r", 0, 4, 0}, {"r", 4, 8, 0}, {"t", 10, 13, 0}},
       true,
       {"rr", "t"}},
      {"a curly double quote over its two strokes",
       {{0, 0}, {2, 2}, {4, 9}},
       {{"\u201C", 0, 2, 0}, {"A", 4, 9, 0}},
       true,
       {"'", "'", "A"}},
      {"a speck the engine read nothing in",
       {{0, 3}, {5, 5}, {7, 10}},
       {{"a", 0, 3, 0}, {"b", 7, 10, 0}},
       true,
       {"a", "", "b"}},
      {"a piece far from every word",
       {{0, 3}, {30, 33}},
       {{"a", 0, 3, 0}},
       true,
       {"a", ""}},
      {"two words, letters by their own places without word spans",
       {{0, 3}, {5, 8}, {20, 23}},
       {{"o", 0, 3, 0}, {"f", 5, 8, 0}, {"a", 20, 23, 1}},
       false,
       {"o", "f", "a"}},
  };
  for (const AlignCase& c : cases) {
    SCOPED_TRACE(c.Name);
    LineCut cut;
    for (const auto& [first, last] : c.Pieces) cut.Pieces.push_back({first, last, {}, 0});
    EngineImage image;
    image.Scale = 2;
    image.Pad = 6;
    image.Height = 2 * image.Pad + image.Scale * 12;
    const auto column = [&](double x) { return static_cast<int>(image.Pad + image.Scale * x); };
    EngineReading reading;
    for (const Symbol& s : c.Symbols) {
      reading.Symbols.push_back({s.Text, column(s.Left), column(s.Right + 1) - 1, s.Word});
      if (static_cast<std::size_t>(s.Word) >= reading.Words.size()) {
        reading.Words.emplace_back();
        if (c.WordSpans) reading.WordSpans.emplace_back(column(s.Left), column(s.Right + 1) - 1);
      }
      reading.Words[static_cast<std::size_t>(s.Word)] += s.Text;
      if (c.WordSpans) reading.WordSpans.back().second = column(s.Right + 1) - 1;
    }
    std::vector<std::string> texts;
    for (const PieceSuggestion& s : AlignToPieces(reading, cut, image)) texts.push_back(s.Text);
    EXPECT_EQ(texts, c.Expected);
  }
}

}  // namespace
}  // namespace quelm
