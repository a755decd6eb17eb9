// `quelm-cli info`: what a title set holds, from its IFO: subtitle streams, chapters, files.
#pragma once

#include <string>
#include <vector>

namespace quelm {

// Arguments after the subcommand name. Returns the process exit code.
int RunInfoCommand(const std::vector<std::string>& args);

}  // namespace quelm
