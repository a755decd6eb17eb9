// The palette block: colour panels with the colour dialog, the mapping grid, the colour roles
// and their menus, the bit depth, and the colours handed to an extraction run.
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "app/ColorPanel.h"
#include "MainWindowFixture.h"

namespace quelm::test {
namespace {

class PaletteTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // Detection off, so the colour controls can be used.
    WriteSettings("[preferences]\nautocolordetection=0\n");
  }
};

TEST_F(PaletteTest, DoubleClickChoosesAColourAndStoresAllFour) {
  TMain& w = Start();
  ui_.Colors.push_back(Color{0x123456});
  QTest::mouseDClick(Find<ColorPanel>("PanelCol2"), Qt::LeftButton);
  ASSERT_EQ(ui_.ColorRequests.size(), 1u);
  EXPECT_EQ(ui_.ColorRequests[0].first, 0x686868u);
  EXPECT_EQ(ui_.ColorRequests[0].second,
            (std::array<Color, 4>{0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF}));
  EXPECT_EQ(w.PanelColors()[2], 0x123456u);
  EXPECT_EQ(Pref("color_0"), "0");
  EXPECT_EQ(Pref("color_1"), "13158600");
  EXPECT_EQ(Pref("color_2"), "1193046");
  EXPECT_EQ(Pref("color_3"), "16777215");
  // Row 2 is drawn in panel 2's new colour.
  EXPECT_EQ(w.SetSubTitleColors(), (std::array<Color, 4>{0x000000, 0xC8C8C8, 0x123456, 0xFFFFFF}));
}

TEST_F(PaletteTest, CancelledDialogStillStoresTheFourColours) {
  TMain& w = Start();
  Action("bitmapcolor11")->trigger();  // "&1. Color 1..."
  ASSERT_EQ(ui_.ColorRequests.size(), 1u);
  EXPECT_EQ(ui_.ColorRequests[0].first, 0xC8C8C8u);
  EXPECT_EQ(w.PanelColors()[1], 0xC8C8C8u);
  EXPECT_EQ(Pref("color_0"), "0");
  EXPECT_EQ(Pref("color_1"), "13158600");
  EXPECT_EQ(Pref("color_2"), "6842472");
  EXPECT_EQ(Pref("color_3"), "16777215");
}

TEST_F(PaletteTest, SwappingTwoRowsSwapsHowTheyAreDrawn) {
  TMain& w = Start();
  ClickOn("Radio1_3");
  ClickOn("Radio3_1");
  EXPECT_EQ(Pref("color1x"), "3");
  EXPECT_EQ(Pref("color3x"), "1");
  EXPECT_EQ(Pref("color0x"), "0");
  EXPECT_EQ(w.SetSubTitleColors(), (std::array<Color, 4>{0x000000, 0xFFFFFF, 0x686868, 0xC8C8C8}));
}

TEST_F(PaletteTest, RoleMenusAndRadiosShowOneChoice) {
  TMain& w = Start();
  Action("N32")->trigger();  // "&4": background row 3
  EXPECT_TRUE(Find<QRadioButton>("RadioCharCol2_3")->isChecked());
  EXPECT_TRUE(Action("N32")->isChecked());
  EXPECT_FALSE(Action("N02")->isChecked());
  EXPECT_EQ(Pref("backgroundcolor"), "3");
  EXPECT_EQ(Pref("charcolor"), "3");
  ClickOn("RadioCharCol1_1");
  EXPECT_TRUE(Action("N11")->isChecked());
  EXPECT_FALSE(Action("N31")->isChecked());
  EXPECT_EQ(Pref("charcolor"), "1");
  EXPECT_EQ(w.CharColorRow(), 1);
  // Choosing the item that is already chosen keeps its mark.
  Action("N11")->trigger();
  EXPECT_TRUE(Action("N11")->isChecked());
}

TEST_F(PaletteTest, BitDepthIsStored) {
  Start();
  ClickOn("RadioBit1");
  EXPECT_EQ(Pref("bits"), "1");
  ClickOn("RadioBit4");
  EXPECT_EQ(Pref("bits"), "4");
}

TEST_F(PaletteTest, DetectionWithDuplicateColoursAsksFirstAndStoresTheReset) {
  WriteSettings("[preferences]\nautocolordetection=0\ncolor_2=16777215\n");  // panels 2, 3 white
  TMain& w = Start();
  ClickOn("Radio0_1");
  ui_.FailOnUnexpectedQuestion = true;
  ui_.Answers.push_back(Answer::No);
  ClickOn("CheckAutoColorDetect");
  ASSERT_EQ(ui_.Questions.size(), 1u);
  EXPECT_EQ(ui_.Questions[0],
            "Auto colordetection needs four unique colors!\rReset colors to default settings and "
            "proceed?");
  EXPECT_FALSE(Find<QCheckBox>("CheckAutoColorDetect")->isChecked());
  EXPECT_TRUE(Find<ColorPanel>("PanelCol0")->isEnabled());
  EXPECT_EQ(Pref("autocolordetection"), "0");

  ui_.Answers.push_back(Answer::Yes);
  ClickOn("CheckAutoColorDetect");
  EXPECT_TRUE(Find<QCheckBox>("CheckAutoColorDetect")->isChecked());
  EXPECT_EQ(w.RowColumns(), (std::array<int, 4>{0, 1, 2, 3}));
  EXPECT_FALSE(Find<ColorPanel>("PanelCol0")->isEnabled());
  EXPECT_EQ(Pref("autocolordetection"), "1");
  EXPECT_EQ(Pref("color0x"), "0");
  EXPECT_EQ(Pref("color_2"), "6842472");
  // The reset colours are what the next start finds.
  Stop();
  TMain& again = Start();
  EXPECT_EQ(again.PanelColors(), (std::array<Color, 4>{0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF}));
}

}  // namespace
}  // namespace quelm::test
