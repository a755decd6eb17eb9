#include "ocr/DictionaryCache.h"

namespace quelm {

DictionaryCache::DiskState DictionaryCache::StampOf(const std::string& dictionaryRoot) {
  // The directory's own time moves when a character bitmap is added, removed or replaced by
  // rename, which covers every writer of this program.
  return {quelm::StampOf(dictionaryRoot + CharDictionary::IndexFileName),
          quelm::StampOf(dictionaryRoot.empty() ? std::string(".") : dictionaryRoot)};
}

bool DictionaryCache::DiskHoldsCopy(const std::string& dictionaryRoot) const {
  if (!disk_ || root_ != dictionaryRoot || dictionary_.Revision() != savedRevision_) return false;
  const DiskState now = StampOf(dictionaryRoot);
  return disk_->Index.Unchanged(now.Index) && disk_->Directory.Unchanged(now.Directory);
}

DictionaryLoadResult DictionaryCache::Load(const std::string& dictionaryRoot) {
  if (DiskHoldsCopy(dictionaryRoot)) return {};
  // Stamped before reading: a change made while reading shows as a change next time.
  const DiskState before = StampOf(dictionaryRoot);
  ++reads_;
  DictionaryLoadResult result = dictionary_.Load(dictionaryRoot);
  if (result.Outcome.Ok) {
    root_ = dictionaryRoot;
    disk_ = before;
    savedRevision_ = dictionary_.Revision();
  } else {
    disk_.reset();
  }
  return result;
}

Status DictionaryCache::Save(const std::string& dictionaryRoot) {
  // A missing index is written, empty or not: the root then holds a dictionary.
  if (DiskHoldsCopy(dictionaryRoot) && disk_->Index.Exists) return Status::Success();
  Status saved = dictionary_.Save(dictionaryRoot);
  if (saved.Ok) {
    root_ = dictionaryRoot;
    disk_ = StampOf(dictionaryRoot);
    savedRevision_ = dictionary_.Revision();
  } else {
    disk_.reset();
  }
  return saved;
}

}  // namespace quelm
