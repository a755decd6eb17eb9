// `quelm-cli convert`: "first", then "all" until the last file has ended, over the same
// navigation, recognition and rendering objects the desktop program drives; the learning
// dialogue runs on the terminal, and the records can be kept to stop and continue later.
#include "cli/ConvertCommand.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/ProgressBar.h"
#include "cli/ScriptOutput.h"
#include "cli/TerminalInteraction.h"
#include "cli/TerminalQuestions.h"
#include "cli/TitleSet.h"
#include "cli/VobFileCheck.h"
#include "disc/DiscDirectory.h"
#include "disc/IfoReader.h"
#include "extraction/ExtractionRun.h"
#include "navigation/PositionCache.h"
#include "navigation/ProgressDisplay.h"
#include "navigation/SubtitleNavigator.h"
#include "ocr/CharDictionary.h"
#include "ocr/RecognitionRun.h"
#include "output/FactsFromTiming.h"
#include "output/RecordsFile.h"
#include "output/ScriptRenderer.h"
#include "platform/AsciiText.h"
#include "platform/IniFile.h"
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
    "order, any case; a disc root with VIDEO_TS/ works too) or a title set's IFO. Without\n"
    "PATH the VOB/IFO root of the settings is read.\n"
    "\n"
    "  --settings FILE     quelm.ini to take colours, roles, space width, interlace, roots,\n"
    "                      stream, learning mode and format from (default: $QUELM_SETTINGS,\n"
    "                      else $XDG_CONFIG_HOME/quelm/quelm.ini, else ~/.config/quelm/quelm.ini)\n"
    "  --stream ID         sub-stream 0x20..0x3F\n"
    "  --lang CODE         the stream whose language code in the IFO is CODE (\"en\")\n"
    "  --title N           title set N of a directory holding several\n"
    "  --dict DIR          dictionary directory (chardict.ocr, char_N.bmp); made if missing\n"
    "  --format FILE.ini   output format file (default: the format chosen in the settings);\n"
    "                      one without header, body or footer lines is refused\n"
    "  --space-width N     pixels per space, 0..20\n"
    "  --interlace N       decoder row step, 1..4\n"
    "  --learn MODE        unknown characters: ask (on the terminal), after (learn them with\n"
    "                      their own reference as text, name them later with 'dict name'),\n"
    "                      skip (drop them). Default: the settings' learning mode.\n"
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
    "--learn ask draws the text line with the unknown character framed, the character and\n"
    "the text so far on standard error, and reads one line of standard input as the answer\n"
    "(so answers can come from a file). The line is the character's text; these words on a\n"
    "line of their own stand for the learning window's buttons:\n"
    "  \\skip    skip this character          \\line   skip the rest of the text line\n"
    "  \\color   try the next character colour \\keep   keep these colours, then answer\n"
    "  \\abort   drop this subtitle from the script (what it learned stays)\n"
    "  \\quit    stop here: records and dictionary are kept (see --records)\n"
    "A text that begins with a backslash is written with two: \\\\x stands for \\x. The end of\n"
    "the input counts as \\quit.\n"
    "\n"
    "A progress line is drawn on standard error when it is a terminal. Ctrl+C stops like \\quit.\n"
    "Exit status: 0 done; 1 unreadable input (no VOB file, a stream the title lacks, not one\n"
    "subtitle read), unwritable output or dictionary, a failed run or rendering; 2 bad\n"
    "options; 3 stopped before the end (records kept when --records).\n";

volatile sig_atomic_t interrupted = 0;
void OnInterrupt(int) { interrupted = 1; }

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting question returns
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

std::string Hex(int id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%02X", id & 0xFF);
  return text;
}

enum class LearnMode { Ask, After, Skip };

struct ConvertOptions {
  std::vector<std::string> Paths;
  std::string SettingsPath;
  std::optional<int> Stream;
  std::string Lang;
  int Title = 0;
  std::string Dict;
  std::string Format;
  std::optional<int> SpaceWidth;
  std::optional<int> Interlace;
  std::optional<LearnMode> Learn;
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
  if (parsed.Has("--space-width")) {
    const auto width = number("--space-width", 0, 20, "a width from 0 to 20");
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
    else {
      cl.Fail("--learn must be ask, after or skip, not '" + mode + "'");
      return ExitBadOptions;
    }
  }
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

// The subtitles already done when a records file is continued, kept beside it.
struct ResumeState {
  int Subtitles = 0;
  std::size_t Records = 0;
  int Stream = 0x20;
  std::string FirstFile;
};

constexpr const char* ResumeSection = "resume";

std::optional<ResumeState> ReadResume(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  const IniFile ini(path);
  ResumeState state;
  state.Subtitles = ini.ReadInteger(ResumeSection, "subtitles", -1);
  const int records = ini.ReadInteger(ResumeSection, "records", -1);
  state.Stream = ini.ReadInteger(ResumeSection, "stream", -1);
  state.FirstFile = ini.ReadString(ResumeSection, "first_file", "");
  if (state.Subtitles < 0 || records < 0 || state.Stream < 0x20 || state.Stream > 0x3F)
    return ResumeState{-1, 0, 0, {}};
  state.Records = static_cast<std::size_t>(records);
  return state;
}

Status WriteResume(const std::string& path, const ResumeState& state) {
  IniFile ini(path);
  return ini.WriteKeys(ResumeSection, {{"subtitles", std::to_string(state.Subtitles)},
                                       {"records", std::to_string(state.Records)},
                                       {"stream", Hex(state.Stream)},
                                       {"first_file", state.FirstFile}});
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
  const CommandLine cl("convert",
                       {"--settings", "--stream", "--lang", "--title", "--dict", "--format",
                        "--space-width", "--interlace", "--learn", "--records", "--out"},
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

  // --- Settings and inputs ---
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
  std::vector<std::int64_t> sizes;
  for (const std::string& vob : title.Vobs) {
    if (!Readable(vob, cl)) return ExitFailure;
    std::error_code ec;
    sizes.push_back(static_cast<std::int64_t>(fs::file_size(vob, ec)));
  }

  int stream = 0x20 + settings.LanguageIndex;
  if (options.Stream) stream = *options.Stream;
  if (title.IfoPath.empty()) {
    if (!options.Lang.empty()) {
      cl.Fail("--lang needs the title set's IFO (VTS_nn_0.IFO) beside its VOB files");
      return ExitFailure;
    }
    cl.Fail("warning: no IFO (VTS_nn_0.IFO) beside the VOB files: stream " + Hex(stream) +
            " is read without knowing whether the title has it");
  } else {
    IfoReader ifo(title.IfoPath);
    ifo.ReadLanguages();
    if (!options.Lang.empty())
      for (const std::string& fault : ifo.LanguageFaults()) cl.Fail(fault);
    std::string known;
    int found = -1;
    for (int i = 0; i < ifo.StreamCount(); ++i) {
      const std::uint16_t code = ifo.StreamAttributes()[static_cast<std::size_t>(i)].LanguageCode;
      const std::string letters{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
      known += (known.empty() ? "" : ", ") + letters + " (" + Hex(0x20 + i) + ")";
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
      cl.Fail("no subtitle stream " + Hex(stream) + " in " + title.IfoPath + lists);
      return ExitFailure;
    }
  }

  // The desktop program's chapter table: a record's chapter is the one its time falls in.
  std::vector<std::string> chapterTable{"00:00:00"};
  if (!title.IfoPath.empty()) {
    IfoReader ifo(title.IfoPath);
    ifo.ReadChapters();
    for (const std::string& fault : ifo.ChapterFaults()) cl.Fail(fault);
    chapterTable.insert(chapterTable.end(), ifo.ChapterLengths().begin(),
                        ifo.ChapterLengths().end());
  }

  std::string dictionaryRoot = options.Dict.empty() ? settings.DictionaryRoot : options.Dict;
  if (dictionaryRoot.empty()) {
    cl.Fail("no dictionary directory: give --dict DIR (the settings name none)");
    return ExitBadOptions;
  }
  if (dictionaryRoot.back() != '/') dictionaryRoot += '/';
  {
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
  }
  CharDictionary dictionary;
  {
    const DictionaryLoadResult loaded = dictionary.Load(dictionaryRoot);
    if (!loaded.Outcome) {
      cl.Fail(loaded.Outcome.Message);
      return ExitFailure;
    }
    for (const std::string& warning : loaded.Warnings) cl.Fail("warning: " + warning);
    if (loaded.MissingFiles > 0)
      cl.Fail("warning: " + std::to_string(loaded.MissingFiles) +
              " dictionary entries have no bitmap file; they never match");
  }

  std::string formatPath = options.Format;
  if (!formatPath.empty()) {
    if (!Readable(formatPath, cl)) return ExitFailure;
    if (const Status format = CheckFormatFile(formatPath); !format) {
      cl.Fail(format.Message);
      return ExitFailure;
    }
  } else {
    formatPath = SelectedFormatPath(ProgramFormatDirectory(), settings.OutputIni);
    if (formatPath.empty())
      cl.Fail("warning: the settings choose no output format; the script will be empty "
              "(give --format FILE.ini)");
  }
  if (!options.Out.empty()) {
    if (const Status writable = ScriptOutput::CheckWritable(options.Out); !writable) {
      cl.Fail(writable.Message);
      return ExitFailure;
    }
  }

  const LearnMode learn =
      options.Learn.value_or(settings.LearnAfterReading ? LearnMode::After : LearnMode::Ask);
  const int spaceWidth = options.SpaceWidth.value_or(settings.SpaceWidth);
  const int interlace = options.Interlace.value_or(settings.Interlace);
  const std::array<Color, 4> colors = settings.SubtitleColors();

  // --- Records: new, or continued ---
  RawScript raw;
  raw.StartNew();
  int skip = 0;
  // Without a count: the subtitles up to this start are done.
  std::optional<std::int64_t> resumeAfterMs;
  const std::string resumePath = options.Records.empty() ? std::string() : options.Records + ".resume";
  const std::string firstFile = fs::path(title.Vobs.front()).filename().string();
  if (!options.Records.empty()) {
    if (const Status writable = ScriptOutput::CheckWritable(options.Records); !writable) {
      cl.Fail(writable.Message);
      return ExitFailure;
    }
    std::error_code ec;
    if (fs::exists(options.Records, ec)) {
      RecordsLoad loaded = RecordsFile::Load(options.Records);
      if (!loaded.Outcome) {
        cl.Fail(loaded.Outcome.Message);
        return ExitFailure;
      }
      // Going on would write the file again without its damaged lines.
      if (!loaded.Damaged.empty()) {
        for (const std::string& damaged : loaded.Damaged) cl.Fail(damaged);
        cl.Fail("mend " + options.Records + " or give another --records file");
        return ExitFailure;
      }
      const std::size_t recorded = RecordsFile::CountSubtitleRecords(loaded.Script);
      const std::optional<ResumeState> state = ReadResume(resumePath);
      if (state && state->Subtitles < 0) {
        cl.Fail(resumePath + " is damaged; remove it to continue after the " +
                std::to_string(recorded) + " records of " + options.Records);
        return ExitFailure;
      }
      if (state) {
        if (state->Stream != stream || !DiscDirectory::SameNameIgnoringCase(state->FirstFile, firstFile)) {
          cl.Fail(options.Records + " holds stream " + Hex(state->Stream) + " of " +
                  state->FirstFile + ", not " + Hex(stream) + " of " + firstFile +
                  ": give another --records file");
          return ExitBadOptions;
        }
        skip = state->Subtitles;
        // Records saved after the count was last written belong to subtitles read again now.
        if (recorded > state->Records)
          loaded.Script = RecordsFile::KeepSubtitleRecords(loaded.Script, state->Records);
      } else if ((resumeAfterMs = RecordsFile::LastRecordStartMs(loaded.Script))) {
        // Not by count: subtitles that were aborted left no record.
        std::fprintf(stderr,
                     "quelm-cli convert: %s has no %s; going on after its last record (start %s)\n",
                     options.Records.c_str(), fs::path(resumePath).filename().c_str(),
                     FormatMilliseconds(*resumeAfterMs, "hh:mm:ss.zzz").c_str());
      } else {
        skip = static_cast<int>(recorded);
        std::fprintf(stderr,
                     "quelm-cli convert: %s has no %s; taking its %zu records as the first %zu "
                     "subtitles\n",
                     options.Records.c_str(), fs::path(resumePath).filename().c_str(), recorded,
                     recorded);
      }
      raw = std::move(loaded.Script);
      if (raw.Lines().empty()) raw.StartNew();
    }
  }

  // --- The run ---
  InstallInterruptHandler();
  TerminalInteraction ui;
  ProgressBar progress(stderr, ::isatty(2) == 1, sizes);
  TerminalQuestions questions(stdin, stderr);
  questions.BeforeQuestion = [&] { progress.Clear(); };
  ui.BeforeMessage = [&] { progress.Clear(); };
  bool lastFileReached = false;
  bool failed = false;

  PositionCache noCache;
  ExtractionRun run(ui);
  VobFileCheck vobCheck(cl);
  bool notVob = false;
  std::string chapterLabel = ": 0";
  std::string timecodeLabel = ": 00:00:00";
  SubtitleNavigator* navigatorPointer = nullptr;
  // The desktop program's progress timer, ticking whenever the run lets events in and once
  // when it ends; a found subtitle then sets the labels to its own time and chapter.
  const auto tick = [&] {
    SubtitleNavigator& navigator = *navigatorPointer;
    const ProgressDisplay display =
        UpdateProgressDisplay(run.FilePosition(), navigator.VobFileSize(), run.CurrentTime(),
                              navigator.SubtitleTime(), navigator.ChapterTable(), NumberFormat{});
    chapterLabel = display.ChapterText;
    if (display.TimeUpdated) {
      navigator.SetSubtitleTime(display.SubtitleTime);
      timecodeLabel = display.TimecodeText;
    }
  };
  int found = 0;
  int asked = 0;
  const auto showProgress = [&](bool force) {
    const int index = std::max(0, navigatorPointer->SelectedIndex());
    progress.Update(static_cast<std::size_t>(index), title.Vobs[static_cast<std::size_t>(index)],
                    run.FilePosition(), found, asked, force);
  };
  run.EventPump = [&] {
    tick();
    showProgress(false);
    if (interrupted) run.Stop();
  };
  SubtitleNavigator navigator(ui, noCache, [&](const SubpictureRequest& request) {
    run.Perform(request);
    tick();
    if (run.Result().EndOfFile) progress.Clear();
    if (run.Result().OpeningFailed) failed = true;
    if (!vobCheck.RunEnded(request.VobFileName, run.Result())) notVob = true;
    return std::move(run.Result());
  });
  navigatorPointer = &navigator;
  navigator.SetFileList(title.Vobs, 0);
  navigator.SetChapterTable(chapterTable);
  navigator.ReadSettings = [&] {
    ReadingSettings reading;
    reading.LanguageIndex = stream - 0x20;
    reading.BitmapColors = colors;
    reading.InterlaceStep = interlace;
    return reading;
  };
  navigator.ChapterAndTimeReset = [&] {
    chapterLabel = ": 0";
    timecodeLabel = ": 00:00:00";
  };

  bool autoDetect = settings.AutoColorDetection;
  Color charColor = settings.CharColor();
  bool quit = false;
  bool fatal = false;
  int done = skip;
  auto lastSave = std::chrono::steady_clock::now();
  const auto saveProgress = [&]() -> bool {
    if (options.Records.empty()) return true;
    Status saved = RecordsFile::Save(options.Records, raw);
    if (saved) {
      saved = WriteResume(resumePath, {done, RecordsFile::CountSubtitleRecords(raw), stream, firstFile});
    }
    lastSave = std::chrono::steady_clock::now();
    if (!saved) {
      progress.Clear();
      cl.Fail(saved.Message);
      return false;
    }
    return true;
  };

  navigator.SubtitleFound = [&](const SubpictureResult& result) -> Status {
    const int number = navigator.SubtitleNr();
    timecodeLabel = TimecodeLabelText(navigator.SubtitleTime());
    chapterLabel = ChapterLabelText(navigator.ChapterIndex());
    ++found;
    showProgress(true);
    if (number <= skip) return Status::Success();
    if (resumeAfterMs) {
      if (!result.Timing.Known || result.Timing.StartMs <= *resumeAfterMs) {
        done = number;
        return Status::Success();
      }
      resumeAfterMs.reset();
    }
    const std::string fileName =
        fs::path(title.Vobs[static_cast<std::size_t>(std::max(0, navigator.SelectedIndex()))])
            .filename()
            .string();

    RecognitionSettings recognition;
    recognition.Colors = colors;
    recognition.CharColor = charColor;
    recognition.BackgroundColor = settings.BackgroundColor();
    recognition.SpaceWidth = spaceWidth;
    recognition.DictionaryRoot = dictionaryRoot;
    recognition.LearnAfterReading = learn == LearnMode::After;
    recognition.AutoDetectColors = autoDetect;
    RecognitionRun recognise(dictionary, recognition);
    Color ink = charColor;
    recognise.OnCharColorChanged = [&](Color detected) { ink = detected; };
    recognise.EventPump = [&] {
      if (interrupted) recognise.RequestAbort();
    };
    const std::string where = "subtitle " + std::to_string(number) + " (" + fileName + ")";
    if (learn == LearnMode::Ask) {
      recognise.AskCharacter = [&](const CharacterQuestion& question) {
        // The run picks the next colour and reports it through OnCharColorChanged.
        return questions.Ask(question, ink, where);
      };
    }
    const RecognitionResult recognised = recognise.UpdateDictionary(result.SubTitle);
    asked += recognised.Asked;
    if (recognised.Learned > 0 || !recognised.Outcome) {
      if (const Status saved = dictionary.Save(dictionaryRoot); !saved) {
        fatal = true;
        return saved;
      }
    }
    if (!recognised.Outcome) {
      fatal = true;
      return recognised.Outcome;
    }
    if (questions.QuitRequested() || interrupted) {
      quit = true;
      return Status::Failure(std::string());
    }
    if (!recognised.Aborted) {
      if (recognised.KeepColors) {
        charColor = recognised.FinalCharColor;
        autoDetect = false;
      }
      raw.AppendRecord(timecodeLabel.substr(2), chapterLabel.substr(2), recognised.ReferenceLines,
                       FactsFromTiming(result.Timing));
    }
    done = number;
    // What was taught is saved at once; the rest every half minute.
    if (recognised.Asked > 0 || std::chrono::steady_clock::now() - lastSave > std::chrono::seconds(30)) {
      if (!saveProgress()) {
        fatal = true;
        return Status::Failure(std::string());
      }
    }
    return Status::Success();
  };

  // A unit with a damaged control table still counts as found: the run reports it and the
  // reading goes on, as in the desktop program. A step that failed because the user quit is no
  // failure.
  const auto stepEnded = [&](const StepOutcome& outcome) {
    lastFileReached = outcome.End == StepEnd::LastFileReached;
    if (outcome.End == StepEnd::Failed && !quit) failed = true;
  };
  stepEnded(navigator.GotoFirst());
  while (!lastFileReached && !failed && !fatal && !notVob && !quit && !interrupted) {
    const int selected = navigator.SelectedIndex();
    const std::int64_t position = navigator.VobPosition();
    const int number = navigator.SubtitleNr();
    stepEnded(navigator.GetAll());
    if (navigator.SelectedIndex() == selected && navigator.VobPosition() == position &&
        navigator.SubtitleNr() == number && !lastFileReached) {
      failed = true;  // a step that moved nothing would repeat for ever
    }
  }
  progress.Clear();
  if (interrupted) quit = true;
  if (notVob) fatal = true;
  if (!saveProgress()) fatal = true;
  const bool complete = !quit && !fatal && !failed;
  if (complete && found == 0) {
    cl.Fail(VobFileCheck::NoSubtitle(stream, title.Vobs));
    return ExitFailure;
  }
  const std::string recordsKept =
      options.Records.empty()
          ? "without --records the next run starts from the beginning (the dictionary keeps "
            "what was taught)"
          : "run the same command again to continue (records in " + options.Records + ")";

  // An output file is replaced only by the script of a run that read the title to its end.
  if (!complete && (found == 0 || !options.Out.empty())) {
    const std::string outKept =
        options.Out.empty() ? std::string() : "; " + options.Out + " is left as it was";
    if (fatal || failed) {
      if (found > 0) cl.Fail("no script written" + outKept + "; " + recordsKept);
      return ExitFailure;
    }
    std::fprintf(stderr, "quelm-cli convert: stopped after subtitle %d%s; %s\n", done,
                 outKept.c_str(), recordsKept.c_str());
    return ExitStopped;
  }

  // --- Rendering ---
  ScriptRenderer renderer;
  ScriptSources sources;
  sources.FormatPath = formatPath;
  sources.DictionaryRoot = dictionaryRoot;
  sources.SubtitleNumber = std::to_string(navigator.SubtitleNr());
  sources.Palette = settings.PanelColors;
  sources.ForcedOnly = options.ForcedOnly;
  sources.FixLookAlikes = settings.FixLookAlikes && !parsed->Has("--no-fix");
  sources.Language = IfoReader::StreamLanguageCode(title.IfoPath, stream - 0x20);
  const ScriptRendering rendering = renderer.Render(raw, sources);
  if (!rendering.Dictionary) cl.Fail("warning: " + rendering.Dictionary.Message);
  if (!rendering.Result) cl.Fail(rendering.Result.Message);
  if (const Status written = ScriptOutput::Write(rendering.Lines, options.Out, options.Rtf); !written) {
    cl.Fail(written.Message);
    return ExitFailure;
  }
  if (fatal || failed || !rendering.Result) return ExitFailure;
  if (quit) {
    std::fprintf(stderr, "quelm-cli convert: stopped after subtitle %d; %s\n", done,
                 recordsKept.c_str());
    return ExitStopped;
  }
  return ExitSuccess;
}

}  // namespace quelm
