// A message of the core as a window needs it: its English pattern with %1..%9 and the
// arguments, each plain text or a phrase itself, so that a window can say it in its own
// language while the command line and stored files keep the English text.
#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Names the translation context of a class's Say patterns; lupdate is told to read it as
// Q_DECLARE_TR_FUNCTIONS and Say as tr, so the patterns are collected without Qt here.
#define QUELM_TRANSLATION_CONTEXT(context)
// Marks a pattern kept in a constant, for Phrase::SayMarked; lupdate reads it as QT_TR_NOOP,
// so the namespace or class of the constant names the context "quelm::core" as above.
#define QUELM_MARKED(pattern) pattern

namespace quelm {

class Phrase {
  QUELM_TRANSLATION_CONTEXT(quelm::core)

 public:
  // Where a window looks the patterns up.
  static constexpr const char* Context = "quelm::core";

  Phrase() = default;
  // Plain text: a path, a number, the system's own message; said as it is in every language.
  Phrase(std::string plain) : text_(std::move(plain)) {}

  // `pattern` must be a literal here, so that lupdate finds it.
  template <typename... A>
  static Phrase Say(const char* pattern, A&&... arguments) {
    Phrase phrase;
    phrase.text_ = pattern;
    phrase.marked_ = true;
    phrase.arguments_.reserve(sizeof...(arguments));
    (phrase.arguments_.push_back(Argument(std::forward<A>(arguments))), ...);
    return phrase;
  }

  // The same for a pattern marked with QUELM_MARKED where its constant is defined.
  template <typename... A>
  static Phrase SayMarked(const char* pattern, A&&... arguments) {
    return Say(pattern, std::forward<A>(arguments)...);
  }

  // False for plain text.
  bool Marked() const { return marked_; }
  bool Empty() const { return !marked_ && text_.empty(); }
  // The English pattern, or the plain text.
  const std::string& Pattern() const { return text_; }
  const std::vector<Phrase>& Arguments() const { return arguments_; }
  std::string English() const;

 private:
  static Phrase Argument(Phrase phrase) { return phrase; }
  static Phrase Argument(std::string text) { return Phrase(std::move(text)); }
  static Phrase Argument(const char* text) { return Phrase(std::string(text)); }
  static Phrase Argument(std::string_view text) { return Phrase(std::string(text)); }
  template <std::integral T>
  static Phrase Argument(T number) {
    return Phrase(std::to_string(number));
  }

  std::string text_;
  std::vector<Phrase> arguments_;
  bool marked_ = false;
};

// `pattern` with each %1..%9 replaced by its argument, in one pass: an argument's own "%1"
// stays as it is; a number without an argument stays too.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& arguments);

}  // namespace quelm
