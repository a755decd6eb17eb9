#include "output/OutputFormat.h"

#include <gtest/gtest.h>

#include "OutputTestFiles.h"
#include "platform/IniFile.h"

namespace quelm {
namespace {

using Lines = std::vector<std::string>;

TEST(OutputFormatTest, TemplatesStopAtTheFirstMissingKey) {
  test::ScratchDirectory dir;
  const std::string path = dir.Write("f.ini",
                                     "[body]\n0=one\n1=two\n3=four\n"
                                     "[HEADER]\n1=never read\n");
  const OutputFormat format = OutputFormat::Read(path);
  EXPECT_EQ(format.Body, (Lines{"one", "two"}));
  EXPECT_TRUE(format.Header.empty());
  EXPECT_TRUE(format.Footer.empty());
}

TEST(OutputFormatTest, FirstKeyAndFirstSectionCount) {
  test::ScratchDirectory dir;
  const std::string path = dir.Write("f.ini",
                                     "[body]\n0=a\n 1 = b \n0=again\n; 2=comment\n"
                                     "[footer]\n0=f\n[body]\n2=second section\n");
  EXPECT_EQ(OutputFormat::Read(path).Body, (Lines{"a", "b"}));
}

TEST(OutputFormatTest, LongTemplatesKeepTheirOrder) {
  test::ScratchDirectory dir;
  std::string text = "[body]\n";
  // Written backwards: the key, not the place in the file, gives a line its position.
  for (int i = 2999; i >= 0; --i)
    text += std::to_string(i) + "=\"line " + std::to_string(i) + "\"\n";
  const OutputFormat format = OutputFormat::Read(dir.Write("long.ini", text));
  ASSERT_EQ(format.Body.size(), 3000u);
  EXPECT_EQ(format.Body[0], "line 0");
  EXPECT_EQ(format.Body[2999], "line 2999");
}

TEST(OutputFormatTest, QuotesKeepBlanksAndEmptyLines) {
  test::ScratchDirectory dir;
  const std::string path = dir.Write("f.ini",
                                     "[Body]\r\n"
                                     "0=\"  indented  \"\r\n"
                                     "1=  indented  \r\n"
                                     "2=\"\"\r\n"
                                     "3=last = with equals\r\n"
                                     "4='  single  '\r\n"
                                     "5=\"'one pair only'\"\r\n"
                                     "6='\"the other pair\"'\r\n"
                                     "7='unmatched\"\r\n"
                                     "8=''\r\n"
                                     "[footer]\r\n"
                                     "0=\"<HH> stays\"\r\n"
                                     "[ini_info]\r\n"
                                     "name='Quoted name'\r\n");
  const OutputFormat format = OutputFormat::Read(path);
  EXPECT_EQ(format.Body, (Lines{"  indented  ", "indented", "", "last = with equals", "  single  ",
                                "'one pair only'", "\"the other pair\"", "'unmatched\"", ""}));
  EXPECT_EQ(ReadFormatDisplayName(path, "unknown"), "Quoted name");
  EXPECT_EQ(format.Footer, (Lines{"<HH> stays"}));
}

TEST(OutputFormatTest, MarkerTextEndsItsOwnTemplateOnly) {
  test::ScratchDirectory dir;
  const std::string path =
      dir.Write("f.ini",
                "[header]\n0=h\n1=HEADERREADERROR!!!\n2=h2\n"
                "[body]\n0=BODYREADERROR!!!\n1=b\n"
                "[footer]\n0=BODYREADERROR!!!\n1=\"FOOTERREADERROR!!!\"\n2=f\n");
  const OutputFormat format = OutputFormat::Read(path);
  EXPECT_EQ(format.Header, Lines{"h"});
  EXPECT_TRUE(format.Body.empty());
  EXPECT_EQ(format.Footer, Lines{"BODYREADERROR!!!"});
}

TEST(OutputFormatTest, MissingOrDamagedFilesAreEmptyFormats) {
  test::ScratchDirectory dir;
  const OutputFormat missing = OutputFormat::Read(dir.Path() + "nothing.ini");
  EXPECT_TRUE(missing.Header.empty() && missing.Body.empty() && missing.Footer.empty());
  // The directory itself, as an empty caption makes it.
  const OutputFormat directory = OutputFormat::Read(dir.Path());
  EXPECT_TRUE(directory.Body.empty());
  const std::string binary = dir.Write("bin.ini", std::string("\0\xff[body\n0\n=x\n", 13));
  EXPECT_TRUE(OutputFormat::Read(binary).Body.empty());
}

TEST(OutputFormatTest, DisplayNameWithFallback) {
  test::ScratchDirectory dir;
  const std::string named = dir.Write("a.ini", "[ini_info]\nname=\"My format\"\n");
  const std::string unnamed = dir.Write("b.ini", "[body]\n0=x\n");
  EXPECT_EQ(ReadFormatDisplayName(named, MenuDefaultFormatName), "My format");
  EXPECT_EQ(ReadFormatDisplayName(unnamed, MenuDefaultFormatName), "unknown");
  EXPECT_EQ(ReadFormatDisplayName(unnamed, EditorDefaultFormatName), "Custom name");
}

TEST(OutputFormatTest, ShippedFormatsAreBesideThePrograms) {
  const std::string dir = std::string(QUELM_BIN_DIR) + "/outputini/";
  for (const char* name :
       {"plain.ini", "timecodes.ini", "tags.ini", "seconds.ini", "cuelist.ini"}) {
    const OutputFormat format = OutputFormat::Read(dir + name);
    EXPECT_FALSE(format.Body.empty()) << name;
    EXPECT_NE(ReadFormatDisplayName(dir + name, "unknown"), "unknown") << name;
  }
}

}  // namespace
}  // namespace quelm
