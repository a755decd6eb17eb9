// Run-time lookup of the shipped data directories.
#include "platform/DataPaths.h"

#include <filesystem>
#include <system_error>

#ifndef QUELM_INSTALL_DATA_DIR
#define QUELM_INSTALL_DATA_DIR "/usr/local/share/quelm/"
#endif

namespace quelm {

std::string ProgramDirectory() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || !self.has_parent_path()) return std::string();
  std::string directory = self.parent_path().string();
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

std::vector<std::string> DataDirectoryCandidates(const std::string& programDir,
                                                 const std::string& name) {
  std::vector<std::string> candidates;
  if (!programDir.empty()) {
    std::string base = programDir;
    if (base.back() != '/') base += '/';
    candidates.push_back(base + name);
    // A package may be installed under another prefix than the one the build was given.
    const std::filesystem::path shared =
        (std::filesystem::path(base) / ".." / "share" / "quelm" / name).lexically_normal();
    candidates.push_back(shared.string());
  }
  const std::string configured = std::string(QUELM_INSTALL_DATA_DIR) + name;
  bool listed = false;
  for (const std::string& candidate : candidates) listed = listed || candidate == configured;
  if (!listed) candidates.push_back(configured);
  return candidates;
}

std::string FindDataDirectory(const std::string& programDir, const std::string& name) {
  const std::vector<std::string> candidates = DataDirectoryCandidates(programDir, name);
  std::error_code ec;
  for (const std::string& candidate : candidates) {
    if (std::filesystem::is_directory(candidate, ec)) return candidate;
  }
  return candidates.front();
}

}  // namespace quelm
