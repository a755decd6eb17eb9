#include "cli/ResumeFile.h"

#include <cstdio>
#include <filesystem>
#include <utility>

#include "cli/ScriptOutput.h"
#include "disc/DiscDirectory.h"
#include "output/RecordFacts.h"
#include "output/RecordsFile.h"
#include "platform/IniFile.h"

namespace quelm {

namespace {

namespace fs = std::filesystem;

constexpr const char* ResumeSection = "resume";

}  // namespace

std::string StreamHex(int id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%02X", id & 0xFF);
  return text;
}

std::string ResumePathFor(const std::string& recordsPath) { return recordsPath + ".resume"; }

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
                                       {"stream", StreamHex(state.Stream)},
                                       {"first_file", state.FirstFile}});
}

std::optional<int> ContinueRecords(const CommandLine& cl, const std::string& recordsPath,
                                   int stream, const std::string& firstFile, ResumePoint& point) {
  if (const Status writable = ScriptOutput::CheckWritable(recordsPath); !writable) {
    cl.Fail(writable.Message);
    return ExitFailure;
  }
  std::error_code ec;
  if (!fs::exists(recordsPath, ec)) return std::nullopt;
  RecordsLoad loaded = RecordsFile::Load(recordsPath);
  if (!loaded.Outcome) {
    cl.Fail(loaded.Outcome.Message);
    return ExitFailure;
  }
  // Going on would write the file again without its damaged lines.
  if (!loaded.Damaged.empty()) {
    for (const std::string& damaged : loaded.Damaged) cl.Fail(damaged);
    cl.Fail("mend " + recordsPath + " or give another --records file");
    return ExitFailure;
  }
  const std::string resumePath = ResumePathFor(recordsPath);
  const std::size_t recorded = RecordsFile::CountSubtitleRecords(loaded.Script);
  const std::optional<ResumeState> state = ReadResume(resumePath);
  if (state && state->Subtitles < 0) {
    cl.Fail(resumePath + " is damaged; remove it to continue after the " +
            std::to_string(recorded) + " records of " + recordsPath);
    return ExitFailure;
  }
  if (state) {
    if (state->Stream != stream ||
        !DiscDirectory::SameNameIgnoringCase(state->FirstFile, firstFile)) {
      cl.Fail(recordsPath + " holds stream " + StreamHex(state->Stream) + " of " +
              state->FirstFile + ", not " + StreamHex(stream) + " of " + firstFile +
              ": give another --records file");
      return ExitBadOptions;
    }
    point.Skip = state->Subtitles;
    if (point.Skip > 0)
      std::fprintf(stderr, "quelm-cli convert: going on after subtitle %d (records in %s)\n",
                   point.Skip, recordsPath.c_str());
    // Records saved after the count was last written belong to subtitles read again now.
    if (recorded > state->Records)
      loaded.Script = RecordsFile::KeepSubtitleRecords(loaded.Script, state->Records);
  } else if ((point.AfterMs = RecordsFile::LastRecordStartMs(loaded.Script))) {
    // Not by count: subtitles that were aborted left no record.
    std::fprintf(stderr,
                 "quelm-cli convert: %s has no %s; going on after its last record (start %s)\n",
                 recordsPath.c_str(), fs::path(resumePath).filename().c_str(),
                 FormatMilliseconds(*point.AfterMs, "hh:mm:ss.zzz").c_str());
  } else {
    point.Skip = static_cast<int>(recorded);
    std::fprintf(stderr,
                 "quelm-cli convert: %s has no %s; taking its %zu records as the first %zu "
                 "subtitles\n",
                 recordsPath.c_str(), fs::path(resumePath).filename().c_str(), recorded, recorded);
  }
  point.Script = std::move(loaded.Script);
  return std::nullopt;
}

}  // namespace quelm
