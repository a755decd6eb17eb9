// Reads the subpicture streams and the chapter lengths of a title set's IFO file
// (vts_01_0.ifo). Reads stay within the bytes the file has; what a damaged file lacks is
// reported as a line of text, never by failing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Phrase.h"

namespace quelm {

struct StreamAttribute {
  std::uint16_t LanguageCode = 0;  // first letter in the high byte
  std::uint8_t CodeExtension = 0;  // kept, not shown
};

class IfoReader {
 public:
  static constexpr int MaxStreams = 32;  // sub-streams 0x20 .. 0x3F

  explicit IfoReader(std::string ifoFileName = {}) : ifoFileName_(std::move(ifoFileName)) {}

  const std::string& IfoFileName() const { return ifoFileName_; }
  void SetIfoFileName(std::string name) { ifoFileName_ = std::move(name); }

  // Fills StreamAttributes() from the first 2048 bytes and returns how many streams were read.
  int ReadLanguages();
  // Fills ChapterLengths() ("hh:mm:ss" from the cells' BCD playback times) and returns their
  // number.
  int ReadChapters();

  int StreamCount() const { return static_cast<int>(streams_.size()); }
  const std::vector<StreamAttribute>& StreamAttributes() const { return streams_; }
  int ChapterCount() const { return static_cast<int>(chapters_.size()); }
  const std::vector<std::string>& ChapterLengths() const { return chapters_; }

  // The name of stream `index`'s language; empty for an unknown code or index.
  std::string StreamLanguage(int index) const;
  // Stream `index`'s two-letter language code in small letters ("en"); empty when the IFO gives
  // no letters there.
  std::string StreamLanguageCode(int index) const;
  // The same read from the IFO at `ifoPath`; empty when it cannot be read.
  static std::string StreamLanguageCode(const std::string& ifoPath, int index);

  // What the last reads found wrong with the file, one line each ("IFO is damaged: ...").
  std::vector<std::string> LanguageFaults() const { return English(languageFaults_); }
  std::vector<std::string> ChapterFaults() const { return English(chapterFaults_); }
  // The same, for a window to say in its language.
  const std::vector<Phrase>& LanguageFaultWordings() const { return languageFaults_; }
  const std::vector<Phrase>& ChapterFaultWordings() const { return chapterFaults_; }

 private:
  std::string ifoFileName_;
  std::vector<StreamAttribute> streams_;
  std::vector<std::string> chapters_;
  std::vector<Phrase> languageFaults_;
  std::vector<Phrase> chapterFaults_;

  static std::vector<std::string> English(const std::vector<Phrase>& phrases);
};

}  // namespace quelm
