// ASCII case folding: names on disc, INI keys, language codes and tags compare without regard to
// the case of A to Z, and of nothing else, whatever the user's locale.
#pragma once

#include <string>
#include <string_view>

namespace quelm {

// Classes of A to Z, a to z and 0 to 9 only: bytes of UTF-8 sequences are none of them.
inline bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLowerAscii(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsAsciiLetter(char c) { return IsUpperAscii(c) || IsLowerAscii(c); }
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

inline char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string LowerAscii(std::string_view text);
bool EqualNoCaseAscii(std::string_view a, std::string_view b);
inline bool EndsWithNoCaseAscii(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && EqualNoCaseAscii(text.substr(text.size() - tail.size()), tail);
}

}  // namespace quelm
