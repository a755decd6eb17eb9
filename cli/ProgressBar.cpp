// Drawing the progress line.
#include "cli/ProgressBar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace quelm {

ProgressBar::ProgressBar(std::FILE* out, bool enabled, std::vector<std::int64_t> sizes)
    : out_(out), enabled_(enabled), sizes_(std::move(sizes)) {
  for (std::int64_t size : sizes_) total_ += std::max<std::int64_t>(size, 0);
}

std::string ProgressBar::Text(const std::string& fileName, double percent, int subtitles,
                              int questions, int width) {
  percent = std::clamp(percent, 0.0, 100.0);
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, "  %5.1f%%  subtitles %d  questions %d", percent,
                subtitles, questions);
  const std::string tail = numbers;
  std::string name = fileName;
  const int barWidth = std::clamp(width - static_cast<int>(name.size() + tail.size()) - 4, 10, 40);
  const int filled = static_cast<int>(barWidth * percent / 100.0);
  std::string text = name + "  [" + std::string(static_cast<std::size_t>(filled), '#') +
                     std::string(static_cast<std::size_t>(barWidth - filled), '.') + "]" + tail;
  if (static_cast<int>(text.size()) > width && width > 0) text.resize(static_cast<std::size_t>(width));
  return text;
}

void ProgressBar::Update(std::size_t fileIndex, const std::string& fileName,
                         std::int64_t position, int subtitles, int questions, bool force) {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (!force && shown_ && now - last_ < std::chrono::milliseconds(100)) return;
  last_ = now;
  std::int64_t done = std::max<std::int64_t>(position, 0);
  for (std::size_t i = 0; i < fileIndex && i < sizes_.size(); ++i) done += sizes_[i];
  const double percent = total_ > 0 ? 100.0 * static_cast<double>(done) / static_cast<double>(total_) : 0.0;
  int width = 80;
  winsize size{};
  if (::ioctl(::fileno(out_), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) width = size.ws_col;
  const std::string text = Text(std::filesystem::path(fileName).filename().string(), percent,
                                subtitles, questions, width - 1);
  std::fprintf(out_, "\r%s\033[K", text.c_str());
  std::fflush(out_);
  shown_ = true;
}

void ProgressBar::Clear() {
  if (!enabled_ || !shown_) return;
  std::fprintf(out_, "\r\033[K");
  std::fflush(out_);
  shown_ = false;
}

}  // namespace quelm
