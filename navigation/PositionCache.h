// Where the navigation looks up and records the start offsets of numbered subtitles. This base
// is the cache switched off: every lookup yields its default and nothing is written.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Status.h"

namespace quelm {

class PositionCache {
 public:
  virtual ~PositionCache() = default;

  virtual bool Enabled() const { return false; }

  // The cached start offset of subtitle `subtitleNumber` of `vobFile` read with language
  // `languageIndex`, or `defaultPosition` when it is not cached.
  virtual std::int64_t GetSubtitleCachePosition(int languageIndex, const std::string& vobFile,
                                                int subtitleNumber, std::int64_t defaultPosition) {
    (void)languageIndex;
    (void)vobFile;
    (void)subtitleNumber;
    return defaultPosition;
  }

  // Records where subtitle `subtitleNumber` starts; a refused write gives
  // "Unable to write to <path>".
  virtual Status SaveSubtitleCachePosition(int languageIndex, const std::string& vobFile,
                                           int subtitleNumber, std::int64_t startPosition) {
    (void)languageIndex;
    (void)vobFile;
    (void)subtitleNumber;
    (void)startPosition;
    return Status::Success();
  }
};

}  // namespace quelm
