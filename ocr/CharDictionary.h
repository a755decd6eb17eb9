// The character dictionary: chardict.ocr (pairs of lines, bitmap file name and text, CR LF)
// with one char_N.bmp per entry, and exact matching against it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ocr/Segmentation.h"
#include "ocr/TCharEntry.h"
#include "platform/Status.h"

namespace quelm {

struct DictionaryLoadResult {
  // Failure when chardict.ocr exists but cannot be read; the list is then empty.
  Status Outcome;
  // Listed bitmap files that exist but cannot be read, each message naming the file. Their
  // entries are kept (unloaded).
  std::vector<std::string> Warnings;
  // The same, for a window to say in its language.
  std::vector<Phrase> WarningWordings;
  // Entries whose bitmap file does not exist (kept, unloaded).
  int MissingFiles = 0;
};

class CharDictionary {
 public:
  static constexpr const char* IndexFileName = "chardict.ocr";
  // Beside the index, which earlier versions read alone: which entries were named from
  // suggestions and are not yet confirmed, with the votes for each.
  static constexpr const char* UnconfirmedFileName = "chardict.unconfirmed";

  // Replaces the list with the contents of `dictionaryRoot` + "chardict.ocr". A missing index
  // is an empty dictionary. File names are kept as stored; bitmaps are read from BitmapPath.
  DictionaryLoadResult Load(const std::string& dictionaryRoot);
  // Where the bitmap of an entry stored as `fileName` lies: the file of that name in the
  // dictionary's own directory when there is one, so that a moved or copied dictionary reads its
  // own files; else the stored path (an entry whose file was never copied along).
  static std::string BitmapPath(const std::string& dictionaryRoot, const std::string& fileName);
  // The file of that name in the dictionary's own directory, whether it exists or not.
  static std::string OwnBitmapPath(const std::string& dictionaryRoot, const std::string& fileName);
  // Rewrites the index atomically; every entry is written, loaded or not. The unconfirmed
  // entries go beside it (the file is removed when there are none).
  Status Save(const std::string& dictionaryRoot) const;

  // The first entry in list order of the same size whose pixels agree outside the last row and
  // column, or nothing.
  std::optional<std::size_t> CompareCharacterWithList(const Bitmap& character) const;
  // The same for the piece `box` of a line (inside it) as flattened, without copying it out.
  std::optional<std::size_t> CompareCharacterWithList(const InkLine& line, const CutBox& box) const;

  // The width of the widest entry that can match, 0 when none can.
  int WidestEntry() const { return widestEntry_; }

  // Appends an entry (line breaks in `text` become spaces: the index holds one line per text).
  void AddCurrentCharacterToList(const Bitmap& character, const std::string& fileName,
                                 const std::string& text);

  // The first number from `nextCharFileNumber` whose root + "char_N.bmp" neither an entry refers
  // to (by its path, or by its file name, which BitmapPath finds in the root) nor an existing
  // file occupies; `nextCharFileNumber` becomes that number.
  // Unconfirmed entries: one more vote for `text`; the text the votes name (the most votes, the
  // earlier text on a tie) and whether it holds at least two thirds of them.
  void Vote(std::size_t position, const std::string& text);
  static std::string Winner(const std::vector<std::pair<std::string, int>>& votes,
                            bool* clear = nullptr);
  // The votes an entry had when it was read (for an entry made anew, as the dictionary editor
  // makes them when it writes the index).
  void SetVotes(std::size_t position, std::vector<std::pair<std::string, int>> votes);
  void SetText(std::size_t position, const std::string& text);
  void SetUnconfirmed(std::size_t position, bool unconfirmed);
  void SetReadingsLeft(std::size_t position, int readings) {
    if (position < charList_.size()) charList_[position].ReadingsLeft = readings;
  }
  std::size_t UnconfirmedCount() const;

  std::string NextFreeFileName(const std::string& dictionaryRoot, int& nextCharFileNumber) const;
  static std::string CharFileName(const std::string& dictionaryRoot, int number);

  const std::vector<TCharEntry>& CharList() const { return charList_; }
  // Changes with every change of the list (load, add, clear).
  std::uint64_t Revision() const { return revision_; }
  std::size_t Size() const { return charList_.size(); }
  void Clear();
  // Back to an earlier copy of itself; the revision still moves on, so that nobody takes the
  // result for a state already seen.
  void Restore(const CharDictionary& earlier) {
    const std::uint64_t revision = revision_;
    *this = earlier;
    revision_ = revision + 1;
  }

 private:
  struct Key {
    int Width;
    int Height;
    std::uint64_t Hash;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const;
  };
  // `words` receives the compared pixels packed one bit each, as hashed.
  static Key KeyOf(const Bitmap& b, std::vector<std::uint64_t>& words);
  static Key KeyOf(const InkLine& line, const CutBox& box, std::vector<std::uint64_t>& words);
  static bool SameOutsideLastRowAndColumn(const Bitmap& a, const Bitmap& b);
  static bool SameOutsideLastRowAndColumn(const Bitmap& entry, const InkLine& line,
                                          const CutBox& box);
  void Index(std::size_t position);
  void LoadUnconfirmed(const std::string& dictionaryRoot);

  std::vector<TCharEntry> charList_;
  // Entries by size and by the hash of the compared pixels, each bucket in list order.
  std::unordered_map<Key, std::vector<std::size_t>, KeyHash> index_;
  // Per entry in list order, its compared pixels as KeyOf packs them.
  struct Packed {
    std::vector<std::uint64_t> Words;
    bool BlackWhite = false;
  };
  std::vector<Packed> packed_;
  // The sizes of the indexed entries: a piece of any other size matches none, unpacked.
  std::unordered_set<std::uint64_t> sizes_;
  int widestEntry_ = 0;
  std::uint64_t revision_ = 0;
};

}  // namespace quelm
