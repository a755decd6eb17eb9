// Small text helpers shared by the script output: line splitting and joining.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AsciiText.h"

namespace quelm {

// Splits at LF, dropping the CRs before it; a final line end does not start another line, so
// "a\r\nb\r\n" is two lines, and "" is none.
std::vector<std::string> SplitTextLines(std::string_view text);
// Joins with "\n" between lines (none after the last).
std::string JoinTextLines(std::span<const std::string> lines);

}  // namespace quelm
