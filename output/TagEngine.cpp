// The body template scanner, the tag table and the left-to-right arithmetic list.
#include "output/TagEngine.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

#include "output/CharacterLookup.h"
#include "output/LocalCalendar.h"
#include "output/LookAlikeFix.h"
#include "output/RecordFacts.h"
#include "output/TextLines.h"

namespace quelm {

namespace {

enum class TagKind {
  Hour2,
  Hour1,
  Minute2,
  Minute1,
  Second2,
  Second1,
  Chapter2,
  Chapter1,
  LineBreak,
  SplitSetting,
  BeginSetting,
  EndSetting,
  SubtitleNumber,
  DateWeekday,
  DateDay,
  DateMonthName,
  DateMonth,
  DateYear4,
  DateYear2,
  DateHour2,
  DateHour,
  DateMinute2,
  DateMinute,
  DateSecond2,
  DateSecond,
  ColorByte,
  MathAdd,
  MathMul,
  MathDiv,
  MathSub,
  MathStart,
  MathResult,
  MathValue,
  MathWidth,
  Subpic,
  StartTime,
  EndTime,
  Duration,
  Index,
  Forced,
};

struct TagEntry {
  std::string_view Name;
  TagKind Kind;
  bool Exact = false;  // matches only a tag that is exactly the name
  int ColorIndex = 0;  // ColorByte: palette entry 0..3
  int Shift = 0;       // ColorByte: bit position of the byte
};

// Tried in this order; the first match wins, so longer names come before their prefixes.
// The R tags read bits 16-23 and the B tags bits 0-7 of the red-in-low-byte colour value:
// formats written for the program rely on that crossing.
constexpr TagEntry TagTable[] = {
    {"HH", TagKind::Hour2},
    {"H", TagKind::Hour1, true},
    {"MM", TagKind::Minute2},
    {"M", TagKind::Minute1, true},
    {"SS", TagKind::Second2},
    {"S", TagKind::Second1, true},
    {"CC", TagKind::Chapter2},
    {"C", TagKind::Chapter1, true},
    {"CR", TagKind::LineBreak},
    {"SUBPIC_SPLT=", TagKind::SplitSetting},
    {"SUBPIC_BOLN=", TagKind::BeginSetting},
    {"SUBPIC_EOLN=", TagKind::EndSetting},
    {"SUB_NR", TagKind::SubtitleNumber},
    {"DATE_DDDD", TagKind::DateWeekday},
    {"DATE_DD", TagKind::DateDay},
    {"DATE_MMMM", TagKind::DateMonthName},
    {"DATE_MM", TagKind::DateMonth},
    {"DATE_YYYY", TagKind::DateYear4},
    {"DATE_YY", TagKind::DateYear2},
    {"DATE_HH", TagKind::DateHour2},
    {"DATE_H", TagKind::DateHour},
    {"DATE_NN", TagKind::DateMinute2},
    {"DATE_N", TagKind::DateMinute},
    {"DATE_SS", TagKind::DateSecond2},
    {"DATE_S", TagKind::DateSecond},
    {"C1R", TagKind::ColorByte, false, 0, 16},
    {"C1G", TagKind::ColorByte, false, 0, 8},
    {"C1B", TagKind::ColorByte, false, 0, 0},
    {"C2R", TagKind::ColorByte, false, 1, 16},
    {"C2G", TagKind::ColorByte, false, 1, 8},
    {"C2B", TagKind::ColorByte, false, 1, 0},
    {"C3R", TagKind::ColorByte, false, 2, 16},
    {"C3G", TagKind::ColorByte, false, 2, 8},
    {"C3B", TagKind::ColorByte, false, 2, 0},
    {"C4R", TagKind::ColorByte, false, 3, 16},
    {"C4G", TagKind::ColorByte, false, 3, 8},
    {"C4B", TagKind::ColorByte, false, 3, 0},
    {"MATH_ADD", TagKind::MathAdd},
    {"MATH_MUL", TagKind::MathMul},
    {"MATH_DIV", TagKind::MathDiv},
    {"MATH_SUB", TagKind::MathSub},
    {"MATH_START", TagKind::MathStart, true},
    {"MATH_RESULT", TagKind::MathResult},
    {"MATH_VALUE=", TagKind::MathValue},
    {"MATH_WIDTH=", TagKind::MathWidth},
    {"SUBPIC", TagKind::Subpic},
    {"START=", TagKind::StartTime},
    {"END=", TagKind::EndTime},
    {"DURATION=", TagKind::Duration},
    {"INDEX", TagKind::Index},
    {"FORCED", TagKind::Forced},
};

bool Matches(std::string_view tagText, const TagEntry& entry) {
  if (entry.Exact) return EqualNoCaseAscii(tagText, entry.Name);
  return tagText.size() >= entry.Name.size() &&
         EqualNoCaseAscii(tagText.substr(0, entry.Name.size()), entry.Name);
}

const TagEntry* FindTag(std::string_view tagText) {
  for (const TagEntry& entry : TagTable)
    if (Matches(tagText, entry)) return &entry;
  return nullptr;
}

// Characters [pos, pos + count) of `text`, as many of them as exist.
std::string_view Field(std::string_view text, std::size_t pos, std::size_t count) {
  if (pos >= text.size()) return {};
  return text.substr(pos, count);
}

// Leading blanks, an optional sign and decimal digits, within the signed 32-bit range.
std::optional<std::int32_t> ParseInt32(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1)
      return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

Status NotAnInteger(std::string_view text) {
  return Status::Failure(Phrase::Say("'%1' is not a valid integer value", text));
}

// Signed 32-bit arithmetic wraps around.
std::int32_t Wrap(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

const std::string& Item(const std::vector<std::string>& record, std::size_t index) {
  static const std::string empty;
  return index < record.size() ? record[index] : empty;
}

const std::string& MarkerAsEmpty(const std::string& value, const char* marker) {
  static const std::string empty;
  return value == marker ? empty : value;
}

}  // namespace

Status TagEngine::ConvertSubpicBody(const std::vector<std::string>& record,
                                    const std::vector<std::string>& body, const TagContext& context,
                                    std::vector<std::string>& lines) {
  reads_ = TagReads{};
  RecordState state;
  state.Record = &record;
  state.Context = &context;
  state.Lines = &lines;
  state.SplitText = " | ";
  state.MathWidth = 0;
  for (const std::string& bodyLine : body) {
    state.OutputLine.clear();
    const Status scanned = ScanBodyLine(bodyLine, state);
    if (!scanned) return scanned;
    // Every body line gives a script line, an empty one included.
    Emit(state);
  }
  return Status::Success();
}

Status TagEngine::ScanBodyLine(std::string_view bodyLine, RecordState& state) {
  enum class Scan { Text, Open, Close, Discard, Tag, TagOpen, TagClose };
  Scan scan = Scan::Text;
  std::string tagText;
  std::size_t i = 0;
  // "Reprocess" in the scanner table: the character is examined again without advancing.
  while (i < bodyLine.size()) {
    const char c = bodyLine[i];
    switch (scan) {
      case Scan::Text:
        if (c == '<')
          scan = Scan::Open;
        else if (c == '>')
          scan = Scan::Close;
        else
          state.OutputLine += c;
        ++i;
        break;
      case Scan::Open:
        if (c == '<') {
          state.OutputLine += '<';
          scan = Scan::Text;
          ++i;
        } else {
          tagText.clear();
          scan = Scan::Tag;
        }
        break;
      case Scan::Close:
        if (c == '>') {
          state.OutputLine += '>';
          scan = Scan::Text;
        } else {
          scan = Scan::Discard;
        }
        ++i;
        break;
      case Scan::Discard:
        state.OutputLine.clear();
        scan = Scan::Text;
        ++i;
        break;
      case Scan::Tag:
        if (c == '<')
          scan = Scan::TagOpen;
        else if (c == '>')
          scan = Scan::TagClose;
        else
          tagText += c;
        ++i;
        break;
      case Scan::TagOpen:
        if (c == '<') {
          tagText += '<';
          scan = Scan::Tag;
        } else {
          state.OutputLine.clear();  // the tag is abandoned
          scan = Scan::Text;
        }
        ++i;
        break;
      case Scan::TagClose:
        if (c == '>') {
          tagText += '>';
          scan = Scan::Tag;
          ++i;
        } else {
          const Status handled = HandleTag(tagText, state);
          if (!handled) return handled;
          scan = Scan::Text;
        }
        break;
    }
  }
  // Only a closed tag is still pending work; an unfinished tag or a lone bracket is dropped.
  if (scan == Scan::TagClose) return HandleTag(tagText, state);
  return Status::Success();
}

Status TagEngine::HandleTag(const std::string& tagText, RecordState& state) {
  const TagEntry* entry = FindTag(tagText);
  if (!entry) return Status::Success();  // unknown tags vanish
  const std::string& timeCode = Item(*state.Record, 0);
  const std::string& chapter = Item(*state.Record, 1);
  const LocalCalendar* calendar = state.Context->Calendar;
  const std::string_view parameter =
      std::string_view(tagText).substr(std::min(entry->Name.size(), tagText.size()));

  switch (entry->Kind) {
    case TagKind::Hour2:
      return TwoDigitValue(Field(timeCode, 0, 2), tagText, state);
    case TagKind::Minute2:
      return TwoDigitValue(Field(timeCode, 3, 2), tagText, state);
    case TagKind::Second2:
      return TwoDigitValue(Field(timeCode, 6, 2), tagText, state);
    case TagKind::Chapter2:
      return TwoDigitValue(Field(chapter, 0, 2), tagText, state);
    case TagKind::Hour1:
      AddValue(std::string(Field(timeCode, 0, 1)), state);
      break;
    case TagKind::Minute1:
      AddValue(std::string(Field(timeCode, 3, 1)), state);
      break;
    case TagKind::Second1:
      AddValue(std::string(Field(timeCode, 6, 1)), state);
      break;
    case TagKind::Chapter1:
      AddValue(std::string(Field(chapter, 0, 1)), state);
      break;
    case TagKind::LineBreak:
      Emit(state);
      break;
    case TagKind::SplitSetting:
      state.EndOfLine.clear();
      state.SplitText = parameter.empty() ? std::string("SPLIT") : std::string(parameter);
      break;
    case TagKind::BeginSetting:
      state.SplitText.clear();
      state.BeginOfLine = parameter.empty() ? std::string("BOLN") : std::string(parameter);
      break;
    case TagKind::EndSetting:
      state.SplitText.clear();
      state.EndOfLine = parameter.empty() ? std::string("EOLN") : std::string(parameter);
      break;
    case TagKind::SubtitleNumber:
      reads_.SubtitleNumber = true;
      AddValue(state.Context->SubtitleNumber, state);
      break;
    case TagKind::DateWeekday:
    case TagKind::DateDay:
    case TagKind::DateMonthName:
    case TagKind::DateMonth:
    case TagKind::DateYear4:
    case TagKind::DateYear2:
    case TagKind::DateHour2:
    case TagKind::DateHour:
    case TagKind::DateMinute2:
    case TagKind::DateMinute:
    case TagKind::DateSecond2:
    case TagKind::DateSecond: {
      reads_.Clock = true;
      if (!calendar) break;
      const std::tm now = calendar->Now();
      std::string value;
      switch (entry->Kind) {
        case TagKind::DateWeekday:
          value = calendar->WeekdayName(now.tm_wday);
          break;
        case TagKind::DateDay:
          value = TwoDigits(now.tm_mday);
          break;
        case TagKind::DateMonthName:
          value = calendar->MonthName(now.tm_mon);
          break;
        case TagKind::DateMonth:
          value = TwoDigits(now.tm_mon + 1);
          break;
        case TagKind::DateYear4: {
          char year[16];
          std::snprintf(year, sizeof year, "%04d", now.tm_year + 1900);
          value = year;
          break;
        }
        case TagKind::DateYear2:
          value = TwoDigits(((now.tm_year + 1900) % 100 + 100) % 100);
          break;
        case TagKind::DateHour2:
          value = TwoDigits(now.tm_hour);
          break;
        case TagKind::DateHour:
          value = std::to_string(now.tm_hour);
          break;
        case TagKind::DateMinute2:
          value = TwoDigits(now.tm_min);
          break;
        case TagKind::DateMinute:
          value = std::to_string(now.tm_min);
          break;
        case TagKind::DateSecond2:
          value = TwoDigits(now.tm_sec);
          break;
        default:
          value = std::to_string(now.tm_sec);
          break;
      }
      AddValue(value, state);
      break;
    }
    case TagKind::ColorByte: {
      reads_.Palette = true;
      const Color color = state.Context->Palette[static_cast<std::size_t>(entry->ColorIndex)];
      AddValue(std::to_string((color >> entry->Shift) & 0xFF), state);
      break;
    }
    case TagKind::MathAdd:
      mathList_.emplace_back("ADD");
      break;
    case TagKind::MathMul:
      mathList_.emplace_back("MUL");
      break;
    case TagKind::MathDiv:
      mathList_.emplace_back("DIV");
      break;
    case TagKind::MathSub:
      mathList_.emplace_back("SUB");
      break;
    case TagKind::MathStart:
      mathList_.clear();
      state.MathWidth = -1;
      mathList_.emplace_back("START");
      break;
    case TagKind::MathResult:
      return CalculateMathResult(state);
    case TagKind::MathValue:
      if (mathList_.size() == 1 && mathList_.front() == "START")
        mathList_.front() = std::string(parameter);
      else
        mathList_.emplace_back(parameter);
      break;
    case TagKind::MathWidth: {
      const auto width = ParseInt32(parameter);
      if (!width) return NotAnInteger(parameter);
      state.MathWidth = *width;
      break;
    }
    case TagKind::Subpic:
      InsertSubpic(state);
      break;
    case TagKind::StartTime:
    case TagKind::EndTime:
    case TagKind::Duration: {
      const RecordTimes times = TimesOf(state);
      const std::int64_t ms = entry->Kind == TagKind::StartTime ? times.StartMs
                              : entry->Kind == TagKind::EndTime
                                  ? times.EndMs
                                  : std::max<std::int64_t>(0, times.EndMs - times.StartMs);
      AddValue(FormatMilliseconds(ms, parameter), state);
      break;
    }
    case TagKind::Index:
      AddValue(std::to_string(TimesOf(state).Index), state);
      break;
    case TagKind::Forced:
      AddValue(TimesOf(state).Forced ? "1" : "0", state);
      break;
  }
  return Status::Success();
}

Status TagEngine::TwoDigitValue(std::string_view field, const std::string& tagText,
                                RecordState& state) {
  const auto base = ParseInt32(field);
  if (!base) return NotAnInteger(field);
  std::int32_t value = *base;
  if (tagText.size() > 2) {
    const std::string_view offsetText = std::string_view(tagText).substr(2);
    const auto offset = ParseInt32(offsetText);
    if (!offset) return NotAnInteger(offsetText);
    value = Wrap(static_cast<std::int64_t>(value) + *offset);
  }
  // Below ten a "0" goes in front, negative values included: -3 gives "0-3".
  AddValue(value > 9 ? std::to_string(value) : "0" + std::to_string(value), state);
  return Status::Success();
}

RecordTimes TagEngine::TimesOf(const RecordState& state) {
  if (state.Context->Times) return *state.Context->Times;
  const std::string& timeCode = Item(*state.Record, 0);
  const RecordFacts facts = ReadRecordFacts(timeCode);
  RecordTimes times;
  times.StartMs = facts.HasStart ? facts.StartMs : TimeCodeMs(timeCode).value_or(0);
  times.EndMs = facts.HasEnd ? facts.EndMs : times.StartMs + DefaultLastDisplayMs;
  times.Forced = facts.Forced;
  return times;
}

void TagEngine::AddValue(const std::string& value, RecordState& state) {
  if (mathList_.empty())
    state.OutputLine += value;
  else if (mathList_.size() == 1 && mathList_.front() == "START")
    mathList_.front() = value;
  else
    mathList_.push_back(value);
}

Status TagEngine::CalculateMathResult(RecordState& state) {
  if (mathList_.empty()) return Status::Success();
  std::int32_t acc = 0;
  std::string op = "INIT";
  std::size_t i = 0;
  const std::size_t count = mathList_.size();
  // Strictly left to right, no precedence.
  while (i < count) {
    if (op == "INIT") {
      const auto value = ParseInt32(mathList_[i]);
      if (!value) return NotAnInteger(mathList_[i]);
      acc = *value;
    } else if (op == "SUB" || op == "ADD" || op == "MUL" || op == "DIV") {
      ++i;
      // An operator as the last entry has no operand; it is ignored.
      if (i < count) {
        const auto value = ParseInt32(mathList_[i]);
        if (!value) return NotAnInteger(mathList_[i]);
        const std::int64_t a = acc;
        const std::int64_t b = *value;
        if (op == "SUB") {
          acc = Wrap(a - b);
        } else if (op == "ADD") {
          acc = Wrap(a + b);
        } else if (op == "MUL") {
          acc = Wrap(a * b);
        } else {
          if (b == 0) return Status::Failure(Phrase::Say("Division by zero"));
          acc = Wrap(a / b);  // truncates toward zero; INT_MIN / -1 wraps to INT_MIN
        }
      }
    }
    ++i;
    if (i < count) op = mathList_[i];
  }
  std::string text = std::to_string(acc);
  if (state.MathWidth != -1) {
    const auto width = static_cast<std::size_t>(
        std::max<std::int32_t>(0, std::min(state.MathWidth, MaxMathWidth)));
    // A result longer than the width is written whole.
    if (text.size() < width) text.insert(0, width - text.size(), '0');
  }
  state.OutputLine += text;
  mathList_.clear();
  return Status::Success();
}

void TagEngine::InsertSubpic(RecordState& state) {
  const std::vector<std::string>& record = *state.Record;
  if (record.size() <= 2) return;
  const std::string& begin = MarkerAsEmpty(state.BeginOfLine, "BOLN");
  const std::string& end = MarkerAsEmpty(state.EndOfLine, "EOLN");
  const std::string& split = MarkerAsEmpty(state.SplitText, "SPLIT");
  const CharacterLookup* characters = state.Context->Characters;
  const std::size_t last = record.size() - 1;
  auto* memo = state.Context->DecodedLines;
  std::string decoded;
  for (std::size_t i = 2; i <= last; ++i) {
    const std::string* found = nullptr;
    if (memo) {
      auto hit = memo->find(record[i]);
      if (hit == memo->end()) {
        if (memo->size() >= MaxDecodedLines) memo->clear();
        hit = memo->emplace(record[i], DecodeMarked(record[i], characters)).first;
      }
      found = &hit->second;
    } else {
      decoded = DecodeMarked(record[i], characters);
      found = &decoded;
    }
    const LookAlikeFix* fix = state.Context->Fix;
    const std::string text = WriteItalics(fix ? fix->Apply(*found) : *found,
                                          state.Context->ItalicStart, state.Context->ItalicEnd);
    if (state.SplitText.empty()) {
      // Line mode: every text line but the last becomes a script line of its own.
      state.OutputLine += begin;
      state.OutputLine += text;
      state.OutputLine += end;
      if (i < last) Emit(state);
    } else {
      state.OutputLine += text;
      if (i < last) state.OutputLine += split;
    }
  }
}

void TagEngine::Emit(RecordState& state) {
  state.Lines->push_back(std::move(state.OutputLine));
  state.OutputLine.clear();
}

std::string TagEngine::DecodeMarked(std::string_view rawLine, const CharacterLookup* characters) {
  std::string text;
  text.reserve(rawLine.size());
  bool italic = false;
  std::size_t i = 0;
  while (i < rawLine.size()) {
    const char c = rawLine[i];
    if (c != '<') {
      if (c != ItalicOnMark && c != ItalicOffMark) text += c;
      ++i;
      continue;
    }
    if (i + 1 < rawLine.size() && rawLine[i + 1] == '<') {
      text += '<';
      i += 2;
      continue;
    }
    const std::string_view rest = rawLine.substr(i);
    if (rest.starts_with(ItalicStartReference) || rest.starts_with(ItalicEndReference)) {
      const bool start = rest.starts_with(ItalicStartReference);
      // A run that is already open is not opened twice, nor one that is not open closed.
      if (start != italic) text += start ? ItalicOnMark : ItalicOffMark;
      italic = start;
      i += start ? ItalicStartReference.size() : ItalicEndReference.size();
      continue;
    }
    const std::size_t close = rawLine.find('>', i + 1);
    if (close == std::string_view::npos) break;  // an unclosed reference is dropped
    const std::string* found =
        characters ? characters->TextFor(rawLine.substr(i + 1, close - i - 1)) : nullptr;
    if (!found) {
      text += "<ERROR>";
    } else {
      for (const char t : *found)
        if (t != ItalicOnMark && t != ItalicOffMark) text += t;
    }
    i = close + 1;
  }
  // A run ends with its line.
  if (italic) text += ItalicOffMark;
  return text;
}

std::string TagEngine::WriteItalics(std::string_view marked, std::string_view italicStart,
                                    std::string_view italicEnd) {
  std::string text;
  text.reserve(marked.size());
  for (const char c : marked) {
    if (c == ItalicOnMark)
      text += italicStart;
    else if (c == ItalicOffMark)
      text += italicEnd;
    else
      text += c;
  }
  return text;
}

std::string TagEngine::DecodeTextLine(std::string_view rawLine, const CharacterLookup* characters,
                                      std::string_view italicStart, std::string_view italicEnd) {
  return WriteItalics(DecodeMarked(rawLine, characters), italicStart, italicEnd);
}

}  // namespace quelm
