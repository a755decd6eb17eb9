// The raw script kept as a file ("records"): loaded with a check of every line, so that a
// damaged file is refused with its name and line rather than rendered into nonsense.
#pragma once

#include <cstddef>
#include <string>

#include "output/RawScript.h"
#include "platform/Status.h"

namespace quelm {

struct RecordsLoad {
  Status Outcome;  // failure: "<file>, line N: <fault>", or why the file could not be read
  RawScript Script;
};

class RecordsFile {
 public:
  // Reads `path` (UTF-8, LF or CR LF). Every line must belong to a record: "<SUB_START>", the
  // time code, the chapter, text lines, "<SUB_END>"; the file must not end inside a record.
  static RecordsLoad Load(const std::string& path);
  // Replaces `path` atomically.
  static Status Save(const std::string& path, const RawScript& script);

  // Records in the script, and those of them that are subtitles (the version record that
  // starts every script is not one).
  static std::size_t CountRecords(const RawScript& script);
  static std::size_t CountSubtitleRecords(const RawScript& script);
  // The first `records` subtitle records, with the version record when there is one.
  static RawScript KeepSubtitleRecords(const RawScript& script, std::size_t records);
};

}  // namespace quelm
