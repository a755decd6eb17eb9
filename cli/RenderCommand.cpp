// `quelm-cli render`: records file + format + dictionary -> script, with the settings' palette
// for the colour tags and --sub-nr for SUB_NR.
#include "cli/RenderCommand.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/ConvertCommand.h"
#include "cli/ScriptOutput.h"
#include "output/DictionaryLines.h"
#include "output/RecordsFile.h"
#include "output/ScriptRenderer.h"
#include "settings/CliSettings.h"
#include "settings/SettingsLocation.h"

namespace quelm {

namespace {

namespace fs = std::filesystem;

std::string WithSlash(std::string directory) {
  if (!directory.empty() && directory.back() != '/') directory += '/';
  return directory;
}

// The first of the directories the references name that holds a dictionary index, taking a
// relative one from the working directory or else from the records file's directory.
std::optional<std::string> NamedDictionary(const std::vector<std::string>& named,
                                           const std::string& recordsPath) {
  const fs::path recordsDirectory = fs::path(recordsPath).parent_path();
  for (const std::string& directory : named) {
    std::vector<std::string> candidates = {directory};
    if (fs::path(directory).is_relative() && !recordsDirectory.empty())
      candidates.push_back((recordsDirectory / directory).string());
    for (const std::string& candidate : candidates) {
      std::error_code ec;
      if (fs::is_regular_file(DictionaryLines::IndexPath(candidate), ec)) return candidate;
    }
  }
  return std::nullopt;
}

constexpr const char* Usage =
    "usage: quelm-cli render --records FILE [--settings FILE] [--dict DIR] [--format FILE.ini]\n"
    "                        [--sub-nr N] [--forced-only] [--lang CODE] [--no-fix]\n"
    "                        [--out FILE] [--rtf]\n"
    "\n"
    "Renders saved records (the raw script, from 'convert --records' or the desktop program's\n"
    "File menu) again through an output format, resolving every character reference in the\n"
    "dictionary as it reads now: after the dictionary was corrected or named, the script\n"
    "follows.\n"
    "\n"
    "  --records FILE      the records to render (required)\n"
    "  --settings FILE     quelm.ini for the palette (colour tags), dictionary root and format\n"
    "                      (default as for convert)\n"
    "  --dict DIR          dictionary directory (default: the one the records' character\n"
    "                      references name, else the settings' dictionary root)\n"
    "  --format FILE.ini   output format file (default: the format chosen in the settings)\n"
    "  --sub-nr N          what the SUB_NR tag writes (default 0)\n"
    "  --forced-only       write only the subtitles shown by the forced start command\n"
    "  --lang CODE         the records' language (\"en\", \"de\", \"fr\"): whose rules choose\n"
    "                      between look-alike letters (I l |, O 0, 1 l) (default: en)\n"
    "  --no-fix            write look-alike letters as recognised\n"
    "  --out FILE          write the script to FILE (default: standard output)\n"
    "  --rtf               write an RTF document instead of plain UTF-8 text\n"
    "\n"
    "A rendering stopped by a value that is no integer or a division by zero prints the\n"
    "program's message, writes the lines rendered before it and exits with status 1.\n"
    "Damaged lines of the records file and character references that the dictionary does\n"
    "not hold are named on standard error; the rest is rendered and the status is 1.\n"
    "Exit status: 0 done; 1 unreadable records or format, damaged records, unresolved\n"
    "references, unwritable output, a stopped rendering; 2 bad options.\n";

}  // namespace

int RunRenderCommand(const std::vector<std::string>& args) {
  const CommandLine cl(
      "render", {"--records", "--settings", "--dict", "--format", "--sub-nr", "--out", "--lang"},
      {"--rtf", "--forced-only", "--no-fix"});
  const auto parsed = cl.Parse(args);
  if (!parsed) return cl.TryHelp();
  if (parsed->Help) {
    std::fputs(Usage, stdout);
    return ExitSuccess;
  }
  if (!parsed->Positional.empty()) {
    cl.Fail("unexpected argument '" + parsed->Positional.front() + "'");
    return cl.TryHelp();
  }
  if (!parsed->Has("--records") || parsed->Value("--records")->empty()) {
    cl.Fail("--records FILE is required");
    return cl.TryHelp();
  }
  std::string subNr = "0";
  if (const auto* text = parsed->Value("--sub-nr")) {
    if (!CommandLine::ParseInteger(*text)) {
      cl.Fail("--sub-nr must be a number, not '" + *text + "'");
      return cl.TryHelp();
    }
    subNr = *text;
  }
  if (const auto* lang = parsed->Value("--lang");
      lang && (lang->size() != 2 || !std::all_of(lang->begin(), lang->end(), [](char c) {
                 return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
               }))) {
    cl.Fail("--lang needs a two-letter language code such as 'en', not '" + *lang + "'");
    return cl.TryHelp();
  }
  const auto* settingsOption = parsed->Value("--settings");
  if (settingsOption && settingsOption->empty()) {
    cl.Fail("--settings needs a file name");
    return cl.TryHelp();
  }
  const std::string settingsPath = ResolveSettingsPath(
      settingsOption ? std::optional(*settingsOption) : std::nullopt, ProcessEnvironment);
  if (settingsOption && !CliSettings::Read(settingsPath).FileFound) {
    cl.Fail("cannot read '" + settingsPath + "'");
    return ExitFailure;
  }
  const CliSettings settings = CliSettings::Read(settingsPath);

  const std::string recordsPath = *parsed->Value("--records");
  const RecordsLoad records = RecordsFile::Load(recordsPath);
  if (!records.Outcome) {
    cl.Fail(records.Outcome.Message);
    return ExitFailure;
  }
  for (const std::string& damaged : records.Damaged) cl.Fail(damaged);
  if (!records.Damaged.empty())
    cl.Fail(std::to_string(records.Damaged.size()) + " damaged line(s) in " + recordsPath +
            ": the records on them are left out");
  std::string dictionaryRoot;
  std::string namedButMissing;  // a dictionary the references name that is not there
  if (const auto* dict = parsed->Value("--dict")) {
    dictionaryRoot = WithSlash(*dict);
  } else {
    const std::vector<std::string> named = RecordsFile::ReferenceDirectories(records.Script);
    if (const auto found = NamedDictionary(named, recordsPath)) {
      dictionaryRoot = *found;
    } else {
      dictionaryRoot = WithSlash(settings.DictionaryRoot);
      if (!named.empty()) namedButMissing = named.front();
    }
  }
  std::string formatPath;
  if (const auto* format = parsed->Value("--format")) {
    formatPath = *format;
    std::FILE* file = std::fopen(formatPath.c_str(), "rb");
    if (file == nullptr) {
      cl.Fail("cannot read '" + formatPath + "'");
      return ExitFailure;
    }
    std::fclose(file);
    if (const Status checked = CheckFormatFile(formatPath); !checked) {
      cl.Fail(checked.Message);
      return ExitFailure;
    }
  } else {
    formatPath = SelectedFormatPath(ProgramFormatDirectory(), settings.OutputIni);
    if (formatPath.empty()) cl.Fail("warning: the settings choose no output format (give --format)");
  }
  const std::string out = parsed->Has("--out") ? *parsed->Value("--out") : std::string();
  if (!out.empty()) {
    if (const Status writable = ScriptOutput::CheckWritable(out); !writable) {
      cl.Fail(writable.Message);
      return ExitFailure;
    }
  }

  ScriptRenderer renderer;
  ScriptSources sources;
  sources.FormatPath = formatPath;
  sources.DictionaryRoot = dictionaryRoot;
  sources.SubtitleNumber = subNr;
  sources.Palette = settings.PanelColors;
  sources.ForcedOnly = parsed->Has("--forced-only");
  sources.FixLookAlikes = settings.FixLookAlikes && !parsed->Has("--no-fix");
  if (const auto* lang = parsed->Value("--lang")) sources.Language = *lang;
  const ScriptRendering rendering = renderer.Render(records.Script, sources);
  if (!rendering.Dictionary) cl.Fail("warning: " + rendering.Dictionary.Message);
  const ReferenceCount references =
      RecordsFile::CountReferences(records.Script, DictionaryLines::Load(dictionaryRoot));
  if (references.Unresolved > 0) {
    cl.Fail(std::to_string(references.Unresolved) + " of the records' " +
            std::to_string(references.References) + " character references are not in " +
            DictionaryLines::IndexPath(dictionaryRoot) + " and read <ERROR>" +
            (namedButMissing.empty() ? "; give the dictionary they were made with (--dict DIR)"
                                     : "; the records name the dictionary " + namedButMissing +
                                           ", which was not found (give --dict DIR)"));
  }
  if (!rendering.Result) cl.Fail(rendering.Result.Message);
  if (const Status written = ScriptOutput::Write(rendering.Lines, out, parsed->Has("--rtf")); !written) {
    cl.Fail(written.Message);
    return ExitFailure;
  }
  const bool whole = rendering.Result && records.Damaged.empty() && references.Unresolved == 0;
  return whole ? ExitSuccess : ExitFailure;
}

}  // namespace quelm
