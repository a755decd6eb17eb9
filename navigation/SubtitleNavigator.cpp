// The four reading steps and what happens between two extraction runs.
#include "navigation/SubtitleNavigator.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "navigation/ProgressDisplay.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

struct SizeResult {
  std::int64_t Size = 0;
  Status Outcome;
};

// Opens the file for reading as the run will, so an unreadable file is caught here already.
SizeResult ReadFileSize(const std::string& path) {
  Phrase reason;
  const std::unique_ptr<SourceFile> file = SourceFile::Open(path, reason);
  if (!file)
    return SizeResult{0, Status::Failure(Phrase::Say("Cannot open file %1 (%2)", path, reason))};
  return {file->Size(), Status::Success()};
}

// A subtitle's start on the title's timeline, in whole seconds as its record's time code has
// them; a start before the title's first frame shows as 00:00:00.
PresentationTime TimeOfSubtitle(const SubtitleTiming& timing) {
  const std::int64_t seconds = std::max<std::int64_t>(timing.StartMs, 0) / 1000;
  return PresentationTimeFromPts(static_cast<std::uint64_t>(seconds) * 90000);
}

}  // namespace

SubtitleNavigator::SubtitleNavigator(UserInteraction& ui, PositionCache& cache,
                                     ExtractFunction extract)
    : ui_(ui), cache_(cache), extract_(std::move(extract)) {}

void SubtitleNavigator::SetFileList(std::vector<std::string> files, int selectedIndex) {
  files_ = std::move(files);
  selected_ =
      (selectedIndex >= 0 && selectedIndex < static_cast<int>(files_.size())) ? selectedIndex : -1;
}

void SubtitleNavigator::SetSelectedIndex(int index) {
  selected_ = (index >= 0 && index < static_cast<int>(files_.size())) ? index : -1;
}

void SubtitleNavigator::SetSubtitleTime(const PresentationTime& time) {
  subtitleTime_ = time;
  chapterIndex_ = ChapterIndexAt(time, chapterTable_);
}

void SubtitleNavigator::Reset() {
  subtitleNr_ = 0;
  vobPosition_ = 0;
  vobFileSize_ = 0;
  chapterIndex_ = 0;
  subtitleTime_ = {};
  stopGetAll_ = false;
  positionFile_.clear();
  carriedUnit_.clear();
  carriedStartPosition_ = -1;
  hasCarriedUnitPts_ = false;
  carriedFor_.clear();
  timeline_ = TitleTimeline();
  lastTiming_ = SubtitleTiming();
  timelineFile_.clear();
  timelinePosition_ = -1;
}

StepOutcome SubtitleNavigator::Step(NavigationStep step) {
  switch (step) {
    case NavigationStep::First:
      return GotoFirst();
    case NavigationStep::Back:
      return GoBack();
    case NavigationStep::Next:
      return GoNext();
    case NavigationStep::All:
      return GetAll();
  }
  return {};
}

StepOutcome SubtitleNavigator::GotoFirst() {
  if (Status opened = Opening(NavigationStep::First); !opened)
    return {StepEnd::Failed, std::move(opened)};
  return ExtractOne(NavigationStep::First, 1, 0);
}

StepOutcome SubtitleNavigator::GoBack() {
  if (Status opened = Opening(NavigationStep::Back); !opened)
    return {StepEnd::Failed, std::move(opened)};
  if (files_.empty()) return {};
  const int number = subtitleNr_ - 1;
  const std::int64_t cached = cache_.GetSubtitleCachePosition(
      CurrentSettings().LanguageIndex, files_[selected_], number, vobPosition_);
  if (cached == vobPosition_) return {};
  return ExtractOne(NavigationStep::Back, number, vobPosition_);
}

StepOutcome SubtitleNavigator::GoNext() {
  if (Status opened = Opening(NavigationStep::Next); !opened)
    return {StepEnd::Failed, std::move(opened)};
  return ExtractOne(NavigationStep::Next, subtitleNr_ + 1, vobPosition_);
}

StepOutcome SubtitleNavigator::GetAll() {
  stopGetAll_ = false;
  if (Status opened = Opening(NavigationStep::All); !opened)
    return {StepEnd::Failed, std::move(opened)};
  StepOutcome outcome;
  while (!stopGetAll_) {
    outcome = ExtractOne(NavigationStep::All, subtitleNr_ + 1, vobPosition_);
    if (outcome.End != StepEnd::Found) stopGetAll_ = true;
  }
  return outcome;
}

Status SubtitleNavigator::Opening(NavigationStep step) {
  if (!files_.empty()) {
    if (step == NavigationStep::First) {
      if (Status learned = LearnFileSize(0); !learned) return learned;
    } else {
      EnsureSelection();
      // The reading position belongs to one file; a file chosen by hand is read from its start.
      if (files_[selected_] != positionFile_) {
        vobPosition_ = 0;
        vobFileSize_ = 0;
      }
      if (vobFileSize_ == 0) {
        if (Status learned = LearnFileSize(selected_); !learned) return learned;
      }
    }
  }
  if (step == NavigationStep::First) {
    chapterIndex_ = 0;
    subtitleTime_ = {};
    if (ChapterAndTimeReset) ChapterAndTimeReset();
  }
  return Status::Success();
}

Status SubtitleNavigator::LearnFileSize(int index) {
  const SizeResult size = ReadFileSize(files_[index]);
  positionFile_ = files_[index];
  if (!size.Outcome) {
    vobFileSize_ = 0;
    ui_.ShowMessage(MessageKind::Error, size.Outcome.Wording);
    return size.Outcome;
  }
  vobFileSize_ = size.Size;
  if (FileSizeLearned) FileSizeLearned(vobFileSize_);
  return Status::Success();
}

bool SubtitleNavigator::EnsureSelection() {
  if (files_.empty()) return false;
  if (selected_ < 0 || selected_ >= static_cast<int>(files_.size())) SelectIndex(0);
  return true;
}

void SubtitleNavigator::SelectIndex(int index) {
  selected_ = index;
  if (SelectionChanged) SelectionChanged(index);
}

ReadingSettings SubtitleNavigator::CurrentSettings() const {
  ReadingSettings settings = ReadSettings ? ReadSettings() : ReadingSettings{};
  settings.LanguageIndex = std::clamp(settings.LanguageIndex, 0, 0x1F);
  settings.InterlaceStep = std::clamp(settings.InterlaceStep, 1, 4);
  return settings;
}

void SubtitleNavigator::SetSubtitleNr(int number) {
  subtitleNr_ = number;
  if (SubtitleNrChanged) SubtitleNrChanged(number);
}

StepOutcome SubtitleNavigator::ExtractOne(NavigationStep step, int subtitleNumber,
                                          std::int64_t defaultPosition) {
  if (files_.empty()) return {};
  if (step == NavigationStep::First) {
    SelectIndex(0);
  } else {
    EnsureSelection();
  }
  const std::string file = files_[selected_];
  const ReadingSettings settings = CurrentSettings();

  SubpictureRequest request;
  request.VobFileName = file;
  request.SubStreamId = 0x20 + settings.LanguageIndex;
  request.BitmapColors = settings.BitmapColors;
  request.FilePosition = cache_.GetSubtitleCachePosition(settings.LanguageIndex, file,
                                                         subtitleNumber, defaultPosition);
  request.InterlaceStep = settings.InterlaceStep;
  // The head of a unit cut by the previous file belongs only in front of this file's first pack.
  if (!carriedUnit_.empty() && carriedFor_ == file && request.FilePosition == 0) {
    request.CarriedUnit = std::move(carriedUnit_);
    request.CarriedStartPosition = carriedStartPosition_;
    request.CarriedUnitPts = carriedUnitPts_;
    request.HasCarriedUnitPts = hasCarriedUnitPts_;
  }
  carriedUnit_.clear();
  carriedStartPosition_ = -1;
  hasCarriedUnitPts_ = false;
  carriedFor_.clear();
  request.Timeline = TimelineFor(file, request.FilePosition);

  SubpictureResult result = extract_(request);
  timeline_ = result.Timeline;
  timelineFile_.clear();
  timelinePosition_ = -1;

  if (result.EndOfFile || result.Stopped) {
    const int last = static_cast<int>(files_.size()) - 1;
    if (selected_ >= last) return {StepEnd::LastFileReached, {}};
    if (!result.Stopped && !result.UnfinishedUnit.empty()) {
      carriedUnit_ = std::move(result.UnfinishedUnit);
      carriedStartPosition_ = result.UnfinishedStartPosition;
      carriedUnitPts_ = result.UnfinishedUnitPts;
      hasCarriedUnitPts_ = result.HasUnfinishedUnitPts;
      carriedFor_ = files_[selected_ + 1];
    }
    if (!result.Stopped) {
      timelineFile_ = files_[selected_ + 1];
      timelinePosition_ = 0;
    }
    SelectIndex(selected_ + 1);
    vobPosition_ = 0;
    if (Status learned = LearnFileSize(selected_); !learned)
      return {StepEnd::Failed, std::move(learned)};
    return {result.Stopped ? StepEnd::Stopped : StepEnd::FileEnded, {}};
  }

  vobPosition_ = result.FilePosition;
  positionFile_ = file;
  if (settings.TimeShiftMs && result.Timing.Known) {
    const std::int64_t shift = settings.TimeShiftMs(file, result.StartPosition);
    result.Timing.StartMs += shift;
    if (result.Timing.HasEnd) result.Timing.EndMs += shift;
  }
  lastTiming_ = result.Timing;
  timelineFile_ = file;
  timelinePosition_ = result.FilePosition;
  // The running time follows the stream only in small steps and misses every longer gap; the
  // subtitle's own start is exact and is what its record's start= carries. Without a PTS the
  // running time stands in.
  SetSubtitleTime(result.Timing.Known ? TimeOfSubtitle(result.Timing) : subtitleTime_);
  switch (step) {
    case NavigationStep::First:
      SetSubtitleNr(1);
      break;
    case NavigationStep::Back:
      SetSubtitleNr(subtitleNr_ - 1);
      break;
    case NavigationStep::Next:
    case NavigationStep::All:
      SetSubtitleNr(subtitleNr_ + 1);
      break;
  }
  // A unit begun in the previous file has an offset of that file: not a place to start this one.
  if (!result.StartedInPreviousFile) {
    const Status saved = cache_.SaveSubtitleCachePosition(settings.LanguageIndex, file, subtitleNr_,
                                                          result.StartPosition);
    if (!saved) {
      ui_.ShowMessage(MessageKind::Error, saved.Wording);
      return {StepEnd::Failed, saved};
    }
  }
  if (SubtitleFound) {
    Status shown = SubtitleFound(result);
    if (!shown) {
      if (!shown.Message.empty()) ui_.ShowMessage(MessageKind::Error, shown.Wording);
      return {StepEnd::Failed, std::move(shown)};
    }
  }
  return {StepEnd::Found, {}};
}

TitleTimeline SubtitleNavigator::TimelineFor(const std::string& file, std::int64_t position) const {
  // Going on from where the last run stopped keeps every PTS jump seen since the title began.
  if (file == timelineFile_ && position == timelinePosition_) return timeline_;
  if (file == files_.front() && position == 0) return TitleTimeline();
  // A jump (cache, "back", a file chosen by hand): the first file still fixes the origin.
  if (const auto origin = ReadTitleOrigin(files_.front()))
    return TitleTimeline::StartingAt(*origin);
  return TitleTimeline();
}

}  // namespace quelm
