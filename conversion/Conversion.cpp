#include "conversion/Conversion.h"

#include <cstdint>
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

void Conversion::StartNew() { script_.StartNew(); }

void Conversion::Open(RawScript script) {
  script_ = std::move(script);
  if (script_.Lines().empty()) script_.StartNew();
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

SubtitleStep Conversion::RecogniseSubtitle(const Bitmap& subpicture,
                                           const RecognitionSettings& settings,
                                           const SubtitlePlace& place,
                                           const Recogniser& recognise) {
  const RecognitionResult recognised = recognise(subpicture, settings);
  SubtitleStep step;
  step.Learned = recognised.Learned;
  step.Asked = recognised.Asked;
  step.AskedWithSuggestion = recognised.AskedWithSuggestion;
  step.AnsweredOtherwise = recognised.AnsweredOtherwise;
  step.NamedAutomatically = recognised.NamedAutomatically;
  step.EngineCalls = recognised.EngineCalls;
  if (!recognised.Outcome) {
    step.End = RecognitionEnd::Failed;
    step.Outcome = recognised.Outcome;
    return step;
  }
  if (recognised.Aborted) return step;
  if (recognised.KeepColors) {
    step.KeepColors = true;
    step.CharColor = recognised.FinalCharColor;
    for (int k = 0; k < 4; ++k)
      if (settings.Colors[static_cast<std::size_t>(k)] == recognised.FinalCharColor)
        step.CharColorIndex = k;
  }
  script_.AppendRecord(place.TimeCode, place.Chapter, recognised.ReferenceLines, place.Facts);
  step.End = RecognitionEnd::Appended;
  return step;
}

const ScriptRendering& Conversion::Render(ScriptSources sources) {
  sources.FormatPath = formatPath_;
  return renderer_.RenderKept(script_, sources);
}

}  // namespace quelm
