// Reads and writes single entries of "subtitles.ini"; nothing is held in memory.
#include "navigation/IniPositionCache.h"

#include <charconv>

namespace quelm {

std::int64_t IniPositionCache::GetSubtitleCachePosition(int languageIndex,
                                                        const std::string& vobFile,
                                                        int subtitleNumber,
                                                        std::int64_t defaultPosition) {
  if (!enabled_) return defaultPosition;
  const std::string text =
      ini_.ReadString(SectionName(languageIndex, vobFile), std::to_string(subtitleNumber), "-1");
  std::int64_t value = -1;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  // A damaged entry is as good as none: the search then starts where it would without cache.
  if (error != std::errc() || rest != end || value < 0) return defaultPosition;
  return value;
}

Status IniPositionCache::SaveSubtitleCachePosition(int languageIndex, const std::string& vobFile,
                                                   int subtitleNumber, std::int64_t startPosition) {
  if (!enabled_) return Status::Success();
  return ini_.WriteString(SectionName(languageIndex, vobFile), std::to_string(subtitleNumber),
                          std::to_string(startPosition));
}

}  // namespace quelm
