// Where the shipped data directories (outputini/, languages/, translations/) are found at run
// time: beside the program in a build, under <prefix>/share/quelm/ once installed.
#pragma once

#include <string>
#include <vector>

namespace quelm {

// The directory of the running program, ending in "/"; empty when it cannot be told.
std::string ProgramDirectory();

// The places `name` may lie, in the order they are tried: `programDir` + name, then
// `programDir`/../share/quelm/name (the installed layout under any prefix), then the prefix
// the build was configured with. `programDir` ends in "/" or is empty (then only the last).
std::vector<std::string> DataDirectoryCandidates(const std::string& programDir,
                                                 const std::string& name);

// The first candidate that is a directory; when none is, the first candidate, so that messages
// name the place beside the program.
std::string FindDataDirectory(const std::string& programDir, const std::string& name);

}  // namespace quelm
