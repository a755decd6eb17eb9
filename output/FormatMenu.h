// The format menu as plain data: which format files exist, their captions, which one is current
// after a rebuild, and how a caption leads back to its file.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace quelm {

// Menu positions count every item of the Output menu: the editor item and the separator come
// first, so the first format is at 2. The stored choice ("outputini" in "preferences") is such
// a position.
inline constexpr int FirstFormatMenuPosition = 2;
inline constexpr int DefaultFormatMenuPosition = 2;
// A settings file that stores no choice starts on this format, wherever the menu lists it;
// without it, on the first item. (A stored position that names no item selects nothing.)
inline constexpr int NoStoredFormatPosition = std::numeric_limits<int>::min();
inline constexpr const char* DefaultFormatFileName = "srt.ini";
// What a rebuild remembers when no format item carried the check mark.
inline constexpr const char* NoCheckedCaption = "NOTSET";

struct FormatMenuItem {
  std::string Caption;   // display name + " : " + file name
  std::string FileName;  // without directory
};

struct FormatMenuBuild {
  bool DirectoryFound = false;  // false: leave the menu and the current format as they were
  std::vector<FormatMenuItem> Items;
  std::optional<std::size_t> Selected;  // index into Items of the format to make current
  bool StorePosition = false;           // write MenuPosition(*Selected) to the settings
};

// programDir ends with "/"; the formats lie in its "outputini" subdirectory.
std::string FormatDirectoryBeside(const std::string& programDir);

// Names of the regular files in `directory` ending in ".ini" (any case), hidden files left out,
// sorted by name without regard to case; nullopt when the directory does not exist.
std::optional<std::vector<std::string>> ListFormatFiles(const std::string& directory);
void SortFormatFileNames(std::vector<std::string>& names);

std::string MakeFormatCaption(const std::string& displayName, const std::string& fileName);
// The file-name part of a caption: everything from the second character after its last ":"
// (searched from the end down to the second character); without one, from the third character.
std::string FormatFileNameFromCaption(const std::string& caption);
// The format directory, "/", and the caption's file-name part.
std::string FormatPathFromCaption(const std::string& formatDirectory, const std::string& caption);
// The same, but a caption that is exactly one of `items` leads to that item's file, so a file
// name holding ":" still finds its file.
std::string FormatPathFromCaption(const std::string& formatDirectory, const std::string& caption,
                                  const std::vector<FormatMenuItem>& items);

int MenuPosition(std::size_t itemIndex);
// The item at a menu position, or nothing when the position names no format item.
std::optional<std::size_t> ItemAtMenuPosition(int position, std::size_t itemCount);

// Rebuilds the format items. `checkedCaption` is the caption of the item that carried the check
// mark before, or NoCheckedCaption; only then is `storedPosition` (or NoStoredFormatPosition)
// used to choose the format.
FormatMenuBuild BuildFormatMenu(const std::string& formatDirectory,
                                const std::string& checkedCaption, int storedPosition);
// The same over a listing already made, with the display names given beside the file names.
FormatMenuBuild BuildFormatMenu(const std::vector<std::string>& sortedFileNames,
                                const std::vector<std::string>& displayNames,
                                const std::string& checkedCaption, int storedPosition);

}  // namespace quelm
