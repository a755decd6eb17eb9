// `quelm-cli dict`: lists, shows, names and confirms the entries of a character dictionary, so
// that characters learned "after reading" or named automatically can be settled without a display.
#pragma once

#include <string>
#include <vector>

namespace quelm {

int RunDictCommand(const std::vector<std::string>& args);

}  // namespace quelm
