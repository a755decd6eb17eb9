// A scratch directory for the output tests, removed with everything in it at the end of a test.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quelm::test {

class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quelm-output-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern + "/";
  }
  ~ScratchDirectory() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  // Ends with "/", as the program's roots do.
  const std::string& Path() const { return path_; }

  std::string Write(const std::string& name, const std::string& content) const {
    const std::string file = path_ + name;
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

 private:
  std::string path_;
};

}  // namespace quelm::test
