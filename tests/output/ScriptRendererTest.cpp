#include "output/ScriptRenderer.h"

#include <gtest/gtest.h>

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
