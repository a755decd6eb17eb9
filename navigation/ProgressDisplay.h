// The texts of the main window's position, time and chapter labels while a run is in progress.
#pragma once

#include <cstdint>
#include <string>

#include "extraction/Subpicture.h"

namespace quelm {

// The separators of the user's locale; the desktop program takes them from QLocale.
struct NumberFormat {
  std::string DecimalSeparator = ",";
  std::string GroupSeparator = ".";
};

struct ProgressDisplay {
  PresentationTime SubtitleTime;  // the running time after this update
  std::string FilePositionText;   // ": p / size  (xx,xx%)"
  std::string TimecodeText;       // ": hh:nn:ss"
  std::string ChapterText;        // ": chapter"
  // Without a known file size only the position and chapter labels change.
  bool TimeUpdated = false;
};

// Two decimals with the locale's separators and grouping, for example "1.234,50".
std::string FormatPercentage(double value, const NumberFormat& format);

// ": 0 / size  (0,00%)", the position label of a file just entered.
std::string InitialFilePositionText(std::int64_t vobFileSize, const NumberFormat& format);

// "hh:nn:ss" read from characters 1-2, 4-5 and 7-8; text that does not hold such a time gives
// 00:00:00 rather than a failure in the middle of a run.
PresentationTime ParseChapterOffset(const std::string& text);

// One tick of the progress timer. The running time takes over the stream's presentation time
// only when it is 1 to 10 seconds ahead, so it follows the stream without jumping at
// discontinuities.
ProgressDisplay UpdateProgressDisplay(std::int64_t filePosition, std::int64_t vobFileSize,
                                      const PresentationTime& presentationTime,
                                      const PresentationTime& subtitleTime,
                                      const std::string& chapterOffsetText, int chapterIndex,
                                      const NumberFormat& format);

}  // namespace quelm
