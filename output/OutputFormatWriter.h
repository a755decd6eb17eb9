// What the format editor loads from and saves to an output format file: the display name and
// the three templates, each template line stored quoted so that blanks and empty lines survive.
#pragma once

#include <string>
#include <vector>

#include "platform/Status.h"

namespace quelm {

struct OutputFormatText {
  std::string Name;
  std::vector<std::string> Header;
  std::vector<std::string> Body;
  std::vector<std::string> Footer;
};

// The name falls back to "Custom name" and the templates read as the script reads them.
OutputFormatText ReadOutputFormatText(const std::string& path);

// Writes ini_info/name and replaces the sections "header", "body" and "footer" (key i = the
// quoted line i); every other section and key of an existing file stays. All or nothing: the
// file is either the old one or the new one. A failure reads "Unable to write to <path>".
Status WriteOutputFormatText(const std::string& path, const OutputFormatText& format);

// A template line as it is stored: the line between double quotes.
std::string QuotedTemplateLine(const std::string& line);

}  // namespace quelm
