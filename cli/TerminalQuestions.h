// The learning dialogue of `quelm-cli convert --learn ask`: each unknown character is shown as
// text art with its line and the text so far, fitted to the terminal, and the answer is one
// line of input. Control words on a line of their own stand for the window's buttons; a line
// that begins with a backslash as text doubles it. A suggested text is shown with the engine's
// word, and an empty line accepts it; without one, an empty line asks first whether the shape
// is to stand for nothing.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "ocr/RecognitionRun.h"

namespace quelm {

enum class AnswerLineKind { Text, NoText, SkipCharacter, SkipTextline, ChangeColor, KeepColors,
                            Undo, Abort, Quit, Unknown };

struct AnswerLine {
  AnswerLineKind Kind = AnswerLineKind::Text;
  std::string Text;  // for Text: the character's text; for Unknown: the word
};

class TerminalQuestions {
 public:
  // No text at all, where an empty line would accept a suggestion.
  static constexpr const char* NoneWord = "\\none";
  static constexpr const char* SkipWord = "\\skip";
  static constexpr const char* LineWord = "\\line";
  static constexpr const char* ColorWord = "\\color";
  static constexpr const char* KeepWord = "\\keep";
  static constexpr const char* UndoWord = "\\undo";
  static constexpr const char* AbortWord = "\\abort";
  static constexpr const char* QuitWord = "\\quit";

  // Questions are drawn on `out`, answers read from `in`.
  TerminalQuestions(std::FILE* in, std::FILE* out) : in_(in), out_(out) {}

  // One line as typed, without its line end.
  static AnswerLine ParseAnswer(const std::string& line);

  // `charColor` is the ink the run cuts with; `where` says which subtitle is asked about, and
  // `status` (one line above the prompt) how far the run is.
  // "\quit", the end of the input or an interrupted read answer Abort and set QuitRequested.
  CharacterAnswer Ask(const CharacterQuestion& question, Color charColor, const std::string& where,
                      const std::string& status = {});

  // The size questions are fitted to; 0: the terminal's own (else COLUMNS and LINES, else
  // 80 x 24), looked at for every question.
  int Columns = 0;
  int Rows = 0;

  bool QuitRequested() const { return quit_; }
  bool InputEnded() const { return inputEnded_; }
  // Called before a question is drawn (the progress bar clears its line).
  std::function<void()> BeforeQuestion;

 private:
  bool ReadLine(std::string& line);
  // The text to the width of the terminal, cut where it would wrap.
  void Print(const std::string& text, int columns);

  std::FILE* in_;
  std::FILE* out_;
  bool quit_ = false;
  bool inputEnded_ = false;
};

}  // namespace quelm
