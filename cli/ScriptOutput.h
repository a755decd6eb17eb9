// Where a rendered script goes: plain UTF-8 text or RTF, to a file (replaced atomically) or to
// standard output; and the early check that a file can be written at all.
#pragma once

#include <string>
#include <vector>

#include "platform/Status.h"

namespace quelm {

class ScriptOutput {
 public:
  // `path` empty: standard output.
  static Status Write(const std::vector<std::string>& lines, const std::string& path, bool rtf);
  // The text form: the lines, each ended by "\n".
  static std::string PlainText(const std::vector<std::string>& lines);
  // Fails when `path` could not be created or replaced (missing or read-only directory, a
  // directory of that name, a read-only file), so a long run does not end in a lost script.
  static Status CheckWritable(const std::string& path);
};

}  // namespace quelm
