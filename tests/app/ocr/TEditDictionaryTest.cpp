// The dictionary editor offscreen: tiles and their sizes, renaming written on close and seen by
// the script output, deletion with its question, its half-second delay and the second-click
// rule, vanished and missing files, tiles flowing into the width, the filter, the kept size.
#include "app/ocr/TEditDictionary.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/ocr/TAlignEdit.h"
#include "ocr/RecognitionRun.h"
#include "output/DictionaryLines.h"
#include "platform/BmpFile.h"
#include "settings/SettingsStore.h"
#include "support/QtTestApp.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDirTest.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

class TEditDictionaryTest : public test::TempDirTest {
 protected:
  void SetUp() override {
    test::EnsureQtApplication();
    TempDirTest::SetUp();
    ui_.OnProcessEvents = [] { QCoreApplication::processEvents(); };
  }

  // Writes char_N.bmp of the given sizes (a diagonal of ink so each is distinct) and the index.
  void MakeDictionary(const std::vector<std::pair<QSize, std::string>>& entries) {
    std::string index;
    for (std::size_t n = 0; n < entries.size(); ++n) {
      const QSize size = entries[n].first;
      Bitmap b(size.width(), size.height(), ColorWhite);
      for (int i = 0; i < std::min(size.width(), size.height()); ++i) b.SetPixel(i, i, ColorBlack);
      const std::string name = File(static_cast<int>(n));
      ASSERT_TRUE(WriteBmp(name, b, 1).Ok);
      index += name + "\r\n" + entries[n].second + "\r\n";
    }
    WriteText(root_ + "chardict.ocr", index);
  }
  std::string File(int n) const { return root_ + "char_" + std::to_string(n) + ".bmp"; }
  std::string Index() const { return ReadText(root_ + "chardict.ocr"); }

  test::ScriptedInteraction ui_;
};

TEST_F(TEditDictionaryTest, TilesInFileOrderWithTheirSizes) {
  MakeDictionary({{{10, 20}, "a"}, {{50, 20}, "b"}, {{20, 60}, "c"}});
  TEditDictionary w(ui_, root_);
  w.show();
  EXPECT_EQ(w.windowTitle(), "Dictionary");
  EXPECT_EQ(w.DeleteTimer->interval(), 500);
  EXPECT_FALSE(w.DeleteTimer->isActive());
  ASSERT_EQ(w.ItemList().size(), 3u);
  const std::vector<std::string> texts{"a", "b", "c"};
  // 10x20 three times; 50x20 capped at 110 wide; 20x60 capped at 110 high (36.7 wide).
  const std::vector<QRect> images{{50, 35, 30, 60}, {10, 43, 110, 44}, {47, 10, 37, 110}};
  for (std::size_t i = 0; i < 3; ++i) {
    const TDictionaryItem& item = *w.ItemList()[i];
    EXPECT_EQ(item.Index, static_cast<int>(i));
    EXPECT_EQ(item.FileName, File(static_cast<int>(i)));
    EXPECT_EQ(item.Text, texts[i]);
    EXPECT_EQ(item.Frame->geometry(), QRect(150 * static_cast<int>(i) + 5, 10, 140, 200));
    EXPECT_EQ(item.ImagePanel->geometry(), QRect(5, 5, 130, 135));
    EXPECT_EQ(item.Image->geometry(), images[i]) << i;
    EXPECT_EQ(item.Image->pixmap().size(), images[i].size());
    EXPECT_EQ(item.Edit->Text().toStdString(), texts[i]);
    EXPECT_EQ(item.Edit->Alignment(), Qt::AlignHCenter);
    EXPECT_TRUE(item.DeleteButton->text().isEmpty());
    EXPECT_FALSE(item.DeleteButton->icon().isNull());
  }
}

TEST_F(TEditDictionaryTest, FocusedTextIsBoldTwelvePointOthersRegularEight) {
  MakeDictionary({{{8, 12}, "a"}, {{9, 12}, "b"}});
  TEditDictionary w(ui_, root_);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  TAlignEdit* first = w.ItemList()[0]->Edit;
  TAlignEdit* second = w.ItemList()[1]->Edit;
  QTest::mouseClick(second->viewport(), Qt::LeftButton);
  ASSERT_TRUE(second->hasFocus());
  EXPECT_TRUE(second->font().bold());
  EXPECT_EQ(second->font().pointSize(), 12);
  EXPECT_FALSE(first->font().bold());
  EXPECT_EQ(first->font().pointSize(), 8);
  // Tab leaves the text for its own delete button, then the next tile's text.
  QTest::keyClick(second, Qt::Key_Tab);
  EXPECT_TRUE(w.ItemList()[1]->DeleteButton->hasFocus());
  EXPECT_FALSE(second->font().bold());
  EXPECT_EQ(second->font().pointSize(), 8);
}

TEST_F(TEditDictionaryTest, RenamedAfterReadingEntryReachesTheScriptOnClose) {
  // An "after reading" pass stores a glyph under its own reference.
  const Bitmap glyph = [] {
    Bitmap b(12, 10, 0x000000);
    for (int y = 1; y < 9; ++y) b.SetPixel(3, y, 0xFFFFFF);
    return b;
  }();
  RecognitionSettings s;
  s.Colors = {0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF};
  s.CharColor = 0xFFFFFF;
  s.BackgroundColor = 0x000000;
  s.DictionaryRoot = root_;
  s.LearnAfterReading = true;
  CharDictionary d;
  RecognitionRun run(d, s);
  const RecognitionResult r = run.UpdateDictionary(glyph);
  ASSERT_TRUE(d.Save(root_).Ok);
  const std::string reference = File(0);
  ASSERT_EQ(r.ReferenceLines, std::vector<std::string>{"<" + reference + ">"});
  EXPECT_EQ(*DictionaryLines::Load(root_).TextFor(reference), "<" + reference + ">");

  ui_.Answers = {Answer::Yes};
  QTimer::singleShot(0, [&] {
    auto* w = QApplication::activeModalWidget();
    ASSERT_NE(w, nullptr);
    auto* editor = static_cast<TEditDictionary*>(w);
    ASSERT_EQ(editor->ItemList().size(), 1u);
    TAlignEdit* edit = editor->ItemList()[0]->Edit;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "a");
    EXPECT_EQ(editor->ItemList()[0]->Text, "a");
    editor->close();
  });
  EXPECT_TRUE(TEditDictionary::Edit(ui_, root_));
  EXPECT_EQ(ui_.Questions, std::vector<std::string>{"Update textoutput too?"});
  EXPECT_EQ(Index(), reference + "\r\na\r\n");
  // What the script output reads for the reference now.
  EXPECT_EQ(*DictionaryLines::Load(root_).TextFor(reference), "a");
}

TEST_F(TEditDictionaryTest, UpdateAnsweredNoIsReportedAndTheSizeIsKept) {
  SettingsStore settings(root_ + "quelm.ini", ui_);
  QTimer::singleShot(0, [] {
    QApplication::activeModalWidget()->resize(500, 400);
    QApplication::activeModalWidget()->close();
  });
  EXPECT_FALSE(TEditDictionary::Edit(ui_, root_, nullptr, &settings));
  // No index before: closing writes an empty one.
  EXPECT_TRUE(fs::exists(root_ + "chardict.ocr"));
  EXPECT_EQ(Index(), "");

  QSize reopened;
  QTimer::singleShot(0, [&] {
    reopened = QApplication::activeModalWidget()->size();
    QApplication::activeModalWidget()->close();
  });
  TEditDictionary::Edit(ui_, root_, nullptr, &settings);
  EXPECT_EQ(reopened, QSize(500, 400));
}

TEST_F(TEditDictionaryTest, DeletionAsksThenWaitsHalfASecondAndIgnoresASecondClick) {
  MakeDictionary({{{8, 12}, "a"}, {{9, 12}, "b"}, {{10, 12}, "c"}});
  TEditDictionary w(ui_, root_);
  w.show();
  QPushButton* deleteB = w.ItemList()[1]->DeleteButton;
  QFrame* frameC = w.ItemList()[2]->Frame;

  ui_.Answers = {Answer::No};
  QTest::mouseClick(deleteB, Qt::LeftButton);
  ASSERT_EQ(ui_.Questions.size(), 1u);
  EXPECT_EQ(ui_.Questions[0], "Do you really want to delete \"b\" [char_1.bmp] ?");
  EXPECT_FALSE(w.DeleteTimer->isActive());
  EXPECT_EQ(w.ItemList().size(), 3u);

  ui_.Answers = {Answer::Yes};
  QTest::mouseClick(deleteB, Qt::LeftButton);
  EXPECT_EQ(ui_.Questions.size(), 2u);
  EXPECT_TRUE(w.DeleteTimer->isActive());
  EXPECT_EQ(w.ItemList().size(), 3u);  // not yet
  EXPECT_TRUE(fs::exists(File(1)));

  // Within the half second another delete button does nothing, not even ask.
  ui_.Answers = {Answer::Yes};
  QTest::mouseClick(w.ItemList()[2]->DeleteButton, Qt::LeftButton);
  EXPECT_EQ(ui_.Questions.size(), 2u);

  QTest::qWait(300);
  EXPECT_EQ(w.ItemList().size(), 3u) << "gone before half a second";
  QTest::qWait(400);
  ASSERT_EQ(w.ItemList().size(), 2u);
  EXPECT_EQ(w.ItemList()[0]->Text, "a");
  EXPECT_EQ(w.ItemList()[1]->Text, "c");
  EXPECT_EQ(frameC->geometry(), QRect(305, 10, 140, 200)) << "the gap stays";
  // The index changes only on close, and the file with it.
  EXPECT_NE(Index().find("char_1.bmp"), std::string::npos);
  EXPECT_TRUE(fs::exists(File(1)));
  w.close();
  EXPECT_EQ(Index(), File(0) + "\r\na\r\n" + File(2) + "\r\nc\r\n");
  EXPECT_FALSE(fs::exists(File(1)));
  EXPECT_TRUE(fs::exists(File(0)));
  EXPECT_TRUE(fs::exists(File(2)));
}

TEST_F(TEditDictionaryTest, ClosingWithoutSavingKeepsTheFileOfADeletedTile) {
  MakeDictionary({{{8, 12}, "a"}, {{9, 12}, "b"}});
  TEditDictionary w(ui_, root_);
  w.show();
  ui_.Answers = {Answer::Yes};
  QTest::mouseClick(w.ItemList()[1]->DeleteButton, Qt::LeftButton);
  QTest::qWait(700);
  ASSERT_EQ(w.ItemList().size(), 1u);
  // A directory in the index's place: it cannot be written.
  fs::remove(root_ + "chardict.ocr");
  fs::create_directories(root_ + "chardict.ocr/in_the_way");
  ui_.Answers = {Answer::Yes};  // close without saving
  w.close();
  ASSERT_EQ(ui_.Questions.size(), 2u);
  EXPECT_NE(ui_.Questions[1].find("Close without saving the changes?"), std::string::npos);
  EXPECT_TRUE(fs::exists(File(1)));
}

TEST_F(TEditDictionaryTest, TileWhoseFileVanishedCannotBeDeletedButIsKept) {
  MakeDictionary({{{8, 12}, "a"}, {{9, 12}, "b"}});
  TEditDictionary w(ui_, root_);
  w.show();
  fs::remove(File(0));
  ui_.Answers = {Answer::Yes};
  QTest::mouseClick(w.ItemList()[0]->DeleteButton, Qt::LeftButton);
  EXPECT_TRUE(ui_.Questions.empty());
  EXPECT_FALSE(w.DeleteTimer->isActive());
  w.close();
  EXPECT_EQ(Index(), File(0) + "\r\na\r\n" + File(1) + "\r\nb\r\n");
}

TEST_F(TEditDictionaryTest, EntriesWhoseFileIsMissingAtOpeningStayInTheIndex) {
  // A moved dictionary: the listed files are elsewhere. Closing must not empty the index.
  MakeDictionary({{{8, 12}, "a"}});
  const std::string moved = "/nonexistent/quelm/old/char_7.bmp";
  WriteText(root_ + "chardict.ocr", moved + "\r\nx\r\n" + File(0) + "\r\na\r\n");
  TEditDictionary w(ui_, root_);
  w.show();
  ASSERT_EQ(w.ItemList().size(), 2u);
  EXPECT_TRUE(w.ItemList()[0]->Unloaded);
  EXPECT_EQ(w.ItemList()[0]->Image->text(), "file missing");
  w.ItemList()[1]->Edit->SetText("A");
  w.close();
  EXPECT_EQ(Index(), moved + "\r\nx\r\n" + File(0) + "\r\nA\r\n");
}

TEST_F(TEditDictionaryTest, UnconfirmedEntriesComeFirstMarkedAndAreConfirmedByButtonEnterOrText) {
  MakeDictionary({{{8, 12}, "a"}, {{9, 12}, "b"}, {{10, 12}, "c"}, {{11, 12}, "d"}, {{12, 12}, "e"}});
  // All but "a" were named from suggestions.
  WriteText(root_ + "chardict.unconfirmed", File(1) + "\tb\t3\tb\t1\th\n" + File(2) + "\tc\t2\tc\n" +
                                                File(3) + "\td\t2\td\t1\tcl\n" + File(4) + "\te\t1\te\n");
  TEditDictionary w(ui_, root_);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  const auto& items = w.ItemList();
  ASSERT_EQ(items.size(), 5u);
  ASSERT_NE(w.LblUnconfirmed, nullptr);
  EXPECT_EQ(w.LblUnconfirmed->text(), "Named automatically, not yet confirmed");
  EXPECT_TRUE(w.LblUnconfirmed->isVisible());
  // Kept in file order, shown as a group of their own before the rest.
  EXPECT_EQ(items[0]->Text, "a");
  EXPECT_EQ(items[1]->Text, "b");
  EXPECT_EQ(items[0]->ConfirmButton, nullptr);
  EXPECT_FALSE(w.UnconfirmedGroup->geometry().contains(items[0]->Frame->geometry()));
  for (std::size_t i = 1; i < 5; ++i) {
    EXPECT_TRUE(w.UnconfirmedGroup->geometry().contains(items[i]->Frame->geometry())) << i;
    EXPECT_LT(items[i]->Frame->y(), items[0]->Frame->y()) << i;
    ASSERT_NE(items[i]->ConfirmButton, nullptr);
    EXPECT_EQ(items[i]->ConfirmButton->text(), "Confirm");
    EXPECT_TRUE(items[i]->ConfirmButton->isVisible());
    EXPECT_TRUE(items[i]->Mark->isVisible());
  }
  EXPECT_LT(items[1]->Frame->x(), items[2]->Frame->x());
  EXPECT_NE(items[1]->Frame->toolTip().indexOf("\"b\" 3, \"h\" 1"), -1)
      << items[1]->Frame->toolTip().toStdString();

  QTest::mouseClick(items[1]->ConfirmButton, Qt::LeftButton);
  EXPECT_FALSE(items[1]->ConfirmButton->isVisible());
  EXPECT_FALSE(items[1]->Mark->isVisible());
  items[2]->Edit->setFocus();
  QTest::keyClick(items[2]->Edit, Qt::Key_Return);
  EXPECT_FALSE(items[2]->Mark->isVisible());
  EXPECT_EQ(items[2]->Edit->Text(), "c");
  items[4]->Edit->setFocus();
  items[4]->Edit->selectAll();
  QTest::keyClicks(items[4]->Edit, "f");
  EXPECT_FALSE(items[4]->Mark->isVisible());
  EXPECT_TRUE(items[3]->Mark->isVisible());
  w.close();
  EXPECT_EQ(Index(), File(0) + "\r\na\r\n" + File(1) + "\r\nb\r\n" + File(2) + "\r\nc\r\n" + File(3) +
                         "\r\nd\r\n" + File(4) + "\r\nf\r\n");
  // The one left open keeps its votes.
  EXPECT_EQ(ReadText(root_ + "chardict.unconfirmed"), File(3) + "\td\t2\td\t1\tcl\n");
}

TEST_F(TEditDictionaryTest, TilesFlowIntoTheWidthScrollDownToTheLastAndFollowTheFocus) {
  std::vector<std::pair<QSize, std::string>> entries;
  for (int i = 0; i < 7; ++i) entries.push_back({{8 + i, 12}, std::string(1, static_cast<char>('a' + i))});
  MakeDictionary(entries);
  TEditDictionary w(ui_, root_);
  w.resize(520, 420);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  auto frame = [&](int i) { return w.ItemList()[static_cast<std::size_t>(i)]->Frame; };
  QScrollBar* bar = w.ScrollBox1->verticalScrollBar();
  auto visible = [&](int i) {
    return w.ScrollBox1->viewport()->rect().contains(
        QRect(frame(i)->mapTo(w.ScrollBox1->viewport(), QPoint(0, 0)), frame(i)->size()));
  };
  ASSERT_GE(w.ScrollBox1->viewport()->width(), 455);
  ASSERT_LT(w.ScrollBox1->viewport()->width(), 605);
  // Three tiles a row.
  EXPECT_EQ(frame(2)->pos(), QPoint(305, 10));
  EXPECT_EQ(frame(3)->pos(), QPoint(5, 220));
  EXPECT_EQ(frame(6)->pos(), QPoint(5, 430));
  EXPECT_EQ(bar->value(), 0);
  EXPECT_FALSE(visible(6));
  bar->setValue(bar->maximum());
  EXPECT_TRUE(visible(6));

  bar->setValue(0);
  w.ItemList()[5]->Edit->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_TRUE(visible(5));

  // Wide enough for all seven: one row, nothing to scroll.
  w.resize(1120, 420);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame(6)->pos(), QPoint(905, 10));
  EXPECT_EQ(bar->maximum(), 0);
}

TEST_F(TEditDictionaryTest, FilterByTextEmptyOrUnconfirmedAndEmptyEntriesAreMarked) {
  MakeDictionary({{{8, 12}, "a"}, {{9, 12}, ""}, {{10, 12}, "ba"}, {{11, 12}, "A"}, {{12, 12}, ""}});
  WriteText(root_ + "chardict.unconfirmed", File(3) + "\tA\t1\tA\n");
  TEditDictionary w(ui_, root_);
  w.resize(800, 540);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  const auto& items = w.ItemList();
  auto shown = [&] {
    std::string texts;
    for (const auto& item : items)
      if (item->Frame->isVisible()) texts += "[" + item->Text + "]";
    return texts;
  };
  EXPECT_EQ(w.LblCount->text(), "Entries: 5");
  EXPECT_FALSE(items[0]->EmptyMark->isVisible());
  EXPECT_TRUE(items[1]->EmptyMark->isVisible());
  EXPECT_TRUE(items[4]->EmptyMark->isVisible());

  // Case counts; the shown tiles close up.
  QTest::keyClicks(w.EditFilter, "a");
  EXPECT_EQ(shown(), "[a][ba]");
  EXPECT_EQ(items[2]->Frame->pos(), QPoint(155, 10));
  EXPECT_EQ(w.LblCount->text(), "Shown: 2 of 5");

  w.EditFilter->clear();
  EXPECT_EQ(w.ComboFilter->itemText(1), "Empty text (2)");
  w.ComboFilter->setCurrentIndex(1);
  EXPECT_EQ(shown(), "[][]");
  // Named here, the tile stays until the filter changes; its mark goes at once.
  items[1]->Edit->setFocus();
  QTest::keyClicks(items[1]->Edit, "o");
  EXPECT_FALSE(items[1]->EmptyMark->isVisible());
  EXPECT_EQ(shown(), "[o][]");
  EXPECT_EQ(w.ComboFilter->itemText(1), "Empty text (1)");

  w.ComboFilter->setCurrentIndex(2);
  EXPECT_EQ(shown(), "[A]");
  w.ComboFilter->setCurrentIndex(0);
  EXPECT_EQ(shown(), "[a][o][ba][A][]");
  w.close();
  EXPECT_EQ(Index(), File(0) + "\r\na\r\n" + File(1) + "\r\no\r\n" + File(2) + "\r\nba\r\n" +
                         File(3) + "\r\nA\r\n" + File(4) + "\r\n\r\n");
}

TEST_F(TEditDictionaryTest, ScreenshotWithTwentyRealGlyphs) {
  // The glyphs of the fixture subtitles, taught with their own texts.
  std::vector<std::vector<std::string>> texts{{"Good morning, Sam."},
                                              {"Where are we now?", "To the harbour."}};
  RecognitionSettings s;
  s.Colors = {0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF};
  s.CharColor = 0xFFFFFF;
  s.BackgroundColor = 0x000000;
  s.SpaceWidth = 20;
  s.DictionaryRoot = root_;
  CharDictionary d;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const BmpReadResult bmp =
        ReadBmp(std::string(QUELM_TEST_DATA) + "/ocr/mono_" + std::to_string(i) + ".bmp");
    ASSERT_TRUE(bmp.Outcome.Ok);
    RecognitionRun run(d, s);
    run.AskCharacter = [&](const CharacterQuestion& q) {
      std::string nonBlank;
      for (char c : texts[i].at(static_cast<std::size_t>(q.LineIndex)))
        if (c != ' ') nonBlank += c;
      return CharacterAnswer{AnswerKind::Text,
                             std::string(1, nonBlank.at(static_cast<std::size_t>(q.CharacterIndex))),
                             false};
    };
    ASSERT_FALSE(run.UpdateDictionary(bmp.Image).Aborted);
  }
  ASSERT_TRUE(d.Save(root_).Ok);
  ASSERT_GE(d.Size(), 20u);

  TEditDictionary w(ui_, root_);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_EQ(w.ItemList().size(), d.Size());
  w.ItemList()[1]->Edit->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  fs::create_directories("/tmp/quelm-shots");
  EXPECT_TRUE(w.grab().save("/tmp/quelm-shots/teditdictionary.png"));
  w.ScrollBox1->verticalScrollBar()->setValue(w.ScrollBox1->verticalScrollBar()->maximum());
  EXPECT_TRUE(w.grab().save("/tmp/quelm-shots/teditdictionary_end.png"));
  w.close();

  // Three of them as if named from suggestions, one with votes that disagree.
  for (std::size_t k : {3u, 7u, 8u}) d.SetUnconfirmed(k, true);
  d.SetVotes(7, {{"i", 2}, {"l", 1}});
  ASSERT_TRUE(d.Save(root_).Ok);
  TEditDictionary again(ui_, root_);
  again.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
  again.ItemList()[7]->Edit->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_TRUE(again.grab().save("/tmp/quelm-shots/teditdictionary_unconfirmed.png"));
  again.close();
}

}  // namespace
}  // namespace quelm
