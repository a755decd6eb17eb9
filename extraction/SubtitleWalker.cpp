// Walks the subtitles of a list of VOB files, as repeated "next" steps over the file list do.
#include "extraction/SubtitleWalker.h"

#include <utility>

namespace quelm {

SubtitleWalker::SubtitleWalker(UserInteraction& ui, std::vector<std::string> files,
                               const SubpictureRequest& settings)
    : run_(ui), files_(std::move(files)), settings_(settings), position_(settings.FilePosition) {
  settings_.CarriedUnit.clear();
  settings_.CarriedStartPosition = -1;
  settings_.HasCarriedUnitPts = false;
  timeline_ = settings.Timeline;
  // Started in the middle of the title: its first frame is still where the first file begins.
  if (position_ > 0 && !timeline_.HasOrigin() && !files_.empty()) {
    if (const auto origin = ReadTitleOrigin(files_.front()))
      timeline_ = TitleTimeline::StartingAt(*origin);
  }
}

std::optional<WalkedSubtitle> SubtitleWalker::Next() {
  while (!stopped_ && fileIndex_ < files_.size()) {
    if (!fileStarted_) {
      fileStarted_ = true;
      if (FileStarted) FileStarted(fileIndex_);
    }
    SubpictureRequest request = settings_;
    request.VobFileName = files_[fileIndex_];
    request.FilePosition = position_;
    request.CarriedUnit = std::move(carriedUnit_);
    request.CarriedStartPosition = carriedStartPosition_;
    request.CarriedUnitPts = carriedUnitPts_;
    request.HasCarriedUnitPts = hasCarriedUnitPts_;
    request.Timeline = timeline_;
    carriedUnit_.clear();

    run_.Perform(request);
    SubpictureResult result = std::move(run_.Result());
    timeline_ = result.Timeline;
    if (result.Stopped) {
      stopped_ = true;
      break;
    }
    if (!result.EndOfFile) {
      position_ = result.FilePosition;
      return WalkedSubtitle{++number_, fileIndex_, std::move(result)};
    }
    if (FileEnded) FileEnded(fileIndex_, result);
    carriedUnit_ = std::move(result.UnfinishedUnit);
    carriedStartPosition_ = result.UnfinishedStartPosition;
    carriedUnitPts_ = result.UnfinishedUnitPts;
    hasCarriedUnitPts_ = result.HasUnfinishedUnitPts;
    ++fileIndex_;
    position_ = 0;
    fileStarted_ = false;
  }
  return std::nullopt;
}

}  // namespace quelm
