// One learned character of the dictionary: its black-and-white bitmap, the file that holds it
// and the text it stands for.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"

namespace quelm {

struct TCharEntry {
  ::quelm::Bitmap Bitmap;
  // Exactly as stored in chardict.ocr; references in the script name this.
  std::string FileName;
  std::string Text;
  // The bitmap file could not be loaded (moved or damaged dictionary): the entry never matches
  // but is written back unchanged, so the index is not emptied by a save.
  bool Unloaded = false;
  // Named from suggestions without the user's word, until the user confirms or renames it.
  bool Unconfirmed = false;
  // The texts suggested for an unconfirmed entry so far, each with how often.
  std::vector<std::pair<std::string, int>> Votes;
  // Named from suggestions since the dictionary was loaded (not kept on disk): so many of its
  // next occurrences are read too, so that an early misreading can be outvoted.
  int ReadingsLeft = 0;
};

}  // namespace quelm
