// The tool list window and the Tools menu: adding, renaming and deleting tools, keys past ten,
// storing on close, and starting a program whose path holds blanks.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/TToolList.h"
#include "support/PeripheryTestFiles.h"

namespace quelm::test {
namespace {

class ToolListTest : public MainWindowTest {
 protected:
  // An executable shell script; when it runs it writes "ran" into `marker`, if one is given.
  std::string Program(const QString& relative, const std::string& marker = std::string()) {
    const QString path = tools_.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The marker appears whole or not at all: the test may look between creating and writing.
    WriteText(path.toStdString(),
              marker.empty() ? std::string("#!/bin/sh\n:\n")
                             : "#!/bin/sh\necho ran > '" + marker + ".part' && mv '" + marker +
                                   ".part' '" + marker + "'\n");
    ::chmod(path.toLocal8Bit().constData(), 0755);
    return path.toStdString();
  }
  QStringList ToolCaptions() {
    QStringList captions;
    const QList<QAction*> items = Find<QMenu>("Tools1")->actions();
    for (qsizetype i = 2; i < items.size(); ++i) captions.append(items[i]->text());
    return captions;
  }
  // Opens the tool list from the menu and runs `act` on it while it is shown.
  void EditTools(const std::function<void(TToolList&)>& act) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      auto* list = qobject_cast<TToolList*>(QApplication::activeModalWidget());
      ASSERT_NE(list, nullptr);
      act(*list);
      ran = true;
      if (list->isVisible()) list->BitBtn2->click();
    });
    Action("Edittoollist1")->trigger();
    EXPECT_TRUE(ran);
  }
  void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
  }

  QTemporaryDir tools_;
};

TEST_F(ToolListTest, TwoNewToolsAreStoredAsUnknownAndListedInTheMenu) {
  const std::string a = Program("a.sh");
  const std::string b = Program("b.sh");
  Start();
  EXPECT_EQ(Find<QMenu>("Tools1")->actions()[0]->text(), "&Edit tools...");
  EXPECT_TRUE(Find<QMenu>("Tools1")->actions()[1]->isSeparator());
  EXPECT_TRUE(ToolCaptions().isEmpty());
  ui_.OpenFiles = {a, b};
  EditTools([&](TToolList& list) {
    EXPECT_EQ(list.windowTitle(), "Edit tools");
    EXPECT_EQ(list.size(), QSize(490, 214));
    EXPECT_FALSE(list.ListBox2->isEnabled());
    list.BtnInsertTool->click();
    list.BtnInsertTool->click();
    EXPECT_EQ(list.ListBox1->count(), 2);
    EXPECT_EQ(list.ListBox2->item(1)->text().toStdString(), b);
  });
  ASSERT_EQ(ui_.OpenRequests.size(), 2u);
  EXPECT_EQ(ui_.OpenRequests[0].Filter, TToolList::ProgramFilter);
  const auto tools = Section("tools");
  EXPECT_EQ(tools.size(), 2u);
  EXPECT_EQ(tools.at("0_unknown"), "\"" + a + "\"");
  EXPECT_EQ(tools.at("1_unknown"), "\"" + b + "\"");
  EXPECT_EQ(ToolCaptions(), (QStringList{"0_unknown", "1_unknown"}));
}

TEST_F(ToolListTest, EleventhToolComesBackWithItsPlainNameAndRenamingRenamesTheMenuItem) {
  std::string text = "[tools]\n";
  for (int i = 0; i < 11; ++i)
    text += std::to_string(i) + "_tool" + std::to_string(i) + "=\"/bin/p" + std::to_string(i) + "\"\n";
  WriteSettings(text);
  Start();
  ASSERT_EQ(ToolCaptions().size(), 11);
  EXPECT_EQ(ToolCaptions()[10], "10_tool10");
  EditTools([&](TToolList& list) {
    ASSERT_EQ(list.ListBox1->count(), 11);
    EXPECT_EQ(list.ListBox1->item(10)->text(), "tool10");
    EXPECT_EQ(list.ListBox2->item(10)->text(), "/bin/p10");
    EXPECT_TRUE(list.EditToolName->text().isEmpty());
    ClickRow(list.ListBox1, 0);
    EXPECT_EQ(list.EditToolName->text(), "tool0");
    EXPECT_EQ(list.EditToolFile->text(), "/bin/p0");
    list.EditToolName->selectAll();
    QTest::keyClicks(list.EditToolName, "Player");
    EXPECT_EQ(list.ListBox1->item(0)->text(), "Player");
  });
  const QStringList captions = ToolCaptions();
  ASSERT_EQ(captions.size(), 11);
  EXPECT_EQ(captions[0], "0_Player");
  EXPECT_EQ(captions[9], "9_tool9");
  EXPECT_EQ(captions[10], "10_tool10");
  // File order, 10_ after 9_.
  const std::string stored = SettingsBytes();
  EXPECT_LT(stored.find("9_tool9="), stored.find("10_tool10="));
  EXPECT_NE(stored.find("0_Player=\"/bin/p0\""), std::string::npos);
}

TEST_F(ToolListTest, DeletingShowsTheFirstToolWithoutSelectingIt) {
  WriteSettings("[tools]\n0_one=\"/bin/one\"\n1_two=\"/bin/two\"\n2_three=\"/bin/three\"\n");
  Start();
  EditTools([&](TToolList& list) {
    ClickRow(list.ListBox1, 1);
    list.BitBtn1->click();
    EXPECT_EQ(list.ListBox1->count(), 2);
    EXPECT_EQ(list.ListBox2->item(1)->text(), "/bin/three");
    EXPECT_EQ(list.EditToolName->text(), "one");
    EXPECT_EQ(list.EditToolFile->text(), "/bin/one");
    // With no tool selected an edit changes no entry.
    QTest::keyClicks(list.EditToolName, "X");
    EXPECT_EQ(list.ListBox1->item(0)->text(), "one");
    list.BitBtn1->click();  // nothing selected: nothing deleted
    EXPECT_EQ(list.ListBox1->count(), 2);
  });
  EXPECT_EQ(ToolCaptions(), (QStringList{"0_one", "1_three"}));
}

TEST_F(ToolListTest, BrowseFillsThePathAndAFileThatCannotRunIsRefused) {
  const std::string program = Program("run.sh");
  const std::string data = tools_.filePath("data.txt").toStdString();
  WriteText(data, "text");
  WriteSettings("[tools]\n0_one=\"/bin/one\"\n");
  Start();
  ui_.OpenFiles = {data, program};
  EditTools([&](TToolList& list) {
    ClickRow(list.ListBox1, 0);
    list.Button1->click();
    EXPECT_EQ(list.EditToolFile->text(), "/bin/one");
    list.Button1->click();
    EXPECT_EQ(list.EditToolFile->text().toStdString(), program);
    EXPECT_EQ(list.ListBox2->item(0)->text().toStdString(), program);
  });
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{data + " is not an executable program"});
  EXPECT_EQ(Section("tools").at("0_one"), "\"" + program + "\"");
}

TEST_F(ToolListTest, ToolWithBlanksInItsPathStartsWithoutWaiting) {
  const std::string marker = tools_.filePath("marker").toStdString();
  const std::string program = Program("dir with blanks/my tool.sh", marker);
  WriteSettings("[tools]\n0_Tool=\"" + program + "\"\n1_Gone=\"/no/such/program\"\n");
  Start();
  QList<QAction*> items = Find<QMenu>("Tools1")->actions();
  ASSERT_EQ(items.size(), 4);
  items[3]->trigger();  // a file that has gone: nothing happens, nothing is said
  EXPECT_TRUE(ui_.Messages.empty());
  items[2]->trigger();
  EXPECT_TRUE(ui_.Messages.empty());
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(marker)), 5000);
  EXPECT_EQ(ReadText(marker), "ran\n");
}

}  // namespace
}  // namespace quelm::test
