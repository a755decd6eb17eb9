// Writes a large synthetic VOB for the scan benchmark: about 5 Mbit/s of video packs, AC-3
// audio, navigation packs and two subtitle streams with a text-like subtitle every 3 seconds.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "SpuWriter.h"

namespace {

// Glyph-like blobs of code 1 with a two-pixel code 2 outline on background 0.
quelm::Bitmap TextLikeCodes(std::mt19937& random, int width, int height) {
  quelm::Bitmap codes(width, height, 0);
  int x = 4;
  while (x + 24 < width) {
    const int glyphWidth = 6 + static_cast<int>(random() % 14);
    const int top = 4 + static_cast<int>(random() % 10);
    const int bottom = height - 4 - static_cast<int>(random() % 6);
    for (int y = top - 2; y < bottom + 2; ++y) {
      for (int gx = x - 2; gx < x + glyphWidth + 2; ++gx) {
        const bool inside = y >= top && y < bottom && gx >= x && gx < x + glyphWidth;
        const bool hole = inside && (gx - x) % 5 == 2 && (y - top) % 7 < 3;
        codes.SetPixel(gx, y, inside && !hole ? 1 : 2);
      }
    }
    x += glyphWidth + 6 + static_cast<int>(random() % 8);
  }
  return codes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: make_bench_vob OUTPUT MEGABYTES [SECONDS_BETWEEN_SUBTITLES]\n");
    return 2;
  }
  const std::string path = argv[1];
  const long long target = std::atoll(argv[2]) * 1024LL * 1024LL;
  // One subtitle every 3 s by default; the conversion benchmark wants a film's 1,500 in 1 GB.
  const int every = argc == 4 ? std::atoi(argv[3]) : 3;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr || target <= 0 || every < 1) {
    std::fprintf(stderr, "make_bench_vob: cannot write %s\n", path.c_str());
    return 1;
  }

  std::mt19937 random(2024);
  std::vector<std::vector<std::uint8_t>> units;
  for (int i = 0; i < 16; ++i) {
    units.push_back(quelm::test::EncodeUnit(TextLikeCodes(random, 520, i % 3 == 0 ? 110 : 56)));
  }

  constexpr std::uint64_t Second = 90000;
  constexpr int VideoPacksPerSecond = 290;
  constexpr int AudioPacksPerSecond = 12;
  long long written = 0;
  int subtitles = 0;
  for (std::uint64_t second = 0; written < target; ++second) {
    quelm::test::PackWriter writer;
    const std::uint64_t base = Second + second * Second;
    writer.AddNavPack();
    for (int p = 0; p < VideoPacksPerSecond; ++p) {
      writer.AddVideoPack(p % 12 == 0 ? std::optional<std::uint64_t>(base + p * 3003 / 12)
                                      : std::nullopt);
      if (p % (VideoPacksPerSecond / AudioPacksPerSecond) == 0) {
        writer.AddAc3Pack(base + static_cast<std::uint64_t>(p) * 300);
      }
      if (second % static_cast<std::uint64_t>(every) == 1 % static_cast<std::uint64_t>(every) &&
          p == VideoPacksPerSecond / 2) {
        const auto& unit = units[static_cast<std::size_t>(subtitles) % units.size()];
        writer.AddUnit(unit, 0x20, base + Second / 2);
        writer.AddUnit(unit, 0x21, base + Second / 2);
        ++subtitles;
      }
    }
    const auto& bytes = writer.Bytes();
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
      std::fprintf(stderr, "make_bench_vob: write to %s failed\n", path.c_str());
      return 1;
    }
    written += static_cast<long long>(bytes.size());
  }
  if (std::fclose(out) != 0) return 1;
  std::printf("%s: %lld bytes, %d subtitles per stream\n", path.c_str(), written, subtitles);
  return 0;
}
