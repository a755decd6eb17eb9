// The facts a script record keeps beside its time code: exact display start and end in
// milliseconds and whether the subtitle was forced. They ride on the time code line after its
// eight characters ("00:01:23 start=83456 end=86040 forced=1"), where the time code tags never
// look, so records written before them load and render as they always did.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quelm {

struct RecordFacts {
  bool HasStart = false;
  std::int64_t StartMs = 0;
  bool HasEnd = false;  // false when the subtitle had no stop command: the next one ends it
  std::int64_t EndMs = 0;
  bool Forced = false;

  bool operator==(const RecordFacts&) const = default;
};

// What a subtitle without a stop command and without a later subtitle is shown for.
inline constexpr std::int64_t DefaultLastDisplayMs = 5000;

// "hh:mm:ss" followed by the facts that are known; the time code alone when none is.
std::string TimeCodeLineWithFacts(const std::string& timeCode, const RecordFacts& facts);
// The facts of a time code line; fields that are missing or not numbers are left unknown, and
// fields this version does not know are ignored.
RecordFacts ReadRecordFacts(std::string_view timeCodeLine);
// The whole seconds of the line's "hh:mm:ss", in milliseconds; nothing when they are not digits.
std::optional<std::int64_t> TimeCodeMs(std::string_view timeCodeLine);

// `format` with h (hours), hh, mm, ss, zzz (milliseconds) and cc (centiseconds) replaced; every
// other character is copied. Hours are not wrapped at 24; times below zero count as zero. An
// empty format gives the milliseconds as a decimal number.
std::string FormatMilliseconds(std::int64_t ms, std::string_view format);

}  // namespace quelm
