#include "platform/RtfWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "OutputTestFiles.h"

namespace quelm {
namespace {

using Lines = std::vector<std::string>;

TEST(RtfWriterTest, EscapesSpecialsAndNonAscii) {
  EXPECT_EQ(RtfWriter::EscapeText("a\\b{c}"), "a\\\\b\\{c\\}");
  EXPECT_EQ(RtfWriter::EscapeText("caf\xC3\xA9"), "caf\\u233?");                // U+00E9
  EXPECT_EQ(RtfWriter::EscapeText("\xE2\x82\xAC"), "\\u8364?");                 // U+20AC
  EXPECT_EQ(RtfWriter::EscapeText("\xE8\xAA\x9E"), "\\u-30050?");               // U+8A9E
  EXPECT_EQ(RtfWriter::EscapeText("\xF0\x9F\x98\x80"), "\\u-10179?\\u-8704?");  // U+1F600
  EXPECT_EQ(RtfWriter::EscapeText("a\tb"), "a\\tab b");
  // Bytes that are not UTF-8 are taken as Latin-1, so no text is lost.
  EXPECT_EQ(RtfWriter::EscapeText("\xE9t\xE9"), "\\u233?t\\u233?");
  EXPECT_EQ(RtfWriter::EscapeText("\xC3"), "\\u195?");
  EXPECT_EQ(RtfWriter::EscapeText("\xED\xA0\x80"), "\\u237?\\u160?\\u128?");  // a lone surrogate
  EXPECT_EQ(RtfWriter::EscapeText("x\ry\x01"), "xy");
}

TEST(RtfWriterTest, OneParagraphPerLineInABalancedDocument) {
  const std::string doc = RtfWriter::Document({"{a}", "", "b\\"});
  EXPECT_EQ(doc.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(doc.find("\n\\{a\\}\\par\n\\par\nb\\\\\\par\n}\n"), std::string::npos) << doc;
  int depth = 0;
  for (std::size_t i = 0; i < doc.size(); ++i) {
    if (doc[i] == '\\') {
      ++i;  // an escaped character never opens or closes a group
      continue;
    }
    if (doc[i] == '{') ++depth;
    if (doc[i] == '}' && --depth == 0) {
      EXPECT_EQ(i, doc.size() - 2) << "document closed early";
    }
  }
  EXPECT_EQ(depth, 0);
}

TEST(RtfWriterTest, FailureNamesTheFileAndKeepsTheOldOne) {
  test::ScratchDirectory dir;
  const std::string path = dir.Path() + "no/such/dir/script.txt";
  const Status status = RtfWriter::Write(path, {"x"});
  EXPECT_FALSE(status.Ok);
  EXPECT_EQ(status.Message, "Cannot create file " + path);

  EXPECT_EQ(RtfWriter::Write(dir.Path(), {"x"}).Message, "Cannot create file " + dir.Path());

  const std::string existing = dir.Write("moviescript.txt", "old");
  ASSERT_TRUE(RtfWriter::Write(existing, {"new"}).Ok);
  std::ifstream in(existing);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ(content.str(), RtfWriter::Document({"new"}));
}

std::string FindOffice() {
  for (const char* candidate :
       {"/usr/bin/soffice", "/usr/bin/libreoffice", "/usr/local/bin/soffice"})
    if (std::filesystem::exists(candidate)) return candidate;
  return {};
}

// A word processor reads the saved script back as exactly the lines written.
TEST(RtfWriterTest, RealReaderGivesBackTheLines) {
  const std::string office = FindOffice();
  if (office.empty()) GTEST_SKIP() << "LibreOffice is not installed";
  test::ScratchDirectory dir;
  const Lines lines{"  two leading blanks, two trailing  ",
                    "Caf\xC3\xA9 na\xC3\xAFve \xC3\xA0 l'\xC5\x93uvre, \xE2\x82\xAC 5",
                    "",
                    "{braces} and \\backslash\\ <HH> <<x>>",
                    "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE8\xAA\x9E",
                    "Quelm  v1.01 (beta)  -  by Vennor"};
  ASSERT_TRUE(RtfWriter::Write(dir.Path() + "script.rtf", lines).Ok);
  const std::string command =
      office + " -env:UserInstallation=file://" + dir.Path() +
      "profile --headless --convert-to \"txt:Text (encoded):UTF8\" --outdir " + dir.Path() + " " +
      dir.Path() + "script.rtf >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  std::ifstream in(dir.Path() + "script.txt", std::ios::binary);
  ASSERT_TRUE(in.good());
  std::stringstream content;
  content << in.rdbuf();
  std::string text = content.str();
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  Lines read;
  std::string line;
  std::istringstream stream(text);
  while (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    read.push_back(line);
  }
  EXPECT_EQ(read, lines);
}

}  // namespace
}  // namespace quelm
