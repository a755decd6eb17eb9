// Subpicture decoder: round trips through the test encoder, hand-made units for the code table
// and row mechanics, and damaged units that must end decoding in an orderly way.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "SpuWriter.h"
#include "extraction/SubpictureDecoder.h"

namespace quelm {
namespace {

constexpr Color C0 = 0x101010, C1 = 0x202020, C2 = 0x303030, C3 = 0x404040;
const std::array<Color, 4> Colors{C0, C1, C2, C3};
// Pixel code -> colour entry: codes 1 and 2 are crossed over.
Color ColorOfCode(int code) {
  switch (code) {
    case 0:
      return C0;
    case 1:
      return C2;
    case 2:
      return C1;
    default:
      return C3;
  }
}

// The picture the decoder should give for `codes` with interlace step `step`: display lines
// 0, step, 2 step, ... in the colours of their codes.
Bitmap Expected(const Bitmap& codes, int step) {
  const int rows = (codes.Height() + step - 1) / step;
  Bitmap expected(codes.Width(), rows);
  for (int r = 0; r < rows; ++r) {
    for (int x = 0; x < codes.Width(); ++x) {
      expected.SetPixel(x, r, ColorOfCode(static_cast<int>(codes.Pixel(x, r * step))));
    }
  }
  return expected;
}

Bitmap RandomCodes(std::mt19937& random, int width, int height) {
  Bitmap codes(width, height, 0);
  // Long runs as well as single pixels, like real text with outlines.
  std::uniform_int_distribution<int> code(0, 3), runLength(1, 300), chance(0, 3);
  for (int y = 0; y < height; ++y) {
    int x = 0;
    while (x < width) {
      const int c = chance(random) == 0 ? 0 : code(random);
      const int length = chance(random) == 0 ? runLength(random) : 1 + runLength(random) % 6;
      for (int i = 0; i < length && x < width; ++i, ++x) codes.SetPixel(x, y, c);
    }
  }
  return codes;
}

struct Decoded {
  bool Ok = false;
  Bitmap Image;
};

Decoded Decode(const std::vector<std::uint8_t>& unit, int step = 1) {
  SubpictureDecoder decoder;
  Decoded out;
  out.Ok = decoder.TryToMakeBitmap(unit, step, Colors, out.Image);
  return out;
}

// A unit with hand-written pixel bytes: top field at 4, bottom field after it, then one control
// sequence with display area width x height and the field offsets.
std::vector<std::uint8_t> HandUnit(int width, int height, const std::vector<std::uint8_t>& top,
                                   const std::vector<std::uint8_t>& bottom) {
  std::vector<std::uint8_t> unit = {0, 0, 0, 0};
  unit.insert(unit.end(), top.begin(), top.end());
  const int bottomOffset = static_cast<int>(unit.size());
  unit.insert(unit.end(), bottom.begin(), bottom.end());
  const int control = static_cast<int>(unit.size());
  const int x2 = width - 1, y2 = height - 1;
  const std::vector<std::uint8_t> table = {0x00,
                                           0x00,
                                           static_cast<std::uint8_t>(control >> 8),
                                           static_cast<std::uint8_t>(control),
                                           0x05,
                                           0x00,
                                           static_cast<std::uint8_t>(x2 >> 8),
                                           static_cast<std::uint8_t>(x2),
                                           0x00,
                                           static_cast<std::uint8_t>(y2 >> 8),
                                           static_cast<std::uint8_t>(y2),
                                           0x06,
                                           0x00,
                                           0x04,
                                           static_cast<std::uint8_t>(bottomOffset >> 8),
                                           static_cast<std::uint8_t>(bottomOffset),
                                           0x01,
                                           0xFF};
  unit.insert(unit.end(), table.begin(), table.end());
  unit[0] = static_cast<std::uint8_t>(unit.size() >> 8);
  unit[1] = static_cast<std::uint8_t>(unit.size());
  unit[2] = static_cast<std::uint8_t>(control >> 8);
  unit[3] = static_cast<std::uint8_t>(control);
  return unit;
}

std::vector<Color> RowOf(const Bitmap& image, int y) {
  std::vector<Color> row;
  for (int x = 0; x < image.Width(); ++x) row.push_back(image.Pixel(x, y));
  return row;
}

TEST(SubpictureDecoderTest, RandomPicturesRoundTripAtEveryInterlaceStep) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> side(1, 90);
  for (int round = 0; round < 300; ++round) {
    const Bitmap codes = RandomCodes(random, side(random) * (round % 7 == 0 ? 8 : 1), side(random));
    test::SpuOptions options;
    options.Ending = round % 2 == 0 ? test::RowEnding::Runs : test::RowEnding::Code;
    options.RowEndColorBits = round % 4;
    options.OffsetsFirst = round % 3 == 0;
    options.X = round % 50;
    options.Y = round % 30;
    const std::vector<std::uint8_t> unit = test::EncodeUnit(codes, options);
    for (int step = 1; step <= 4; ++step) {
      const Decoded decoded = Decode(unit, step);
      ASSERT_TRUE(decoded.Ok);
      ASSERT_EQ(decoded.Image, Expected(codes, step))
          << "round " << round << " step " << step << " size " << codes.Width() << "x"
          << codes.Height();
    }
  }
}

TEST(SubpictureDecoderTest, RowsEndedByRunsAloneStayInStepWhenRowsAreSkipped) {
  // Every row ends by reaching the width, never by a row-end code; with a step above 1 the
  // undrawn rows must end at the width too, or the fields slide out of step.
  Bitmap codes(10, 6, 0);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 10; ++x) codes.SetPixel(x, y, (x + y) % 4);
  }
  const std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  const Decoded step2 = Decode(unit, 2);
  ASSERT_EQ(step2.Image.Width(), 10);
  ASSERT_EQ(step2.Image.Height(), 3);
  // Row 2 of the picture starts with code 2 (drawn in entry 1), row 4 with code 0.
  EXPECT_EQ(step2.Image.Pixel(0, 1), C1);
  EXPECT_EQ(step2.Image.Pixel(0, 2), C0);
  EXPECT_EQ(step2.Image.Pixel(1, 2), C2);
  const Decoded step3 = Decode(unit, 3);
  ASSERT_EQ(step3.Image.Height(), 2);
  EXPECT_EQ(step3.Image.Pixel(0, 1), C3);  // line 3: code 3
}

TEST(SubpictureDecoderTest, AreaOf720By100GivesFullAndHalfHeight) {
  Bitmap codes(720, 100, 0);
  for (int x = 0; x < 720; ++x) codes.SetPixel(x, 51, 3);
  const std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  const Decoded full = Decode(unit);
  EXPECT_EQ(full.Image.Width(), 720);
  EXPECT_EQ(full.Image.Height(), 100);
  EXPECT_EQ(full.Image.Pixel(719, 51), C3);
  const Decoded half = Decode(unit, 2);
  EXPECT_EQ(half.Image.Width(), 720);
  EXPECT_EQ(half.Image.Height(), 50);
  // Line 51 lies in the bottom field, which step 2 decodes but does not draw.
  for (int y = 0; y < 50; ++y) EXPECT_EQ(half.Image.Pixel(700, y), C0) << y;
}

TEST(SubpictureDecoderTest, CommandTableInOtherOrderWithSecondSequence) {
  // 0x06, 0x05, 0x03, 0x04, 0x01, 0xFF and then a second sequence 0x02, 0xFF.
  Bitmap codes(5, 2, 1);
  codes.SetPixel(4, 1, 2);
  test::SpuOptions options;
  options.OffsetsFirst = true;
  options.StopSequence = true;
  const std::vector<std::uint8_t> unit = test::EncodeUnit(codes, options);
  const std::size_t control = (unit[2] << 8) | unit[3];
  ASSERT_EQ(unit[control + 4], 0x06);
  ASSERT_EQ(unit[control + 9], 0x05);
  const Decoded decoded = Decode(unit);
  ASSERT_TRUE(decoded.Ok);
  EXPECT_EQ(decoded.Image, Expected(codes, 1));
}

TEST(SubpictureDecoderTest, InvalidCommandIsReportedAndLeavesAreaUndrawn) {
  Bitmap codes(7, 3, 3);
  std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  const std::size_t control = (unit[2] << 8) | unit[3];
  // Table: 03 xx xx 04 xx xx 05 (6) 06 (4) 01 FF; put 0x08, a code DVDs do not define, in place
  // of 0x01. (This test used 0x00 until 0x00 was read as the forced start it is.)
  const std::size_t startDisplay = control + 4 + 3 + 3 + 7 + 5;
  ASSERT_EQ(unit[startDisplay], 0x01);
  unit[startDisplay] = 0x08;
  const Decoded decoded = Decode(unit);
  EXPECT_FALSE(decoded.Ok);
  // The area set before the bad command stays; nothing of code 3 was drawn.
  EXPECT_EQ(decoded.Image.Width(), 7);
  EXPECT_EQ(decoded.Image.Height(), 3);
  for (Color c : decoded.Image.Pixels()) EXPECT_NE(c, C3);
}

TEST(SubpictureDecoderTest, InvalidCommandBeforeAreaGivesEmptyBitmap) {
  Bitmap codes(7, 3, 3);
  std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  const std::size_t control = (unit[2] << 8) | unit[3];
  unit[control + 4] = 0x0A;
  const Decoded decoded = Decode(unit);
  EXPECT_FALSE(decoded.Ok);
  EXPECT_TRUE(decoded.Image.IsEmpty());
}

TEST(SubpictureDecoderTest, ForcedStartAndColourChangeCommandsDecodeLikeAPlainUnit) {
  // 0x00 (forced start of display) in place of 0x01, and a 0x07 command before it whose
  // parameters would read as invalid commands if they were not skipped by its length field.
  Bitmap codes(6, 4, 1);
  codes.SetPixel(2, 3, 3);
  test::SpuOptions options;
  options.StopSequence = false;
  std::vector<std::uint8_t> unit = test::EncodeUnit(codes, options);
  const std::size_t control = (unit[2] << 8) | unit[3];
  const std::size_t startDisplay = control + 4 + 3 + 3 + 7 + 5;
  ASSERT_EQ(unit[startDisplay], 0x01);
  unit[startDisplay] = 0x00;
  // Length 6 counts its own two bytes: four bytes of area and colour data follow.
  const std::vector<std::uint8_t> colourChange = {0x07, 0x00, 0x06, 0xFE, 0x0B, 0x0C, 0x0D};
  unit.insert(unit.begin() + static_cast<std::ptrdiff_t>(startDisplay), colourChange.begin(),
              colourChange.end());
  unit[0] = static_cast<std::uint8_t>(unit.size() >> 8);
  unit[1] = static_cast<std::uint8_t>(unit.size());
  const Decoded decoded = Decode(unit);
  EXPECT_TRUE(decoded.Ok);
  EXPECT_EQ(decoded.Image, Expected(codes, 1));
}

TEST(SubpictureDecoderTest, ColourChangeWithALengthBelowTwoEndsTheTable) {
  // 07 00 01 cannot move past itself; the table ends there, before the area is set.
  const std::vector<std::uint8_t> unit = {0x00, 0x0D, 0x00, 0x04, 0x00, 0x00, 0x00,
                                          0x04, 0x07, 0x00, 0x01, 0x01, 0xFF};
  const Decoded decoded = Decode(unit);
  EXPECT_TRUE(decoded.Ok);
  EXPECT_TRUE(decoded.Image.IsEmpty());
}

TEST(SubpictureDecoderTest, UnitWithoutDisplayAreaGivesEmptyBitmap) {
  // size 10, control at 4: header, then 01 FF.
  const std::vector<std::uint8_t> unit = {0x00, 0x0A, 0x00, 0x04, 0x00,
                                          0x00, 0x00, 0x04, 0x01, 0xFF};
  const Decoded decoded = Decode(unit);
  EXPECT_TRUE(decoded.Ok);
  EXPECT_EQ(decoded.Image.Width(), 0);
  EXPECT_EQ(decoded.Image.Height(), 0);
}

TEST(SubpictureDecoderTest, SingleNibbleCodesDrawInCrossedColours) {
  // Nibbles 4 | 5 | 6 | F | 0 0 0 0 | (skip): 1 px code 0, 1 px code 1, 1 px code 2, 3 px code 3.
  const Decoded decoded = Decode(HandUnit(8, 1, {0x45, 0x6F, 0x00, 0x00}, {}));
  ASSERT_TRUE(decoded.Ok);
  ASSERT_EQ(decoded.Image.Height(), 1);
  EXPECT_EQ(RowOf(decoded.Image, 0), (std::vector<Color>{C0, C2, C1, C3, C3, C3, C0, C0}));
}

TEST(SubpictureDecoderTest, LongerCodesGiveTheirRunLengths) {
  // 0x1D: 7 px code 1 | 0x04E: 19 px code 2 | 0x0107: 65 px code 3 | row end.
  const Decoded decoded = Decode(HandUnit(100, 1, {0x1D, 0x04, 0xE0, 0x10, 0x70, 0x00, 0x00}, {}));
  ASSERT_EQ(decoded.Image.Height(), 1);
  const std::vector<Color> row = RowOf(decoded.Image, 0);
  for (int x = 0; x < 7; ++x) EXPECT_EQ(row[x], C2) << x;
  for (int x = 7; x < 26; ++x) EXPECT_EQ(row[x], C1) << x;
  for (int x = 26; x < 91; ++x) EXPECT_EQ(row[x], C3) << x;
  for (int x = 91; x < 100; ++x) EXPECT_EQ(row[x], C0) << x;
}

TEST(SubpictureDecoderTest, RowEndCodesFillTheRestWithEntryZero) {
  // Each row: F (3 px code 3) then a four-nibble row end, then the skipped nibble.
  // 0x0000, 0x0050 (length 20 in four nibbles) and 0x0003 (colour bits ignored) all end the row.
  for (const std::vector<std::uint8_t>& top :
       {std::vector<std::uint8_t>{0xF0, 0x00, 0x0F}, std::vector<std::uint8_t>{0xF0, 0x05, 0x0F},
        std::vector<std::uint8_t>{0xF0, 0x00, 0x3F}}) {
    const Decoded decoded = Decode(HandUnit(6, 1, top, {}));
    ASSERT_EQ(decoded.Image.Height(), 1);
    EXPECT_EQ(RowOf(decoded.Image, 0), (std::vector<Color>{C3, C3, C3, C0, C0, C0}))
        << int(top[1]) << " " << int(top[2]);
  }
}

TEST(SubpictureDecoderTest, RowEndInMidByteRealignsAndNextRowComesFromOtherField) {
  // Top field: 7 (1 px code 3), row end 0000, then a stray nibble F that must be skipped; the
  // third row (top field again) starts on the next byte: 6 (1 px code 2), row end.
  // Bottom field: 5 (1 px code 1), row end, stray nibble.
  const std::vector<std::uint8_t> top = {0x70, 0x00, 0x0F, 0x60, 0x00, 0x0F};
  const std::vector<std::uint8_t> bottom = {0x50, 0x00, 0x0F};
  const Decoded decoded = Decode(HandUnit(3, 3, top, bottom));
  ASSERT_EQ(decoded.Image.Height(), 3);
  EXPECT_EQ(RowOf(decoded.Image, 0), (std::vector<Color>{C3, C0, C0}));
  EXPECT_EQ(RowOf(decoded.Image, 1), (std::vector<Color>{C2, C0, C0}));
  EXPECT_EQ(RowOf(decoded.Image, 2), (std::vector<Color>{C1, C0, C0}));
}

TEST(SubpictureDecoderTest, RunPastTheEdgeEndsTheRowWithByteAlignment) {
  // Width 4. Top row: D (3 px code 1), 16 (5 px code 2: passes the edge), the nibble after it
  // is skipped; the next top row starts on byte 2: F (3 px code 3), 4 (1 px code 0).
  const std::vector<std::uint8_t> top = {0xD1, 0x6A, 0xF4};
  const std::vector<std::uint8_t> bottom = {0xF4};
  const Decoded decoded = Decode(HandUnit(4, 3, top, bottom));
  ASSERT_EQ(decoded.Image.Height(), 3);
  EXPECT_EQ(RowOf(decoded.Image, 0), (std::vector<Color>{C2, C2, C2, C1}));
  EXPECT_EQ(RowOf(decoded.Image, 1), (std::vector<Color>{C3, C3, C3, C0}));
  EXPECT_EQ(RowOf(decoded.Image, 2), (std::vector<Color>{C3, C3, C3, C0}));
}

TEST(SubpictureDecoderTest, PixelDataEndingEarlyKeepsTheRowsDrawn) {
  // Layout: header | bottom field (4 rows) | control table (UnitSize ends here) | top field
  // with two whole rows and the first byte of a third, then the buffer ends. Rows 0..3 decode,
  // row 4 runs out of the buffer: four rows are kept and nothing is read past the end.
  Bitmap codes(16, 8, 2);
  const std::vector<std::uint8_t> row = test::EncodeRow(codes, 0, {});
  ASSERT_GE(row.size(), 2u);
  std::vector<std::uint8_t> unit = {0, 0, 0, 0};
  for (int i = 0; i < 4; ++i) unit.insert(unit.end(), row.begin(), row.end());
  const int control = static_cast<int>(unit.size());
  const int top = control + 17;
  const std::vector<std::uint8_t> table = {0,
                                           0,
                                           static_cast<std::uint8_t>(control >> 8),
                                           static_cast<std::uint8_t>(control),
                                           0x05,
                                           0,
                                           0,
                                           15,
                                           0,
                                           0,
                                           7,
                                           0x06,
                                           static_cast<std::uint8_t>(top >> 8),
                                           static_cast<std::uint8_t>(top),
                                           0,
                                           4,
                                           0xFF};
  unit.insert(unit.end(), table.begin(), table.end());
  unit[0] = static_cast<std::uint8_t>(unit.size() >> 8);
  unit[1] = static_cast<std::uint8_t>(unit.size());
  unit[2] = static_cast<std::uint8_t>(control >> 8);
  unit[3] = static_cast<std::uint8_t>(control);
  ASSERT_EQ(static_cast<int>(unit.size()), top);
  unit.insert(unit.end(), row.begin(), row.end());
  unit.insert(unit.end(), row.begin(), row.end());
  unit.push_back(row[0]);
  const Decoded decoded = Decode(unit);
  ASSERT_TRUE(decoded.Ok);
  ASSERT_EQ(decoded.Image.Width(), 16);
  ASSERT_EQ(decoded.Image.Height(), 4);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(RowOf(decoded.Image, y), std::vector<Color>(16, C1));
}

TEST(SubpictureDecoderTest, FieldOffsetOutsideTheUnitDrawsNothing) {
  Bitmap codes(12, 4, 3);
  std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  const std::size_t control = (unit[2] << 8) | unit[3];
  // 03 .. 04 .. 05 ...... 06: top field offset := 0xFFF0, far beyond the unit.
  const std::size_t offsets = control + 4 + 3 + 3 + 7;
  ASSERT_EQ(unit[offsets], 0x06);
  unit[offsets + 1] = 0xFF;
  unit[offsets + 2] = 0xF0;
  const Decoded decoded = Decode(unit);
  EXPECT_TRUE(decoded.Ok);
  EXPECT_TRUE(decoded.Image.IsEmpty());
}

TEST(SubpictureDecoderTest, CommandParametersCutOffByTheBufferEndTheTable) {
  // 0x05 as the very last byte, its parameters missing: the table ends there, no area.
  const std::vector<std::uint8_t> areaCut = {0x00, 0x09, 0x00, 0x04, 0, 0, 0, 4, 0x05};
  EXPECT_TRUE(Decode(areaCut).Image.IsEmpty());
  // 0x06 with two of its four parameters.
  const std::vector<std::uint8_t> offsetsCut = {0x00, 0x0B, 0x00, 0x04, 0,   0,
                                                0,    4,    0x06, 0x00, 0x04};
  EXPECT_TRUE(Decode(offsetsCut).Image.IsEmpty());
  // UnitSize larger than the buffer, control offset beyond it, units of 0..3 bytes.
  EXPECT_TRUE(Decode({0xFF, 0xFF, 0xFF, 0xF0}).Image.IsEmpty());
  EXPECT_TRUE(Decode({}).Image.IsEmpty());
  EXPECT_TRUE(Decode({0x00, 0x03, 0x00}).Image.IsEmpty());
}

TEST(SubpictureDecoderTest, HugeAreaClaimOnTinyUnitFinishesFast) {
  // Area 0..4095 x 0..4095, field offsets pointing at a few row-end codes.
  const std::vector<std::uint8_t> unit = {
      0x00, 0x1A, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00,  // 4 bytes of pixel data: two row ends
      0x00, 0x00, 0x00, 0x08,                          // sequence header
      0x05, 0x00, 0x0F, 0xFF, 0x00, 0x0F, 0xFF,        // area 4096 x 4096
      0x06, 0x00, 0x04, 0x00, 0x06, 0x01, 0xFF};
  const auto start = std::chrono::steady_clock::now();
  const Decoded decoded = Decode(unit);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(decoded.Ok);
  EXPECT_EQ(decoded.Image.Width(), 4096);
  // Rows 0 and 1 end by their row-end codes; later rows run into the table and the buffer end.
  EXPECT_GE(decoded.Image.Height(), 2);
  EXPECT_LE(decoded.Image.Height(), 40);
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(SubpictureDecoderTest, RandomUnitsNeverReadOutsideTheBuffer) {
  // Runs under the sanitizers in CI: any read past the buffer is a failure there.
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 600);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> unit(static_cast<std::size_t>(length(random)));
    for (auto& b : unit) b = static_cast<std::uint8_t>(byte(random));
    if (unit.size() >= 4 && round % 2 == 0) {
      // Plausible header and a table with an area and offsets, so that pixel decoding starts.
      const int control = 4 + byte(random) % std::max<int>(1, static_cast<int>(unit.size()) - 4);
      unit[0] = static_cast<std::uint8_t>(unit.size() >> 8);
      unit[1] = static_cast<std::uint8_t>(unit.size());
      unit[2] = static_cast<std::uint8_t>(control >> 8);
      unit[3] = static_cast<std::uint8_t>(control);
      // Mostly small areas: an area with a bad command after it is allocated in full.
      const bool huge = round % 500 == 0;
      const std::uint8_t x2 = huge ? 0xFF : static_cast<std::uint8_t>(byte(random));
      const std::uint8_t y2 = huge ? 0xFF : static_cast<std::uint8_t>(byte(random));
      const std::uint8_t high = huge ? 0x0F : 0x00;
      const std::uint8_t table[] = {0,    0,  0,    0,    0x05, 0x00, high, x2,  0x00,
                                    high, y2, 0x06, 0x00, 0x04, 0x00, 0x05, 0xFF};
      for (std::size_t i = 0; i < sizeof table && control + i < unit.size(); ++i) {
        unit[control + i] = table[i];
      }
    }
    const Decoded decoded = Decode(unit, 1 + round % 4);
    EXPECT_LE(decoded.Image.Width(), 4096);
    EXPECT_LE(decoded.Image.Height(), 4096);
  }
}

TEST(SubpictureDecoderTest, FullSizeGarbageUnitWithHugeArea) {
  std::mt19937 random(99);
  std::vector<std::uint8_t> unit(65535);
  for (auto& b : unit) b = static_cast<std::uint8_t>(random());
  const std::uint8_t table[] = {0,    0,    0,    0,    0x05, 0x00, 0x0F, 0xFF, 0x00,
                                0x0F, 0xFF, 0x06, 0x00, 0x04, 0x7F, 0x00, 0xFF};
  const int control = 65535 - static_cast<int>(sizeof table);
  std::copy(std::begin(table), std::end(table), unit.begin() + control);
  unit[0] = unit[1] = 0xFF;
  unit[2] = static_cast<std::uint8_t>(control >> 8);
  unit[3] = static_cast<std::uint8_t>(control);
  const auto start = std::chrono::steady_clock::now();
  const Decoded decoded = Decode(unit);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(decoded.Ok);
  EXPECT_EQ(decoded.Image.Width(), 4096);
  EXPECT_LE(decoded.Image.Height(), 4096);
}

TEST(SubpictureDecoderTest, ProgressRunsFromZeroToTheBytesRead) {
  Bitmap codes(30, 4, 1);
  const std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  const int control = (unit[2] << 8) | unit[3];
  SubpictureDecoder decoder;
  std::vector<std::pair<int, int>> reports;
  decoder.Progress = [&](int position, int maximum) { reports.emplace_back(position, maximum); };
  Bitmap image;
  ASSERT_TRUE(decoder.TryToMakeBitmap(unit, 1, Colors, image));
  ASSERT_GE(reports.size(), 2u);
  EXPECT_EQ(reports.front(), std::make_pair(0, control + 2));
  // Every pixel byte of both fields was read once: all bytes from 4 up to the table.
  EXPECT_EQ(reports.back(), std::make_pair(control - 4, control + 2));
}

}  // namespace
}  // namespace quelm
