// Presentation times of subpicture units: 90 kHz PTS ticks to hours, minutes and seconds.
#include "extraction/Subpicture.h"

#include <cstdio>

namespace quelm {

PresentationTime PresentationTimeFromPts(std::uint64_t pts) {
  const std::uint64_t totalSeconds = pts / 90000;
  PresentationTime time;
  // Hours are not wrapped at 24: a 33-bit PTS reaches about 26.5 hours.
  time.Hours = static_cast<int>(totalSeconds / 3600);
  time.Minutes = static_cast<int>((totalSeconds / 60) % 60);
  time.Seconds = static_cast<int>(totalSeconds % 60);
  return time;
}

std::string FormatPresentationTime(const PresentationTime& time) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.Hours, time.Minutes, time.Seconds);
  return text;
}

}  // namespace quelm
