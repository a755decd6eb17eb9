// The script's "forced only" check box: beside the format field, stored at once, restored at
// start-up, and the records rendered again with only the forced subtitles. Beside it the
// look-alike fix, on by default.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <fstream>

#include "MainWindowFixture.h"

namespace quelm::test {
namespace {

class ForcedOnlyWindowTest : public MainWindowTest {
 protected:
  std::vector<std::string> ScriptLines() {
    std::vector<std::string> lines;
    for (const QString& l : Find<QPlainTextEdit>("RichEdit1")->toPlainText().split('\n'))
      lines.push_back(l.toStdString());
    return lines;
  }
  void OpenRecordsInSrt() {
    const std::string path = dir_.filePath(QStringLiteral("forced.records")).toStdString();
    std::ofstream(path, std::ios::binary)
        << "<SUB_START>\n00:00:00\n0\nQuelm  v1.01 (beta)  -  by Vennor\n<SUB_END>\n"
           "<SUB_START>\n00:00:01 start=1000 end=2500 forced=0\n1\nspoken\n<SUB_END>\n"
           "<SUB_START>\n00:00:03 start=3250 forced=1\n1\nsign\n<SUB_END>\n"
           "<SUB_START>\n00:00:09 start=9000 end=9900 forced=0\n1\nspoken again\n<SUB_END>\n";
    ui_.OpenFiles = {path};
    Action("Openrecords1")->trigger();
    for (QAction* item : Find<QMenu>("Output1")->actions())
      if (item->data().toString() == QStringLiteral("SubRip (SRT) : srt.ini")) item->trigger();
  }
};

TEST_F(ForcedOnlyWindowTest, StoredAtOnceRestoredAtStartAndLeavesOutTheOthers) {
  WriteSettings("[preferences]\n");
  Start();
  QCheckBox* box = Find<QCheckBox>("CheckForcedOnly");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "forced only");
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(box->parentWidget(), Find<QLineEdit>("EditIniXOutput")->parentWidget());
  EXPECT_EQ(Section("preferences").count("forced_only"), 0u);  // start-up wrote nothing

  OpenRecordsInSrt();
  // The forced subtitle has no stop command: it ends where the next subtitle starts.
  EXPECT_EQ(ScriptLines(),
            (std::vector<std::string>{"1", "00:00:01,000 --> 00:00:02,500", "spoken", "", "2",
                                      "00:00:03,250 --> 00:00:09,000", "sign", "", "3",
                                      "00:00:09,000 --> 00:00:09,900", "spoken again", ""}));

  ClickOn(box);
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(Section("preferences")["forced_only"], "1");
  EXPECT_EQ(ScriptLines(),
            (std::vector<std::string>{"1", "00:00:03,250 --> 00:00:09,000", "sign", ""}));

  Stop();
  Start();
  EXPECT_TRUE(Find<QCheckBox>("CheckForcedOnly")->isChecked());
  ClickOn("CheckForcedOnly");
  EXPECT_EQ(Section("preferences")["forced_only"], "0");
  EXPECT_TRUE(ui_.MessageTexts().empty());
}

TEST_F(ForcedOnlyWindowTest, LookAlikesAreFixedUntilTheBoxIsCleared) {
  WriteSettings("[preferences]\n");
  Start();
  QCheckBox* box = Find<QCheckBox>("CheckFixLookAlikes");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(box->parentWidget(), Find<QLineEdit>("EditIniXOutput")->parentWidget());
  const std::string path = dir_.filePath(QStringLiteral("fix.records")).toStdString();
  std::ofstream(path, std::ios::binary)
      << "<SUB_START>\n00:00:01 start=1000 end=2500\n1\nl know ''GlVlNG''\n<SUB_END>\n";
  ui_.OpenFiles = {path};
  Action("Openrecords1")->trigger();
  for (QAction* item : Find<QMenu>("Output1")->actions())
    if (item->data().toString() == QStringLiteral("SubRip (SRT) : srt.ini")) item->trigger();
  EXPECT_EQ(ScriptLines()[2], "I know \"GIVING\"");

  ClickOn(box);
  EXPECT_EQ(Section("preferences")["fix_lookalikes"], "0");
  EXPECT_EQ(ScriptLines()[2], "l know ''GlVlNG''");
  Stop();
  Start();
  EXPECT_FALSE(Find<QCheckBox>("CheckFixLookAlikes")->isChecked());
}

}  // namespace
}  // namespace quelm::test
