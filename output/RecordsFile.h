// The raw script kept as a file ("records"): loaded with a check of every line, so that a
// damaged line is named with its file and line rather than rendered into nonsense, and the
// records around it are still read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "output/RawScript.h"
#include "platform/Status.h"

namespace quelm {

struct RecordsLoad {
  Status Outcome;    // failure: why the file could not be read at all
  RawScript Script;  // every whole record of the file, in file order
  // "<file>, line N: <fault>" for each damaged line, in file order; the records they belong to
  // are left out of Script.
  std::vector<std::string> Damaged;
  // The same, for a window to say in its language.
  std::vector<Phrase> DamagedWordings;
};

class CharacterLookup;

struct ReferenceCount {
  std::size_t References = 0;  // character references in the records' text lines
  std::size_t Unresolved = 0;  // of them, those the dictionary holds no text for
};

class RecordsFile {
 public:
  // Reads `path` (UTF-8, LF or CR LF). Every line should belong to a record: "<SUB_START>", the
  // time code, the chapter, text lines, "<SUB_END>". Lines outside records, records without
  // their end or their time code and chapter, and records holding a line that is not UTF-8 are
  // reported in Damaged and skipped; reading goes on with the next record.
  static RecordsLoad Load(const std::string& path);
  // Replaces `path` atomically.
  static Status Save(const std::string& path, const RawScript& script);

  // Records in the script, and those of them that are subtitles (the version record that
  // starts every script is not one).
  static std::size_t CountRecords(const RawScript& script);
  static std::size_t CountSubtitleRecords(const RawScript& script);
  // The first `records` subtitle records, with the version record when there is one.
  static RawScript KeepSubtitleRecords(const RawScript& script, std::size_t records);
  // The start= of the last record, for going on after it; nothing when the script has no
  // subtitle record or the last one carries no start.
  static std::optional<std::int64_t> LastRecordStartMs(const RawScript& script);

  // The character references of the records' text lines, read as the rendering reads them.
  static ReferenceCount CountReferences(const RawScript& script, const CharacterLookup& characters);
  // The directories (up to and with their last "/") that the references name, each once, in
  // the order they first appear; a reference without a "/" names none.
  static std::vector<std::string> ReferenceDirectories(const RawScript& script);
};

}  // namespace quelm
