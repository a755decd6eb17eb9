// Suggested texts for unknown characters, from a general OCR engine that reads the whole text
// line. The engine only proposes: what it reads is never matched against, so the dictionary's
// exact matching stays the only way a shape is recognised.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ocr/Segmentation.h"
#include "platform/Phrase.h"

namespace quelm {

// A picture for the engine: one byte per pixel, 0 ink, 255 paper.
struct EngineImage {
  std::vector<unsigned char> Pixels;
  int Width = 0;
  int Height = 0;
  // Column c of the cut line lies in columns Pad + Scale * c .. Pad + Scale * c + Scale - 1.
  int Scale = 1;
  int Pad = 0;
};

struct EngineSymbol {
  std::string Text;  // UTF-8
  int Left = 0;      // columns of the engine image, inclusive
  int Right = -1;
  int Word = -1;     // index into EngineReading::Words
};

struct EngineReading {
  std::vector<EngineSymbol> Symbols;  // left to right
  std::vector<std::string> Words;
  // Per word, when the engine tells: its columns in the engine image, inclusive. Words are
  // placed far more exactly than their letters.
  std::vector<std::pair<int, int>> WordSpans;
};

class SuggestionEngine {
 public:
  virtual ~SuggestionEngine() = default;
  virtual EngineReading ReadLine(const EngineImage& image) = 0;
  // The engine's language, as its data names it ("eng").
  virtual const std::string& Language() const = 0;
};

// The flattened line as the engine reads best: de-slanted (so italics stand upright, in the
// columns the pieces were cut on), black on white, enlarged to a height such engines are trained
// on, with a margin of paper around it.
EngineImage MakeEngineImage(const InkLine& line, const LineCut& cut);

struct PieceSuggestion {
  std::string Text;  // possibly several characters, possibly none
  std::string Word;  // the engine's word the text came from
};

// Per piece of the cut, the engine's characters whose middle lies within its columns, or when a
// character lies between pieces, in the piece nearest to it.
std::vector<PieceSuggestion> AlignToPieces(const EngineReading& reading, const LineCut& cut,
                                           const EngineImage& image);

// The engine's language for a stream's ISO 639-1 code ("en" -> "eng"); a code of three letters
// is taken as it stands; empty when unknown.
std::string EngineLanguage(const std::string& code);

// The built-in engine for `language` (one of the engine's language names, "eng+fra" for
// several), falling back to English when that language's data is missing. Null when the program
// was built without an engine or none can start; `message` then says why.
std::unique_ptr<SuggestionEngine> MakeSuggestionEngine(const std::string& language,
                                                       Phrase& message);
// Whether the program was built with an engine at all.
bool SuggestionEngineBuilt();

// An engine started when the first line is read, so that a run meeting no unknown shape does not
// load the engine's data; from then on the engine `make` returned, or one that reads nothing.
class LazySuggestionEngine final : public SuggestionEngine {
 public:
  using Maker = std::function<std::unique_ptr<SuggestionEngine>()>;
  LazySuggestionEngine(std::string language, Maker make)
      : language_(std::move(language)), make_(std::move(make)) {}
  EngineReading ReadLine(const EngineImage& image) override {
    if (make_) {
      engine_ = make_();
      make_ = nullptr;
    }
    return engine_ ? engine_->ReadLine(image) : EngineReading{};
  }
  const std::string& Language() const override {
    return engine_ ? engine_->Language() : language_;
  }

 private:
  std::string language_;
  Maker make_;
  std::unique_ptr<SuggestionEngine> engine_;
};

}  // namespace quelm
