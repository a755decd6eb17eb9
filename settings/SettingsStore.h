// The "preferences" section of quelm.ini as the main window uses it: reads with defaults, writes
// that reach the file at once, and the start-up rule that a handler run while values are being
// restored stores only keys that have already been restored.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/IniFile.h"
#include "platform/UserInteraction.h"

namespace quelm {

class SettingsStore {
 public:
  SettingsStore(std::string path, UserInteraction& ui);

  IniFile& File() { return file_; }
  const std::string& Path() const { return file_.Path(); }

  // Reads mark the key as restored while a restore is in progress.
  std::string ReadString(const std::string& key, const std::string& fallback);
  int ReadInteger(const std::string& key, int fallback);
  bool ReadBool(const std::string& key, bool fallback);
  // ReadInteger kept within low..high, as a control's range keeps it; a value outside is stored
  // back in its clamped form.
  int ReadClampedInteger(const std::string& key, int fallback, int low, int high);

  // Stores the keys in the order given, in one write. A refused write shows its message
  // ("Unable to write to <file>") and returns false; the caller's command ends there.
  bool Store(const std::vector<std::pair<std::string, std::string>>& keyValues);
  bool StoreString(const std::string& key, const std::string& value);
  bool StoreInteger(const std::string& key, int value);
  bool StoreBool(const std::string& key, bool value);

  void BeginRestore();
  void EndRestore();
  bool IsRestoring() const { return restoring_; }
  bool IsRestored(const std::string& key) const;

  // Reports a failed write of another section through the same message path.
  bool Report(const Status& status);

 private:
  void MarkRestored(const std::string& key);

  IniFile file_;
  UserInteraction& ui_;
  bool restoring_ = false;
  std::set<std::string> restored_;
};

}  // namespace quelm
