// A character dictionary kept in memory from one recognition to the next. Without it a film's
// "all" reads every character bitmap and flushes the index to disk once per subtitle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ocr/CharDictionary.h"
#include "platform/FileIo.h"
#include "platform/Status.h"

namespace quelm {

class DictionaryCache {
 public:
  // The dictionary of `dictionaryRoot`: read from disk unless the copy in hand came from the
  // same root and neither its index nor its directory has changed on disk since this copy read
  // or wrote them. A copy holding entries that were never saved is read again too, as a fresh
  // load would. Warnings come with the read that found them, not with every reuse.
  DictionaryLoadResult Load(const std::string& dictionaryRoot);

  // Writes the index unless the disk already holds exactly this copy: nothing was learned since
  // it was read or written and nobody has touched the files since.
  Status Save(const std::string& dictionaryRoot);

  CharDictionary& Dictionary() { return dictionary_; }
  const CharDictionary& Dictionary() const { return dictionary_; }

  // How often Load actually read the files; for tests and benchmarks.
  int Reads() const { return reads_; }

 private:
  struct DiskState {
    FileStamp Index;
    FileStamp Directory;
  };
  static DiskState StampOf(const std::string& dictionaryRoot);
  bool DiskHoldsCopy(const std::string& dictionaryRoot) const;

  CharDictionary dictionary_;
  std::string root_;
  // What the disk looked like when this copy was read or written; none: no usable copy.
  std::optional<DiskState> disk_;
  std::uint64_t savedRevision_ = 0;
  int reads_ = 0;
};

}  // namespace quelm
