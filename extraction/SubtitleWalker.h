// Walks the subtitles of a title's VOB files in order, one extraction run after another, moving
// to the next file at each end of file and carrying a unit that a file ends in the middle of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "extraction/ExtractionRun.h"
#include "extraction/Subpicture.h"
#include "platform/UserInteraction.h"

namespace quelm {

struct WalkedSubtitle {
  int Number = 0;             // counts on across files, from 1
  std::size_t FileIndex = 0;  // the file whose run found it (its start may lie in the one before)
  SubpictureResult Result;
};

class SubtitleWalker {
 public:
  // `settings` gives the sub-stream, colours, interlace step and the start offset in the first
  // file; its file name and carried unit are ignored. The files are taken as one title: subtitle
  // times count from the first frame of the first file, also when the walk starts further on.
  SubtitleWalker(UserInteraction& ui, std::vector<std::string> files,
                 const SubpictureRequest& settings);

  // The next subtitle, or nothing when the last file has ended or the run was stopped.
  std::optional<WalkedSubtitle> Next();

  bool Stopped() const { return stopped_; }
  std::size_t FileIndex() const { return fileIndex_; }
  const std::vector<std::string>& Files() const { return files_; }
  // The run object, for Stop, the event pump and the progress display.
  ExtractionRun& Run() { return run_; }

  // Called before the first run in each file.
  std::function<void(std::size_t fileIndex)> FileStarted;
  // Called with the run that ended a file (not when the walk was stopped).
  std::function<void(std::size_t fileIndex, const SubpictureResult& last)> FileEnded;

 private:
  ExtractionRun run_;
  std::vector<std::string> files_;
  SubpictureRequest settings_;
  std::size_t fileIndex_ = 0;
  std::int64_t position_ = 0;
  bool fileStarted_ = false;
  bool stopped_ = false;
  int number_ = 0;
  std::vector<std::uint8_t> carriedUnit_;
  std::int64_t carriedStartPosition_ = -1;
  std::uint64_t carriedUnitPts_ = 0;
  bool hasCarriedUnitPts_ = false;
  TitleTimeline timeline_;  // runs on from file to file: times count from the title's start
};

}  // namespace quelm
