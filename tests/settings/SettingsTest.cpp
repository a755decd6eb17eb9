// The Qt-free rules of the desktop program: where the settings live, the stored VOB file list
// and its drag rule, the colour mapping, the restore-phase write filter, and the learning mode
// as the command line reads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "settings/CliSettings.h"
#include "settings/PaletteMapping.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsStore.h"
#include "settings/VobFileList.h"
#include "support/ScriptedInteraction.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

EnvironmentLookup Env(std::map<std::string, std::string> values) {
  return [values](const std::string& name) -> std::optional<std::string> {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

TEST(SettingsLocationTest, CommandLineThenVariableThenXdgThenHome) {
  const auto all = Env({{"QUELM_SETTINGS", "/a/q.ini"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}});
  EXPECT_EQ(ResolveSettingsPath(std::string("/cmd/s.ini"), all), "/cmd/s.ini");
  EXPECT_EQ(ResolveSettingsPath(std::nullopt, all), "/a/q.ini");
  EXPECT_EQ(ResolveSettingsPath(std::nullopt, Env({{"XDG_CONFIG_HOME", "/x/"}, {"HOME", "/h"}})),
            "/x/quelm/quelm.ini");
  EXPECT_EQ(ResolveSettingsPath(std::nullopt, Env({{"HOME", "/home/u"}})),
            "/home/u/.config/quelm/quelm.ini");
  // Set but empty counts as unset.
  EXPECT_EQ(ResolveSettingsPath(std::nullopt,
                                Env({{"QUELM_SETTINGS", ""}, {"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}})),
            "/h/.config/quelm/quelm.ini");
}

class TempFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quelm_app_core_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
            "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "quelm.ini").string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Text() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }

  fs::path dir_;
  std::string path_;
};

using VobFileListTest = TempFileTest;

TEST_F(VobFileListTest, ThreePathsStoredAsQuotedNumberedKeysAndLoadedInOrder) {
  IniFile file(path_);
  ASSERT_TRUE(VobFileList::Save(file, {"/d/VTS_01_1.VOB", "  /d/lead.vob", "/d/c.vob"}));
  const std::string text = Text();
  EXPECT_NE(text.find("0=\"/d/VTS_01_1.VOB\""), std::string::npos) << text;
  EXPECT_NE(text.find("1=\"  /d/lead.vob\""), std::string::npos) << text;
  EXPECT_NE(text.find("2=\"/d/c.vob\""), std::string::npos) << text;
  EXPECT_EQ(VobFileList::Load(file),
            (std::vector<std::string>{"/d/VTS_01_1.VOB", "  /d/lead.vob", "/d/c.vob"}));
  // Saving a shorter list removes the old keys.
  ASSERT_TRUE(VobFileList::Save(file, {"/d/only.vob"}));
  EXPECT_EQ(VobFileList::Load(file), (std::vector<std::string>{"/d/only.vob"}));
}

TEST_F(VobFileListTest, GapsAndErrorValuesFollowTheLoadingRule) {
  Write("[vobfilelist]\n0=\"/a.vob\"\n1=error\n5=\"/f.vob\"\n");
  // Three keys: 0, 1 and 2 are read; 1 is the word error, 2 is missing (default "error").
  EXPECT_EQ(VobFileList::Load(IniFile(path_)), (std::vector<std::string>{"/a.vob"}));
}

TEST(VobFileListDragTest, MovesTheSelectedEntryAndNeverLosesOne) {
  std::vector<std::string> list{"1", "2", "3", "4"};
  EXPECT_EQ(VobFileList::MoveForDrag(list, 0, 2), 2);
  EXPECT_EQ(list, (std::vector<std::string>{"2", "3", "1", "4"}));
  // Below the last entry: the entry goes to the end.
  EXPECT_EQ(VobFileList::MoveForDrag(list, 0, 9), 3);
  EXPECT_EQ(list, (std::vector<std::string>{"3", "1", "4", "2"}));
  // Upwards, and a selection outside the list changes nothing.
  EXPECT_EQ(VobFileList::MoveForDrag(list, 3, 0), 0);
  EXPECT_EQ(list, (std::vector<std::string>{"2", "3", "1", "4"}));
  EXPECT_EQ(VobFileList::MoveForDrag(list, -1, 2), -1);
  EXPECT_EQ(VobFileList::MoveForDrag(list, 4, 0), 4);
  EXPECT_EQ(list, (std::vector<std::string>{"2", "3", "1", "4"}));
}

TEST(PaletteMappingTest, RowsTakeTheirColumnsColourAndUncheckedRowsAreBlack) {
  const std::array<Color, 4> panels{0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF};
  EXPECT_EQ(MapSubtitleColors(panels, {0, 1, 2, 3}), panels);
  // Row 1 shown in column 3 and row 3 in column 1 swap how those rows are drawn.
  EXPECT_EQ(MapSubtitleColors(panels, {0, 3, 2, 1}),
            (std::array<Color, 4>{0x000000, 0xFFFFFF, 0x686868, 0xC8C8C8}));
  EXPECT_EQ(MapSubtitleColors(panels, {-1, 1, 2, 3})[0], 0x000000u);
  EXPECT_EQ(MapSubtitleColors({1, 2, 3, 4}, {3, -1, 0, 0}), (std::array<Color, 4>{4, 0, 1, 1}));
}

TEST(PaletteMappingTest, AutoDetectionNeedsFourDistinctColours) {
  EXPECT_TRUE(HasFourUniqueColors({0, 1, 2, 3}, {0, 1, 2, 3}));
  EXPECT_TRUE(HasFourUniqueColors({0, 1, 2, 3}, {3, 2, 1, 0}));
  EXPECT_FALSE(HasFourUniqueColors({0, 1, 1, 3}, {0, 1, 2, 3}));
  EXPECT_FALSE(HasFourUniqueColors({0, 1, 2, 3}, {0, 1, 1, 3}));
}

using SettingsStoreTest = TempFileTest;

TEST_F(SettingsStoreTest, DuringRestoreOnlyRestoredKeysAreWritten) {
  Write("[preferences]\nenableocr=1\nautocloseocr=0\n");
  test::ScriptedInteraction ui;
  SettingsStore store(path_, ui);
  store.BeginRestore();
  EXPECT_TRUE(store.ReadBool("enableocr", true));
  // A handler storing both keys while only enableocr has been read.
  EXPECT_TRUE(store.Store({{"enableocr", "0"}, {"autocloseocr", "1"}}));
  store.EndRestore();
  EXPECT_EQ(Text(), "[preferences]\nenableocr=0\nautocloseocr=0\n");
  EXPECT_TRUE(store.StoreBool("autocloseocr", true));
  EXPECT_EQ(Text(), "[preferences]\nenableocr=0\nautocloseocr=1\n");
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(SettingsStoreTest, RefusedWriteIsReportedAndFails) {
  // A regular file where the settings directory should be: no write can succeed.
  Write("x");
  const std::string blocked = path_ + "/quelm.ini";
  test::ScriptedInteraction ui;
  SettingsStore store(blocked, ui);
  EXPECT_FALSE(store.StoreInteger("spacewidth", 3));
  ASSERT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unable to write to " + blocked});
  EXPECT_EQ(ui.Messages[0].Kind, MessageKind::Error);
}

using CliSettingsTest = TempFileTest;

TEST_F(CliSettingsTest, ReadsEachLearningModeAsTheWindowStoresIt) {
  // learn: 0 while, 1 after reading, 2 automatically; out of range clamped as the window does.
  const std::vector<std::tuple<std::string, bool, bool>> cases{
      {"0", false, false}, {"1", true, false}, {"2", false, true}, {"7", false, true},
      {"-1", false, false}};
  for (const auto& [learn, after, automatically] : cases) {
    Write("[preferences]\nlearn=" + learn + "\nocr_language=deu\n");
    const CliSettings settings = CliSettings::Read(path_);
    EXPECT_EQ(settings.LearnAfterReading, after) << learn;
    EXPECT_EQ(settings.LearnAutomatically, automatically) << learn;
    EXPECT_EQ(settings.OcrLanguage, "deu");
  }
}

}  // namespace
}  // namespace quelm
