// The recognition run over one subpicture: lines and characters are cut, matched against the
// dictionary, and unknown characters are asked about (or learned unnamed), building the visible
// text and the reference text that goes into the script. The window, the command line and the
// tests all drive this one object.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ocr/CharDictionary.h"
#include "ocr/Segmentation.h"
#include "ocr/Suggestions.h"
#include "platform/Bitmap.h"
#include "platform/Status.h"

namespace quelm {

// Undo takes back the last answer: what it taught is forgotten and its question comes again.
enum class AnswerKind { Text, SkipCharacter, SkipTextline, ChangeColor, Abort, Undo };

struct CharacterAnswer {
  AnswerKind Kind = AnswerKind::Text;
  std::string Text;         // UTF-8; may be empty or hold several characters
  bool KeepColors = false;  // the "Keep these colors" box was checked while asking
};

struct RecognitionSettings {
  std::array<Color, 4> Colors{};
  Color CharColor = ColorWhite;
  Color BackgroundColor = ColorBlack;
  int SpaceWidth = 10;
  // Spaces from each line's own gaps instead of SpaceWidth.
  bool AutoSpaceWidth = false;
  // Ends with "/"; new bitmap files go here.
  std::string DictionaryRoot;
  bool LearnAfterReading = false;
  // Unknown characters are named from the suggestions without asking where they agree; entries
  // so named stay unconfirmed. Without suggestions nothing can be named so.
  bool LearnAutomatically = false;
  bool AutoDetectColors = false;
  // Reads a line holding an unknown character; may be null (nothing is suggested).
  SuggestionEngine* Suggestions = nullptr;
  // Answers given when the subtitle was read before, given again in order before anything is
  // asked: the subtitle is read again after its last answer was taken back.
  std::vector<CharacterAnswer> Replay;
  // An answer of an earlier subtitle can be taken back while none is given in this one.
  bool EarlierUndoAllowed = false;
};

// What the learning dialogue shows when it asks about a character.
struct CharacterQuestion {
  const Bitmap& Character;
  const Bitmap& Line;      // unflattened, in the subpicture's colours
  CutBox CharacterBox;     // the character's place in the line (for the red frame)
  CutBox LineBox;          // the line's place in the subpicture
  std::string FileName;    // the file the character would be learned under
  const std::vector<std::string>& VisibleLines;  // recognised so far
  bool ChangeColorAllowed; // false once "Keep these colors" is checked
  int LineIndex;           // text line of the subpicture, from 0
  int CharacterIndex;      // character of that line as cut, from 0
  bool HasSuggestion = false;
  std::string Suggestion;     // what the engine read there (may be empty)
  std::string SuggestedWord;  // the engine's word it belongs to
  // The entry exists, named automatically, and its readings disagree.
  bool Disputed = false;
  // An earlier answer can be taken back.
  bool UndoAllowed = false;
};

struct RecognitionResult {
  bool Aborted = false;
  // Failure when writing a bitmap file failed; the run then stopped and counts as aborted.
  Status Outcome;
  std::vector<std::string> VisibleLines;
  std::vector<std::string> ReferenceLines;
  Color FinalCharColor = ColorWhite;
  bool KeepColors = false;
  int Learned = 0;
  int Asked = 0;
  // Questions that showed a suggestion, and of those the answers that took another text.
  int AskedWithSuggestion = 0;
  int AnsweredOtherwise = 0;
  // Entries named from suggestions without asking.
  int NamedAutomatically = 0;
  int EngineCalls = 0;
  // Undo was asked before any answer in this subtitle: the last answer of an earlier one is to
  // be taken back (the subtitle counts as aborted, and left as it found the dictionary).
  bool UndoEarlier = false;
  // What taking back this subtitle's last answer later needs: its answers, and where it changed
  // the dictionary, the dictionary as it found it and the bitmap files it wrote.
  std::vector<CharacterAnswer> Answers;
  std::shared_ptr<const CharDictionary> DictionaryBefore;
  std::vector<std::string> Written;
  // The dictionary read with, and its revision before and after this reading.
  CharDictionary* Dictionary = nullptr;
  std::uint64_t RevisionBefore = 0;
  std::uint64_t RevisionAfter = 0;
};

class RecognitionRun {
 public:
  using Asker = std::function<CharacterAnswer(const CharacterQuestion&)>;

  RecognitionRun(CharDictionary& dictionary, RecognitionSettings settings)
      : dictionary_(dictionary), settings_(std::move(settings)) {}

  // Asked about every unknown character in "while reading" mode. Without one, unknown
  // characters are skipped.
  Asker AskCharacter;
  // Called once per character so that pending interface events run; may be empty.
  std::function<void()> EventPump;
  // Display hooks for the window; may be empty.
  std::function<void(const Bitmap& line, const CutBox& box)> OnTextLine;
  std::function<void(const Bitmap& character, const CutBox& box)> OnCharacter;
  std::function<void(Color charColor)> OnCharColorChanged;

  // Safe to call from an event handler while the run is going (it is polled per character).
  void RequestAbort() { abortRequested_ = true; }
  // "Keep these colors" checked outside a question.
  void KeepColors() { keepColors_ = true; }

  RecognitionResult UpdateDictionary(const Bitmap& subpicture);

  // In a reference line, a run of italic characters lies between these two (never file keys).
  static constexpr const char* ItalicStart = "<{i}>";
  static constexpr const char* ItalicEnd = "<{/i}>";
  // Where a character was skipped, in the text shown while asking (never in the reference).
  static constexpr const char* SkippedMark = "\u25A1";

  // The script record of a recognised subtitle: "<SUB_START>", time code, chapter, the
  // reference lines, "<SUB_END>".
  static std::vector<std::string> MakeRecord(const std::string& timeCode,
                                             const std::string& chapter,
                                             const std::vector<std::string>& referenceLines);
  // The colour after `current` in the cycle 0 -> 1 -> 2 -> 3 -> 0; a colour that is none of the
  // four stays.
  static Color NextCharColor(Color current, const std::array<Color, 4>& colors);

 private:
  // One reading of the subpicture; ends early when an answer is taken back.
  RecognitionResult Read(const Bitmap& subpicture);
  // The asker's answer, or while reading again after an undo the one given before.
  CharacterAnswer Ask(CharacterQuestion& question);
  // Called before the run changes the dictionary, which an undo must be able to put back.
  void Changing();
  // The dictionary and the bitmap files as the subtitle found them.
  void PutBack();

  CharDictionary& dictionary_;
  RecognitionSettings settings_;
  bool abortRequested_ = false;
  bool keepColors_ = false;
  // This subtitle's answers in order; the first replayed_ of them have been given again.
  std::vector<CharacterAnswer> answers_;
  std::size_t replayed_ = 0;
  bool undoRequested_ = false;
  bool undoEarlier_ = false;
  std::optional<CharDictionary> before_;
  std::vector<std::string> written_;
  // The engine's readings by line and ink: a line read again after an undo is not read twice.
  struct Reading {
    CutBox Line;
    Color Ink;
    std::vector<PieceSuggestion> Pieces;
  };
  std::vector<Reading> readings_;
};

}  // namespace quelm
