// The pieces of the terminal dialogue: answer lines and their control words, the text art of a
// framed character, and the progress line.
#include <gtest/gtest.h>

#include "cli/ProgressBar.h"
#include "cli/TerminalQuestions.h"
#include "cli/TerminalText.h"
#include "cli/TextArt.h"
#include "cli/TitleSet.h"

namespace quelm {
namespace {

TEST(TerminalQuestionsTest, ControlWordsStandAloneAndABackslashIsWrittenTwice) {
  struct Case {
    const char* Line;
    AnswerLineKind Kind;
    const char* Text;
  };
  const Case cases[] = {
      {"a", AnswerLineKind::Text, "a"},
      {"", AnswerLineKind::Text, ""},
      {"ffi", AnswerLineKind::Text, "ffi"},
      {"\\skip", AnswerLineKind::SkipCharacter, ""},
      {"\\line", AnswerLineKind::SkipTextline, ""},
      {"\\color", AnswerLineKind::ChangeColor, ""},
      {"\\keep", AnswerLineKind::KeepColors, ""},
      {"\\undo", AnswerLineKind::Undo, ""},
      {"\\abort", AnswerLineKind::Abort, ""},
      {"\\quit", AnswerLineKind::Quit, ""},
      {"\\none", AnswerLineKind::NoText, ""},
      {"\\\\skip", AnswerLineKind::Text, "\\skip"},
      {"\\\\", AnswerLineKind::Text, "\\"},
      {"\\", AnswerLineKind::Unknown, "\\"},
      {"\\skipx", AnswerLineKind::Unknown, "\\skipx"},
      {"\\Skip", AnswerLineKind::Unknown, "\\Skip"},
      {" \\skip", AnswerLineKind::Text, " \\skip"},
      {"a\\b", AnswerLineKind::Text, "a\\b"},
  };
  for (const Case& c : cases) {
    const AnswerLine answer = TerminalQuestions::ParseAnswer(c.Line);
    EXPECT_EQ(answer.Kind, c.Kind) << c.Line;
    EXPECT_EQ(answer.Text, c.Text) << c.Line;
  }
}

TEST(TerminalQuestionsTest, AnswersComeFromAStreamAndItsEndMeansQuit) {
  Bitmap character(2, 2, ColorWhite);
  character.SetPixel(0, 0, ColorBlack);
  Bitmap line(6, 4, ColorBlack);
  line.SetPixel(2, 1, ColorWhite);
  const std::vector<std::string> visible{"ab"};
  const CharacterQuestion question{character, line, {2, 0, 3, 3}, {0, 0, 5, 3},
                                   "/d/char_4.bmp", visible, true, 0, 2, false, {}, {}, false};
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  ASSERT_NE(in, nullptr);
  std::fputs("\\nonsense\n\\keep\n\\color\nx\r\n<", in);
  std::rewind(in);
  TerminalQuestions questions(in, out);
  // An unknown word is asked again; after \keep a colour change is refused.
  CharacterAnswer answer = questions.Ask(question, ColorWhite, "subtitle 1");
  EXPECT_EQ(answer.Kind, AnswerKind::Text);
  EXPECT_EQ(answer.Text, "x");
  EXPECT_TRUE(answer.KeepColors);
  answer = questions.Ask(question, ColorWhite, "subtitle 1");  // last line without a line end
  EXPECT_EQ(answer.Kind, AnswerKind::Text);
  EXPECT_EQ(answer.Text, "<");
  EXPECT_FALSE(questions.QuitRequested());
  answer = questions.Ask(question, ColorWhite, "subtitle 1");
  EXPECT_EQ(answer.Kind, AnswerKind::Abort);
  EXPECT_TRUE(questions.QuitRequested());
  EXPECT_TRUE(questions.InputEnded());

  std::rewind(out);
  std::string shown;
  for (int c; (c = std::fgetc(out)) != EOF;) shown.push_back(static_cast<char>(c));
  EXPECT_NE(shown.find("subtitle 1, line 1, character 3 is unknown (new entry char_4.bmp)"),
            std::string::npos)
      << shown;
  EXPECT_NE(shown.find("  text so far | ab\n"), std::string::npos);
  EXPECT_NE(shown.find("unknown control word '\\nonsense'"), std::string::npos);
  EXPECT_NE(shown.find("the colours are kept"), std::string::npos);
  std::fclose(in);
  std::fclose(out);
}

TEST(TerminalQuestionsTest, AnEmptyLineAcceptsTheSuggestionAndNoneAnswersNoText) {
  const Bitmap character(2, 2, ColorWhite);
  const Bitmap line(6, 4, ColorBlack);
  const std::vector<std::string> visible{"wh"};
  const CharacterQuestion suggested{character, line, {2, 0, 3, 3}, {0, 0, 5, 3},
                                    "/d/char_4.bmp", visible, true, 0, 2, true, "a", "what", true};
  const CharacterQuestion plain{character, line, {2, 0, 3, 3}, {0, 0, 5, 3},
                                "/d/char_5.bmp", visible, true, 0, 2, false, {}, {}, false};
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  ASSERT_NE(in, nullptr);
  std::fputs("\n\\none\ne\n\nn\n\ny\n", in);
  std::rewind(in);
  TerminalQuestions questions(in, out);
  EXPECT_EQ(questions.Ask(suggested, ColorWhite, "subtitle 2").Text, "a");
  const CharacterAnswer none = questions.Ask(suggested, ColorWhite, "subtitle 2");
  EXPECT_EQ(none.Kind, AnswerKind::Text);
  EXPECT_EQ(none.Text, "");
  EXPECT_EQ(questions.Ask(suggested, ColorWhite, "subtitle 2").Text, "e");
  // Without a suggestion an empty line asks whether the shape stands for nothing: "n" goes
  // back to the question, "y" takes it.
  const CharacterAnswer empty = questions.Ask(plain, ColorWhite, "subtitle 2");
  EXPECT_EQ(empty.Kind, AnswerKind::Text);
  EXPECT_EQ(empty.Text, "");
  EXPECT_FALSE(questions.InputEnded());

  std::rewind(out);
  std::string shown;
  for (int c; (c = std::fgetc(out)) != EOF;) shown.push_back(static_cast<char>(c));
  const std::string offer = "  suggested: \"a\" (word \"what\"); Enter accepts";
  std::size_t offers = 0;
  for (std::size_t at = shown.find(offer); at != std::string::npos; at = shown.find(offer, at + 1))
    ++offers;
  EXPECT_EQ(offers, 3u) << shown;
  const std::string ignore = "Ignore this shape from now on?";
  const std::size_t firstIgnore = shown.find(ignore);
  ASSERT_NE(firstIgnore, std::string::npos) << shown;
  EXPECT_NE(shown.find(ignore, firstIgnore + 1), std::string::npos) << shown;
  // An entry read two ways is no new one.
  EXPECT_NE(shown.find("character 3 was read two ways (entry char_4.bmp)"),
            std::string::npos);
  std::fclose(in);
  std::fclose(out);
}

TEST(TerminalQuestionsTest, AQuestionFitsAnEightyByTwentyFourTerminal) {
  // A subtitle line as wide and tall as a film's, inked all over, and a long text so far.
  Bitmap character(30, 44, ColorWhite);
  Bitmap line(620, 44, ColorBlack);
  for (int y = 0; y < line.Height(); ++y)
    for (int x = y % 3; x < line.Width(); x += 3) line.SetPixel(x, y, ColorWhite);
  const std::vector<std::string> visible{std::string(120, 'w'), "\u25A1 second line"};
  CharacterQuestion question{character, line, {300, 0, 329, 43}, {0, 0, 619, 43},
                             "/d/char_12.bmp", visible, true, 1, 9, false, {}, {}, false};
  question.UndoAllowed = true;
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  ASSERT_NE(in, nullptr);
  std::fputs("\\undo\n", in);
  std::rewind(in);
  TerminalQuestions questions(in, out);
  questions.Columns = 80;
  questions.Rows = 24;
  EXPECT_EQ(questions.Ask(question, ColorWhite, "subtitle 4", "  subtitle 4 of about 12, 3 learned")
                .Kind,
            AnswerKind::Undo);

  std::rewind(out);
  std::vector<std::string> rows(1);
  for (int c; (c = std::fgetc(out)) != EOF;) {
    if (c == '\n') rows.emplace_back();
    else rows.back().push_back(static_cast<char>(c));
  }
  for (const std::string& row : rows) {
    std::size_t columns = 0;
    for (unsigned char c : row) columns += (c & 0xC0) != 0x80;
    EXPECT_LE(columns, 80u) << row;
  }
  // Nothing scrolls away while the prompt waits, and the status line stands above it.
  EXPECT_LE(rows.size(), 23u);
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[rows.size() - 2], "  subtitle 4 of about 12, 3 learned");
  EXPECT_NE(rows.back().find("\\undo"), std::string::npos) << rows.back();
  std::fclose(in);
  std::fclose(out);

  // The run's closing lines break between words, never inside one.
  EXPECT_EQ(WrapAtWords("quelm-cli convert: stopped after subtitle 3; without --records the next "
                        "run starts from the beginning",
                        40),
            "quelm-cli convert: stopped after\n  subtitle 3; without --records the next\n"
            "  run starts from the beginning");
  EXPECT_EQ(WrapAtWords("a " + std::string(50, 'x') + " b", 40),
            "a\n  " + std::string(50, 'x') + "\n  b");
}

TEST(TextArtTest, CharacterIsFramedOnePixelPerCell) {
  Bitmap character(3, 2, ColorWhite);
  character.SetPixel(0, 0, ColorBlack);
  character.SetPixel(2, 1, ColorBlack);
  const std::vector<std::string> expected{"+---+", "|#..|", "|..#|", "+---+"};
  EXPECT_EQ(TextArt::Character(character), expected);
}

TEST(TextArtTest, LineSqueezesTwoRowsAndFramesTheCharacter) {
  // Ink (white) at (0,0), (0,1) and (4,2); the character is columns 3..4, rows 0..3.
  Bitmap line(6, 4, ColorBlack);
  line.SetPixel(0, 0, ColorWhite);
  line.SetPixel(0, 1, ColorWhite);
  line.SetPixel(4, 2, ColorWhite);
  line.SetPixel(1, 3, 0x686868);  // another colour is paper
  // Text columns are pixel columns + 1 (a margin for the frame): the frame stands in columns
  // 3 and 6; text rows hold pixel rows 2r-2 and 2r-1, the frame rows are 0 and 3.
  const std::vector<std::string> expected{
      "   +--+",
      " # |  |",
      "   | '|",
      "   +--+",
  };
  EXPECT_EQ(TextArt::Line(line, ColorWhite, {3, 0, 4, 3}, 100), expected);
  // A narrow terminal shows the window around the character (columns 2..9 of 8 wanted: all).
  EXPECT_EQ(TextArt::Line(line, ColorWhite, {3, 0, 4, 3}, 8), expected);
}

TEST(ProgressBarTest, LineFitsItsWidthAndCountsWhatWasFound) {
  // 80 columns: 12 for the name, 35 for the figures, 4 for the brackets and blanks leave a
  // bar of 29 cells, 14 of them (50 % rounded down) filled.
  EXPECT_EQ(ProgressBar::Text("VTS_01_2.VOB", 50.0, 17, 3, 80),
            "VTS_01_2.VOB  [##############...............]   50.0%  subtitles 17  questions 3");
  // A wide terminal caps the bar at 40 cells; 42 % of them is 16.
  EXPECT_EQ(ProgressBar::Text("V.VOB", 42.0, 1, 0, 200),
            "V.VOB  [################........................]   42.0%  subtitles 1  questions 0");
  EXPECT_LE(ProgressBar::Text("a-very-long-file-name.vob", 100.0, 1, 0, 30).size(), 30u);
}

TEST(TitleSetTest, TitleVobNamesAnyCaseButNotTheMenuVob) {
  int part = 0;
  EXPECT_EQ(TitleSet::TitleNumber("VTS_01_1.VOB", &part), 1);
  EXPECT_EQ(part, 1);
  EXPECT_EQ(TitleSet::TitleNumber("vts_12_9.vob", &part), 12);
  EXPECT_EQ(part, 9);
  EXPECT_EQ(TitleSet::TitleNumber("VTS_02_0.VOB", &part), 2);
  EXPECT_EQ(part, 0);  // the menu VOB: Resolve leaves it out
  EXPECT_EQ(TitleSet::TitleNumber("VTS_1_1.VOB"), -1);
  EXPECT_EQ(TitleSet::TitleNumber("VIDEO_TS.VOB"), -1);
  EXPECT_EQ(TitleSet::TitleNumber("VTS_01_1.VOB.bak"), -1);

  const TitleSetFiles files =
      TitleSet::Resolve({std::string(QUELM_TEST_DATA) + "/vob/multifile"}, 0);
  ASSERT_TRUE(files.Outcome.Ok) << files.Outcome.Message;  // the disc root: VIDEO_TS inside
  ASSERT_EQ(files.Vobs.size(), 3u);
  EXPECT_NE(files.Vobs[0].find("VTS_01_1.VOB"), std::string::npos);
  EXPECT_NE(files.Vobs[2].find("VTS_01_3.VOB"), std::string::npos);
  EXPECT_NE(files.IfoPath.find("VTS_01_0.IFO"), std::string::npos);
  EXPECT_FALSE(TitleSet::Resolve({std::string(QUELM_TEST_DATA) + "/vob/multifile"}, 2).Outcome.Ok);
}

}  // namespace
}  // namespace quelm
