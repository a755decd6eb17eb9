// The paths a file manager passes to `quelm`: which become the VOB/IFO root, which go into the
// VOB file list, which name nothing.
#include "app/StartPaths.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quelm {
namespace {

namespace fs = std::filesystem;

class StartPathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = (fs::temp_directory_path() /
            (std::string("quelm_start_") + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()))
               .string();
    fs::remove_all(dir_);
    fs::create_directories(dir_ + "/VIDEO_TS");
    for (const char* name : {"VIDEO_TS/VTS_01_0.IFO", "VIDEO_TS/VTS_01_1.VOB",
                             "VIDEO_TS/VTS_01_2.VOB", "VIDEO_TS/vts_02_0.ifo"})
      std::ofstream(dir_ + "/" + name) << "x";
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string dir_;
};

TEST_F(StartPathsTest, DirectoryBecomesTheRootAndVobFilesTheList) {
  const StartPaths paths = StartPaths::Sort(
      {dir_ + "/VIDEO_TS/", dir_ + "/VIDEO_TS/VTS_01_2.VOB", dir_ + "/VIDEO_TS/VTS_01_1.VOB"}, "/");
  EXPECT_EQ(paths.VobRoot, dir_ + "/VIDEO_TS");
  EXPECT_EQ(paths.VobFiles, (std::vector<std::string>{dir_ + "/VIDEO_TS/VTS_01_2.VOB",
                                                      dir_ + "/VIDEO_TS/VTS_01_1.VOB"}));
  EXPECT_TRUE(paths.Missing.empty());
}

TEST_F(StartPathsTest, RelativePathsAreTakenFromTheCurrentDirectoryAndListedOnce) {
  const StartPaths paths =
      StartPaths::Sort({"VIDEO_TS/VTS_01_1.VOB", "./VIDEO_TS/../VIDEO_TS/VTS_01_1.VOB", "."}, dir_);
  EXPECT_EQ(paths.VobFiles, (std::vector<std::string>{dir_ + "/VIDEO_TS/VTS_01_1.VOB"}));
  EXPECT_EQ(paths.VobRoot, dir_);
}

TEST_F(StartPathsTest, AnIfoFileInAnyCaseOpensItsDirectory) {
  EXPECT_EQ(StartPaths::Sort({dir_ + "/VIDEO_TS/VTS_01_0.IFO"}, "/").VobRoot, dir_ + "/VIDEO_TS");
  const StartPaths paths = StartPaths::Sort({dir_ + "/VIDEO_TS/vts_02_0.ifo"}, "/");
  EXPECT_EQ(paths.VobRoot, dir_ + "/VIDEO_TS");
  EXPECT_TRUE(paths.VobFiles.empty());
}

TEST_F(StartPathsTest, AVobSubPairByEitherFileOpensItsDirectoryAndListsItsSub) {
  fs::create_directories(dir_ + "/rip");
  for (const char* name : {"rip/Movie.IDX", "rip/movie.sub", "rip/lone.sub"})
    std::ofstream(dir_ + "/" + name) << "x";
  const StartPaths byIndex = StartPaths::Sort({dir_ + "/rip/Movie.IDX"}, "/");
  EXPECT_EQ(byIndex.VobRoot, dir_ + "/rip");
  EXPECT_EQ(byIndex.VobFiles, (std::vector<std::string>{dir_ + "/rip/movie.sub"}));
  const StartPaths bySub = StartPaths::Sort({dir_ + "/rip/movie.sub", dir_ + "/rip/lone.sub"}, "/");
  EXPECT_EQ(bySub.VobRoot, dir_ + "/rip");
  EXPECT_EQ(bySub.VobFiles,
            (std::vector<std::string>{dir_ + "/rip/movie.sub", dir_ + "/rip/lone.sub"}));
  // A .sub without an index is a file like any VOB.
  EXPECT_EQ(StartPaths::Sort({dir_ + "/rip/lone.sub"}, "/").VobRoot, "");
}

TEST_F(StartPathsTest, TheLastRootWinsAndMissingPathsAreReportedNotGuessed) {
  const StartPaths paths =
      StartPaths::Sort({dir_, dir_ + "/VIDEO_TS", dir_ + "/gone.vob", "", "/"}, "/");
  EXPECT_EQ(paths.VobRoot, "/");
  EXPECT_EQ(paths.Missing, (std::vector<std::string>{dir_ + "/gone.vob"}));
  EXPECT_TRUE(paths.VobFiles.empty());
  EXPECT_TRUE(StartPaths::Sort({}, "/").VobRoot.empty());
}

}  // namespace
}  // namespace quelm
