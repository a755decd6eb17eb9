// The output format editor, clicked through its own menu bar: loading, line counts, saving with
// blanks and empty lines, "unknown" for an empty name, a refused write, and the format menu
// rebuilt after the editor closes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/TOutputIniEditor.h"
#include "output/OutputFormat.h"
#include "support/PeripheryTestFiles.h"
#include "support/QtTestApp.h"
#include "support/ScriptedInteraction.h"

namespace quelm::test {
namespace {

void ClickCommand(TOutputIniEditor& editor, QAction* command) {
  QTest::mouseClick(editor.MainMenu1, Qt::LeftButton, Qt::NoModifier,
                    editor.MainMenu1->actionGeometry(command).center());
}

class OutputIniEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureQtApplication();
    ASSERT_TRUE(dir_.isValid());
  }
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
  std::unique_ptr<TOutputIniEditor> Open(const std::string& iniFileName) {
    auto editor = std::make_unique<TOutputIniEditor>(ui_, dir_.path().toStdString());
    editor->IniFileName = iniFileName;
    editor->show();
    QCoreApplication::processEvents();
    return editor;
  }

  QTemporaryDir dir_;
  ScriptedInteraction ui_;
};

TEST_F(OutputIniEditorTest, ReferenceMenuAndCaptionsAsDesigned) {
  auto editor = Open(Path("none.ini"));
  EXPECT_EQ(editor->windowTitle(), "Output INI Editor");
  const QStringList reference = editor->MemoTagInfo->toPlainText().split('\n');
  ASSERT_GE(reference.size(), 2);
  EXPECT_EQ(reference[0],
            "A tag is between the characters < and >. Use << if you want to add a hard < "
            "character and >> for a hard > character.");
  EXPECT_EQ(reference[1],
            "You can use the following tags that will be filled with the data found in the "
            "subpictures:");
  EXPECT_TRUE(reference.contains("Note: Use only SUBPIC_SPLT or use SUBPIC_BOLN with SUBPIC_EOLN. "
                                 "If you mix them the last tag counts! Use them before your "
                                 "SUBPIC tag!"));
  EXPECT_TRUE(reference.contains("Example: <MATH_START><CC><MATH_MUL><MATH_VALUE=10><MATH_ADD><SS>"));
  // Every tag of the engine is described.
  const QString all = editor->MemoTagInfo->toPlainText();
  for (const char* tag :
       {"<HH", "<H>", "<MM>", "<M>", "<SS>", "<S>", "<CC>", "<C>", "<CR>", "<SUBPIC_SPLT=",
        "<SUBPIC_BOLN=", "<SUBPIC_EOLN=", "<SUBPIC>", "<SUB_NR>", "<DATE_DDDD>", "<DATE_DD>",
        "<DATE_MMMM>", "<DATE_MM>", "<DATE_YYYY>", "<DATE_YY>", "<DATE_HH>", "<DATE_H>",
        "<DATE_NN>", "<DATE_N>", "<DATE_SS>", "<DATE_S>", "<C1R>", "<C1G>", "<C1B>", "<C4B>",
        "<MATH_ADD>", "<MATH_SUB>", "<MATH_MUL>", "<MATH_DIV>", "<MATH_START>", "<MATH_RESULT>",
        "<MATH_VALUE=", "<MATH_WIDTH=", "<START=", "<END=", "<DURATION=", "<INDEX>", "<FORCED>",
        "skip_version_record=1"})
    EXPECT_TRUE(all.contains(QString::fromLatin1(tag))) << tag;
  EXPECT_TRUE(editor->MemoTagInfo->isReadOnly());

  const QList<QAction*> commands = editor->MainMenu1->actions();
  ASSERT_EQ(commands.size(), 4);
  EXPECT_EQ(commands[0]->text(), "E&xit without saving     ");
  EXPECT_EQ(commands[1]->text(), "Exit and &save     ");
  EXPECT_EQ(commands[2]->text(), "Open existing ini     ");
  EXPECT_EQ(commands[3]->text(), "&Clear all     ");
  for (QAction* command : commands) EXPECT_EQ(command->menu(), nullptr);

  EXPECT_EQ(editor->EditIniName->text(), "Custom name");
  EXPECT_EQ(editor->Label1->text(), "INI Name :");
  EXPECT_EQ(editor->MemoTagInfo->width(), editor->Panel1->width() - 15);
  editor->resize(900, 546);
  QCoreApplication::processEvents();
  EXPECT_EQ(editor->MemoTagInfo->width(), editor->Panel1->width() - 15);
}

TEST_F(OutputIniEditorTest, OpeningLoadsTheFileAndCaptionsCountTheLines) {
  WriteText(Path("a.ini"),
            "[ini_info]\nname=Mine\n[header]\n0=h1\n1=\"  h2\"\n[body]\n0=b1\n1=\"\"\n2=b3\n"
            "[footer]\n0=f\n");
  auto editor = Open(Path("a.ini"));
  EXPECT_EQ(editor->EditIniName->text(), "Mine");
  EXPECT_EQ(editor->MemoHeader->toPlainText(), "h1\n  h2");
  EXPECT_EQ(editor->MemoBody->toPlainText(), "b1\n\nb3");
  EXPECT_EQ(editor->GroupBox1->title(), " Header (once) (2 lines)");
  EXPECT_EQ(editor->GroupBox2->title(), " Repeating subpicture structure (3 lines)");
  EXPECT_EQ(editor->GroupBox3->title(), " Footer (once) (1 lines)");

  // Typing a line end adds a line at once.
  editor->MemoFooter->setFocus();
  editor->MemoFooter->moveCursor(QTextCursor::End);
  QTest::keyClick(editor->MemoFooter, Qt::Key_Return);
  QTest::keyClicks(editor->MemoFooter, "more");
  EXPECT_EQ(editor->GroupBox3->title(), " Footer (once) (2 lines)");

  ClickCommand(*editor, editor->Clearall1);
  EXPECT_EQ(editor->GroupBox1->title(), " Header (once) (0 lines)");
  EXPECT_TRUE(editor->MemoBody->toPlainText().isEmpty());
  EXPECT_EQ(editor->EditIniName->text(), "Mine");
  EXPECT_TRUE(editor->isVisible());
}

TEST_F(OutputIniEditorTest, BlanksEmptyLinesAndAnEmptyNameSurviveARoundTrip) {
  auto editor = Open(dir_.path().toStdString() + "/");
  EXPECT_EQ(editor->EditIniName->text(), "Custom name");
  EXPECT_TRUE(editor->MemoHeader->toPlainText().isEmpty());
  editor->MemoHeader->setPlainText("  two blanks each side  \n\nafter an empty line");
  editor->MemoBody->setPlainText("<HH>:<MM>:<SS>\n<SUBPIC>\n");
  editor->MemoFooter->setPlainText("   ");
  editor->EditIniName->clear();
  ui_.SaveFiles.push_back(Path("round.ini"));
  ClickCommand(*editor, editor->Exitandsave1);

  ASSERT_EQ(ui_.SaveRequests.size(), 1u);
  EXPECT_EQ(ui_.SaveRequests[0].ProposedName, dir_.path().toStdString() + "/");
  EXPECT_EQ(ui_.SaveRequests[0].Directory, dir_.path().toStdString());
  EXPECT_EQ(ui_.SaveRequests[0].Filter, "ini (*.ini);;all files (*)");
  EXPECT_EQ(editor->EditIniName->text(), "unknown");
  EXPECT_FALSE(editor->isVisible());
  EXPECT_TRUE(ui_.Messages.empty());

  const std::string text = ReadText(Path("round.ini"));
  EXPECT_NE(text.find("name=unknown"), std::string::npos);
  EXPECT_NE(text.find("0=\"  two blanks each side  \""), std::string::npos);
  EXPECT_NE(text.find("1=\"\""), std::string::npos);
  EXPECT_NE(text.find("0=\"   \""), std::string::npos);

  auto again = Open(Path("round.ini"));
  EXPECT_EQ(again->EditIniName->text(), "unknown");
  EXPECT_EQ(again->MemoHeader->toPlainText(), "  two blanks each side  \n\nafter an empty line");
  // The line the trailing line end opened is a line too, kept as an empty one.
  EXPECT_EQ(again->MemoBody->toPlainText(), "<HH>:<MM>:<SS>\n<SUBPIC>\n");
  EXPECT_EQ(again->GroupBox2->title(), " Repeating subpicture structure (3 lines)");
  EXPECT_EQ(again->MemoFooter->toPlainText(), "   ");
}

TEST_F(OutputIniEditorTest, ATemplateOfOneEmptyLineStaysOneLine) {
  WriteText(Path("gap.ini"), "[ini_info]\nname=Gap\n[body]\n0=\"\"\n");
  auto editor = Open(Path("gap.ini"));
  EXPECT_EQ(editor->GroupBox2->title(), " Repeating subpicture structure (1 lines)");
  EXPECT_EQ(editor->GroupBox1->title(), " Header (once) (0 lines)");
  ui_.SaveFiles.push_back(Path("gap.ini"));
  ClickCommand(*editor, editor->Exitandsave1);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(OutputFormat::Read(Path("gap.ini")).Body, std::vector<std::string>{""});
}

TEST_F(OutputIniEditorTest, HeaderLineWithTheMarkerTextEndsTheHeaderWhenReadBack) {
  auto editor = Open(Path("new.ini"));
  editor->MemoHeader->setPlainText("kept\nHEADERREADERROR!!!\nlost");
  ui_.SaveFiles.push_back(Path("marker.ini"));
  ClickCommand(*editor, editor->Exitandsave1);
  auto again = Open(Path("marker.ini"));
  EXPECT_EQ(again->MemoHeader->toPlainText(), "kept");
  EXPECT_EQ(again->EditIniName->text(), "Custom name");
}

TEST_F(OutputIniEditorTest, UnwritableFileShowsTheMessageAndTheEditorStaysOpen) {
  WriteText(Path("file"), "x");
  const std::string target = Path("file") + "/f.ini";
  auto editor = Open(Path("new.ini"));
  editor->MemoBody->setPlainText("body");
  ui_.SaveFiles.push_back(target);
  ClickCommand(*editor, editor->Exitandsave1);
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"Unable to write to " + target});
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->MemoBody->toPlainText(), "body");

  // Cancelling the dialog writes nothing and keeps the editor open as well.
  ClickCommand(*editor, editor->Exitandsave1);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(ui_.Messages.size(), 1u);

  ClickCommand(*editor, editor->Exit1);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("new.ini"))));
}

TEST_F(OutputIniEditorTest, OpenExistingLoadsAnotherFileButSaveProposesTheFirst) {
  WriteText(Path("a.ini"), "[ini_info]\nname=A\n[body]\n0=a\n");
  WriteText(Path("b.ini"), "[ini_info]\nname=B\n[body]\n0=b\n1=bb\n");
  auto editor = Open(Path("a.ini"));
  ui_.OpenFiles.push_back(Path("b.ini"));
  ClickCommand(*editor, editor->Openexistingini1);
  ASSERT_EQ(ui_.OpenRequests.size(), 1u);
  EXPECT_EQ(ui_.OpenRequests[0].Directory, Path("custom.ini"));
  EXPECT_EQ(editor->EditIniName->text(), "B");
  EXPECT_EQ(editor->MemoBody->toPlainText(), "b\nbb");

  // A file typed into the dialog that does not exist changes nothing.
  ui_.OpenFiles.push_back(Path("typed.ini"));
  ClickCommand(*editor, editor->Openexistingini1);
  EXPECT_EQ(editor->EditIniName->text(), "B");

  ClickCommand(*editor, editor->Exitandsave1);  // cancelled
  ASSERT_EQ(ui_.SaveRequests.size(), 1u);
  EXPECT_EQ(ui_.SaveRequests[0].ProposedName, Path("a.ini"));
}

// Through the main window: the editor opens on the current format and the Output menu is
// rebuilt after it closes.
class OutputIniEditorMenuTest : public MainWindowTest {};

TEST_F(OutputIniEditorMenuTest, RenamingTheCurrentFormatLeavesNoFormatChecked) {
  QTemporaryDir formats;
  const std::string dir = formats.path().toStdString();
  WriteText(dir + "/a.ini", "[ini_info]\nname=First\n[body]\n0=\"<SUBPIC>\"\n");
  TMain& window = Start();
  window.SetFormatDirectory(dir);
  window.CreateOutputIniMenu();
  QMenu* output = Find<QMenu>("Output1");
  auto* field = Find<QLineEdit>("EditIniXOutput");
  ASSERT_EQ(output->actions().size(), 3);
  QAction* first = output->actions()[2];
  first->trigger();
  EXPECT_EQ(field->text(), "First : a.ini");

  std::string openedFor;
  QTimer::singleShot(0, [&] {
    auto* editor = qobject_cast<TOutputIniEditor*>(QApplication::activeModalWidget());
    ASSERT_NE(editor, nullptr);
    openedFor = editor->IniFileName;
    EXPECT_EQ(editor->EditIniName->text(), "First");
    editor->EditIniName->setText("Renamed");
    ui_.SaveFiles.push_back(dir + "/a.ini");
    ClickCommand(*editor, editor->Exitandsave1);
  });
  Action("EditCustomIni1")->trigger();

  EXPECT_EQ(openedFor, dir + "/a.ini");
  const QList<QAction*> items = output->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[2]->text(), "Renamed : a.ini");
  EXPECT_FALSE(items[2]->isChecked());
  EXPECT_EQ(field->text(), "First : a.ini");

  // A format saved under a new name appears as a new item after the next closing.
  QTimer::singleShot(0, [&] {
    auto* editor = qobject_cast<TOutputIniEditor*>(QApplication::activeModalWidget());
    ASSERT_NE(editor, nullptr);
    editor->EditIniName->setText("Second");
    ui_.SaveFiles.push_back(dir + "/b.ini");
    ClickCommand(*editor, editor->Exitandsave1);
  });
  Action("EditCustomIni1")->trigger();
  ASSERT_EQ(output->actions().size(), 4);
  EXPECT_EQ(output->actions()[3]->text(), "Second : b.ini");
}

}  // namespace
}  // namespace quelm::test
