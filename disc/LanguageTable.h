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

// The two-letter code of a language as a Matroska track names it: ISO 639-2 in either form
// ("ger", "deu"), or two letters, either followed by a region ("en-US"); in small letters.
// Empty for "und" and for three letters of a language the table does not hold.
std::string TwoLetterLanguage(std::string_view code);

}  // namespace quelm
