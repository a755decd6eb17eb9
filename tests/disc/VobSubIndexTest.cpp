// VobSub index reading: the pair mkvextract wrote from the basic title set, a full header, and
// damaged lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disc/VobSubIndex.h"

namespace quelm {
namespace {

const std::string Pair = std::string(QUELM_TEST_DATA) + "/vobsub/basic";

TEST(VobSubIndexTest, ReadsThePairMkvextractWrote) {
  const VobSubIndex index = VobSubIndex::Read(Pair + ".idx");
  EXPECT_TRUE(index.Faults.empty()) << index.Faults.front();
  ASSERT_EQ(index.Streams.size(), 1u);
  EXPECT_EQ(index.StreamLanguageCode(0), "en");
  EXPECT_EQ(index.StreamLanguage16(0), 0x656E);
  const std::vector<VobSubEntry>& entries = index.Streams[0].Entries;
  ASSERT_EQ(entries.size(), 8u);
  EXPECT_EQ(entries[1].TimeMs, 3600);
  EXPECT_EQ(entries[1].FilePosition, 0x800);
  EXPECT_EQ(entries[7].TimeMs, 21500);
  EXPECT_EQ(index.DelayMsAt(0, 0), 0);
  EXPECT_FALSE(index.HasPalette);
  EXPECT_EQ(VobSubIndex::SubBeside(Pair + ".idx"), Pair + ".sub");
  EXPECT_EQ(VobSubIndex::IndexBeside(Pair + ".sub"), Pair + ".idx");
}

TEST(VobSubIndexTest, ReadsSizePaletteCustomColoursStreamsAndDelays) {
  const VobSubIndex index = VobSubIndex::Parse(
      "# VobSub index file, v7 (do not modify this line!)\r\n"
      "size: 720x576\r\n"
      "org: 0, 0\r\n"
      "palette: 000000, ffffff, 808080, 1a2B3c, 000000, 000000, 000000, 000000, "
      "000000, 000000, 000000, 000000, 000000, 000000, 000000, 0000ff\r\n"
      "custom colors: ON, tridx: 1000, colors: 000000, 444444, 888888, cccccc\r\n"
      "delay: 00:00:00:250\r\n"
      "langidx: 0\r\n"
      "id: en, index: 0\r\n"
      "timestamp: 00:00:01:000, filepos: 000000000\r\n"
      "id: DE, index: 3\r\n"
      "delay: -00:00:01:500\r\n"
      "timestamp: 00:00:02:000, filepos: 000000800\r\n"
      "delay: 00:01:00:000\r\n"
      "timestamp: 00:00:09:000, filepos: 00000a000\r\n",
      "movie.idx");
  EXPECT_TRUE(index.Faults.empty()) << index.Faults.front();
  EXPECT_TRUE(index.HasSize);
  EXPECT_EQ(index.Width, 720);
  EXPECT_EQ(index.Height, 576);
  ASSERT_TRUE(index.HasPalette);
  EXPECT_EQ(index.Palette[1], 0xFFFFFFu);
  EXPECT_EQ(index.Palette[3], 0x1A2B3Cu);
  EXPECT_EQ(index.Palette[15], 0x0000FFu);
  EXPECT_TRUE(index.HasCustomColors);
  EXPECT_TRUE(index.CustomColorsOn);
  EXPECT_EQ(index.TransparencyIndex, 8);
  EXPECT_EQ(index.CustomColors[3], 0xCCCCCCu);
  ASSERT_EQ(index.Streams.size(), 2u);
  EXPECT_EQ(index.StreamLanguageCode(3), "de");
  EXPECT_EQ(index.Stream(1), nullptr);
  EXPECT_EQ(index.DelayMsAt(0, 0), 250);
  EXPECT_EQ(index.DelayMsAt(3, 0x800), -1500);
  EXPECT_EQ(index.DelayMsAt(3, 0x9FFF), -1500);
  EXPECT_EQ(index.DelayMsAt(3, 0xA000), 60000);
  EXPECT_EQ(index.Streams[1].Entries[1].TimeMs, 9000);
}

TEST(VobSubIndexTest, DamagedLinesAreNamedAndTheRestReads) {
  const VobSubIndex index = VobSubIndex::Parse(
      "size: 720by576\n"
      "palette: 000000, ffffff\n"
      "timestamp: 00:00:01:000, filepos: 000000000\n"
      "id: en, index: 0\n"
      "timestamp: 00:00:61:000, filepos: 000000800\n"
      "delay: soon\n"
      "id: fr, index: 0\n"
      "this line has no key\n"
      "id: fr, index: 40\n"
      "id: fr, index: 1\n"
      "timestamp: 00:00:02:000, filepos: 00000x800\n"
      "timestamp: 00:00:03:000, filepos: 000001000\n",
      "movie.idx");
  const std::vector<std::string> expected{
      "movie.idx line 1: the size is not WIDTHxHEIGHT (at most 4096x4096); the line is skipped",
      "movie.idx line 2: the palette needs 16 colours of six hex digits; the line is skipped",
      "movie.idx line 3: a timestamp before any 'id:' line; the line is skipped",
      "movie.idx line 5: the timestamp line is not 'timestamp: hh:mm:ss:ms, filepos: HEX'; the "
      "line is skipped",
      "movie.idx line 6: the delay is not [-]hh:mm:ss:ms; the line is skipped",
      "movie.idx line 7: stream index 0 is named twice; the line is skipped",
      "movie.idx line 8: not a 'key: value' line; the line is skipped",
      "movie.idx line 9: the id line is not 'id: LANGUAGE, index: 0..31'; the line is skipped",
      "movie.idx line 11: the timestamp line is not 'timestamp: hh:mm:ss:ms, filepos: HEX'; the "
      "line is skipped"};
  EXPECT_EQ(index.Faults, expected);
  EXPECT_FALSE(index.HasSize);
  EXPECT_FALSE(index.HasPalette);
  ASSERT_EQ(index.Streams.size(), 2u);
  EXPECT_EQ(index.StreamLanguageCode(0), "en");
  EXPECT_EQ(index.StreamLanguageCode(1), "fr");
  ASSERT_EQ(index.Streams[1].Entries.size(), 1u);
  EXPECT_EQ(index.Streams[1].Entries[0].FilePosition, 0x1000);
}

TEST(VobSubIndexTest, BinaryBytesGiveAFewFaultsAndACount) {
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes += std::string("\x00\xff\n", 3);
  const VobSubIndex index = VobSubIndex::Parse(bytes, "movie.sub");
  ASSERT_EQ(index.Faults.size(), VobSubIndex::MaxFaults + 1);
  EXPECT_EQ(index.Faults.back(), "movie.sub: 80 more damaged lines of 100");
  EXPECT_TRUE(index.Streams.empty());
}

}  // namespace
}  // namespace quelm
