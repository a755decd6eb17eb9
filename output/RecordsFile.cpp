// Loading and saving the raw script as a records file.
#include "output/RecordsFile.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "output/CharacterLookup.h"
#include "output/TagEngine.h"
#include "output/TextLines.h"
#include "platform/FileIo.h"

namespace quelm {

namespace {

constexpr std::size_t MaxRecordsBytes = 256u << 20;

// Length of the valid UTF-8 sequence at `i`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned minimum = 0;
  unsigned value = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, value = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i + k) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return length;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Calls `visit` with the key of every character reference in the text lines of the records,
// found by the rendering's own decoder so that both agree on what a reference is.
template <typename Visit>
void ForEachReference(const RawScript& script, const CharacterLookup* characters, Visit visit) {
  class Watcher : public CharacterLookup {
   public:
    Watcher(const CharacterLookup* inner, Visit& visit) : inner_(inner), visit_(visit) {}
    const std::string* TextFor(std::string_view key) const override {
      const std::string* text = inner_ ? inner_->TextFor(key) : nullptr;
      visit_(key, text != nullptr);
      return text;
    }

   private:
    const CharacterLookup* inner_;
    Visit& visit_;
  };
  const Watcher watcher(characters, visit);
  std::size_t inRecord = 0;  // lines of the record so far, its start marker included
  for (const std::string& line : script.Lines()) {
    if (line == RecordStartMarker) {
      inRecord = 1;
    } else if (line == RecordEndMarker) {
      inRecord = 0;
    } else if (inRecord > 0 && ++inRecord > 3) {
      (void)TagEngine::DecodeTextLine(line, &watcher);
    }
  }
}

bool IsVersionRecord(const std::vector<std::string>& lines, std::size_t start) {
  return lines.size() >= start + 5 && lines[start] == RecordStartMarker &&
         lines[start + 3] == VersionRecordLine && lines[start + 4] == RecordEndMarker;
}

}  // namespace

RecordsLoad RecordsFile::Load(const std::string& path) {
  RecordsLoad load;
  std::string content;
  switch (ReadFileBytes(path, MaxRecordsBytes, content)) {
    case ReadFileOutcome::Ok: break;
    case ReadFileOutcome::Missing:
      load.Outcome = Status::Failure(Phrase::Say("%1 does not exist", path));
      return load;
    case ReadFileOutcome::NotAFile:
      load.Outcome = Status::Failure(Phrase::Say("%1 is not a file", path));
      return load;
    case ReadFileOutcome::TooLarge:
      load.Outcome = Status::Failure(Phrase::Say("%1 is too large for a records file", path));
      return load;
    case ReadFileOutcome::Error:
      load.Outcome = Status::Failure(Phrase::Say("Cannot read %1", path));
      return load;
  }
  const std::vector<std::string> lines = SplitTextLines(content);
  const auto damaged = [&](std::size_t index, Phrase what) {
    Phrase line = Phrase::Say("%1, line %2: %3", path, index + 1, std::move(what));
    load.Damaged.push_back(line.English());
    load.DamagedWordings.push_back(std::move(line));
  };
  std::vector<std::string> kept;
  kept.reserve(lines.size());
  // The record being read: its lines from its start marker on, nothing outside a record.
  std::vector<std::string> record;
  std::size_t recordStart = 0;
  bool recordBroken = false;  // a bad line inside: the whole record is left out
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (!IsUtf8(line)) {
      damaged(i, Phrase::Say("not UTF-8 text"));
      if (!record.empty()) {
        record.push_back(line);
        recordBroken = true;
      }
      continue;
    }
    if (line == RecordStartMarker) {
      if (!record.empty())
        damaged(i, Phrase::Say("%1 inside the record begun on line %2", RecordStartMarker,
                               recordStart + 1));
      record.assign(1, line);
      recordStart = i;
      recordBroken = false;
    } else if (line == RecordEndMarker) {
      if (record.empty()) {
        damaged(i, Phrase::Say("%1 without a record", RecordEndMarker));
      } else if (record.size() < 3) {
        damaged(i, Phrase::Say("a record needs a time code and a chapter line"));
      } else if (!recordBroken) {
        kept.insert(kept.end(), std::make_move_iterator(record.begin()),
                    std::make_move_iterator(record.end()));
        kept.push_back(line);
      }
      record.clear();
    } else if (record.empty()) {
      damaged(i, Phrase::Say("text outside a record (expected %1)", RecordStartMarker));
    } else {
      record.push_back(line);
    }
  }
  if (!record.empty())
    damaged(recordStart, Phrase::Say("the record begun here has no %1 (the file is cut short)",
                                     RecordEndMarker));
  load.Script = RawScript(std::move(kept));
  return load;
}

Status RecordsFile::Save(const std::string& path, const RawScript& script) {
  std::string content = JoinTextLines(script.Lines());
  if (!script.Lines().empty()) content += '\n';
  Phrase error;
  if (!WriteFileAtomically(path, content, false, &error))
    return Status::Failure(error.Empty() ? Phrase::Say("Cannot create file %1", path)
                                         : Phrase::Say("Cannot create file %1: %2", path, error));
  return Status::Success();
}

std::size_t RecordsFile::CountRecords(const RawScript& script) {
  std::size_t count = 0;
  for (const std::string& line : script.Lines())
    if (line == RecordEndMarker) ++count;
  return count;
}

std::size_t RecordsFile::CountSubtitleRecords(const RawScript& script) {
  const std::size_t all = CountRecords(script);
  return all > 0 && IsVersionRecord(script.Lines(), 0) ? all - 1 : all;
}

RawScript RecordsFile::KeepSubtitleRecords(const RawScript& script, std::size_t records) {
  const std::vector<std::string>& lines = script.Lines();
  std::size_t wanted = records + (IsVersionRecord(lines, 0) ? 1 : 0);
  std::size_t end = 0;
  for (std::size_t i = 0; i < lines.size() && wanted > 0; ++i) {
    if (lines[i] == RecordEndMarker) {
      --wanted;
      end = i + 1;
    }
  }
  return RawScript(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(end)));
}

std::optional<std::int64_t> RecordsFile::LastRecordStartMs(const RawScript& script) {
  const std::vector<std::string>& lines = script.Lines();
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (lines[i] != RecordStartMarker) continue;
    if (IsVersionRecord(lines, i) || i + 1 >= lines.size()) return std::nullopt;
    const RecordFacts facts = ReadRecordFacts(lines[i + 1]);
    if (!facts.HasStart) return std::nullopt;
    return facts.StartMs;
  }
  return std::nullopt;
}

ReferenceCount RecordsFile::CountReferences(const RawScript& script,
                                            const CharacterLookup& characters) {
  ReferenceCount count;
  ForEachReference(script, &characters, [&](std::string_view, bool resolved) {
    ++count.References;
    if (!resolved) ++count.Unresolved;
  });
  return count;
}

std::vector<std::string> RecordsFile::ReferenceDirectories(const RawScript& script) {
  std::vector<std::string> directories;
  ForEachReference(script, nullptr, [&](std::string_view key, bool) {
    const std::size_t slash = key.rfind('/');
    if (slash == std::string_view::npos) return;
    const std::string_view directory = key.substr(0, slash + 1);
    if (std::find(directories.begin(), directories.end(), directory) == directories.end())
      directories.emplace_back(directory);
  });
  return directories;
}

}  // namespace quelm
