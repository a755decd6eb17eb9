#include "output/DictionaryLines.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "OutputTestFiles.h"

namespace quelm {
namespace {

TEST(DictionaryLinesTest, FirstLineEqualWithoutCaseGivesTheLineAfterIt) {
  test::ScratchDirectory dir;
  dir.Write("chardict.ocr",
            "/d/char_0.bmp\r\nA\r\n/d/char_1.bmp\r\n\r\n/d/char_0.bmp\r\nlater\r\n/d/last.bmp\r\n");
  Status status;
  const DictionaryLines lines = DictionaryLines::Load(dir.Path(), &status);
  EXPECT_TRUE(status.Ok);
  ASSERT_EQ(lines.Lines().size(), 7u);
  ASSERT_NE(lines.TextFor("/D/Char_0.BMP"), nullptr);
  EXPECT_EQ(*lines.TextFor("/D/Char_0.BMP"), "A");  // the earlier of two equal keys
  ASSERT_NE(lines.TextFor("/d/char_1.bmp"), nullptr);
  EXPECT_EQ(*lines.TextFor("/d/char_1.bmp"), "");    // an entry with an empty text
  EXPECT_EQ(lines.TextFor("/d/last.bmp"), nullptr);  // the last line has no text after it
  EXPECT_EQ(lines.TextFor("/d/char_9.bmp"), nullptr);
}

TEST(DictionaryLinesTest, TheSearchRunsOverTextLinesToo) {
  // The lookup does not know which lines are file names: a text equal to a key answers first.
  const DictionaryLines lines({"k", "X", "x", "z"});
  ASSERT_NE(lines.TextFor("x"), nullptr);
  EXPECT_EQ(*lines.TextFor("x"), "x");
}

TEST(DictionaryLinesTest, MissingAndUnreadableIndexesAreEmpty) {
  test::ScratchDirectory dir;
  Status status;
  EXPECT_TRUE(DictionaryLines::Load(dir.Path(), &status).Lines().empty());
  EXPECT_TRUE(status.Ok);
  EXPECT_TRUE(DictionaryLines::Load(dir.Path() + "no/such/root/", &status).Lines().empty());
  EXPECT_TRUE(status.Ok);

  std::filesystem::create_directory(dir.Path() + "chardict.ocr");
  EXPECT_TRUE(DictionaryLines::Load(dir.Path(), &status).Lines().empty());
  EXPECT_FALSE(status.Ok);
  EXPECT_NE(status.Message.find("chardict.ocr"), std::string::npos);
}

}  // namespace
}  // namespace quelm
