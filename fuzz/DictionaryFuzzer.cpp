// Dictionary loader: a chardict.ocr and one glyph BMP. Input: bytes 0-1 = length of the index,
// then the index ("%R" stands for the dictionary directory), then the bytes of char_0.bmp.
// The directory also holds a subdirectory "dir" for entries that name a directory. The index's
// bytes serve as chardict.unconfirmed too.
#include <filesystem>

#include "fuzz/FuzzSupport.h"
#include "ocr/CharDictionary.h"

namespace quelm::fuzz {

void DictionaryInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return;
  std::size_t indexLength = static_cast<std::size_t>(data[0] | (data[1] << 8));
  indexLength = std::min(indexLength, size - 2);
  std::string index(reinterpret_cast<const char*>(data) + 2, indexLength);
  const std::string_view glyph(reinterpret_cast<const char*>(data) + 2 + indexLength,
                               size - 2 - indexLength);

  const std::string root = ScratchDirectory() + "dict/";
  std::error_code ec;
  std::filesystem::create_directories(root + "dir", ec);
  for (std::size_t at = index.find("%R"); at != std::string::npos; at = index.find("%R", at))
    index.replace(at, 2, root), at += root.size();
  WriteScratchFile("dict/chardict.ocr", index);
  WriteScratchFile("dict/char_0.bmp", glyph);
  WriteScratchFile("dict/chardict.unconfirmed", index);

  CharDictionary dictionary;
  const DictionaryLoadResult loaded = dictionary.Load(root);
  if (!loaded.Outcome.Ok) return;
  for (const TCharEntry& entry : dictionary.CharList())
    if (!entry.Unloaded) (void)dictionary.CompareCharacterWithList(entry.Bitmap);
  int next = 0;
  (void)dictionary.NextFreeFileName(root, next);

  // Saving and loading again must keep every entry.
  const std::size_t entries = dictionary.Size();
  if (!dictionary.Save(root).Ok) Broken("cannot save the dictionary");
  CharDictionary again;
  if (!again.Load(root).Outcome.Ok || again.Size() != entries)
    Broken("entries lost in a save and load");
  for (std::size_t k = 0; k < entries; ++k)
    if (dictionary.CharList()[k].Unconfirmed &&
        (!again.CharList()[k].Unconfirmed ||
         again.CharList()[k].Votes != dictionary.CharList()[k].Votes))
      Broken("an unconfirmed entry or its votes lost in a save and load");
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(DictionaryInput)
