// The run's order of steps and its flags follow the learning dialogue: spaces are placed before
// a character is matched, "skip textline" drops the rest of a line, "change color" starts the
// subpicture again with the next ink colour.
#include "ocr/RecognitionRun.h"

#include <algorithm>
#include <string_view>

#include "ocr/ColorDetection.h"
#include "platform/BmpFile.h"

namespace quelm {

namespace {

void Append(std::vector<std::string>& lines, int index, std::string_view text) {
  if (index < 0) return;
  if (lines.size() <= static_cast<std::size_t>(index)) lines.resize(static_cast<std::size_t>(index) + 1);
  lines[static_cast<std::size_t>(index)] += text;
}

bool AnyInk(const std::vector<unsigned char>& inkColumns) {
  return std::any_of(inkColumns.begin(), inkColumns.end(), [](unsigned char c) { return c != 0; });
}

bool CutsACharacter(const Bitmap& subpicture, Color backgroundColor, Color ink) {
  int startRow = DetermineYLineTravel(subpicture, backgroundColor);
  CutBox lineBox;
  std::vector<unsigned char> inkColumns;
  while (FindNextTextLine(subpicture, backgroundColor, startRow, lineBox)) {
    InkColumns({&subpicture, lineBox, ink}, inkColumns);
    if (AnyInk(inkColumns)) return true;
  }
  return false;
}

// The ink a line is read in, with its ink columns: the run's ink, or where that cuts nothing
// (a line drawn in a second fill colour) the line's own.
Color LineInk(const Bitmap& subpicture, const CutBox& lineBox, const RecognitionSettings& settings,
              Color runInk, std::vector<unsigned char>& inkColumns) {
  InkColumns({&subpicture, lineBox, runInk}, inkColumns);
  if (AnyInk(inkColumns)) return runInk;
  const auto own = DetectLineInk(
      CopyBox(subpicture, lineBox), settings.Colors, settings.BackgroundColor,
      InkCompany(subpicture, settings.Colors, settings.BackgroundColor, runInk));
  if (!own) return runInk;
  InkColumns({&subpicture, lineBox, settings.Colors[*own]}, inkColumns);
  return settings.Colors[*own];
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
  // Characters are found and matched where they lie in the subpicture; a line or character is
  // copied out only for the hooks, a question or learning.
  CutBox lineBox;
  std::vector<unsigned char> inkColumns;
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
    const InkLine flat{&subpicture, lineBox,
                       LineInk(subpicture, lineBox, settings_, charColor, inkColumns)};
    int charX = 0;
    int gap = 0;
    CutBox charBox;
    int characterIndex = -1;
    while (!aborted && !changeColor && FindNextCharacter(flat, inkColumns, charX, gap, charBox)) {
      ++characterIndex;
      if (EventPump) EventPump();
      if (abortRequested_) {
        aborted = true;
        break;
      }
      if (skipTextline) continue;
      if (OnCharacter) OnCharacter(FlattenedCopy(flat, charBox), charBox);
      const std::string spaces(static_cast<std::size_t>(SpaceCount(gap, settings_.SpaceWidth)), ' ');
      Append(result.VisibleLines, lineIndex, spaces);
      Append(result.ReferenceLines, lineIndex, spaces);

      if (const auto found = dictionary_.CompareCharacterWithList(flat, charBox)) {
        const TCharEntry& entry = dictionary_.CharList()[*found];
        Append(result.VisibleLines, lineIndex, entry.Text);
        Append(result.ReferenceLines, lineIndex, "<");
        Append(result.ReferenceLines, lineIndex, entry.FileName);
        Append(result.ReferenceLines, lineIndex, ">");
        continue;
      }
      const Bitmap character = FlattenedCopy(flat, charBox);
      std::string text;
      std::string reference;
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
            {character, unflattened(), charBox, lineBox, name, result.VisibleLines, !keepColors_,
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
              charColor = NextCharColorWithInk(subpicture, settings_.BackgroundColor, charColor,
                                               settings_.Colors);
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
