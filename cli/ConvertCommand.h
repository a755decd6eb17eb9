// `quelm-cli convert`: reads a title's subtitles with the desktop program's reading commands,
// recognises them and writes the rendered script.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "ocr/Suggestions.h"

namespace quelm {

// Arguments after the subcommand name. Returns the process exit code.
int RunConvertCommand(const std::vector<std::string>& args);
// The same with `engine` suggesting texts instead of the built-in engine.
int RunConvertCommand(const std::vector<std::string>& args,
                      std::unique_ptr<SuggestionEngine> engine);

}  // namespace quelm
