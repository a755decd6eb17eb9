// The recognition window offscreen over real subtitles: the learning dialogue answered by typing
// into the real edit and pressing Enter, the real buttons for skip, abort and colours, automatic
// closing and the Close button.
#include "app/ocr/TOCR.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <set>

#include "platform/BmpFile.h"
#include "platform/FileIo.h"
#include "support/QtTestApp.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDirTest.h"

namespace quelm {
namespace {

constexpr Color Bg = 0x000000;
constexpr Color Col1 = 0xC8C8C8;
constexpr Color Outline = 0x686868;
constexpr Color Ink = 0xFFFFFF;

Bitmap Fixture(int n) {
  BmpReadResult bmp = ReadBmp(std::string(QUELM_TEST_DATA) + "/ocr/mono_" + std::to_string(n) + ".bmp");
  EXPECT_TRUE(bmp.Outcome.Ok) << bmp.Outcome.Message;
  return bmp.Image;
}

// The glyphs of `lines` in the order the dialogue first meets them: one question per distinct
// glyph (the fixture's font draws equal characters alike and different ones differently).
std::vector<std::string> DistinctGlyphs(const std::vector<std::string>& lines) {
  std::vector<std::string> order;
  std::set<char> seen;
  for (const std::string& line : lines)
    for (char c : line)
      if (c != ' ' && seen.insert(c).second) order.emplace_back(1, c);
  return order;
}

std::vector<std::string> IndexLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// Reads what the test says a line holds: each run of inked columns of the engine's picture is
// the next non-blank character of `text`, within its word. Alignment then lays each character
// over the piece cut from those columns.
class ScriptedEngine : public SuggestionEngine {
 public:
  explicit ScriptedEngine(std::string text) : text_(std::move(text)) {}

  EngineReading ReadLine(const EngineImage& image) override {
    EngineReading reading;
    std::vector<std::pair<char, int>> characters;
    bool inWord = false;
    for (char c : text_) {
      inWord = inWord && c != ' ';
      if (c == ' ') continue;
      if (!inWord) reading.Words.emplace_back();
      inWord = true;
      reading.Words.back() += c;
      characters.emplace_back(c, static_cast<int>(reading.Words.size()) - 1);
    }
    const auto inked = [&](int x) {
      for (int y = 0; y < image.Height; ++y)
        if (image.Pixels[static_cast<std::size_t>(y * image.Width + x)] < 128) return true;
      return false;
    };
    std::size_t next = 0;
    for (int x = 0; x < image.Width; ++x) {
      if (!inked(x)) continue;
      const int left = x;
      while (x + 1 < image.Width && inked(x + 1)) ++x;
      if (next < characters.size()) {
        reading.Symbols.push_back(
            {std::string(1, characters[next].first), left, x, characters[next].second});
        ++next;
      }
    }
    return reading;
  }
  const std::string& Language() const override { return language_; }

 private:
  std::string text_;
  std::string language_ = "eng";
};

class TOCRTest : public test::TempDirTest {
 protected:
  void SetUp() override {
    test::EnsureQtApplication();
    TempDirTest::SetUp();
    ui_.OnProcessEvents = [this] {
      QCoreApplication::processEvents();
      TOCR* w = OpenWindow();
      if (w != nullptr && w->WaitingForInput() && onQuestion_) {
        // An answer that does not register would keep the window waiting for ever.
        if (++questions_ > 100) {
          ADD_FAILURE() << "the window does not take the answers";
          QTest::mouseClick(w->BtnAbort, Qt::LeftButton);
          return;
        }
        onQuestion_(*w);
      }
    };
  }

  static TOCR* OpenWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "OCR" && w->isVisible()) return static_cast<TOCR*>(w);
    return nullptr;
  }

  RecognitionSettings Settings() const {
    RecognitionSettings s;
    s.Colors = {Bg, Col1, Outline, Ink};
    s.CharColor = Ink;
    s.BackgroundColor = Bg;
    s.SpaceWidth = 20;
    s.DictionaryRoot = root_;
    return s;
  }

  // Answers the n-th question with `answers[n]` typed into the edit, then Enter.
  void TypeAnswers(std::vector<std::string> answers) {
    onQuestion_ = [this, answers](TOCR& w) {
      const std::size_t n = static_cast<std::size_t>(questions_ - 1);
      ASSERT_LT(n, answers.size()) << "more questions than expected";
      Type(w, answers[n]);
    };
  }
  static void Type(TOCR& w, const std::string& text) {
    QTest::keyClicks(w.EditAscii, QString::fromStdString(text));
    QTest::keyClick(w.EditAscii, Qt::Key_Return);
  }

  test::ScriptedInteraction ui_;
  std::function<void(TOCR&)> onQuestion_;
  int questions_ = 0;
};

TEST_F(TOCRTest, ControlsAsDesigned) {
  TOCR w(ui_);
  EXPECT_EQ(w.windowTitle(), "OCR");
  EXPECT_EQ(w.size(), QSize(703, 346));
  EXPECT_EQ(w.Label1->text(), "Found character:");
  EXPECT_EQ(w.Label2->text(), "Textline in subpicture");
  EXPECT_EQ(w.BtnSkipChar->text(), "Skip character");
  EXPECT_EQ(w.BtnSkipTextline->text(), "Skip textline");
  EXPECT_EQ(w.BtnChangeCharColor->text(), "Change color");
  EXPECT_EQ(w.CheckKeepColors->text(), "Keep these colors");
  EXPECT_EQ(w.BtnAbort->text(), "Abort");
  EXPECT_EQ(w.BtnClose->text(), "Close");
  EXPECT_EQ(w.TimerAutoClose->interval(), 100);
  EXPECT_FALSE(w.TimerAutoClose->isActive());
  EXPECT_FALSE(w.CheckKeepColors->isChecked());
  for (QWidget* c : std::initializer_list<QWidget*>{w.BtnSkipChar, w.BtnSkipTextline,
                                                    w.BtnChangeCharColor, w.CheckKeepColors,
                                                    w.BtnAbort, w.BtnClose, w.BtnUndo,
                                                    w.EditAscii, w.UWEditAscii})
    EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
  EXPECT_TRUE(w.MemoTextLines->isReadOnly());
  EXPECT_TRUE(w.UWMemoTextLines->isHidden());
  EXPECT_TRUE(w.LblSuggestion->isHidden());
  EXPECT_TRUE(w.LblInstruction->isHidden());
  EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
  for (const char* name : {"Label1", "Panel1", "CharacterImage", "EditAscii", "UWEditAscii",
                           "Label2", "TextLineImage", "Shape1", "MemoTextLines", "UWMemoTextLines",
                           "CurrentImage", "TempImage", "LblSuggestion", "BtnSkipChar", "BtnSkipTextline",
                           "BtnChangeCharColor", "CheckKeepColors", "BtnAbort", "BtnClose",
                           "BtnUndo", "LblInstruction", "TimerAutoClose"})
    EXPECT_NE(w.findChild<QObject*>(name), nullptr) << name;
}

TEST_F(TOCRTest, TeachesByTypingThenClosesByItselfAndKnowsEverythingNextTime) {
  const std::vector<std::string> text{"Good morning, Sam."};
  const std::vector<std::string> glyphs = DistinctGlyphs(text);
  ASSERT_EQ(glyphs.size(), 12u);  // G o d m r n i g , S a .
  RecognitionSettings s = Settings();
  s.CharColor = Col1;  // wrong on purpose: detection finds the glyph fill
  s.AutoDetectColors = true;

  std::vector<int> frameLefts;
  onQuestion_ = [&](TOCR& w) {
    const std::size_t n = static_cast<std::size_t>(questions_ - 1);
    ASSERT_LT(n, glyphs.size());
    // The question as the user sees it.
    EXPECT_TRUE(w.EditAscii->isEnabled());
    EXPECT_TRUE(w.EditAscii->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), w.EditAscii);
    EXPECT_FALSE(w.LblSuggestion->isVisible());
    EXPECT_TRUE(w.BtnSkipChar->isEnabled());
    EXPECT_TRUE(w.BtnSkipTextline->isEnabled());
    EXPECT_TRUE(w.BtnAbort->isEnabled());
    EXPECT_TRUE(w.BtnChangeCharColor->isEnabled());
    EXPECT_TRUE(w.CheckKeepColors->isEnabled());
    EXPECT_FALSE(w.BtnClose->isEnabled());
    EXPECT_EQ(w.UWEditAscii->text().toStdString(), "<" + root_ + "char_" + std::to_string(n) + ".bmp>");
    EXPECT_FALSE(w.CharacterImage->pixmap().isNull());
    EXPECT_TRUE(w.Shape1->isVisible());
    EXPECT_TRUE(w.TextLineImage->geometry().adjusted(-6, -6, 6, 6).contains(w.Shape1->geometry()));
    frameLefts.push_back(w.Shape1->x());
    if (n == 4) {
      std::filesystem::create_directories("/tmp/quelm-shots");
      EXPECT_TRUE(w.grab().save("/tmp/quelm-shots/tocr_question.png"));
    }
    Type(w, glyphs[n]);
  };
  const OcrOutcome first = TOCR::Recognize(ui_, Fixture(0), s, true);
  EXPECT_EQ(OpenWindow(), nullptr);  // closed by itself
  EXPECT_EQ(questions_, 12);
  EXPECT_FALSE(first.Aborted);
  EXPECT_EQ(first.VisibleLines, text);
  EXPECT_EQ(first.FinalCharColor, Ink);
  EXPECT_FALSE(first.KeepColors);
  ASSERT_EQ(frameLefts.size(), 12u);
  EXPECT_TRUE(std::is_sorted(frameLefts.begin(), frameLefts.end())) << "the frame walks along the line";
  EXPECT_LT(frameLefts.front() + 100, frameLefts.back());
  EXPECT_TRUE(ui_.Messages.empty());

  // The index was saved on closing: twelve pairs, in the order learned.
  const auto index = IndexLines(root_ + "chardict.ocr");
  ASSERT_EQ(index.size(), 24u);
  EXPECT_EQ(index[0], root_ + "char_0.bmp\r");
  EXPECT_EQ(index[1], "G\r");
  EXPECT_EQ(index[17], ",\r");

  // Second subtitle with the same glyphs: nothing asked, the same references.
  questions_ = 0;
  const OcrOutcome second = TOCR::Recognize(ui_, Fixture(0), s, true);
  EXPECT_EQ(questions_, 0);
  EXPECT_FALSE(second.Aborted);
  EXPECT_EQ(second.ReferenceLines, first.ReferenceLines);
  EXPECT_EQ(second.VisibleLines, text);
}

TEST_F(TOCRTest, SuggestionIsFilledInSelectedAndTakenWithEnterOrTypedOver) {
  // The engine takes the comma for a full stop; everything else it reads right.
  ScriptedEngine engine("Good morning. Sam.");
  RecognitionSettings s = Settings();
  s.Suggestions = &engine;
  const std::vector<std::string> glyphs = DistinctGlyphs({"Good morning, Sam."});
  const std::vector<std::string> words{"Good", "Good", "Good", "morning.", "morning.", "morning.",
                                       "morning.", "morning.", "morning.", "Sam.", "Sam.", "Sam."};
  onQuestion_ = [&](TOCR& w) {
    const std::size_t n = static_cast<std::size_t>(questions_ - 1);
    ASSERT_LT(n, glyphs.size());
    const QString suggested = QString::fromStdString(glyphs[n] == "," ? "." : glyphs[n]);
    EXPECT_EQ(w.EditAscii->text(), suggested) << n;
    EXPECT_EQ(w.EditAscii->selectedText(), suggested) << n;
    EXPECT_EQ(QApplication::focusWidget(), w.EditAscii);
    EXPECT_TRUE(w.LblSuggestion->isVisible());
    EXPECT_EQ(w.LblSuggestion->text().toStdString(), "Suggested from the word: " + words[n]);
    if (glyphs[n] == ",") {
      std::filesystem::create_directories("/tmp/quelm-shots");
      EXPECT_TRUE(w.grab().save("/tmp/quelm-shots/tocr_suggestion.png"));
      Type(w, ",");
    } else {
      QTest::keyClick(w.EditAscii, Qt::Key_Return);
    }
  };
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(0), s, true);
  EXPECT_EQ(questions_, 12);
  EXPECT_FALSE(o.Aborted);
  EXPECT_EQ(o.VisibleLines, std::vector<std::string>{"Good morning, Sam."});
  const auto index = IndexLines(root_ + "chardict.ocr");
  ASSERT_EQ(index.size(), 24u);
  EXPECT_EQ(index[17], ",\r");
}

TEST_F(TOCRTest, SkipCharacterDropsOnlyThatCharacter) {
  // "Good morning, Sam.": the comma is skipped, the space before "Sam" stays.
  onQuestion_ = [this](TOCR& w) {
    static const std::vector<std::string> glyphs{"G", "o", "d", "m", "r", "n", "i", "g", ",", "S", "a", "."};
    const std::string& glyph = glyphs.at(static_cast<std::size_t>(questions_ - 1));
    if (glyph == ",")
      QTest::mouseClick(w.BtnSkipChar, Qt::LeftButton);
    else
      Type(w, glyph);
  };
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(0), Settings(), true);
  EXPECT_FALSE(o.Aborted);
  EXPECT_EQ(o.VisibleLines, std::vector<std::string>{"Good morning\u25A1 Sam."});
  EXPECT_EQ(IndexLines(root_ + "chardict.ocr").size(), 22u);  // eleven learned
}

TEST_F(TOCRTest, AnEmptyAnswerIsTakenOnlyWhenTheUserSaysToIgnoreTheShape) {
  // At the comma: Enter on nothing, "No" (back to the question), Enter again, "Yes".
  ui_.Answers = {Answer::No, Answer::Yes};
  const std::vector<std::string> glyphs{"G", "o", "d", "m", "r", "n", "i", "g",
                                        "", "", "S", "a", "."};
  TypeAnswers(glyphs);
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(0), Settings(), true);
  EXPECT_EQ(questions_, 13);
  ASSERT_EQ(ui_.Questions.size(), 2u);
  EXPECT_NE(ui_.Questions[0].find("Ignore this shape from now on?"), std::string::npos);
  EXPECT_EQ(o.VisibleLines, std::vector<std::string>{"Good morning Sam."});
  const auto index = IndexLines(root_ + "chardict.ocr");
  ASSERT_EQ(index.size(), 24u);
  EXPECT_EQ(index[17], "\r");  // the comma, learned as nothing
}

TEST_F(TOCRTest, UndoByButtonOrCtrlZForgetsTheLastAnswerAndAsksAgain) {
  const auto asksAbout = [this](TOCR& w, int entry) {
    EXPECT_TRUE(w.UWEditAscii->text().endsWith(
        QString::fromStdString("char_" + std::to_string(entry) + ".bmp>")))
        << w.UWEditAscii->text().toStdString();
  };
  std::vector<std::function<void(TOCR&)>> steps{
      [](TOCR& w) {
        EXPECT_FALSE(w.BtnUndo->isEnabled());  // nothing answered yet
        EXPECT_TRUE(w.LblInstruction->isVisible());
        Type(w, "G");
      },
      [](TOCR& w) { Type(w, "0"); },  // o mistyped
      [](TOCR& w) {
        ASSERT_TRUE(w.BtnUndo->isEnabled());
        QTest::mouseClick(w.BtnUndo, Qt::LeftButton);
      },
      [&](TOCR& w) { asksAbout(w, 1), Type(w, "o"); },
      [](TOCR& w) { Type(w, "d"); },
      [](TOCR& w) { Type(w, "m"); },
      [](TOCR& w) { Type(w, "x"); },  // r mistyped
      [](TOCR& w) { QTest::keyClick(w.EditAscii, Qt::Key_Z, Qt::ControlModifier); },
      [&](TOCR& w) { asksAbout(w, 4), Type(w, "r"); },
  };
  for (const char* glyph : {"n", "i", "g", ",", "S", "a", "."})
    steps.push_back([glyph](TOCR& w) { Type(w, glyph); });
  onQuestion_ = [&](TOCR& w) {
    const std::size_t n = static_cast<std::size_t>(questions_ - 1);
    ASSERT_LT(n, steps.size()) << "more questions than expected";
    steps[n](w);
  };
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(0), Settings(), true);
  EXPECT_EQ(questions_, 16);
  EXPECT_FALSE(o.Aborted);
  EXPECT_EQ(o.VisibleLines, std::vector<std::string>{"Good morning, Sam."});
  const auto index = IndexLines(root_ + "chardict.ocr");
  ASSERT_EQ(index.size(), 24u);
  EXPECT_EQ(index[3], "o\r");
  EXPECT_EQ(index[9], "r\r");
}

TEST_F(TOCRTest, SkipTextlineDropsTheRestOfItsLineOnly) {
  // "Where are we now?" / "To the harbour.": skipped at the first "r"; the second line is read.
  onQuestion_ = [this](TOCR& w) {
    static const std::vector<std::string> glyphs{"W", "h", "e", "r", "T", "o", "t", "a", "r", "b", "u", "."};
    const std::string& glyph = glyphs.at(static_cast<std::size_t>(questions_ - 1));
    if (glyph == "r" && w.UWEditAscii->text().endsWith("char_3.bmp>"))
      QTest::mouseClick(w.BtnSkipTextline, Qt::LeftButton);
    else
      Type(w, glyph);
  };
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(1), Settings(), true);
  EXPECT_FALSE(o.Aborted);
  // The skipped "r" was not learned: "harbour" asks about it again.
  EXPECT_EQ(o.VisibleLines, (std::vector<std::string>{"Whe\u25A1", "To the harbour."}));
}

TEST_F(TOCRTest, AbortEndsTheRunButKeepsWhatWasLearned) {
  onQuestion_ = [this](TOCR& w) {
    if (questions_ == 3)
      QTest::mouseClick(w.BtnAbort, Qt::LeftButton);
    else
      Type(w, questions_ == 1 ? "G" : "o");
  };
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(0), Settings(), true);
  EXPECT_TRUE(o.Aborted);
  EXPECT_EQ(questions_, 3);
  EXPECT_EQ(OpenWindow(), nullptr);
  const auto index = IndexLines(root_ + "chardict.ocr");
  ASSERT_EQ(index.size(), 4u);
  EXPECT_EQ(index[1], "G\r");
  EXPECT_EQ(index[3], "o\r");
  EXPECT_FALSE(std::filesystem::exists(root_ + "char_2.bmp"));
}

TEST_F(TOCRTest, ChangeColorRestartsAndKeptColoursGoBackToTheMainWindow) {
  RecognitionSettings s = Settings();
  s.CharColor = Outline;  // index 2: the outlines are cut as characters
  const std::vector<std::string> glyphs = DistinctGlyphs({"Good morning, Sam."});
  int sinceChange = -1;
  onQuestion_ = [&](TOCR& w) {
    if (sinceChange < 0) {
      // First question, about an outline: next colour, which is the glyph fill.
      QTest::mouseClick(w.BtnChangeCharColor, Qt::LeftButton);
      sinceChange = 0;
      return;
    }
    if (sinceChange == 0) {
      EXPECT_EQ(w.UWEditAscii->text().toStdString(), "<" + root_ + "char_0.bmp>");  // from the top
      QTest::mouseClick(w.CheckKeepColors, Qt::LeftButton);
      EXPECT_TRUE(w.CheckKeepColors->isChecked());
      EXPECT_FALSE(w.BtnChangeCharColor->isEnabled());
      EXPECT_FALSE(w.CheckKeepColors->isEnabled());
    } else {
      EXPECT_FALSE(w.BtnChangeCharColor->isEnabled()) << "kept colours stay kept";
    }
    Type(w, glyphs.at(static_cast<std::size_t>(sinceChange++)));
  };
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(0), s, true);
  EXPECT_FALSE(o.Aborted);
  EXPECT_EQ(o.VisibleLines, std::vector<std::string>{"Good morning, Sam."});
  EXPECT_EQ(o.FinalCharColor, Ink);
  EXPECT_TRUE(o.KeepColors);
}

TEST_F(TOCRTest, AfterReadingAsksNothingAndWithoutAutoCloseWaitsForClose) {
  RecognitionSettings s = Settings();
  s.LearnAfterReading = true;
  onQuestion_ = [](TOCR&) { ADD_FAILURE() << "no question in after-reading mode"; };
  bool sawCloseEnabled = false;
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    TOCR* w = OpenWindow();
    if (w == nullptr || w->IsRunning()) return;
    // The run is over: only Close is left, and Escape does not count before it.
    EXPECT_FALSE(w->TimerAutoClose->isActive());
    EXPECT_FALSE(w->BtnAbort->isEnabled());
    sawCloseEnabled = w->BtnClose->isEnabled();
    QTest::mouseClick(w->BtnClose, Qt::LeftButton);
  });
  poll.start();
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(2), s, false);
  poll.stop();
  EXPECT_TRUE(sawCloseEnabled);
  EXPECT_FALSE(o.Aborted);
  ASSERT_EQ(o.VisibleLines.size(), 1u);
  // "The boat leaves at 9.": every glyph shows its own reference until it is named.
  const std::string first = "<" + root_ + "char_0.bmp>";
  EXPECT_EQ(o.VisibleLines[0].substr(0, first.size()), first);
  EXPECT_EQ(o.VisibleLines, o.ReferenceLines);
  EXPECT_TRUE(std::filesystem::exists(root_ + "char_0.bmp"));
}

// How the main window runs "all": one dictionary for every window, no pause after a run.
TEST_F(TOCRTest, WindowsOfOneSessionShareTheDictionaryAndCloseAtOnce) {
  RecognitionSettings s = Settings();
  s.LearnAfterReading = true;
  onQuestion_ = [](TOCR&) { ADD_FAILURE() << "no question in after-reading mode"; };
  DictionaryCache cache;
  OcrSession session;
  session.AutoCloseMs = 0;
  session.Dictionary = &cache;
  const OcrOutcome learned = TOCR::Recognize(ui_, Fixture(2), s, true, nullptr, session);
  ASSERT_FALSE(learned.Aborted);
  EXPECT_EQ(OpenWindow(), nullptr);
  const std::size_t entries = cache.Dictionary().Size();
  EXPECT_GT(entries, 10u);
  // Saved on closing, as every window does.
  EXPECT_EQ(IndexLines(root_ + "chardict.ocr").size(), 2 * entries);

  // A dictionary untouched for a while is not read again, nor written when nothing was learned.
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::filesystem::last_write_time(root_ + "chardict.ocr", old);
  std::filesystem::last_write_time(root_, old);
  const int reads = cache.Reads();
  const FileStamp index = StampOf(root_ + "chardict.ocr");
  for (int i = 0; i < 3; ++i) {
    TOCR w(ui_);
    w.SetSubpicture(Fixture(2));
    w.SetSettings(s, true);
    w.SetAutoCloseInterval(session.AutoCloseMs);
    w.SetDictionaryCache(&cache);
    w.exec();
    EXPECT_EQ(w.TimerAutoClose->interval(), 0);
    EXPECT_FALSE(w.Outcome().Aborted);
    EXPECT_EQ(w.Outcome().ReferenceLines, learned.ReferenceLines);
  }
  // Once: the stamp of its own save was too recent to vouch for the file.
  EXPECT_EQ(cache.Reads(), reads + 1);
  EXPECT_TRUE(index.Unchanged(StampOf(root_ + "chardict.ocr")));
  EXPECT_EQ(cache.Dictionary().Size(), entries);
  EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(TOCRTest, EscapeDoesNotCloseDuringAQuestion) {
  onQuestion_ = [this](TOCR& w) {
    if (questions_ == 1) {
      QTest::keyClick(&w, Qt::Key_Escape);
      EXPECT_TRUE(w.isVisible());
    }
    QTest::mouseClick(w.BtnAbort, Qt::LeftButton);
  };
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(0), Settings(), true);
  EXPECT_TRUE(o.Aborted);
  EXPECT_EQ(questions_, 1);
}

TEST_F(TOCRTest, UnreadableIndexIsReportedAndNeverOverwritten) {
  std::filesystem::create_directories(root_ + "chardict.ocr");  // a directory where the file goes
  onQuestion_ = [](TOCR&) { ADD_FAILURE() << "nothing to ask without a dictionary"; };
  const OcrOutcome o = TOCR::Recognize(ui_, Fixture(0), Settings(), true);
  EXPECT_TRUE(o.Aborted);
  EXPECT_TRUE(o.Failed);
  ASSERT_EQ(ui_.Messages.size(), 1u);
  EXPECT_EQ(ui_.Messages[0].Kind, MessageKind::Error);
  EXPECT_NE(ui_.Messages[0].Text.find(root_ + "chardict.ocr"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(root_ + "chardict.ocr"));
  EXPECT_FALSE(std::filesystem::exists(root_ + "char_0.bmp"));
}

}  // namespace
}  // namespace quelm
