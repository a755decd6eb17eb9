// One conversion of subpictures into a script, as the main window and `quelm-cli convert` both
// drive it: the raw script and what of it was last saved, the format it is rendered in, and the
// step that recognises a subtitle and appends its record.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
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
  // As the reader counts them, for telling the user which one is read again; 0: not counted.
  int Number = 0;
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
  // or failed recognition appends nothing. An undo asked for before any answer in this subtitle
  // takes back the last answer of an earlier one (UndoAnswer) and reads this one again.
  SubtitleStep RecogniseSubtitle(const Bitmap& subpicture, const RecognitionSettings& settings,
                                 const SubtitlePlace& place, const Recogniser& recognise);

  // The last answer given in a subtitle that has ended can be taken back: `dictionary` is the
  // one the subtitles were read with and nothing else has changed it since.
  bool CanUndoAnswer(const CharDictionary& dictionary) const;
  // Takes the last answer back: the dictionary and its bitmap files as that subtitle found them,
  // its record and the ones after it gone, and these subtitles read again, the first asking
  // about the shape again. Where the user drops one or reading fails, the reading again stops
  // there and the records not read again stay as they were (the dropped one goes). `suggestions`
  // stands in for the engine each was read with.
  SubtitleStep UndoAnswer(CharDictionary& dictionary, const Recogniser& recognise,
                          SuggestionEngine* suggestions);

  // Told before a subtitle is read again after an answer was taken back (and before the one
  // that asked for it is read on); may be empty.
  std::function<void(const SubtitlePlace&)> ReadingAgain;

  const std::string& FormatPath() const { return formatPath_; }
  void SetFormatPath(std::string path) { formatPath_ = std::move(path); }
  // The script in the current format (the sources' format path is not used). Kept until the
  // next rendering, which reuses the lines of the records that read the same.
  const ScriptRendering& Render(ScriptSources sources);

 private:
  // Appends what was read and keeps what taking its answers back needs.
  SubtitleStep Append(const RecognitionResult& recognised, const Bitmap& subpicture,
                      const RecognitionSettings& settings, const SubtitlePlace& place);
  SubtitleStep TakeBack(CharDictionary& dictionary, const Recogniser& recognise,
                        SuggestionEngine* suggestions);
  void ForgetAnswers();
  // `dictionary` at `revision` is the one the last reading left, unchanged since.
  bool AsLeft(const CharDictionary* dictionary, std::uint64_t revision) const {
    return dictionary == dictionary_ && revision == revisionAfter_;
  }

  RawScript script_;
  std::vector<std::string> saved_;
  // The subtitle holding the last answer and every one appended after it, to be read again when
  // that answer is taken back.
  struct ReadAgain {
    Bitmap Subpicture;
    RecognitionSettings Settings;
    SubtitlePlace Place;
    std::size_t LinesBefore = 0;
    std::size_t LinesAfter = 0;
  };
  std::vector<ReadAgain> sinceAnswer_;
  std::size_t keptPixels_ = 0;
  std::vector<CharacterAnswer> lastAnswers_;
  std::shared_ptr<const CharDictionary> dictionaryBefore_;
  std::vector<std::string> written_;
  // The dictionary as the last reading left it; changed since, there is nothing to take back.
  const CharDictionary* dictionary_ = nullptr;
  std::uint64_t revisionAfter_ = 0;
  ScriptRenderer renderer_;
  std::string formatPath_;
};

}  // namespace quelm
