#include "ocr/DictionaryCache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "PictureText.h"
#include "support/TempDirTest.h"
#include "platform/BmpFile.h"
#include "platform/FileIo.h"

namespace quelm {
namespace {

using test::Flat;

class DictionaryCacheTest : public test::TempDirTest {
 protected:
  // A dictionary of two characters written an hour ago, as a user's dictionary usually is.
  void WriteOldDictionary() {
    CharDictionary d;
    d.AddCurrentCharacterToList(Flat({"#.", ".."}), root_ + "char_0.bmp", "A");
    d.AddCurrentCharacterToList(Flat({"##", ".."}), root_ + "char_1.bmp", "B");
    for (const TCharEntry& e : d.CharList()) ASSERT_TRUE(WriteBmp(e.FileName, e.Bitmap, 1).Ok);
    ASSERT_TRUE(d.Save(root_).Ok);
    Age(Index());
    Age(root_);
  }
  static void Age(const std::string& path) {
    std::filesystem::last_write_time(
        path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  }
  std::string Index() const { return root_ + CharDictionary::IndexFileName; }

  DictionaryCache cache_;
};

TEST_F(DictionaryCacheTest, ReadsOnceWhileTheFilesStayAsTheyWere) {
  WriteOldDictionary();
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Reads(), 1);
  ASSERT_EQ(cache_.Dictionary().Size(), 2u);
  EXPECT_EQ(cache_.Dictionary().CharList()[1].Text, "B");

  // Another root is another dictionary.
  std::filesystem::create_directories(dir_ / "second");
  ASSERT_TRUE(cache_.Load(root_ + "second/").Outcome.Ok);
  EXPECT_EQ(cache_.Reads(), 2);
  EXPECT_EQ(cache_.Dictionary().Size(), 0u);
}

TEST_F(DictionaryCacheTest, ReadsAgainWhenAnyoneChangedTheFiles) {
  WriteOldDictionary();
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);

  // The dictionary editor replaces the index.
  CharDictionary editor;
  ASSERT_TRUE(editor.Load(root_).Outcome.Ok);
  editor.AddCurrentCharacterToList(Flat({"#.", "#."}), root_ + "char_2.bmp", "C");
  ASSERT_TRUE(editor.Save(root_).Ok);
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Reads(), 2);
  EXPECT_EQ(cache_.Dictionary().Size(), 3u);

  // A text editor writes the index in place, same size, a moment later.
  Age(Index());
  Age(root_);
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Reads(), 3);
  std::string text = ReadText(Index());
  text[text.rfind('C')] = 'D';
  WriteText(Index(), text);
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Reads(), 4);
  EXPECT_EQ(cache_.Dictionary().CharList()[2].Text, "D");

  // A file written within the file system's clock tick is never trusted: a second write in
  // the same tick would leave the same time.
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Reads(), 5);
}

TEST_F(DictionaryCacheTest, WritesTheIndexOnlyWhenItWouldChange) {
  WriteOldDictionary();
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  const FileStamp before = StampOf(Index());
  ASSERT_TRUE(cache_.Save(root_).Ok);
  EXPECT_TRUE(before.Unchanged(StampOf(Index()))) << "an unchanged dictionary was written";

  cache_.Dictionary().AddCurrentCharacterToList(Flat({"#.", "#."}), root_ + "char_2.bmp", "C");
  ASSERT_TRUE(cache_.Save(root_).Ok);
  EXPECT_NE(ReadText(Index()).find("char_2.bmp\r\nC\r\n"), std::string::npos);
  // What it wrote is what it holds: no reading needed.
  Age(Index());
  Age(root_);
  ASSERT_TRUE(cache_.Save(root_).Ok);
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Reads(), 2);  // once at first, once because its own write was recent
  EXPECT_EQ(cache_.Dictionary().Size(), 3u);
}

TEST_F(DictionaryCacheTest, AMissingIndexIsWrittenAndUnsavedEntriesAreDropped) {
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Dictionary().Size(), 0u);
  ASSERT_TRUE(cache_.Save(root_).Ok);
  EXPECT_TRUE(std::filesystem::is_regular_file(Index()));

  // Learned but never saved (a failed save, say): the next window starts from the files, as a
  // window of its own would.
  Age(Index());
  Age(root_);
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  cache_.Dictionary().AddCurrentCharacterToList(Flat({"#"}), root_ + "char_0.bmp", "x");
  ASSERT_TRUE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Dictionary().Size(), 0u);
}

TEST_F(DictionaryCacheTest, AnUnreadableIndexIsNeverKept) {
  std::filesystem::create_directories(Index());  // a directory where the index belongs
  EXPECT_FALSE(cache_.Load(root_).Outcome.Ok);
  EXPECT_FALSE(cache_.Load(root_).Outcome.Ok);
  EXPECT_EQ(cache_.Reads(), 2);
}

}  // namespace
}  // namespace quelm
