// Where quelm.ini lives: the command line's --settings, else $QUELM_SETTINGS, else the user's
// XDG configuration directory.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quelm {

// `environment` answers a variable's value, or nothing when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string&)>;

std::string ResolveSettingsPath(const std::optional<std::string>& commandLinePath,
                                const EnvironmentLookup& environment);

// The process environment, for the program itself.
std::optional<std::string> ProcessEnvironment(const std::string& name);

}  // namespace quelm
