// The external tools as quelm.ini keeps them: section "tools", one key per tool in list order,
// key = position + "_" + name, value = the program path in double quotes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Status.h"

namespace quelm {

class IniFile;

inline constexpr const char* ToolsSection = "tools";
// The value a tool item reads when its key has gone.
inline constexpr const char* MissingToolValue = "ERROR";
// The name of a tool added from the file dialog.
inline constexpr const char* UnknownToolText = "unknown";

struct ToolEntry {
  std::string Name;
  std::string Path;
};

// "0_Editor" -> "Editor", "10_My_tool" -> "My_tool": the leading digits and one "_" go.
std::string ToolNameFromKey(const std::string& key);
// The key a tool is stored under. An "=" would end the key early, so it becomes "-".
std::string ToolKey(std::size_t position, const std::string& name);

// The keys of the section in file order (the captions of the tool menu).
std::vector<std::string> ReadToolKeys(const IniFile& file);
// The tools in file order, each with the path its key holds.
std::vector<ToolEntry> ReadToolList(const IniFile& file);
// Replaces the section with `tools` in list order.
Status StoreToolList(IniFile& file, const std::vector<ToolEntry>& tools);

// The program a tool item starts: the value under `key` when there is one and it names an
// existing regular file.
std::optional<std::string> ToolProgramForKey(const IniFile& file, const std::string& key);

}  // namespace quelm
