// Records files in the main window: saving and opening from the File menu, and the question on
// close when records were added since the last save (Yes saves, No discards, Cancel stays).
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <sstream>

#include "MainWindowFixture.h"

// (Shares its executable with ScriptWindowTest.cpp, which holds the LeakSanitizer suppressions.)

namespace quelm::test {
namespace {

const std::string DemoVob = std::string(QUELM_TEST_DATA) + "/../../demo/VIDEO_TS/VTS_01_1.VOB";

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class RecordsWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    dict_ = dir_.filePath(QStringLiteral("dict")).toStdString() + "/";
    QDir().mkpath(QString::fromStdString(dict_));
    // Learning after reading: characters are stored unnamed and nothing is asked.
    WriteSettings("[preferences]\ndictionaryroot=" + dict_ + "\nlearn=1\n[vobfilelist]\n0=\"" +
                  DemoVob + "\"\n");
  }
  std::string Path(const char* name) { return dir_.filePath(QString::fromLatin1(name)).toStdString(); }
  void ReadTwo(TMain& w) {
    QTest::mouseClick(Find<QToolButton>("BtnGotoFirst"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>("BtnGoNext"), Qt::LeftButton);
    ASSERT_EQ(w.SubtitleNr(), 2);
  }
  std::string dict_;
};

TEST_F(RecordsWindowTest, CloseAsksWhileRecordsAreUnsavedAndSavingEndsTheQuestion) {
  TMain& w = Start();
  // Nothing read yet: the version record alone is no work to lose.
  EXPECT_FALSE(w.RecordsUnsaved());
  ReadTwo(w);
  ASSERT_TRUE(w.RecordsUnsaved());

  // Cancel keeps the window open and asks nothing else.
  ui_.Answers = {Answer::Cancel};
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(ui_.Questions.size(), 1u);
  EXPECT_EQ(ui_.Questions[0], "Save your work so you can continue later?");

  // Yes, but the save dialog is cancelled: the window stays too.
  ui_.Answers = {Answer::Yes};
  ui_.SaveFiles = {std::nullopt};
  EXPECT_FALSE(w.close());

  // Save records as...: the file holds exactly the raw script; then closing asks nothing.
  const std::string saved = Path("film.records");
  ui_.SaveFiles = {saved};
  Action("Saverecords1")->trigger();
  ASSERT_EQ(ui_.SaveRequests.back().ProposedName, "moviescript.records");
  std::string expected;
  for (const std::string& line : w.RawScriptRecords().Lines()) expected += line + "\n";
  EXPECT_EQ(ReadText(saved), expected);
  EXPECT_FALSE(w.RecordsUnsaved());
  const std::size_t asked = ui_.Questions.size();
  EXPECT_TRUE(w.close());
  EXPECT_EQ(ui_.Questions.size(), asked);
}

TEST_F(RecordsWindowTest, OpeningReplacesTheRecordsAndRendersThem) {
  const std::string path = Path("other.records");
  {
    std::ofstream out(path, std::ios::binary);
    out << "<SUB_START>\n00:00:07\n1\nHello there\n<SUB_END>\n";
  }
  TMain& w = Start();
  ui_.OpenFiles = {path};
  Action("Openrecords1")->trigger();
  EXPECT_EQ(w.RawScriptRecords().Lines(),
            (std::vector<std::string>{"<SUB_START>", "00:00:07", "1", "Hello there", "<SUB_END>"}));
  EXPECT_NE(Find<QPlainTextEdit>("RichEdit1")->toPlainText().indexOf("Hello there"), -1);
  EXPECT_EQ(Find<QPlainTextEdit>("UWScript")->toPlainText().toStdString(),
            "<SUB_START>\n00:00:07\n1\nHello there\n<SUB_END>");
  EXPECT_FALSE(w.RecordsUnsaved());

  // Read two more: opening again first asks about them; No drops them, the file wins.
  ReadTwo(w);
  ui_.Answers = {Answer::No};
  ui_.OpenFiles = {path};
  Action("Openrecords1")->trigger();
  EXPECT_EQ(w.RawScriptRecords().Lines().size(), 5u);

  // A damaged file: the records that can be read are opened and one message names every
  // damaged line.
  const std::string damaged = Path("damaged.records");
  {
    std::ofstream(damaged, std::ios::binary)
        << "<SUB_END>\n<SUB_START>\n00:00:07\n1\nKept\n<SUB_END>\nloose\n<SUB_START>\n00:00:09\n";
  }
  ui_.OpenFiles = {damaged};
  const std::size_t shown = ui_.Messages.size();
  Action("Openrecords1")->trigger();
  ASSERT_EQ(ui_.Messages.size(), shown + 1);
  EXPECT_EQ(ui_.Messages.back().Text,
            "These damaged lines and their records were left out:\n" + damaged +
                ", line 1: <SUB_END> without a record\n" + damaged +
                ", line 7: text outside a record (expected <SUB_START>)\n" + damaged +
                ", line 8: the record begun here has no <SUB_END> (the file is cut short)");
  EXPECT_EQ(w.RawScriptRecords().Lines(),
            (std::vector<std::string>{"<SUB_START>", "00:00:07", "1", "Kept", "<SUB_END>"}));
  EXPECT_NE(Find<QPlainTextEdit>("RichEdit1")->toPlainText().indexOf("Kept"), -1);

  // A file with no record to read is refused; the records stay as they were.
  const std::string cut = Path("cut.records");
  { std::ofstream(cut, std::ios::binary) << "<SUB_START>\n00:00:07\n"; }
  ui_.OpenFiles = {cut};
  Action("Openrecords1")->trigger();
  EXPECT_EQ(ui_.Messages.back().Text,
            "No record could be read:\n" + cut +
                ", line 1: the record begun here has no <SUB_END> (the file is cut short)");
  EXPECT_EQ(w.RawScriptRecords().Lines()[3], "Kept");
}

}  // namespace
}  // namespace quelm::test
