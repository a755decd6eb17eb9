#include "ocr/Suggestions.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/AsciiText.h"

namespace quelm {

namespace {

// Engines trained on printed text read best with capitals some 30 to 40 pixels high; subtitle
// lines are 20 to 40 pixels in all.
constexpr int EngineLineHeight = 40;
constexpr int MaxScale = 4;

}  // namespace

EngineImage MakeEngineImage(const InkLine& line, const LineCut& cut) {
  EngineImage image;
  const int lw = line.Width();
  const int lh = line.Height();
  if (lw <= 0 || lh <= 0) return image;
  image.Scale = std::clamp((EngineLineHeight + lh - 1) / lh, 1, MaxScale);
  image.Pad = std::max(8, lh * image.Scale / 3);
  const int shear = cut.Slanted() ? cut.Shift.back() : 0;
  const int cols = lw + shear;
  image.Width = cols * image.Scale + 2 * image.Pad;
  image.Height = lh * image.Scale + 2 * image.Pad;
  image.Pixels.assign(static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height),
                      255);
  const auto paint = [&](int column, int row) {
    const int x0 = image.Pad + column * image.Scale;
    const int y0 = image.Pad + row * image.Scale;
    for (int y = y0; y < y0 + image.Scale; ++y)
      std::fill_n(image.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.Width + x0,
                  image.Scale, 0);
  };
  for (int y = 0; y < lh; ++y) {
    const Color* row = line.Row(y);
    const int shift = cut.Slanted() ? cut.Shift[static_cast<std::size_t>(y)] : 0;
    for (int x = 0; x < lw; ++x)
      if (row[x] == line.Ink) paint(x + shift, y);
  }
  return image;
}

namespace {

// Subtitles write straight quotes; engines trained on print read them as curly ones.
std::string Straight(const std::string& text) {
  static constexpr const char* Curly[][2] = {
      {"\u201C", "\""}, {"\u201D", "\""}, {"\u201E", "\""}, {"\u2033", "\""},
      {"\u2018", "'"},  {"\u2019", "'"},  {"\u201A", "'"},  {"\u2032", "'"},
  };
  std::string out = text;
  for (const auto& [from, to] : Curly) {
    for (std::size_t at = out.find(from); at != std::string::npos; at = out.find(from, at))
      out.replace(at, std::string_view(from).size(), to);
  }
  return out;
}

// Costs of the alignment, in line heights of misplacement.
constexpr double UnreadPiece = 0.5;   // a piece the engine read nothing in (a speck)
constexpr double DroppedSymbol = 0.5; // a symbol over no piece (a stroke below the cut)
constexpr double PerExtraSymbol = 0.25;
constexpr double SplitSymbol = 0.25;  // one symbol over two pieces (a double quote's strokes)
constexpr int MaxSymbolsPerPiece = 3;

}  // namespace

namespace {

struct Span {
  double Left;
  double Right;  // exclusive
  double Middle() const { return (Left + Right) / 2; }
};

// Symbols and pieces both run left to right, so they are paired by the cheapest monotone
// alignment: a piece takes one symbol, several (touching letters) or none, or one symbol spans
// two pieces. `symbols` and `pieces` index into the spans; results go to `suggestions`.
void Align(const std::vector<std::size_t>& symbols, const std::vector<std::size_t>& pieces,
           const std::vector<Span>& symbolSpans, const std::vector<Span>& pieceSpans,
           double height, const std::vector<std::string>& texts,
           const std::vector<std::string>& words, std::vector<PieceSuggestion>& suggestions) {
  const std::size_t n = symbols.size();
  const std::size_t m = pieces.size();
  if (m == 0) return;
  const auto give = [&](std::size_t piece, std::string text, std::size_t symbol) {
    PieceSuggestion& s = suggestions[pieces[piece]];
    if (s.Word.empty()) s.Word = words[symbols[symbol]];
    s.Text += text;
  };
  // As the engine counts them, so the words' letters and the pieces pair off in order, however
  // rough the letters' boxes.
  if (n == m) {
    for (std::size_t k = 0; k < n; ++k) give(k, texts[symbols[k]], k);
    return;
  }
  const auto symbolSpan = [&](std::size_t first, std::size_t last) {
    return Span{symbolSpans[symbols[first]].Left, symbolSpans[symbols[last]].Right};
  };
  const auto pieceSpan = [&](std::size_t first, std::size_t last) {
    return Span{pieceSpans[pieces[first]].Left, pieceSpans[pieces[last]].Right};
  };
  const auto misplacement = [&](Span a, Span b) {
    const double width = std::abs((a.Right - a.Left) - (b.Right - b.Left));
    return (std::abs(a.Middle() - b.Middle()) + width / 2) / height;
  };
  enum class Step : unsigned char { None, Symbols, Split, Unread, Dropped };
  const auto at = [&](std::size_t i, std::size_t j) { return i * (m + 1) + j; };
  std::vector<double> cost((n + 1) * (m + 1), INFINITY);
  std::vector<Step> step(cost.size(), Step::None);
  std::vector<unsigned char> taken(cost.size(), 0);
  cost[at(0, 0)] = 0;
  const auto relax = [&](std::size_t i, std::size_t j, double c, Step s, std::size_t k) {
    if (c < cost[at(i, j)]) {
      cost[at(i, j)] = c;
      step[at(i, j)] = s;
      taken[at(i, j)] = static_cast<unsigned char>(k);
    }
  };
  for (std::size_t i = 0; i <= n; ++i) {
    for (std::size_t j = 0; j <= m; ++j) {
      const double here = cost[at(i, j)];
      if (here == INFINITY) continue;
      if (j < m) {
        relax(i, j + 1, here + UnreadPiece, Step::Unread, 0);
        for (std::size_t k = 1; k <= MaxSymbolsPerPiece && i + k <= n; ++k)
          relax(i + k, j + 1,
                here + misplacement(symbolSpan(i, i + k - 1), pieceSpan(j, j)) +
                    PerExtraSymbol * static_cast<double>(k - 1),
                Step::Symbols, k);
        if (i < n && j + 1 < m)
          relax(i + 1, j + 2,
                here + misplacement(symbolSpan(i, i), pieceSpan(j, j + 1)) + SplitSymbol,
                Step::Split, 1);
      }
      if (i < n) relax(i + 1, j, here + DroppedSymbol, Step::Dropped, 1);
    }
  }
  for (std::size_t i = n, j = m; i > 0 || j > 0;) {
    switch (step[at(i, j)]) {
      case Step::Symbols: {
        const std::size_t k = taken[at(i, j)];
        for (std::size_t s = i - k; s < i; ++s) give(j - 1, texts[symbols[s]], s);
        i -= k;
        j -= 1;
        break;
      }
      case Step::Split: {
        // The two strokes of a double quote are each a single one; elsewhere the wider piece
        // takes the symbol and the other (a speck, a broken-off stroke) stands for nothing.
        const std::string& text = texts[symbols[i - 1]];
        if (text == "\"") {
          give(j - 2, "'", i - 1);
          give(j - 1, "'", i - 1);
        } else {
          const auto width = [&](std::size_t k) {
            return pieceSpans[pieces[k]].Right - pieceSpans[pieces[k]].Left;
          };
          give(width(j - 1) > width(j - 2) ? j - 1 : j - 2, text, i - 1);
        }
        i -= 1;
        j -= 2;
        break;
      }
      case Step::Unread: j -= 1; break;
      case Step::Dropped: i -= 1; break;
      case Step::None: i = j = 0; break;
    }
  }
}

}  // namespace

std::vector<PieceSuggestion> AlignToPieces(const EngineReading& reading, const LineCut& cut,
                                           const EngineImage& image) {
  std::vector<PieceSuggestion> suggestions(cut.Pieces.size());
  if (cut.Pieces.empty() || image.Scale <= 0) return suggestions;
  const auto toLine = [&](int left, int right) {
    return Span{(left - image.Pad) / static_cast<double>(image.Scale),
                (right + 1 - image.Pad) / static_cast<double>(image.Scale)};
  };
  std::vector<Span> symbolSpans;
  std::vector<std::string> texts;
  std::vector<std::string> words;
  std::vector<int> wordOf;
  for (const EngineSymbol& symbol : reading.Symbols) {
    if (symbol.Text.empty()) continue;
    symbolSpans.push_back(toLine(symbol.Left, symbol.Right));
    texts.push_back(Straight(symbol.Text));
    const bool named = symbol.Word >= 0 && static_cast<std::size_t>(symbol.Word) < reading.Words.size();
    words.push_back(named ? reading.Words[static_cast<std::size_t>(symbol.Word)] : std::string());
    wordOf.push_back(named ? symbol.Word : -1);
  }
  std::vector<Span> pieceSpans;
  for (const LinePiece& piece : cut.Pieces)
    pieceSpans.push_back({static_cast<double>(piece.First), static_cast<double>(piece.Last + 1)});
  const double height =
      std::max(1.0, (image.Height - 2.0 * image.Pad) / static_cast<double>(image.Scale));

  std::vector<std::size_t> allSymbols(symbolSpans.size());
  for (std::size_t k = 0; k < allSymbols.size(); ++k) allSymbols[k] = k;
  std::vector<std::size_t> allPieces(cut.Pieces.size());
  for (std::size_t k = 0; k < allPieces.size(); ++k) allPieces[k] = k;
  const bool spans = !reading.WordSpans.empty() && reading.WordSpans.size() == reading.Words.size() &&
                     std::all_of(wordOf.begin(), wordOf.end(), [](int w) { return w >= 0; });
  if (!spans) {
    Align(allSymbols, allPieces, symbolSpans, pieceSpans, height, texts, words, suggestions);
    return suggestions;
  }
  // Word by word: a piece belongs to the word whose span holds its middle, or the nearest one
  // within a quarter of the line's height; pieces far from every word were read as nothing.
  std::vector<Span> wordSpans;
  for (const auto& [left, right] : reading.WordSpans) wordSpans.push_back(toLine(left, right));
  std::vector<std::vector<std::size_t>> wordPieces(wordSpans.size());
  for (std::size_t k = 0; k < pieceSpans.size(); ++k) {
    const double middle = pieceSpans[k].Middle();
    std::size_t best = 0;
    double bestDistance = INFINITY;
    for (std::size_t w = 0; w < wordSpans.size(); ++w) {
      const double distance = middle < wordSpans[w].Left    ? wordSpans[w].Left - middle
                              : middle > wordSpans[w].Right ? middle - wordSpans[w].Right
                                                            : 0.0;
      if (distance < bestDistance) {
        bestDistance = distance;
        best = w;
      }
    }
    if (bestDistance <= height / 4) wordPieces[best].push_back(k);
  }
  for (std::size_t w = 0; w < wordSpans.size(); ++w) {
    std::vector<std::size_t> wordSymbols;
    for (std::size_t k = 0; k < wordOf.size(); ++k)
      if (wordOf[k] == static_cast<int>(w)) wordSymbols.push_back(k);
    Align(wordSymbols, wordPieces[w], symbolSpans, pieceSpans, height, texts, words, suggestions);
  }
  return suggestions;
}

std::string EngineLanguage(const std::string& code) {
  static constexpr const char* Table[][2] = {
      {"ar", "ara"}, {"bg", "bul"}, {"ca", "cat"}, {"cs", "ces"}, {"da", "dan"}, {"de", "deu"},
      {"el", "ell"}, {"en", "eng"}, {"es", "spa"}, {"et", "est"}, {"fi", "fin"}, {"fr", "fra"},
      {"he", "heb"}, {"hr", "hrv"}, {"hu", "hun"}, {"id", "ind"}, {"is", "isl"}, {"it", "ita"},
      {"ja", "jpn"}, {"ko", "kor"}, {"lt", "lit"}, {"lv", "lav"}, {"nl", "nld"}, {"no", "nor"},
      {"pl", "pol"}, {"pt", "por"}, {"ro", "ron"}, {"ru", "rus"}, {"sk", "slk"}, {"sl", "slv"},
      {"sr", "srp"}, {"sv", "swe"}, {"th", "tha"}, {"tr", "tur"}, {"uk", "ukr"}, {"vi", "vie"},
      {"zh", "chi_sim"},
  };
  std::string lower;
  for (char c : code) lower += LowerAscii(c);
  if (lower.size() == 2) {
    for (const auto& row : Table)
      if (lower == row[0]) return row[1];
    return {};
  }
  if (lower.size() == 3 && std::all_of(lower.begin(), lower.end(), [](char c) { return IsAsciiLetter(c); })) return lower;
  return {};
}

}  // namespace quelm
