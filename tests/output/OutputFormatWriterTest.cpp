// Format files as the editor saves them: quoted lines that read back unchanged, other sections
// kept, and a refused write that leaves the old file whole.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "output/OutputFormat.h"
#include "output/OutputFormatWriter.h"
#include "support/PeripheryTestFiles.h"

namespace quelm::test {
namespace {

namespace fs = std::filesystem;

class OutputFormatWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quelm-writer-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST_F(OutputFormatWriterTest, EveryLineIsStoredQuotedAndReadsBackAsWritten) {
  OutputFormatText format;
  format.Name = "My format";
  format.Header = {"  indented  ", "", "last"};
  format.Body = {"<HH>:<MM>:<SS>", "", "<SUBPIC>", "  "};
  format.Footer = {"\"quoted\""};
  const std::string path = Path("a.ini");
  ASSERT_TRUE(WriteOutputFormatText(path, format).Ok);

  const std::vector<std::string> expected = {
      "[ini_info]",  "name=My format",         "[header]", "0=\"  indented  \"",
      "1=\"\"",      "2=\"last\"",             "[body]",   "0=\"<HH>:<MM>:<SS>\"",
      "1=\"\"",      "2=\"<SUBPIC>\"",         "3=\"  \"", "[footer]",
      "0=\"\"quoted\"\""};
  std::vector<std::string> lines = TextLines(ReadText(path));
  std::erase(lines, std::string());
  EXPECT_EQ(lines, expected);

  const OutputFormat read = OutputFormat::Read(path);
  EXPECT_EQ(read.Header, format.Header);
  EXPECT_EQ(read.Body, format.Body);
  EXPECT_EQ(read.Footer, format.Footer);
  EXPECT_EQ(ReadOutputFormatText(path).Name, "My format");
}

TEST_F(OutputFormatWriterTest, OtherSectionsStayAndOldTemplateKeysGo) {
  const std::string path = Path("b.ini");
  WriteText(path,
            "; my notes\n[ini_info]\nname=Old\nauthor=me\n[body]\n0=a\n1=b\n2=c\n3=d\n"
            "[extra]\nkey=value\n");
  OutputFormatText format;
  format.Name = "New";
  format.Body = {"x", "y"};
  ASSERT_TRUE(WriteOutputFormatText(path, format).Ok);
  const std::string text = ReadText(path);
  EXPECT_NE(text.find("; my notes"), std::string::npos);
  EXPECT_NE(text.find("author=me"), std::string::npos);
  EXPECT_NE(text.find("[extra]\nkey=value"), std::string::npos);
  EXPECT_EQ(text.find("2=c"), std::string::npos);
  EXPECT_EQ(text.find("3=d"), std::string::npos);
  EXPECT_EQ(OutputFormat::Read(path).Body, (std::vector<std::string>{"x", "y"}));
  // Nothing of the private copy is left behind.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir_)) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(OutputFormatWriterTest, MarkerTextInTheHeaderEndsTheHeaderWhenReadBack) {
  OutputFormatText format;
  format.Header = {"first", "HEADERREADERROR!!!", "never read"};
  const std::string path = Path("m.ini");
  ASSERT_TRUE(WriteOutputFormatText(path, format).Ok);
  EXPECT_EQ(OutputFormat::Read(path).Header, std::vector<std::string>{"first"});
  EXPECT_NE(ReadText(path).find("2=\"never read\""), std::string::npos);
}

TEST_F(OutputFormatWriterTest, RefusedWriteNamesTheFileAndLeavesNothingChanged) {
  // A path below a regular file cannot be created, whoever runs the test.
  WriteText(Path("plain"), "not a directory");
  const std::string below = Path("plain") + "/f.ini";
  OutputFormatText format;
  format.Body = {"x"};
  const Status refused = WriteOutputFormatText(below, format);
  EXPECT_FALSE(refused.Ok);
  EXPECT_EQ(refused.Message, "Unable to write to " + below);
  EXPECT_EQ(ReadText(Path("plain")), "not a directory");

  // A directory in the place of the file.
  fs::create_directories(Path("dir.ini"));
  EXPECT_EQ(WriteOutputFormatText(Path("dir.ini"), format).Message,
            "Unable to write to " + Path("dir.ini"));
}

}  // namespace
}  // namespace quelm::test
