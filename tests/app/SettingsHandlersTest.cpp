// The handlers that store a key when its control changes, flag pairs, and refused writes.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "app/ColorPanel.h"
#include "MainWindowFixture.h"

namespace quelm::test {
namespace {

using SettingsHandlersTest = MainWindowTest;

TEST_F(SettingsHandlersTest, OcrFlagPairWorksFromBothSides) {
  Start();
  auto* box = Find<QCheckBox>("CheckOCREnable");
  QAction* item = Action("EnabledOCR1");
  ClickOn(box);
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(item->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("CheckAutocloseOCR")->isEnabled());
  EXPECT_FALSE(Find<QGroupBox>("LearnRadioGroup1")->isEnabled());
  EXPECT_FALSE(Action("AutomaticcloseOCRwindow1")->isEnabled());
  EXPECT_EQ(Pref("enableocr"), "0");
  EXPECT_EQ(Pref("autocloseocr"), "1");

  item->trigger();
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(box->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("CheckAutocloseOCR")->isEnabled());
  EXPECT_EQ(Pref("enableocr"), "1");

  Action("AutomaticcloseOCRwindow1")->trigger();
  EXPECT_FALSE(Find<QCheckBox>("CheckAutocloseOCR")->isChecked());
  EXPECT_EQ(Pref("autocloseocr"), "0");
  ClickOn("CheckAutocloseOCR");
  EXPECT_TRUE(Action("AutomaticcloseOCRwindow1")->isChecked());
  EXPECT_EQ(Pref("autocloseocr"), "1");
}

TEST_F(SettingsHandlersTest, AutoColorDetectionPairEnablesTheColourControls) {
  Start();
  auto* box = Find<QCheckBox>("CheckAutoColorDetect");
  QAction* item = Action("SelectAutoColorDetect");
  item->trigger();
  EXPECT_FALSE(box->isChecked());
  EXPECT_TRUE(Find<ColorPanel>("PanelCol3")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>("Radio3_0")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>("RadioCharCol2_1")->isEnabled());
  EXPECT_EQ(Pref("autocolordetection"), "0");
  ClickOn(box);
  EXPECT_TRUE(item->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("RadioCharCol1_2")->isEnabled());
  EXPECT_EQ(Pref("autocolordetection"), "1");
  EXPECT_TRUE(ui_.Questions.empty());
}

TEST_F(SettingsHandlersTest, ManualLanguagePairSwitchesTheStreamChoice) {
  // A root with an IFO, or start-up would already have switched to manual selection.
  WriteSettings("[preferences]\nvobroot=" + std::string(QUELM_TEST_DATA) + "/vob/basic/VIDEO_TS/\n");
  Start();
  ASSERT_FALSE(Find<QCheckBox>("CheckManualLanguage")->isChecked());
  Action("selectmanuallanuage1")->trigger();
  EXPECT_TRUE(Find<QCheckBox>("CheckManualLanguage")->isChecked());
  EXPECT_TRUE(Find<QMenu>("subtitlelanguage1")->isEnabled());
  EXPECT_TRUE(Find<QWidget>("ComboManualLanguage")->isEnabled());
  EXPECT_FALSE(Find<QWidget>("ComboLanguages")->isEnabled());
  EXPECT_EQ(Pref("manual_language_selection"), "1");
  // A stream chosen in the menu selects the combo item but is not stored.
  Action("NX2A")->trigger();
  EXPECT_EQ(window_->LanguageIndex(), 10);
  EXPECT_EQ(Pref("language_selection_2"), "<missing>");
  ClickOn("CheckManualLanguage");
  EXPECT_FALSE(Action("selectmanuallanuage1")->isChecked());
  EXPECT_FALSE(Find<QMenu>("subtitlelanguage1")->isEnabled());
  EXPECT_EQ(Pref("manual_language_selection"), "0");
}

TEST_F(SettingsHandlersTest, TrackBarsStoreTheirPositionThroughTheEdits) {
  Start();
  // The space width is automatic until the box is cleared; then the slider rules.
  ClickOn("CheckAutoSpaceWidth");
  EXPECT_EQ(Pref("autospacewidth"), "0");
  auto* slider = Find<QSlider>("TrackBar1");
  EXPECT_TRUE(slider->isEnabled());
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_End);
  EXPECT_EQ(Find<QLineEdit>("EditSpaceWidth")->text(), QStringLiteral("20"));
  EXPECT_EQ(Pref("spacewidth"), "20");
  // Typed text is not parsed: the stored value stays the slider's position.
  auto* edit = Find<QLineEdit>("EditSpaceWidth");
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("7"));
  EXPECT_EQ(Pref("spacewidth"), "20");
  auto* interlace = Find<QSlider>("TrackBar2");
  interlace->setFocus();
  QTest::keyClick(interlace, Qt::Key_Right);
  EXPECT_EQ(Pref("interlace"), "2");
}

TEST_F(SettingsHandlersTest, PositionCachingTogglesFromEitherItem) {
  Start();
  Action("PCDisabled1")->trigger();
  EXPECT_TRUE(Action("PCEnabled1")->isChecked());
  EXPECT_FALSE(Action("PCDisabled1")->isChecked());
  EXPECT_EQ(Pref("enable_position_caching"), "1");
  Action("PCDisabled1")->trigger();
  EXPECT_FALSE(Action("PCEnabled1")->isChecked());
  EXPECT_TRUE(Action("PCDisabled1")->isChecked());
  EXPECT_EQ(Pref("enable_position_caching"), "0");
}

TEST_F(SettingsHandlersTest, LearnMenuSwitchesToTheOtherItem) {
  Start();
  Action("Learnwhilereadingvob1")->trigger();
  EXPECT_TRUE(Find<QRadioButton>("LearnRadioGroup1Item1")->isChecked());
  EXPECT_TRUE(Action("Learnafterreadingvob1")->isChecked());
  EXPECT_FALSE(Action("Learnwhilereadingvob1")->isChecked());
  EXPECT_EQ(Pref("learn"), "1");
  ClickOn("LearnRadioGroup1Item0");
  EXPECT_TRUE(Action("Learnwhilereadingvob1")->isChecked());
  EXPECT_FALSE(Action("Learnautomatically1")->isChecked());
  EXPECT_EQ(Pref("learn"), "0");
}

TEST_F(SettingsHandlersTest, LearnAutomaticallyIsTheThirdItemStoredAsTwoAndRestored) {
  Start();
  ClickOn("LearnRadioGroup1Item2");
  EXPECT_EQ(Find<QRadioButton>("LearnRadioGroup1Item2")->text(), "automatically");
  EXPECT_EQ(Action("Learnautomatically1")->text(), "Learn a&utomatically");
  EXPECT_TRUE(Action("Learnautomatically1")->isChecked());
  EXPECT_FALSE(Action("Learnwhilereadingvob1")->isChecked());
  EXPECT_FALSE(Action("Learnafterreadingvob1")->isChecked());
  EXPECT_EQ(Pref("learn"), "2");
  Start();
  EXPECT_TRUE(Find<QRadioButton>("LearnRadioGroup1Item2")->isChecked());
  EXPECT_TRUE(Action("Learnautomatically1")->isChecked());
  EXPECT_FALSE(Action("Learnwhilereadingvob1")->isChecked());
  // From "automatically" each reading entry takes its own item; its own entry keeps it.
  Action("Learnafterreadingvob1")->trigger();
  EXPECT_TRUE(Find<QRadioButton>("LearnRadioGroup1Item1")->isChecked());
  EXPECT_FALSE(Action("Learnautomatically1")->isChecked());
  EXPECT_EQ(Pref("learn"), "1");
  Action("Learnautomatically1")->trigger();
  Action("Learnautomatically1")->trigger();
  EXPECT_TRUE(Find<QRadioButton>("LearnRadioGroup1Item2")->isChecked());
  EXPECT_TRUE(Action("Learnautomatically1")->isChecked());
  EXPECT_EQ(Pref("learn"), "2");
}

TEST_F(SettingsHandlersTest, OutputRootFollowsTheVobRoot) {
  WriteSettings("[preferences]\nvobroot=/media/dvd/\noutputroot=/out/\n");
  Start();
  ClickOn("CheckOutputRoot");
  EXPECT_EQ(Find<QLineEdit>("EditOutputRoot")->text(), QStringLiteral("/media/dvd/"));
  EXPECT_FALSE(Find<QWidget>("BtnChangeOutputRoot")->isEnabled());
  EXPECT_FALSE(Action("outputroot1")->isEnabled());
  EXPECT_EQ(Pref("outputroot"), "/media/dvd/");
  EXPECT_EQ(Pref("outputroot_same_as_vobroot"), "1");
}

TEST_F(SettingsHandlersTest, RefusedWriteShowsTheMessageAndTheProgramCarriesOn) {
  // The settings "directory" is a regular file, so every write is refused.
  QFile blocker(dir_.filePath(QStringLiteral("blocked")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  settingsPath_ = dir_.filePath(QStringLiteral("blocked/quelm.ini")).toStdString();
  Start();
  // Start-up already stores keys (without an IFO it switches to manual selection); each
  // refused write says so once.
  ASSERT_FALSE(ui_.Messages.empty());
  for (const std::string& text : ui_.MessageTexts()) EXPECT_EQ(text, "Unable to write to " + settingsPath_);
  ui_.Messages.clear();
  ClickOn("CheckAutoSave");
  ASSERT_EQ(ui_.MessageTexts(), std::vector<std::string>{"Unable to write to " + settingsPath_});
  EXPECT_TRUE(Find<QCheckBox>("CheckAutoSave")->isChecked());
  Action("PCEnabled1")->trigger();
  EXPECT_EQ(ui_.Messages.size(), 2u);
  EXPECT_TRUE(Action("PCEnabled1")->isChecked());
}

}  // namespace
}  // namespace quelm::test
