// Texts of the progress labels, computed from plain values so that they can be checked alone.
#include "navigation/ProgressDisplay.h"

#include <cmath>
#include <cstdio>

#include "platform/AsciiText.h"

namespace quelm {

namespace {

std::int64_t ToSeconds(const PresentationTime& time) {
  return static_cast<std::int64_t>(time.Hours) * 3600 + time.Minutes * 60 + time.Seconds;
}

std::string TwoDigits(std::int64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(value));
  return text;
}

std::string FormatSeconds(std::int64_t total) {
  if (total < 0) total = 0;
  return TwoDigits(total / 3600) + ":" + TwoDigits(total / 60 % 60) + ":" + TwoDigits(total % 60);
}

}  // namespace

std::string FormatPercentage(double value, const NumberFormat& format) {
  if (!std::isfinite(value)) value = 0.0;
  long long hundredths = std::llround(value * 100.0);
  const bool negative = hundredths < 0;
  if (negative) hundredths = -hundredths;
  const std::string whole = std::to_string(hundredths / 100);
  std::string grouped;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += format.GroupSeparator;
    grouped += whole[i];
  }
  return (negative ? "-" : "") + grouped + format.DecimalSeparator + TwoDigits(hundredths % 100);
}

std::string InitialFilePositionText(std::int64_t vobFileSize, const NumberFormat& format) {
  return ": 0 / " + std::to_string(vobFileSize) + "  (" + FormatPercentage(0.0, format) + "%)";
}

PresentationTime ParseChapterOffset(const std::string& text) {
  if (text.size() < 8) return {};
  for (std::size_t i : {0, 1, 3, 4, 6, 7}) {
    if (!IsAsciiDigit(text[i])) return {};
  }
  auto field = [&text](std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); };
  PresentationTime offset;
  offset.Hours = field(0);
  offset.Minutes = field(3);
  offset.Seconds = field(6);
  return offset;
}

int ChapterIndexAt(const PresentationTime& time, const std::vector<std::string>& chapterTable) {
  const std::int64_t seconds = ToSeconds(time);
  const int chapters = static_cast<int>(chapterTable.size()) - 1;
  std::int64_t end = 0;
  for (int index = 0; index < chapters; ++index) {
    end += ToSeconds(ParseChapterOffset(chapterTable[static_cast<std::size_t>(index) + 1]));
    if (seconds < end) return index;
  }
  return chapters > 0 ? chapters - 1 : 0;
}

std::string TimecodeLabelText(const PresentationTime& time) {
  return ": " + FormatSeconds(ToSeconds(time));
}

std::string ChapterLabelText(int chapterIndex) {
  return ": " + std::to_string(static_cast<long long>(chapterIndex) + 1);
}

ProgressDisplay UpdateProgressDisplay(std::int64_t filePosition, std::int64_t vobFileSize,
                                      const PresentationTime& presentationTime,
                                      const PresentationTime& subtitleTime,
                                      const std::vector<std::string>& chapterTable,
                                      const NumberFormat& format) {
  ProgressDisplay display;
  display.SubtitleTime = subtitleTime;
  if (vobFileSize < 1) {
    display.FilePositionText = InitialFilePositionText(0, format);
    display.ChapterText = ": 0";
    return display;
  }
  const double percent =
      100.0 * static_cast<double>(filePosition) / static_cast<double>(vobFileSize);
  display.FilePositionText = ": " + std::to_string(filePosition) + " / " +
                             std::to_string(vobFileSize) + "  (" +
                             FormatPercentage(percent, format) + "%)";

  const std::int64_t ahead = ToSeconds(presentationTime) - ToSeconds(subtitleTime);
  if (ahead >= 1 && ahead <= 10) display.SubtitleTime = presentationTime;

  display.TimecodeText = TimecodeLabelText(display.SubtitleTime);
  display.ChapterText = ChapterLabelText(ChapterIndexAt(display.SubtitleTime, chapterTable));
  display.TimeUpdated = true;
  return display;
}

}  // namespace quelm
