// Exact times on records: the facts on the time code line, the time tags, INDEX and FORCED, the
// open-end rule over the whole script, forced only, and the shipped subtitle formats.
#include <gtest/gtest.h>

#include "OutputTestFiles.h"
#include "output/DictionaryLines.h"
#include "output/RecordFacts.h"
#include "output/ScriptRenderer.h"
#include "output/TagEngine.h"

namespace quelm {
namespace {

using Lines = std::vector<std::string>;

const std::string ShippedFormats = QUELM_TEST_DATA "/../../outputini/";

RecordFacts Facts(std::int64_t start, std::optional<std::int64_t> end, bool forced = false) {
  RecordFacts facts;
  facts.HasStart = true;
  facts.StartMs = start;
  facts.HasEnd = end.has_value();
  facts.EndMs = end.value_or(0);
  facts.Forced = forced;
  return facts;
}

TEST(RecordFactsTest, FactsRideOnTheTimeCodeLineAndReadBack) {
  const RecordFacts facts = Facts(83456, 86040, true);
  const std::string line = TimeCodeLineWithFacts("00:01:23", facts);
  EXPECT_EQ(line, "00:01:23 start=83456 end=86040 forced=1");
  EXPECT_EQ(ReadRecordFacts(line), facts);
  EXPECT_EQ(TimeCodeLineWithFacts("00:01:23", Facts(83456, std::nullopt)),
            "00:01:23 start=83456 forced=0");
  EXPECT_EQ(TimeCodeLineWithFacts("00:01:23", RecordFacts()), "00:01:23");
  // A record written before the facts, and damaged or unknown fields.
  EXPECT_EQ(ReadRecordFacts("00:01:23"), RecordFacts());
  const RecordFacts odd = ReadRecordFacts("00:01:23 start=12x end=99999 colour=red forced=yes =");
  EXPECT_FALSE(odd.HasStart);
  EXPECT_TRUE(odd.HasEnd);
  EXPECT_EQ(odd.EndMs, 99999);
  EXPECT_FALSE(odd.Forced);
  EXPECT_EQ(TimeCodeMs("01:02:03 start=5"), 3723000);
  EXPECT_FALSE(TimeCodeMs("1:02:03").has_value());
}

TEST(RecordFactsTest, TimeFormats) {
  EXPECT_EQ(FormatMilliseconds(3723456, "hh:mm:ss,zzz"), "01:02:03,456");
  EXPECT_EQ(FormatMilliseconds(3723456, "h:mm:ss.cc"), "1:02:03.45");
  EXPECT_EQ(FormatMilliseconds(3723456, ""), "3723456");
  EXPECT_EQ(FormatMilliseconds(360000000 + 7, "hh:mm:ss.zzz"), "100:00:00.007");
  EXPECT_EQ(FormatMilliseconds(-20, "hh:mm:ss,zzz"), "00:00:00,000");
  // Letters that form no token are copied; "hhh" is hh then h.
  EXPECT_EQ(FormatMilliseconds(61009, "m s z c [hhh]"), "m s z c [000]");
  EXPECT_EQ(FormatMilliseconds(61009, "ss.zzzs"), "01.009s");
}

TEST(TimeTagsTest, RecordFactsFillTheTimeTagsAndLeaveTheOldTagsAlone) {
  TagEngine engine;
  TagContext context;
  const Lines body = {"<HH>:<MM>:<SS> <H><M><S> <C>/<CC>",
                      "<START=hh:mm:ss,zzz> -->> <END=hh:mm:ss,zzz> <DURATION=ss.zzz> "
                      "f<FORCED> i<INDEX> [<SUBPIC>]"};
  Lines withFacts;
  ASSERT_TRUE(engine.ConvertSubpicBody(
      {TimeCodeLineWithFacts("00:01:23", Facts(83456, 86040, true)), "2", "x"}, body, context,
      withFacts));
  EXPECT_EQ(withFacts,
            (Lines{"00:01:23 002 2/02", "00:01:23,456 --> 00:01:26,040 02.584 f1 i0 [x]"}));
  // An old record: start from the time code, the default display time, not forced.
  Lines old;
  ASSERT_TRUE(engine.ConvertSubpicBody({"00:01:23", "2", "x"}, body, context, old));
  EXPECT_EQ(old, (Lines{"00:01:23 002 2/02", "00:01:23,000 --> 00:01:28,000 05.000 f0 i0 [x]"}));
}

TEST(TimeTagsTest, TimesWithoutAFormatFeedTheArithmeticList) {
  TagEngine engine;
  TagContext context;
  RecordTimes times{1500, 4250, false, 7};
  context.Times = &times;
  Lines lines;
  ASSERT_TRUE(engine.ConvertSubpicBody(
      {"00:00:01", "1", "x"},
      {"<MATH_START><END=><MATH_SUB><START=><MATH_RESULT> <DURATION=> <INDEX> <start=ss>"}, context,
      lines));
  EXPECT_EQ(lines, (Lines{"2750 2750 7 01"}));
}

class RendererTimesTest : public ::testing::Test {
 protected:
  ScriptRendering Render(const RawScript& raw, const OutputFormat& format, bool forcedOnly) {
    TagContext context;
    context.Characters = &dictionary_;
    return renderer_.Render(raw.Lines(), format, context, forcedOnly);
  }
  DictionaryLines dictionary_{{"/d/a.bmp", "A", "/d/b.bmp", "B", "/d/c.bmp", "C"}};
  ScriptRenderer renderer_;
};

TEST_F(RendererTimesTest, OpenEndsTakeTheNextSubtitlesStartBeforeAnythingIsLeftOut) {
  RawScript raw;
  raw.StartNew();
  raw.AppendRecord("00:00:01", "1", {"</d/a.bmp>"}, Facts(1000, std::nullopt));
  raw.AppendRecord("00:00:04", "1", {"</d/b.bmp>"}, Facts(4000, 6000, true));
  raw.AppendRecord("00:00:09", "1", {"</d/c.bmp>"}, Facts(9000, std::nullopt, true));
  OutputFormat format;
  format.Body = {"<INDEX> <START=ss.zzz>-<END=ss.zzz> <FORCED> <SUBPIC>"};
  EXPECT_EQ(Render(raw, format, false).Lines,
            (Lines{"0 00.000-00.000 0 Quelm  v1.01 (beta)  -  by Vennor", "1 01.000-04.000 0 A",
                   "2 04.000-06.000 1 B", "3 09.000-14.000 1 C"}));
  // Forced only: the left-out subtitle still ended where B starts; numbers stay contiguous.
  format.SkipVersionRecord = true;
  EXPECT_EQ(Render(raw, format, true).Lines, (Lines{"1 04.000-06.000 1 B", "2 09.000-14.000 1 C"}));
  raw.AppendRecord("00:00:02", "1", {"</d/a.bmp>"}, Facts(2000, std::nullopt));
  // A later record that starts earlier (read again after "back") ends nothing before it.
  EXPECT_EQ(Render(raw, format, false).Lines,
            (Lines{"1 01.000-04.000 0 A", "2 04.000-06.000 1 B", "3 09.000-14.000 1 C",
                   "4 02.000-07.000 0 A"}));
}

TEST_F(RendererTimesTest, RecordsWithoutFactsStartAtTheirTimeCodeAndEndAtTheNext) {
  RawScript raw;
  raw.StartNew();
  raw.AppendRecord("00:00:03", "1", {"</d/a.bmp>"});
  raw.AppendRecord("00:01:00", "1", {"</d/b.bmp>"});
  OutputFormat format;
  format.SkipVersionRecord = true;
  format.Body = {"<START=mm:ss>-<END=mm:ss> <SUBPIC>"};
  EXPECT_EQ(Render(raw, format, false).Lines, (Lines{"00:03-01:00 A", "01:00-01:05 B"}));
  EXPECT_EQ(Render(raw, format, true).Lines, Lines{});  // nothing was forced
}

TEST_F(RendererTimesTest, ShippedSubtitleFormats) {
  test::ScratchDirectory dir;
  dir.Write("chardict.ocr", "/d/a.bmp\nA<b>&\n/d/b.bmp\nB\n");
  RawScript raw;
  raw.StartNew();
  raw.AppendRecord("00:00:01", "1", {"</d/a.bmp>", "</d/b.bmp> </d/b.bmp>"}, Facts(1000, 4004));
  raw.AppendRecord("01:02:03", "2", {"</d/b.bmp>"}, Facts(3723456, std::nullopt));
  ScriptSources sources;
  sources.DictionaryRoot = dir.Path();

  sources.FormatPath = ShippedFormats + "srt.ini";
  EXPECT_EQ(renderer_.Render(raw, sources).Lines,
            (Lines{"1", "00:00:01,000 --> 00:00:04,004", "A<b>&", "B B", "", "2",
                   "01:02:03,456 --> 01:02:08,456", "B", ""}));
  sources.FormatPath = ShippedFormats + "webvtt.ini";
  EXPECT_EQ(renderer_.Render(raw, sources).Lines,
            (Lines{"WEBVTT", "", "1", "00:00:01.000 --> 00:00:04.004", "A<b>&", "B B", "", "2",
                   "01:02:03.456 --> 01:02:08.456", "B", ""}));
  sources.FormatPath = ShippedFormats + "ass.ini";
  const Lines ass = renderer_.Render(raw, sources).Lines;
  ASSERT_GE(ass.size(), 2u);
  EXPECT_EQ(ass.front(), "[Script Info]");
  EXPECT_EQ(ass[ass.size() - 2], "Dialogue: 0,0:00:01.00,0:00:04.00,Default,,0,0,0,,A<b>&\\NB B");
  EXPECT_EQ(ass.back(), "Dialogue: 0,1:02:03.45,1:02:08.45,Default,,0,0,0,,B");
  sources.ForcedOnly = true;
  EXPECT_EQ(renderer_.Render(raw, sources).Lines.back(),
            "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text");
}

TEST_F(RendererTimesTest, ItalicRunsAsTheFormatWritesThem) {
  test::ScratchDirectory dir;
  dir.Write("chardict.ocr", "/d/a.bmp\nA\n/d/b.bmp\nB\n");
  RawScript raw;
  raw.StartNew();
  // The second line's run is left open: it ends with its line.
  raw.AppendRecord("00:00:01", "1",
                   {"<{i}></d/a.bmp> </d/b.bmp><{/i}> </d/b.bmp>", "<{i}></d/b.bmp>"},
                   Facts(1000, 2000));
  ScriptSources sources;
  sources.DictionaryRoot = dir.Path();
  sources.FormatPath = ShippedFormats + "srt.ini";
  EXPECT_EQ(renderer_.Render(raw, sources).Lines,
            (Lines{"1", "00:00:01,000 --> 00:00:02,000", "<i>A B</i> B", "<i>B</i>", ""}));
  sources.FormatPath = ShippedFormats + "webvtt.ini";
  EXPECT_EQ(renderer_.Render(raw, sources).Lines[4], "<i>A B</i> B");
  sources.FormatPath = ShippedFormats + "ass.ini";
  EXPECT_EQ(renderer_.Render(raw, sources).Lines.back(),
            "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,{\\i1}A B{\\i0} B\\N{\\i1}B{\\i0}");
  // A format that says nothing about italics writes the text plainly.
  sources.FormatPath = ShippedFormats + "plain.ini";
  EXPECT_EQ(renderer_.Render(raw, sources).Lines.back(), "A B B B");
}

TEST(SkipVersionRecordTest, ReadFromTheFormatsInfoSection) {
  test::ScratchDirectory dir;
  EXPECT_TRUE(OutputFormat::Read(dir.Write("a.ini", "[ini_info]\nskip_version_record=1\n"))
                  .SkipVersionRecord);
  EXPECT_FALSE(OutputFormat::Read(dir.Write("b.ini", "[ini_info]\nname=x\n")).SkipVersionRecord);
  EXPECT_FALSE(OutputFormat::Read(dir.Path() + "missing.ini").SkipVersionRecord);
}

TEST(RecordsWithFactsTest, SavedAndLoadedUnchanged) {
  test::ScratchDirectory dir;
  RawScript raw;
  raw.StartNew();
  raw.AppendRecord("00:00:01", "1", {"</d/a.bmp>"}, Facts(1000, 4004, true));
  ASSERT_TRUE(raw.Save(dir.Path() + "records.txt"));
  const RawScript loaded = RawScript::Load(dir.Path() + "records.txt");
  EXPECT_EQ(loaded.Lines(), raw.Lines());
  EXPECT_EQ(loaded.Lines()[6], "00:00:01 start=1000 end=4004 forced=1");
}

}  // namespace
}  // namespace quelm
