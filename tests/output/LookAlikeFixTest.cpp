// Look-alike letters chosen anew when rendering: the shipped rules on a table of lines, with the
// shipped word lists alone and with hunspell where it is installed.
#include "output/LookAlikeFix.h"

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <utility>

#include "OutputTestFiles.h"
#include "output/ScriptRenderer.h"

namespace quelm {
namespace {

using Lines = std::vector<std::string>;

const std::string ShippedRules = std::string(QUELM_BIN_DIR) + "/fixrules";

struct FixCase {
  const char* Language;
  const char* Recognised;
  const char* Rendered;
};

// Decided by case rules, digits or the shipped word lists: the same with and without hunspell.
const FixCase SharedCases[] = {
    {"en", "l know. l'm sorry", "I know. I'm sorry"},
    {"en", "(GlVlNG COMMAND lN FORElGN LANGUAGE)", "(GIVING COMMAND IN FOREIGN LANGUAGE)"},
    {"en", "l'll go, l've seen | did", "I'll go, I've seen I did"},
    {"en", "hello ILLINOIS Illegal", "hello ILLINOIS Illegal"},
    {"en", "1O0 and 2O1O", "100 and 2010"},
    {"en", "''Stop''", "\"Stop\""},
    {"en", "It's COVID19, Al.", "It's COVID19, Al."},
    {"en", "lt wiIl", "It will"},
    {"en", "ls it you? llla, where? Hello. ls he in? like that", "Is it you? Illa, where? Hello. Is he in? like that"},
    {"de", "lch bin auf der lnsel. BiId", "Ich bin auf der Insel. Bild"},
    {"de", "l", "l"},
    {"fr", "I'homme, lls sont là", "l'homme, Ils sont là"},
    {"", "l see", "I see"},                // no language: English
    {"en", "</tmp/lt/char_1.bmp> l see", "</tmp/lt/char_1.bmp> I see"},  // unnamed entries
    {"xx", "l see ''x''", "l see \"x\""},  // no rules for it: only the quotes
};

// Words the shipped lists do not hold: only hunspell tells them.
const FixCase HunspellCases[] = {
    {"en", "lllegal lmmigrants", "Illegal Immigrants"},
    {"de", "lrrtum lnhalt lhnen", "Irrtum Inhalt Ihnen"},
    {"fr", "I'inverse", "l'inverse"},
};

// Loaded once per language and word source: a hunspell dictionary takes a while to read.
const LookAlikeFix* Load(const std::string& language, bool hunspell) {
  static std::map<std::pair<std::string, bool>, std::unique_ptr<LookAlikeFix>> loaded;
  auto& fix = loaded[{language, hunspell}];
  if (!fix)
    fix = LookAlikeFix::Load(
        ShippedRules, language,
        hunspell ? LookAlikeFix::SystemHunspellDirectories() : std::vector<std::string>{});
  return fix.get();
}

TEST(LookAlikeFixTest, ShippedListsAlone) {
  for (const FixCase& c : SharedCases) {
    const LookAlikeFix* fix = Load(c.Language, false);
    EXPECT_TRUE(fix->HunspellDictionary().empty());
    EXPECT_EQ(fix->Apply(c.Recognised), c.Rendered) << c.Language << ": " << c.Recognised;
  }
  // Without hunspell a word neither the list nor the case rules decide stays as recognised.
  EXPECT_EQ(Load("en", false)->Apply("the lmmigrants"), "the lmmigrants");
}

TEST(LookAlikeFixTest, WithHunspell) {
  if (!LookAlikeFix::HunspellBuiltIn()) GTEST_SKIP() << "built without libhunspell";
  for (const char* language : {"en", "de", "fr"})
    if (Load(language, true)->HunspellDictionary().empty())
      GTEST_SKIP() << "no hunspell dictionary for " << language;
  for (const auto& cases :
       {std::span<const FixCase>(SharedCases), std::span<const FixCase>(HunspellCases)})
    for (const FixCase& c : cases)
      EXPECT_EQ(Load(c.Language, true)->Apply(c.Recognised), c.Rendered)
          << c.Language << ": " << c.Recognised;
}

TEST(LookAlikeFixTest, MarksStayWhereTheyAre) {
  const LookAlikeFix* fix = Load("en", false);
  EXPECT_EQ(fix->Apply("\x0El know\x0F. '\x0E'x"), "\x0EI know\x0F. \"\x0Ex");
}

TEST(LookAlikeFixTest, RenderingFixesTheScriptNotTheRecords) {
  test::ScratchDirectory dir;
  dir.Write("chardict.ocr", "/d/l.bmp\nl\n/d/k.bmp\nknow\n/d/q.bmp\n'\n");
  const std::string format = dir.Write("f.ini",
                                       "[ini_info]\nitalic_start=<i>\nitalic_end=</i>\n"
                                       "[body]\n0=<SUBPIC>\n");
  RawScript raw;
  raw.StartNew();
  raw.AppendRecord("00:00:01", "1", {"<{i}></d/l.bmp><{/i}> </d/k.bmp> </d/q.bmp></d/q.bmp>"});
  const std::vector<std::string> before = raw.Lines();
  ScriptRenderer renderer;
  ScriptSources sources;
  sources.FormatPath = format;
  sources.DictionaryRoot = dir.Path();
  sources.FixRulesDirectory = ShippedRules;
  const std::string version = VersionRecordLine;
  EXPECT_EQ(renderer.Render(raw, sources).Lines, (Lines{version, "<i>l</i> know ''"}));
  sources.FixLookAlikes = true;
  // The version line is the program's own ("v1.01" is no "vl.01").
  EXPECT_EQ(renderer.Render(raw, sources).Lines, (Lines{version, "<i>I</i> know \""}));
  sources.Language = "de";
  EXPECT_EQ(renderer.Render(raw, sources).Lines, (Lines{version, "<i>l</i> know \""}));
  EXPECT_EQ(raw.Lines(), before);
  EXPECT_EQ(DictionaryLines::Load(dir.Path()).Lines()[1], "l");
}

}  // namespace
}  // namespace quelm
