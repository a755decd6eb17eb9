// Listing the format files and working out the Output menu's items and selection.
#include "output/FormatMenu.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "output/OutputFormat.h"
#include "output/TextLines.h"
#include "platform/AsciiText.h"

namespace quelm {

namespace {

bool HasIniExtension(const std::string& name) {
  return name.size() > 4 &&
         EqualNoCaseAscii(std::string_view(name).substr(name.size() - 4), ".ini");
}

// A directory holding more files than this is not a format directory anyone wrote by hand.
constexpr std::size_t MaxFormatFiles = 10000;

}  // namespace

std::string FormatDirectoryBeside(const std::string& programDir) {
  if (!programDir.empty() && programDir.back() != '/') return programDir + "/outputini";
  return programDir + "outputini";
}

void SortFormatFileNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = LowerAscii(a);
    const std::string lb = LowerAscii(b);
    return la != lb ? la < lb : a < b;  // names differing only in case keep a fixed order
  });
}

std::optional<std::vector<std::string>> ListFormatFiles(const std::string& directory) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (directory.empty() || !fs::is_directory(directory, ec)) return std::nullopt;
  std::vector<std::string> names;
  fs::directory_iterator it(directory, fs::directory_options::skip_permission_denied, ec);
  if (ec) return names;
  for (; it != fs::directory_iterator() && names.size() < MaxFormatFiles; it.increment(ec)) {
    if (ec) break;
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.' || !HasIniExtension(name)) continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;  // follows links to regular files
    names.push_back(name);
  }
  SortFormatFileNames(names);
  return names;
}

std::string MakeFormatCaption(const std::string& displayName, const std::string& fileName) {
  return displayName + " : " + fileName;
}

std::string FormatFileNameFromCaption(const std::string& caption) {
  if (caption.empty()) return std::string();
  // 1-based i as in the rule: stops at the last ":" or, failing that, at 1.
  std::size_t i = caption.size();
  while (i > 1 && caption[i - 1] != ':') --i;
  const std::size_t from = i + 1;  // 0-based index of the second character after position i
  return from < caption.size() ? caption.substr(from) : std::string();
}

std::string FormatPathFromCaption(const std::string& formatDirectory, const std::string& caption) {
  std::string path = formatDirectory;
  if (path.empty() || path.back() != '/') path += '/';
  return path + FormatFileNameFromCaption(caption);
}

std::string FormatPathFromCaption(const std::string& formatDirectory, const std::string& caption,
                                  const std::vector<FormatMenuItem>& items) {
  for (const FormatMenuItem& item : items) {
    if (item.Caption != caption) continue;
    std::string path = formatDirectory;
    if (path.empty() || path.back() != '/') path += '/';
    return path + item.FileName;
  }
  return FormatPathFromCaption(formatDirectory, caption);
}

int MenuPosition(std::size_t itemIndex) {
  return FirstFormatMenuPosition + static_cast<int>(itemIndex);
}

std::optional<std::size_t> ItemAtMenuPosition(int position, std::size_t itemCount) {
  if (position < FirstFormatMenuPosition) return std::nullopt;
  const auto index = static_cast<std::size_t>(position - FirstFormatMenuPosition);
  if (index >= itemCount) return std::nullopt;
  return index;
}

FormatMenuBuild BuildFormatMenu(const std::vector<std::string>& sortedFileNames,
                                const std::vector<std::string>& displayNames,
                                const std::string& checkedCaption, int storedPosition) {
  FormatMenuBuild build;
  build.DirectoryFound = true;
  for (std::size_t i = 0; i < sortedFileNames.size(); ++i) {
    const std::string& name =
        i < displayNames.size() ? displayNames[i] : std::string(MenuDefaultFormatName);
    FormatMenuItem item{MakeFormatCaption(name, sortedFileNames[i]), sortedFileNames[i]};
    // A rebuild keeps the current format while its caption is unchanged; the item is not in the
    // menu yet when it is selected, so its position is not stored.
    if (checkedCaption != NoCheckedCaption && item.Caption == checkedCaption && !build.Selected)
      build.Selected = build.Items.size();
    build.Items.push_back(std::move(item));
  }
  if (checkedCaption == NoCheckedCaption && storedPosition == NoStoredFormatPosition) {
    for (std::size_t i = 0; i < build.Items.size() && !build.Selected; ++i)
      if (EqualNoCaseAscii(build.Items[i].FileName, DefaultFormatFileName)) build.Selected = i;
    if (!build.Selected) build.Selected = ItemAtMenuPosition(DefaultFormatMenuPosition, build.Items.size());
    build.StorePosition = build.Selected.has_value();
  } else if (checkedCaption == NoCheckedCaption) {
    build.Selected = ItemAtMenuPosition(storedPosition, build.Items.size());
    build.StorePosition = build.Selected.has_value();
  }
  return build;
}

FormatMenuBuild BuildFormatMenu(const std::string& formatDirectory,
                                const std::string& checkedCaption, int storedPosition) {
  const auto files = ListFormatFiles(formatDirectory);
  if (!files) return FormatMenuBuild{};
  std::vector<std::string> names;
  names.reserve(files->size());
  std::string dir = formatDirectory;
  if (dir.back() != '/') dir += '/';
  for (const std::string& file : *files)
    names.push_back(ReadFormatDisplayName(dir + file, MenuDefaultFormatName));
  return BuildFormatMenu(*files, names, checkedCaption, storedPosition);
}

}  // namespace quelm
