// Scratch files and input splitting for the fuzz targets and the replay test.
#include "fuzz/FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace quelm::fuzz {
namespace {

struct Scratch {
  std::string Path;
  Scratch() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/quelm-fuzz.XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) Broken("cannot make a scratch directory");
    Path = std::string(buffer.data()) + "/";
  }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
};

}  // namespace

const std::string& ScratchDirectory() {
  static Scratch scratch;
  return scratch.Path;
}

std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
  const std::string path = ScratchDirectory() + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Broken("cannot write scratch file " + path);
  return path;
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
}

void Broken(const std::string& what) {
  std::fprintf(stderr, "quelm fuzz: %s\n", what.c_str());
  std::abort();
}

}  // namespace quelm::fuzz
