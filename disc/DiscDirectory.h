// The files of a title set directory. Disc file names are matched without regard to case:
// a mounted disc says VTS_01_0.IFO, a copy may say vts_01_0.ifo. The VIDEO_TS of a disc image
// ("movie.iso/VIDEO_TS") is the directory of the files inside the image.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelm {

struct DiscFile {
  std::string Name;  // as the directory spells it
  std::uintmax_t Size = 0;
};

// The name a title's script file is proposed under: the disc's for a disc file
// ("demo/VIDEO_TS/VTS_01_1.VOB", "movie.iso/VIDEO_TS/VTS_01_1.VOB", a VOB root "demo/VIDEO_TS/"),
// else the file's own (a VobSub pair's "movie.sub"); empty when the path names none.
std::string TitleName(const std::string& path);

// A title VOB file's name, VTS_nn_1..9.VOB in any case; the menus (VIDEO_TS.VOB, VTS_nn_0.VOB)
// hold no film.
bool IsTitleVobName(std::string_view name);
// The directory a title's files lie in: `directory` itself, or its VIDEO_TS when it holds no
// title VOB file and that one does (a user picks the disc's folder, not the one inside).
std::string TitleDirectory(const std::string& directory);
// The title VOB files of a directory (a disc image's VIDEO_TS too), full paths in name order.
std::vector<std::string> TitleVobFiles(const std::string& directory);

class DiscDirectory {
 public:
  // `root` is a root text ending in "/"; an empty root names no directory.
  explicit DiscDirectory(std::string root) : root_(std::move(root)) {
    if (!root_.empty() && root_.back() != '/') root_ += '/';
  }

  bool Exists() const;

  // The full path of the ordinary file whose name equals `name` without regard to case; the
  // exact spelling wins over others, then the first by name.
  std::optional<std::string> Find(std::string_view name) const;

  // Ordinary, not hidden files whose names end in one of `extensions` (".ifo"), compared
  // without regard to case, sorted by name without regard to case.
  std::vector<DiscFile> List(const std::vector<std::string_view>& extensions) const;

  static bool SameNameIgnoringCase(std::string_view a, std::string_view b);
  static bool LessIgnoringCase(std::string_view a, std::string_view b);

 private:
  std::string root_;
};

}  // namespace quelm
