// `quelm-cli convert`: reads a title's subtitles with the desktop program's reading commands,
// recognises them and writes the rendered script.
#pragma once

#include <string>
#include <vector>

namespace quelm {

// Arguments after the subcommand name. Returns the process exit code.
int RunConvertCommand(const std::vector<std::string>& args);

// Exit codes shared by the subcommands.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;     // unreadable input, unwritable output, a failed run
inline constexpr int ExitBadOptions = 2;  // the command line itself is wrong
inline constexpr int ExitStopped = 3;     // stopped by the user; records kept for a resume

}  // namespace quelm
