// The texts of the main window's position, time and chapter labels while a run is in progress.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// The chapter table is the main window's TimecodeListbox: "00:00:00", then the chapter lengths.
// The index (0 = chapter 1) of the chapter that `time` on the title's timeline falls in; a time
// past the last chapter's end (the lengths are whole seconds) stays in the last chapter.
int ChapterIndexAt(const PresentationTime& time, const std::vector<std::string>& chapterTable);

// ": hh:nn:ss" and ": chapter", as the time and chapter labels show them.
std::string TimecodeLabelText(const PresentationTime& time);
std::string ChapterLabelText(int chapterIndex);

// One tick of the progress timer while a run scans. The running time takes over the stream's
// presentation time only when it is 1 to 10 seconds ahead, so it does not jump at
// discontinuities. No chapter offset is added: each found subtitle sets the time from its place
// on the title's timeline, which runs on across chapters. The chapter shown is the time's.
ProgressDisplay UpdateProgressDisplay(std::int64_t filePosition, std::int64_t vobFileSize,
                                      const PresentationTime& presentationTime,
                                      const PresentationTime& subtitleTime,
                                      const std::vector<std::string>& chapterTable,
                                      const NumberFormat& format);

}  // namespace quelm
