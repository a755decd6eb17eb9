// The extraction window, offscreen: its controls, a run that closes by itself, Stop pressed
// during the scan, a missing file, and the navigator driving real windows.
#include "app/extraction/TVobSubToBmp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "navigation/NavigationFixture.h"
#include "navigation/SubtitleNavigator.h"
#include "support/ScriptedInteraction.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

using test::BasicStarts;
using test::BasicVob;
using test::MultifileVobs;
using test::ScriptedInteraction;

TVobSubToBmp* OpenWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "VobSubToBmp" && w->isVisible()) return static_cast<TVobSubToBmp*>(w);
  }
  return nullptr;
}

class TVobSubToBmpTest : public test::TempDirTest {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "navigation_tests";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the process: destroying it among the static destructors crashes.
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
  }
  void SetUp() override {
    TempDirTest::SetUp();
    ui_.OnProcessEvents = [] { QCoreApplication::processEvents(); };
  }
  SubpictureRequest Request(const std::string& file, std::int64_t position = 0) {
    SubpictureRequest r;
    r.VobFileName = file;
    r.FilePosition = position;
    return r;
  }
  ScriptedInteraction ui_;
};

TEST_F(TVobSubToBmpTest, ControlsAsDesigned) {
  TVobSubToBmp window(ui_);
  EXPECT_EQ(window.objectName(), "VobSubToBmp");
  EXPECT_EQ(window.windowTitle(), "reading...");
  EXPECT_EQ(window.Label1->text(), "Retrieving subpicture from :");
  EXPECT_EQ(window.LblFilename->text(), "<filename>");
  EXPECT_TRUE(window.LblFilename->font().bold());
  EXPECT_EQ(window.BtnStop->text(), "&Stop");
  EXPECT_EQ(window.ProgressBar1->minimum(), 0);
  EXPECT_EQ(window.ProgressBar1->maximum(), 100);
  EXPECT_EQ(window.CloseTimer->interval(), 1);
  EXPECT_FALSE(window.CloseTimer->isActive());
  EXPECT_EQ(window.size(), QSize(313, 114));
  for (const char* name : {"Label1", "LblFilename", "BtnStop", "ProgressBar1", "CloseTimer"}) {
    EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name;
  }
}

TEST_F(TVobSubToBmpTest, RunsOnShowDecodesAndClosesByItself) {
  TVobSubToBmp window(ui_);
  window.SetRequest(Request(BasicVob()));
  QString titleWhileScanning;
  window.SetProgressHook([&](const ExtractionRun&) {
    if (!titleWhileScanning.isEmpty()) return;
    titleWhileScanning = window.windowTitle();
    // For the documentation: the window as it looks while it scans.
    const QString shots = qEnvironmentVariable("QUELM_SCREENSHOT_DIR");
    if (!shots.isEmpty()) window.grab().save(shots + "/extraction-window.png");
  });
  const int code = window.exec();  // returns only because the window closes itself
  EXPECT_EQ(code, QDialog::Accepted);
  const SubpictureResult& r = window.Result();
  EXPECT_FALSE(r.EndOfFile);
  EXPECT_FALSE(r.Stopped);
  EXPECT_EQ(r.StartPosition, BasicStarts[0]);
  EXPECT_EQ(r.SubTitle.Width(), 244);
  EXPECT_EQ(r.SubTitle.Height(), 30);
  EXPECT_EQ(titleWhileScanning, "reading...");
  EXPECT_EQ(window.windowTitle(), "decoding...");
  EXPECT_FALSE(window.BtnStop->isEnabled());
  // The decoder set the bar's range to the unit's pixel data and moved it along.
  EXPECT_GT(window.ProgressBar1->maximum(), 100);
  EXPECT_GT(window.ProgressBar1->value(), window.ProgressBar1->maximum() / 2);
  EXPECT_EQ(window.LblFilename->toolTip().toStdString(), BasicVob());
  EXPECT_TRUE(window.LblFilename->text().endsWith("VTS_01_1.VOB"));
  EXPECT_TRUE(ui_.Messages.empty());

  // Showing it again starts no second run.
  const int pumps = ui_.ProcessEventsCalls;
  window.show();
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(ui_.ProcessEventsCalls, pumps);
  EXPECT_EQ(window.Result().StartPosition, BasicStarts[0]);
  window.hide();
}

TEST_F(TVobSubToBmpTest, StopDuringTheScanEndsTheRunAsEndOfFile) {
  bool clicked = false;
  ui_.OnProcessEvents = [&clicked] {
    QCoreApplication::processEvents();
    TVobSubToBmp* window = OpenWindow();
    if (!clicked && window != nullptr && window->BtnStop->isEnabled()) {
      clicked = true;
      QTest::mouseClick(window->BtnStop, Qt::LeftButton);
    }
  };
  // From the end of the first unit the next one is 48 packs away: Stop comes first.
  const SubpictureResult r = TVobSubToBmp::Extract(ui_, Request(BasicVob(), 30720));
  EXPECT_TRUE(clicked);
  EXPECT_TRUE(r.Stopped);
  EXPECT_TRUE(r.EndOfFile);
  EXPECT_EQ(r.StartPosition, -1);
  EXPECT_LT(r.FilePosition, BasicStarts[1]);
  EXPECT_GT(r.FilePosition, 30720);
  EXPECT_EQ(OpenWindow(), nullptr);
}

TEST_F(TVobSubToBmpTest, EscapeDuringTheScanStopsInsteadOfLeavingTheRunBehind) {
  bool pressed = false;
  ui_.OnProcessEvents = [&pressed] {
    QCoreApplication::processEvents();
    TVobSubToBmp* window = OpenWindow();
    if (!pressed && window != nullptr) {
      pressed = true;
      QTest::keyClick(window, Qt::Key_Escape);
      EXPECT_TRUE(window->isVisible());
    }
  };
  const SubpictureResult r = TVobSubToBmp::Extract(ui_, Request(BasicVob(), 30720));
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(r.Stopped);
  EXPECT_TRUE(r.EndOfFile);
  EXPECT_EQ(OpenWindow(), nullptr);
}

TEST_F(TVobSubToBmpTest, MissingFileShowsTheMessageAndReportsEndOfFile) {
  const SubpictureResult r =
      TVobSubToBmp::Extract(ui_, Request((dir_ / "VTS_07_1.VOB").string(), 0));
  ASSERT_EQ(ui_.Messages.size(), 1u);
  EXPECT_EQ(ui_.Messages[0].Kind, MessageKind::Warning);
  EXPECT_EQ(ui_.Messages[0].Text, "File opening error!");
  EXPECT_TRUE(r.EndOfFile);
  EXPECT_FALSE(r.Stopped);
  EXPECT_EQ(r.StartPosition, -1);
  EXPECT_EQ(OpenWindow(), nullptr);
}

TEST_F(TVobSubToBmpTest, NavigatorDrivesRealWindowsAndStopEndsAll) {
  PositionCache cache;
  int runs = 0;
  std::vector<std::int64_t> progress;
  SubtitleNavigator navigator(ui_, cache, [&](const SubpictureRequest& r) {
    ++runs;
    return TVobSubToBmp::Extract(ui_, r, nullptr, [&progress](const ExtractionRun& run) {
      progress.push_back(run.FilePosition());
    });
  });
  std::vector<std::int64_t> starts;
  navigator.SubtitleFound = [&starts](const SubpictureResult& r) {
    starts.push_back(r.StartPosition);
    return Status::Success();
  };
  bool clicked = false;
  ui_.OnProcessEvents = [&] {
    QCoreApplication::processEvents();
    TVobSubToBmp* window = OpenWindow();
    if (runs == 4 && !clicked && window != nullptr && window->BtnStop->isEnabled()) {
      clicked = true;
      QTest::mouseClick(window->BtnStop, Qt::LeftButton);
    }
  };
  navigator.SetFileList(MultifileVobs(), 1);
  navigator.GetAll();
  EXPECT_TRUE(clicked);
  EXPECT_EQ(runs, 4);
  EXPECT_EQ(starts, (std::vector<std::int64_t>{77824, 137216, 219136}));
  EXPECT_EQ(navigator.SubtitleNr(), 3);
  EXPECT_EQ(navigator.SelectedIndex(), 2);  // a stop moves on like an end of file
  EXPECT_FALSE(progress.empty());
  EXPECT_TRUE(ui_.Messages.empty());
}

}  // namespace
}  // namespace quelm
