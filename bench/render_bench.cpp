// Times the script rendering: one rendering of 1,500 two-line records against a 400-entry
// dictionary, and the "all" pattern of rendering again after every appended record.
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "output/ScriptRenderer.h"

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main() {
  std::string root =
      (std::filesystem::temp_directory_path() / "quelm-render-bench-XXXXXX").string();
  if (!::mkdtemp(root.data())) return 1;
  root += "/";
  constexpr int Entries = 400;
  constexpr int Records = 1500;
  {
    std::ofstream dict(root + "chardict.ocr", std::ios::binary);
    for (int i = 0; i < Entries; ++i)
      dict << root << "char_" << i << ".bmp\r\n" << static_cast<char>('!' + i % 90) << "\r\n";
    std::ofstream format(root + "f.ini", std::ios::binary);
    format << "[header]\n0=\"Script\"\n[body]\n0=\"[<HH>:<MM>:<SS>] <CC>\"\n"
              "1=\"<SUBPIC_BOLN=- ><SUBPIC>\"\n2=\"\"\n[footer]\n0=\"end\"\n";
  }
  // Two text lines of 28 characters and 4 spaces each, references spread over the dictionary.
  std::vector<std::vector<std::string>> texts;
  for (int r = 0; r < Records; ++r) {
    std::vector<std::string> lines(2);
    for (int l = 0; l < 2; ++l)
      for (int c = 0; c < 32; ++c)
        lines[l] += c % 8 == 7 ? std::string(" ")
                               : "<" + root + "char_" +
                                     std::to_string((r * 61 + l * 17 + c * 7) % Entries) + ".bmp>";
    texts.push_back(lines);
  }
  auto timeCode = [](int r) {
    char t[16];
    std::snprintf(t, sizeof t, "%02d:%02d:%02d", r / 3600, r / 60 % 60, r % 60);
    return std::string(t);
  };

  quelm::ScriptSources sources;
  sources.FormatPath = root + "f.ini";
  sources.DictionaryRoot = root;
  sources.SubtitleNumber = "1";
  quelm::ScriptRenderer renderer;

  quelm::RawScript full;
  full.StartNew();
  for (int r = 0; r < Records; ++r) full.AppendRecord(timeCode(r * 2), "1", texts[r]);
  const auto t0 = std::chrono::steady_clock::now();
  const quelm::ScriptRendering once = renderer.Render(full, sources);
  const std::string text = once.Text();
  const auto t1 = std::chrono::steady_clock::now();

  quelm::RawScript growing;
  growing.StartNew();
  std::size_t totalLines = 0;
  const auto t2 = std::chrono::steady_clock::now();
  // As the main window does: the renderer keeps the result, which it mostly reuses.
  for (int r = 0; r < Records; ++r) {
    growing.AppendRecord(timeCode(r * 2), "1", texts[r]);
    totalLines += renderer.RenderKept(growing, sources).Lines.size();
  }
  const auto t3 = std::chrono::steady_clock::now();
  const bool same = renderer.RenderKept(growing, sources).Lines == once.Lines;

  std::printf("one rendering: %d records, %zu lines, %zu characters: %.3f s\n", Records,
              once.Lines.size(), text.size(), Seconds(t1 - t0));
  std::printf("render after every record (%d renderings, %zu lines in all): %.3f s%s\n", Records,
              totalLines, Seconds(t3 - t2), same ? "" : "  (LAST RENDERING DIFFERS)");
  std::filesystem::remove_all(root);
  return once.Result.Ok && same ? 0 : 1;
}
