// Every file under a "malformed" folder of the test data goes through the same entry point as
// its fuzz target; under the sanitizers in CI any read outside a buffer fails the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "fuzz/FuzzSupport.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;
using EntryPoint = void (*)(const std::uint8_t*, std::size_t);

struct Replay {
  EntryPoint Entry;
  std::string Prefix;  // control bytes a fuzz input starts with; empty for inputs kept as found
};

// "<target>fuzz" files are fuzz inputs as found; the other kinds are plain files of their format,
// given the control bytes that read them as they are (sub-stream 0x20 from offset 0, empty
// section and key, an index without a glyph file).
const std::map<std::string, Replay>& Replays() {
  static const std::map<std::string, Replay> replays = {
      {".vobfuzz", {fuzz::VobInput, ""}},
      {".ifofuzz", {fuzz::IfoInput, ""}},
      {".bmpfuzz", {fuzz::BmpInput, ""}},
      {".inifuzz", {fuzz::IniInput, ""}},
      {".dictionaryfuzz", {fuzz::DictionaryInput, ""}},
      {".templatefuzz", {fuzz::TemplateInput, ""}},
      {".recordsfuzz", {fuzz::RecordsInput, ""}},
      {".languagefuzz", {fuzz::LanguageInput, ""}},
      {".idxfuzz", {fuzz::IdxInput, ""}},
      {".idx", {fuzz::IdxInput, ""}},
      {".imagefuzz", {fuzz::ImageInput, ""}},
      {".matroskafuzz", {fuzz::MatroskaInput, ""}},
      {".pgsfuzz", {fuzz::PgsInput, ""}},
      {".sup", {fuzz::PgsInput, std::string(1, '\0')}},
      {".vob", {fuzz::VobInput, std::string(4, '\0')}},
      {".ifo", {fuzz::IfoInput, ""}},
      {".bmp", {fuzz::BmpInput, ""}},
      {".ini", {fuzz::IniInput, std::string(3, '\0')}},
      {".raw", {fuzz::RecordsInput, ""}},
  };
  return replays;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(MalformedReplayTest, EveryMalformedInputGoesThroughItsReader) {
  std::map<std::string, int> replayed;
  for (const auto& entry : fs::recursive_directory_iterator(QUELM_TEST_DATA)) {
    if (!entry.is_regular_file() || entry.path().parent_path().filename() != "malformed") continue;
    const std::string extension = Lower(entry.path().extension().string());
    const auto replay = Replays().find(extension);
    if (replay == Replays().end()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::string bytes = replay->second.Prefix;
    bytes.append(std::istreambuf_iterator<char>(in), {});
    SCOPED_TRACE(entry.path().string());
    replay->second.Entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    // Language files are INI files too: the language reader gets them as well.
    if (extension == ".ini")
      fuzz::LanguageInput(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 3, bytes.size() - 3);
    ++replayed[extension];
  }
  // The committed sets of the readers whose damaged files the project keeps.
  for (const char* kind : {".vob", ".ifo", ".bmp", ".ini", ".imagefuzz"})
    EXPECT_GT(replayed[kind], 0) << "no malformed " << kind << " files found";
}

}  // namespace
}  // namespace quelm
