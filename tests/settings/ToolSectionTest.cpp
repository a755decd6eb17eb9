// The "tools" section: keys position_name in list order, names back without their number, and
// which stored values a tool item may start.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/IniFile.h"
#include "settings/ToolSection.h"
#include "settings/VobFileList.h"
#include "support/PeripheryTestFiles.h"

namespace quelm::test {
namespace {

namespace fs = std::filesystem;

class ToolSectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("quelm-tools-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ini_ = (dir_ / "quelm.ini").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
  std::string ini_;
};

TEST_F(ToolSectionTest, NameIsTheKeyWithoutItsPositionAndUnderscore) {
  EXPECT_EQ(ToolNameFromKey("0_Editor"), "Editor");
  EXPECT_EQ(ToolNameFromKey("10_Player"), "Player");
  EXPECT_EQ(ToolNameFromKey("3_my_tool"), "my_tool");
  EXPECT_EQ(ToolNameFromKey("Editor"), "Editor");
  EXPECT_EQ(ToolNameFromKey("7_"), "");
  EXPECT_EQ(ToolKey(4, "a=b"), "4_a-b");
}

TEST_F(ToolSectionTest, ElevenToolsAreStoredInListOrderAndComeBackByName) {
  std::vector<ToolEntry> tools;
  for (int i = 0; i < 11; ++i) tools.push_back({"t" + std::to_string(i), "/bin/p" + std::to_string(i)});
  tools[0].Name = "unknown";
  IniFile file(ini_);
  WriteText(ini_, "[preferences]\nspacewidth=5\n[tools]\n0_old=\"/x\"\n");
  ASSERT_TRUE(StoreToolList(file, tools).Ok);

  std::vector<std::string> expected = {"[preferences]", "spacewidth=5", "[tools]",
                                       "0_unknown=\"/bin/p0\""};
  for (int i = 1; i < 11; ++i)
    expected.push_back(std::to_string(i) + "_t" + std::to_string(i) + "=\"/bin/p" +
                       std::to_string(i) + "\"");
  std::vector<std::string> lines = TextLines(ReadText(ini_));
  std::erase(lines, std::string());
  EXPECT_EQ(lines, expected);

  const std::vector<ToolEntry> back = ReadToolList(file);
  ASSERT_EQ(back.size(), 11u);
  EXPECT_EQ(back[10].Name, "t10");
  EXPECT_EQ(back[10].Path, "/bin/p10");
  EXPECT_EQ(back[9].Name, "t9");
  EXPECT_EQ(ReadToolKeys(file)[10], "10_t10");

  ASSERT_TRUE(StoreToolList(file, {}).Ok);
  EXPECT_TRUE(ReadToolKeys(file).empty());
  EXPECT_EQ(ReadText(ini_).find("[tools]"), std::string::npos);
}

// A disk that takes files up to `bytes` only, as a full one does; writes beyond fail (EFBIG).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, old_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  sighandler_t oldHandler_ = SIG_DFL;
};

TEST_F(ToolSectionTest, ListsAreReplacedInOneWriteSoARefusedOneKeepsTheOldList) {
  const std::string old = "[tools]\n0_Old=\"/bin/old\"\n[vobfilelist]\n0=\"/old.vob\"\n";
  WriteText(ini_, old);
  IniFile file(ini_);
  const std::string longPath = "/" + std::string(200, 'p');
  Status tools;
  Status vobs;
  {
    // Room for the old file or less, not for the new lists.
    const FileSizeLimit limit(old.size());
    tools = StoreToolList(file, {{"New", longPath}});
    vobs = VobFileList::Save(file, {longPath + ".vob"});
  }
  EXPECT_FALSE(tools.Ok);
  EXPECT_EQ(tools.Message, "Unable to write to " + ini_);
  EXPECT_FALSE(vobs.Ok);
  EXPECT_EQ(ReadText(ini_), old);
}

TEST_F(ToolSectionTest, OnlyAnExistingFileIsAProgramToStart) {
  const std::string program = (dir_ / "with blank" / "my tool.sh").string();
  fs::create_directories(dir_ / "with blank");
  WriteText(program, "#!/bin/sh\n");
  WriteText(ini_, "[tools]\n0_Tool=\"" + program + "\"\n1_Gone=\"/no/such/file\"\n2_Dir=\"" +
                      dir_.string() + "\"\n");
  const IniFile file(ini_);
  EXPECT_EQ(ToolProgramForKey(file, "0_Tool"), program);
  EXPECT_EQ(ToolProgramForKey(file, "0_tool"), program);  // keys without regard to case
  EXPECT_EQ(ToolProgramForKey(file, "1_Gone"), std::nullopt);
  EXPECT_EQ(ToolProgramForKey(file, "2_Dir"), std::nullopt);
  EXPECT_EQ(ToolProgramForKey(file, "3_Missing"), std::nullopt);
}

}  // namespace
}  // namespace quelm::test
