// What `quelm PATH...` asks for at start (a file manager passes paths this way): a directory or
// an IFO file gives the VOB/IFO root, any other file goes into the VOB file list; a VobSub
// pair (movie.idx or movie.sub) gives both: its directory and its .sub.
#pragma once

#include <string>
#include <vector>

namespace quelm {

struct StartPaths {
  std::string VobRoot;                // a directory or disc image, or empty to keep the stored root
  std::vector<std::string> VobFiles;  // absolute paths, in the order given, each once
  std::vector<std::string> Missing;   // arguments that name no file or directory

  // Relative arguments are taken from `currentDirectory`. When several name a root, the last
  // one wins, as it would with several clicks on "change...".
  static StartPaths Sort(const std::vector<std::string>& arguments,
                         const std::string& currentDirectory);
};

}  // namespace quelm
