// Directory queries for the disc information: case-blind name matching and listing.
#include "disc/DiscDirectory.h"

#include <algorithm>
#include <filesystem>

#include "platform/AsciiText.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace fs = std::filesystem;

namespace {

// Ordinary files of `root` that are not hidden; broken entries are skipped. The VIDEO_TS of a
// disc image lists the files inside the image.
std::vector<DiscFile> OrdinaryFiles(const std::string& root) {
  std::vector<DiscFile> files;
  if (const auto image = DiscImage::ImageOfVideoTs(root)) {
    std::vector<DiscImage::Entry> inside;
    DiscImage::List(*image, inside);
    for (const DiscImage::Entry& entry : inside)
      files.push_back({entry.Name, static_cast<std::uintmax_t>(entry.Size)});
    return files;
  }
  std::error_code error;
  fs::directory_iterator it(root, error);
  if (error) return files;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code entryError;
    if (!it->is_regular_file(entryError) || entryError) continue;
    const std::uintmax_t size = it->file_size(entryError);
    if (entryError) continue;
    files.push_back({name, size});
  }
  std::sort(files.begin(), files.end(), [](const DiscFile& a, const DiscFile& b) {
    if (DiscDirectory::SameNameIgnoringCase(a.Name, b.Name)) return a.Name < b.Name;
    return DiscDirectory::LessIgnoringCase(a.Name, b.Name);
  });
  return files;
}

}  // namespace

bool IsTitleVobName(std::string_view name) {
  return name.size() == 12 && EqualNoCaseAscii(name.substr(0, 4), "VTS_") && name[7] != '0' &&
         IsAsciiDigit(name[7]) && EqualNoCaseAscii(name.substr(8), ".VOB");
}

std::vector<std::string> TitleVobFiles(const std::string& directory) {
  std::string root = directory;
  if (!root.empty() && root.back() != '/') root += '/';
  std::vector<std::string> files;
  for (const DiscFile& file : DiscDirectory(root).List({".vob"}))
    if (IsTitleVobName(file.Name)) files.push_back(root + file.Name);
  return files;
}

std::string TitleDirectory(const std::string& directory) {
  if (!TitleVobFiles(directory).empty()) return directory;
  std::string root = directory;
  if (!root.empty() && root.back() != '/') root += '/';
  // A disc image has its VIDEO_TS in it; a folder, as the disc names it.
  if (DiscImage::IsImage(directory)) return root + "VIDEO_TS";
  std::error_code error;
  for (fs::directory_iterator it(root.empty() ? "." : root, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (EqualNoCaseAscii(name, "VIDEO_TS") && !TitleVobFiles(root + name).empty()) return root + name;
  }
  return directory;
}

std::string TitleName(const std::string& path) {
  const auto startsWith = [](std::string_view text, std::string_view head) {
    return text.size() >= head.size() && EqualNoCaseAscii(text.substr(0, head.size()), head);
  };
  fs::path file = fs::path(path).lexically_normal();
  if (!file.has_filename()) file = file.parent_path();
  const std::string name = file.filename().string();
  const bool discFile = startsWith(name, "VTS_") || startsWith(name, "VIDEO_TS");
  fs::path title = file;
  if (discFile) {
    title = file.parent_path();
    if (EqualNoCaseAscii(name, "VIDEO_TS")) title = file;
    if (EqualNoCaseAscii(title.filename().string(), "VIDEO_TS")) title = title.parent_path();
  }
  // A disc image's name without ".iso", a file's without its extension.
  if (!discFile || EndsWithNoCaseAscii(title.filename().string(), ".iso"))
    return title.stem().string();
  return title.filename().string();
}

bool DiscDirectory::SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool DiscDirectory::LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

bool DiscDirectory::Exists() const {
  std::error_code error;
  return !root_.empty() &&
         (fs::is_directory(root_, error) || DiscImage::ImageOfVideoTs(root_).has_value());
}

std::optional<std::string> DiscDirectory::Find(std::string_view name) const {
  if (!Exists()) return std::nullopt;
  std::optional<std::string> found;
  for (const DiscFile& file : OrdinaryFiles(root_)) {
    if (!SameNameIgnoringCase(file.Name, name)) continue;
    if (file.Name == name) return root_ + file.Name;
    if (!found) found = root_ + file.Name;
  }
  return found;
}

std::vector<DiscFile> DiscDirectory::List(const std::vector<std::string_view>& extensions) const {
  std::vector<DiscFile> matching;
  if (!Exists()) return matching;
  for (DiscFile& file : OrdinaryFiles(root_)) {
    const bool wanted =
        std::any_of(extensions.begin(), extensions.end(),
                    [&](std::string_view ext) { return EndsWithNoCaseAscii(file.Name, ext); });
    if (wanted) matching.push_back(std::move(file));
  }
  return matching;
}

}  // namespace quelm
