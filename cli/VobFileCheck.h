// What the extraction runs over a title's files tell about the files themselves: one in which
// not one pack was read is no VOB file (a Matroska or MP4 file, a text file named .vob), one
// whose reading ended short of its end is damaged there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "extraction/Subpicture.h"

namespace quelm {

class VobFileCheck {
 public:
  // `firstStart`: where reading of the first file begins; a file begun past its start cannot
  // be judged by its packs.
  explicit VobFileCheck(const CommandLine& cl, std::int64_t firstStart = 0)
      : cl_(cl), firstStart_(firstStart) {}

  // Every run's result, in reading order. False, after a message naming the file, when the run
  // ended a file in which not one pack was read; a file read only in part gets a warning.
  bool RunEnded(const std::string& file, const SubpictureResult& result);

  // "no subtitle of stream 0x21 in 'VTS_01_1.VOB'", for a run over `files` that found none.
  static std::string NoSubtitle(int stream, const std::vector<std::string>& files);

 private:
  const CommandLine& cl_;
  std::int64_t firstStart_;
  bool firstFile_ = true;
  std::string file_;
  std::int64_t packs_ = 0;
  bool fromStart_ = true;
};

}  // namespace quelm
