// Reading and writing the "tools" section of quelm.ini.
#include "settings/ToolSection.h"

#include <filesystem>
#include <system_error>

#include "platform/IniFile.h"

namespace quelm {

std::string ToolNameFromKey(const std::string& key) {
  std::size_t i = 0;
  while (i < key.size() && key[i] >= '0' && key[i] <= '9') ++i;
  if (i < key.size() && key[i] == '_') ++i;
  return key.substr(i);
}

std::string ToolKey(std::size_t position, const std::string& name) {
  std::string key = std::to_string(position) + "_" + name;
  for (char& c : key)
    if (c == '=') c = '-';
  return key;
}

std::vector<std::string> ReadToolKeys(const IniFile& file) {
  return file.ReadSectionKeys(ToolsSection);
}

std::vector<ToolEntry> ReadToolList(const IniFile& file) {
  std::vector<ToolEntry> tools;
  for (const auto& [key, value] : file.ReadSectionValues(ToolsSection))
    tools.push_back({ToolNameFromKey(key), value});
  return tools;
}

Status StoreToolList(IniFile& file, const std::vector<ToolEntry>& tools) {
  std::vector<std::pair<std::string, std::string>> keys;
  keys.reserve(tools.size());
  for (std::size_t i = 0; i < tools.size(); ++i)
    keys.emplace_back(ToolKey(i, tools[i].Name), "\"" + tools[i].Path + "\"");
  return file.ReplaceSection(ToolsSection, keys);
}

std::optional<std::string> ToolProgramForKey(const IniFile& file, const std::string& key) {
  const std::string value = file.ReadString(ToolsSection, key, MissingToolValue);
  if (value == MissingToolValue) return std::nullopt;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(value, ec)) return std::nullopt;
  return value;
}

}  // namespace quelm
