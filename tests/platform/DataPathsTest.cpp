// Where the programs look for outputini/ and languages/: a build tree, an installed tree under
// an arbitrary prefix, and neither.
#include "platform/DataPaths.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "quelm/Version.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

class DataPathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            (std::string("quelm_paths_") + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "opt" / "bin");
    bin_ = (root_ / "opt" / "bin").string() + "/";
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
  std::string bin_;
};

TEST_F(DataPathsTest, InstalledTreeUnderAnyPrefixIsFoundFromTheProgram) {
  fs::create_directories(root_ / "opt" / "share" / "quelm" / "outputini");
  EXPECT_EQ(FindDataDirectory(bin_, "outputini"),
            (root_ / "opt" / "share" / "quelm" / "outputini").string());
  // Without a trailing "/" on the program's directory the same place is meant.
  bin_.pop_back();
  EXPECT_EQ(FindDataDirectory(bin_, "outputini"),
            (root_ / "opt" / "share" / "quelm" / "outputini").string());
}

TEST_F(DataPathsTest, BesideTheProgramWinsOverTheInstalledCopy) {
  fs::create_directories(root_ / "opt" / "share" / "quelm" / "languages");
  fs::create_directories(root_ / "opt" / "bin" / "languages");
  EXPECT_EQ(FindDataDirectory(bin_, "languages"), bin_ + "languages");
}

TEST_F(DataPathsTest, AFileInTheWayIsNoDirectory) {
  fs::create_directories(root_ / "opt" / "share" / "quelm");
  std::FILE* blocker = std::fopen((root_ / "opt" / "bin" / "outputini").c_str(), "w");
  ASSERT_NE(blocker, nullptr);
  std::fclose(blocker);
  fs::create_directories(root_ / "opt" / "share" / "quelm" / "outputini");
  EXPECT_EQ(FindDataDirectory(bin_, "outputini"),
            (root_ / "opt" / "share" / "quelm" / "outputini").string());
}

TEST_F(DataPathsTest, NothingFoundNamesThePlaceBesideTheProgram) {
  EXPECT_EQ(FindDataDirectory(bin_, "no-such-data"), bin_ + "no-such-data");
  const std::vector<std::string> candidates = DataDirectoryCandidates(bin_, "no-such-data");
  ASSERT_GE(candidates.size(), 2u);
  EXPECT_EQ(candidates[0], bin_ + "no-such-data");
  EXPECT_EQ(candidates[1], (root_ / "opt" / "share" / "quelm" / "no-such-data").string());
}

TEST_F(DataPathsTest, UnknownProgramDirectoryFallsBackToTheConfiguredPrefix) {
  const std::vector<std::string> candidates = DataDirectoryCandidates("", "outputini");
  ASSERT_EQ(candidates.size(), 1u);
  EXPECT_TRUE(candidates[0].ends_with("/share/quelm/outputini")) << candidates[0];
}

TEST(ProgramDirectoryTest, IsTheDirectoryThisTestRunsFrom) {
  // Test programs are built into the same directory as quelm and quelm-cli.
  EXPECT_EQ(fs::canonical(ProgramDirectory()), fs::canonical(QUELM_BIN_DIR));
  EXPECT_EQ(ProgramDirectory().back(), '/');
}

TEST(VersionTest, CaptionIsBuiltFromNumberAndSuffix) {
  EXPECT_EQ(std::string(VersionText), std::string(VersionNumber) + " (" + VersionSuffix + ")");
  EXPECT_EQ(std::string(VersionCaption), std::string("Quelm v") + VersionText);
  EXPECT_STREQ(VersionCaption, "Quelm v1.01 (beta)");
}

}  // namespace
}  // namespace quelm
