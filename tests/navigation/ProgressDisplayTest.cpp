// The progress labels: position with the locale's separators, the running time's 1..10 s rule,
// the chapter the time falls in.
#include "navigation/ProgressDisplay.h"

#include <gtest/gtest.h>

namespace quelm {
namespace {

const NumberFormat German{",", "."};
const NumberFormat English{".", ","};
const std::vector<std::string> NoChapters{"00:00:00"};

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
  ProgressDisplay d = UpdateProgressDisplay(28672, 499712, {}, {}, NoChapters, German);
  EXPECT_EQ(d.FilePositionText, ": 28672 / 499712  (5,74%)");
  EXPECT_EQ(d.ChapterText, ": 1");
  EXPECT_EQ(d.TimecodeText, ": 00:00:00");
  d = UpdateProgressDisplay(499712, 499712, {}, {}, NoChapters, English);
  EXPECT_EQ(d.FilePositionText, ": 499712 / 499712  (100.00%)");
  // Offsets past 2 GiB (a title cut as one file) keep their digits.
  d = UpdateProgressDisplay(3000000000LL, 4000000000LL, {}, {}, NoChapters, German);
  EXPECT_EQ(d.FilePositionText, ": 3000000000 / 4000000000  (75,00%)");
}

TEST(ProgressDisplayTest, UnknownSizeShowsZerosAndLeavesTheTime) {
  const ProgressDisplay d =
      UpdateProgressDisplay(4096, 0, {0, 0, 5}, {0, 0, 1}, NoChapters, German);
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
    const ProgressDisplay d = UpdateProgressDisplay(2048, 4096, c.Stream, now, {}, German);
    EXPECT_EQ(d.SubtitleTime, c.Expected) << c.Stream.Seconds;
  }
  // Across an hour: 00:59:58 to 01:00:03 is 5 s.
  const ProgressDisplay d = UpdateProgressDisplay(1, 2, {1, 0, 3}, {0, 59, 58}, NoChapters, German);
  EXPECT_EQ(d.SubtitleTime, (PresentationTime{1, 0, 3}));
  EXPECT_EQ(d.TimecodeText, ": 01:00:03");
}

TEST(ProgressDisplayTest, TheChapterIsTheOneTheTimeFallsIn) {
  // The demo title's chapters: 12, 12 and 13 s, so chapter 2 begins at 12 s and 3 at 24 s.
  const std::vector<std::string> demo{"00:00:00", "00:00:12", "00:00:12", "00:00:13"};
  struct Case {
    int Seconds;
    const char* Time;  // the time itself: no chapter offset is added
    const char* Chapter;
  };
  const Case cases[] = {
      {0, ": 00:00:00", ": 1"},  {11, ": 00:00:11", ": 1"}, {12, ": 00:00:12", ": 2"},
      {13, ": 00:00:13", ": 2"}, {25, ": 00:00:25", ": 3"}, {36, ": 00:00:36", ": 3"},
      {38, ": 00:00:38", ": 3"},  // past the end: the lengths drop the frames beyond a second
  };
  for (const Case& c : cases) {
    const PresentationTime time{0, 0, c.Seconds};
    const ProgressDisplay d = UpdateProgressDisplay(1, 2, time, time, demo, German);
    EXPECT_EQ(d.TimecodeText, c.Time);
    EXPECT_EQ(d.ChapterText, c.Chapter) << c.Seconds;
  }
  // No chapter lengths: chapter 1. A damaged length counts as an empty chapter.
  EXPECT_EQ(ChapterIndexAt({1, 0, 0}, NoChapters), 0);
  EXPECT_EQ(ChapterIndexAt({0, 0, 5}, {}), 0);
  EXPECT_EQ(ChapterIndexAt({0, 0, 5}, {"00:00:00", "ab:cd:ef", "00:00:10"}), 1);
  EXPECT_EQ(ParseChapterOffset("12:34:56"), (PresentationTime{12, 34, 56}));
}

}  // namespace
}  // namespace quelm
