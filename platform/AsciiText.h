// ASCII case folding: names on disc, INI keys, language codes and tags compare without regard to
// the case of A to Z, and of nothing else, whatever the user's locale.
#pragma once

#include <string>
#include <string_view>

namespace quelm {

inline char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string LowerAscii(std::string_view text);
bool EqualNoCaseAscii(std::string_view a, std::string_view b);

}  // namespace quelm
