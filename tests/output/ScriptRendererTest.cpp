#include "output/ScriptRenderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>

#include "OutputTestFiles.h"
#include "output/DictionaryLines.h"
#include "output/LocalCalendar.h"
#include "support/ScriptedInteraction.h"

namespace quelm {
namespace {

using Lines = std::vector<std::string>;

class NoonCalendar : public LocalCalendar {
 public:
  std::tm Now() const override {
    std::tm t{};
    t.tm_year = 100;
    t.tm_mday = 1;
    t.tm_hour = 12;
    return t;
  }
  std::string WeekdayName(int) const override { return "Saturday"; }
  std::string MonthName(int) const override { return "January"; }
};

class ScriptRendererTest : public ::testing::Test {
 protected:
  ScriptRendererTest() : renderer_(std::make_shared<NoonCalendar>()) {
    context_.SubtitleNumber = "3";
    context_.Characters = &dictionary_;
  }

  DictionaryLines dictionary_{{"/d/c0.bmp", "H", "/d/c1.bmp", "i", "/d/c2.bmp", "é"}};
  TagContext context_;
  ScriptRenderer renderer_;
};

TEST_F(ScriptRendererTest, FreshScriptShowsTheVersionRecord) {
  RawScript raw;
  raw.StartNew();
  EXPECT_EQ(raw.Lines(), (Lines{"<SUB_START>", "00:00:00", "0", "Quelm  v1.01 (beta)  -  by Vennor",
                                "<SUB_END>"}));
  OutputFormat format;
  format.Header = {"<HH> <<x> header"};
  format.Body = {"<HH>:<MM>:<SS>", "<SUBPIC>"};
  format.Footer = {"footer <SUBPIC>"};
  const ScriptRendering rendering = renderer_.Render(raw.Lines(), format, context_);
  EXPECT_TRUE(rendering.Result.Ok);
  EXPECT_EQ(rendering.Lines, (Lines{"<HH> <<x> header", "00:00:00",
                                    "Quelm  v1.01 (beta)  -  by Vennor", "footer <SUBPIC>"}));
  EXPECT_EQ(rendering.Text(),
            "<HH> <<x> header\n00:00:00\nQuelm  v1.01 (beta)  -  by Vennor\nfooter <SUBPIC>");
}

TEST_F(ScriptRendererTest, EveryRecordThroughTheBody) {
  RawScript raw;
  raw.AppendRecord("00:01:02", "1", {"</d/c0.bmp></d/c1.bmp>", "</d/c2.bmp>"});
  raw.AppendRecord("01:00:00", "12", {"</d/c1.bmp> </d/gone.bmp>"});
  OutputFormat format;
  format.Body = {"<SUB_NR>#<CC> <DATE_HH> <SUBPIC>"};
  const ScriptRendering rendering = renderer_.Render(raw.Lines(), format, context_);
  EXPECT_EQ(rendering.Lines, (Lines{"3#01 12 Hi | é", "3#12 12 i <ERROR>"}));

  format.Body.clear();
  format.Header = {"h"};
  format.Footer = {"f"};
  EXPECT_EQ(renderer_.Render(raw.Lines(), format, context_).Lines, (Lines{"h", "f"}));
}

TEST_F(ScriptRendererTest, BadIntegerStopsWithTheRawScriptIntact) {
  RawScript raw;
  raw.AppendRecord("00:00:01", "1", {"</d/c0.bmp>"});
  raw.AppendRecord("00:00:02", "x1", {"</d/c1.bmp>"});
  raw.AppendRecord("00:00:03", "3", {"</d/c2.bmp>"});
  const Lines before = raw.Lines();
  OutputFormat format;
  format.Header = {"head"};
  format.Body = {"<SS>", "<CC> <SUBPIC>"};
  format.Footer = {"foot"};
  const ScriptRendering rendering = renderer_.Render(raw.Lines(), format, context_);
  EXPECT_FALSE(rendering.Result.Ok);
  EXPECT_EQ(rendering.Result.Message, "'x1' is not a valid integer value");
  EXPECT_EQ(rendering.Lines, (Lines{"head", "01", "01 H", "02"}));
  EXPECT_EQ(raw.Lines(), before);

  test::ScriptedInteraction interaction;
  ScriptRenderer::ReportFailure(rendering, interaction);
  ASSERT_EQ(interaction.Messages.size(), 1u);
  EXPECT_EQ(interaction.Messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(interaction.Messages[0].Text, "'x1' is not a valid integer value");

  format.Body = {"<SS>"};
  const ScriptRendering fine = renderer_.Render(raw.Lines(), format, context_);
  EXPECT_TRUE(fine.Result.Ok);
  EXPECT_EQ(fine.Lines, (Lines{"head", "01", "02", "03", "foot"}));
  ScriptRenderer::ReportFailure(fine, interaction);
  EXPECT_EQ(interaction.Messages.size(), 1u);
}

TEST_F(ScriptRendererTest, RenderingFromFilesFollowsTheDictionary) {
  test::ScratchDirectory dir;
  const std::string formatPath =
      dir.Write("f.ini",
                "[header]\n0=\"Script:\"\n"
                "[body]\n0=\"[<HH>:<MM>:<SS>] <SUBPIC_SPLT=/><SUBPIC>\"\n"
                "[footer]\n0=end\n");
  RawScript raw;
  raw.StartNew();
  raw.AppendRecord("00:00:05", "1",
                   {"<" + dir.Path() + "char_0.bmp><" + dir.Path() + "char_1.bmp>",
                    "<" + dir.Path() + "char_1.bmp>"});
  ScriptSources sources;
  sources.FormatPath = formatPath;
  sources.DictionaryRoot = dir.Path();

  // No dictionary yet: every reference is "<ERROR>".
  ScriptRendering rendering = renderer_.Render(raw, sources);
  EXPECT_EQ(rendering.Lines, (Lines{"Script:", "[00:00:00] Quelm  v1.01 (beta)  -  by Vennor",
                                    "[00:00:05] <ERROR><ERROR>/<ERROR>", "end"}));

  dir.Write("chardict.ocr",
            dir.Path() + "char_0.bmp\r\nO\r\n" + dir.Path() + "char_1.bmp\r\nk\r\n");
  rendering = renderer_.Render(raw, sources);
  EXPECT_EQ(rendering.Lines[2], "[00:00:05] Ok/k");

  // A corrected entry shows in every earlier subtitle; a removed one shows as "<ERROR>".
  dir.Write("chardict.ocr", dir.Path() + "char_1.bmp\r\nK\r\n");
  rendering = renderer_.Render(raw, sources);
  EXPECT_EQ(rendering.Lines[2], "[00:00:05] <ERROR>K/K");

  sources.FormatPath = dir.Path() + "missing.ini";
  EXPECT_TRUE(renderer_.Render(raw, sources).Lines.empty());
}

// The main window renders after every record with one renderer, which reuses what it can;
// the result must always be what rendering everything again gives.
class KeptRenderingTest : public ScriptRendererTest {
 protected:
  KeptRenderingTest() {
    sources_.FormatPath = dir_.Path() + "f.ini";
    sources_.DictionaryRoot = dir_.Path();
    WriteFormat("<INDEX> <START=mm:ss,zzz>-<END=mm:ss,zzz> <FORCED>", "<CC> <SUBPIC>");
    dir_.Write("chardict.ocr", Key(0) + "\r\nH\r\n" + Key(1) + "\r\ni\r\n");
  }
  std::string Key(int n) const { return dir_.Path() + "char_" + std::to_string(n) + ".bmp"; }
  void WriteFormat(const std::string& first, const std::string& second) {
    // Replaced as the format editor does, so that the change is seen at once.
    dir_.Write("new.ini", "[header]\n0=head\n[body]\n0=\"" + first + "\"\n1=\"" + second +
                              "\"\n[footer]\n0=foot\n");
    std::filesystem::rename(dir_.Path() + "new.ini", sources_.FormatPath);
  }
  // What a renderer that keeps nothing gives for the same script with the same engine history.
  Lines Fresh() {
    DictionaryLines characters = DictionaryLines::Load(sources_.DictionaryRoot);
    TagContext context;
    context.SubtitleNumber = sources_.SubtitleNumber;
    context.Palette = sources_.Palette;
    context.Characters = &characters;
    return reference_.Render(raw_.Lines(), OutputFormat::Read(sources_.FormatPath), context,
                             sources_.ForcedOnly)
        .Lines;
  }
  void Append(int second, std::optional<std::int64_t> endMs, bool forced,
              const std::string& text = std::string()) {
    RecordFacts facts;
    facts.HasStart = true;
    facts.StartMs = second * 1000 + 250;
    facts.HasEnd = endMs.has_value();
    facts.EndMs = endMs.value_or(0);
    facts.Forced = forced;
    char time[16];
    std::snprintf(time, sizeof time, "00:00:%02d", second);
    raw_.AppendRecord(time, std::to_string(second % 7),
                      {text.empty() ? "<" + Key(second % 2) + "><" + Key(1) + ">" : text,
                       "<" + Key(0) + ">"},
                      facts);
  }
  // Both renderers take the same steps; every rendering must agree.
  void ExpectSame(const char* step) {
    const Lines expected = Fresh();
    const ScriptRendering& kept = renderer_.RenderKept(raw_, sources_);
    ASSERT_EQ(kept.Lines, expected) << step;
    ASSERT_TRUE(kept.Result.Ok) << step;
  }

  test::ScratchDirectory dir_;
  ScriptSources sources_;
  RawScript raw_;
  ScriptRenderer reference_{std::make_shared<NoonCalendar>()};
};

TEST_F(KeptRenderingTest, RenderingAfterEveryRecordEqualsRenderingEverything) {
  raw_.StartNew();
  ExpectSame("fresh script");
  for (int second = 1; second <= 12; ++second) {
    // Open ends (no stop command) end where the next subtitle starts: the record before
    // changes when one is appended.
    Append(second, second % 3 == 0 ? std::nullopt : std::optional<std::int64_t>(second * 1000 + 900),
           second % 4 == 0);
    sources_.SubtitleNumber = std::to_string(second);
    ExpectSame("append");
  }
  sources_.ForcedOnly = true;
  ExpectSame("forced only");
  sources_.ForcedOnly = false;
  ExpectSame("all again");

  // The number of the subtitle shown is read by every record.
  WriteFormat("<INDEX>", "<SUB_NR> <SUBPIC>");
  ExpectSame("new format");
  sources_.SubtitleNumber = "99";
  ExpectSame("another subtitle shown");
  // Palette bytes: only a change of the palette changes them.
  WriteFormat("<C2R> <SUBPIC>", "");
  ExpectSame("palette format");
  sources_.Palette[1] = 0x112233;
  ExpectSame("another palette");

  // Another script (clear) and a script read from records: nothing of the old one stays,
  // even where its records have the same times.
  raw_.StartNew();
  Append(1, 1900, false, "<" + Key(0) + ">");
  ExpectSame("new script, same times, other text");
  raw_.StartNew();
  ExpectSame("cleared");
  Append(2, std::nullopt, true);
  raw_ = RawScript(raw_.Lines());
  ExpectSame("copied script");

  // A list left open catches the next record's values, across renderings too: the first
  // record's result comes from the last record of the rendering before.
  WriteFormat("<MATH_RESULT><MATH_START><SS><MATH_ADD><CC>", "<SUBPIC>");
  ExpectSame("open list");
  Append(13, std::nullopt, false);
  ExpectSame("open list, one more");
  ExpectSame("open list, rendered again");

  // A corrected dictionary entry shows everywhere.
  dir_.Write("chardict.ocr", Key(0) + "\r\nh\r\n" + Key(1) + "\r\nI\r\n");
  ExpectSame("corrected dictionary");

}

// Random formats over random scripts, changed a step at a time as a user and "all" change them.
TEST_F(KeptRenderingTest, RandomScriptsAndFormatsRenderAsFromScratch) {
  const std::vector<std::string> pieces = {
      "<HH>", "<MM>", "<SS>", "<CC>", "<C>", "<SUB_NR>", "<INDEX>", "<FORCED>", "<START=mm:ss,zzz>",
      "<END=ss>", "<DURATION=ss,zzz>", "<SUBPIC>", "<SUBPIC_SPLT=/>", "<SUBPIC_BOLN=[>",
      "<SUBPIC_EOLN=]>", "<C2R>", "<C4B>", "<CR>", "x", " ", "<<"};
  // Rarer: most records and renderings should get through to be kept.
  const std::vector<std::string> arithmetic = {
      "<MATH_START>", "<MATH_VALUE=3>", "<MATH_ADD>", "<MATH_MUL>", "<MATH_DIV>", "<MATH_SUB>",
      "<MATH_RESULT>", "<MATH_WIDTH=4>"};
  std::mt19937 random(20261208);
  const auto pick = [&](int below) {
    return static_cast<int>(random() % static_cast<unsigned>(below));
  };
  const auto line = [&] {
    std::string text;
    for (int n = pick(5); n > 0; --n) {
      const std::vector<std::string>& from = pick(8) == 0 ? arithmetic : pieces;
      text += from[static_cast<std::size_t>(pick(static_cast<int>(from.size())))];
    }
    return text;
  };
  for (int round = 0; round < 60; ++round) {
    WriteFormat(line(), line());
    raw_ = RawScript();
    if (pick(2) == 0) raw_.StartNew();
    sources_.ForcedOnly = false;
    sources_.SubtitleNumber = "1";
    int second = 0;
    for (int step = 0; step < 25; ++step) {
      switch (pick(12)) {
        case 0: WriteFormat(line(), line()); break;
        case 1: sources_.ForcedOnly = !sources_.ForcedOnly; break;
        case 2: sources_.Palette[static_cast<std::size_t>(pick(4))] = static_cast<Color>(random() & 0xFFFFFF); break;
        case 3:
          dir_.Write("chardict.ocr", Key(0) + "\r\n" + std::to_string(step) + "\r\n" + Key(1) + "\r\nk\r\n");
          break;
        default: {
          second += pick(4) - 1;  // sometimes the same time, sometimes earlier
          if (second < 0) second = 0;
          const int kind = pick(3);
          Append(second % 60,
                 kind == 0 ? std::nullopt
                           : std::optional<std::int64_t>((second % 60) * 1000 + 100 * pick(20)),
                 pick(3) == 0, kind == 2 ? "plain text" : std::string());
        }
      }
      if (pick(4) == 0) sources_.SubtitleNumber = std::to_string(pick(3));
      const Lines expected = Fresh();
      const ScriptRendering& kept = renderer_.RenderKept(raw_, sources_);
      ASSERT_EQ(kept.Lines, expected) << "round " << round << ", step " << step;
    }
  }
}

TEST_F(KeptRenderingTest, AFailedRecordStopsEveryRenderingUntilTheFormatChanges) {
  raw_.StartNew();
  Append(1, 1500, false);
  raw_.AppendRecord("00:00:02", "x9", {"<" + Key(0) + ">"});
  WriteFormat("<SS>", "<CC> <SUBPIC>");
  for (int i = 0; i < 2; ++i) {
    const ScriptRendering& kept = renderer_.RenderKept(raw_, sources_);
    EXPECT_FALSE(kept.Result.Ok);
    EXPECT_EQ(kept.Lines, (Lines{"head", "00", "00 " + std::string(VersionRecordLine), "01",
                                 "01 ii | H", "02"}));
  }
  Append(3, std::nullopt, false);
  EXPECT_FALSE(renderer_.RenderKept(raw_, sources_).Result.Ok);
  WriteFormat("<SS>", "<SUBPIC>");
  ExpectSame("without the chapter");
}

TEST_F(KeptRenderingTest, ClockTagsAreReadAtEveryRendering) {
  class TickingCalendar : public NoonCalendar {
   public:
    std::tm Now() const override {
      std::tm t = NoonCalendar::Now();
      t.tm_sec = ++ticks_ % 60;
      return t;
    }
    mutable int ticks_ = 0;
  };
  ScriptRenderer renderer(std::make_shared<TickingCalendar>());
  WriteFormat("<DATE_SS>", "");
  raw_.StartNew();
  EXPECT_EQ(renderer.RenderKept(raw_, sources_).Lines, (Lines{"head", "01", "", "foot"}));
  Append(1, std::nullopt, false);
  EXPECT_EQ(renderer.RenderKept(raw_, sources_).Lines, (Lines{"head", "02", "", "03", "", "foot"}));
}

TEST_F(ScriptRendererTest, AScriptsLineageChangesWithAnythingButAppending) {
  RawScript raw;
  raw.StartNew();
  const std::uint64_t started = raw.Lineage();
  raw.AppendRecord("00:00:01", "1", {"a"});
  EXPECT_EQ(raw.Lineage(), started);
  RawScript copy = raw;
  EXPECT_NE(copy.Lineage(), raw.Lineage());
  EXPECT_EQ(copy.Lines(), raw.Lines());
  RawScript moved = std::move(copy);
  EXPECT_NE(moved.Lineage(), started);
  EXPECT_NE(moved.Lineage(), copy.Lineage());
  copy = raw;
  EXPECT_NE(copy.Lineage(), raw.Lineage());
  raw.StartNew();
  EXPECT_NE(raw.Lineage(), started);
  const std::uint64_t restarted = raw.Lineage();
  raw.Clear();
  EXPECT_NE(raw.Lineage(), restarted);
}

class ShippedFormatTest : public ScriptRendererTest {
 protected:
  Lines RenderShipped(const std::string& name, bool withVersionRecord = true) {
    RawScript raw;
    if (withVersionRecord) raw.StartNew();
    raw.AppendRecord("01:02:03", "4", {"</d/c0.bmp></d/c1.bmp>", "</d/c2.bmp>"});
    context_.Palette = {ColorBlack, 0xC8C8C8, 0x686868, ColorWhite};
    const OutputFormat format =
        OutputFormat::Read(std::string(QUELM_BIN_DIR) + "/outputini/" + name);
    const ScriptRendering rendering = renderer_.Render(raw.Lines(), format, context_);
    EXPECT_TRUE(rendering.Result.Ok) << rendering.Result.Message;
    return rendering.Lines;
  }
  const std::string version_ = VersionRecordLine;
};

TEST_F(ShippedFormatTest, PlainAndTimeCodeFormats) {
  EXPECT_EQ(RenderShipped("plain.ini"), (Lines{version_, "Hi é"}));
  EXPECT_EQ(RenderShipped("timecodes.ini"),
            (Lines{"Script", "", "[00:00:00] chapter 00", version_, "", "[01:02:03] chapter 04",
                   "Hi", "é", "", "-- end of script --"}));
  EXPECT_EQ(RenderShipped("cuelist.ini"),
            (Lines{"00:00:00,000", version_, "", "01:02:03,000", "Hi", "é", ""}));
  EXPECT_EQ(RenderShipped("seconds.ini"),
            (Lines{"000000s", "- " + version_, "", "003723s", "- Hi", "- é", ""}));
}

TEST_F(ShippedFormatTest, TagShowcase) {
  EXPECT_EQ(RenderShipped("tags.ini", false),
            (Lines{"Tag showcase - the header is copied as it stands: <HH> stays <HH>", "",
                   "Subtitle in chapter 4/04, at 01h 02m 03s (one hour later: 02h)",
                   "Seconds into the hour: 123", "Rendered Saturday, 01 January 2000 at 12:00:00",
                   "Byte values of colour 4: 255,255,255; current subtitle number 3",
                   "Literal brackets: <Hi / é >", "First line", "second line", "",
                   "End of the tag showcase."}));
}

TEST_F(ScriptRendererTest, RawScriptFileRoundTrip) {
  test::ScratchDirectory dir;
  RawScript raw;
  raw.StartNew();
  raw.AppendRecord("00:00:05", "2", {"<a> <b>", ""});
  ASSERT_TRUE(raw.Save(dir.Path() + "raw.txt").Ok);
  Status status;
  EXPECT_EQ(RawScript::Load(dir.Path() + "raw.txt", &status).Lines(), raw.Lines());
  EXPECT_TRUE(status.Ok);
  EXPECT_TRUE(RawScript::Load(dir.Path() + "none.txt", &status).Lines().empty());
  EXPECT_FALSE(status.Ok);
}

}  // namespace
}  // namespace quelm
