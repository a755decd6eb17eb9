// The settings-file location rule.
#include "settings/SettingsLocation.h"

#include <cstdlib>

namespace quelm {

namespace {
std::optional<std::string> NonEmpty(const EnvironmentLookup& environment, const char* name) {
  auto value = environment(name);
  if (value && !value->empty()) return value;
  return std::nullopt;
}
}  // namespace

std::string ResolveSettingsPath(const std::optional<std::string>& commandLinePath,
                                const EnvironmentLookup& environment) {
  if (commandLinePath && !commandLinePath->empty()) return *commandLinePath;
  if (auto explicitPath = NonEmpty(environment, "QUELM_SETTINGS")) return *explicitPath;
  std::string base;
  if (auto xdg = NonEmpty(environment, "XDG_CONFIG_HOME")) {
    base = *xdg;
  } else {
    // No HOME at all (a bare service account): fall back to the working directory.
    base = NonEmpty(environment, "HOME").value_or(".") + "/.config";
  }
  if (base.back() != '/') base += '/';
  return base + "quelm/quelm.ini";
}

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace quelm
