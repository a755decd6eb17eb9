// Walking the raw script's records and assembling the shown script.
#include "output/ScriptRenderer.h"

#include <utility>

#include "output/RecordFacts.h"
#include "output/SystemCalendar.h"
#include "output/TextLines.h"
#include "platform/UserInteraction.h"

namespace quelm {

std::string ScriptRendering::Text() const {
  return JoinTextLines(Lines);
}

ScriptRenderer::ScriptRenderer() : calendar_(std::make_shared<SystemCalendar>()) {}

ScriptRenderer::ScriptRenderer(std::shared_ptr<const LocalCalendar> calendar)
    : calendar_(calendar ? std::move(calendar) : std::make_shared<SystemCalendar>()) {}

ScriptRendering ScriptRenderer::Render(const RawScript& raw, const ScriptSources& sources) {
  const OutputFormat format = OutputFormat::Read(sources.FormatPath);
  // Nothing changes the dictionary during a rendering, so one read serves every text line.
  Status dictionaryStatus;
  DictionaryLines characters = DictionaryLines::Load(sources.DictionaryRoot, &dictionaryStatus);
  if (characters.Lines() != dictionary_.Lines()) {
    dictionary_ = std::move(characters);
    decodedLines_.clear();
  }
  TagContext context;
  context.SubtitleNumber = sources.SubtitleNumber;
  context.Palette = sources.Palette;
  context.Calendar = calendar_.get();
  context.Characters = &dictionary_;
  context.DecodedLines = &decodedLines_;
  ScriptRendering rendering = Render(raw.Lines(), format, context, sources.ForcedOnly);
  rendering.Dictionary = dictionaryStatus;
  return rendering;
}

ScriptRendering ScriptRenderer::Render(const std::vector<std::string>& rawLines,
                                       const OutputFormat& format, const TagContext& context,
                                       bool forcedOnly) {
  ScriptRendering rendering;
  TagContext withCalendar = context;
  if (!withCalendar.Calendar) withCalendar.Calendar = calendar_.get();

  // The records as the walk over the lines has always found them: "<SUB_START>" empties the
  // buffer, "<SUB_END>" renders what it holds. A first pass reads only the first items of each
  // record, for the times; the second fills the buffer and renders, as one pass did before.
  std::vector<RecordTimes> times;
  std::vector<bool> subtitle;
  {
    const std::string* items[3] = {nullptr, nullptr, nullptr};
    std::size_t count = 0;
    for (const std::string& line : rawLines) {
      if (line == RecordStartMarker) {
        count = 0;
      } else if (line == RecordEndMarker) {
        const std::string timeCode = count > 0 ? *items[0] : std::string();
        const RecordFacts facts = ReadRecordFacts(timeCode);
        RecordTimes recordTimes;
        recordTimes.StartMs = facts.HasStart ? facts.StartMs : TimeCodeMs(timeCode).value_or(0);
        recordTimes.EndMs = facts.HasEnd ? facts.EndMs : -1;
        recordTimes.Forced = facts.Forced;
        // The version record that "clear" writes first is no subtitle.
        const bool version = times.empty() && count == 3 && items[0]->starts_with("00:00:00") &&
                             *items[1] == "0" && *items[2] == VersionRecordLine;
        if (version) recordTimes.EndMs = recordTimes.StartMs;
        times.push_back(recordTimes);
        subtitle.push_back(!version);
      } else {
        if (count < 3) items[count] = &line;
        ++count;
      }
    }
  }
  // Open ends: the next subtitle's start when it is later, else the default display time.
  std::int64_t nextStart = -1;
  for (std::size_t i = times.size(); i-- > 0;) {
    if (!subtitle[i]) continue;
    if (times[i].EndMs < 0)
      times[i].EndMs =
          nextStart > times[i].StartMs ? nextStart : times[i].StartMs + DefaultLastDisplayMs;
    nextStart = times[i].StartMs;
  }

  // Header and footer are written as they stand: no tags filled, "<<" left as it is.
  rendering.Lines = format.Header;
  int index = 0;
  std::size_t recordIndex = 0;
  std::vector<std::string> record;
  for (const std::string& line : rawLines) {
    if (line == RecordStartMarker) {
      record.clear();
    } else if (line == RecordEndMarker) {
      RecordTimes& recordTimes = times[recordIndex];
      const bool isSubtitle = subtitle[recordIndex++];
      if (isSubtitle) {
        if (forcedOnly && !recordTimes.Forced) continue;
        recordTimes.Index = ++index;
      } else if (format.SkipVersionRecord) {
        continue;
      }
      withCalendar.Times = &recordTimes;
      const Status converted =
          engine_.ConvertSubpicBody(record, format.Body, withCalendar, rendering.Lines);
      if (!converted) {
        rendering.Result = converted;
        return rendering;
      }
    } else {
      record.push_back(line);
    }
  }
  rendering.Lines.insert(rendering.Lines.end(), format.Footer.begin(), format.Footer.end());
  return rendering;
}

void ScriptRenderer::ReportFailure(const ScriptRendering& rendering, UserInteraction& interaction) {
  if (!rendering.Result) interaction.ShowMessage(MessageKind::Error, rendering.Result.Message);
}

}  // namespace quelm
