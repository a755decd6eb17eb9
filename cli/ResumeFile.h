// FILE.resume beside a records file: how far a stopped `quelm-cli convert` got, so that the
// same command goes on after the subtitles already done.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "cli/CommandLine.h"
#include "output/RawScript.h"
#include "platform/Status.h"

namespace quelm {

struct ResumeState {
  int Subtitles = 0;
  std::size_t Records = 0;
  int Stream = 0x20;
  std::string FirstFile;
};

// Where a conversion starts: the records of an earlier run (or a new script) and the subtitles
// that run had done.
struct ResumePoint {
  RawScript Script;
  int Skip = 0;
  // Without a count: the subtitles that start up to here are done.
  std::optional<std::int64_t> AfterMs;
};

// A sub-stream id as the resume file and the messages write it ("0x20").
std::string StreamHex(int id);

std::string ResumePathFor(const std::string& recordsPath);
// None when there is no such file; Subtitles < 0 when it is damaged.
std::optional<ResumeState> ReadResume(const std::string& path);
Status WriteResume(const std::string& path, const ResumeState& state);

// The records in `recordsPath` to go on with (a new script when the file does not exist yet);
// else the exit code, after saying on `cl` why they cannot be continued.
std::optional<int> ContinueRecords(const CommandLine& cl, const std::string& recordsPath,
                                   int stream, const std::string& firstFile, ResumePoint& point);

}  // namespace quelm
