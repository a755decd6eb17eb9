// The VOB file list panel: folding, adding through the file dialog, deleting, dragging, and the
// stored section.
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/VobFileListWidget.h"
#include "MainWindowFixture.h"

namespace quelm::test {
namespace {

class VobFileListPanelTest : public MainWindowTest {
 protected:
  VobFileListWidget* List() { return Find<VobFileListWidget>("VobFileListBox"); }
  std::vector<std::string> Entries() { return List()->Entries(); }
  void Unfold() {
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    ASSERT_EQ(Find<QPushButton>("BitBtn1")->text(), QStringLiteral("/\\"));
  }
  // Presses on the entry at `from`, moves with the button held to `y` and lets go.
  void Drag(int from, int y) {
    QWidget* viewport = List()->viewport();
    const QPoint start = List()->visualItemRect(List()->item(from)).center();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    for (int step = 1; step <= 4; ++step) {
      const QPoint at(start.x(), start.y() + (y - start.y()) * step / 4);
      QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(start.x(), y));
  }
  int RowCentre(int row) { return List()->visualItemRect(List()->item(row)).center().y(); }
};

TEST_F(VobFileListPanelTest, AddThroughTheDialogAndStoreOnFolding) {
  WriteSettings("[preferences]\nvobroot=/media/dvd/VIDEO_TS/\n");
  Start();
  Unfold();
  EXPECT_TRUE(List()->isEnabled());
  for (const char* path : {"/media/dvd/VIDEO_TS/VTS_01_1.VOB", "  /lead/blank.vob",
                           "/media/dvd/VIDEO_TS/VTS_01_1.VOB"}) {
    ui_.OpenFiles.push_back(std::string(path));
    QTest::mouseClick(Find<QToolButton>("BtnAddVobToList"), Qt::LeftButton);
  }
  QTest::mouseClick(Find<QToolButton>("BtnAddVobToList"), Qt::LeftButton);  // cancelled
  ASSERT_EQ(ui_.OpenRequests.size(), 4u);
  EXPECT_EQ(ui_.OpenRequests[0].Directory, "/media/dvd/VIDEO_TS/");
  EXPECT_EQ(ui_.OpenRequests[0].Filter,
            "DVD VOB Files (*.vob);;DVD images (*.iso);;Blu-ray subtitles (*.sup);;All files (*)");
  EXPECT_EQ(Entries().size(), 3u);
  // Not stored until folded.
  EXPECT_TRUE(Section("vobfilelist").empty());
  QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
  EXPECT_FALSE(List()->isEnabled());
  EXPECT_EQ(Section("vobfilelist"),
            (std::map<std::string, std::string>{{"0", "\"/media/dvd/VIDEO_TS/VTS_01_1.VOB\""},
                                                {"1", "\"  /lead/blank.vob\""},
                                                {"2", "\"/media/dvd/VIDEO_TS/VTS_01_1.VOB\""}}));
  Stop();
  Start();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"/media/dvd/VIDEO_TS/VTS_01_1.VOB",
                                                 "  /lead/blank.vob",
                                                 "/media/dvd/VIDEO_TS/VTS_01_1.VOB"}));
}

TEST_F(VobFileListPanelTest, DeleteRemovesOnlyTheSelectedEntry) {
  WriteSettings("[vobfilelist]\n0=\"/a.vob\"\n1=\"/b.vob\"\n2=\"/c.vob\"\n");
  Start();
  Unfold();
  QTest::mouseClick(Find<QToolButton>("BtnDeleteVobFromList"), Qt::LeftButton);
  EXPECT_EQ(Entries().size(), 3u);
  List()->setCurrentRow(1);
  QTest::mouseClick(Find<QToolButton>("BtnDeleteVobFromList"), Qt::LeftButton);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"/a.vob", "/c.vob"}));
  Stop();  // closing stores the list
  EXPECT_EQ(Section("vobfilelist"),
            (std::map<std::string, std::string>{{"0", "\"/a.vob\""}, {"1", "\"/c.vob\""}}));
}

TEST_F(VobFileListPanelTest, DraggingReordersAndBelowTheLastEntryMeansTheEnd) {
  WriteSettings("[vobfilelist]\n0=\"/1.vob\"\n1=\"/2.vob\"\n2=\"/3.vob\"\n3=\"/4.vob\"\n");
  Start();
  Unfold();
  Drag(0, RowCentre(2));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"/2.vob", "/3.vob", "/1.vob", "/4.vob"}));
  EXPECT_EQ(List()->currentRow(), 2);
  // Below the last row, in the empty part of the list.
  Drag(0, List()->viewport()->height() - 2);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"/3.vob", "/1.vob", "/4.vob", "/2.vob"}));
  EXPECT_EQ(List()->currentRow(), 3);
  Drag(3, RowCentre(0));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"/2.vob", "/3.vob", "/1.vob", "/4.vob"}));
  Stop();
  EXPECT_EQ(Section("vobfilelist"),
            (std::map<std::string, std::string>{
                {"0", "\"/2.vob\""}, {"1", "\"/3.vob\""}, {"2", "\"/1.vob\""}, {"3", "\"/4.vob\""}}));
}

TEST_F(VobFileListPanelTest, AFoldByAReadingCommandStoresTheListToo) {
  WriteSettings("[vobfilelist]\n0=\"/a.vob\"\n");
  Start();
  Unfold();
  ui_.OpenFiles.push_back(std::string("/b.vob"));
  QTest::mouseClick(Find<QToolButton>("BtnAddVobToList"), Qt::LeftButton);
  QTest::mouseClick(Find<QToolButton>("BtnGoNext"), Qt::LeftButton);
  ui_.Messages.clear();
  EXPECT_EQ(Find<QPushButton>("BitBtn1")->text(), QStringLiteral("\\/"));
  EXPECT_EQ(Section("vobfilelist"),
            (std::map<std::string, std::string>{{"0", "\"/a.vob\""}, {"1", "\"/b.vob\""}}));
  // Unfolding reads the stored list back, the file added before the fold with it.
  Unfold();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"/a.vob", "/b.vob"}));
}

}  // namespace
}  // namespace quelm::test
