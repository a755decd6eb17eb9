// The suggestion engine on libtesseract: one engine per language, started once (loading its
// data takes a good part of a second) and asked one line at a time.
#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#ifdef _OPENMP
#include <omp.h>
#endif

#include "ocr/Suggestions.h"

namespace quelm {

namespace {

// Tesseract's OpenMP threads wait by spinning: on a line this small they cost several times the
// time they save, far more on a busy machine. A limit the user set stays.
void ReadLinesInOneThread() {
#ifdef _OPENMP
  if (!std::getenv("OMP_THREAD_LIMIT")) omp_set_max_active_levels(0);
#endif
}

// Where Debian's language packages and a user's TESSDATA_PREFIX put the data.
bool HasLanguageData(const std::string& language) {
  std::vector<std::filesystem::path> dirs;
  if (const char* prefix = std::getenv("TESSDATA_PREFIX")) dirs.emplace_back(prefix);
  for (const char* dir : {"/usr/share/tesseract-ocr/5/tessdata", "/usr/share/tesseract-ocr/4.00/tessdata",
                          "/usr/share/tessdata", "/usr/local/share/tessdata"})
    dirs.emplace_back(dir);
  std::size_t start = 0;
  while (start <= language.size()) {
    std::size_t end = language.find('+', start);
    if (end == std::string::npos) end = language.size();
    const std::string one = language.substr(start, end - start);
    std::error_code ec;
    const bool found = std::any_of(dirs.begin(), dirs.end(), [&](const auto& dir) {
      return std::filesystem::exists(dir / (one + ".traineddata"), ec);
    });
    if (one.empty() || !found) return false;
    start = end + 1;
  }
  return true;
}

std::string Take(char* text) {
  std::string s = text ? text : "";
  delete[] text;
  return s;
}

class TesseractEngine final : public SuggestionEngine {
 public:
  explicit TesseractEngine(std::string language) : language_(std::move(language)) {}
  ~TesseractEngine() override { api_.End(); }

  bool Start() {
    ReadLinesInOneThread();
    // Without these it writes a warning about the missing resolution on every line.
    api_.SetVariable("debug_file", "/dev/null");
    if (api_.Init(nullptr, language_.c_str(), tesseract::OEM_LSTM_ONLY) != 0) return false;
    api_.SetPageSegMode(tesseract::PSM_SINGLE_LINE);
    api_.SetVariable("user_defined_dpi", "300");
    // Subtitles hold no vertical bars; read as one, a stroke is nearly always an I or an l.
    api_.SetVariable("tessedit_char_blacklist", "|");
    return true;
  }

  EngineReading ReadLine(const EngineImage& image) override {
    EngineReading reading;
    if (image.Width <= 0 || image.Height <= 0) return reading;
    api_.SetImage(image.Pixels.data(), image.Width, image.Height, 1, image.Width);
    if (api_.Recognize(nullptr) != 0) return reading;
    std::unique_ptr<tesseract::ResultIterator> it(api_.GetIterator());
    if (!it) return reading;
    do {
      if (it->Empty(tesseract::RIL_SYMBOL)) continue;
      if (it->IsAtBeginningOf(tesseract::RIL_WORD) || reading.Words.empty()) {
        reading.Words.push_back(Take(it->GetUTF8Text(tesseract::RIL_WORD)));
        int left = 0, top = 0, right = 0, bottom = 0;
        it->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom);
        reading.WordSpans.emplace_back(left, right - 1);
      }
      EngineSymbol symbol;
      symbol.Text = Take(it->GetUTF8Text(tesseract::RIL_SYMBOL));
      int left = 0, top = 0, right = 0, bottom = 0;
      if (!it->BoundingBox(tesseract::RIL_SYMBOL, &left, &top, &right, &bottom)) continue;
      symbol.Left = left;
      symbol.Right = right - 1;
      symbol.Word = static_cast<int>(reading.Words.size()) - 1;
      reading.Symbols.push_back(std::move(symbol));
    } while (it->Next(tesseract::RIL_SYMBOL));
    api_.Clear();
    return reading;
  }

  const std::string& Language() const override { return language_; }

 private:
  tesseract::TessBaseAPI api_;
  std::string language_;
};

}  // namespace

bool SuggestionEngineBuilt() { return true; }

std::unique_ptr<SuggestionEngine> MakeSuggestionEngine(const std::string& language,
                                                       Phrase& message) {
  message = Phrase();
  std::string chosen = language.empty() ? "eng" : language;
  if (!HasLanguageData(chosen)) {
    if (chosen == "eng" || !HasLanguageData("eng")) {
      message = Phrase::Say("No OCR data for '%1'; install tesseract-ocr-%2", chosen,
                            chosen.substr(0, chosen.find('+')));
      return nullptr;
    }
    message = Phrase::Say("No OCR data for '%1'; using English", chosen);
    chosen = "eng";
  }
  auto engine = std::make_unique<TesseractEngine>(chosen);
  if (!engine->Start()) {
    message = Phrase::Say("The OCR engine could not start with '%1'", chosen);
    return nullptr;
  }
  return engine;
}

}  // namespace quelm
