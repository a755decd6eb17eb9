// The progress labels: position with the locale's separators, the running time's 1..10 s rule,
// the chapter offset.
#include "navigation/ProgressDisplay.h"

#include <gtest/gtest.h>

namespace quelm {
namespace {

const NumberFormat German{",", "."};
const NumberFormat English{".", ","};

TEST(ProgressDisplayTest, PercentageUsesTheLocaleSeparatorsAndGrouping) {
  EXPECT_EQ(FormatPercentage(0.0, German), "0,00");
  EXPECT_EQ(FormatPercentage(5.737705, German), "5,74");
  EXPECT_EQ(FormatPercentage(1234.5, German), "1.234,50");
  EXPECT_EQ(FormatPercentage(1234567.891, English), "1,234,567.89");
  EXPECT_EQ(FormatPercentage(999.999, German), "1.000,00");
  EXPECT_EQ(FormatPercentage(12.3, NumberFormat{",", "\u202F"}), "12,30");
}

TEST(ProgressDisplayTest, PositionLabel) {
  EXPECT_EQ(InitialFilePositionText(499712, German), ": 0 / 499712  (0,00%)");
  EXPECT_EQ(InitialFilePositionText(499712, English), ": 0 / 499712  (0.00%)");

  // 28672 / 499712 = 5.7377...%
  ProgressDisplay d = UpdateProgressDisplay(28672, 499712, {}, {}, "00:00:00", 0, German);
  EXPECT_EQ(d.FilePositionText, ": 28672 / 499712  (5,74%)");
  EXPECT_EQ(d.ChapterText, ": 1");
  EXPECT_EQ(d.TimecodeText, ": 00:00:00");
  d = UpdateProgressDisplay(499712, 499712, {}, {}, "00:00:00", 0, English);
  EXPECT_EQ(d.FilePositionText, ": 499712 / 499712  (100.00%)");
  // Offsets past 2 GiB (a title cut as one file) keep their digits.
  d = UpdateProgressDisplay(3000000000LL, 4000000000LL, {}, {}, "00:00:00", 0, German);
  EXPECT_EQ(d.FilePositionText, ": 3000000000 / 4000000000  (75,00%)");
}

TEST(ProgressDisplayTest, UnknownSizeShowsZerosAndLeavesTheTime) {
  const ProgressDisplay d =
      UpdateProgressDisplay(4096, 0, {0, 0, 5}, {0, 0, 1}, "00:10:00", 3, German);
  EXPECT_EQ(d.FilePositionText, ": 0 / 0  (0,00%)");
  EXPECT_EQ(d.ChapterText, ": 0");
  EXPECT_FALSE(d.TimeUpdated);
  EXPECT_EQ(d.SubtitleTime, (PresentationTime{0, 0, 1}));
}

TEST(ProgressDisplayTest, TimeFollowsTheStreamInStepsOfOneToTenSeconds) {
  const PresentationTime now{0, 0, 10};
  struct Case {
    PresentationTime Stream;
    PresentationTime Expected;
  };
  const Case cases[] = {
      {{0, 0, 10}, {0, 0, 10}},  // no step
      {{0, 0, 11}, {0, 0, 11}},  // 1 s
      {{0, 0, 15}, {0, 0, 15}},  // 5 s
      {{0, 0, 20}, {0, 0, 20}},  // 10 s
      {{0, 0, 21}, {0, 0, 10}},  // 11 s: a jump
      {{0, 0, 40}, {0, 0, 10}},  // 30 s
      {{0, 0, 9}, {0, 0, 10}},   // backwards
      {{0, 0, 0}, {0, 0, 10}},   // no PTS read yet in this run
  };
  for (const Case& c : cases) {
    const ProgressDisplay d = UpdateProgressDisplay(2048, 4096, c.Stream, now, "", 0, German);
    EXPECT_EQ(d.SubtitleTime, c.Expected) << c.Stream.Seconds;
  }
  // Across an hour: 00:59:58 to 01:00:03 is 5 s.
  const ProgressDisplay d =
      UpdateProgressDisplay(1, 2, {1, 0, 3}, {0, 59, 58}, "00:00:00", 0, German);
  EXPECT_EQ(d.SubtitleTime, (PresentationTime{1, 0, 3}));
  EXPECT_EQ(d.TimecodeText, ": 01:00:03");
}

TEST(ProgressDisplayTest, ChapterOffsetIsAddedToTheTime) {
  ProgressDisplay d = UpdateProgressDisplay(1, 2, {0, 0, 5}, {0, 0, 1}, "00:10:00", 0, German);
  EXPECT_EQ(d.TimecodeText, ": 00:10:05");
  d = UpdateProgressDisplay(1, 2, {0, 0, 1}, {0, 59, 50}, "01:00:15", 2, German);
  EXPECT_EQ(d.TimecodeText, ": 02:00:05");
  EXPECT_EQ(d.ChapterText, ": 3");
  // A damaged entry adds nothing instead of failing in the middle of a run.
  for (const char* text : {"", "1:2:3", "ab:cd:ef", "00:1x:00"}) {
    d = UpdateProgressDisplay(1, 2, {0, 0, 5}, {0, 0, 1}, text, 0, German);
    EXPECT_EQ(d.TimecodeText, ": 00:00:05") << text;
  }
  EXPECT_EQ(ParseChapterOffset("12:34:56"), (PresentationTime{12, 34, 56}));
}

}  // namespace
}  // namespace quelm
