#include "conversion/Conversion.h"

#include <cstdint>
#include <filesystem>
#include <utility>

#include "output/RecordsFile.h"

namespace quelm {

RecognitionResult RunRecogniser::operator()(const Bitmap& subpicture,
                                            const RecognitionSettings& settings) const {
  RecognitionRun run(Dictionary, settings);
  run.AskCharacter = Ask;
  run.OnCharColorChanged = OnCharColorChanged;
  if (AbortRequested) {
    run.EventPump = [&] {
      if (AbortRequested()) run.RequestAbort();
    };
  }
  const std::uint64_t revision = Dictionary.Revision();
  RecognitionResult result = run.UpdateDictionary(subpicture);
  // Votes, renames and confirmations change it too, also in a subtitle that learned nothing.
  if (Dictionary.Revision() != revision || !result.Outcome) {
    if (const Status saved = Dictionary.Save(settings.DictionaryRoot); !saved) {
      result.Outcome = saved;
      result.Aborted = true;
    }
  }
  return result;
}

void Conversion::StartNew() {
  script_.StartNew();
  ForgetAnswers();
}

void Conversion::Open(RawScript script) {
  script_ = std::move(script);
  if (script_.Lines().empty()) script_.StartNew();
  ForgetAnswers();
  saved_ = script_.Lines();
}

Status Conversion::SaveRecords(const std::string& path) {
  const Status saved = RecordsFile::Save(path, script_);
  if (saved) saved_ = script_.Lines();
  return saved;
}

bool Conversion::Unsaved() const {
  return RecordsFile::CountSubtitleRecords(script_) > 0 && script_.Lines() != saved_;
}

namespace {

// Subtitles held for reading again after an undo; past this the answer stays as given.
constexpr std::size_t MaxKeptPixels = std::size_t{16} << 20;

SubtitleStep Counted(const RecognitionResult& recognised) {
  SubtitleStep step;
  step.Learned = recognised.Learned;
  step.Asked = recognised.Asked;
  step.AskedWithSuggestion = recognised.AskedWithSuggestion;
  step.AnsweredOtherwise = recognised.AnsweredOtherwise;
  step.NamedAutomatically = recognised.NamedAutomatically;
  step.EngineCalls = recognised.EngineCalls;
  return step;
}

void AddCounts(SubtitleStep& total, const SubtitleStep& step) {
  total.Learned += step.Learned;
  total.Asked += step.Asked;
  total.AskedWithSuggestion += step.AskedWithSuggestion;
  total.AnsweredOtherwise += step.AnsweredOtherwise;
  total.NamedAutomatically += step.NamedAutomatically;
  total.EngineCalls += step.EngineCalls;
}

}  // namespace

SubtitleStep Conversion::RecogniseSubtitle(const Bitmap& subpicture,
                                           const RecognitionSettings& settings,
                                           const SubtitlePlace& place,
                                           const Recogniser& recognise) {
  SubtitleStep undone;
  for (;;) {
    RecognitionSettings asked = settings;
    asked.EarlierUndoAllowed = !lastAnswers_.empty();
    const RecognitionResult recognised = recognise(subpicture, asked);
    if (recognised.UndoEarlier && recognised.Outcome) {
      AddCounts(undone, Counted(recognised));
      // A dictionary read again from disk since is not the one the answer went into.
      if (AsLeft(recognised.Dictionary, recognised.RevisionBefore)) {
        const SubtitleStep step =
            TakeBack(*recognised.Dictionary, recognise, settings.Suggestions);
        AddCounts(undone, step);
        if (step.End != RecognitionEnd::Appended) {
          undone.End = step.End;
          undone.Outcome = step.Outcome;
          return undone;
        }
        if (ReadingAgain) ReadingAgain(place);
      } else {
        ForgetAnswers();
      }
      continue;
    }
    SubtitleStep step = Append(recognised, subpicture, asked, place);
    AddCounts(step, undone);
    return step;
  }
}

SubtitleStep Conversion::Append(const RecognitionResult& recognised, const Bitmap& subpicture,
                                const RecognitionSettings& settings, const SubtitlePlace& place) {
  SubtitleStep step = Counted(recognised);
  const bool sameDictionary = AsLeft(recognised.Dictionary, recognised.RevisionBefore);
  dictionary_ = recognised.Dictionary;
  revisionAfter_ = recognised.RevisionAfter;
  if (!recognised.Outcome) {
    ForgetAnswers();
    step.End = RecognitionEnd::Failed;
    step.Outcome = recognised.Outcome;
    return step;
  }
  if (recognised.Aborted) {
    // What an aborted reading taught would be lost by putting back an earlier dictionary.
    if (recognised.RevisionAfter != recognised.RevisionBefore || !sameDictionary) ForgetAnswers();
    return step;
  }
  if (recognised.KeepColors) {
    step.KeepColors = true;
    step.CharColor = recognised.FinalCharColor;
    for (int k = 0; k < 4; ++k)
      if (settings.Colors[static_cast<std::size_t>(k)] == recognised.FinalCharColor)
        step.CharColorIndex = k;
  }
  const std::size_t linesBefore = script_.Lines().size();
  script_.AppendRecord(place.TimeCode, place.Chapter, recognised.ReferenceLines, place.Facts);
  step.End = RecognitionEnd::Appended;

  if (!recognised.Answers.empty() && recognised.Dictionary) {
    ForgetAnswers();
    lastAnswers_ = recognised.Answers;
    dictionaryBefore_ = recognised.DictionaryBefore;
    written_ = recognised.Written;
  } else if (!sameDictionary) {
    ForgetAnswers();
  }
  if (lastAnswers_.empty()) return step;
  keptPixels_ += static_cast<std::size_t>(subpicture.Width()) *
                 static_cast<std::size_t>(subpicture.Height());
  if (keptPixels_ > MaxKeptPixels) {
    ForgetAnswers();
    return step;
  }
  RecognitionSettings kept = settings;
  kept.Replay.clear();
  kept.EarlierUndoAllowed = false;
  sinceAnswer_.push_back({subpicture, std::move(kept), place, linesBefore, script_.Lines().size()});
  return step;
}

bool Conversion::CanUndoAnswer(const CharDictionary& dictionary) const {
  return !lastAnswers_.empty() && !sinceAnswer_.empty() &&
         AsLeft(&dictionary, dictionary.Revision());
}

SubtitleStep Conversion::UndoAnswer(CharDictionary& dictionary, const Recogniser& recognise,
                                    SuggestionEngine* suggestions) {
  if (!CanUndoAnswer(dictionary)) return {};
  return TakeBack(dictionary, recognise, suggestions);
}

SubtitleStep Conversion::TakeBack(CharDictionary& dictionary, const Recogniser& recognise,
                                  SuggestionEngine* suggestions) {
  const std::vector<ReadAgain> again = std::move(sinceAnswer_);
  std::vector<CharacterAnswer> answers = std::move(lastAnswers_);
  answers.pop_back();
  const std::shared_ptr<const CharDictionary> before = dictionaryBefore_;
  const std::vector<std::string> written = written_;
  ForgetAnswers();

  SubtitleStep total;
  if (before) {
    // The index on disk first: while it cannot be written, the files it names stay.
    const CharDictionary current = dictionary;
    dictionary.Restore(*before);
    if (const Status saved = dictionary.Save(again.front().Settings.DictionaryRoot); !saved) {
      dictionary.Restore(current);
      total.End = RecognitionEnd::Failed;
      total.Outcome = saved;
      return total;
    }
    for (const std::string& name : written) {
      std::error_code ignored;
      std::filesystem::remove(name, ignored);
    }
  }

  const std::vector<std::string> old = script_.Lines();
  script_ = RawScript(std::vector<std::string>(
      old.begin(), old.begin() + static_cast<std::ptrdiff_t>(again.front().LinesBefore)));
  total.End = RecognitionEnd::Appended;
  for (std::size_t i = 0; i < again.size(); ++i) {
    RecognitionSettings settings = again[i].Settings;
    if (settings.Suggestions) settings.Suggestions = suggestions;
    if (i == 0) settings.Replay = answers;
    if (ReadingAgain) ReadingAgain(again[i].Place);
    const SubtitleStep step =
        RecogniseSubtitle(again[i].Subpicture, settings, again[i].Place, recognise);
    AddCounts(total, step);
    if (step.End == RecognitionEnd::Appended) continue;
    // The user stopped, or reading failed: the records not read again stay as they were (a
    // dropped subtitle's too, unless the user dropped it).
    const std::size_t from =
        step.End == RecognitionEnd::Failed ? i : i + 1;
    std::vector<std::string> lines = script_.Lines();
    if (from < again.size())
      lines.insert(lines.end(), old.begin() + static_cast<std::ptrdiff_t>(again[from].LinesBefore),
                   old.begin() + static_cast<std::ptrdiff_t>(again.back().LinesAfter));
    script_ = RawScript(std::move(lines));
    ForgetAnswers();
    total.End = step.End;
    total.Outcome = step.Outcome;
    return total;
  }
  return total;
}

void Conversion::ForgetAnswers() {
  sinceAnswer_.clear();
  keptPixels_ = 0;
  lastAnswers_.clear();
  dictionaryBefore_.reset();
  written_.clear();
}

const ScriptRendering& Conversion::Render(ScriptSources sources) {
  sources.FormatPath = formatPath_;
  return renderer_.RenderKept(script_, sources);
}

}  // namespace quelm
