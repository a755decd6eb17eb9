// The position cache kept in "subtitles.ini" in the VOB directory: one section per language
// index and VOB file, one key per subtitle number, the value its start offset.
#pragma once

#include <string>

#include "navigation/PositionCache.h"
#include "platform/IniFile.h"
#include "platform/SourceFile.h"

namespace quelm {

class IniPositionCache : public PositionCache {
 public:
  static constexpr const char* FileName = "subtitles.ini";

  // `vobRoot` ends with "/"; the file is `vobRoot` + "subtitles.ini".
  IniPositionCache(const std::string& vobRoot, bool enabled)
      : ini_(vobRoot + FileName), enabled_(enabled) {}

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  void SetVobRoot(const std::string& vobRoot) {
    ini_ = IniFile(DiscImage::WritableRoot(vobRoot) + FileName);
  }
  const std::string& Path() const { return ini_.Path(); }

  static std::string SectionName(int languageIndex, const std::string& vobFile) {
    return std::to_string(languageIndex) + vobFile;
  }

  std::int64_t GetSubtitleCachePosition(int languageIndex, const std::string& vobFile,
                                        int subtitleNumber, std::int64_t defaultPosition) override;
  Status SaveSubtitleCachePosition(int languageIndex, const std::string& vobFile,
                                   int subtitleNumber, std::int64_t startPosition) override;

 private:
  IniFile ini_;
  bool enabled_;
};

}  // namespace quelm
