// The reading commands "first", "back", "next" and "all" over a list of VOB files: the reading
// state, the file moves at end of file and the subtitle numbering. No Qt; the main window and
// the command line drive it and supply the extraction, the display and the cache.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "extraction/Subpicture.h"
#include "navigation/PositionCache.h"
#include "platform/Color.h"
#include "platform/Status.h"
#include "platform/UserInteraction.h"

namespace quelm {

enum class NavigationStep { First, Back, Next, All };

// How a step ended.
enum class StepEnd {
  Found,            // a subtitle was found and SubtitleFound took it
  FileEnded,        // the file ended; the next one in the list is selected
  Stopped,          // the run was stopped; the next file in the list is selected
  LastFileReached,  // the last file in the list ended or was stopped
  Failed,           // Failure says why; its message, if any, has been shown
  Nothing,          // an empty list, or nothing before the subtitle shown
};

struct StepOutcome {
  StepEnd End = StepEnd::Nothing;
  Status Failure;
};

// What a request needs from the controls besides the file and the offset; read just before
// every run, so a change between two steps takes effect at the next one.
struct ReadingSettings {
  int LanguageIndex = 0;  // sub-stream 0x20 + LanguageIndex; also names the cache section
  std::array<Color, 4> BitmapColors{ColorBlack, 0xC8C8C8, 0x686868, ColorWhite};
  int InterlaceStep = 1;
  // Milliseconds added to the times of a unit of `file` starting at `startPosition` (a VobSub
  // index's delay); none when empty.
  std::function<std::int64_t(const std::string& file, std::int64_t startPosition)> TimeShiftMs;
};

class SubtitleNavigator {
 public:
  using ExtractFunction = std::function<SubpictureResult(const SubpictureRequest&)>;

  // `cache` may be the plain PositionCache (caching off); both must outlive the navigator.
  SubtitleNavigator(UserInteraction& ui, PositionCache& cache, ExtractFunction extract);

  // --- The file list (the main window's VOB file list mirrors it) ---
  // Keeps the reading state; a selection of -1 with a non-empty list means no entry selected.
  void SetFileList(std::vector<std::string> files, int selectedIndex);
  void SetSelectedIndex(int index);
  const std::vector<std::string>& Files() const { return files_; }
  int SelectedIndex() const { return selected_; }

  // --- The four steps ---
  // Failures are shown as they happen; the end of the list is left to the caller to tell.
  // "all" returns how its last extraction ended.
  StepOutcome GotoFirst();
  StepOutcome GoBack();
  StepOutcome GoNext();
  StepOutcome GetAll();
  StepOutcome Step(NavigationStep step);

  // Ends a running "all" after the extraction in progress.
  void RequestStopGetAll() { stopGetAll_ = true; }

  // "back" can do anything only with caching on and a subtitle before the one shown.
  bool CanGoBack() const { return subtitleNr_ > 1 && cache_.Enabled(); }

  // --- Reading state ---
  int SubtitleNr() const { return subtitleNr_; }
  std::int64_t VobPosition() const { return vobPosition_; }
  std::int64_t VobFileSize() const { return vobFileSize_; }
  int ChapterIndex() const { return chapterIndex_; }
  PresentationTime SubtitleTime() const { return subtitleTime_; }
  // The running time of the progress display; the chapter follows it.
  void SetSubtitleTime(const PresentationTime& time);
  // "00:00:00", then the disc's chapter lengths (the main window's TimecodeListbox).
  void SetChapterTable(std::vector<std::string> table) { chapterTable_ = std::move(table); }
  const std::vector<std::string>& ChapterTable() const { return chapterTable_; }
  bool StopGetAll() const { return stopGetAll_; }
  // Back to the start-up state (the disc refresh also sets the chapter index to 0).
  void Reset();
  void SetChapterIndex(int index) { chapterIndex_ = index; }
  // Display times and forced flag of the subtitle found last (shown now), for its record.
  const SubtitleTiming& LastTiming() const { return lastTiming_; }
  // The head of a unit cut by the end of the previous file, waiting for the current one.
  bool HasCarriedUnit() const { return !carriedUnit_.empty(); }

  // --- Collaborators and events ---
  // Read before every run; when empty the defaults of ReadingSettings are used.
  std::function<ReadingSettings()> ReadSettings;
  // The list selection moved (to entry 0 on "first", to the next file at end of file).
  std::function<void(int index)> SelectionChanged;
  // SubtitleNr changed: the window refreshes its display state.
  std::function<void(int subtitleNr)> SubtitleNrChanged;
  // The size of the current file was learned: the position label starts again at 0.
  std::function<void(std::int64_t size)> FileSizeLearned;
  // "first" set the chapter index and the running time back to zero.
  std::function<void()> ChapterAndTimeReset;
  // A subtitle was found and numbered: show it, recognise it, save it. SubtitleTime and
  // ChapterIndex are that subtitle's own by now, for its time and chapter labels. A failure
  // (its message is shown by the navigator when not empty) ends the step and an "all", and
  // is the step's Failure.
  std::function<Status(const SubpictureResult& result)> SubtitleFound;

 private:
  Status Opening(NavigationStep step);
  Status LearnFileSize(int index);
  StepOutcome ExtractOne(NavigationStep step, int subtitleNumber, std::int64_t defaultPosition);
  void SelectIndex(int index);
  bool EnsureSelection();
  ReadingSettings CurrentSettings() const;
  void SetSubtitleNr(int number);

  UserInteraction& ui_;
  PositionCache& cache_;
  ExtractFunction extract_;

  std::vector<std::string> files_;
  int selected_ = -1;

  int subtitleNr_ = 0;
  std::int64_t vobPosition_ = 0;
  std::int64_t vobFileSize_ = 0;
  int chapterIndex_ = 0;
  PresentationTime subtitleTime_;
  std::vector<std::string> chapterTable_{"00:00:00"};
  bool stopGetAll_ = false;
  // The file VobPosition and VobFileSize belong to; another selection starts that file afresh.
  std::string positionFile_;

  std::vector<std::uint8_t> carriedUnit_;
  std::int64_t carriedStartPosition_ = -1;
  std::uint64_t carriedUnitPts_ = 0;
  bool hasCarriedUnitPts_ = false;
  std::string carriedFor_;

  // The title's timeline as the last run left it, valid for going on at that file and offset.
  TitleTimeline TimelineFor(const std::string& file, std::int64_t position) const;
  TitleTimeline timeline_;
  SubtitleTiming lastTiming_;
  std::string timelineFile_;
  std::int64_t timelinePosition_ = -1;
};

}  // namespace quelm
