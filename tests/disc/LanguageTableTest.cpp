// The language table: its size and order, and name lookups by 16-bit code.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "disc/LanguageTable.h"

namespace quelm {
namespace {

constexpr std::uint16_t Code(char a, char b) {
  return static_cast<std::uint16_t>((static_cast<unsigned char>(a) << 8) |
                                    static_cast<unsigned char>(b));
}

TEST(LanguageTableTest, HoldsTheEntriesInTableOrder) {
  ASSERT_EQ(LanguageTable.size(), 144u);
  EXPECT_EQ(LanguageTable[0], std::string_view("\0\0Not Specified", 15));
  EXPECT_EQ(LanguageTable[1], "  Not Specified");
  EXPECT_EQ(LanguageTable[2], "aa*Afar");
  EXPECT_EQ(LanguageTable[26],
            "en"
            "English");
  EXPECT_EQ(LanguageTable[94],
            "pt"
            "Portugues");
  EXPECT_EQ(LanguageTable[143], "zu*Zulu");
  // After the two unspecified entries the codes rise strictly.
  for (std::size_t i = 3; i < LanguageTable.size(); ++i) {
    EXPECT_LT(LanguageTable[i - 1].substr(0, 2), LanguageTable[i].substr(0, 2)) << i;
  }
  // Twelve languages carry their own name, without the "*".
  const auto own = std::count_if(LanguageTable.begin() + 2, LanguageTable.end(),
                                 [](std::string_view entry) { return entry[2] != '*'; });
  EXPECT_EQ(own, 12);
}

TEST(LanguageTableTest, NamesComeFromTheExactCodeLetters) {
  EXPECT_EQ(LanguageName(Code('e', 'n')), "English");
  EXPECT_EQ(LanguageName(Code('f', 'r')), "Francais");
  EXPECT_EQ(LanguageName(Code('d', 'e')), "Deutsch");
  EXPECT_EQ(LanguageName(Code('i', 'w')), "*Hebrew");
  EXPECT_EQ(LanguageName(Code('l', 'v')), "*Latvian, Lettish");
  EXPECT_EQ(LanguageName(Code('o', 'm')), "*(Afan) Oromo");
  EXPECT_EQ(LanguageName(0x0000), "Not Specified");
  EXPECT_EQ(LanguageName(Code(' ', ' ')), "Not Specified");
  // Upper case, reversed letters, half a code and unknown codes find nothing.
  EXPECT_EQ(LanguageName(Code('E', 'N')), "");
  EXPECT_EQ(LanguageName(Code('n', 'e')), "*Nepali");
  EXPECT_EQ(LanguageName(Code('x', 'x')), "");
  EXPECT_EQ(LanguageName(Code('e', 0)), "");
  EXPECT_EQ(LanguageName(Code(0, ' ')), "");
}

}  // namespace
}  // namespace quelm
