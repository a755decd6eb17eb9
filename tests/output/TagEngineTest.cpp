#include "output/TagEngine.h"

#include <gtest/gtest.h>

#include "output/DictionaryLines.h"
#include "output/LocalCalendar.h"
#include "output/SystemCalendar.h"

namespace quelm {
namespace {

// Tuesday 5 March 2024, 07:08:09, with names that no system locale would give.
class FixedCalendar : public LocalCalendar {
 public:
  std::tm Moment{};
  FixedCalendar() {
    Moment.tm_year = 2024 - 1900;
    Moment.tm_mon = 2;
    Moment.tm_mday = 5;
    Moment.tm_wday = 2;
    Moment.tm_hour = 7;
    Moment.tm_min = 8;
    Moment.tm_sec = 9;
  }
  std::tm Now() const override { return Moment; }
  std::string WeekdayName(int weekday) const override {
    return "Weekday" + std::to_string(weekday);
  }
  std::string MonthName(int month) const override { return "Month" + std::to_string(month); }
};

class TagEngineTest : public ::testing::Test {
 protected:
  TagEngineTest()
      : dictionary_(
            {"/d/char_0.bmp", "A", "/d/char_1.bmp", "b", "/d/char_2.bmp", "<HH>", "/d/k1.bmp"}) {
    context_.SubtitleNumber = "42";
    context_.Calendar = &calendar_;
    context_.Characters = &dictionary_;
  }

  std::vector<std::string> Render(const std::vector<std::string>& body, Status* status = nullptr) {
    std::vector<std::string> lines;
    const Status result = engine_.ConvertSubpicBody(record_, body, context_, lines);
    if (status)
      *status = result;
    else
      EXPECT_TRUE(result.Ok) << result.Message;
    return lines;
  }
  // One body line that must give exactly one script line.
  std::string Line(const std::string& bodyLine) {
    const auto lines = Render({bodyLine});
    EXPECT_EQ(lines.size(), 1u) << bodyLine;
    return lines.empty() ? std::string("<no line>") : lines.front();
  }

  std::vector<std::string> record_{"15:24:33", "12", "L1", "L2", "L3"};
  FixedCalendar calendar_;
  DictionaryLines dictionary_;
  TagContext context_;
  TagEngine engine_;
};

TEST_F(TagEngineTest, ScannerFollowsTheStateTable) {
  EXPECT_EQ(Line("x<<y>>z"), "x<y>z");
  EXPECT_EQ(Line("a<HH>>b"), "a");  // the name becomes "HH>b" and is never closed
  EXPECT_EQ(Line("ab>cde"), "e");
  EXPECT_EQ(Line("ab>c"), "ab");
  EXPECT_EQ(Line("ab>"), "ab");
  EXPECT_EQ(Line("x<AB<CD>y"), "D");
  EXPECT_EQ(Line("a<<"), "a<");
  EXPECT_EQ(Line("tail<"), "tail");
  EXPECT_EQ(Line("open <HH"), "open ");
  EXPECT_EQ(Line("<>x"), "x");
  EXPECT_EQ(Line("plain text"), "plain text");
}

TEST_F(TagEngineTest, TagNamesMatchByPrefixWithoutCase) {
  EXPECT_EQ(Line("<hh>|<Hh>|<HH>"), "15|15|15");
  EXPECT_EQ(Line("<HH+1>|<HH1>"), "16|16");
  EXPECT_EQ(Line("<H5>"), "");  // not a tag: the single letters match only exactly
  EXPECT_EQ(Line("<H>,<M>,<S>"), "1,2,3");
  EXPECT_EQ(Line("< HH>"), "");
  EXPECT_EQ(Line("<DATE_YYYY >"), "2024");
  EXPECT_EQ(Line("<MM>:<SS>"), "24:33");
  EXPECT_EQ(Line("<UNKNOWN>x<HX>"), "x");
  EXPECT_EQ(Line("<SUB_NR>"), "42");
  EXPECT_EQ(Line("<sub_nrXYZ>"), "42");
}

TEST_F(TagEngineTest, TwoDigitRuleAndOffsets) {
  EXPECT_EQ(Line("<CC>|<C>|<CC1>"), "12|1|13");
  record_ = {"01:00:07", "7", "x"};
  EXPECT_EQ(Line("<HH-2>"), "0-1");
  EXPECT_EQ(Line("<HH30>"), "31");  // no wrap at 24
  EXPECT_EQ(Line("<SS>|<SS+3>|<SS-7>|<SS-20>"), "07|10|00|0-13");
  EXPECT_EQ(Line("<CC>|<C>|<CC-10>"), "07|7|0-3");
  record_ = {"01:00:07", "123", "x"};
  EXPECT_EQ(Line("<CC>"), "12");
}

TEST_F(TagEngineTest, CrEmitsTheLineSoFar) {
  EXPECT_EQ(Render({"a<CR>b<CRX>c"}), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Render({"", ""}), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(Render({}).empty());
}

TEST_F(TagEngineTest, DatesComeFromTheCalendarAtEachTag) {
  EXPECT_EQ(Line("<DATE_DDDD> <DATE_DD> <DATE_MMMM> <DATE_MM> <DATE_YYYY> <DATE_YY>"),
            "Weekday2 05 Month2 03 2024 24");
  EXPECT_EQ(Line("<DATE_HH>:<DATE_NN>:<DATE_SS> <DATE_H>:<DATE_N>:<DATE_S>"), "07:08:09 7:8:9");
  calendar_.Moment.tm_year = 2009 - 1900;
  calendar_.Moment.tm_hour = 23;
  EXPECT_EQ(Line("<DATE_YY>/<DATE_YYYY>/<DATE_H>"), "09/2009/23");
}

TEST_F(TagEngineTest, SystemCalendarNamesFromTheGivenLocale) {
  const SystemCalendar classic(std::locale::classic());
  EXPECT_EQ(classic.WeekdayName(0), "Sunday");
  EXPECT_EQ(classic.WeekdayName(2), "Tuesday");
  EXPECT_EQ(classic.MonthName(0), "January");
  EXPECT_EQ(classic.MonthName(11), "December");
  const std::tm now = SystemCalendar().Now();
  EXPECT_GE(now.tm_year, 2020 - 1900);
}

TEST_F(TagEngineTest, ColourTagsReadTheCrossedBytes) {
  // Red 0x33, green 0x22, blue 0x11: the value is 0x112233, and the R tag reads bits 16-23.
  context_.Palette = {RgbToColor(0x33, 0x22, 0x11), 0xC8C8C8, 0x686868,
                      RgbToColor(0xCC, 0xBB, 0xAA)};
  EXPECT_EQ(Line("<C1R>,<C1G>,<C1B>"), "17,34,51");
  EXPECT_EQ(Line("<C2R>,<C3G>"), "200,104");
  EXPECT_EQ(Line("<C4R>,<C4G>,<C4B>"), "170,187,204");
}

TEST_F(TagEngineTest, MathIsStrictlyLeftToRight) {
  record_ = {"02:00:13", "3", "x"};
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=7><MATH_ADD><HH><MATH_RESULT>"), "9");
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=2><MATH_ADD><MATH_VALUE=3><MATH_MUL><MATH_VALUE=4>"
                 "<MATH_RESULT>"),
            "20");
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=-7><MATH_DIV><MATH_VALUE=2><MATH_RESULT>"), "-3");
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=10><MATH_SUB><MATH_VALUE=15><MATH_RESULT>"), "-5");
  record_ = {"00:00:07", "3", "x"};
  EXPECT_EQ(Line("<MATH_START><CC><MATH_MUL><MATH_VALUE=10><MATH_ADD><SS><MATH_RESULT>"), "37");
  EXPECT_TRUE(engine_.MathList().empty());
}

TEST_F(TagEngineTest, MathEdgeCases) {
  // A second value where an operator is expected is passed over.
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=2><MATH_VALUE=3><MATH_RESULT>"), "2");
  // An operator with no operand after it is ignored.
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=4><MATH_ADD><MATH_RESULT>"), "4");
  EXPECT_EQ(Line("a<MATH_RESULT>b"), "ab");  // empty list writes nothing
  // 32-bit arithmetic wraps.
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=65536><MATH_MUL><MATH_VALUE=65536><MATH_RESULT>"), "0");
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=2147483647><MATH_ADD><MATH_VALUE=1><MATH_RESULT>"),
            "-2147483648");
  EXPECT_EQ(Line("<MATH_START><MATH_VALUE=-2147483648><MATH_DIV><MATH_VALUE=-1><MATH_RESULT>"),
            "-2147483648");
}

TEST_F(TagEngineTest, MathWidthPadsShorterResultsOnly) {
  record_ = {"00:00:13", "3", "x"};
  EXPECT_EQ(Line("<MATH_START><MATH_WIDTH=5><SS><MATH_RESULT>"), "00013");
  EXPECT_EQ(Line("<MATH_START><MATH_WIDTH=2><SS><MATH_RESULT>"), "13");
  EXPECT_EQ(Line("<MATH_START><MATH_WIDTH=1><SS><MATH_RESULT>"), "13");  // longer: unchanged
  EXPECT_EQ(Line("<MATH_START><MATH_WIDTH=3><MATH_VALUE=0><MATH_SUB><MATH_VALUE=5><MATH_RESULT>"),
            "0-5");
  EXPECT_EQ(Line("<MATH_WIDTH=5><MATH_START><SS><MATH_RESULT>"), "13");  // START resets the width
  const std::string wide = Line("<MATH_START><MATH_WIDTH=2000000000><SS><MATH_RESULT>");
  EXPECT_EQ(wide.size(), static_cast<std::size_t>(TagEngine::MaxMathWidth));
  EXPECT_EQ(wide.substr(wide.size() - 3), "013");
}

TEST_F(TagEngineTest, MathListOutlivesRecords) {
  EXPECT_EQ(Line("a<MATH_START>b"), "ab");
  EXPECT_EQ(engine_.MathList(), std::vector<std::string>{"START"});
  // The next record's values vanish into the list.
  record_ = {"01:02:03", "4", "x"};
  EXPECT_EQ(Line("[<HH>|<SS>|<C>]"), "[||]");
  EXPECT_EQ(engine_.MathList(), (std::vector<std::string>{"01", "03", "4"}));
  EXPECT_EQ(Line("<MATH_RESULT>"), "1");
  EXPECT_EQ(Line("<HH>"), "01");

  // An operator outside an expression opens the list as well, and so does a lone value.
  EXPECT_EQ(Line("<MATH_ADD><HH>"), "");
  EXPECT_EQ(engine_.MathList(), (std::vector<std::string>{"ADD", "01"}));
  EXPECT_EQ(Line("<MATH_START><SS><MATH_RESULT>"), "3");
  EXPECT_EQ(Line("<MATH_VALUE=5>x<HH>"), "x");
  EXPECT_EQ(engine_.MathList(), (std::vector<std::string>{"5", "01"}));
}

TEST_F(TagEngineTest, BadIntegersStopTheRecordKeepingEarlierLines) {
  Status status;
  EXPECT_EQ(Render({"first", "x<HHx>", "third"}, &status), std::vector<std::string>{"first"});
  EXPECT_FALSE(status.Ok);
  EXPECT_EQ(status.Message, "'x' is not a valid integer value");

  EXPECT_TRUE(Render({"<HH >"}, &status).empty());
  EXPECT_EQ(status.Message, "' ' is not a valid integer value");

  Render({"<HH99999999999>"}, &status);
  EXPECT_EQ(status.Message, "'99999999999' is not a valid integer value");

  record_ = {"ab:00:00", "", "x"};
  Render({"<HH>"}, &status);
  EXPECT_EQ(status.Message, "'ab' is not a valid integer value");
  Render({"<CC>"}, &status);
  EXPECT_EQ(status.Message, "'' is not a valid integer value");
  Render({"<MATH_WIDTH=abc>"}, &status);
  EXPECT_EQ(status.Message, "'abc' is not a valid integer value");
  Render({"<MATH_START><DATE_DDDD><MATH_RESULT>"}, &status);
  EXPECT_EQ(status.Message, "'Weekday2' is not a valid integer value");
  Render({"<MATH_START><MATH_VALUE=5><MATH_DIV><MATH_VALUE=0><MATH_RESULT>"}, &status);
  EXPECT_EQ(status.Message, "Division by zero");
}

TEST_F(TagEngineTest, SubpicJoinsByDefault) {
  EXPECT_EQ(Line("<SUBPIC>"), "L1 | L2 | L3");
  EXPECT_EQ(Line("<SUBPIC_SPLT=><SUBPIC>"), "L1L2L3");
  EXPECT_EQ(Line("<SUBPIC_SPLT=SPLIT><SUBPIC>"), "L1L2L3");
  EXPECT_EQ(Line("(<SUBPIC_SPLT= / ><SUBPIC>)"), "(L1 / L2 / L3)");
  // Join mode does not use BeginOfLine.
  EXPECT_EQ(Line("<SUBPIC_BOLN=- ><SUBPIC_SPLT=/><SUBPIC>"), "L1/L2/L3");
}

TEST_F(TagEngineTest, SubpicLineMode) {
  EXPECT_EQ(Render({"<SUBPIC_BOLN=- ><SUBPIC_EOLN=;>[<SUBPIC>]"}),
            (std::vector<std::string>{"[- L1;", "- L2;", "- L3;]"}));
  EXPECT_EQ(Render({"<SUBPIC_EOLN=EOLN><SUBPIC>"}), (std::vector<std::string>{"L1", "L2", "L3"}));
  // SPLT empties EndOfLine; BOLN then leaves it empty.
  EXPECT_EQ(Render({"<SUBPIC_EOLN=;><SUBPIC_SPLT=/><SUBPIC_BOLN=*><SUBPIC>"}),
            (std::vector<std::string>{"*L1", "*L2", "*L3"}));
  // Settings on an earlier body line count; settings after SUBPIC come too late.
  EXPECT_EQ(Render({"<SUBPIC_EOLN=.>", "<SUBPIC>"}),
            (std::vector<std::string>{"", "L1.", "L2.", "L3."}));
  EXPECT_EQ(Render({"<SUBPIC>", "<SUBPIC_EOLN=.>"}),
            (std::vector<std::string>{"L1 | L2 | L3", ""}));
  // Nothing carries over to the next record.
  EXPECT_EQ(Render({"<SUBPIC>"}), std::vector<std::string>{"L1 | L2 | L3"});
  record_ = {"00:00:00", "1", "only"};
  // ">>" inside a tag puts a literal ">" into the parameter.
  EXPECT_EQ(Render({"<SUBPIC_BOLN=>>><SUBPIC>!"}), std::vector<std::string>{">only!"});
}

TEST_F(TagEngineTest, SubpicResolvesReferences) {
  record_ = {"00:00:01", "1", "</d/char_0.bmp></D/CHAR_1.BMP> <<x", "</d/k1.bmp> </d/k2.bmp>",
             "</d/char_2.bmp></d/char_0.bmp"};
  EXPECT_EQ(Render({"<SUBPIC_EOLN=><SUBPIC>"}),
            (std::vector<std::string>{"Ab <x", "<ERROR> <ERROR>", "<HH>"}));
  context_.Characters = nullptr;
  EXPECT_EQ(Line("<SUBPIC_SPLT=/><SUBPIC>"), "<ERROR><ERROR> <x/<ERROR> <ERROR>/<ERROR>");
}

TEST_F(TagEngineTest, DecodeTextLineEdges) {
  EXPECT_EQ(TagEngine::DecodeTextLine("a<</d/char_1.bmp>", &dictionary_), "a</d/char_1.bmp>");
  EXPECT_EQ(TagEngine::DecodeTextLine("x<", &dictionary_), "x");
  EXPECT_EQ(TagEngine::DecodeTextLine("</d/char_0.bmp>>", &dictionary_), "A>");
  EXPECT_EQ(TagEngine::DecodeTextLine("", &dictionary_), "");
}

TEST_F(TagEngineTest, DamagedRecordsGiveNoCrash) {
  record_ = {};
  EXPECT_EQ(Line("<H><M><C><SUBPIC>."), ".");
  Status status;
  Render({"<HH>"}, &status);
  EXPECT_EQ(status.Message, "'' is not a valid integer value");
  record_ = {"1"};
  EXPECT_EQ(Line("<H>|<M>"), "1|");
}

TEST_F(TagEngineTest, DeepBracketsAndHugeLines) {
  const std::string opens(10000, '<');
  const std::string closes(10000, '>');
  EXPECT_EQ(Line(opens + "HH" + closes), std::string(5000, '<') + "HH" + std::string(5000, '>'));
  // One more "<" opens a tag whose name swallows the ">>" pairs and is never closed.
  EXPECT_EQ(Line("<" + opens + "HH" + closes), std::string(5000, '<'));

  std::string huge;
  for (int i = 0; i < 250000; ++i) huge += "<HH>";
  const std::string line = Line(huge);
  EXPECT_EQ(line.size(), 500000u);
  EXPECT_EQ(line.substr(0, 6), "151515");
}

TEST_F(TagEngineTest, RandomBracketSoupNeverBreaksTheEngine) {
  // Lines from a small alphabet that forms tags, escapes, offsets and stray brackets.
  const std::string alphabet = "<<>>HHCCRSx1-=_MATH_STARTSUBPIC";
  std::uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  int failures = 0;
  std::size_t produced = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> body(1 + next() % 3);
    for (std::string& line : body)
      for (unsigned n = next() % 40; n > 0; --n) line += alphabet[next() % alphabet.size()];
    Status status;
    const auto lines = Render(body, &status);
    for (const std::string& line : lines) produced += line.size();
    if (status.Ok) {
      EXPECT_GE(lines.size(), body.size());
    } else {
      ++failures;
      const bool known = status.Message == "Division by zero" ||
                         (status.Message.front() == '\'' &&
                          status.Message.ends_with("' is not a valid integer value"));
      EXPECT_TRUE(known) << status.Message;
    }
  }
  // The soup reaches both outcomes, so the loop tests something.
  EXPECT_GT(failures, 0);
  EXPECT_GT(produced, 0u);
}

}  // namespace
}  // namespace quelm
