// The conversion both programs drive: what its recognition step appends, and when its records
// count as unsaved.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "conversion/Conversion.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

const std::array<Color, 4> Colors{ColorBlack, ColorWhite, 0x808080, ColorWhite};

// A recognition that reads one line as `result` says, without a dictionary.
Recogniser Reads(RecognitionResult result) {
  return [result](const Bitmap&, const RecognitionSettings&) { return result; };
}

RecognitionResult ReadLine(const std::string& line) {
  RecognitionResult result;
  result.ReferenceLines = {line};
  return result;
}

TEST(ConversionTest, StepAppendsOnlyAReadSubtitleAndReportsTheKeptColour) {
  Conversion conversion;
  conversion.StartNew();
  RecognitionSettings settings;
  settings.Colors = Colors;
  const SubtitlePlace place{"00:01:02", "3", RecordFacts()};
  const std::vector<std::string> before = conversion.Script().Lines();

  RecognitionResult aborted = ReadLine("<a.bmp>");
  aborted.Aborted = true;
  EXPECT_EQ(conversion.RecogniseSubtitle({}, settings, place, Reads(aborted)).End,
            RecognitionEnd::Aborted);
  RecognitionResult failed = ReadLine("<a.bmp>");
  failed.Outcome = Status::Failure("Unable to write to d/char_1.bmp");
  const SubtitleStep failure = conversion.RecogniseSubtitle({}, settings, place, Reads(failed));
  EXPECT_EQ(failure.End, RecognitionEnd::Failed);
  EXPECT_EQ(failure.Outcome.Message, "Unable to write to d/char_1.bmp");
  EXPECT_EQ(conversion.Script().Lines(), before);

  const SubtitleStep plain =
      conversion.RecogniseSubtitle({}, settings, place, Reads(ReadLine("<a.bmp>")));
  EXPECT_EQ(plain.End, RecognitionEnd::Appended);
  EXPECT_FALSE(plain.KeepColors);
  EXPECT_FALSE(plain.CharColorIndex.has_value());
  RecognitionResult kept = ReadLine("<b.bmp>");
  kept.KeepColors = true;
  kept.FinalCharColor = ColorWhite;
  const SubtitleStep step = conversion.RecogniseSubtitle({}, settings, place, Reads(kept));
  EXPECT_EQ(step.End, RecognitionEnd::Appended);
  EXPECT_TRUE(step.KeepColors);
  // Two roles hold white: the last one is checked, as the role buttons leave it.
  EXPECT_EQ(step.CharColorIndex, 3);
  std::vector<std::string> expected = before;
  for (const char* line : {"<SUB_START>", "00:01:02", "3", "<a.bmp>", "<SUB_END>", "<SUB_START>",
                           "00:01:02", "3", "<b.bmp>", "<SUB_END>"})
    expected.emplace_back(line);
  EXPECT_EQ(conversion.Script().Lines(), expected);
}

TEST(ConversionTest, RecordsAreUnsavedFromAnAppendUntilTheyAreSavedOrOthersOpened) {
  const fs::path dir =
      fs::temp_directory_path() / ("quelm_conversion_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  Conversion conversion;
  conversion.StartNew();
  EXPECT_FALSE(conversion.Unsaved());  // the version record alone is nothing to lose
  const SubtitlePlace place{"00:00:01", "1", RecordFacts()};
  conversion.RecogniseSubtitle({}, {}, place, Reads(ReadLine("<a.bmp>")));
  EXPECT_TRUE(conversion.Unsaved());

  EXPECT_FALSE(conversion.SaveRecords((dir / "missing/film.records").string()).Ok);
  EXPECT_TRUE(conversion.Unsaved());
  ASSERT_TRUE(conversion.SaveRecords((dir / "film.records").string()).Ok);
  EXPECT_FALSE(conversion.Unsaved());

  conversion.RecogniseSubtitle({}, {}, place, Reads(ReadLine("<b.bmp>")));
  ASSERT_TRUE(conversion.Unsaved());
  conversion.Open(RawScript());
  EXPECT_FALSE(conversion.Unsaved());
  EXPECT_EQ(conversion.Script().Lines().size(), 5u);  // an empty file opens as a new script
  fs::remove_all(dir);
}

}  // namespace
}  // namespace quelm
