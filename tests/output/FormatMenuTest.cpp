#include "output/FormatMenu.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "OutputTestFiles.h"

namespace quelm {
namespace {

using Names = std::vector<std::string>;

TEST(FormatMenuTest, FileNameComesFromTheLastColon) {
  EXPECT_EQ(FormatFileNameFromCaption("My format : a.ini"), "a.ini");
  EXPECT_EQ(FormatFileNameFromCaption("Time: code : b.ini"), "b.ini");
  EXPECT_EQ(FormatFileNameFromCaption("ab:cd"), "d");
  EXPECT_EQ(FormatFileNameFromCaption("noColon"), "Colon");  // from the third character
  EXPECT_EQ(FormatFileNameFromCaption("x:"), "");
  EXPECT_EQ(FormatFileNameFromCaption(":"), "");
  EXPECT_EQ(FormatFileNameFromCaption(""), "");
  EXPECT_EQ(FormatPathFromCaption("/p/outputini", "My format : a.ini"), "/p/outputini/a.ini");
  EXPECT_EQ(FormatPathFromCaption("/p/outputini/", "My format : a.ini"), "/p/outputini/a.ini");
  EXPECT_EQ(FormatPathFromCaption("/p/outputini", ""), "/p/outputini/");
  EXPECT_EQ(FormatDirectoryBeside("/usr/bin/"), "/usr/bin/outputini");
}

TEST(FormatMenuTest, ListsIniFilesSortedWithoutCase) {
  test::ScratchDirectory dir;
  for (const char* name : {"b.ini", "A.INI", "a2.ini", "notes.txt", ".hidden.ini", "ini"})
    dir.Write(name, "[ini_info]\n");
  std::filesystem::create_directory(dir.Path() + "sub.ini");
  EXPECT_EQ(ListFormatFiles(dir.Path()), (Names{"A.INI", "a2.ini", "b.ini"}));
  EXPECT_FALSE(ListFormatFiles(dir.Path() + "missing").has_value());
  std::filesystem::create_directory(dir.Path() + "empty");
  EXPECT_EQ(ListFormatFiles(dir.Path() + "empty"), Names{});
}

TEST(FormatMenuTest, ListingSortKeepsCaseVariantsInAFixedOrder) {
  Names names{"b.ini", "B.ini", "a.ini"};
  SortFormatFileNames(names);
  EXPECT_EQ(names, (Names{"a.ini", "B.ini", "b.ini"}));
}

class FormatMenuBuildTest : public ::testing::Test {
 protected:
  FormatMenuBuildTest() {
    dir_.Write("b.ini", "[body]\n0=x\n");
    dir_.Write("a.ini", "[ini_info]\nname=My format\n");
  }
  test::ScratchDirectory dir_;
};

TEST_F(FormatMenuBuildTest, FirstBuildUsesTheStoredPosition) {
  const FormatMenuBuild build = BuildFormatMenu(dir_.Path(), NoCheckedCaption, 3);
  ASSERT_TRUE(build.DirectoryFound);
  ASSERT_EQ(build.Items.size(), 2u);
  EXPECT_EQ(build.Items[0].Caption, "My format : a.ini");
  EXPECT_EQ(build.Items[1].Caption, "unknown : b.ini");
  EXPECT_EQ(build.Items[1].FileName, "b.ini");
  EXPECT_EQ(build.Selected, std::optional<std::size_t>(1));
  EXPECT_TRUE(build.StorePosition);
  EXPECT_EQ(MenuPosition(*build.Selected), 3);

  EXPECT_EQ(BuildFormatMenu(dir_.Path(), NoCheckedCaption, DefaultFormatMenuPosition).Selected,
            std::optional<std::size_t>(0));
}

TEST_F(FormatMenuBuildTest, PositionNamingNoItemSelectsNothing) {
  for (int position : {4, 1, 0, -1, 1000}) {
    const FormatMenuBuild build = BuildFormatMenu(dir_.Path(), NoCheckedCaption, position);
    EXPECT_FALSE(build.Selected.has_value()) << position;
    EXPECT_FALSE(build.StorePosition) << position;
  }
  test::ScratchDirectory empty;
  const FormatMenuBuild none = BuildFormatMenu(empty.Path(), NoCheckedCaption, 2);
  EXPECT_TRUE(none.DirectoryFound);
  EXPECT_TRUE(none.Items.empty());
  EXPECT_FALSE(none.Selected.has_value());
}

TEST_F(FormatMenuBuildTest, RebuildKeepsTheCheckedCaption) {
  const FormatMenuBuild kept = BuildFormatMenu(dir_.Path(), "unknown : b.ini", 2);
  EXPECT_EQ(kept.Selected, std::optional<std::size_t>(1));
  EXPECT_FALSE(kept.StorePosition);  // the stored position is only rewritten by a click

  // The current format was renamed in the editor: nothing carries the check mark.
  const FormatMenuBuild renamed = BuildFormatMenu(dir_.Path(), "Old name : a.ini", 2);
  EXPECT_FALSE(renamed.Selected.has_value());
  EXPECT_FALSE(renamed.StorePosition);
}

TEST_F(FormatMenuBuildTest, ColonInAFileNameStillFindsTheFile) {
  dir_.Write("v2:final.ini", "[ini_info]\nname=Final\n");
  const FormatMenuBuild build = BuildFormatMenu(dir_.Path(), NoCheckedCaption, 4);
  ASSERT_EQ(build.Items.size(), 3u);
  EXPECT_EQ(build.Items[2].Caption, "Final : v2:final.ini");
  EXPECT_EQ(FormatPathFromCaption("/f", "Final : v2:final.ini"),
            "/f/inal.ini");  // the bare rule skips ":" and one more
  EXPECT_EQ(FormatPathFromCaption("/f", "Final : v2:final.ini", build.Items), "/f/v2:final.ini");
  EXPECT_EQ(FormatPathFromCaption("/f", "Gone : x.ini", build.Items), "/f/x.ini");
}

TEST_F(FormatMenuBuildTest, MissingDirectoryLeavesTheMenuAlone) {
  const FormatMenuBuild build = BuildFormatMenu(dir_.Path() + "outputini", NoCheckedCaption, 2);
  EXPECT_FALSE(build.DirectoryFound);
  EXPECT_TRUE(build.Items.empty());
  EXPECT_FALSE(build.Selected.has_value());
}

}  // namespace
}  // namespace quelm
