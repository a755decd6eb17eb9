// `quelm DIR` and `quelm FILE.vob` on the real main window: the root changes as through
// "change...", a file joins the VOB file list, is selected, shown and stored.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "app/StartPaths.h"
#include "app/VobFileListWidget.h"
#include "disc/DiscDirectory.h"

namespace quelm::test {
namespace {

const std::string BasicDir = std::string(QUELM_TEST_DATA) + "/vob/basic/VIDEO_TS";

class StartArgumentsTest : public MainWindowTest {
 protected:
  VobFileListWidget* List() { return Find<VobFileListWidget>("VobFileListBox"); }
};

TEST_F(StartArgumentsTest, DirectoryBecomesTheVobRootWithTheRootsThatFollowIt) {
  WriteSettings(
      "[preferences]\nvobroot=/old/\noutputroot=/out/\ndictionaryroot=/dict/\n"
      "dictionaryroot_same_as_vobroot=1\n");
  Start().OpenVobRoot(BasicDir);
  EXPECT_EQ(Find<QLineEdit>("EditVobRoot")->text().toStdString(), BasicDir + "/");
  EXPECT_EQ(Pref("vobroot"), BasicDir + "/");
  EXPECT_EQ(Pref("outputroot"), "/out/");
  EXPECT_EQ(Pref("dictionaryroot"), BasicDir + "/");
  EXPECT_EQ(Find<QListWidget>("ListBoxVobInfo")->item(2)->text().toStdString(),
            "VOB        : " + BasicDir + "/");
  // No directory given: the stored root stays.
  window_->OpenVobRoot("");
  EXPECT_EQ(Pref("vobroot"), BasicDir + "/");
}

TEST_F(StartArgumentsTest, ADirectoryAloneHoldingATitleOpensItsFilesNotTheLastTitles) {
  WriteSettings("[vobfilelist]\n0=\"/other/VTS_02_1.VOB\"\n");
  Start().OpenStartPaths(StartPaths::Sort({BasicDir}, "/"));
  EXPECT_EQ(List()->Entries(), TitleVobFiles(BasicDir));
  EXPECT_EQ(Pref("vobroot"), BasicDir + "/");
  EXPECT_TRUE(Find<QToolButton>("BtnGotoFirst")->isEnabled());
}

TEST_F(StartArgumentsTest, VobFileIsAddedOnceSelectedShownAndStored) {
  WriteSettings("[vobfilelist]\n0=\"/a.vob\"\n1=\"/b.vob\"\n");
  Start();
  ASSERT_EQ(Find<QPushButton>("BitBtn1")->text(), QStringLiteral("\\/"));
  window_->OpenVobFile(BasicDir + "/VTS_01_1.VOB");
  EXPECT_EQ(List()->Entries(),
            (std::vector<std::string>{"/a.vob", "/b.vob", BasicDir + "/VTS_01_1.VOB"}));
  EXPECT_EQ(List()->currentRow(), 2);
  EXPECT_TRUE(List()->isVisible());
  EXPECT_EQ(Section("vobfilelist").size(), 3u);
  EXPECT_EQ(Section("vobfilelist")["2"], "\"" + BasicDir + "/VTS_01_1.VOB\"");

  // A listed file is selected, not added again.
  window_->OpenVobFile("/a.vob");
  EXPECT_EQ(List()->Entries().size(), 3u);
  EXPECT_EQ(List()->currentRow(), 0);
  // Folding stores the list; nothing the start added is lost.
  QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
  Stop();
  Start();
  EXPECT_EQ(List()->Entries(),
            (std::vector<std::string>{"/a.vob", "/b.vob", BasicDir + "/VTS_01_1.VOB"}));
}

}  // namespace
}  // namespace quelm::test
