// `quelm-cli extract`: lists (and optionally saves) every subtitle of a list of VOB files.
#pragma once

#include <string>
#include <vector>

namespace quelm {

// Arguments after the subcommand name. Returns the process exit code.
int RunExtractCommand(const std::vector<std::string>& args);

}  // namespace quelm
