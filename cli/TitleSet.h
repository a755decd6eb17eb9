// Turns the PATH arguments of `quelm-cli convert` into the title's VOB files in reading order:
// a VOB file stands for itself, a directory for its title VOBs VTS_nn_1..9.VOB (any case; the
// menu VOB VTS_nn_0 is not a title VOB), an IFO (or its .BUP) for the VOBs of its title set,
// a VobSub index (movie.idx) for the .sub beside it (a .sub reads with the .idx beside it, and
// a directory without title VOBs stands for the one VobSub pair it holds), a disc image (.iso)
// or a drive's device for the directory VIDEO_TS inside it.
#pragma once

#include <string>
#include <vector>

#include "platform/Status.h"

namespace quelm {

struct TitleSetFiles {
  Status Outcome;
  std::vector<std::string> Vobs;
  // The title set's IFO (VTS_nn_0.IFO) beside the first VOB, empty when there is none.
  std::string IfoPath;
  // The VobSub index of the .sub read, empty when there is none.
  std::string IdxPath;
};

class TitleSet {
 public:
  // `title` 0 means: the directory must hold exactly one title set (unless a VTS_nn_0.IFO names
  // it).
  static TitleSetFiles Resolve(const std::vector<std::string>& paths, int title);

  // The title set number of "VTS_nn_k.VOB" (any case) and its part k, or -1.
  static int TitleNumber(const std::string& fileName, int* part = nullptr);
};

}  // namespace quelm
