// Writes lines of text as an RTF document, one paragraph per line, so that word processors open
// the saved script. Text is UTF-8; everything beyond ASCII is written as RTF unicode escapes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Status.h"

namespace quelm {

class RtfWriter {
 public:
  // The whole document. A byte that does not start valid UTF-8 is taken as a Latin-1 character.
  static std::string Document(const std::vector<std::string>& lines);
  // Replaces `path` with the document; on failure the message is "Cannot create file <path>"
  // (or "Stream write error" when the file could be made but not written) and any old file of
  // that name is left as it was.
  static Status Write(const std::string& path, const std::vector<std::string>& lines);

  // One line's text with \ { } escaped, tabs as \tab and non-ASCII as \uN? (UTF-16 units).
  static std::string EscapeText(std::string_view text);
};

}  // namespace quelm
