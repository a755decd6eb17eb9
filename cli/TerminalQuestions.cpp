// Asking about unknown characters on a terminal or from a file of answers.
#include "cli/TerminalQuestions.h"

#include <filesystem>

#include "cli/TextArt.h"

namespace quelm {

namespace {

constexpr int LineColumns = 100;

void PrintRows(std::FILE* out, const std::vector<std::string>& rows, const char* indent) {
  for (const std::string& row : rows) std::fprintf(out, "%s%s\n", indent, row.c_str());
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

CharacterAnswer TerminalQuestions::Ask(const CharacterQuestion& question, Color charColor,
                                       const std::string& where) {
  if (BeforeQuestion) BeforeQuestion();
  std::fprintf(out_,
               question.Disputed ? "\n%s, text line %d, character %d was read in more than one way "
                                   "(entry %s):\n"
                                 : "\n%s, text line %d, character %d is unknown (new entry %s):\n",
               where.c_str(), question.LineIndex + 1, question.CharacterIndex + 1,
               std::filesystem::path(question.FileName).filename().c_str());
  PrintRows(out_, TextArt::Line(question.Line, charColor, question.CharacterBox, LineColumns), "  ");
  PrintRows(out_, TextArt::Character(question.Character), "  ");
  std::fprintf(out_, "  text so far:\n");
  for (const std::string& visible : question.VisibleLines)
    std::fprintf(out_, "  | %s\n", visible.c_str());
  if (question.HasSuggestion) {
    const std::string word =
        question.SuggestedWord.empty() ? "" : " (word \"" + question.SuggestedWord + "\")";
    std::fprintf(out_, "  suggested: \"%s\"%s; Enter accepts, %s for no text\n",
                 question.Suggestion.c_str(), word.c_str(), NoneWord);
  }

  bool keep = false;
  for (;;) {
    std::fprintf(out_, "  its text (%s %s %s%s %s %s, \\\\ for a leading \\)? ", SkipWord,
                 LineWord, question.ChangeColorAllowed && !keep ? ColorWord : "",
                 question.ChangeColorAllowed && !keep ? (std::string(" ") + KeepWord).c_str() : "",
                 AbortWord, QuitWord);
    std::fflush(out_);
    std::string line;
    if (!ReadLine(line)) {
      std::fprintf(out_, "\n");
      inputEnded_ = true;
      quit_ = true;
      return {AnswerKind::Abort, {}, keep};
    }
    const AnswerLine answer = ParseAnswer(line);
    switch (answer.Kind) {
      case AnswerLineKind::Text:
        if (line.empty() && question.HasSuggestion)
          return {AnswerKind::Text, question.Suggestion, keep};
        return {AnswerKind::Text, answer.Text, keep};
      case AnswerLineKind::NoText: return {AnswerKind::Text, {}, keep};
      case AnswerLineKind::SkipCharacter: return {AnswerKind::SkipCharacter, {}, keep};
      case AnswerLineKind::SkipTextline: return {AnswerKind::SkipTextline, {}, keep};
      case AnswerLineKind::Abort: return {AnswerKind::Abort, {}, keep};
      case AnswerLineKind::Quit:
        quit_ = true;
        return {AnswerKind::Abort, {}, keep};
      case AnswerLineKind::ChangeColor:
        if (question.ChangeColorAllowed && !keep) return {AnswerKind::ChangeColor, {}, false};
        std::fprintf(out_, "  the colours are kept for this subtitle; answer again\n");
        break;
      case AnswerLineKind::KeepColors:
        if (question.ChangeColorAllowed) keep = true;
        std::fprintf(out_, "  these colours are kept; now the character's text\n");
        break;
      case AnswerLineKind::Unknown:
        std::fprintf(out_, "  unknown control word '%s' (a text beginning with \\ is written \\\\)\n",
                     answer.Text.c_str());
        break;
    }
  }
}

}  // namespace quelm
