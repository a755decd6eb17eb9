// Display times and the forced flag: the control sequence chain, the title timeline across
// files and PTS jumps, and the spumux-made title set against its SRT sources.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>


#include "support/TempDirTest.h"
#include "SpuWriter.h"
#include "extraction/DisplayControl.h"
#include "extraction/SubtitleWalker.h"
#include "extraction/TitleTimeline.h"
#include "support/SrtFile.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

using Sequence = std::pair<int, std::vector<std::uint8_t>>;  // delay, commands up to 0xFF

// A unit without pixel data: the control table at 4 holds `sequences`, each pointing to the
// next and the last to itself, unless `nextOverride` gives the next offsets.
std::vector<std::uint8_t> TableUnit(const std::vector<Sequence>& sequences,
                                    std::vector<int> nextOverride = {}) {
  std::vector<std::uint8_t> unit = {0, 0, 0, 4};
  std::vector<int> starts;
  int at = 4;
  for (const auto& [delay, commands] : sequences) {
    starts.push_back(at);
    at += 4 + static_cast<int>(commands.size());
  }
  for (std::size_t i = 0; i < sequences.size(); ++i) {
    const int next = i < nextOverride.size()    ? nextOverride[i]
                     : i + 1 < sequences.size() ? starts[i + 1]
                                                : starts[i];
    const int delay = sequences[i].first;
    unit.insert(unit.end(),
                {static_cast<std::uint8_t>(delay >> 8), static_cast<std::uint8_t>(delay),
                 static_cast<std::uint8_t>(next >> 8), static_cast<std::uint8_t>(next)});
    unit.insert(unit.end(), sequences[i].second.begin(), sequences[i].second.end());
  }
  unit[0] = static_cast<std::uint8_t>(unit.size() >> 8);
  unit[1] = static_cast<std::uint8_t>(unit.size());
  return unit;
}

const std::vector<std::uint8_t> PaletteAndContrast = {0x03, 0x01, 0x23, 0x04, 0xFF, 0xF0};

TEST(DisplayControlTest, StartAndStopDelaysComeFromTheirSequences) {
  std::vector<std::uint8_t> first = PaletteAndContrast;
  first.insert(first.end(), {0x01, 0xFF});
  const DisplayControl control = ReadDisplayControl(TableUnit({{0, first}, {264, {0x02, 0xFF}}}));
  EXPECT_TRUE(control.HasStart);
  EXPECT_EQ(control.StartDelay, 0);
  EXPECT_TRUE(control.HasStop);
  EXPECT_EQ(control.StopDelay, 264);
  EXPECT_FALSE(control.Forced);
}

TEST(DisplayControlTest, ForcedStartLaterThanThePtsIsRemembered) {
  const DisplayControl control = ReadDisplayControl(
      TableUnit({{0, {0x03, 0x01, 0x23, 0xFF}}, {10, {0x00, 0xFF}}, {300, {0x02, 0xFF}}}));
  EXPECT_TRUE(control.HasStart);
  EXPECT_EQ(control.StartDelay, 10);
  EXPECT_TRUE(control.Forced);
  EXPECT_EQ(control.StopDelay, 300);
}

TEST(DisplayControlTest, ColourChangeParametersAreNotReadAsCommands) {
  // The 0x02 bytes inside the 0x07 command are data; the stop comes from the second sequence.
  const DisplayControl control = ReadDisplayControl(
      TableUnit({{0, {0x07, 0x00, 0x05, 0x02, 0x02, 0x02, 0x01, 0xFF}}, {50, {0x02, 0xFF}}}));
  EXPECT_TRUE(control.HasStart);
  EXPECT_TRUE(control.HasStop);
  EXPECT_EQ(control.StopDelay, 50);
}

TEST(DisplayControlTest, NoStopCommandLeavesTheEndOpen) {
  std::vector<std::uint8_t> first = PaletteAndContrast;
  first.insert(first.end(), {0x01, 0xFF});
  const DisplayControl control = ReadDisplayControl(TableUnit({{0, first}}));
  EXPECT_TRUE(control.HasStart);
  EXPECT_FALSE(control.HasStop);
}

TEST(DisplayControlTest, AStopBeforeAnyStartEndsNothing) {
  const DisplayControl control =
      ReadDisplayControl(TableUnit({{0, {0x02, 0xFF}}, {40, {0x01, 0xFF}}}));
  EXPECT_TRUE(control.HasStart);
  EXPECT_EQ(control.StartDelay, 40);
  EXPECT_FALSE(control.HasStop);
}

TEST(DisplayControlTest, ChainsThatPointBackOrOutsideEndTheWalk) {
  // Second sequence points back to the first: read once each, then the walk ends.
  const DisplayControl looped =
      ReadDisplayControl(TableUnit({{0, {0x01, 0xFF}}, {90, {0x02, 0xFF}}}, {10, 4}));
  EXPECT_TRUE(looped.HasStart);
  EXPECT_EQ(looped.StopDelay, 90);
  // A next offset far beyond the unit.
  const DisplayControl outside = ReadDisplayControl(TableUnit({{0, {0x01, 0xFF}}}, {0xFFF0}));
  EXPECT_TRUE(outside.HasStart);
  EXPECT_FALSE(outside.HasStop);
  // Every cut of a unit reads without fault; what was found before the cut stays.
  const std::vector<std::uint8_t> whole =
      TableUnit({{0, {0x07, 0x00, 0x04, 0x11, 0x22, 0x01, 0xFF}}, {20, {0x02, 0xFF}}});
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const std::vector<std::uint8_t> cut(whole.begin(),
                                        whole.begin() + static_cast<std::ptrdiff_t>(size));
    const DisplayControl control = ReadDisplayControl(cut);
    EXPECT_EQ(control.HasStart, size > 13) << size;  // the 0x01 at 13, after the 0x07 command
    EXPECT_EQ(control.HasStop, size > 19) << size;   // the 0x02 at 19
  }
}

TEST(TitleTimelineTest, OriginFromTheFirstVobuAndJumpsContinueTheTimeline) {
  TitleTimeline timeline;
  EXPECT_EQ(timeline.TitleTicks(1234), 1234);  // no origin yet: the PTS itself
  timeline.ObserveVobu(48003, 102057);
  timeline.ObserveVideoPts(5);  // an origin is already known
  EXPECT_EQ(timeline.TitleTicks(48003), 0);
  EXPECT_EQ(timeline.TitleTicks(138003), 90000);
  timeline.ObserveVobu(102057, 156111);  // continuous
  EXPECT_EQ(timeline.TitleTicks(138003), 90000);
  // A new cell restarts its PTS at 20000: it begins where the last VOBU ended (156111 - 48003).
  timeline.ObserveVobu(20000, 74054);
  EXPECT_EQ(timeline.TitleTicks(20000), 108108);
  EXPECT_EQ(timeline.TitleTicks(65000), 153108);
  // A gap within one frame is no jump.
  timeline.ObserveVobu(74054 + 3000, 130000);
  EXPECT_EQ(timeline.TitleTicks(77054), 165162);
}

TEST(TitleTimelineTest, VideoPtsIsTheOriginWithoutNavigationTimesAndPtsWrapIsCrossed) {
  TitleTimeline timeline;
  timeline.ObserveVideoPts(TitleTimeline::PtsModulus - 45000);
  EXPECT_EQ(timeline.TitleTicks(TitleTimeline::PtsModulus - 45000), 0);
  EXPECT_EQ(timeline.TitleTicks(45000), 90000);  // past the 33-bit wrap
  EXPECT_EQ(timeline.TitleTicks(TitleTimeline::PtsModulus - 90000), -45000);
  EXPECT_EQ(TitleTimeline::TicksToMs(45), 1);
  EXPECT_EQ(TitleTimeline::TicksToMs(44), 0);
  EXPECT_EQ(TitleTimeline::TicksToMs(-45), -1);
  EXPECT_EQ(TitleTimeline::TicksToMs(270270), 3003);
}

class SubtitleTimingRunTest : public test::TempDirTest {
 protected:
  std::string Write(const std::string& name, const test::PackWriter& writer) {
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(writer.WriteFile(path));
    return path;
  }
  std::vector<WalkedSubtitle> WalkAll(const std::vector<std::string>& files, int stream = 0x20,
                                      std::int64_t from = 0) {
    SilentInteraction ui;
    SubpictureRequest settings;
    settings.SubStreamId = stream;
    settings.FilePosition = from;
    SubtitleWalker walker(ui, files, settings);
    std::vector<WalkedSubtitle> found;
    while (auto subtitle = walker.Next()) found.push_back(std::move(*subtitle));
    return found;
  }
};

std::vector<std::uint8_t> SmallUnit(bool stop) {
  test::SpuOptions options;
  options.StopSequence = stop;  // the stop sequence has delay 100
  return test::EncodeUnit(Bitmap(4, 2, 1), options);
}

TEST_F(SubtitleTimingRunTest, TimesFollowTheTitleAcrossFilesAndAPtsJump) {
  // File 1: VOBU at 1 s, subtitle at PTS 1.5 s. File 2: a new cell whose PTS restart at 10 s,
  // subtitle 0.5 s into it, without a stop command, and forced.
  test::PackWriter first;
  first.AddNavPack(90000, 180000);
  first.AddVideoPack(90000);
  first.AddUnit(SmallUnit(true), 0x20, 135000);
  test::PackWriter second;
  second.AddNavPack(900000, 990000);
  second.AddVideoPack(900000);
  std::vector<std::uint8_t> forced = SmallUnit(false);
  const std::size_t control = (forced[2] << 8) | forced[3];
  ASSERT_EQ(forced[control + 4 + 3 + 3 + 7 + 5], 0x01);
  forced[control + 4 + 3 + 3 + 7 + 5] = 0x00;
  second.AddUnit(forced, 0x20, 945000);
  const auto found = WalkAll({Write("a.vob", first), Write("b.vob", second)});
  ASSERT_EQ(found.size(), 2u);
  const SubtitleTiming& one = found[0].Result.Timing;
  EXPECT_TRUE(one.Known);
  EXPECT_EQ(one.StartMs, 500);
  // 45000 + 100 x 1024 ticks = 147400 ticks = 1637.8 ms.
  EXPECT_TRUE(one.HasEnd);
  EXPECT_EQ(one.EndMs, 1638);
  EXPECT_FALSE(one.Forced);
  const SubtitleTiming& two = found[1].Result.Timing;
  // The first VOBU ended at title time 1 s; the new cell's 945000 lies 0.5 s after its start.
  EXPECT_EQ(two.StartMs, 1500);
  EXPECT_FALSE(two.HasEnd);
  EXPECT_TRUE(two.Forced);
  // The presentation time shown in the window still comes from the raw PTS.
  EXPECT_EQ(found[1].Result.Time.Seconds, 10);
}

TEST_F(SubtitleTimingRunTest, WithoutNavigationTimesTheFirstVideoPtsIsTheOrigin) {
  test::PackWriter writer;
  writer.AddNavPack();  // carries no times
  writer.AddVideoPack(48003);
  writer.AddUnit(SmallUnit(true), 0x20, 48003 + 90000);
  const auto found = WalkAll({Write("a.vob", writer)});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Result.Timing.StartMs, 1000);
  EXPECT_EQ(found[0].Result.Timing.EndMs, 2138);  // + 1137.8 ms
}

const std::string Multifile = QUELM_TEST_DATA "/vob/multifile/";

std::vector<std::string> MultifileVobs() {
  return {Multifile + "VIDEO_TS/VTS_01_1.VOB", Multifile + "VIDEO_TS/VTS_01_2.VOB",
          Multifile + "VIDEO_TS/VTS_01_3.VOB"};
}

// One frame of the 29.97 fps title, in whole milliseconds.
constexpr std::int64_t OneFrameMs = 33;

TEST_F(SubtitleTimingRunTest, SpumuxTitleSetMatchesItsSrtSourcesWithinOneFrame) {
  for (const auto& [stream, srt] : {std::pair{0x20, "en.srt"}, std::pair{0x21, "fr.srt"}}) {
    const std::vector<test::SrtCue> truth = test::ReadSrt(Multifile + srt);
    ASSERT_EQ(truth.size(), 9u);
    const auto found = WalkAll(MultifileVobs(), stream);
    ASSERT_EQ(found.size(), truth.size()) << srt;
    std::int64_t worstStart = 0, worstEnd = 0;
    for (std::size_t i = 0; i < truth.size(); ++i) {
      const SubtitleTiming& timing = found[i].Result.Timing;
      ASSERT_TRUE(timing.Known && timing.HasEnd) << srt << " " << i;
      EXPECT_FALSE(timing.Forced);
      const std::int64_t startError = timing.StartMs - truth[i].StartMs;
      const std::int64_t endError = timing.EndMs - truth[i].EndMs;
      EXPECT_LE(std::llabs(startError), OneFrameMs) << srt << " subtitle " << i + 1;
      EXPECT_LE(std::llabs(endError), OneFrameMs) << srt << " subtitle " << i + 1;
      worstStart = std::max<std::int64_t>(worstStart, std::llabs(startError));
      worstEnd = std::max<std::int64_t>(worstEnd, std::llabs(endError));
    }
    std::cout << srt << ": largest start error " << worstStart << " ms, end error " << worstEnd
              << " ms\n";
  }
}

TEST_F(SubtitleTimingRunTest, AWalkFromTheMiddleOfTheFirstFileKeepsTheTitleOrigin) {
  // Unit 2 of 0x20 starts at 110592 in VTS_01_1.VOB: its times still count from the first frame.
  const std::vector<test::SrtCue> truth = test::ReadSrt(Multifile + "en.srt");
  const auto found = WalkAll(MultifileVobs(), 0x20, 110592);
  ASSERT_EQ(found.size(), 8u);
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_LE(std::llabs(found[i].Result.Timing.StartMs - truth[i + 1].StartMs), OneFrameMs) << i;
    EXPECT_LE(std::llabs(found[i].Result.Timing.EndMs - truth[i + 1].EndMs), OneFrameMs) << i;
  }
}

}  // namespace
}  // namespace quelm
