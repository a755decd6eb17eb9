// Walking the raw script's records and assembling the shown script.
#include "output/ScriptRenderer.h"

#include <utility>

#include "output/RecordFacts.h"
#include "output/SystemCalendar.h"
#include "output/TextLines.h"
#include "platform/UserInteraction.h"

namespace quelm {

namespace {

// The first record of a script as "clear" writes it.
bool IsVersionRecord(const std::vector<std::string>& record) {
  return record.size() == 3 && record[0].starts_with("00:00:00") && record[1] == "0" &&
         record[2] == VersionRecordLine;
}

}  // namespace

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
  // buffer, "<SUB_END>" renders what it holds.
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  for (const std::string& line : rawLines) {
    if (line == RecordStartMarker) {
      record.clear();
    } else if (line == RecordEndMarker) {
      records.push_back(record);
    } else {
      record.push_back(line);
    }
  }

  std::vector<RecordTimes> times(records.size());
  std::vector<bool> subtitle(records.size(), true);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string timeCode = records[i].empty() ? std::string() : records[i][0];
    const RecordFacts facts = ReadRecordFacts(timeCode);
    times[i].StartMs = facts.HasStart ? facts.StartMs : TimeCodeMs(timeCode).value_or(0);
    times[i].EndMs = facts.HasEnd ? facts.EndMs : -1;
    times[i].Forced = facts.Forced;
  }
  if (!records.empty() && IsVersionRecord(records[0])) {
    subtitle[0] = false;
    times[0].EndMs = times[0].StartMs;
  }
  // Open ends: the next subtitle's start when it is later, else the default display time.
  std::int64_t nextStart = -1;
  for (std::size_t i = records.size(); i-- > 0;) {
    if (!subtitle[i]) continue;
    if (times[i].EndMs < 0)
      times[i].EndMs =
          nextStart > times[i].StartMs ? nextStart : times[i].StartMs + DefaultLastDisplayMs;
    nextStart = times[i].StartMs;
  }

  // Header and footer are written as they stand: no tags filled, "<<" left as it is.
  rendering.Lines = format.Header;
  int index = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (subtitle[i]) {
      if (forcedOnly && !times[i].Forced) continue;
      times[i].Index = ++index;
    } else if (format.SkipVersionRecord) {
      continue;
    }
    withCalendar.Times = &times[i];
    const Status converted =
        engine_.ConvertSubpicBody(records[i], format.Body, withCalendar, rendering.Lines);
    if (!converted) {
      rendering.Result = converted;
      return rendering;
    }
  }
  rendering.Lines.insert(rendering.Lines.end(), format.Footer.begin(), format.Footer.end());
  return rendering;
}

void ScriptRenderer::ReportFailure(const ScriptRendering& rendering, UserInteraction& interaction) {
  if (!rendering.Result) interaction.ShowMessage(MessageKind::Error, rendering.Result.Message);
}

}  // namespace quelm
