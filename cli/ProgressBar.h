// The one-line progress display of `quelm-cli convert` on standard error: file, percentage of
// all files, subtitles found and questions asked. Drawn only when standard error is a terminal.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace quelm {

class ProgressBar {
 public:
  // `sizes` are the byte sizes of the files in reading order.
  ProgressBar(std::FILE* out, bool enabled, std::vector<std::int64_t> sizes);

  // Redraws at most every 100 ms unless `force`.
  void Update(std::size_t fileIndex, const std::string& fileName, std::int64_t position,
              int subtitles, int questions, bool force = false);
  // Removes the line (before a question or a message, and at the end).
  void Clear();

  // "VTS_01_2.VOB  [#####.....]  42.0%  subtitles 17  questions 3", for `width` columns.
  static std::string Text(const std::string& fileName, double percent, int subtitles,
                          int questions, int width);

 private:
  std::FILE* out_;
  bool enabled_;
  std::vector<std::int64_t> sizes_;
  std::int64_t total_ = 0;
  bool shown_ = false;
  std::chrono::steady_clock::time_point last_{};
};

}  // namespace quelm
