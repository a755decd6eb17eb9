// Whole-file reads and atomic replacement, shared by the INI service, BMP files and the
// character dictionary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Phrase.h"

namespace quelm {

enum class ReadFileOutcome { Ok, Missing, NotAFile, TooLarge, Error };

// Reads the regular file `path` into `content` (at most `maxBytes`); anything else is refused
// with the outcome saying why.
ReadFileOutcome ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& content);

// Replaces `path` with `content`: a temporary file beside it is written, flushed to disk and
// renamed over the target, so readers see the old or the new file, never a part. A symbolic
// link is followed, so the file it names is replaced. On failure the old file is untouched and
// `error` says what the system refused.
bool WriteFileAtomically(const std::string& path, std::string_view content, bool createParents,
                         Phrase* error = nullptr);

// Who a file is and when it last changed: equal stamps mean nobody replaced or wrote it in
// between (an atomic replacement brings a new inode, a write a new time).
struct FileStamp {
  bool Exists = false;
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  std::int64_t Size = 0;
  std::int64_t ModifiedNs = 0;
  std::int64_t ChangedNs = 0;
  // Written so shortly before the stamp was taken that another write within the same tick of
  // the file system's clock would leave the same time.
  bool Recent = false;
  bool operator==(const FileStamp&) const = default;

  // `now` shows the file as this stamp did, and this stamp can vouch for it.
  bool Unchanged(const FileStamp& now) const { return !Recent && *this == now; }
};

// The stamp of `path` (a directory too); a missing or unreachable one has Exists false.
FileStamp StampOf(const std::string& path);

}  // namespace quelm
