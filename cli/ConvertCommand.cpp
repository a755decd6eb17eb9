// `quelm-cli convert`: its options and the inputs they name (title set, stream, chapters,
// dictionary, format, output) are settled and checked here; ConvertRun does the reading.
#include "cli/ConvertCommand.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/ConvertRun.h"
#include "cli/ResumeFile.h"
#include "cli/ScriptOutput.h"
#include "cli/TitleSet.h"
#include "disc/IfoReader.h"
#include "disc/LanguageTable.h"
#include "disc/VobSubIndex.h"
#include "extraction/UnitSource.h"
#include "ocr/CharDictionary.h"
#include "platform/AsciiText.h"
#include "platform/SourceFile.h"
#include "settings/CliSettings.h"
#include "settings/SettingsLocation.h"

namespace quelm {

namespace {

namespace fs = std::filesystem;

constexpr const char* Usage =
    "usage: quelm-cli convert [options] [PATH...]\n"
    "\n"
    "Reads the subtitles of a title (\"first\", then \"all\" from file to file, as the desktop\n"
    "program does), recognises them with the character dictionary and writes the script in\n"
    "the output format. PATH is a VOB file or a title-set directory (its VTS_nn_1..9.VOB in\n"
    "order, any case; a disc root with VIDEO_TS/ works too) or a title set's IFO. A VobSub\n"
    "pair is read by its .idx or its .sub (or a directory holding the one pair): the index\n"
    "gives the streams and their languages, its delay shifts the times. A DVD image (.iso) or\n"
    "a drive's device (/dev/sr0) stands for its VIDEO_TS, read without decrypting; a file in\n"
    "it is named IMAGE/VIDEO_TS/NAME. A Matroska file (.mkv, .mks) is read through its VobSub\n"
    "and PGS tracks, in file order from 0x20, with their languages (\"fre\" is --lang fr).\n"
    "Without PATH the VOB/IFO root of the settings is read.\n"
    "A Blu-ray subtitle stream saved as a .sup file (PGS) is read like a VOB file: its\n"
    "colours are read as background (colour row 0), fill (row 1), outline (row 2) and\n"
    "anti-aliasing (row 3).\n"
    "\n"
    "  --settings FILE     quelm.ini to take colours, roles, space width, interlace, roots,\n"
    "                      stream, learning mode and format from (default: $QUELM_SETTINGS,\n"
    "                      else $XDG_CONFIG_HOME/quelm/quelm.ini, else ~/.config/quelm/quelm.ini)\n"
    "  --stream ID         sub-stream 0x20..0x3F\n"
    "  --lang CODE         the stream whose language code in the IFO (or the VobSub index,\n"
    "                      or the Matroska file) is CODE (\"en\")\n"
    "  --title N           title set N of a directory holding several\n"
    "  --dict DIR          dictionary directory (chardict.ocr, char_N.bmp); made if missing\n"
    "  --format FILE.ini   output format file (default: the format chosen in the settings);\n"
    "                      one without header, body or footer lines is refused\n"
    "  --space-width N     pixels per space, 0..20; 'auto': from each line's own gaps\n"
    "  --interlace N       decoder row step, 1..4\n"
    "  --learn MODE        unknown characters: ask (on the terminal, the OCR engine's\n"
    "                      reading filled in), auto (named from the engine's readings where\n"
    "                      they agree and left unconfirmed; asked where they disagree when\n"
    "                      standard input is a terminal, else kept unnamed), after (learn them\n"
    "                      with their own reference as text, name them later with 'dict\n"
    "                      name'), skip (drop them). Default: the settings' learning mode\n"
    "                      (while reading: ask, after reading: after, automatically: auto).\n"
    "  --ocr-lang LANG     the OCR engine's language (eng, deu, fra, ...; eng+fra for\n"
    "                      several). Default: the stream's language, else English.\n"
    "  --records FILE      keep the records (the raw script) in FILE. If FILE exists, its\n"
    "                      records are kept and reading goes on after the subtitles already\n"
    "                      done (counted in FILE.resume; without it, the subtitles up to the\n"
    "                      last record's start): stop any time, continue later with the same\n"
    "                      command.\n"
    "  --out FILE          write the script to FILE (default: standard output); a stopped or\n"
    "                      failed run leaves FILE as it was\n"
    "  --rtf               write the script as an RTF document instead of plain UTF-8 text\n"
    "  --forced-only       write only the forced subtitles (all are still read and kept in\n"
    "                      the records, so each one ends where the next subtitle starts)\n"
    "  --no-fix            write look-alike letters (I l |, O 0) as recognised\n"
    "\n"
    "--learn ask draws the text line with the unknown character framed (scaled or cut to\n"
    "fit the terminal), the text so far and a status line (\"subtitle 4 of about 12, 3\n"
    "learned\") on standard error, and reads one line of standard input as the answer (so\n"
    "answers can come from a file). The line is the character's text; an empty one asks\n"
    "first whether the shape is to stand for nothing from now on (y: as for a speck of\n"
    "dust). Where the OCR engine read something there, its reading is shown with the\n"
    "engine's word (suggested: \"x\" (word \"xyz\")) and an empty line accepts it. These words\n"
    "on a line of their own stand for the learning window's buttons:\n"
    "  \\none    no text, also where a reading is suggested\n"
    "  \\undo    take back the last answer and be asked again\n"
    "  \\skip    skip this character          \\line   skip the rest of the text line\n"
    "  \\color   try the next character colour \\keep   keep these colours, then answer\n"
    "  \\abort   drop this subtitle from the script (what it learned stays)\n"
    "  \\quit    stop here: records and dictionary are kept (see --records)\n"
    "A text that begins with a backslash is written with two: \\\\x stands for \\x. The end of\n"
    "the input counts as \\quit.\n"
    "\n"
    "A run that reads the title to its end says in one line how many subtitles it read and\n"
    "characters it learned; a continued one says after which subtitle it goes on.\n"
    "When anything was asked or named automatically, one line on standard error says at the\n"
    "end how many questions were asked, how many showed a suggestion and how many answers\n"
    "took another text, how many entries were named automatically (unconfirmed until\n"
    "'dict name' or 'dict confirm'; 'dict list --unconfirmed' lists them) and how often the\n"
    "engine read a line.\n"
    "A progress line is drawn on standard error when it is a terminal. Ctrl+C stops like \\quit.\n"
    "Exit status: 0 done; 1 unreadable input (no VOB file, a stream the title lacks, not one\n"
    "subtitle read), unwritable output or dictionary, a failed run or rendering; 2 bad\n"
    "options; 3 stopped before the end (records kept when --records).\n";

struct ConvertOptions {
  std::vector<std::string> Paths;
  std::string SettingsPath;
  std::optional<int> Stream;
  std::string Lang;
  int Title = 0;
  std::string Dict;
  std::string Format;
  std::optional<int> SpaceWidth;
  std::optional<bool> AutoSpaceWidth;
  std::optional<int> Interlace;
  std::optional<LearnMode> Learn;
  std::string OcrLanguage;
  std::string Records;
  std::string Out;
  bool Rtf = false;
  bool ForcedOnly = false;
};

// Exit code on a bad option, else nothing.
std::optional<int> ReadOptions(const CommandLine& cl, const ParsedArguments& parsed,
                               ConvertOptions& options) {
  options.Paths = parsed.Positional;
  const auto number = [&](const char* name, std::int64_t low, std::int64_t high,
                          const char* what) -> std::optional<std::int64_t> {
    const std::string* text = parsed.Value(name);
    const auto value = CommandLine::ParseInteger(*text);
    if (!value || *value < low || *value > high) {
      cl.Fail(std::string(name) + " must be " + what + ", not '" + *text + "'");
      return std::nullopt;
    }
    return value;
  };
  if (parsed.Has("--stream")) {
    const auto id = number("--stream", 0x20, 0x3F, "a sub-stream id from 0x20 to 0x3F");
    if (!id) return ExitBadOptions;
    options.Stream = static_cast<int>(*id);
  }
  if (parsed.Has("--lang")) {
    options.Lang = *parsed.Value("--lang");
    if (options.Lang.size() != 2) {
      cl.Fail("--lang needs a two-letter language code such as 'en', not '" + options.Lang + "'");
      return ExitBadOptions;
    }
    if (options.Stream) {
      cl.Fail("--stream and --lang choose the same thing: give one of them");
      return ExitBadOptions;
    }
  }
  if (parsed.Has("--title")) {
    const auto title = number("--title", 1, 99, "a title set number from 1 to 99");
    if (!title) return ExitBadOptions;
    options.Title = static_cast<int>(*title);
  }
  if (parsed.Has("--space-width"))
    options.AutoSpaceWidth = *parsed.Value("--space-width") == "auto";
  if (parsed.Has("--space-width") && !*options.AutoSpaceWidth) {
    const auto width = number("--space-width", 0, 20, "a width from 0 to 20 or 'auto'");
    if (!width) return ExitBadOptions;
    options.SpaceWidth = static_cast<int>(*width);
  }
  if (parsed.Has("--interlace")) {
    const auto step = number("--interlace", 1, 4, "1, 2, 3 or 4");
    if (!step) return ExitBadOptions;
    options.Interlace = static_cast<int>(*step);
  }
  if (parsed.Has("--learn")) {
    const std::string& mode = *parsed.Value("--learn");
    if (mode == "ask") options.Learn = LearnMode::Ask;
    else if (mode == "after") options.Learn = LearnMode::After;
    else if (mode == "skip") options.Learn = LearnMode::Skip;
    else if (mode == "auto") options.Learn = LearnMode::Auto;
    else {
      cl.Fail("--learn must be ask, auto, after or skip, not '" + mode + "'");
      return ExitBadOptions;
    }
  }
  if (const auto* v = parsed.Value("--ocr-lang")) options.OcrLanguage = *v;
  for (const char* name : {"--settings", "--dict", "--format", "--records", "--out"}) {
    if (parsed.Has(name) && parsed.Value(name)->empty()) {
      cl.Fail(std::string(name) + " needs a file or directory name");
      return ExitBadOptions;
    }
  }
  if (const auto* v = parsed.Value("--settings")) options.SettingsPath = *v;
  if (const auto* v = parsed.Value("--dict")) options.Dict = *v;
  if (const auto* v = parsed.Value("--format")) options.Format = *v;
  if (const auto* v = parsed.Value("--records")) options.Records = *v;
  if (const auto* v = parsed.Value("--out")) options.Out = *v;
  options.Rtf = parsed.Has("--rtf");
  options.ForcedOnly = parsed.Has("--forced-only");
  return std::nullopt;
}

bool Readable(const std::string& path, const CommandLine& cl) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec))
    return cl.Fail("cannot read '" + path + "': " +
                   (fs::exists(path, ec) ? "not a file" : "no such file"));
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return cl.Fail("cannot read '" + path + "'");
  std::fclose(file);
  return true;
}

// The same for a .sub, through the streams of its VobSub index, whose damaged lines are told.
std::optional<int> ChooseIndexStream(const CommandLine& cl, const ConvertOptions& options,
                                     const VobSubIndex& index, const std::string& indexPath,
                                     int& stream) {
  for (const std::string& fault : index.Faults) cl.Fail("warning: " + fault);
  std::string known;
  int found = -1;
  for (const VobSubStream& listed : index.Streams) {
    known += (known.empty() ? "" : ", ") + listed.LanguageCode + " (" +
             StreamHex(0x20 + listed.Index) + ")";
    if (found < 0 && !options.Lang.empty() && EqualNoCaseAscii(listed.LanguageCode, options.Lang))
      found = listed.Index;
  }
  const std::string lists = known.empty() ? std::string(" (it lists none)") : "; it has " + known;
  if (!options.Lang.empty()) {
    if (found < 0) {
      cl.Fail("no subtitle stream with language '" + options.Lang + "' in " + indexPath + lists);
      return ExitFailure;
    }
    stream = 0x20 + found;
  } else if (index.Faults.empty() && index.Stream(stream - 0x20) == nullptr) {
    cl.Fail("no subtitle stream " + StreamHex(stream) + " in " + indexPath + lists);
    return ExitFailure;
  }
  return std::nullopt;
}

// The same for a file with its own tracks (Matroska), whose languages are mostly written in
// three letters ("fre" is --lang fr). `language` becomes the track's two-letter code.
std::optional<int> ChooseTrack(const CommandLine& cl, const ConvertOptions& options,
                               const std::string& path, int& stream, std::string& language) {
  Phrase reason;
  const std::vector<SourceTrack> tracks = ReadSourceTracks(path, reason);
  if (!reason.Empty()) {
    cl.Fail("cannot read '" + path + "': " + reason.English());
    return ExitFailure;
  }
  std::string known;
  int found = -1;
  for (std::size_t i = 0; i < tracks.size() && i < 0x20; ++i) {
    const std::string& code = tracks[i].LanguageCode;
    known += (known.empty() ? "" : ", ") + (code.empty() ? std::string("--") : code) + " (" +
             StreamHex(0x20 + static_cast<int>(i)) + ")";
    const std::string twoLetters = TwoLetterLanguage(code);
    if (found < 0 && !options.Lang.empty() &&
        (EqualNoCaseAscii(code, options.Lang) ||
         (!twoLetters.empty() && EqualNoCaseAscii(twoLetters, options.Lang))))
      found = static_cast<int>(i);
  }
  const std::string lists =
      known.empty() ? std::string(" (it has no VobSub or PGS track)") : "; it has " + known;
  if (!options.Lang.empty()) {
    if (found < 0) {
      cl.Fail("no subtitle stream with language '" + options.Lang + "' in " + path + lists);
      return ExitFailure;
    }
    stream = 0x20 + found;
  } else if (stream - 0x20 >= static_cast<int>(tracks.size())) {
    cl.Fail("no subtitle stream " + StreamHex(stream) + " in " + path + lists);
    return ExitFailure;
  }
  language = TwoLetterLanguage(tracks[static_cast<std::size_t>(stream - 0x20)].LanguageCode);
  return std::nullopt;
}

// The stream to read: --stream, --lang through the IFO's languages, else the settings' one,
// checked against the streams the IFO lists. Exit code when there is none such.
std::optional<int> ChooseStream(const CommandLine& cl, const ConvertOptions& options,
                                const TitleSetFiles& title, int& stream) {
  if (options.Stream) stream = *options.Stream;
  if (title.IfoPath.empty() && !title.IdxPath.empty()) {
    const VobSubIndex index = VobSubIndex::Read(title.IdxPath);
    return ChooseIndexStream(cl, options, index, title.IdxPath, stream);
  }
  if (title.IfoPath.empty()) {
    if (!options.Lang.empty()) {
      cl.Fail("--lang needs the title set's IFO (VTS_nn_0.IFO) beside its VOB files");
      return ExitFailure;
    }
    cl.Fail("warning: no IFO (VTS_nn_0.IFO) beside the VOB files: stream " + StreamHex(stream) +
            " is read without knowing whether the title has it");
    return std::nullopt;
  }
  IfoReader ifo(title.IfoPath);
  ifo.ReadLanguages();
  if (!options.Lang.empty())
    for (const std::string& fault : ifo.LanguageFaults()) cl.Fail(fault);
  std::string known;
  int found = -1;
  for (int i = 0; i < ifo.StreamCount(); ++i) {
    const std::uint16_t code = ifo.StreamAttributes()[static_cast<std::size_t>(i)].LanguageCode;
    const std::string letters{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    known += (known.empty() ? "" : ", ") + letters + " (" + StreamHex(0x20 + i) + ")";
    if (found < 0 && !options.Lang.empty() && EqualNoCaseAscii(letters, options.Lang)) found = i;
  }
  const std::string lists = known.empty() ? std::string(" (it lists none)") : "; it has " + known;
  if (!options.Lang.empty()) {
    if (found < 0) {
      cl.Fail("no subtitle stream with language '" + options.Lang + "' in " + title.IfoPath +
              lists);
      return ExitFailure;
    }
    stream = 0x20 + found;
  } else if (ifo.LanguageFaults().empty() && stream - 0x20 >= ifo.StreamCount()) {
    // A damaged IFO may list too few streams; only a sound one can rule a stream out.
    cl.Fail("no subtitle stream " + StreamHex(stream) + " in " + title.IfoPath + lists);
    return ExitFailure;
  }
  return std::nullopt;
}

// The desktop program's chapter table: a record's chapter is the one its time falls in.
std::vector<std::string> ChapterTable(const CommandLine& cl, const std::string& ifoPath) {
  std::vector<std::string> table{"00:00:00"};
  if (ifoPath.empty()) return table;
  IfoReader ifo(ifoPath);
  ifo.ReadChapters();
  for (const std::string& fault : ifo.ChapterFaults()) cl.Fail(fault);
  table.insert(table.end(), ifo.ChapterLengths().begin(), ifo.ChapterLengths().end());
  return table;
}

// The dictionary directory, made if missing, must take new entries; its index is loaded.
std::optional<int> OpenDictionary(const CommandLine& cl, const std::string& dictionaryRoot,
                                  CharDictionary& dictionary) {
  std::error_code ec;
  fs::create_directories(dictionaryRoot, ec);
  if (!fs::is_directory(dictionaryRoot, ec) || ::access(dictionaryRoot.c_str(), W_OK | X_OK) != 0) {
    cl.Fail("cannot write to the dictionary directory '" + dictionaryRoot + "'");
    return ExitFailure;
  }
  const std::string index = dictionaryRoot + CharDictionary::IndexFileName;
  if (fs::exists(index, ec) && ::access(index.c_str(), R_OK | W_OK) != 0) {
    cl.Fail("cannot write the dictionary index '" + index + "'");
    return ExitFailure;
  }
  const DictionaryLoadResult loaded = dictionary.Load(dictionaryRoot);
  if (!loaded.Outcome) {
    cl.Fail(loaded.Outcome.Message);
    return ExitFailure;
  }
  for (const std::string& warning : loaded.Warnings) cl.Fail("warning: " + warning);
  if (loaded.MissingFiles > 0)
    cl.Fail("warning: " + std::to_string(loaded.MissingFiles) +
            " dictionary entries have no bitmap file; they never match");
  return std::nullopt;
}

// --format, checked, else the format the settings choose.
std::optional<int> ChooseFormat(const CommandLine& cl, const ConvertOptions& options,
                                const CliSettings& settings, std::string& formatPath) {
  formatPath = options.Format;
  if (!formatPath.empty()) {
    if (!Readable(formatPath, cl)) return ExitFailure;
    if (const Status format = CheckFormatFile(formatPath); !format) {
      cl.Fail(format.Message);
      return ExitFailure;
    }
    return std::nullopt;
  }
  formatPath = SelectedFormatPath(ProgramFormatDirectory(), settings.OutputIni);
  if (formatPath.empty())
    cl.Fail("warning: the settings choose no output format; the script will be empty "
            "(give --format FILE.ini)");
  return std::nullopt;
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
  return RunConvertCommand(args, nullptr);
}

int RunConvertCommand(const std::vector<std::string>& args,
                      std::unique_ptr<SuggestionEngine> engine) {
  const CommandLine cl("convert",
                       {"--settings", "--stream", "--lang", "--title", "--dict", "--format",
                        "--space-width", "--interlace", "--learn", "--ocr-lang", "--records", "--out"},
                       {"--rtf", "--forced-only", "--no-fix"});
  const auto parsed = cl.Parse(args);
  if (!parsed) return cl.TryHelp();
  if (parsed->Help) {
    std::fputs(Usage, stdout);
    return ExitSuccess;
  }
  ConvertOptions options;
  if (const auto code = ReadOptions(cl, *parsed, options)) {
    cl.TryHelp();
    return *code;
  }

  const std::string settingsPath = ResolveSettingsPath(
      options.SettingsPath.empty() ? std::nullopt : std::optional(options.SettingsPath),
      ProcessEnvironment);
  if (!options.SettingsPath.empty() && !Readable(options.SettingsPath, cl)) return ExitFailure;
  const CliSettings settings = CliSettings::Read(settingsPath);

  if (options.Paths.empty()) {
    if (settings.VobRoot.empty()) {
      cl.Fail("no VOB file or title-set directory given (and no VOB/IFO root in " +
              settingsPath + ")");
      return cl.TryHelp();
    }
    options.Paths.push_back(settings.VobRoot);
  }
  const TitleSetFiles title = TitleSet::Resolve(options.Paths, options.Title);
  if (!title.Outcome) {
    cl.Fail(title.Outcome.Message);
    return ExitFailure;
  }
  ConvertPlan plan;
  plan.Vobs = title.Vobs;
  for (const std::string& vob : title.Vobs) {
    Phrase reason;
    const std::unique_ptr<SourceFile> file = SourceFile::Open(vob, reason);
    if (!file) {
      cl.Fail("cannot read '" + vob + "': " + reason.English());
      return ExitFailure;
    }
    plan.Sizes.push_back(file->Size());
  }

  plan.Stream = 0x20 + settings.LanguageIndex;
  const bool ownTracks = title.IfoPath.empty() && title.IdxPath.empty() &&
                         DetectSourceFormat(title.Vobs.front()) != SourceFormat::PackStream;
  if (ownTracks) {
    if (options.Stream) plan.Stream = *options.Stream;
    const auto code = ChooseTrack(cl, options, title.Vobs.front(), plan.Stream, plan.Language);
    if (code) return *code;
  } else {
    if (const auto code = ChooseStream(cl, options, title, plan.Stream)) return *code;
    plan.Language = IfoReader::StreamLanguageCode(title.IfoPath, plan.Stream - 0x20);
  }
  plan.ChapterTable = ChapterTable(cl, title.IfoPath);
  if (title.IfoPath.empty() && !title.IdxPath.empty()) {
    auto index = std::make_shared<const VobSubIndex>(VobSubIndex::Read(title.IdxPath));
    plan.Language = index->StreamLanguageCode(plan.Stream - 0x20);
    plan.DelayMs = [index, stream = plan.Stream - 0x20](std::int64_t position) {
      return index->DelayMsAt(stream, position);
    };
  }

  plan.DictionaryRoot = options.Dict.empty() ? settings.DictionaryRoot : options.Dict;
  if (plan.DictionaryRoot.empty()) {
    cl.Fail("no dictionary directory: give --dict DIR (the settings name none)");
    return ExitBadOptions;
  }
  if (plan.DictionaryRoot.back() != '/') plan.DictionaryRoot += '/';
  CharDictionary dictionary;
  if (const auto code = OpenDictionary(cl, plan.DictionaryRoot, dictionary)) return *code;

  if (const auto code = ChooseFormat(cl, options, settings, plan.FormatPath)) return *code;
  if (!options.Out.empty()) {
    if (const Status writable = ScriptOutput::CheckWritable(options.Out); !writable) {
      cl.Fail(writable.Message);
      return ExitFailure;
    }
  }

  const LearnMode settingsLearn = settings.LearnAfterReading    ? LearnMode::After
                                  : settings.LearnAutomatically ? LearnMode::Auto
                                                                : LearnMode::Ask;
  plan.Learn = options.Learn.value_or(settingsLearn);
  plan.SpaceWidth = options.SpaceWidth.value_or(settings.SpaceWidth);
  plan.AutoSpaceWidth = options.AutoSpaceWidth.value_or(settings.AutoSpaceWidth);
  plan.Interlace = options.Interlace.value_or(settings.Interlace);
  plan.Colors = settings.SubtitleColors();
  plan.CharColor = settings.CharColor();
  plan.BackgroundColor = settings.BackgroundColor();
  plan.AutoDetectColors = settings.AutoColorDetection;
  plan.PanelColors = settings.PanelColors;
  // Chosen, or else the stream's (ConvertRun falls back on it).
  plan.OcrLanguage = options.OcrLanguage.empty() ? settings.OcrLanguage : options.OcrLanguage;
  plan.Records = options.Records;
  plan.Out = options.Out;
  plan.Rtf = options.Rtf;
  plan.ForcedOnly = options.ForcedOnly;
  plan.FixLookAlikes = settings.FixLookAlikes && !parsed->Has("--no-fix");
  return ConvertRun(cl, std::move(plan), dictionary, std::move(engine)).Run();
}

}  // namespace quelm
