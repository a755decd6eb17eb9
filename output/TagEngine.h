// Fills the body template of an output format for one script record: copies plain text,
// replaces tags with record fields, dates, palette bytes and arithmetic results, and puts in the
// record's text lines with their character references resolved.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/Color.h"
#include "platform/Status.h"

namespace quelm {

class CharacterLookup;
class LocalCalendar;
class LookAlikeFix;

// The pseudo-references that open and close a run of italic characters in a raw text line;
// never dictionary keys.
inline constexpr std::string_view ItalicStartReference = "<{i}>";
inline constexpr std::string_view ItalicEndReference = "<{/i}>";

// A record's display times as the whole script settles them (START, END, DURATION, FORCED) and
// its number among the subtitles rendered (INDEX, 0 for the version record).
struct RecordTimes {
  std::int64_t StartMs = 0;
  std::int64_t EndMs = 0;
  bool Forced = false;
  int Index = 0;
};

// What the tags read from the program at the moment they are handled.
struct TagContext {
  std::string SubtitleNumber;                   // SUB_NR: the current subtitle number field
  std::array<Color, 4> Palette{};               // C1R..C4B: the four display colours
  const LocalCalendar* Calendar = nullptr;      // DATE_*: nothing is written without one
  const CharacterLookup* Characters = nullptr;  // SUBPIC: every reference is "<ERROR>" without one
  // Raw text line -> decoded text, kept by a caller that knows `Characters` is unchanged
  // between renderings; decoding is then done once per distinct line, not once per rendering.
  std::unordered_map<std::string, std::string>* DecodedLines = nullptr;
  // The record's times; without them they come from the record alone (its facts, else its time
  // code, and an open end DefaultLastDisplayMs after the start) and INDEX is 0.
  const RecordTimes* Times = nullptr;
  // What the format wraps a run of italic characters in; empty writes them plainly.
  std::string ItalicStart;
  std::string ItalicEnd;
  // Look-alike letters chosen anew in the rendered text; nothing is changed without one.
  const LookAlikeFix* Fix = nullptr;
};

// Which parts of the program's state the last record's rendering read: a later rendering may
// reuse its lines only while those parts read the same.
struct TagReads {
  bool SubtitleNumber = false;
  bool Palette = false;
  bool Clock = false;
};

class TagEngine {
 public:
  // Renders one record (item 0 the time code "hh:mm:ss", item 1 the chapter, then the raw text
  // lines) with `body`, appending the script lines to `lines`. A value that is not an integer
  // where one is needed, or a division by zero, stops the record where it is: the lines emitted
  // before stay in `lines`, the failure carries "'x' is not a valid integer value" or
  // "Division by zero".
  Status ConvertSubpicBody(const std::vector<std::string>& record,
                           const std::vector<std::string>& body, const TagContext& context,
                           std::vector<std::string>& lines);

  // Resolves the character references ("<key>") of one raw text line; "<<" is a literal "<".
  // Italic runs are written as `italicStart` ... `italicEnd` (nothing by default).
  static std::string DecodeTextLine(std::string_view rawLine, const CharacterLookup* characters,
                                    std::string_view italicStart = {},
                                    std::string_view italicEnd = {});
  // The same with an italic run's start and end as the single characters ItalicOnMark and
  // ItalicOffMark, for the look-alike fix to pass over before they are written out.
  static std::string DecodeMarked(std::string_view rawLine, const CharacterLookup* characters);
  static std::string WriteItalics(std::string_view marked, std::string_view italicStart,
                                  std::string_view italicEnd);
  static constexpr char ItalicOnMark = '\x0E';
  static constexpr char ItalicOffMark = '\x0F';

  // The arithmetic list outlives records and renderings: a MATH_START left open keeps catching
  // values until the next MATH_START or MATH_RESULT.
  const std::vector<std::string>& MathList() const { return mathList_; }
  // Puts back the list a record once left, when that record's lines are reused unrendered.
  void RestoreMathList(std::vector<std::string> list) { mathList_ = std::move(list); }
  const TagReads& LastReads() const { return reads_; }

  // Padding beyond this width is not applied: a width of two thousand million would otherwise
  // build a line of that many zeros.
  static constexpr std::int32_t MaxMathWidth = 4096;
  // A memo of decoded lines is emptied when it reaches this size.
  static constexpr std::size_t MaxDecodedLines = 200000;

 private:
  // The state of one ConvertSubpicBody call.
  struct RecordState {
    const std::vector<std::string>* Record = nullptr;
    const TagContext* Context = nullptr;
    std::vector<std::string>* Lines = nullptr;
    std::string OutputLine;
    std::string SplitText;
    std::string BeginOfLine;
    std::string EndOfLine;
    std::int32_t MathWidth = 0;
  };

  Status ScanBodyLine(std::string_view bodyLine, RecordState& state);
  Status HandleTag(const std::string& tagText, RecordState& state);
  void AddValue(const std::string& value, RecordState& state);
  Status CalculateMathResult(RecordState& state);
  Status TwoDigitValue(std::string_view field, const std::string& tagText, RecordState& state);
  void InsertSubpic(RecordState& state);
  static RecordTimes TimesOf(const RecordState& state);
  static void Emit(RecordState& state);

  std::vector<std::string> mathList_;
  TagReads reads_;
};

}  // namespace quelm
