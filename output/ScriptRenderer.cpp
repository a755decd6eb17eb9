// Walking the raw script's records and assembling the shown script.
#include "output/ScriptRenderer.h"

#include <utility>

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
  ScriptRendering rendering = Render(raw.Lines(), format, context);
  rendering.Dictionary = dictionaryStatus;
  return rendering;
}

ScriptRendering ScriptRenderer::Render(const std::vector<std::string>& rawLines,
                                       const OutputFormat& format, const TagContext& context) {
  ScriptRendering rendering;
  TagContext withCalendar = context;
  if (!withCalendar.Calendar) withCalendar.Calendar = calendar_.get();

  // Header and footer are written as they stand: no tags filled, "<<" left as it is.
  rendering.Lines = format.Header;
  std::vector<std::string> record;
  for (const std::string& line : rawLines) {
    if (line == RecordStartMarker) {
      record.clear();
    } else if (line == RecordEndMarker) {
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
