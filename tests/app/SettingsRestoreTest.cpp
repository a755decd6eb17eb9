// Start-up of the main window: defaults, restoring stored values, clamping and byte-stable
// restarts.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QPushButton>
#include <QGroupBox>

#include "app/ColorPanel.h"
#include "MainWindowFixture.h"

namespace quelm::test {
namespace {

using SettingsRestoreTest = MainWindowTest;

TEST_F(SettingsRestoreTest, NoSettingsFileGivesEveryDocumentedDefault) {
  TMain& w = Start();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Quelm v1.01 (beta)"));
  EXPECT_EQ(w.size(), QSize(1009, 564));
  EXPECT_TRUE(Find<QLineEdit>("EditVobRoot")->text().isEmpty());
  EXPECT_TRUE(Find<QLineEdit>("EditOutputRoot")->text().isEmpty());
  EXPECT_TRUE(Find<QLineEdit>("EditDictionaryRoot")->text().isEmpty());
  EXPECT_TRUE(Find<QCheckBox>("CheckAutoColorDetect")->isChecked());
  EXPECT_TRUE(Action("SelectAutoColorDetect")->isChecked());
  EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 10);
  EXPECT_EQ(Find<QLineEdit>("EditSpaceWidth")->text(), QStringLiteral("10"));
  EXPECT_TRUE(Find<QCheckBox>("CheckAutoSpaceWidth")->isChecked());
  EXPECT_FALSE(Find<QSlider>("TrackBar1")->isEnabled());
  EXPECT_EQ(Find<QSlider>("TrackBar2")->value(), 1);
  EXPECT_EQ(Find<QLineEdit>("EditInterlace")->text(), QStringLiteral("1"));
  EXPECT_TRUE(Find<QCheckBox>("CheckOCREnable")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("CheckAutocloseOCR")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("CheckAutocloseOCR")->isEnabled());
  EXPECT_FALSE(Find<QCheckBox>("CheckAutoSave")->isChecked());
  EXPECT_FALSE(Action("PCEnabled1")->isChecked());
  EXPECT_TRUE(Action("PCDisabled1")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioBit4")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("RadioBit1")->isChecked());
  EXPECT_EQ(w.PanelColors(), (std::array<Color, 4>{0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF}));
  EXPECT_EQ(w.RowColumns(), (std::array<int, 4>{0, 1, 2, 3}));
  EXPECT_TRUE(Find<QRadioButton>("Radio2_2")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioCharCol1_3")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioCharCol2_0")->isChecked());
  EXPECT_TRUE(Action("N31")->isChecked());
  EXPECT_TRUE(Action("N02")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("LearnRadioGroup1Item0")->isChecked());
  EXPECT_TRUE(Action("Learnwhilereadingvob1")->isChecked());
  EXPECT_FALSE(Action("Learnafterreadingvob1")->isChecked());
  // Detection on: the colour controls are disabled.
  EXPECT_FALSE(Find<ColorPanel>("PanelCol0")->isEnabled());
  EXPECT_FALSE(Find<QWidget>("Panel5")->isEnabled());
  EXPECT_FALSE(Find<QWidget>("Panel1")->isEnabled());
  EXPECT_FALSE(Find<QWidget>("Panel4")->isEnabled());
  // Reading state and display.
  EXPECT_EQ(w.SubtitleNr(), 0);
  EXPECT_EQ(Find<QLineEdit>("EditSubtitleNr")->text(), QStringLiteral("0"));
  EXPECT_TRUE(Find<QLabel>("ImageLogo")->isVisible());
  EXPECT_FALSE(Find<QLabel>("LblSubtitleNr")->isVisible());
  EXPECT_FALSE(Find<QPushButton>("BtnSaveBitmap")->isEnabled());
  EXPECT_FALSE(Action("Savebitmapas1")->isEnabled());
  EXPECT_FALSE(Find<QToolButton>("BtnGoBack")->isEnabled());
  EXPECT_GE(Find<QLabel>("ImageSubTitle")->width(), 350);
  EXPECT_GE(Find<QLabel>("ImageSubTitle")->height(), 259);
  EXPECT_EQ(Find<QPushButton>("BitBtn1")->text(), QStringLiteral("\\/"));
  EXPECT_FALSE(Find<QWidget>("VobFileListBox")->isEnabled());
  // The format a new user most likely wants, wherever the menu lists it.
  const QLineEdit* format = Find<QLineEdit>("EditIniXOutput");
  EXPECT_EQ(format->text(), QStringLiteral("SubRip (SRT) : srt.ini"));
  // Read whole, not cut by the controls beside it.
  EXPECT_GT(format->width(), format->fontMetrics().horizontalAdvance(format->text()) + 10);
  EXPECT_TRUE(ui_.Messages.empty());
  // Nothing was changed, so nothing was written.
  EXPECT_EQ(Pref("spacewidth"), "<missing>");
}

TEST_F(SettingsRestoreTest, TwoStartsInARowLeaveTheFileByteIdentical) {
  const std::string original =
      "[preferences]\n"
      "vobroot=/dvd/video_ts/\n"
      "outputroot=/dvd/video_ts/\n"
      "dictionaryroot=/dict/\n"
      "outputroot_same_as_vobroot=1\n"
      "dictionaryroot_same_as_vobroot=0\n"
      "manual_language_selection=1\n"
      "language_selection_2=5\n"
      "language_selection_1=1\n"
      "manual_vob_file_selection=0\n"
      "autocolordetection=0\n"
      "spacewidth=15\n"
      "interlace=2\n"
      "enableocr=0\n"
      "autocloseocr=0\n"
      "autosave=1\n"
      "enable_position_caching=1\n"
      "bits=1\n"
      "manual_vob_file_location=\n"
      "color_0=255\n"
      "color_1=65280\n"
      "color_2=16711680\n"
      "color_3=16777215\n"
      "charcolor=1\n"
      "backgroundcolor=2\n"
      "color0x=0\n"
      "color1x=3\n"
      "color2x=2\n"
      "color3x=1\n"
      "learn=1\n"
      "gui_language=0\n"
      "outputini=3\n"
      "[vobfilelist]\n"
      "0=\"/dvd/video_ts/VTS_01_1.VOB\"\n"
      "1=\"  /dvd/video_ts/VTS_01_2.VOB\"\n";
  WriteSettings(original);
  TMain& w = Start();
  EXPECT_TRUE(Find<QCheckBox>("CheckManualLanguage")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioCharCol2_2")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioCharCol1_1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("CheckOCREnable")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("CheckAutocloseOCR")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("CheckAutocloseOCR")->isEnabled());
  EXPECT_FALSE(Action("AutomaticcloseOCRwindow1")->isEnabled());
  EXPECT_FALSE(Find<QGroupBox>("LearnRadioGroup1")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>("RadioBit1")->isChecked());
  EXPECT_TRUE(Action("PCEnabled1")->isChecked());
  EXPECT_TRUE(Action("Learnafterreadingvob1")->isChecked());
  EXPECT_TRUE(Action("NX25")->isChecked());
  EXPECT_TRUE(Find<QMenu>("subtitlelanguage1")->isEnabled());
  EXPECT_EQ(w.PanelColors(), (std::array<Color, 4>{255, 65280, 16711680, 16777215}));
  EXPECT_EQ(w.RowColumns(), (std::array<int, 4>{0, 3, 2, 1}));
  EXPECT_TRUE(Find<ColorPanel>("PanelCol0")->isEnabled());
  EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 15);
  EXPECT_EQ(Find<QLineEdit>("EditOutputRoot")->text(), QStringLiteral("/dvd/video_ts/"));
  EXPECT_EQ(w.StoredOutputIni(), 3);
  Stop();
  EXPECT_EQ(SettingsBytes(), original);
  Start();
  Stop();
  EXPECT_EQ(SettingsBytes(), original);
  EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(SettingsRestoreTest, OutOfRangeValuesAreClampedAndStoredBack) {
  WriteSettings(
      "[preferences]\nspacewidth=35\ninterlace=9\ncolor2x=7\ncharcolor=-1\nbackgroundcolor=7\n"
      "bits=2\nlearn=-2\n");
  TMain& w = Start();
  EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 20);
  EXPECT_EQ(Find<QLineEdit>("EditSpaceWidth")->text(), QStringLiteral("20"));
  EXPECT_EQ(Pref("spacewidth"), "20");
  EXPECT_EQ(Find<QSlider>("TrackBar2")->value(), 4);
  EXPECT_EQ(Pref("interlace"), "4");
  EXPECT_TRUE(Find<QRadioButton>("Radio2_2")->isChecked());
  // The colour roles and the learning mode are clamped like the track bars, and every control
  // that shows one shows the clamped value.
  EXPECT_EQ(w.CharColorRow(), 0);
  EXPECT_EQ(w.BackgroundColorRow(), 3);
  for (const char* item : {"N01", "N11", "N21", "N31", "N02", "N12", "N22", "N32"}) {
    const std::string name = item;
    EXPECT_EQ(Action(item)->isChecked(), name == "N01" || name == "N32") << item;
  }
  EXPECT_EQ(Pref("charcolor"), "0");
  EXPECT_EQ(Pref("backgroundcolor"), "3");
  EXPECT_FALSE(Find<QRadioButton>("RadioBit1")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("RadioBit4")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("LearnRadioGroup1Item0")->isChecked());
  EXPECT_TRUE(Action("Learnwhilereadingvob1")->isChecked());
  EXPECT_FALSE(Action("Learnafterreadingvob1")->isChecked());
  EXPECT_EQ(Pref("learn"), "0");
  EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(SettingsRestoreTest, HexadecimalNumbersAndBrokenNumbers) {
  WriteSettings("[preferences]\nspacewidth=0x0A\ninterlace=0X3\ncolor_1=0xFF\n");
  TMain& w = Start();
  EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 10);
  // Three characters with the prefix: hexadecimal.
  EXPECT_EQ(Find<QSlider>("TrackBar2")->value(), 3);
  EXPECT_EQ(w.PanelColors()[1], 0xFFu);
  Stop();
  WriteSettings("[preferences]\nspacewidth=0x\ninterlace=two\n");
  Start();
  EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 10);
  EXPECT_EQ(Find<QSlider>("TrackBar2")->value(), 1);
}

TEST_F(SettingsRestoreTest, TheWindowsPlaceAndSizeAreKeptAcrossARestart) {
  TMain& w = Start();
  w.setGeometry(40, 30, 1100, 640);
  QCoreApplication::processEvents();
  Stop();
  EXPECT_EQ(Pref("window_left"), "40");
  EXPECT_EQ(Pref("window_top"), "30");
  EXPECT_EQ(Pref("window_width"), "1100");
  EXPECT_EQ(Pref("window_height"), "640");
  EXPECT_EQ(Pref("window_maximized"), "0");
  EXPECT_EQ(Start().geometry(), QRect(40, 30, 1100, 640));

  // Maximized, it comes back maximized, and un-maximizing returns to the place before.
  window_->showMaximized();
  QCoreApplication::processEvents();
  Stop();
  EXPECT_EQ(Pref("window_maximized"), "1");
  EXPECT_EQ(Pref("window_width"), "1100");
  TMain& maximized = Start();
  EXPECT_TRUE(maximized.isMaximized());
  maximized.showNormal();
  QCoreApplication::processEvents();
  EXPECT_EQ(maximized.geometry(), QRect(40, 30, 1100, 640));
  Stop();

  // A place on a screen that is gone: the designed size, on the screen.
  WriteSettings("[preferences]\nwindow_left=9000\nwindow_top=9000\nwindow_width=700\n"
                "window_height=480\n");
  TMain& moved = Start();
  EXPECT_EQ(moved.size(), QSize(1009, 564));
  EXPECT_LT(moved.x(), 9000);
}

TEST_F(SettingsRestoreTest, DeletedManualVobFileBecomesEmpty) {
  const std::string present = dir_.filePath(QStringLiteral("kept.vob")).toStdString();
  QFile(QString::fromStdString(present)).open(QIODevice::WriteOnly);
  WriteSettings("[preferences]\nmanual_vob_file_location=" + present + "\n");
  Start();
  EXPECT_EQ(Find<QLineEdit>("EditManualVobFile")->text().toStdString(), present);
  EXPECT_EQ(Pref("manual_vob_file_location"), present);
  Stop();
  WriteSettings("[preferences]\nmanual_vob_file_location=/nowhere/gone.vob\n");
  Start();
  EXPECT_TRUE(Find<QLineEdit>("EditManualVobFile")->text().isEmpty());
  EXPECT_EQ(Pref("manual_vob_file_location"), "");
}

}  // namespace
}  // namespace quelm::test
