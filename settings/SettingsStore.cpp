// Reads and writes of the "preferences" section, with the restore-phase filter.
#include "settings/SettingsStore.h"

#include <algorithm>

#include "platform/AsciiText.h"
#include "settings/PreferenceKeys.h"

namespace quelm {


SettingsStore::SettingsStore(std::string path, UserInteraction& ui)
    : file_(std::move(path)), ui_(ui) {}

void SettingsStore::MarkRestored(const std::string& key) {
  if (restoring_) restored_.insert(LowerAscii(key));
}

std::string SettingsStore::ReadString(const std::string& key, const std::string& fallback) {
  MarkRestored(key);
  return file_.ReadString(Preferences::Section, key, fallback);
}

int SettingsStore::ReadInteger(const std::string& key, int fallback) {
  MarkRestored(key);
  return file_.ReadInteger(Preferences::Section, key, fallback);
}

bool SettingsStore::ReadBool(const std::string& key, bool fallback) {
  MarkRestored(key);
  return file_.ReadBool(Preferences::Section, key, fallback);
}

int SettingsStore::ReadClampedInteger(const std::string& key, int fallback, int low, int high) {
  const int value = ReadInteger(key, fallback);
  const int clamped = std::clamp(value, low, high);
  if (clamped != value) StoreInteger(key, clamped);
  return clamped;
}

bool SettingsStore::Store(const std::vector<std::pair<std::string, std::string>>& keyValues) {
  std::vector<std::pair<std::string, std::string>> wanted;
  for (const auto& keyValue : keyValues) {
    if (!restoring_ || IsRestored(keyValue.first)) wanted.push_back(keyValue);
  }
  if (wanted.empty()) return true;
  return Report(file_.WriteKeys(Preferences::Section, wanted));
}

bool SettingsStore::StoreString(const std::string& key, const std::string& value) {
  return Store({{key, value}});
}

bool SettingsStore::StoreInteger(const std::string& key, int value) {
  return Store({{key, std::to_string(value)}});
}

bool SettingsStore::StoreBool(const std::string& key, bool value) {
  return Store({{key, value ? "1" : "0"}});
}

void SettingsStore::BeginRestore() {
  restoring_ = true;
  restored_.clear();
}

void SettingsStore::EndRestore() {
  restoring_ = false;
  restored_.clear();
}

bool SettingsStore::IsRestored(const std::string& key) const {
  return restored_.count(LowerAscii(key)) != 0;
}

bool SettingsStore::Report(const Status& status) {
  if (status) return true;
  ui_.ShowMessage(MessageKind::Error, status.Wording);
  return false;
}

}  // namespace quelm
