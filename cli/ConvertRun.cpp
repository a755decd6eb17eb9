#include "cli/ConvertRun.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "cli/ScriptOutput.h"
#include "cli/TerminalText.h"
#include "navigation/ProgressDisplay.h"
#include "output/FactsFromTiming.h"
#include "output/RecordsFile.h"

namespace quelm {

namespace {

namespace fs = std::filesystem;

volatile sig_atomic_t interrupted = 0;
void OnInterrupt(int) { interrupted = 1; }

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting question returns
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

ConvertRun::ConvertRun(const CommandLine& cl, ConvertPlan plan, CharDictionary& dictionary,
                       std::unique_ptr<SuggestionEngine> engine)
    : cl_(cl),
      engine_(std::move(engine)),
      plan_(std::move(plan)),
      dictionary_(dictionary),
      resumePath_(plan_.Records.empty() ? std::string() : ResumePathFor(plan_.Records)),
      firstFile_(fs::path(plan_.Vobs.front()).filename().string()),
      progress_(stderr, ::isatty(2) == 1, plan_.Sizes),
      questions_(stdin, stderr),
      extraction_(ui_),
      vobCheck_(cl),
      navigator_(ui_, noCache_,
                 [this](const SubpictureRequest& request) { return Extract(request); }),
      autoDetect_(plan_.AutoDetectColors),
      charColor_(plan_.CharColor) {
  conversion_.ReadingAgain = [this](const SubtitlePlace& place) {
    where_ = "subtitle " + std::to_string(place.Number);
    reading_ = place.Number;
  };
  if (!engine_ && (plan_.Learn == LearnMode::Ask || plan_.Learn == LearnMode::Auto)) {
    const std::string language =
        !plan_.OcrLanguage.empty() ? plan_.OcrLanguage : EngineLanguage(plan_.Language);
    // Started at the first unknown shape: its data takes a noticeable time to load.
    engine_ = std::make_unique<LazySuggestionEngine>(language, [this, language] {
      Phrase said;
      auto made = MakeSuggestionEngine(language, said);
      std::string why = said.English();
      // Asking goes on as ever without an engine; learning automatically then names nothing.
      if (!made && plan_.Learn == LearnMode::Auto)
        why += "; nothing is named automatically; unknown characters are kept unnamed (or asked "
               "on a terminal)";
      if (!why.empty() && (made || SuggestionEngineBuilt() || plan_.Learn == LearnMode::Auto)) {
        progress_.Clear();
        PrintMessage("quelm-cli convert: " + why);
      }
      return made;
    });
  }
  questions_.BeforeQuestion = [this] { progress_.Clear(); };
  ui_.BeforeMessage = [this] { progress_.Clear(); };
  extraction_.EventPump = [this] {
    Tick();
    ShowProgress(false);
    if (interrupted) extraction_.Stop();
  };
  navigator_.SetFileList(plan_.Vobs, 0);
  navigator_.SetChapterTable(plan_.ChapterTable);
  navigator_.ReadSettings = [this] {
    ReadingSettings reading;
    reading.LanguageIndex = plan_.Stream - 0x20;
    reading.BitmapColors = plan_.Colors;
    reading.InterlaceStep = plan_.Interlace;
    if (plan_.DelayMs)
      reading.TimeShiftMs = [this](const std::string&, std::int64_t position) {
        return plan_.DelayMs(position);
      };
    return reading;
  };
  navigator_.ChapterAndTimeReset = [this] {
    chapterLabel_ = ": 0";
    timecodeLabel_ = ": 00:00:00";
  };
  navigator_.SubtitleFound = [this](const SubpictureResult& result) {
    return SubtitleFound(result);
  };
}

int ConvertRun::Run() {
  if (!plan_.Records.empty()) {
    if (const auto code = ContinueRecords(cl_, plan_.Records, plan_.Stream, firstFile_, resume_))
      return *code;
  }
  // Nothing continued: a new script.
  conversion_.Open(std::move(resume_.Script));
  done_ = resume_.Skip;
  dictionaryAtStart_ = dictionary_.Size();

  InstallInterruptHandler();
  StepEnded(navigator_.GotoFirst());
  while (!lastFileReached_ && !failed_ && !fatal_ && !notVob_ && !quit_ && !interrupted) {
    const int selected = navigator_.SelectedIndex();
    const std::int64_t position = navigator_.VobPosition();
    const int number = navigator_.SubtitleNr();
    StepEnded(navigator_.GetAll());
    if (navigator_.SelectedIndex() == selected && navigator_.VobPosition() == position &&
        navigator_.SubtitleNr() == number && !lastFileReached_) {
      failed_ = true;  // a step that moved nothing would repeat for ever
    }
  }
  progress_.Clear();
  ReportLearning();
  if (interrupted) quit_ = true;
  if (notVob_) fatal_ = true;
  if (!SaveProgress()) fatal_ = true;
  return Finish();
}

SubpictureResult ConvertRun::Extract(const SubpictureRequest& request) {
  extraction_.Perform(request);
  Tick();
  if (extraction_.Result().EndOfFile) progress_.Clear();
  if (extraction_.Result().OpeningFailed) failed_ = true;
  if (!vobCheck_.RunEnded(request.VobFileName, extraction_.Result())) notVob_ = true;
  return std::move(extraction_.Result());
}

void ConvertRun::Tick() {
  const ProgressDisplay display =
      UpdateProgressDisplay(extraction_.FilePosition(), navigator_.VobFileSize(),
                            extraction_.CurrentTime(), navigator_.SubtitleTime(),
                            navigator_.ChapterTable(), NumberFormat{});
  chapterLabel_ = display.ChapterText;
  if (display.TimeUpdated) {
    navigator_.SetSubtitleTime(display.SubtitleTime);
    timecodeLabel_ = display.TimecodeText;
  }
}

void ConvertRun::ShowProgress(bool force) {
  const int index = std::max(0, navigator_.SelectedIndex());
  progress_.Update(static_cast<std::size_t>(index), plan_.Vobs[static_cast<std::size_t>(index)],
                   extraction_.FilePosition(), found_, asked_, force);
}

Status ConvertRun::SubtitleFound(const SubpictureResult& result) {
  const int number = navigator_.SubtitleNr();
  timecodeLabel_ = TimecodeLabelText(navigator_.SubtitleTime());
  chapterLabel_ = ChapterLabelText(navigator_.ChapterIndex());
  ++found_;
  ShowProgress(true);
  if (number <= resume_.Skip) return Status::Success();
  if (resume_.AfterMs) {
    if (!result.Timing.Known || result.Timing.StartMs <= *resume_.AfterMs) {
      done_ = number;
      return Status::Success();
    }
    resume_.AfterMs.reset();
  }
  where_ = "subtitle " + std::to_string(number);
  reading_ = number;

  RecognitionSettings recognition;
  recognition.Colors = plan_.Colors;
  recognition.CharColor = charColor_;
  recognition.BackgroundColor = plan_.BackgroundColor;
  recognition.SpaceWidth = plan_.SpaceWidth;
  recognition.AutoSpaceWidth = plan_.AutoSpaceWidth;
  recognition.DictionaryRoot = plan_.DictionaryRoot;
  recognition.LearnAfterReading = plan_.Learn == LearnMode::After;
  recognition.LearnAutomatically = plan_.Learn == LearnMode::Auto;
  recognition.Suggestions = engine_.get();
  recognition.AutoDetectColors = autoDetect_;
  const SubtitlePlace place{timecodeLabel_.substr(2), chapterLabel_.substr(2),
                            FactsFromTiming(result.Timing), number};
  const SubtitleStep step = conversion_.RecogniseSubtitle(
      result.SubTitle, recognition, place,
      [this](const Bitmap& subpicture, const RecognitionSettings& settings) {
        return Recognise(subpicture, settings);
      });
  asked_ += step.Asked;
  askedWithSuggestion_ += step.AskedWithSuggestion;
  answeredOtherwise_ += step.AnsweredOtherwise;
  namedAutomatically_ += step.NamedAutomatically;
  engineCalls_ += step.EngineCalls;
  learned_ += step.Learned;
  if (step.End == RecognitionEnd::Failed) {
    // A user who quit stops the run; that is no failure.
    if (!quit_) fatal_ = true;
    return step.Outcome;
  }
  if (step.KeepColors) {
    charColor_ = step.CharColor;
    autoDetect_ = false;
  }
  done_ = number;
  // What was taught is saved at once; the rest every half minute.
  if (step.Asked > 0 || std::chrono::steady_clock::now() - lastSave_ > std::chrono::seconds(30)) {
    if (!SaveProgress()) {
      fatal_ = true;
      return Status::Failure(std::string());
    }
  }
  return Status::Success();
}

RecognitionResult ConvertRun::Recognise(const Bitmap& subpicture,
                                        const RecognitionSettings& settings) {
  ink_ = settings.CharColor;
  RunRecogniser recogniser{dictionary_, {}, [this](Color detected) { ink_ = detected; },
                           [] { return interrupted != 0; }};
  // Automatic learning asks only where the suggestions disagree, and only someone at the terminal.
  if (plan_.Learn == LearnMode::Ask || (plan_.Learn == LearnMode::Auto && ::isatty(0) == 1)) {
    recogniser.Ask = [this](const CharacterQuestion& question) {
      // The run picks the next colour and reports it through OnCharColorChanged.
      return questions_.Ask(question, ink_, where_, StatusLine());
    };
  }
  RecognitionResult result = recogniser(subpicture, settings);
  if (result.Outcome && (questions_.QuitRequested() || interrupted)) {
    // The subtitle the user stopped in counts as not read: it is read again next time.
    quit_ = true;
    result.Outcome = Status::Failure(std::string());
    result.Aborted = true;
  }
  return result;
}

// A unit with a damaged control table still counts as found: the run reports it and the
// reading goes on, as in the desktop program. A step that failed because the user quit is no
// failure.
void ConvertRun::StepEnded(const StepOutcome& outcome) {
  lastFileReached_ = outcome.End == StepEnd::LastFileReached;
  if (outcome.End == StepEnd::Failed && !quit_) failed_ = true;
}

bool ConvertRun::SaveProgress() {
  if (plan_.Records.empty()) return true;
  Status saved = conversion_.SaveRecords(plan_.Records);
  if (saved) {
    const std::size_t records = RecordsFile::CountSubtitleRecords(conversion_.Script());
    saved = WriteResume(resumePath_, {done_, records, plan_.Stream, firstFile_});
  }
  lastSave_ = std::chrono::steady_clock::now();
  if (!saved) {
    progress_.Clear();
    cl_.Fail(saved.Message);
    return false;
  }
  return true;
}

std::string ConvertRun::StatusLine() const {
  const std::size_t index = static_cast<std::size_t>(std::max(0, navigator_.SelectedIndex()));
  std::int64_t total = 0;
  std::int64_t read = extraction_.FilePosition();
  for (std::size_t i = 0; i < plan_.Sizes.size(); ++i) {
    total += plan_.Sizes[i];
    if (i < index) read += plan_.Sizes[i];
  }
  const int number = navigator_.SubtitleNr();
  // An earlier one is read again after an answer was taken back.
  std::string line = "  subtitle " + std::to_string(reading_ > 0 ? reading_ : number);
  // Guessed from how much of the title is read, once that says something.
  if (total > 0 && read * 50 > total) {
    const auto estimate = static_cast<int>((static_cast<double>(number) * total) / read + 0.5);
    line += " of about " + std::to_string(std::max(number, estimate));
  }
  // What this run has taught, the current subtitle's answers included.
  const std::size_t now = dictionary_.Size();
  line += ", " + std::to_string(now > dictionaryAtStart_ ? now - dictionaryAtStart_ : 0) +
          " learned (" + fs::path(plan_.Vobs[index]).filename().string() + ")";
  return line;
}

void ConvertRun::ReportLearning() const {
  if (asked_ == 0 && namedAutomatically_ == 0) return;
  PrintMessage("quelm-cli convert: " + std::to_string(asked_) + " questions asked, " +
               std::to_string(askedWithSuggestion_) + " with a suggestion, " +
               std::to_string(answeredOtherwise_) + " answered otherwise; " +
               std::to_string(namedAutomatically_) +
               " entries named automatically (unconfirmed: see 'dict list --unconfirmed'); " +
               std::to_string(engineCalls_) + " engine calls");
}

int ConvertRun::Finish() {
  const bool complete = !quit_ && !fatal_ && !failed_;
  if (complete && found_ == 0) {
    cl_.Fail(VobFileCheck::NoSubtitle(plan_.Stream, plan_.Vobs));
    return ExitFailure;
  }
  const std::string recordsKept =
      plan_.Records.empty()
          ? "without --records the next run starts from the beginning (the dictionary keeps "
            "what was taught)"
          : "run the same command again to continue (records in " + plan_.Records + ")";

  // An output file is replaced only by the script of a run that read the title to its end.
  if (!complete && (found_ == 0 || !plan_.Out.empty())) {
    const std::string outKept =
        plan_.Out.empty() ? std::string() : "; " + plan_.Out + " is left as it was";
    if (fatal_ || failed_) {
      if (found_ > 0) cl_.Fail("no script written" + outKept + "; " + recordsKept);
      return ExitFailure;
    }
    PrintMessage("quelm-cli convert: stopped after subtitle " + std::to_string(done_) + outKept +
                 "; " + recordsKept);
    return ExitStopped;
  }

  conversion_.SetFormatPath(plan_.FormatPath);
  ScriptSources sources;
  sources.DictionaryRoot = plan_.DictionaryRoot;
  sources.SubtitleNumber = std::to_string(navigator_.SubtitleNr());
  sources.Palette = plan_.PanelColors;
  sources.ForcedOnly = plan_.ForcedOnly;
  sources.FixLookAlikes = plan_.FixLookAlikes;
  sources.Language = plan_.Language;
  const ScriptRendering& rendering = conversion_.Render(sources);
  if (!rendering.Dictionary) cl_.Fail("warning: " + rendering.Dictionary.Message);
  if (!rendering.Result) cl_.Fail(rendering.Result.Message);
  if (const Status written = ScriptOutput::Write(rendering.Lines, plan_.Out, plan_.Rtf);
      !written) {
    cl_.Fail(written.Message);
    return ExitFailure;
  }
  if (fatal_ || failed_ || !rendering.Result) return ExitFailure;
  if (!quit_) {
    const std::string where = plan_.Out.empty() ? "on standard output" : "in " + plan_.Out;
    PrintMessage("quelm-cli convert: " + std::to_string(found_) + " subtitles read, " +
                 std::to_string(learned_) + " characters learned; script " + where);
  }
  if (quit_) {
    PrintMessage("quelm-cli convert: stopped after subtitle " + std::to_string(done_) + "; " +
                 recordsKept);
    return ExitStopped;
  }
  return ExitSuccess;
}

}  // namespace quelm
