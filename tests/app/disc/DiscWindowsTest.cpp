// The IFO reading window and the directory chooser, shown offscreen and clicked.
#include <unistd.h>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/disc/TChooseDir.h"
#include "app/disc/TIFOInfo.h"
#include "support/QtTestApp.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

std::string Data(const std::string& relative) {
  return std::string(QUELM_TEST_DATA) + "/" + relative;
}

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

TEST(TIFOInfoTest, ReadsTheIfoAndClosesItself) {
  test::EnsureQtApplication();
  TIFOInfo window;
  window.IfoFileName = Data("vob/basic/VIDEO_TS/VTS_01_0.IFO");
  EXPECT_EQ(window.windowTitle(), "reading ...");
  QTimer guard;  // a window that failed to close would hang the test
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &window, [&] {
    ADD_FAILURE() << "the reading window did not close itself";
    window.reject();
  });
  guard.start(5000);
  EXPECT_EQ(window.exec(), QDialog::Accepted);
  EXPECT_EQ(window.StreamCount, 2);
  EXPECT_EQ(window.ChapterCount, 3);
  EXPECT_EQ(window.StreamLanguage(1), "Deutsch");
  EXPECT_EQ(window.StreamAttributes()[0].LanguageCode, 0x656E);
  EXPECT_EQ(window.findChild<QLabel*>("LblFilename")->text().toStdString(), window.IfoFileName);
  EXPECT_EQ(Items(window.findChild<QListWidget*>("ListBox1")),
            (QStringList{"00:00:10", "00:00:09", "00:00:05"}));
  EXPECT_EQ(window.size(), QSize(313, 115));
}

TEST(TIFOInfoTest, DamagedIfoStillCloses) {
  test::EnsureQtApplication();
  TIFOInfo window;
  window.IfoFileName = Data("ifo/malformed/short100.ifo");
  EXPECT_EQ(window.exec(), QDialog::Accepted);
  EXPECT_EQ(window.StreamCount, 0);
  EXPECT_EQ(window.ChapterCount, 0);
  EXPECT_EQ(window.Reader().LanguageFaults().size(), 1u);
}

class TChooseDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApplication();
    base_ = fs::temp_directory_path() / ("quelm-choosedir-" + std::to_string(::getpid()));
    fs::remove_all(base_);
    fs::create_directories(base_ / "home/Movies/Film_One/VIDEO_TS");
    fs::create_directories(base_ / "media/DISC/VIDEO_TS");
    fs::create_directories(base_ / "dev");
    std::ofstream(base_ / "dev/sr0");
    places_ = {(base_ / "home").string() + "/", (base_ / "media/DISC").string() + "/",
               (base_ / "dev/sr0").string(), "/"};
  }
  void TearDown() override { fs::remove_all(base_); }

  // Shows the window modally and clicks `button` once it is up.
  int Run(TChooseDir& window, const char* button) {
    QTimer::singleShot(0, &window, [&window, button] {
      QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    });
    return window.exec();
  }

  fs::path base_;
  std::vector<std::string> places_;
};

TEST_F(TChooseDirTest, OpensOnTheInitialDirectoryInItsPlace) {
  TChooseDir window(nullptr, places_);
  window.setWindowTitle("VOB Root");
  window.InitialDir = (base_ / "home/Movies/Film_One/VIDEO_TS").string() + "/";
  EXPECT_EQ(Run(window, "BtnOK"), QDialog::Accepted);
  EXPECT_EQ(window.DriveComboBox1->currentText().toStdString(), places_[0]);
  EXPECT_EQ(window.Directory(), window.InitialDir);
  EXPECT_EQ(window.Label1->text(), "Label1");
}

TEST_F(TChooseDirTest, ARootBelowTheFileSystemRootIsInSightAndHiddenFoldersAreNot) {
  fs::create_directories(base_ / "other/deep/VIDEO_TS");
  fs::create_directories(base_ / "other/.hidden");
  TChooseDir window(nullptr, places_);
  window.InitialDir = (base_ / "other/deep/VIDEO_TS").string() + "/";
  QTreeView* tree = window.DirectoryListBox1;
  auto* model = qobject_cast<QFileSystemModel*>(tree->model());
  ASSERT_NE(model, nullptr);
  QStringList loaded;
  QObject::connect(model, &QFileSystemModel::directoryLoaded,
                   [&loaded](const QString& path) { loaded << path; });
  window.show();
  EXPECT_EQ(window.DriveComboBox1->currentText(), "/");
  // The tree of "/" fills in the background and pushes the root down as it does.
  const QStringList path = {"/", QString::fromStdString(base_.parent_path().string()),
                            QString::fromStdString(base_.string()),
                            QString::fromStdString((base_ / "other").string())};
  QTRY_VERIFY_WITH_TIMEOUT(std::all_of(path.begin(), path.end(),
                                       [&loaded](const QString& p) { return loaded.contains(p); }),
                           10000);
  QTest::qWait(200);
  EXPECT_TRUE(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()).center()));
  EXPECT_EQ(window.Directory(), window.InitialDir);
  const QModelIndex other = tree->currentIndex().parent().parent();
  QStringList listed;
  for (int row = 0; row < model->rowCount(other); ++row)
    listed << model->index(row, 0, other).data().toString();
  EXPECT_EQ(listed, QStringList{"deep"});
}

TEST_F(TChooseDirTest, ChoosingAPlaceShowsItAndCancelIsReported) {
  TChooseDir window(nullptr, places_);
  window.InitialDir = (base_ / "home").string();
  QTimer::singleShot(0, &window, [&] {
    window.DriveComboBox1->setCurrentIndex(1);
    emit window.DriveComboBox1->activated(1);
    QTest::mouseClick(window.BtnCancel, Qt::LeftButton);
  });
  EXPECT_EQ(window.exec(), QDialog::Rejected);
  EXPECT_EQ(window.Directory(), places_[1]);

  // A drive is chosen as its device, which the root reads as a disc.
  TChooseDir drive(nullptr, places_);
  QTimer::singleShot(0, &drive, [&] {
    drive.DriveComboBox1->setCurrentIndex(2);
    emit drive.DriveComboBox1->activated(2);
    QTest::mouseClick(drive.BtnOK, Qt::LeftButton);
  });
  EXPECT_EQ(drive.exec(), QDialog::Accepted);
  // The tree shows the device's folder with the device selected.
  const QModelIndex device = drive.DirectoryListBox1->currentIndex();
  EXPECT_EQ(device.data().toString(), "sr0");
  EXPECT_EQ(device.parent(), drive.DirectoryListBox1->rootIndex());
  EXPECT_EQ(drive.Directory(), places_[2] + "/");
}

TEST_F(TChooseDirTest, MissingInitialDirectoryShowsTheCurrentOne) {
  TChooseDir window(nullptr, places_);
  window.InitialDir = (base_ / "gone").string();
  const fs::path before = fs::current_path();
  fs::current_path(base_ / "media/DISC/VIDEO_TS");
  EXPECT_EQ(Run(window, "BtnOK"), QDialog::Accepted);
  fs::current_path(before);
  EXPECT_EQ(window.Directory(), (base_ / "media/DISC/VIDEO_TS").string() + "/");
  EXPECT_EQ(window.DriveComboBox1->currentText().toStdString(), places_[1]);
}

}  // namespace
}  // namespace quelm
