// Renders a whole raw script through an output format: the header verbatim, every record through
// the body template, the footer verbatim. The raw script is only read.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "output/DictionaryLines.h"
#include "output/OutputFormat.h"
#include "output/RawScript.h"
#include "output/TagEngine.h"
#include "platform/Color.h"
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
};

class ScriptRenderer {
 public:
  ScriptRenderer();  // dates from the system clock in the user's locale
  explicit ScriptRenderer(std::shared_ptr<const LocalCalendar> calendar);

  // Reads the format file and the dictionary index once each, then renders.
  ScriptRendering Render(const RawScript& raw, const ScriptSources& sources);
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
};

}  // namespace quelm
