// Asking about unknown characters on a terminal or from a file of answers.
#include "cli/TerminalQuestions.h"

#include <algorithm>
#include <filesystem>

#include "cli/TerminalText.h"
#include "cli/TextArt.h"

namespace quelm {

namespace {

// The first `columns` characters of `text`, "..." ending a text that was longer.
std::string Cut(const std::string& text, int columns) {
  if (columns < 4 || CodePoints(text) <= static_cast<std::size_t>(columns)) return text;
  std::size_t kept = 0;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (kept == static_cast<std::size_t>(columns - 3)) break;
    ++kept;
  }
  return text.substr(0, i) + "...";
}

// The last characters of `text` that fit, "..." before them: the text so far ends where the
// question is.
std::string CutFront(const std::string& text, int columns) {
  const std::size_t length = CodePoints(text);
  if (columns < 4 || length <= static_cast<std::size_t>(columns)) return text;
  std::size_t drop = length - static_cast<std::size_t>(columns - 3);
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (drop == 0) break;
    --drop;
  }
  return "..." + text.substr(i);
}


}  // namespace

AnswerLine TerminalQuestions::ParseAnswer(const std::string& line) {
  if (line.empty() || line[0] != '\\') return {AnswerLineKind::Text, line};
  if (line.size() >= 2 && line[1] == '\\') return {AnswerLineKind::Text, line.substr(1)};
  if (line == NoneWord) return {AnswerLineKind::NoText, {}};
  if (line == SkipWord) return {AnswerLineKind::SkipCharacter, {}};
  if (line == LineWord) return {AnswerLineKind::SkipTextline, {}};
  if (line == ColorWord) return {AnswerLineKind::ChangeColor, {}};
  if (line == KeepWord) return {AnswerLineKind::KeepColors, {}};
  if (line == UndoWord) return {AnswerLineKind::Undo, {}};
  if (line == AbortWord) return {AnswerLineKind::Abort, {}};
  if (line == QuitWord) return {AnswerLineKind::Quit, {}};
  return {AnswerLineKind::Unknown, line};
}

bool TerminalQuestions::ReadLine(std::string& line) {
  line.clear();
  for (;;) {
    const int c = std::fgetc(in_);
    if (c == EOF) {
      // An interrupted read (Ctrl+C) ends the dialogue like the end of the input.
      if (line.empty() || std::ferror(in_)) return false;
      return true;
    }
    if (c == '\n') break;
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void TerminalQuestions::Print(const std::string& text, int columns) {
  std::fprintf(out_, "%s\n", Cut(text, columns).c_str());
}

CharacterAnswer TerminalQuestions::Ask(const CharacterQuestion& question, Color charColor,
                                       const std::string& where, const std::string& status) {
  if (BeforeQuestion) BeforeQuestion();
  int columns = Columns;
  int rows = Rows;
  if (columns <= 0 || rows <= 0) TerminalSize(out_, columns, rows);
  // The whole question stays on screen: the line's picture gets the rows the words leave.
  const std::size_t shownLines = std::min<std::size_t>(question.VisibleLines.size(), 3);
  const int wordRows = 2 + static_cast<int>(shownLines) + (question.HasSuggestion ? 1 : 0) +
                       (status.empty() ? 0 : 1) + 2;
  const int pictureRows = std::max(3, rows - wordRows);

  std::fprintf(out_, "\n");
  const std::string entry = std::filesystem::path(question.FileName).filename().string();
  Print(where + ", line " + std::to_string(question.LineIndex + 1) + ", character " +
            std::to_string(question.CharacterIndex + 1) +
            (question.Disputed ? " was read two ways (entry " + entry + "):"
                               : " is unknown (new entry " + entry + "):"),
        columns);
  const std::vector<std::string> line =
      TextArt::Line(question.Line, charColor, question.CharacterBox, columns - 2, pictureRows);
  for (const std::string& row : line) Print("  " + row, columns);
  // The character alone, pixel for pixel, where the terminal has room for it.
  const std::vector<std::string> character = TextArt::Character(question.Character);
  if (static_cast<int>(line.size() + character.size()) <= pictureRows &&
      static_cast<int>(character.front().size()) + 2 <= columns)
    for (const std::string& row : character) Print("  " + row, columns);
  const std::size_t firstShown = question.VisibleLines.size() - shownLines;
  const std::string label = "  text so far | ";
  for (std::size_t i = firstShown; i < question.VisibleLines.size(); ++i)
    Print((i == firstShown ? label : std::string(label.size() - 2, ' ') + "| ") +
              CutFront(question.VisibleLines[i], columns - static_cast<int>(label.size())),
          columns);
  if (question.HasSuggestion) {
    const std::string word =
        question.SuggestedWord.empty() ? "" : " (word \"" + question.SuggestedWord + "\")";
    Print("  suggested: \"" + question.Suggestion + "\"" + word + "; Enter accepts, " + NoneWord +
              " for no text",
          columns);
  }

  bool keep = false;
  const auto inputEnded = [&]() -> CharacterAnswer {
    std::fprintf(out_, "\n");
    inputEnded_ = true;
    quit_ = true;
    return {AnswerKind::Abort, {}, keep};
  };
  for (;;) {
    if (!status.empty()) Print(status, columns);
    const bool colours = question.ChangeColorAllowed && !keep;
    std::string words = std::string(SkipWord) + " " + LineWord;
    if (colours) words += std::string(" ") + ColorWord + " " + KeepWord;
    if (question.UndoAllowed) words += std::string(" ") + UndoWord;
    words += std::string(" ") + AbortWord + " " + QuitWord;
    std::fprintf(out_, "  text? (%s; \\\\x for \\x) ", words.c_str());
    std::fflush(out_);
    std::string typed;
    if (!ReadLine(typed)) return inputEnded();
    const AnswerLine answer = ParseAnswer(typed);
    switch (answer.Kind) {
      case AnswerLineKind::Text:
        if (typed.empty() && question.HasSuggestion)
          return {AnswerKind::Text, question.Suggestion, keep};
        if (typed.empty()) {
          // A shape that stands for nothing vanishes from every subtitle: only on a clear yes.
          Print("  Nothing typed. Ignore this shape from now on? It is learned as nothing and",
                columns);
          std::fprintf(out_, "  left out wherever it occurs (for a speck of dust). [y/N] ");
          std::fflush(out_);
          std::string yes;
          if (!ReadLine(yes)) return inputEnded();
          if (yes == "y" || yes == "Y" || yes == "yes") return {AnswerKind::Text, {}, keep};
          break;
        }
        return {AnswerKind::Text, answer.Text, keep};
      case AnswerLineKind::NoText: return {AnswerKind::Text, {}, keep};
      case AnswerLineKind::SkipCharacter: return {AnswerKind::SkipCharacter, {}, keep};
      case AnswerLineKind::SkipTextline: return {AnswerKind::SkipTextline, {}, keep};
      case AnswerLineKind::Abort: return {AnswerKind::Abort, {}, keep};
      case AnswerLineKind::Quit:
        quit_ = true;
        return {AnswerKind::Abort, {}, keep};
      case AnswerLineKind::Undo:
        if (question.UndoAllowed) return {AnswerKind::Undo, {}, keep};
        Print("  no answer to take back yet; answer again", columns);
        break;
      case AnswerLineKind::ChangeColor:
        if (colours) return {AnswerKind::ChangeColor, {}, false};
        Print("  the colours are kept for this subtitle; answer again", columns);
        break;
      case AnswerLineKind::KeepColors:
        if (question.ChangeColorAllowed) keep = true;
        Print("  these colours are kept; now the character's text", columns);
        break;
      case AnswerLineKind::Unknown:
        Print("  unknown control word '" + answer.Text + "' (a text beginning with \\ is written \\\\)",
              columns);
        break;
    }
  }
}

}  // namespace quelm
