#include "platform/BmpFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

namespace quelm {
namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class BmpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quelm_bmp_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

// 2 x 2, 24 bits, top-down (height -2). Rows are padded to 8 bytes.
// Row 0: red, green; row 1: blue, white.
const unsigned char TopDown24[] = {
    'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,            // file header
    40, 0, 0, 0, 2, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 24, 0,  // size, w, h=-2, planes, bits
    0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0,                  // B,G,R: red, green
    0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0,                  // blue, white
};

// 3 x 2, 1 bit, bottom-up, palette white (index 0) then black (index 1).
// Bottom row bits 101, top row bits 010.
const unsigned char BottomUp1[] = {
    'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,
    40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0,
    0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
    0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0,  // palette
    0xA0, 0, 0, 0,                    // bottom row: 1 0 1
    0x40, 0, 0, 0,                    // top row: 0 1 0
};

TEST_F(BmpFileTest, ReadsHandMadeFilesTopDownAndBottomUp) {
  BmpReadResult r = ReadBmpFromMemory(TopDown24, sizeof TopDown24, "td.bmp");
  ASSERT_TRUE(r.Outcome.Ok) << r.Outcome.Message;
  ASSERT_EQ(r.Image.Width(), 2);
  ASSERT_EQ(r.Image.Height(), 2);
  EXPECT_EQ(r.Image.Pixel(0, 0), 0x0000FFu);  // red in the low byte
  EXPECT_EQ(r.Image.Pixel(1, 0), 0x00FF00u);
  EXPECT_EQ(r.Image.Pixel(0, 1), 0xFF0000u);
  EXPECT_EQ(r.Image.Pixel(1, 1), 0xFFFFFFu);

  r = ReadBmpFromMemory(BottomUp1, sizeof BottomUp1, "bu.bmp");
  ASSERT_TRUE(r.Outcome.Ok) << r.Outcome.Message;
  const std::vector<Color> expected = {ColorWhite, ColorBlack, ColorWhite,
                                       ColorBlack, ColorWhite, ColorBlack};
  EXPECT_EQ(r.Image.Pixels(), expected);
}

TEST_F(BmpFileTest, EveryTruncationOfAValidFileFailsCleanly) {
  for (std::size_t n = 0; n < sizeof BottomUp1; ++n) {
    const BmpReadResult r = ReadBmpFromMemory(BottomUp1, n, "cut.bmp");
    EXPECT_FALSE(r.Outcome.Ok) << n;
    EXPECT_EQ(r.Outcome.Message.rfind("cut.bmp: ", 0), 0u) << r.Outcome.Message;
    EXPECT_TRUE(r.Image.IsEmpty());
  }
}

TEST_F(BmpFileTest, RandomlyDamagedHeadersNeverReadOutOfBounds) {
  // Run under the sanitizers; a failure here is a crash or an out-of-bounds read.
  std::mt19937 rng(11);
  for (const auto& source : {std::vector<unsigned char>(BottomUp1, BottomUp1 + sizeof BottomUp1),
                             std::vector<unsigned char>(TopDown24, TopDown24 + sizeof TopDown24)}) {
    for (int i = 0; i < 3000; ++i) {
      std::vector<unsigned char> bytes = source;
      const int flips = 1 + static_cast<int>(rng() % 4);
      for (int k = 0; k < flips; ++k) bytes[rng() % 62] = static_cast<unsigned char>(rng());
      const BmpReadResult r = ReadBmpFromMemory(bytes.data(), bytes.size(), "f.bmp");
      if (r.Outcome.Ok) {
        EXPECT_FALSE(r.Image.IsEmpty());
      } else {
        EXPECT_TRUE(r.Image.IsEmpty());
      }
    }
  }
}

TEST_F(BmpFileTest, RoundTripsAtEveryWrittenDepth) {
  // 13 wide so that 1-bit and 4-bit rows end inside a byte and need padding.
  Bitmap bw(13, 5, ColorWhite);
  for (int x = 0; x < 13; ++x) bw.SetPixel(x, x % 5, ColorBlack);
  Bitmap four(13, 5, 0xC8C8C8);
  four.SetPixel(0, 0, 0x686868);
  four.SetPixel(12, 4, ColorWhite);
  four.SetPixel(5, 2, ColorBlack);
  Bitmap full(13, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 13; ++x) full.SetPixel(x, y, RgbToColor(x * 19, y * 51, 255 - x * 7));

  for (const auto& [image, bits] : {std::pair{bw, 1}, {bw, 4}, {bw, 24}, {four, 4}, {four, 24},
                                    {full, 24}}) {
    const std::string path = (dir_ / ("rt" + std::to_string(bits) + ".bmp")).string();
    ASSERT_TRUE(WriteBmp(path, image, bits).Ok);
    const BmpReadResult back = ReadBmp(path);
    ASSERT_TRUE(back.Outcome.Ok) << back.Outcome.Message;
    EXPECT_EQ(back.Image, image) << bits;
    EXPECT_EQ(Slurp(path)[28], bits);
  }
}

TEST_F(BmpFileTest, OneBitSplitsByLuminanceAndFourBitReducesExtraColoursToNearest) {
  Bitmap grey(4, 1);
  grey.SetPixel(0, 0, RgbToColor(128, 128, 128));  // luminance 128: white
  grey.SetPixel(1, 0, RgbToColor(127, 127, 127));
  grey.SetPixel(2, 0, RgbToColor(255, 0, 0));  // 76: black
  grey.SetPixel(3, 0, RgbToColor(0, 255, 0));  // 150: white
  const std::string p1 = (dir_ / "g.bmp").string();
  ASSERT_TRUE(WriteBmp(p1, grey, 1).Ok);
  EXPECT_EQ(ReadBmp(p1).Image.Pixels(),
            (std::vector<Color>{ColorWhite, ColorBlack, ColorBlack, ColorWhite}));

  Bitmap many(17, 1);
  for (int x = 0; x < 16; ++x) many.SetPixel(x, 0, RgbToColor(x * 16, 0, 0));
  many.SetPixel(16, 0, RgbToColor(250, 3, 0));  // nearest of the sixteen: (240, 0, 0)
  const std::string p4 = (dir_ / "m.bmp").string();
  ASSERT_TRUE(WriteBmp(p4, many, 4).Ok);
  const Bitmap back = ReadBmp(p4).Image;
  for (int x = 0; x < 16; ++x) EXPECT_EQ(back.Pixel(x, 0), RgbToColor(x * 16, 0, 0));
  EXPECT_EQ(back.Pixel(16, 0), RgbToColor(240, 0, 0));
}

TEST_F(BmpFileTest, WriteFailuresNameTheFileAndKeepTheOldOne) {
  const Bitmap b(2, 2, ColorWhite);
  const std::string missingDir = (dir_ / "no" / "such" / "x.bmp").string();
  Status s = WriteBmp(missingDir, b, 1);
  EXPECT_FALSE(s.Ok);
  EXPECT_EQ(s.Message, "Cannot create file " + missingDir);

  EXPECT_FALSE(WriteBmp((dir_ / "e.bmp").string(), Bitmap(), 1).Ok);
  EXPECT_FALSE(WriteBmp((dir_ / "e.bmp").string(), b, 8).Ok);

  const std::string target = (dir_ / "keep.bmp").string();
  ASSERT_TRUE(WriteBmp(target, b, 24).Ok);
  const auto before = Slurp(target);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_FALSE(WriteBmp(target, Bitmap(3, 3), 24).Ok);
    EXPECT_EQ(Slurp(target), before);
  }
  fs::permissions(dir_, fs::perms::owner_all);
  const std::string asDir = (dir_ / "sub").string();
  fs::create_directory(asDir);
  EXPECT_FALSE(WriteBmp(asDir, b, 1).Ok);
  EXPECT_TRUE(fs::is_directory(asDir));
}

// Files written by ffmpeg, against ffmpeg's own decoding of them to raw RGB.
TEST_F(BmpFileTest, ReadsFilesWrittenByAnotherToolAsThatToolDecodesThem) {
  for (const char* name : {"ffmpeg_bgr24", "ffmpeg_bgra", "ffmpeg_pal8", "ffmpeg_monob"}) {
    const fs::path base = fs::path(QUELM_TEST_DATA) / "bmp" / name;
    const BmpReadResult r = ReadBmp(base.string() + ".bmp");
    ASSERT_TRUE(r.Outcome.Ok) << r.Outcome.Message;
    const auto rgb = Slurp(base.string() + ".rgb");
    ASSERT_EQ(r.Image.Width(), 19);
    ASSERT_EQ(r.Image.Height(), 7);
    ASSERT_EQ(rgb.size(), 19u * 7u * 3u);
    int mismatches = 0;
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 19; ++x) {
        const std::size_t o = 3 * (static_cast<std::size_t>(y) * 19 + x);
        if (r.Image.Pixel(x, y) != RgbToColor(rgb[o], rgb[o + 1], rgb[o + 2])) ++mismatches;
      }
    EXPECT_EQ(mismatches, 0) << name;
  }
}

TEST_F(BmpFileTest, MalformedFilesAreRejectedWithTheFileAndFaultNamed) {
  const fs::path dir = fs::path(QUELM_TEST_DATA) / "bmp" / "malformed";
  int seen = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    ++seen;
    const std::string path = entry.path().string();
    const BmpReadResult r = ReadBmp(path);
    EXPECT_FALSE(r.Outcome.Ok) << path;
    EXPECT_EQ(r.Outcome.Message.rfind(path + ": ", 0), 0u) << r.Outcome.Message;
    EXPECT_GT(r.Outcome.Message.size(), path.size() + 2);
    EXPECT_TRUE(r.Image.IsEmpty());
  }
  EXPECT_GE(seen, 10);
  EXPECT_FALSE(ReadBmp((dir_ / "absent.bmp").string()).Outcome.Ok);
  EXPECT_FALSE(ReadBmp(dir_.string()).Outcome.Ok);
}

}  // namespace
}  // namespace quelm
