// Renders a whole raw script through an output format: the header verbatim, every record through
// the body template, the footer verbatim. The raw script is only read.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "output/DictionaryLines.h"
#include "output/LookAlikeFix.h"
#include "output/OutputFormat.h"
#include "output/RawScript.h"
#include "output/TagEngine.h"
#include "platform/Color.h"
#include "platform/FileIo.h"
#include "platform/Status.h"

namespace quelm {

class LocalCalendar;
class UserInteraction;

struct ScriptRendering {
  std::vector<std::string> Lines;
  // A failure means the rendering stopped part way: Lines holds what came before the fault and
  // the footer is missing.
  Status Result;
  // Set when the dictionary index exists but could not be read (references then show "<ERROR>").
  Status Dictionary;

  // The lines joined with "\n", for a view that takes one text.
  std::string Text() const;
};

// Where a rendering from files finds its inputs.
struct ScriptSources {
  std::string FormatPath;      // the current format file
  std::string DictionaryRoot;  // ends with "/"; the index is DictionaryRoot + "chardict.ocr"
  std::string SubtitleNumber;  // what SUB_NR writes
  std::array<Color, 4> Palette{ColorBlack, 0xC8C8C8, 0x686868, ColorWhite};
  bool ForcedOnly = false;  // only subtitles shown by the forced start command
  // Look-alike letters chosen anew in the rendered text by the rules of `Language` (the
  // stream's two-letter code; empty is English), read from FixRulesDirectory (empty: the
  // shipped one beside the program).
  bool FixLookAlikes = false;
  std::string Language;
  std::string FixRulesDirectory;
};

class ScriptRenderer {
 public:
  ScriptRenderer();  // dates from the system clock in the user's locale
  explicit ScriptRenderer(std::shared_ptr<const LocalCalendar> calendar);

  // Reads the format file and the dictionary index once each, then renders.
  ScriptRendering Render(const RawScript& raw, const ScriptSources& sources);
  // The same, the result kept by the renderer until its next rendering: a view that renders
  // after every record need not copy a whole film's script each time.
  const ScriptRendering& RenderKept(const RawScript& raw, const ScriptSources& sources);
  // Renders with a format and characters already in hand. The times of every record are
  // settled first over the whole script: a subtitle without an end of its own (no stop
  // command) ends where the next subtitle of the script starts, the last one
  // DefaultLastDisplayMs after its start. Only then are records left out (forced only, the
  // version record), so leaving one out never changes another's end.
  ScriptRendering Render(const std::vector<std::string>& rawLines, const OutputFormat& format,
                         const TagContext& context, bool forcedOnly = false);

  // Shows why a rendering stopped; a complete rendering shows nothing.
  static void ReportFailure(const ScriptRendering& rendering, UserInteraction& interaction);

  const LocalCalendar& Calendar() const { return *calendar_; }
  TagEngine& Engine() { return engine_; }

 private:
  std::shared_ptr<const LocalCalendar> calendar_;
  TagEngine engine_;  // owns the arithmetic list, which outlives renderings
  // The dictionary of the last rendering from files, and the text lines decoded with it: while
  // the index file reads the same, a rendering decodes only lines it has not seen.
  DictionaryLines dictionary_;
  std::unordered_map<std::string, std::string> decodedLines_;
  bool dictionaryRead_ = false;
  std::string dictionaryRoot_;
  FileStamp dictionaryStamp_;
  Status dictionaryStatus_;
  // The format file of the last rendering from files.
  bool formatRead_ = false;
  std::string formatPath_;
  FileStamp formatStamp_;
  OutputFormat format_;
  // The look-alike rules of the last rendering from files, while their file reads the same.
  std::unique_ptr<LookAlikeFix> fix_;
  std::string fixPath_;
  FileStamp fixStamp_;

  // The records of one raw script as found so far, as positions of their lines; finding goes
  // on where it stopped while the script only grew.
  struct RecordSpan {
    std::vector<std::size_t> Lines;
    RecordTimes Base;  // its own times; an open end is -1
    bool Version = false;
  };
  struct Spans {
    bool Valid = false;
    std::uint64_t Lineage = 0;
    std::size_t ScanPosition = 0;
    std::vector<std::size_t> Pending;  // the buffer since the last start marker
    std::vector<RecordSpan> Records;
  };
  static void FindRecords(const std::vector<std::string>& rawLines, Spans& spans);

  // The last rendering from files, record by record. A rendering after one more record mostly
  // repeats the one before; a record whose inputs all read the same keeps its lines and skips
  // the tag engine.
  struct RenderedRecord {
    std::size_t Span = 0;
    RecordTimes Times;
    std::vector<std::string> MathBefore;
    std::vector<std::string> MathAfter;
    TagReads Reads;
    std::string SubtitleNumber;
    std::array<Color, 4> Palette{};
    std::size_t LinesBegin = 0;  // its lines in the rendering
  };
  struct Memory {
    bool Valid = false;
    std::uint64_t Lineage = 0;  // the raw script's; another one shares no record
    OutputFormat Format;
    bool ForcedOnly = false;
    const LookAlikeFix* Fix = nullptr;
    std::vector<RenderedRecord> Records;
    // Its lines: the header, the records' lines, then the footer or a failed record's part.
    ScriptRendering Rendering;
    std::size_t RecordsEnd = 0;  // where the last complete record's lines end
  };
  // Renders into `rendering`, reusing what `memory` holds when there is one (`rendering` is
  // then the memory's own).
  void RenderRecords(const std::vector<std::string>& rawLines, const Spans& spans,
                     const OutputFormat& format, const TagContext& context, bool forcedOnly,
                     Memory* memory, ScriptRendering& rendering);
  Spans spans_;
  Memory memory_;
};

}  // namespace quelm
