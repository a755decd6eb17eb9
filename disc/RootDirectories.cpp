// Root directory rules without any window.
#include "disc/RootDirectories.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "disc/DiscDirectory.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace fs = std::filesystem;

namespace {

// The subdirectories of `dir`, sorted by name without regard to case.
std::vector<std::string> Subdirectories(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(dir, error);
  if (error) return names;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    std::error_code entryError;
    if (it->is_directory(entryError) && !entryError)
      names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return DiscDirectory::LessIgnoringCase(a, b);
  });
  return names;
}

// The optical drives among the devices of `dir`: "sr" and a number, and "cdrom" when it is not
// a link to one of those.
std::vector<std::string> Drives(const std::string& dir) {
  std::vector<std::string> drives;
  std::error_code error;
  fs::directory_iterator it(dir, error);
  if (error) return drives;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    const std::string name = it->path().filename().string();
    if (name.size() > 2 && name.compare(0, 2, "sr") == 0 &&
        std::all_of(name.begin() + 2, name.end(), [](char c) { return c >= '0' && c <= '9'; }))
      drives.push_back(it->path().string());
  }
  std::sort(drives.begin(), drives.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  const fs::path cdrom = fs::path(dir) / "cdrom";
  if (fs::exists(cdrom, error)) {
    const fs::path target = fs::canonical(cdrom, error);
    if (std::none_of(drives.begin(), drives.end(),
                     [&](const std::string& d) { return fs::path(d) == target; }))
      drives.push_back(cdrom.string());
  }
  return drives;
}

// Nothing is written into a disc image: a root written to that would lie inside one is the
// directory holding the image instead, and stays as it was for a drive.
std::string WritableFollower(const std::string& root, const std::string& before) {
  const std::string writable = DiscImage::WritableRoot(root);
  return writable == root && DiscImage::ImageOfVideoTs(root) ? before : writable;
}

}  // namespace

const char* RootDirectories::Caption(RootKind kind) {
  switch (kind) {
    case RootKind::Vob:
      return QUELM_MARKED("VOB Root");
    case RootKind::Output:
      return QUELM_MARKED("Output Root");
    case RootKind::Dictionary:
      return QUELM_MARKED("Dictionary Root");
  }
  return "";
}

std::string RootDirectories::RootText(const std::string& directory) {
  std::string root = directory;
  if (!root.empty() && root.back() != '/') root += '/';
  // A disc image or drive is read as the directory VIDEO_TS inside it.
  if (DiscImage::IsImage(directory)) root += "VIDEO_TS/";
  return root;
}

RootDirectories::Keys RootDirectories::Change(RootSettings& roots, RootKind kind,
                                              const std::string& chosen) {
  const std::string root = RootText(chosen);
  switch (kind) {
    case RootKind::Vob:
      roots.VobRoot = root;
      if (roots.DictionarySameAsVob)
        roots.DictionaryRoot = WritableFollower(root, roots.DictionaryRoot);
      if (roots.OutputSameAsVob) roots.OutputRoot = WritableFollower(root, roots.OutputRoot);
      return {{"vobroot", roots.VobRoot},
              {"outputroot", roots.OutputRoot},
              {"dictionaryroot", roots.DictionaryRoot}};
    case RootKind::Output:
      roots.OutputRoot = WritableFollower(root, roots.OutputRoot);
      return {{"outputroot", roots.OutputRoot}};
    case RootKind::Dictionary:
      roots.DictionaryRoot = WritableFollower(root, roots.DictionaryRoot);
      return {{"dictionaryroot", roots.DictionaryRoot}};
  }
  return {};
}

std::vector<std::string> RootDirectories::Places(const std::string& home, const std::string& user,
                                                 const std::vector<std::string>& mountBases,
                                                 const std::string& deviceDir) {
  std::vector<std::string> places;
  std::error_code error;
  if (!home.empty() && fs::is_directory(home, error)) places.push_back(RootText(home));
  for (const std::string& base : mountBases) {
    const std::string baseText = RootText(base);
    for (const std::string& name : Subdirectories(baseText)) {
      if (!user.empty() && name == user) {
        for (const std::string& mount : Subdirectories(baseText + name)) {
          places.push_back(baseText + name + "/" + mount + "/");
        }
      } else {
        places.push_back(baseText + name + "/");
      }
    }
  }
  if (!deviceDir.empty())
    for (std::string& drive : Drives(deviceDir)) places.push_back(std::move(drive));
  places.push_back("/");
  return places;
}

std::vector<std::string> RootDirectories::Places() {
  const char* home = std::getenv("HOME");
  const char* user = std::getenv("USER");
  return Places(home != nullptr ? home : "", user != nullptr ? user : "",
                {"/media", "/run/media", "/mnt"}, "/dev");
}

}  // namespace quelm
