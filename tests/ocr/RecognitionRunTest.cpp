#include "ocr/RecognitionRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <map>
#include <sstream>

#include "PictureText.h"
#include "ScriptedEngine.h"
#include "support/TempDirTest.h"
#include "platform/BmpFile.h"
#include "support/SrtFile.h"

namespace quelm {
namespace {

using test::Bg;
using test::Col1;
using test::Ink;
using test::Outline;

// 3 x 4 glyphs, distinct in the pixels matching compares; each column inked above the last row.
const std::map<char, std::vector<std::string>> Glyphs{
    {'a', {"###", "#.#", "###", "#.#"}}, {'b', {"#.#", "###", "#.#", "###"}},
    {'c', {"###", "#..", "#.#", "###"}}, {'d', {"#.#", "#.#", "###", "###"}},
    {'e', {"###", "##.", "#.#", "###"}}, {'X', {"xxx", "xxx", "xxx", "xxx"}},
    {'O', {"ooo", "ooo", "ooo", "ooo"}},
};

// Glyphs one column apart, a space four more columns; lines two rows apart; a border of 2.
Bitmap Render(const std::vector<std::string>& lines) {
  std::size_t widest = 0;
  for (const auto& l : lines) widest = std::max(widest, l.size());
  std::vector<std::string> rows(2 + lines.size() * 6, std::string(4 + widest * 4 + 2, '.'));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    int x = 2;
    for (char c : lines[i]) {
      if (c != ' ')
        for (int y = 0; y < 4; ++y)
          for (int dx = 0; dx < 3; ++dx) rows[2 + i * 6 + y][x + dx] = Glyphs.at(c)[y][dx];
      x += 4;
    }
  }
  return test::Picture(rows);
}

// Text lines with colours of their own, each given as fill, anti-aliasing and outline letters of
// test::Picture ('.' for none): the anti-aliasing rings the fill by one pixel, the outline rings
// both by two, and the fill may be left out to draw a bare outline.
Bitmap RenderStyled(const std::vector<std::pair<std::string, std::string>>& lines) {
  std::size_t widest = 0;
  for (const auto& l : lines) widest = std::max(widest, l.first.size());
  const int pitch = 12;
  std::vector<std::string> rows(4 + lines.size() * pitch, std::string(8 + widest * 4, '.'));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& [text, style] = lines[i];
    const int top = 4 + static_cast<int>(i) * pitch;
    const int ring = style[1] == '.' ? 0 : 1;
    auto fill = [&](int x, int y) {
      const int k = (x - 4) / 4;
      if (x < 4 || (x - 4) % 4 == 3 || k >= static_cast<int>(text.size()) || y < top ||
          y >= top + 4 || text[k] == ' ')
        return false;
      return Glyphs.at(text[k])[y - top][(x - 4) % 4] == '#';
    };
    for (int y = top - 2 - ring; y < top + 6 + ring; ++y)
      for (int x = 0; x < static_cast<int>(rows[0].size()); ++x) {
        int distance = 9;
        for (int dy = -3; dy <= 3; ++dy)
          for (int dx = -3; dx <= 3; ++dx)
            if (fill(x + dx, y + dy)) distance = std::min(distance, std::max(std::abs(dx), std::abs(dy)));
        const char c = distance == 0       ? style[0]
                       : distance <= ring   ? style[1]
                       : distance <= ring + 2 ? style[2]
                                            : '.';
        rows[y][x] = c;
      }
  }
  return test::Picture(rows);
}

std::string Resolve(const CharDictionary& d, const std::string& referenceLine) {
  std::string out;
  std::size_t pos = 0;
  while (pos < referenceLine.size()) {
    if (referenceLine[pos] != '<') {
      out += referenceLine[pos++];
      continue;
    }
    const std::size_t end = referenceLine.find('>', pos);
    const std::string name = referenceLine.substr(pos + 1, end - pos - 1);
    bool found = false;
    for (const TCharEntry& e : d.CharList())
      if (e.FileName == name) {
        out += e.Text;
        found = true;
        break;
      }
    EXPECT_TRUE(found) << name;
    pos = end + 1;
  }
  return out;
}

class RecognitionRunTest : public test::TempDirTest {
 protected:
  RecognitionSettings Settings() const {
    RecognitionSettings s;
    s.Colors = {Bg, Col1, Outline, Ink};
    s.CharColor = Ink;
    s.BackgroundColor = Bg;
    s.SpaceWidth = 3;
    s.DictionaryRoot = root_;
    return s;
  }
  // Answers from a script and records what was asked.
  RecognitionRun::Asker Scripted(std::deque<CharacterAnswer> answers) {
    auto shared = std::make_shared<std::deque<CharacterAnswer>>(std::move(answers));
    return [this, shared](const CharacterQuestion& q) {
      asked_.push_back({q.LineIndex, q.CharacterIndex});
      changeAllowed_.push_back(q.ChangeColorAllowed);
      EXPECT_FALSE(shared->empty()) << "unexpected question";
      if (shared->empty()) return CharacterAnswer{AnswerKind::Abort, "", false};
      CharacterAnswer a = shared->front();
      shared->pop_front();
      return a;
    };
  }
  static CharacterAnswer Text(std::string t) { return {AnswerKind::Text, std::move(t), false}; }
  static CharacterAnswer Do(AnswerKind k) { return {k, "", false}; }
  std::vector<std::pair<int, int>> asked_;
  std::vector<bool> changeAllowed_;
};

TEST_F(RecognitionRunTest, LearnsWhileReadingAndRecognisesRepeatsAtOnce) {
  CharDictionary d;
  RecognitionRun run(d, Settings());
  run.AskCharacter = Scripted({Text("A"), Text("B"), Text("")});
  const RecognitionResult r = run.UpdateDictionary(Render({"ab a", "bdd"}));
  EXPECT_FALSE(r.Aborted);
  EXPECT_EQ(r.VisibleLines, (std::vector<std::string>{"AB A", "B"}));
  const std::string f0 = "<" + root_ + "char_0.bmp>", f1 = "<" + root_ + "char_1.bmp>",
                    f2 = "<" + root_ + "char_2.bmp>";
  EXPECT_EQ(r.ReferenceLines, (std::vector<std::string>{f0 + f1 + " " + f0, f1 + f2 + f2}));
  EXPECT_EQ(asked_, (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 1}}));
  EXPECT_EQ(r.Learned, 3);
  // The learned files are the character bitmaps, black on white.
  const BmpReadResult file = ReadBmp(root_ + "char_0.bmp");
  ASSERT_TRUE(file.Outcome.Ok);
  EXPECT_EQ(file.Image, test::Flat({"###", "#.#", "###", "#.#"}));
  EXPECT_EQ(RecognitionRun::MakeRecord("00:01:02", "3", r.ReferenceLines),
            (std::vector<std::string>{"<SUB_START>", "00:01:02", "3", r.ReferenceLines[0],
                                      r.ReferenceLines[1], "<SUB_END>"}));
}

TEST_F(RecognitionRunTest, SkipCharacterSkipTextlineAndALoneLessThan) {
  CharDictionary d;
  RecognitionRun first(d, Settings());
  first.AskCharacter = Scripted({Text("A"), Text("<"), Text("C")});
  ASSERT_FALSE(first.UpdateDictionary(Render({"abc"})).Aborted);
  EXPECT_EQ(d.CharList()[1].Text, "<<");
  asked_.clear();

  RecognitionRun run(d, Settings());
  // Line 0: d is skipped, the known a and b after it are still read. Line 1: e is asked and
  // its line dropped from there on (the spaces too); line 2 reads normally.
  run.AskCharacter = Scripted({Do(AnswerKind::SkipCharacter), Do(AnswerKind::SkipTextline)});
  const RecognitionResult r = run.UpdateDictionary(Render({"dab", "c e  ab", "ba"}));
  EXPECT_EQ(r.VisibleLines, (std::vector<std::string>{"\u25A1A<<", "C \u25A1", "<<A"}));
  EXPECT_EQ(asked_, (std::vector<std::pair<int, int>>{{0, 0}, {1, 1}}));
  EXPECT_EQ(d.Size(), 3u);
  EXPECT_FALSE(std::filesystem::exists(root_ + "char_3.bmp"));
}

TEST_F(RecognitionRunTest, UndoForgetsTheLastAnswerAndAsksAboutItsShapeAgain) {
  CharDictionary d;
  RecognitionRun run(d, Settings());
  std::vector<bool> undoAllowed;
  const auto scripted =
      Scripted({Text("A"), Text("X"), Do(AnswerKind::Undo), Text("B"), Text("C")});
  run.AskCharacter = [&](const CharacterQuestion& q) {
    undoAllowed.push_back(q.UndoAllowed);
    return scripted(q);
  };
  const RecognitionResult r = run.UpdateDictionary(Render({"abc", "b"}));
  // Undone at c: a keeps its answer without a question, b is asked again.
  EXPECT_EQ(asked_, (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}, {0, 1}, {0, 2}}));
  EXPECT_EQ(undoAllowed, (std::vector<bool>{false, true, true, true, true}));
  EXPECT_EQ(r.VisibleLines, (std::vector<std::string>{"ABC", "B"}));
  ASSERT_EQ(d.Size(), 3u);
  EXPECT_EQ(d.CharList()[1].Text, "B");
  EXPECT_EQ(ReadBmp(root_ + "char_1.bmp").Image, test::Flat({"#.#", "###", "#.#", "###"}));
}

TEST_F(RecognitionRunTest, TouchingPiecesAreReadAsKnownCharactersWhereTheyAllMatch) {
  CharDictionary d;
  RecognitionRun learn(d, Settings());
  learn.AskCharacter = Scripted({Text("A"), Text("B")});
  ASSERT_EQ(learn.UpdateDictionary(Render({"ab"})).VisibleLines, std::vector<std::string>{"AB"});
  asked_.clear();

  // a touching b, then the unknown c touching a: only the first piece splits into known parts.
  RecognitionRun run(d, Settings());
  run.AskCharacter = Scripted({Text("CA")});
  const RecognitionResult r = run.UpdateDictionary(test::Picture({
      ".....................",
      ".....................",
      "..####.#.....######..",
      "..#.####.....#..#.#..",
      "..####.#.....#.####..",
      "..#.####.....####.#..",
      ".....................",
      ".....................",
  }));
  EXPECT_EQ(r.VisibleLines, (std::vector<std::string>{"AB CA"}));
  EXPECT_EQ(asked_, (std::vector<std::pair<int, int>>{{0, 1}}));
  const std::string a = "<" + root_ + "char_0.bmp>", b = "<" + root_ + "char_1.bmp>";
  EXPECT_EQ(r.ReferenceLines, (std::vector<std::string>{a + b + " <" + root_ + "char_2.bmp>"}));
}

TEST_F(RecognitionRunTest, ChangeColorCyclesThroughAllFourAndRestartsFromTheTop) {
  EXPECT_EQ(RecognitionRun::NextCharColor(Ink, {Bg, Col1, Outline, Ink}), Bg);
  EXPECT_EQ(RecognitionRun::NextCharColor(0x123456, {Bg, Col1, Outline, Ink}), 0x123456u);
  CharDictionary d;
  RecognitionRun run(d, Settings());
  std::vector<Color> colours;
  run.OnCharColorChanged = [&](Color c) { colours.push_back(c); };
  // Ink asks about a; the background as ink makes blobs; colour 1 finds X, colour 2 finds O;
  // the fourth change brings the ink back and the run completes.
  run.AskCharacter = Scripted({Do(AnswerKind::ChangeColor), Do(AnswerKind::ChangeColor),
                               Do(AnswerKind::ChangeColor), Do(AnswerKind::ChangeColor),
                               Text("A"), Text("B")});
  const RecognitionResult r = run.UpdateDictionary(Render({"ab", "aXO"}));
  EXPECT_EQ(colours, (std::vector<Color>{Bg, Col1, Outline, Ink}));
  EXPECT_EQ(r.FinalCharColor, Ink);
  EXPECT_EQ(r.VisibleLines, (std::vector<std::string>{"AB", "A"}));
  EXPECT_EQ(d.Size(), 2u);
}

TEST_F(RecognitionRunTest, ChangeColorPassesOverColoursThatCutNothing) {
  CharDictionary d;
  RecognitionRun run(d, Settings());
  std::vector<Color> colours;
  run.OnCharColorChanged = [&](Color c) { colours.push_back(c); };
  // Only ink and background occur: after the background's blob the next question is the ink's
  // again, not a silent end with colour 1 and an empty subtitle.
  run.AskCharacter = Scripted({Do(AnswerKind::ChangeColor), Do(AnswerKind::ChangeColor),
                               Text("A"), Text("B")});
  const RecognitionResult r = run.UpdateDictionary(Render({"ab"}));
  EXPECT_EQ(colours, (std::vector<Color>{Bg, Ink}));
  EXPECT_EQ(r.VisibleLines, (std::vector<std::string>{"AB"}));
}

TEST_F(RecognitionRunTest, KeptColoursForbidFurtherChanges) {
  CharDictionary d;
  RecognitionRun run(d, Settings());
  run.AskCharacter = Scripted({{AnswerKind::Text, "A", true}, Do(AnswerKind::ChangeColor)});
  const RecognitionResult r = run.UpdateDictionary(Render({"ab"}));
  EXPECT_EQ(changeAllowed_, (std::vector<bool>{true, false}));
  EXPECT_TRUE(r.KeepColors);
  EXPECT_EQ(r.FinalCharColor, Ink);
  EXPECT_EQ(r.VisibleLines, (std::vector<std::string>{"A\u25A1"}));  // the refused change skipped b
}

TEST_F(RecognitionRunTest, AbortKeepsWhatWasLearnedAndStopsTheRun) {
  CharDictionary d;
  RecognitionRun run(d, Settings());
  run.AskCharacter = Scripted({Text("A"), Do(AnswerKind::Abort)});
  const RecognitionResult r = run.UpdateDictionary(Render({"abc", "d"}));
  EXPECT_TRUE(r.Aborted);
  EXPECT_EQ(d.Size(), 1u);

  // The stop flag, set from the event pump, ends the run before the next character.
  CharDictionary e;
  RecognitionRun stopped(e, Settings());
  int pumped = 0;
  stopped.EventPump = [&] {
    if (++pumped == 2) stopped.RequestAbort();
  };
  stopped.AskCharacter = Scripted({Text("A")});
  EXPECT_TRUE(stopped.UpdateDictionary(Render({"abc"})).Aborted);
  EXPECT_EQ(pumped, 2);
}

TEST_F(RecognitionRunTest, LearningAfterReadingAsksNothingAndShowsReferences) {
  CharDictionary d;
  RecognitionSettings s = Settings();
  s.LearnAfterReading = true;
  s.SpaceWidth = 0;  // no spaces, and no division by zero
  RecognitionRun run(d, s);
  run.AskCharacter = Scripted({});
  const RecognitionResult r = run.UpdateDictionary(Render({"a b a"}));
  const std::string f0 = "<" + root_ + "char_0.bmp>", f1 = "<" + root_ + "char_1.bmp>";
  EXPECT_EQ(r.VisibleLines, (std::vector<std::string>{f0 + f1 + f0}));
  EXPECT_EQ(r.ReferenceLines, r.VisibleLines);
  EXPECT_EQ(d.CharList()[0].Text, f0);
  EXPECT_TRUE(asked_.empty());
}

TEST_F(RecognitionRunTest, LearningAutomaticallyNamesFromReadingsThatAgreeAndAsksNothing) {
  CharDictionary d;
  test::ScriptedEngine engine({"xb", "ba", "a"});
  RecognitionSettings s = Settings();
  s.LearnAutomatically = true;
  s.Suggestions = &engine;
  RecognitionRun first(d, s);
  RecognitionResult r = first.UpdateDictionary(Render({"ab", "ba"}));
  EXPECT_EQ(r.Asked, 0);
  EXPECT_EQ(r.NamedAutomatically, 2);
  // The second line holds no unknown shape, but its shapes are new: read for their votes. "a"
  // was read as "x" and as "a": a tie keeps the first reading, for now.
  EXPECT_EQ(r.EngineCalls, 2);
  EXPECT_EQ(Resolve(d, r.ReferenceLines[1]), "bx");
  EXPECT_EQ(r.VisibleLines[1], "bx");
  RecognitionRun second(d, s);
  r = second.UpdateDictionary(Render({"a"}));
  EXPECT_EQ(r.EngineCalls, 1);
  EXPECT_EQ(Resolve(d, r.ReferenceLines[0]), "a");  // outvoted

  ASSERT_TRUE(d.Save(root_).Ok);
  CharDictionary kept;
  ASSERT_TRUE(kept.Load(root_).Outcome.Ok);
  ASSERT_EQ(kept.Size(), 2u);
  EXPECT_TRUE(kept.CharList()[0].Unconfirmed && kept.CharList()[1].Unconfirmed);
  EXPECT_EQ(kept.CharList()[0].Text, "a");
  // With the dictionary a run left, every shape is known: no reading at all.
  RecognitionRun again(kept, s);
  r = again.UpdateDictionary(Render({"ab ba"}));
  EXPECT_EQ(r.EngineCalls, 0);
  EXPECT_EQ(Resolve(kept, r.ReferenceLines[0]), "ab ba");

  // A shape read as nothing, with nobody to ask, is kept unnamed for the user.
  test::ScriptedEngine blind({"_"});
  s.Suggestions = &blind;
  RecognitionRun unnamed(kept, s);
  r = unnamed.UpdateDictionary(Render({"c"}));
  EXPECT_EQ(r.VisibleLines[0], "<" + root_ + "char_2.bmp>");
  EXPECT_TRUE(kept.CharList()[2].Unconfirmed);
}

TEST_F(RecognitionRunTest, QuestionsOfferTheReadingAndDisagreementsAreAsked) {
  std::vector<std::pair<std::string, std::string>> offered;
  std::deque<std::string> answers;
  const auto ask = [&](const CharacterQuestion& q) {
    EXPECT_TRUE(q.HasSuggestion);
    offered.emplace_back(q.Suggestion, q.SuggestedWord);
    const std::string text = answers.empty() ? q.Suggestion : answers.front();
    if (!answers.empty()) answers.pop_front();
    return Text(text);
  };
  // While reading: every unknown shape is asked, its reading filled in.
  CharDictionary d;
  test::ScriptedEngine engine({"ab"});
  RecognitionSettings s = Settings();
  s.Suggestions = &engine;
  RecognitionRun reading(d, s);
  reading.AskCharacter = ask;
  answers = {"a", "B"};
  RecognitionResult r = reading.UpdateDictionary(Render({"ab"}));
  EXPECT_EQ(offered, (std::vector<std::pair<std::string, std::string>>{{"a", "ab"}, {"b", "ab"}}));
  EXPECT_EQ(r.AskedWithSuggestion, 2);
  EXPECT_EQ(r.AnsweredOtherwise, 1);
  EXPECT_EQ(d.UnconfirmedCount(), 0u);

  // Automatically: a shape read two ways is asked once, when the subtitle ends; the answer is
  // the user's word.
  offered.clear();
  test::ScriptedEngine split({"ce"});
  s.Suggestions = &split;
  s.LearnAutomatically = true;
  RecognitionRun automatic(d, s);
  automatic.AskCharacter = ask;
  r = automatic.UpdateDictionary(Render({"cc"}));
  EXPECT_EQ(offered, (std::vector<std::pair<std::string, std::string>>{{"c", "ce"}}));
  EXPECT_EQ(r.Asked, 1);
  EXPECT_EQ(r.AnsweredOtherwise, 0);
  EXPECT_EQ(r.VisibleLines[0], "cc");
  EXPECT_EQ(d.UnconfirmedCount(), 0u);
}

TEST_F(RecognitionRunTest, WriteFailuresEndTheRunNamingTheFile) {
  CharDictionary d;
  RecognitionSettings s = Settings();
  s.DictionaryRoot = root_ + "gone/";
  RecognitionRun run(d, s);
  run.AskCharacter = Scripted({Text("A")});
  const RecognitionResult r = run.UpdateDictionary(Render({"ab"}));
  EXPECT_TRUE(r.Aborted);
  EXPECT_FALSE(r.Outcome.Ok);
  EXPECT_NE(r.Outcome.Message.find(root_ + "gone/char_0.bmp"), std::string::npos);
  EXPECT_EQ(d.Size(), 0u);
}

TEST_F(RecognitionRunTest, EmptySubpictureGivesOneEmptyLine) {
  CharDictionary d;
  RecognitionRun run(d, Settings());
  const RecognitionResult r = run.UpdateDictionary(Bitmap(40, 20, Bg));
  EXPECT_FALSE(r.Aborted);
  EXPECT_EQ(r.ReferenceLines, std::vector<std::string>{""});
}

TEST_F(RecognitionRunTest, EveryLineIsReadInItsOwnInk) {
  struct Case {
    std::string firstStyle, secondStyle;  // fill, anti-aliasing, outline
    std::vector<std::string> read;
  };
  const Case cases[] = {
      {"#.o", "x.o", {"ab", "ba"}},  // white and green fills, one outline
      {"#xo", "x.o", {"ab", "ba"}},  // the anti-aliasing colour fills the second line
      {"#x.", "ox.", {"ab", "ba"}},  // one anti-aliasing colour, no outline
      {"#.o", "..o", {"ab"}},        // a bare outline is no text
      {"#..", "#..", {"ab", "ba"}},  // one ink, as always
  };
  for (const Case& c : cases)
    for (const bool detect : {false, true}) {
      SCOPED_TRACE(c.firstStyle + " " + c.secondStyle + (detect ? " detected" : " chosen"));
      const std::vector<std::string> texts{"ab", "ba"};
      CharDictionary d;
      RecognitionSettings s = Settings();
      s.AutoDetectColors = detect;
      s.CharColor = detect ? Col1 : Ink;
      s.SpaceWidth = 10;  // the rings stand a line's first letter off its left edge
      RecognitionRun run(d, s);
      std::vector<Color> colours;
      run.OnCharColorChanged = [&](Color colour) { colours.push_back(colour); };
      int asked = 0;
      run.AskCharacter = [&](const CharacterQuestion& q) {
        ++asked;
        const std::string& text = texts.at(static_cast<std::size_t>(q.LineIndex));
        return Text(q.CharacterIndex < static_cast<int>(text.size())
                        ? text.substr(static_cast<std::size_t>(q.CharacterIndex), 1)
                        : "?");
      };
      const RecognitionResult r =
          run.UpdateDictionary(RenderStyled({{texts[0], c.firstStyle}, {texts[1], c.secondStyle}}));
      EXPECT_EQ(r.VisibleLines, c.read);
      // The second line's shapes are the first line's: no outline or anti-aliasing in them.
      EXPECT_EQ(asked, 2);
      EXPECT_EQ(r.FinalCharColor, Ink);
      EXPECT_EQ(colours, detect ? std::vector<Color>{Ink} : std::vector<Color>{});
    }
}

// Real subpictures: spumux rendered mono.srt in a monospace font, spuunmux decoded it, and the
// fixture script stored each in the default display colours. The k-th glyph of a line is the
// k-th non-blank character of that line of the subtitle text.
std::vector<std::vector<std::string>> SubtitleTexts() {
  std::vector<std::vector<std::string>> subs;
  for (test::SrtCue& cue : test::ReadSrt(std::string(QUELM_TEST_DATA) + "/ocr/mono.srt"))
    subs.push_back(std::move(cue.Lines));
  return subs;
}

TEST_F(RecognitionRunTest, RealSubtitlesAreLearnedOnceAndReadBackExactly) {
  const auto texts = SubtitleTexts();
  ASSERT_EQ(texts.size(), 5u);
  RecognitionSettings s = Settings();
  s.SpaceWidth = 20;
  s.CharColor = Col1;  // wrong on purpose: detection must find the glyph fill
  s.AutoDetectColors = true;

  std::vector<std::vector<std::string>> firstRecords;
  int firstAsked = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const BmpReadResult bmp =
          ReadBmp(std::string(QUELM_TEST_DATA) + "/ocr/mono_" + std::to_string(i) + ".bmp");
      ASSERT_TRUE(bmp.Outcome.Ok) << bmp.Outcome.Message;
      CharDictionary d;  // loaded and saved once per subtitle, as the window does
      ASSERT_TRUE(d.Load(root_).Outcome.Ok);
      RecognitionRun run(d, s);
      int asked = 0;
      run.AskCharacter = [&](const CharacterQuestion& q) {
        ++asked;
        std::string nonBlank;
        for (char c : texts[i].at(static_cast<std::size_t>(q.LineIndex)))
          if (c != ' ') nonBlank += c;
        return CharacterAnswer{AnswerKind::Text,
                               std::string(1, nonBlank.at(static_cast<std::size_t>(q.CharacterIndex))),
                               false};
      };
      const RecognitionResult r = run.UpdateDictionary(bmp.Image);
      ASSERT_FALSE(r.Aborted);
      EXPECT_EQ(r.FinalCharColor, Ink);
      EXPECT_EQ(r.VisibleLines, texts[i]) << "subtitle " << i;
      ASSERT_EQ(r.ReferenceLines.size(), texts[i].size());
      for (std::size_t k = 0; k < texts[i].size(); ++k)
        EXPECT_EQ(Resolve(d, r.ReferenceLines[k]), texts[i][k]);
      ASSERT_TRUE(d.Save(root_).Ok);
      const auto record = RecognitionRun::MakeRecord("00:00:0" + std::to_string(i), "1",
                                                     r.ReferenceLines);
      if (pass == 0) {
        firstRecords.push_back(record);
        firstAsked += asked;
      } else {
        EXPECT_EQ(asked, 0) << "subtitle " << i;
        EXPECT_EQ(record, firstRecords[i]);
      }
    }
  }
  // Each distinct glyph is asked about once: "Good morning, Sam." alone has 12 distinct ones.
  EXPECT_GT(firstAsked, 12);
  EXPECT_LT(firstAsked, 60);
}

// Subtitle lines drawn by FreeType (make_seg_fixtures.py): italics in a sheared and in a true
// italic font, upright text in a narrow font (word gaps of 8 to 10 pixels) and a wide one
// (letter gaps up to 10, word gaps over 20). Read with automatic spaces, each gives its text (a
// piece per letter), and italic lines are marked in the reference line.
TEST_F(RecognitionRunTest, LinesAreCutAsAReaderSeesThemWithTheirOwnSpaces) {
  struct Case {
    std::string File;
    std::string Text;
    bool Italic;
  };
  const Case cases[] = {
      {"seg_oblique", "And so, in a month, we came home.", true},
      {"seg_italic", "Nobody knows where the river goes.", true},
      {"seg_narrow", "Nobody should tune a slider per disc.", false},
      {"seg_wide", "Nobody will tune it.", false},
  };
  for (const Case& c : cases) {
    const BmpReadResult bmp = ReadBmp(std::string(QUELM_TEST_DATA) + "/ocr/" + c.File + ".bmp");
    ASSERT_TRUE(bmp.Outcome.Ok) << bmp.Outcome.Message;
    std::string letters;
    for (char ch : c.Text)
      if (ch != ' ') letters += ch;
    CharDictionary d;
    RecognitionSettings s = Settings();
    s.SpaceWidth = 10;
    s.AutoSpaceWidth = true;
    RecognitionRun run(d, s);
    run.AskCharacter = [&](const CharacterQuestion& q) {
      const auto k = static_cast<std::size_t>(q.CharacterIndex);
      return CharacterAnswer{AnswerKind::Text, k < letters.size() ? letters.substr(k, 1) : "?",
                             false};
    };
    const RecognitionResult r = run.UpdateDictionary(bmp.Image);
    EXPECT_EQ(r.VisibleLines, std::vector<std::string>{c.Text}) << c.File;
    ASSERT_EQ(r.ReferenceLines.size(), 1u);
    std::string references = r.ReferenceLines[0];
    const std::string start = RecognitionRun::ItalicStart, end = RecognitionRun::ItalicEnd;
    const bool marked = references.rfind(start, 0) == 0 && references.size() > end.size() &&
                        references.substr(references.size() - end.size()) == end;
    EXPECT_EQ(marked, c.Italic) << c.File;
    if (marked)
      references = references.substr(start.size(), references.size() - start.size() - end.size());
    EXPECT_EQ(references.find("<{"), std::string::npos) << c.File;
    EXPECT_EQ(Resolve(d, references), c.Text) << c.File;

    // Read again, every shape is known.
    RecognitionRun again(d, s);
    again.AskCharacter = Scripted({});
    EXPECT_EQ(again.UpdateDictionary(bmp.Image).ReferenceLines, r.ReferenceLines) << c.File;
  }
}

}  // namespace
}  // namespace quelm
