#include "platform/IniFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quelm {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           (std::string("quelm_ini_") + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "quelm.ini").string();
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  void Put(const std::string& content) const {
    std::ofstream(path_, std::ios::binary) << content;
  }
  std::string Get() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  fs::path dir_;
  std::string path_;
};

TEST_F(IniFileTest, ReadsValuesByTheWindowsRules) {
  Put("; settings\r\n"
      "[Preferences]\r\n"
      "  SpaceWidth =  0x0A  \r\n"
      "interlace=2\r\n"
      "hexonly=0x\r\n"
      "word=ten\r\n"
      "quoted=\"  a b  \"\r\n"
      "inner=a\"b\"\r\n"
      "half=\"open\r\n"
      "twice=\"\"x\"\"\r\n"
      "single='  a  '\r\n"
      "neg=-7\r\n"
      "colour=16777215\r\n"
      "trailing=12abc\r\n"
      "interlace=3\r\n"
      "[other]\r\n"
      "interlace=4\r\n");
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadInteger("preferences", "spacewidth", 0), 10);
  EXPECT_EQ(ini.ReadInteger("PREFERENCES", "Interlace", 0), 2);  // first of two wins
  EXPECT_EQ(ini.ReadInteger("preferences", "hexonly", 99), 99);
  EXPECT_EQ(ini.ReadInteger("preferences", "word", 99), 99);
  EXPECT_EQ(ini.ReadInteger("preferences", "trailing", 99), 99);
  EXPECT_EQ(ini.ReadInteger("preferences", "neg", 0), -7);
  EXPECT_EQ(ini.ReadInteger("preferences", "colour", 0), 0xFFFFFF);
  EXPECT_EQ(ini.ReadString("preferences", "quoted", ""), "  a b  ");
  EXPECT_EQ(ini.ReadString("preferences", "inner", ""), "a\"b\"");
  EXPECT_EQ(ini.ReadString("preferences", "half", ""), "\"open");
  EXPECT_EQ(ini.ReadString("preferences", "twice", ""), "\"x\"");
  // Settings know double quotes only; format files take single ones too.
  EXPECT_EQ(ini.ReadString("preferences", "single", ""), "'  a  '");
  EXPECT_EQ(IniFile(path_, IniFile::Quotes::DoubleOrSingle).ReadString("preferences", "single", ""),
            "  a  ");
  EXPECT_EQ(ini.ReadString("preferences", "missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("absent", "interlace", "dflt"), "dflt");
  EXPECT_TRUE(ini.ReadBool("preferences", "interlace", false));
  EXPECT_FALSE(ini.ReadBool("preferences", "missing", false));
  EXPECT_EQ(ini.ReadSectionKeys("Preferences"),
            (std::vector<std::string>{"SpaceWidth", "interlace", "hexonly", "word", "quoted",
                                      "inner", "half", "twice", "single", "neg", "colour",
                                      "trailing"}));
  EXPECT_TRUE(IniFile((dir_ / "none.ini").string()).ReadSectionKeys("x").empty());
  EXPECT_EQ(IniFile((dir_ / "none.ini").string()).ReadInteger("a", "b", 5), 5);
}

TEST_F(IniFileTest, LongValuesAreCutAt2047Characters) {
  IniFile ini(path_);
  const std::string longValue(5000, 'v');
  ASSERT_TRUE(ini.WriteString("s", "k", longValue).Ok);
  EXPECT_EQ(ini.ReadString("s", "k", ""), std::string(2047, 'v'));
  ASSERT_TRUE(ini.WriteString("s", "q", "\"" + std::string(2047, 'w') + "\"").Ok);
  EXPECT_EQ(ini.ReadString("s", "q", ""), std::string(2047, 'w'));
}

TEST_F(IniFileTest, WritesKeepEverythingElseExactlyAsItWas) {
  const std::string original =
      "; comment before\r\n"
      "\r\n"
      "[preferences]\r\n"
      "vobroot=/a/\r\n"
      "; note inside\r\n"
      "spacewidth = 10\r\n"
      "\r\n"
      "[VobFileList]\r\n"
      "0=\"/a/x.vob\"\r\n"
      "[tools]\r\n"
      "tail=1";  // no final line end
  Put(original);
  IniFile ini(path_);
  ASSERT_TRUE(ini.WriteInteger("PREFERENCES", "SpaceWidth", 12).Ok);
  EXPECT_EQ(Get(),
            "; comment before\r\n\r\n[preferences]\r\nvobroot=/a/\r\n; note inside\r\n"
            "spacewidth=12\r\n\r\n[VobFileList]\r\n0=\"/a/x.vob\"\r\n[tools]\r\ntail=1");

  ASSERT_TRUE(ini.WriteString("vobfilelist", "1", "\"/a/y.vob\"").Ok);
  ASSERT_TRUE(ini.WriteBool("tools", "new", true).Ok);
  ASSERT_TRUE(ini.WriteString("fresh", "k", "v").Ok);
  EXPECT_EQ(Get(),
            "; comment before\r\n\r\n[preferences]\r\nvobroot=/a/\r\n; note inside\r\n"
            "spacewidth=12\r\n\r\n[VobFileList]\r\n0=\"/a/x.vob\"\r\n1=\"/a/y.vob\"\r\n"
            "[tools]\r\ntail=1\r\nnew=1\r\n[fresh]\r\nk=v\r\n");
  EXPECT_EQ(ini.ReadString("vobfilelist", "1", ""), "/a/y.vob");

  ASSERT_TRUE(ini.EraseSection("VOBFILELIST").Ok);
  EXPECT_EQ(Get(),
            "; comment before\r\n\r\n[preferences]\r\nvobroot=/a/\r\n; note inside\r\n"
            "spacewidth=12\r\n\r\n[tools]\r\ntail=1\r\nnew=1\r\n[fresh]\r\nk=v\r\n");
  EXPECT_TRUE(ini.ReadSectionKeys("vobfilelist").empty());
}

TEST_F(IniFileTest, NewFilesUseLfAndLfFilesStayLf) {
  IniFile ini((dir_ / "deep" / "er" / "quelm.ini").string());
  ASSERT_TRUE(ini.WriteKeys("preferences", {{"a", "1"}, {"b", "two"}}).Ok);
  std::ifstream in(ini.Path(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[preferences]\na=1\nb=two\n");

  Put("[x]\nk=1\n\n[y]\nk=2\n");
  IniFile lf(path_);
  ASSERT_TRUE(lf.WriteString("x", "m", "3").Ok);
  EXPECT_EQ(Get(), "[x]\nk=1\nm=3\n\n[y]\nk=2\n");
}

TEST_F(IniFileTest, LineBreaksInValuesCannotInjectKeys) {
  IniFile ini(path_);
  ASSERT_TRUE(ini.WriteString("s", "k", "a\r\n[evil]\nx=1").Ok);
  EXPECT_TRUE(ini.ReadSectionKeys("evil").empty());
  EXPECT_EQ(ini.ReadSectionKeys("s"), std::vector<std::string>{"k"});
}

TEST_F(IniFileTest, RefusedWritesReportAndKeepTheOldFile) {
  Put("[s]\nk=old\n");
  if (::geteuid() != 0) {
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    IniFile ini(path_);
    const Status s = ini.WriteString("s", "k", "new");
    EXPECT_FALSE(s.Ok);
    EXPECT_EQ(s.Message, "Unable to write to " + path_);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(Get(), "[s]\nk=old\n");
  }
  // A file below a regular file cannot exist, for root as for anyone.
  const std::string below = path_ + "/sub.ini";
  IniFile bad(below);
  const Status s = bad.WriteString("s", "k", "v");
  EXPECT_FALSE(s.Ok);
  EXPECT_EQ(s.Message, "Unable to write to " + below);
  EXPECT_EQ(Get(), "[s]\nk=old\n");
  // No temporary files are left behind.
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++files;
  EXPECT_EQ(files, 1);
}

TEST_F(IniFileTest, DirectoriesNulBytesAndHugeLinesDoNotBreakIt) {
  IniFile asDir(dir_.string());
  EXPECT_EQ(asDir.ReadString("s", "k", "d"), "d");
  EXPECT_FALSE(asDir.WriteString("s", "k", "v").Ok);
  EXPECT_TRUE(fs::is_directory(dir_));

  std::string content = "[s]\nnul=a";
  content.push_back('\0');
  content += "b\nhuge=" + std::string(1 << 20, 'h') + "\nafter=1\n";
  Put(content);
  IniFile ini(path_);
  EXPECT_EQ(ini.ReadString("s", "nul", ""), std::string("a\0b", 3));
  EXPECT_EQ(ini.ReadString("s", "huge", "").size(), 2047u);
  EXPECT_EQ(ini.ReadInteger("s", "after", 0), 1);
  ASSERT_TRUE(ini.WriteInteger("s", "after", 2).Ok);
  std::string expected = content;
  expected.replace(expected.size() - 2, 1, "2");
  EXPECT_EQ(Get(), expected);
}

TEST_F(IniFileTest, WritesFollowSymbolicLinksAndKeepPermissions) {
  const std::string real = (dir_ / "real.ini").string();
  std::ofstream(real) << "[s]\nk=1\n";
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(real, path_);
  IniFile ini(path_);
  ASSERT_TRUE(ini.WriteString("s", "k", "2").Ok);
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(IniFile(real).ReadString("s", "k", ""), "2");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace quelm
