// Filling a phrase's pattern; a window fills the translated pattern the same way.
#include "platform/Phrase.h"

namespace quelm {

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& arguments) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < arguments.size()) {
        text += arguments[n];
        ++i;
        continue;
      }
    }
    text += pattern[i];
  }
  return text;
}

std::string Phrase::English() const {
  if (!marked_) return text_;
  std::vector<std::string> filled;
  filled.reserve(arguments_.size());
  for (const Phrase& argument : arguments_) filled.push_back(argument.English());
  return FillPattern(text_, filled);
}

}  // namespace quelm
