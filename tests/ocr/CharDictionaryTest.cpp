#include "ocr/CharDictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "PictureText.h"
#include "support/TempDirTest.h"
#include "platform/BmpFile.h"

namespace quelm {
namespace {

using test::Flat;

class CharDictionaryTest : public test::TempDirTest {};

TEST_F(CharDictionaryTest, MatchingIgnoresOnlyTheLastRowAndColumn) {
  CharDictionary d;
  d.AddCurrentCharacterToList(Flat({"#..", ".#.", "..."}), "a", "A");
  d.AddCurrentCharacterToList(Flat({"#..", ".#.", "..."}), "b", "B");  // never reached
  d.AddCurrentCharacterToList(Flat({"##", "##"}), "c", "C");
  EXPECT_EQ(d.CompareCharacterWithList(Flat({"#.#", ".##", "###"})), 0u);
  EXPECT_EQ(d.CompareCharacterWithList(Flat({"#..", "##.", "..."})), std::nullopt);
  // Same pixels, one row taller: a different character.
  EXPECT_EQ(d.CompareCharacterWithList(Flat({"#..", ".#.", "...", "..."})), std::nullopt);
  // One pixel wide or high: nothing is compared, the first entry of that size wins.
  d.AddCurrentCharacterToList(Flat({"#", "#", "#"}), "d", "D");
  d.AddCurrentCharacterToList(Flat({"###"}), "e", "E");
  EXPECT_EQ(d.CompareCharacterWithList(Flat({".", ".", "."})), 3u);
  EXPECT_EQ(d.CompareCharacterWithList(Flat({"..."})), 4u);
  EXPECT_EQ(d.CompareCharacterWithList(Flat({"##", "#."})), 2u);
  EXPECT_EQ(d.CompareCharacterWithList(Bitmap()), std::nullopt);
}

// Matching where a character lies in an unflattened line: only the ink colour counts as black,
// the outline and the colour-1 pixels as white, and the rule is the same as for a cut bitmap.
TEST_F(CharDictionaryTest, MatchesInPlaceInAnUnflattenedLine) {
  using test::Picture;
  CharDictionary d;
  d.AddCurrentCharacterToList(Flat({"#.", ".."}), "decoy", "D");         // other pixels
  d.AddCurrentCharacterToList(Flat({".#.", "##.", "..."}), "first", "1");  // the match
  d.AddCurrentCharacterToList(Flat({".#.", "##.", "..."}), "later", "2");  // never reached
  d.AddCurrentCharacterToList(Flat({"##", "#."}), "two", "T");
  const Bitmap sub = Picture({".......",
                              ".ox#o#.",
                              ".x##.o.",
                              ".o.x#..",
                              "......."});
  const InkLine line{&sub, {1, 1, 5, 3}, test::Ink};
  // Columns 1..3: "x#o" / "##." / ".x#" flatten to ".#." / "##." / "..#"; the last row and
  // column differ from the entry's and are not compared.
  EXPECT_EQ(d.CompareCharacterWithList(line, {1, 0, 3, 2}), 1u);
  // Columns 2..3, rows 0..1: "#o" / "#." -> "#." / "#.": the first 2 x 2 entry with ink at 0,0.
  EXPECT_EQ(d.CompareCharacterWithList(line, {2, 0, 3, 1}), 0u);
  // With the outline as ink, "ox" / "x#" flattens to "#." / "..": the decoy again.
  EXPECT_EQ(d.CompareCharacterWithList(InkLine{&sub, {1, 1, 5, 3}, test::Outline}, {0, 0, 1, 1}),
            0u);
  // "x#" / "o." -> ".#" / "..": no 2 x 2 entry has paper at 0,0; a near-white one (same lowest
  // bit as white) is not paper.
  Bitmap tinted = Flat({"..", ".."});
  tinted.SetPixel(0, 0, 0xFFFFFD);
  d.AddCurrentCharacterToList(tinted, "tinted", "X");
  EXPECT_EQ(d.CompareCharacterWithList(line, {0, 1, 1, 2}), std::nullopt);
  // A box reaching out of the line matches nothing.
  EXPECT_EQ(d.CompareCharacterWithList(line, {3, 1, 5, 2}), std::nullopt);
}

// The index must give what scanning the list in order gives; the scan here is the oracle.
TEST_F(CharDictionaryTest, IndexAgreesWithAnOrderedScanOnRandomGlyphs) {
  std::mt19937 rng(7);
  auto randomGlyph = [&] {
    const int w = 1 + static_cast<int>(rng() % 3), h = 1 + static_cast<int>(rng() % 3);
    Bitmap b(w, h, ColorWhite);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (rng() % 2) b.SetPixel(x, y, ColorBlack);
    return b;
  };
  auto scan = [](const std::vector<Bitmap>& list, const Bitmap& c) -> std::optional<std::size_t> {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].Width() != c.Width() || list[i].Height() != c.Height()) continue;
      bool same = true;
      for (int y = 0; y + 1 < c.Height() && same; ++y)
        for (int x = 0; x + 1 < c.Width() && same; ++x) same = list[i].Pixel(x, y) == c.Pixel(x, y);
      if (same) return i;
    }
    return std::nullopt;
  };
  CharDictionary d;
  std::vector<Bitmap> list;
  for (int i = 0; i < 60; ++i) {
    list.push_back(randomGlyph());
    d.AddCurrentCharacterToList(list.back(), "f" + std::to_string(i), "t");
  }
  int found = 0;
  for (int i = 0; i < 2000; ++i) {
    const Bitmap probe = randomGlyph();
    const auto expected = scan(list, probe);
    ASSERT_EQ(d.CompareCharacterWithList(probe), expected);
    if (expected) ++found;
  }
  EXPECT_GT(found, 500);
}

TEST_F(CharDictionaryTest, SaveWritesCrLfPairsAndLoadReadsThemBack) {
  CharDictionary d;
  const Bitmap g1 = Flat({"#.", "##"});
  const Bitmap g2 = Flat({"###", "#.#", "###"});
  ASSERT_TRUE(WriteBmp(root_ + "char_0.bmp", g1, 1).Ok);
  ASSERT_TRUE(WriteBmp(root_ + "char_1.bmp", g2, 1).Ok);
  d.AddCurrentCharacterToList(g1, root_ + "char_0.bmp", "");
  d.AddCurrentCharacterToList(g2, root_ + "char_1.bmp", "<<");
  d.AddCurrentCharacterToList(g2, root_ + "char_2.bmp", "ä\r\nb");  // no file, multi-line text
  ASSERT_TRUE(d.Save(root_).Ok);
  EXPECT_EQ(ReadText(root_ + "chardict.ocr"),
            root_ + "char_0.bmp\r\n\r\n" + root_ + "char_1.bmp\r\n<<\r\n" + root_ +
                "char_2.bmp\r\nä  b\r\n");

  CharDictionary loaded;
  const DictionaryLoadResult r = loaded.Load(root_);
  ASSERT_TRUE(r.Outcome.Ok);
  EXPECT_EQ(r.MissingFiles, 1);
  ASSERT_EQ(loaded.Size(), 3u);
  EXPECT_EQ(loaded.CharList()[0].Bitmap, g1);
  EXPECT_EQ(loaded.CharList()[1].Text, "<<");
  EXPECT_TRUE(loaded.CharList()[2].Unloaded);
  EXPECT_EQ(loaded.CompareCharacterWithList(g2), 1u);
  // Entries without their file are written back unchanged, so the index is never emptied.
  ASSERT_TRUE(loaded.Save(root_).Ok);
  EXPECT_EQ(ReadText(root_ + "chardict.ocr"),
            root_ + "char_0.bmp\r\n\r\n" + root_ + "char_1.bmp\r\n<<\r\n" + root_ +
                "char_2.bmp\r\nä  b\r\n");
}

TEST_F(CharDictionaryTest, UnconfirmedEntriesAndTheirVotesLieBesideTheIndex) {
  CharDictionary d;
  const Bitmap g = Flat({"#.", "##"});
  for (const char* text : {"l", "a\tb\\", "e"})
    d.AddCurrentCharacterToList(g, "char_" + std::string(1, text[0]) + ".bmp", text);
  d.SetUnconfirmed(0, true);
  d.Vote(0, "I");
  d.Vote(0, "l");
  d.Vote(0, "l");
  d.SetUnconfirmed(1, true);
  d.Vote(1, "a\tb\\");
  ASSERT_TRUE(d.Save(root_).Ok);
  // The index is what earlier versions read, unchanged.
  EXPECT_EQ(ReadText(root_ + "chardict.ocr"),
            "char_l.bmp\r\nl\r\nchar_a.bmp\r\na\tb\\\r\nchar_e.bmp\r\ne\r\n");
  CharDictionary loaded;
  ASSERT_TRUE(loaded.Load(root_).Outcome.Ok);
  EXPECT_TRUE(loaded.CharList()[0].Unconfirmed);
  EXPECT_EQ(loaded.CharList()[0].Votes,
            (std::vector<std::pair<std::string, int>>{{"I", 1}, {"l", 2}}));
  bool clear = false;
  EXPECT_EQ(CharDictionary::Winner(loaded.CharList()[0].Votes, &clear), "l");
  EXPECT_TRUE(clear);
  EXPECT_TRUE(loaded.CharList()[1].Unconfirmed);
  EXPECT_EQ(loaded.CharList()[1].Votes.front().first, "a\tb\\");
  EXPECT_FALSE(loaded.CharList()[2].Unconfirmed);

  // A text changed where this file is not known (an earlier version's editor) was the user's
  // word; a damaged line costs only itself; with nothing left open the file goes.
  WriteText(root_ + "chardict.ocr", "char_l.bmp\r\nI\r\nchar_a.bmp\r\na\tb\\\r\n");
  WriteText(root_ + "chardict.unconfirmed",
            ReadText(root_ + "chardict.unconfirmed") + "no tab here\nchar_x.bmp\tx\n\t\t\t\n");
  ASSERT_TRUE(loaded.Load(root_).Outcome.Ok);
  EXPECT_FALSE(loaded.CharList()[0].Unconfirmed);
  EXPECT_TRUE(loaded.CharList()[1].Unconfirmed);
  loaded.SetUnconfirmed(1, false);
  ASSERT_TRUE(loaded.Save(root_).Ok);
  EXPECT_FALSE(std::filesystem::exists(root_ + "chardict.unconfirmed"));
}

TEST_F(CharDictionaryTest, OddLineCountsLfFilesAndDamagedBitmaps) {
  ASSERT_TRUE(WriteBmp(root_ + "char_0.bmp", Flat({"#"}), 1).Ok);
  WriteText(root_ + "bad.bmp", "BM not really");
  WriteText(root_ + "chardict.ocr", root_ + "bad.bmp\nx\n" + root_ + "char_0.bmp");
  CharDictionary d;
  const DictionaryLoadResult r = d.Load(root_);
  ASSERT_TRUE(r.Outcome.Ok);
  ASSERT_EQ(d.Size(), 2u);
  EXPECT_EQ(d.CharList()[1].Text, "");
  EXPECT_FALSE(d.CharList()[1].Unloaded);
  ASSERT_EQ(r.Warnings.size(), 1u);
  EXPECT_NE(r.Warnings[0].find(root_ + "bad.bmp"), std::string::npos);
  EXPECT_TRUE(d.CharList()[0].Unloaded);
  EXPECT_EQ(d.CharList()[0].Text, "x");
}

TEST_F(CharDictionaryTest, MissingIndexIsEmptyAndUnreadableRootsAreReported) {
  CharDictionary d;
  d.AddCurrentCharacterToList(Flat({"#"}), "x", "y");
  EXPECT_TRUE(d.Load(root_).Outcome.Ok);
  EXPECT_EQ(d.Size(), 0u);
  std::filesystem::create_directory(root_ + "chardict.ocr");
  const DictionaryLoadResult r = d.Load(root_);
  EXPECT_FALSE(r.Outcome.Ok);
  EXPECT_NE(r.Outcome.Message.find(root_ + "chardict.ocr"), std::string::npos);
  const Status s = d.Save(root_ + "missing/");
  EXPECT_FALSE(s.Ok);
  EXPECT_NE(s.Message.find(root_ + "missing/chardict.ocr"), std::string::npos);
}

TEST_F(CharDictionaryTest, MovedOrCopiedDictionaryReadsItsOwnBitmaps) {
  namespace fs = std::filesystem;
  const Bitmap a = Flat({"#.", "##"});
  const Bitmap b = Flat({"###", "#.#", "###"});
  const Bitmap changed = Flat({".#", "##"});
  const std::string made = root_ + "made/";
  fs::create_directories(made);
  ASSERT_TRUE(WriteBmp(made + "char_0.bmp", a, 1).Ok);
  ASSERT_TRUE(WriteBmp(made + "char_1.bmp", b, 1).Ok);
  const std::string index = made + "char_0.bmp\r\nA\r\n" + made + "char_1.bmp\r\nB\r\n";
  WriteText(made + "chardict.ocr", index);

  // A copy reads its own char_0 (changed there), and the original's char_1, which it lacks.
  const std::string copy = root_ + "copy/";
  fs::copy(made, copy);
  ASSERT_TRUE(WriteBmp(copy + "char_0.bmp", changed, 1).Ok);
  fs::remove(copy + "char_1.bmp");
  CharDictionary d;
  const DictionaryLoadResult copied = d.Load(copy);
  ASSERT_TRUE(copied.Outcome.Ok);
  EXPECT_EQ(copied.MissingFiles, 0);
  EXPECT_EQ(d.CompareCharacterWithList(changed), 0u);
  EXPECT_EQ(d.CompareCharacterWithList(a), std::nullopt);
  EXPECT_EQ(d.CompareCharacterWithList(b), 1u);
  // char_1 is that entry's name here too, though the file lies elsewhere.
  int next = 0;
  EXPECT_EQ(d.NextFreeFileName(copy, next), copy + "char_2.bmp");

  // Moved: every entry loads, and the index keeps the names that records refer to.
  const std::string moved = root_ + "moved/";
  fs::rename(made, moved);
  const DictionaryLoadResult loaded = d.Load(moved);
  EXPECT_EQ(loaded.MissingFiles, 0);
  EXPECT_EQ(d.CompareCharacterWithList(a), 0u);
  EXPECT_EQ(d.CompareCharacterWithList(b), 1u);
  ASSERT_TRUE(d.Save(moved).Ok);
  EXPECT_EQ(ReadText(moved + "chardict.ocr"), index);
}

TEST_F(CharDictionaryTest, NewNumbersNeverReplaceAFileInUse) {
  // After the editor deleted char_0, two entries remain and the first free number by count (2)
  // is still in use by an entry.
  CharDictionary d;
  d.AddCurrentCharacterToList(Flat({"#"}), root_ + "char_1.bmp", "a");
  d.AddCurrentCharacterToList(Flat({"##"}), root_ + "char_2.bmp", "b");
  WriteText(root_ + "char_3.bmp", "someone else's file");
  int next = static_cast<int>(d.Size());
  EXPECT_EQ(d.NextFreeFileName(root_, next), root_ + "char_4.bmp");
  EXPECT_EQ(next, 4);
  // The same file under another spelling of the root is still the same file.
  CharDictionary e;
  e.AddCurrentCharacterToList(Flat({"#"}), dir_.string() + "//char_0.bmp", "a");
  next = 0;
  EXPECT_EQ(e.NextFreeFileName(root_, next), root_ + "char_1.bmp");
}

}  // namespace
}  // namespace quelm
