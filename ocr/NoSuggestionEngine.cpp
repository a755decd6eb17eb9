// Built without an OCR engine: nothing is suggested and learning asks as it always did.
#include "ocr/Suggestions.h"

namespace quelm {

bool SuggestionEngineBuilt() { return false; }

std::unique_ptr<SuggestionEngine> MakeSuggestionEngine(const std::string&, Phrase& message) {
  message = Phrase::Say("This build has no OCR engine");
  return nullptr;
}

}  // namespace quelm
