// Writing and reading the facts on a record's time code line, and formatting times.
#include "output/RecordFacts.h"

#include <cstdio>

namespace quelm {

namespace {

constexpr std::size_t TimeCodeLength = 8;

std::optional<std::int64_t> ParseMs(std::string_view text) {
  bool negative = false;
  std::size_t i = 0;
  if (!text.empty() && text[0] == '-') negative = true, i = 1;
  if (i >= text.size() || text.size() - i > 15) return std::nullopt;  // beyond any film
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

int Digit(char c) {
  return c >= '0' && c <= '9' ? c - '0' : -1;
}

}  // namespace

std::string TimeCodeLineWithFacts(const std::string& timeCode, const RecordFacts& facts) {
  std::string line = timeCode;
  if (facts.HasStart) line += " start=" + std::to_string(facts.StartMs);
  if (facts.HasEnd) line += " end=" + std::to_string(facts.EndMs);
  if (facts.HasStart || facts.HasEnd) line += facts.Forced ? " forced=1" : " forced=0";
  return line;
}

RecordFacts ReadRecordFacts(std::string_view line) {
  RecordFacts facts;
  if (line.size() <= TimeCodeLength) return facts;
  std::string_view rest = line.substr(TimeCodeLength);
  while (!rest.empty()) {
    const std::size_t blank = rest.find(' ');
    const std::string_view field = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    const std::size_t equals = field.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = field.substr(0, equals);
    const std::string_view value = field.substr(equals + 1);
    if (key == "start") {
      if (const auto ms = ParseMs(value)) facts.HasStart = true, facts.StartMs = *ms;
    } else if (key == "end") {
      if (const auto ms = ParseMs(value)) facts.HasEnd = true, facts.EndMs = *ms;
    } else if (key == "forced") {
      facts.Forced = value == "1";
    }
  }
  return facts;
}

std::optional<std::int64_t> TimeCodeMs(std::string_view line) {
  if (line.size() < TimeCodeLength) return std::nullopt;
  const int digits[6] = {Digit(line[0]), Digit(line[1]), Digit(line[3]),
                         Digit(line[4]), Digit(line[6]), Digit(line[7])};
  for (const int d : digits)
    if (d < 0) return std::nullopt;
  const std::int64_t hours = digits[0] * 10 + digits[1];
  const std::int64_t minutes = digits[2] * 10 + digits[3];
  const std::int64_t seconds = digits[4] * 10 + digits[5];
  return ((hours * 60 + minutes) * 60 + seconds) * 1000;
}

std::string FormatMilliseconds(std::int64_t ms, std::string_view format) {
  if (ms < 0) ms = 0;
  if (format.empty()) return std::to_string(ms);
  const std::int64_t hours = ms / 3600000;
  const int minutes = static_cast<int>(ms / 60000 % 60);
  const int seconds = static_cast<int>(ms / 1000 % 60);
  const int millis = static_cast<int>(ms % 1000);
  char text[32];
  std::string out;
  std::size_t i = 0;
  const auto at = [&](std::string_view token) { return format.substr(i, token.size()) == token; };
  while (i < format.size()) {
    if (at("hh")) {
      std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(hours));
      out += text, i += 2;
    } else if (at("h")) {
      out += std::to_string(hours), i += 1;
    } else if (at("mm")) {
      std::snprintf(text, sizeof text, "%02d", minutes);
      out += text, i += 2;
    } else if (at("ss")) {
      std::snprintf(text, sizeof text, "%02d", seconds);
      out += text, i += 2;
    } else if (at("zzz")) {
      std::snprintf(text, sizeof text, "%03d", millis);
      out += text, i += 3;
    } else if (at("cc")) {
      std::snprintf(text, sizeof text, "%02d", millis / 10);
      out += text, i += 2;
    } else {
      out += format[i++];
    }
  }
  return out;
}

}  // namespace quelm
