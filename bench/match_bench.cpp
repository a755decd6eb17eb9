// Recognition cost against a small and a large dictionary: every subtitle of the monospace
// fixture, all characters known, against 50 and 5,000 entries (the extra entries have the sizes
// of the real glyphs, the hardest case for matching). Usage: match_bench [fixture dir].
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ocr/CharDictionary.h"
#include "ocr/RecognitionRun.h"
#include "platform/BmpFile.h"

using namespace quelm;
namespace fs = std::filesystem;

namespace {

RecognitionSettings Settings(const std::string& root) {
  RecognitionSettings s;
  s.Colors = {0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF};
  s.CharColor = 0xFFFFFF;
  s.BackgroundColor = 0x000000;
  s.SpaceWidth = 20;
  s.DictionaryRoot = root;
  return s;
}

// The glyphs of the fixture, learned with placeholder texts.
std::vector<TCharEntry> LearnGlyphs(const std::vector<Bitmap>& subs, const std::string& root) {
  CharDictionary d;
  RecognitionSettings s = Settings(root);
  s.LearnAfterReading = true;
  for (const Bitmap& b : subs) RecognitionRun(d, s).UpdateDictionary(b);
  return d.CharList();
}

CharDictionary Build(const std::vector<TCharEntry>& real, std::size_t total, std::mt19937& rng) {
  CharDictionary d;
  // Decoys of the real glyphs' sizes come first, so an ordered scan passes them all.
  for (std::size_t i = 0; d.Size() + real.size() < total; ++i) {
    Bitmap b = real[i % real.size()].Bitmap;
    for (int k = 0; k < 6; ++k) {
      const int x = static_cast<int>(rng() % static_cast<unsigned>(b.Width()));
      const int y = static_cast<int>(rng() % static_cast<unsigned>(b.Height()));
      b.SetPixel(x, y, b.Pixel(x, y) == ColorBlack ? ColorWhite : ColorBlack);
    }
    if (d.CompareCharacterWithList(b)) continue;  // keep decoys distinct from the real glyphs
    d.AddCurrentCharacterToList(b, "decoy" + std::to_string(i), "?");
  }
  for (const TCharEntry& e : real) d.AddCurrentCharacterToList(e.Bitmap, e.FileName, e.Text);
  return d;
}

double MicrosPerSubtitle(CharDictionary& d, const std::vector<Bitmap>& subs,
                         const std::string& root) {
  const int rounds = 200;
  const auto start = std::chrono::steady_clock::now();
  std::size_t sink = 0;
  for (int r = 0; r < rounds; ++r)
    for (const Bitmap& b : subs) {
      RecognitionRun run(d, Settings(root));
      const RecognitionResult result = run.UpdateDictionary(b);
      if (result.Asked || result.Learned) std::fprintf(stderr, "unexpected learning\n");
      sink += result.ReferenceLines.size();
    }
  const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() -
                                                              start).count();
  if (sink == 0) std::fprintf(stderr, "nothing recognised\n");
  return us / (rounds * static_cast<double>(subs.size()));
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path fixtures = argc > 1 ? fs::path(argv[1])
                                     : fs::path(__FILE__).parent_path() / "../tests/data/ocr";
  std::vector<Bitmap> subs;
  for (int i = 0;; ++i) {
    const fs::path p = fixtures / ("mono_" + std::to_string(i) + ".bmp");
    if (!fs::exists(p)) break;
    BmpReadResult r = ReadBmp(p.string());
    if (!r.Outcome.Ok) {
      std::fprintf(stderr, "%s\n", r.Outcome.Message.c_str());
      return 1;
    }
    subs.push_back(std::move(r.Image));
  }
  if (subs.empty()) {
    std::fprintf(stderr, "no mono_N.bmp fixtures in %s\n", fixtures.string().c_str());
    return 1;
  }
  const fs::path dir = fs::temp_directory_path() / "quelm_match_bench";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string root = dir.string() + "/";
  const std::vector<TCharEntry> real = LearnGlyphs(subs, root);

  std::mt19937 rng(1);
  CharDictionary small = Build(real, 50, rng);
  CharDictionary large = Build(real, 5000, rng);
  const double smallUs = MicrosPerSubtitle(small, subs, root);
  const double largeUs = MicrosPerSubtitle(large, subs, root);
  std::printf("real glyphs: %zu, subtitles: %zu\n", real.size(), subs.size());
  std::printf("dictionary of %5zu entries: %8.1f us per subtitle\n", small.Size(), smallUs);
  std::printf("dictionary of %5zu entries: %8.1f us per subtitle\n", large.Size(), largeUs);
  std::printf("ratio large/small: %.2f\n", largeUs / smallUs);
  fs::remove_all(dir);
  return 0;
}
