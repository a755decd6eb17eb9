// `quelm-cli convert`: reads a title's subtitles with the desktop program's reading commands,
// recognises them and writes the rendered script.
#pragma once

#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace quelm {

// Arguments after the subcommand name. Returns the process exit code.
int RunConvertCommand(const std::vector<std::string>& args);

}  // namespace quelm
