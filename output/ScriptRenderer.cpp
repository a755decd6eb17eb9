// Walking the raw script's records and assembling the shown script.
#include "output/ScriptRenderer.h"

#include <algorithm>
#include <utility>

#include "output/RecordFacts.h"
#include "output/SystemCalendar.h"
#include "output/TextLines.h"
#include "platform/DataPaths.h"
#include "platform/FileIo.h"
#include "platform/UserInteraction.h"

namespace quelm {

std::string ScriptRendering::Text() const {
  return JoinTextLines(Lines);
}

ScriptRenderer::ScriptRenderer() : calendar_(std::make_shared<SystemCalendar>()) {}

ScriptRenderer::ScriptRenderer(std::shared_ptr<const LocalCalendar> calendar)
    : calendar_(calendar ? std::move(calendar) : std::make_shared<SystemCalendar>()) {}

ScriptRendering ScriptRenderer::Render(const RawScript& raw, const ScriptSources& sources) {
  return RenderKept(raw, sources);
}

const ScriptRendering& ScriptRenderer::RenderKept(const RawScript& raw,
                                                  const ScriptSources& sources) {
  // Both files are read again only when they were replaced or written since the last reading
  // (every writer of this program replaces them).
  const FileStamp formatStamp = StampOf(sources.FormatPath);
  if (!formatRead_ || formatPath_ != sources.FormatPath || !formatStamp_.Unchanged(formatStamp)) {
    format_ = OutputFormat::Read(sources.FormatPath);
    formatPath_ = sources.FormatPath;
    formatStamp_ = formatStamp;
    formatRead_ = true;
  }
  const OutputFormat& format = format_;
  // Nothing changes the dictionary during a rendering, so one read serves every text line.
  const FileStamp indexStamp = StampOf(DictionaryLines::IndexPath(sources.DictionaryRoot));
  if (!dictionaryRead_ || dictionaryRoot_ != sources.DictionaryRoot ||
      !dictionaryStamp_.Unchanged(indexStamp)) {
    DictionaryLines characters =
        DictionaryLines::Load(sources.DictionaryRoot, &dictionaryStatus_);
    if (characters.Lines() != dictionary_.Lines()) {
      dictionary_ = std::move(characters);
      decodedLines_.clear();
      memory_.Valid = false;
    }
    dictionaryRoot_ = sources.DictionaryRoot;
    dictionaryStamp_ = indexStamp;
    dictionaryRead_ = true;
  }
  const LookAlikeFix* fix = nullptr;
  if (sources.FixLookAlikes) {
    const std::string directory = sources.FixRulesDirectory.empty()
                                      ? FindDataDirectory(ProgramDirectory(), "fixrules")
                                      : sources.FixRulesDirectory;
    const std::string rulesPath = LookAlikeFix::RulesPath(directory, sources.Language);
    const FileStamp rulesStamp = StampOf(rulesPath);
    if (!fix_ || fixPath_ != rulesPath || !fixStamp_.Unchanged(rulesStamp)) {
      fix_ = LookAlikeFix::Load(directory, sources.Language,
                                LookAlikeFix::SystemHunspellDirectories());
      fixPath_ = rulesPath;
      fixStamp_ = rulesStamp;
      memory_.Valid = false;
    }
    fix = fix_.get();
  }
  TagContext context;
  context.Fix = fix;
  context.SubtitleNumber = sources.SubtitleNumber;
  context.Palette = sources.Palette;
  context.Calendar = calendar_.get();
  context.Characters = &dictionary_;
  context.DecodedLines = &decodedLines_;
  if (!spans_.Valid || spans_.Lineage != raw.Lineage() ||
      raw.Lines().size() < spans_.ScanPosition) {
    spans_ = Spans{};
    spans_.Valid = true;
    spans_.Lineage = raw.Lineage();
  }
  FindRecords(raw.Lines(), spans_);
  ScriptRendering& rendering = memory_.Rendering;
  RenderRecords(raw.Lines(), spans_, format, context, sources.ForcedOnly, &memory_, rendering);
  rendering.Dictionary = dictionaryStatus_;
  return rendering;
}

ScriptRendering ScriptRenderer::Render(const std::vector<std::string>& rawLines,
                                       const OutputFormat& format, const TagContext& context,
                                       bool forcedOnly) {
  // The caller's lines and characters may change behind the same references: nothing is
  // reused.
  Spans spans;
  FindRecords(rawLines, spans);
  ScriptRendering rendering;
  RenderRecords(rawLines, spans, format, context, forcedOnly, nullptr, rendering);
  return rendering;
}

namespace {

bool SameTimes(const RecordTimes& a, const RecordTimes& b) {
  return a.StartMs == b.StartMs && a.EndMs == b.EndMs && a.Forced == b.Forced && a.Index == b.Index;
}

}  // namespace

void ScriptRenderer::FindRecords(const std::vector<std::string>& rawLines, Spans& spans) {
  // The records as the walk over the lines has always found them: "<SUB_START>" empties the
  // buffer, "<SUB_END>" takes what it holds as a record (and leaves it there).
  const std::string_view startMarker = RecordStartMarker;
  const std::string_view endMarker = RecordEndMarker;
  for (std::size_t i = spans.ScanPosition; i < rawLines.size(); ++i) {
    const std::string& line = rawLines[i];
    if (line == startMarker) {
      spans.Pending.clear();
    } else if (line == endMarker) {
      RecordSpan span;
      span.Lines = spans.Pending;
      const std::vector<std::size_t>& items = span.Lines;
      const std::string_view timeCode =
          items.empty() ? std::string_view() : std::string_view(rawLines[items[0]]);
      const RecordFacts facts = ReadRecordFacts(timeCode);
      span.Base.StartMs = facts.HasStart ? facts.StartMs : TimeCodeMs(timeCode).value_or(0);
      span.Base.EndMs = facts.HasEnd ? facts.EndMs : -1;
      span.Base.Forced = facts.Forced;
      // The version record that "clear" writes first is no subtitle.
      span.Version = spans.Records.empty() && items.size() == 3 &&
                     rawLines[items[0]].starts_with("00:00:00") && rawLines[items[1]] == "0" &&
                     rawLines[items[2]] == VersionRecordLine;
      if (span.Version) span.Base.EndMs = span.Base.StartMs;
      spans.Records.push_back(std::move(span));
    } else {
      spans.Pending.push_back(i);
    }
  }
  spans.ScanPosition = rawLines.size();
}

void ScriptRenderer::RenderRecords(const std::vector<std::string>& rawLines, const Spans& spans,
                                   const OutputFormat& format, const TagContext& context,
                                   bool forcedOnly, Memory* memory, ScriptRendering& rendering) {
  rendering.Result = Status::Success();
  rendering.Dictionary = Status::Success();
  TagContext withCalendar = context;
  if (!withCalendar.Calendar) withCalendar.Calendar = calendar_.get();
  withCalendar.ItalicStart = format.ItalicStart;
  withCalendar.ItalicEnd = format.ItalicEnd;

  // The times of every record are settled over the whole script first. Open ends: the next
  // subtitle's start when it is later, else the default display time.
  std::vector<RecordTimes> times;
  times.reserve(spans.Records.size());
  for (const RecordSpan& span : spans.Records) times.push_back(span.Base);
  std::int64_t nextStart = -1;
  for (std::size_t i = times.size(); i-- > 0;) {
    if (spans.Records[i].Version) continue;
    if (times[i].EndMs < 0)
      times[i].EndMs =
          nextStart > times[i].StartMs ? nextStart : times[i].StartMs + DefaultLastDisplayMs;
    nextStart = times[i].StartMs;
  }

  if (memory && !(memory->Valid && memory->Lineage == spans.Lineage && memory->Format == format &&
                  memory->ForcedOnly == forcedOnly && memory->Fix == context.Fix)) {
    memory->Valid = true;
    memory->Fix = context.Fix;
    memory->Lineage = spans.Lineage;
    memory->Format = format;
    memory->ForcedOnly = forcedOnly;
    memory->Records.clear();
  }
  std::vector<std::string>& out = rendering.Lines;
  // Header and footer are written as they stand: no tags filled, "<<" left as it is.
  if (!memory || memory->Records.empty()) {
    out = format.Header;
    if (memory) memory->RecordsEnd = out.size();
  }
  // Records of the memory found unchanged so far; once one differs, everything after it is
  // rendered anew.
  std::size_t kept = 0;
  bool matching = memory != nullptr;
  const auto stopMatching = [&] {
    matching = false;
    out.resize(kept < memory->Records.size() ? memory->Records[kept].LinesBegin
                                             : memory->RecordsEnd);
    memory->Records.resize(kept);
    memory->RecordsEnd = out.size();
  };

  int index = 0;
  std::vector<std::string> record;
  for (std::size_t r = 0; r < spans.Records.size(); ++r) {
    const RecordSpan& span = spans.Records[r];
    RecordTimes& recordTimes = times[r];
    if (!span.Version) {
      if (forcedOnly && !recordTimes.Forced) continue;
      recordTimes.Index = ++index;
    } else if (format.SkipVersionRecord) {
      continue;
    }
    if (matching && kept < memory->Records.size()) {
      // Within one lineage a record's lines never change; the rest of what it read must
      // read the same.
      const RenderedRecord& before = memory->Records[kept];
      if (!before.Reads.Clock && before.Span == r &&
          SameTimes(before.Times, recordTimes) && before.MathBefore == engine_.MathList() &&
          (!before.Reads.SubtitleNumber || before.SubtitleNumber == context.SubtitleNumber) &&
          (!before.Reads.Palette || before.Palette == context.Palette)) {
        engine_.RestoreMathList(before.MathAfter);
        ++kept;
        continue;
      }
    }
    if (matching) stopMatching();
    record.clear();
    for (const std::size_t position : span.Lines) record.push_back(rawLines[position]);
    withCalendar.Times = &recordTimes;
    // The version line is the program's own text, not a recognised one.
    withCalendar.Fix = span.Version ? nullptr : context.Fix;
    std::vector<std::string> mathBefore;
    if (memory) mathBefore = engine_.MathList();
    const std::size_t linesBegin = out.size();
    const Status converted = engine_.ConvertSubpicBody(record, format.Body, withCalendar, out);
    if (!converted) {
      rendering.Result = converted;
      return;
    }
    if (memory) {
      RenderedRecord rendered;
      rendered.Span = r;
      rendered.Times = recordTimes;
      rendered.MathBefore = std::move(mathBefore);
      rendered.MathAfter = engine_.MathList();
      rendered.Reads = engine_.LastReads();
      rendered.SubtitleNumber = context.SubtitleNumber;
      rendered.Palette = context.Palette;
      rendered.LinesBegin = linesBegin;
      memory->Records.push_back(std::move(rendered));
      memory->RecordsEnd = out.size();
      ++kept;
    }
  }
  if (matching) stopMatching();
  out.insert(out.end(), format.Footer.begin(), format.Footer.end());
}

void ScriptRenderer::ReportFailure(const ScriptRendering& rendering, UserInteraction& interaction) {
  if (!rendering.Result) interaction.ShowMessage(MessageKind::Error, rendering.Result.Wording);
}

}  // namespace quelm
