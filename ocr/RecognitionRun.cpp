// The run's order of steps and its flags follow the learning dialogue: spaces are placed before
// a character is matched, "skip textline" drops the rest of a line, "change color" starts the
// subpicture again with the next ink colour.
#include "ocr/RecognitionRun.h"

#include "ocr/ColorDetection.h"
#include "platform/BmpFile.h"

namespace quelm {

namespace {

void Append(std::vector<std::string>& lines, int index, const std::string& text) {
  if (index < 0) return;
  if (lines.size() <= static_cast<std::size_t>(index)) lines.resize(static_cast<std::size_t>(index) + 1);
  lines[static_cast<std::size_t>(index)] += text;
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
  RecognitionResult result;
  Color charColor = settings_.CharColor;
  int nextCharFileNumber = static_cast<int>(dictionary_.Size());
  int lineIndex = -1;
  result.VisibleLines = {""};
  result.ReferenceLines = {""};
  bool autoDetect = settings_.AutoDetectColors;
  bool aborted = false;

  int startRow = DetermineYLineTravel(subpicture, settings_.BackgroundColor);
  Bitmap line;
  CutBox lineBox;
  while (!aborted && !abortRequested_ &&
         GetNextTextLine(subpicture, settings_.BackgroundColor, startRow, line, &lineBox)) {
    if (autoDetect) {
      charColor = settings_.Colors[AutoDetectColorSettings(line, settings_.Colors,
                                                           settings_.BackgroundColor).Best];
      autoDetect = false;
      if (OnCharColorChanged) OnCharColorChanged(charColor);
    }
    if (OnTextLine) OnTextLine(line, lineBox);
    bool skipTextline = false;
    bool changeColor = false;
    ++lineIndex;
    Bitmap flat = line;
    FlattenTextLine(flat, charColor);
    int charX = 0;
    int gap = 0;
    Bitmap character;
    CutBox charBox;
    int characterIndex = -1;
    while (!aborted && !changeColor && GetNextCharacter(flat, charX, character, gap, &charBox)) {
      ++characterIndex;
      if (EventPump) EventPump();
      if (abortRequested_) {
        aborted = true;
        break;
      }
      if (skipTextline) continue;
      if (OnCharacter) OnCharacter(character, charBox);
      const std::string spaces(static_cast<std::size_t>(SpaceCount(gap, settings_.SpaceWidth)), ' ');
      Append(result.VisibleLines, lineIndex, spaces);
      Append(result.ReferenceLines, lineIndex, spaces);

      std::string text;
      std::string reference;
      if (const auto found = dictionary_.CompareCharacterWithList(character)) {
        const TCharEntry& entry = dictionary_.CharList()[*found];
        text = entry.Text;
        reference = "<" + entry.FileName + ">";
      } else {
        const std::string name =
            dictionary_.NextFreeFileName(settings_.DictionaryRoot, nextCharFileNumber);
        reference = "<" + name + ">";
        bool skipCharacter = false;
        if (settings_.LearnAfterReading) {
          text = reference;
        } else if (!AskCharacter) {
          skipCharacter = true;
        } else {
          ++result.Asked;
          const CharacterAnswer answer = AskCharacter(
              {character, line, charBox, lineBox, name, result.VisibleLines, !keepColors_,
               lineIndex, characterIndex});
          if (answer.KeepColors) keepColors_ = true;
          switch (answer.Kind) {
            case AnswerKind::Text:
              text = answer.Text == "<" ? "<<" : answer.Text;
              // The index holds one line per text.
              for (char& c : text)
                if (c == '\r' || c == '\n') c = ' ';
              break;
            case AnswerKind::SkipCharacter: skipCharacter = true; break;
            case AnswerKind::SkipTextline: skipTextline = true; break;
            case AnswerKind::Abort: aborted = true; break;
            case AnswerKind::ChangeColor:
              // Refused once the colours are kept (the window disables the button then).
              if (keepColors_) {
                skipCharacter = true;
              } else {
                changeColor = true;
                charColor = NextCharColor(charColor, settings_.Colors);
                if (OnCharColorChanged) OnCharColorChanged(charColor);
              }
              break;
          }
          if (abortRequested_) aborted = true;
        }
        if (skipCharacter || skipTextline || changeColor || aborted) continue;
        // The file first: an entry whose bitmap was never written would be a dangling reference.
        const Status written = WriteBmp(name, character, 1);
        if (!written.Ok) {
          result.Outcome = written;
          aborted = true;
          continue;
        }
        dictionary_.AddCurrentCharacterToList(character, name, text);
        ++nextCharFileNumber;
        ++result.Learned;
      }
      Append(result.VisibleLines, lineIndex, text);
      Append(result.ReferenceLines, lineIndex, reference);
    }
    if (changeColor && !aborted) {
      startRow = DetermineYLineTravel(subpicture, settings_.BackgroundColor);
      lineIndex = -1;
      result.VisibleLines = {""};
      result.ReferenceLines = {""};
    }
  }
  result.Aborted = aborted || abortRequested_;
  result.FinalCharColor = charColor;
  result.KeepColors = keepColors_;
  return result;
}

}  // namespace quelm
