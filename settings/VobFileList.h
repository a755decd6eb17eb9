// The stored form of the VOB file list (section "vobfilelist": keys "0", "1", ... with quoted
// paths) and the reordering rule of a drag over the list.
#pragma once

#include <string>
#include <vector>

#include "platform/IniFile.h"
#include "platform/Status.h"

namespace quelm {

class VobFileList {
 public:
  // Reads keys 0 .. count-1 (count = number of keys in the section); a value "error" is skipped.
  static std::vector<std::string> Load(const IniFile& file);
  // Replaces the section with the entries in order, each value in double quotes.
  static Status Save(IniFile& file, const std::vector<std::string>& entries);

  // Moves the entry at `selected` to `targetRow` while a drag passes over that row and returns
  // the entry's new index. A row at or below the end moves the entry to the end; an invalid
  // selection changes nothing. No entry is ever lost or duplicated.
  static int MoveForDrag(std::vector<std::string>& entries, int selected, int targetRow);
};

}  // namespace quelm
