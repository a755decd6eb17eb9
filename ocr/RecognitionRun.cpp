// The run's order of steps and its flags follow the learning dialogue: spaces are placed before
// a character is matched, "skip textline" drops the rest of a line, "change color" starts the
// subpicture again with the next ink colour.
#include "ocr/RecognitionRun.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "ocr/ColorDetection.h"
#include "platform/BmpFile.h"

namespace quelm {

namespace {

void Append(std::vector<std::string>& lines, int index, std::string_view text) {
  if (index < 0) return;
  if (lines.size() <= static_cast<std::size_t>(index)) lines.resize(static_cast<std::size_t>(index) + 1);
  lines[static_cast<std::size_t>(index)] += text;
}

// Whether the line holds ink outside its last row, as its InkColumns would show.
bool HasInk(const InkLine& line) {
  for (int y = 0; y < line.Height() - 1; ++y) {
    const Color* row = line.Row(y);
    if (std::find(row, row + line.Width(), line.Ink) != row + line.Width()) return true;
  }
  return false;
}

bool CutsACharacter(const Bitmap& subpicture, Color backgroundColor, Color ink) {
  int startRow = DetermineYLineTravel(subpicture, backgroundColor);
  CutBox lineBox;
  while (FindNextTextLine(subpicture, backgroundColor, startRow, lineBox))
    if (HasInk({&subpicture, lineBox, ink})) return true;
  return false;
}

// The ink a line is read in: the run's ink, or where that cuts nothing (a line drawn in a second
// fill colour) the line's own.
Color LineInk(const Bitmap& subpicture, const CutBox& lineBox, const RecognitionSettings& settings,
              Color runInk) {
  if (HasInk({&subpicture, lineBox, runInk})) return runInk;
  const auto own = DetectLineInk(
      CopyBox(subpicture, lineBox), settings.Colors, settings.BackgroundColor,
      InkCompany(subpicture, settings.Colors, settings.BackgroundColor, runInk));
  return own ? settings.Colors[*own] : runInk;
}

// A colour that cuts no character would end the restarted run without another question and
// leave the subtitle empty, so the change goes on to the next colour that does.
Color NextCharColorWithInk(const Bitmap& subpicture, Color backgroundColor, Color current,
                           const std::array<Color, 4>& colors) {
  Color candidate = current;
  for (int tries = 0; tries < 4; ++tries) {
    candidate = RecognitionRun::NextCharColor(candidate, colors);
    if (CutsACharacter(subpicture, backgroundColor, candidate)) return candidate;
  }
  return RecognitionRun::NextCharColor(current, colors);
}

// A typed or suggested text as an entry holds it: a lone "<" doubled (it would open a reference),
// on one line as the index keeps it.
std::string AnswerText(std::string text) {
  if (text == "<") return "<<";
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

// A shape named from one reading is read again at so many of its next occurrences, so that an
// early misreading can be outvoted; later ones are read only beside an unknown shape.
constexpr int FreshReadings = 2;

std::vector<int> Gaps(const LineCut& cut) {
  std::vector<int> gaps;
  for (std::size_t k = 1; k < cut.Pieces.size(); ++k) gaps.push_back(cut.Pieces[k].Gap);
  return gaps;
}

bool SameBox(const CutBox& a, const CutBox& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

// A line of the subtitle cut in one ink, with the gap rule its own gaps give. A line the space
// rule cuts before the run reaches it keeps its cut for the run, so no line is cut twice.
struct SeenLine {
  CutBox Box;
  Color Ink;
  SpaceRule Rule;
  std::optional<LineCut> Cut;
  bool Is(const CutBox& box, Color ink) const { return Ink == ink && SameBox(Box, box); }
};

// The gap rule of the first line of the subpicture whose own gaps tell letters from words.
SpaceRule SubtitleSpaceRule(const Bitmap& subpicture, Color backgroundColor, Color ink,
                            std::vector<SeenLine>& seen) {
  int startRow = DetermineYLineTravel(subpicture, backgroundColor);
  CutBox lineBox;
  while (FindNextTextLine(subpicture, backgroundColor, startRow, lineBox)) {
    auto line = std::find_if(seen.begin(), seen.end(),
                             [&](const SeenLine& l) { return l.Is(lineBox, ink); });
    if (line == seen.end()) {
      LineCut cut;
      CutLine({&subpicture, lineBox, ink}, cut);
      const SpaceRule rule = LineSpaceRule(Gaps(cut));
      line = seen.insert(seen.end(), {lineBox, ink, rule, std::move(cut)});
    }
    if (line->Rule.Decided()) return line->Rule;
  }
  return {};
}

// Wider pieces are words cut as one, not a few touching letters; trying every cut of them would
// cost more than asking.
constexpr int MaxTouchingWidthPerHeight = 4;

// The entries of an unknown piece cut at columns into parts that each match one exactly, left
// to right, the longest matching left part first; empty when no such cut exists. Only exact
// matches count, so a known shape is never misread.
template <typename Match>
std::vector<std::size_t> SplitTouching(const InkLine& line, const LineCut& cut,
                                       const LinePiece& piece, int widestEntry,
                                       const Match& match) {
  const int first = piece.First;
  const int last = piece.Last;
  const int width = last - first + 1;
  if (width < 2 || width > MaxTouchingWidthPerHeight * line.Height()) return {};
  // A part matches only an entry of its own width. Every column of a piece holds ink, so a part
  // of an upright line is as wide as its columns, and of a leaning one at most the last row's
  // shift narrower.
  const int widestPart = widestEntry + (cut.Slanted() ? cut.Shift.back() : 0);
  // Per column from the right: the entry of the part that starts there and its end, when the
  // rest from there can be read.
  const auto at = [&](int x) { return static_cast<std::size_t>(x - first); };
  std::vector<int> partEnd(static_cast<std::size_t>(width) + 1, -1);
  std::vector<std::size_t> entry(static_cast<std::size_t>(width), 0);
  partEnd[at(last + 1)] = last + 1;
  for (int start = last; start >= first; --start) {
    for (int end = std::min(last, start + widestPart - 1); end >= start; --end) {
      if (start == first && end == last) continue;  // the whole piece is what matched nothing
      if (partEnd[at(end + 1)] < 0) continue;
      const LinePiece part = PieceOf(line, cut, start, end);
      if (part.Box.Right < part.Box.Left) continue;
      if (const auto found = match(part)) {
        partEnd[at(start)] = end;
        entry[at(start)] = *found;
        break;
      }
    }
  }
  std::vector<std::size_t> parts;
  if (partEnd[at(first)] < 0) return parts;
  for (int x = first; x <= last; x = partEnd[at(x)] + 1) parts.push_back(entry[at(x)]);
  return parts;
}

// The visible text of reference lines, from the entries' texts as they are now.
std::vector<std::string> VisibleText(const std::vector<std::string>& referenceLines,
                                     const CharDictionary& dictionary) {
  std::unordered_map<std::string_view, std::string_view> texts;
  for (const TCharEntry& entry : dictionary.CharList()) texts.emplace(entry.FileName, entry.Text);
  std::vector<std::string> visible;
  for (const std::string& line : referenceLines) {
    std::string& out = visible.emplace_back();
    for (std::size_t i = 0; i < line.size();) {
      const std::size_t close = line[i] == '<' ? line.find('>', i) : std::string::npos;
      if (close == std::string::npos) {
        out += line[i++];
        continue;
      }
      const auto found = texts.find(std::string_view(line).substr(i + 1, close - i - 1));
      if (found != texts.end()) out += found->second;
      i = close + 1;
    }
  }
  return visible;
}

}  // namespace

Color RecognitionRun::NextCharColor(Color current, const std::array<Color, 4>& colors) {
  for (int k = 0; k < 4; ++k)
    if (current == colors[k]) return colors[(k + 1) % 4];
  return current;
}

std::vector<std::string> RecognitionRun::MakeRecord(const std::string& timeCode,
                                                    const std::string& chapter,
                                                    const std::vector<std::string>& referenceLines) {
  std::vector<std::string> record{"<SUB_START>", timeCode, chapter};
  record.insert(record.end(), referenceLines.begin(), referenceLines.end());
  record.emplace_back("<SUB_END>");
  return record;
}

RecognitionResult RecognitionRun::UpdateDictionary(const Bitmap& subpicture) {
  answers_ = settings_.Replay;
  before_.reset();
  written_.clear();
  readings_.clear();
  undoEarlier_ = false;
  const std::uint64_t revisionBefore = dictionary_.Revision();
  int engineCalls = 0;
  for (;;) {
    replayed_ = 0;
    undoRequested_ = false;
    RecognitionResult result = Read(subpicture);
    engineCalls += result.EngineCalls;
    result.EngineCalls = engineCalls;
    result.Dictionary = &dictionary_;
    result.RevisionBefore = revisionBefore;
    if (undoEarlier_) {
      PutBack();
      result.Aborted = true;
      result.UndoEarlier = true;
    } else if (!undoRequested_) {
      result.Answers = answers_;
      if (!answers_.empty() && before_) {
        result.DictionaryBefore = std::make_shared<const CharDictionary>(std::move(*before_));
        result.Written = written_;
      }
    }
    if (!undoRequested_) {
      result.RevisionAfter = dictionary_.Revision();
      return result;
    }
    // Read again from the dictionary the subtitle began with, the answers before the last one
    // given again: the shape it named is unknown again and asked about.
    answers_.pop_back();
    PutBack();
    if (OnCharColorChanged) OnCharColorChanged(settings_.CharColor);
  }
}

CharacterAnswer RecognitionRun::Ask(CharacterQuestion& question) {
  if (replayed_ < answers_.size()) return answers_[replayed_++];
  question.UndoAllowed = !answers_.empty() || settings_.EarlierUndoAllowed;
  CharacterAnswer answer = AskCharacter(question);
  while (answer.Kind == AnswerKind::Undo && answers_.empty() && !settings_.EarlierUndoAllowed)
    answer = AskCharacter(question);
  if (answer.Kind == AnswerKind::Undo) {
    (answers_.empty() ? undoEarlier_ : undoRequested_) = true;
    return {AnswerKind::Abort, {}, false};
  }
  answers_.push_back(answer);
  replayed_ = answers_.size();
  return answer;
}

void RecognitionRun::Changing() {
  if (!before_ && AskCharacter && !settings_.LearnAfterReading) before_ = dictionary_;
}

void RecognitionRun::PutBack() {
  for (const std::string& name : written_) {
    std::error_code ignored;
    std::filesystem::remove(name, ignored);
  }
  written_.clear();
  if (before_) dictionary_.Restore(*before_);
}

RecognitionResult RecognitionRun::Read(const Bitmap& subpicture) {
  RecognitionResult result;
  Color charColor = settings_.CharColor;
  int nextCharFileNumber = static_cast<int>(dictionary_.Size());
  int lineIndex = -1;
  result.VisibleLines = {""};
  result.ReferenceLines = {""};
  bool autoDetect = settings_.AutoDetectColors;
  bool aborted = false;

  int startRow = DetermineYLineTravel(subpicture, settings_.BackgroundColor);
  // Characters are found and matched where they lie in the subpicture; a line or character is
  // copied out only for the hooks, a question or learning.
  CutBox lineBox;
  LineCut cut;
  std::optional<SpaceRule> subtitleRule;
  std::vector<SeenLine> seenLines;
  Color subtitleRuleInk = charColor;
  const bool suggesting = settings_.Suggestions && !settings_.LearnAfterReading &&
                          (settings_.LearnAutomatically || AskCharacter);
  // Unconfirmed entries named or voted on in this subtitle, each with its last occurrence, so
  // that their votes are counted when it ends and a disagreement can be asked about.
  struct Touched {
    std::size_t Position;
    Bitmap Line;
    Bitmap Character;
    CutBox CharacterBox;
    CutBox LineBox;
    int LineIndex = 0;
    int CharacterIndex = 0;
    std::string Word;
  };
  std::vector<Touched> touched;
  while (!aborted && !abortRequested_ &&
         FindNextTextLine(subpicture, settings_.BackgroundColor, startRow, lineBox)) {
    Bitmap line;
    const auto unflattened = [&]() -> const Bitmap& {
      if (line.IsEmpty()) line = CopyBox(subpicture, lineBox);
      return line;
    };
    if (autoDetect) {
      charColor = settings_.Colors[AutoDetectColorSettings(unflattened(), settings_.Colors,
                                                           settings_.BackgroundColor).Best];
      autoDetect = false;
      if (OnCharColorChanged) OnCharColorChanged(charColor);
    }
    if (OnTextLine) OnTextLine(unflattened(), lineBox);
    bool skipTextline = false;
    bool changeColor = false;
    ++lineIndex;
    const InkLine flat{&subpicture, lineBox, LineInk(subpicture, lineBox, settings_, charColor)};
    const auto seenLine = std::find_if(seenLines.begin(), seenLines.end(),
                                       [&](const SeenLine& l) { return l.Is(lineBox, flat.Ink); });
    if (seenLine != seenLines.end() && seenLine->Cut) {
      cut = std::move(*seenLine->Cut);
      seenLine->Cut.reset();
    } else {
      CutLine(flat, cut);
    }
    SpaceRule spaceRule;
    if (settings_.AutoSpaceWidth) {
      spaceRule = LineSpaceRule(Gaps(cut));
      if (seenLine == seenLines.end()) seenLines.push_back({lineBox, flat.Ink, spaceRule, {}});
      if (!spaceRule.Decided()) {
        if (!subtitleRule || subtitleRuleInk != flat.Ink) {
          subtitleRule =
              SubtitleSpaceRule(subpicture, settings_.BackgroundColor, flat.Ink, seenLines);
          subtitleRuleInk = flat.Ink;
        }
        spaceRule = subtitleRule->Decided() ? *subtitleRule : HeightSpaceRule(flat.Height());
      }
    }
    const auto match = [&](const LinePiece& piece) -> std::optional<std::size_t> {
      if (!cut.Slanted()) return dictionary_.CompareCharacterWithList(flat, piece.Box);
      return dictionary_.CompareCharacterWithList(PieceBitmap(flat, cut, piece));
    };
    // Read by the engine at the line's first unknown character, once.
    std::optional<std::vector<PieceSuggestion>> suggestions;
    const auto read = [&] {
      const auto known = std::find_if(readings_.begin(), readings_.end(), [&](const Reading& r) {
        return r.Ink == flat.Ink && SameBox(r.Line, lineBox);
      });
      if (known != readings_.end()) {
        suggestions = known->Pieces;
        return;
      }
      const EngineImage image = MakeEngineImage(flat, cut);
      ++result.EngineCalls;
      suggestions = AlignToPieces(settings_.Suggestions->ReadLine(image), cut, image);
      readings_.push_back({lineBox, flat.Ink, *suggestions});
    };
    const auto suggestionAt = [&](int pieceIndex) -> const PieceSuggestion* {
      if (!suggesting) return nullptr;
      if (!suggestions) read();
      return &(*suggestions)[static_cast<std::size_t>(pieceIndex)];
    };
    bool readForVotes = false;
    std::vector<std::pair<int, std::size_t>> unconfirmedPieces;
    const auto touch = [&](std::size_t position, const LinePiece& piece, int pieceIndex,
                           Bitmap character, const std::string& word) {
      auto it = std::find_if(touched.begin(), touched.end(),
                             [&](const Touched& t) { return t.Position == position; });
      if (it == touched.end()) it = touched.insert(touched.end(), Touched{position, {}, {}, {}, {}, 0, 0, {}});
      it->Line = unflattened();
      it->Character = std::move(character);
      it->CharacterBox = piece.Box;
      it->LineBox = lineBox;
      it->LineIndex = lineIndex;
      it->CharacterIndex = pieceIndex;
      it->Word = word;
    };
    bool italicOpen = false;
    const auto appendEntry = [&](std::size_t position) {
      const TCharEntry& entry = dictionary_.CharList()[position];
      Append(result.VisibleLines, lineIndex, entry.Text);
      if (cut.Slanted() && !italicOpen) {
        Append(result.ReferenceLines, lineIndex, RecognitionRun::ItalicStart);
        italicOpen = true;
      }
      Append(result.ReferenceLines, lineIndex, "<");
      Append(result.ReferenceLines, lineIndex, entry.FileName);
      Append(result.ReferenceLines, lineIndex, ">");
    };
    int characterIndex = -1;
    for (const LinePiece& piece : cut.Pieces) {
      if (aborted || changeColor) break;
      ++characterIndex;
      if (EventPump) EventPump();
      if (abortRequested_) {
        aborted = true;
        break;
      }
      if (skipTextline) continue;
      const CutBox& charBox = piece.Box;
      if (OnCharacter) OnCharacter(PieceBitmap(flat, cut, piece), charBox);
      const int spaceCount = settings_.AutoSpaceWidth ? SpaceCount(piece.Gap, spaceRule)
                                                      : SpaceCount(piece.Gap, settings_.SpaceWidth);
      const std::string spaces(static_cast<std::size_t>(spaceCount), ' ');
      Append(result.VisibleLines, lineIndex, spaces);
      Append(result.ReferenceLines, lineIndex, spaces);

      if (const auto found = match(piece)) {
        const TCharEntry& entry = dictionary_.CharList()[*found];
        if (suggesting && settings_.LearnAutomatically && entry.Unconfirmed) {
          unconfirmedPieces.emplace_back(characterIndex, *found);
          if (entry.ReadingsLeft > 0) readForVotes = true;
        }
        appendEntry(*found);
        continue;
      }
      if (const auto parts = SplitTouching(flat, cut, piece, dictionary_.WidestEntry(), match);
          !parts.empty()) {
        for (std::size_t position : parts) appendEntry(position);
        continue;
      }
      const Bitmap character = PieceBitmap(flat, cut, piece);
      std::string text;
      std::string reference;
      const std::string name =
          dictionary_.NextFreeFileName(settings_.DictionaryRoot, nextCharFileNumber);
      reference = "<" + name + ">";
      bool skipCharacter = false;
      bool unconfirmed = false;
      const PieceSuggestion* suggestion =
          settings_.LearnAfterReading ? nullptr : suggestionAt(characterIndex);
      if (settings_.LearnAfterReading) {
        text = reference;
      } else if (settings_.LearnAutomatically && suggestion && !suggestion->Text.empty()) {
        text = AnswerText(suggestion->Text);
        unconfirmed = true;
      } else if (!AskCharacter) {
        // Kept unnamed for the user, as after reading.
        if (settings_.LearnAutomatically) {
          text = reference;
          unconfirmed = true;
        } else {
          skipCharacter = true;
        }
      } else {
        ++result.Asked;
        CharacterQuestion question{character, unflattened(), charBox, lineBox, name,
                                   result.VisibleLines, !keepColors_, lineIndex, characterIndex,
                                   false, {}, {}, false};
        if (suggestion) {
          ++result.AskedWithSuggestion;
          question.HasSuggestion = true;
          question.Suggestion = AnswerText(suggestion->Text);
          question.SuggestedWord = suggestion->Word;
        }
        const CharacterAnswer answer = Ask(question);
        if (answer.KeepColors) keepColors_ = true;
        switch (answer.Kind) {
          case AnswerKind::Text:
            text = AnswerText(answer.Text);
            if (suggestion && text != question.Suggestion) ++result.AnsweredOtherwise;
            break;
          case AnswerKind::SkipCharacter: skipCharacter = true; break;
          case AnswerKind::SkipTextline: skipTextline = true; break;
          case AnswerKind::Abort:
          case AnswerKind::Undo:  // Ask has taken it: this reading ends
            aborted = true;
            break;
          case AnswerKind::ChangeColor:
            // Refused once the colours are kept (the window disables the button then).
            if (keepColors_) {
              skipCharacter = true;
            } else {
              changeColor = true;
              charColor = NextCharColorWithInk(subpicture, settings_.BackgroundColor, charColor,
                                               settings_.Colors);
              if (OnCharColorChanged) OnCharColorChanged(charColor);
            }
            break;
        }
        if (abortRequested_) aborted = true;
        if (skipCharacter || skipTextline) Append(result.VisibleLines, lineIndex, SkippedMark);
      }
      if (skipCharacter || skipTextline || changeColor || aborted) continue;
      // The file first: an entry whose bitmap was never written would be a dangling reference.
      Changing();
      const Status written = WriteBmp(name, character, 1);
      if (!written.Ok) {
        result.Outcome = written;
        aborted = true;
        continue;
      }
      if (before_) written_.push_back(name);
      dictionary_.AddCurrentCharacterToList(character, name, text);
      if (unconfirmed) {
        const std::size_t position = dictionary_.Size() - 1;
        dictionary_.SetUnconfirmed(position, true);
        dictionary_.SetReadingsLeft(position, FreshReadings);
        if (text != reference) {
          dictionary_.Vote(position, text);
          ++result.NamedAutomatically;
          touch(position, piece, characterIndex, character, suggestion->Word);
        }
      }
      ++nextCharFileNumber;
      ++result.Learned;
      Append(result.VisibleLines, lineIndex, text);
      if (cut.Slanted() && !italicOpen) {
        Append(result.ReferenceLines, lineIndex, RecognitionRun::ItalicStart);
        italicOpen = true;
      }
      Append(result.ReferenceLines, lineIndex, reference);
    }
    if (italicOpen) Append(result.ReferenceLines, lineIndex, RecognitionRun::ItalicEnd);
    // Every reading of a shape named without the user's word is a vote on its text.
    if (readForVotes && !suggestions && !aborted && !changeColor) read();
    if (suggestions) {
      if (!unconfirmedPieces.empty()) Changing();
      for (const auto& [pieceIndex, position] : unconfirmedPieces) {
        const int left = dictionary_.CharList()[position].ReadingsLeft;
        if (left > 0) dictionary_.SetReadingsLeft(position, left - 1);
        const PieceSuggestion& s = (*suggestions)[static_cast<std::size_t>(pieceIndex)];
        if (s.Text.empty()) continue;
        dictionary_.Vote(position, AnswerText(s.Text));
        const LinePiece& piece = cut.Pieces[static_cast<std::size_t>(pieceIndex)];
        touch(position, piece, pieceIndex, PieceBitmap(flat, cut, piece), s.Word);
      }
    }
    if (changeColor && !aborted) {
      startRow = DetermineYLineTravel(subpicture, settings_.BackgroundColor);
      lineIndex = -1;
      result.VisibleLines = {""};
      result.ReferenceLines = {""};
    }
  }
  // The votes decide when the subtitle ends, so a later reading can outvote an early one; where
  // they disagree the user, if there is one to ask, decides.
  bool renamed = false;
  for (const Touched& t : touched) {
    const TCharEntry& entry = dictionary_.CharList()[t.Position];
    if (!entry.Unconfirmed || entry.Votes.empty()) continue;
    bool clear = false;
    const std::string winner = CharDictionary::Winner(entry.Votes, &clear);
    if (winner != entry.Text) {
      Changing();
      dictionary_.SetText(t.Position, winner);
      renamed = true;
    }
    if (clear || !AskCharacter || aborted || abortRequested_) continue;
    ++result.Asked;
    ++result.AskedWithSuggestion;
    CharacterQuestion question{t.Character, t.Line, t.CharacterBox, t.LineBox, entry.FileName,
                               result.VisibleLines, false, t.LineIndex, t.CharacterIndex,
                               true, {}, {}, true};
    question.HasSuggestion = true;
    question.Suggestion = winner;
    question.SuggestedWord = t.Word;
    const CharacterAnswer answer = Ask(question);
    if (answer.Kind == AnswerKind::Abort || abortRequested_) {
      aborted = true;
    } else if (answer.Kind == AnswerKind::Text) {
      const std::string text = AnswerText(answer.Text);
      if (text != winner) ++result.AnsweredOtherwise;
      Changing();
      dictionary_.SetText(t.Position, text);
      dictionary_.SetUnconfirmed(t.Position, false);
      renamed = true;
    }
  }
  if (renamed) result.VisibleLines = VisibleText(result.ReferenceLines, dictionary_);
  result.Aborted = aborted || abortRequested_;
  result.FinalCharColor = charColor;
  result.KeepColors = keepColors_;
  return result;
}

}  // namespace quelm
