// The language codes of DVD subpicture streams and the names shown for them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelm {

// 144 entries: two code characters, then the name shown. The first entry's code is two zero
// bytes, the second's two blanks. A leading "*" in a name is part of the name.
extern const std::array<std::string_view, 144> LanguageTable;

// The name for a 16-bit code (first letter in the high byte); empty when no entry matches.
// Letters are compared exactly, so "EN" finds nothing.
std::string LanguageName(std::uint16_t languageCode);

}  // namespace quelm
