// Language files and the translator's rules: list values, property paths, menu captions, the
// menu build with a stored position, and the shipped files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "settings/LanguageFile.h"
#include "support/PeripheryTestFiles.h"

namespace quelm::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(LanguageFileTest, ListValuesAreCutTrimmedAndATrailingSeparatorAddsNothing) {
  EXPECT_EQ(SplitListValue("while reading,after reading,  ", ","),
            (Lines{"while reading", "after reading"}));
  EXPECT_EQ(SplitListValue("a,,b,", ","), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitListValue(" a , , b ", ","), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitListValue(",", ","), (Lines{""}));
  EXPECT_EQ(SplitListValue("", ","), Lines{});
  EXPECT_EQ(SplitListValue("one", ","), Lines{"one"});
  EXPECT_EQ(SplitListValue("x | y | ", " | "), (Lines{"x", "y"}));
  // An empty or blank separator stands for ",".
  EXPECT_EQ(SplitListValue("p,q", "  "), (Lines{"p", "q"}));
  EXPECT_EQ(EffectiveSeparator(""), ",");
  EXPECT_EQ(EffectiveSeparator(";"), ";");
}

TEST(LanguageFileTest, PathsSplitAtEveryDotWithEachPartTrimmed) {
  const PropertyPath path = SplitPropertyPath("  Main . Label1 .Caption ");
  EXPECT_EQ(path.Components, (Lines{"Main", "Label1"}));
  EXPECT_EQ(path.Property, "Caption");
  const PropertyPath bare = SplitPropertyPath("Caption");
  EXPECT_TRUE(bare.Components.empty());
  EXPECT_EQ(bare.Property, "Caption");
}

TEST(LanguageFileTest, CaptionsAndTheFileNameTakenBackFromThem) {
  EXPECT_EQ(LanguageMenuCaption("English", "english.ini"), "English : english.ini");
  EXPECT_EQ(LanguageFileFromCaption("English : english.ini"), "english.ini");
  EXPECT_EQ(LanguageFileFromCaption("Name: with colon : x.ini"), "x.ini");
}

TEST(LanguageFileTest, TheMainWindowTranslatesThirtySixPaths) {
  const Lines& paths = MainWindowTranslationPaths();
  ASSERT_EQ(paths.size(), 37u);
  EXPECT_EQ(paths.front(), "Main.Label1.Caption");
  EXPECT_EQ(paths[13], "Main.Label6.Caption");
  EXPECT_EQ(paths[30], "Main.LearnRadioGroup1.Items");
  EXPECT_EQ(paths[33], "Main.Label16.Caption");
  EXPECT_EQ(paths[35], "CD.Label1.Caption");
  EXPECT_EQ(paths.back(), "");
}

class LanguageMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = (fs::temp_directory_path() / ("quelm-lang-" + std::to_string(::getpid()))).string();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string dir_;
};

TEST_F(LanguageMenuTest, FilesSortedWithoutCaseAndAMissingNameReadsUnknown) {
  WriteText(dir_ + "/b.ini", "[ini_info]\nname=Bee\n");
  WriteText(dir_ + "/A.ini", "[Translations]\nMain.Label1.Caption=x\n");
  WriteText(dir_ + "/notes.txt", "not a language");
  const LanguageMenuBuild build = BuildLanguageMenu(dir_, std::nullopt, 0);
  ASSERT_TRUE(build.DirectoryFound);
  EXPECT_EQ(build.Captions, (Lines{"unknown : A.ini", "Bee : b.ini"}));
  EXPECT_EQ(build.FileNames, (Lines{"A.ini", "b.ini"}));
  EXPECT_EQ(build.Apply, 0u);
}

TEST_F(LanguageMenuTest, StoredPositionOnlyWithoutARememberedCaption) {
  WriteText(dir_ + "/one.ini", "[ini_info]\nname=One\n");
  WriteText(dir_ + "/two.ini", "[ini_info]\nname=Two\n");
  EXPECT_EQ(BuildLanguageMenu(dir_, std::nullopt, 1).Apply, 1u);
  EXPECT_EQ(BuildLanguageMenu(dir_, std::nullopt, 5).Apply, std::nullopt);
  EXPECT_EQ(BuildLanguageMenu(dir_, std::nullopt, -1).Apply, std::nullopt);
  EXPECT_EQ(BuildLanguageMenu(dir_, std::string("Two : two.ini"), 0).Apply, 1u);
  // A remembered language that has gone applies nothing, whatever the stored position.
  EXPECT_EQ(BuildLanguageMenu(dir_, std::string("Old : old.ini"), 0).Apply, std::nullopt);
  EXPECT_FALSE(BuildLanguageMenu(dir_ + "/missing", std::nullopt, 0).DirectoryFound);
}

TEST_F(LanguageMenuTest, TranslationKeysCompareWithoutCase) {
  WriteText(dir_ + "/x.ini", "[translations]\nmain.checkautosave.caption=Selbst\nMain.Empty.Caption=\n");
  const LanguageTranslations translations = LanguageTranslations::Load(dir_ + "/x.ini");
  EXPECT_EQ(translations.Find("Main.CheckAutosave.Caption"), "Selbst");
  EXPECT_EQ(translations.Find("Main.Empty.Caption"), "");
  EXPECT_EQ(translations.Find("Main.Other.Caption"), "");
  EXPECT_EQ(LanguageTranslations::Load(dir_ + "/none.ini").Find("Main.Label1.Caption"), "");
}

// The build puts the shipped files beside the programs; each translates every path.
TEST(ShippedLanguagesTest, EnglishGermanAndFrenchTranslateEveryPath) {
  const std::string dir = std::string(QUELM_BIN_DIR) + "/languages";
  const auto files = ListLanguageFiles(dir);
  ASSERT_TRUE(files.has_value()) << dir;
  EXPECT_EQ(*files, (Lines{"english.ini", "french.ini", "german.ini"}));
  const Lines names = {"English", "Français", "Deutsch"};
  for (std::size_t i = 0; i < files->size(); ++i) {
    const std::string path = dir + "/" + (*files)[i];
    EXPECT_EQ(ReadLanguageName(path), names[i]);
    const LanguageTranslations translations = LanguageTranslations::Load(path);
    for (const std::string& key : MainWindowTranslationPaths()) {
      if (key.empty()) continue;
      EXPECT_FALSE(translations.Find(key).empty()) << path << ": " << key;
    }
  }
}

}  // namespace
}  // namespace quelm::test
