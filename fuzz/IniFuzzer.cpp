// INI service: reads of any file, then one key written into it and its section replaced.
// Input: bytes 0-2 = lengths of section, key and value (taken from the bytes after them), the
// rest is the file.
#include <algorithm>
#include <cctype>

#include "fuzz/FuzzSupport.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

namespace quelm::fuzz {
namespace {

// Names and values that the file format can carry unchanged.
bool Plain(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '.';
  });
}

}  // namespace

void IniInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return;
  std::string_view rest(reinterpret_cast<const char*>(data) + 3, size - 3);
  auto take = [&rest](std::size_t n) {
    n = std::min(n, rest.size());
    std::string piece(rest.substr(0, n));
    rest.remove_prefix(n);
    return piece;
  };
  const std::string section = take(data[0] % 24);
  const std::string key = take(data[1] % 24);
  const std::string value = take(data[2] % 48);
  const std::string path = WriteScratchFile("settings.ini", rest);

  IniFile ini(path);
  (void)ini.ReadString(section, key, "fallback");
  (void)ini.ReadInteger(section, key, 7);
  (void)ini.ReadBool(section, key, true);
  for (const std::string& k : ini.ReadSectionKeys(section)) (void)ini.ReadString(section, k, "");
  const auto values = ini.ReadSectionValues(section);
  for (const auto& [k, v] : values)
    if (v.size() > IniFile::MaxValueLength) Broken("value longer than the cap");

  if (!ini.WriteString(section, key, value).Ok) return;
  if (Plain(section) && Plain(key) && Plain(value)) {
    const std::string back = ini.ReadString(section, key, "<missing>");
    if (back != value) Broken("wrote '" + value + "' under [" + section + "] " + key + ", read '" + back + "'");
  }
  if (!ini.ReplaceSection(section, {{key, value}}).Ok) return;
  if (Plain(section) && Plain(key) && Plain(value) &&
      ini.ReadSectionKeys(section) != std::vector<std::string>{key})
    Broken("[" + section + "] replaced by " + key + " holds other keys");
  (void)ini.EraseSection(section);
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(IniInput)
