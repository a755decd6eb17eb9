// `quelm-cli dict`: lists, shows and names the entries of a character dictionary, so that
// characters learned "after reading" can be named without a display.
#pragma once

#include <string>
#include <vector>

namespace quelm {

int RunDictCommand(const std::vector<std::string>& args);

}  // namespace quelm
