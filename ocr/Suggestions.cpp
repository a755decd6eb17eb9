#include "ocr/Suggestions.h"

#include <algorithm>
#include <cmath>

#include "platform/AsciiText.h"

namespace quelm {

namespace {

// Engines trained on printed text read best with capitals some 30 to 40 pixels high; subtitle
// lines are 20 to 40 pixels in all.
constexpr int EngineLineHeight = 64;
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

std::vector<PieceSuggestion> AlignToPieces(const EngineReading& reading, const LineCut& cut,
                                           const EngineImage& image) {
  std::vector<PieceSuggestion> suggestions(cut.Pieces.size());
  if (cut.Pieces.empty() || image.Scale <= 0) return suggestions;
  for (const EngineSymbol& symbol : reading.Symbols) {
    if (symbol.Text.empty()) continue;
    const double middle =
        ((symbol.Left + symbol.Right + 1) / 2.0 - image.Pad) / static_cast<double>(image.Scale);
    std::size_t best = 0;
    double bestDistance = INFINITY;
    for (std::size_t k = 0; k < cut.Pieces.size(); ++k) {
      const LinePiece& piece = cut.Pieces[k];
      const double distance = middle < piece.First      ? piece.First - middle
                              : middle > piece.Last + 1 ? middle - (piece.Last + 1)
                                                        : 0.0;
      if (distance < bestDistance) {
        bestDistance = distance;
        best = k;
      }
    }
    PieceSuggestion& s = suggestions[best];
    if (s.Text.empty() && symbol.Word >= 0 &&
        static_cast<std::size_t>(symbol.Word) < reading.Words.size())
      s.Word = reading.Words[static_cast<std::size_t>(symbol.Word)];
    s.Text += symbol.Text;
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
