// Loading, saving and drag-reordering of the VOB file list.
#include "settings/VobFileList.h"

#include <utility>

#include "settings/PreferenceKeys.h"

namespace quelm {

std::vector<std::string> VobFileList::Load(const IniFile& file) {
  std::vector<std::string> entries;
  const std::size_t count = file.ReadSectionKeys(Preferences::VobFileListSection).size();
  for (std::size_t n = 0; n < count; ++n) {
    std::string value = file.ReadString(Preferences::VobFileListSection, std::to_string(n), "error");
    if (value != "error") entries.push_back(std::move(value));
  }
  return entries;
}

Status VobFileList::Save(IniFile& file, const std::vector<std::string>& entries) {
  std::vector<std::pair<std::string, std::string>> keyValues;
  keyValues.reserve(entries.size());
  for (std::size_t n = 0; n < entries.size(); ++n) {
    keyValues.emplace_back(std::to_string(n), "\"" + entries[n] + "\"");
  }
  return file.ReplaceSection(Preferences::VobFileListSection, keyValues);
}

int VobFileList::MoveForDrag(std::vector<std::string>& entries, int selected, int targetRow) {
  const int count = static_cast<int>(entries.size());
  if (selected < 0 || selected >= count) return selected;
  int target = targetRow < 0 ? 0 : targetRow;
  if (target >= count) target = count - 1;
  if (target == selected) return selected;
  std::string moving = std::move(entries[static_cast<std::size_t>(selected)]);
  entries.erase(entries.begin() + selected);
  entries.insert(entries.begin() + target, std::move(moving));
  return target;
}

}  // namespace quelm
