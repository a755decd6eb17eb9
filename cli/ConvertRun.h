// One `quelm-cli convert` run once its options are settled: "first", then "all" until the last
// file has ended, each found subtitle recognised into the conversion's records (the learning
// dialogue on the terminal), the records kept for a later run, the script rendered at the end.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ProgressBar.h"
#include "cli/ResumeFile.h"
#include "cli/TerminalInteraction.h"
#include "cli/TerminalQuestions.h"
#include "cli/VobFileCheck.h"
#include "conversion/Conversion.h"
#include "extraction/ExtractionRun.h"
#include "navigation/PositionCache.h"
#include "navigation/SubtitleNavigator.h"
#include "ocr/CharDictionary.h"
#include "ocr/Suggestions.h"
#include "platform/Color.h"

namespace quelm {

enum class LearnMode { Ask, After, Skip, Auto };

// What a run reads and writes, from the options and the settings.
struct ConvertPlan {
  std::vector<std::string> Vobs;
  std::vector<std::int64_t> Sizes;
  int Stream = 0x20;
  // "00:00:00" and then the chapter lengths of the IFO.
  std::vector<std::string> ChapterTable;
  std::string DictionaryRoot;  // ends with "/"
  std::string FormatPath;
  LearnMode Learn = LearnMode::Ask;
  int SpaceWidth = 10;
  bool AutoSpaceWidth = true;
  int Interlace = 1;
  std::array<Color, 4> Colors{};
  Color CharColor = ColorWhite;
  Color BackgroundColor = ColorBlack;
  bool AutoDetectColors = false;
  std::array<Color, 4> PanelColors{};
  std::string Records;
  std::string Out;
  bool Rtf = false;
  bool ForcedOnly = false;
  bool FixLookAlikes = true;
  std::string Language;  // the stream's language code, for the look-alike rules
  // The VobSub index's delay for a unit starting at a position of the .sub; empty without one.
  std::function<std::int64_t(std::int64_t startPosition)> DelayMs;
  // The suggestion engine's language ("eng"); empty: from Language, else English.
  std::string OcrLanguage;
};

class ConvertRun {
 public:
  // `dictionary` is loaded from the plan's dictionary root and outlives the run. Without an
  // `engine` the built-in one for the plan's language suggests, when learning asks for one.
  ConvertRun(const CommandLine& cl, ConvertPlan plan, CharDictionary& dictionary,
             std::unique_ptr<SuggestionEngine> engine = nullptr);
  // Its navigator and runs call back into it.
  ConvertRun(const ConvertRun&) = delete;
  ConvertRun& operator=(const ConvertRun&) = delete;

  // The process exit code.
  int Run();

 private:
  SubpictureResult Extract(const SubpictureRequest& request);
  // The desktop program's progress timer, ticking whenever the run lets events in and once
  // when it ends; a found subtitle then sets the labels to its own time and chapter.
  void Tick();
  void ShowProgress(bool force);
  Status SubtitleFound(const SubpictureResult& result);
  RecognitionResult Recognise(const Bitmap& subpicture, const RecognitionSettings& settings);
  void StepEnded(const StepOutcome& outcome);
  bool SaveProgress();
  // One line on what was asked and named, when anything was.
  void ReportLearning() const;
  // Above a question: "subtitle 4 of about 12, 3 learned (VTS_01_1.VOB)".
  std::string StatusLine() const;
  // Renders and writes the script of a run that has ended; the exit code.
  int Finish();

  const CommandLine& cl_;
  std::unique_ptr<SuggestionEngine> engine_;
  const ConvertPlan plan_;
  CharDictionary& dictionary_;
  Conversion conversion_;
  std::string resumePath_;
  std::string firstFile_;
  ResumePoint resume_;

  TerminalInteraction ui_;
  ProgressBar progress_;
  TerminalQuestions questions_;
  PositionCache noCache_;
  ExtractionRun extraction_;
  VobFileCheck vobCheck_;
  SubtitleNavigator navigator_;
  std::string chapterLabel_ = ": 0";
  std::string timecodeLabel_ = ": 00:00:00";

  // Kept colours carry on to the next subtitle.
  bool autoDetect_;
  Color charColor_;
  // The colour the current question draws in, and where it is.
  Color ink_ = ColorWhite;
  std::string where_;
  int reading_ = 0;

  int found_ = 0;
  int asked_ = 0;
  int askedWithSuggestion_ = 0;
  int answeredOtherwise_ = 0;
  int namedAutomatically_ = 0;
  int engineCalls_ = 0;
  int learned_ = 0;
  std::size_t dictionaryAtStart_ = 0;
  int done_ = 0;
  bool lastFileReached_ = false;
  bool failed_ = false;
  bool notVob_ = false;
  bool quit_ = false;
  bool fatal_ = false;
  std::chrono::steady_clock::time_point lastSave_ = std::chrono::steady_clock::now();
};

}  // namespace quelm
