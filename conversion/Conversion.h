// One conversion of subpictures into a script, as the main window and `quelm-cli convert` both
// drive it: the raw script and what of it was last saved, the format it is rendered in, and the
// step that recognises a subtitle and appends its record.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ocr/CharDictionary.h"
#include "ocr/RecognitionRun.h"
#include "output/RawScript.h"
#include "output/RecordFacts.h"
#include "output/ScriptRenderer.h"
#include "platform/Bitmap.h"
#include "platform/Status.h"

namespace quelm {

// Reads one subpicture: the desktop program through its recognition window, which asks in its
// own dialogue; the command line through a RecognitionRun that asks on the terminal. A failure
// with an empty message has been shown already.
using Recogniser =
    std::function<RecognitionResult(const Bitmap& subpicture, const RecognitionSettings& settings)>;

// Recognition without a window: a run over one dictionary kept for the whole conversion. The
// dictionary is written whenever a run changed it or failed, so that what was taught survives.
struct RunRecogniser {
  CharDictionary& Dictionary;
  // Asked about unknown characters; none: they are skipped (or learned unnamed).
  RecognitionRun::Asker Ask;
  // The colour the run reads in, for a question that draws it; may be empty.
  std::function<void(Color)> OnCharColorChanged;
  // Polled per character: true drops the subtitle; may be empty.
  std::function<bool()> AbortRequested;

  RecognitionResult operator()(const Bitmap& subpicture, const RecognitionSettings& settings) const;
};

// Where a recognised subtitle goes: time code and chapter as the main window shows them
// (without the leading ": "), and its exact times and forced flag.
struct SubtitlePlace {
  std::string TimeCode;
  std::string Chapter;
  RecordFacts Facts;
};

enum class RecognitionEnd { Appended, Aborted, Failed };

struct SubtitleStep {
  RecognitionEnd End = RecognitionEnd::Aborted;
  // Failed: why; an empty message has been shown already.
  Status Outcome;
  // "Keep these colors" on an appended subtitle: the character colour from now on, and which of
  // the four it is (the last equal one, as checking the role buttons in turn leaves it).
  bool KeepColors = false;
  Color CharColor = ColorWhite;
  std::optional<int> CharColorIndex;
  int Learned = 0;
  int Asked = 0;
  // As the run counted them (RecognitionResult).
  int AskedWithSuggestion = 0;
  int AnsweredOtherwise = 0;
  int NamedAutomatically = 0;
  int EngineCalls = 0;
};

class Conversion {
 public:
  const RawScript& Script() const { return script_; }
  // Empties the script down to the version record, as "clear" and a new run do.
  void StartNew();
  // Records opened or continued replace the script and count as saved.
  void Open(RawScript script);
  // Writes the records; they count as saved when the write went through.
  Status SaveRecords(const std::string& path);
  // Records were added (or opened and changed) since the last save or open.
  bool Unsaved() const;

  // Recognises `subpicture` through `recognise` and appends its record at `place`; an aborted
  // or failed recognition appends nothing.
  SubtitleStep RecogniseSubtitle(const Bitmap& subpicture, const RecognitionSettings& settings,
                                 const SubtitlePlace& place, const Recogniser& recognise);

  const std::string& FormatPath() const { return formatPath_; }
  void SetFormatPath(std::string path) { formatPath_ = std::move(path); }
  // The script in the current format (the sources' format path is not used). Kept until the
  // next rendering, which reuses the lines of the records that read the same.
  const ScriptRendering& Render(ScriptSources sources);

 private:
  RawScript script_;
  std::vector<std::string> saved_;
  ScriptRenderer renderer_;
  std::string formatPath_;
};

}  // namespace quelm
