// Loading and searching the lines of "chardict.ocr".
#include "output/DictionaryLines.h"

#include <utility>

#include "output/TextLines.h"
#include "platform/FileIo.h"

namespace quelm {

namespace {

// Hundreds of entries of a path and a short text each; anything near this is not a dictionary.
constexpr std::size_t MaxDictionaryBytes = 64u << 20;

}  // namespace

DictionaryLines::DictionaryLines(std::vector<std::string> lines) : lines_(std::move(lines)) {
  BuildIndex();
}

std::string DictionaryLines::IndexPath(const std::string& dictionaryRoot) {
  return dictionaryRoot + "chardict.ocr";
}

DictionaryLines DictionaryLines::Load(const std::string& dictionaryRoot, Status* status) {
  const std::string path = IndexPath(dictionaryRoot);
  std::string content;
  const ReadFileOutcome outcome = ReadFileBytes(path, MaxDictionaryBytes, content);
  if (status) *status = Status::Success();
  switch (outcome) {
    case ReadFileOutcome::Ok:
      return DictionaryLines(SplitTextLines(content));
    case ReadFileOutcome::Missing:
      return DictionaryLines();
    case ReadFileOutcome::NotAFile:
      if (status) *status = Status::Failure(path + " is not a file");
      return DictionaryLines();
    case ReadFileOutcome::TooLarge:
      if (status) *status = Status::Failure(path + " is too large to be a dictionary");
      return DictionaryLines();
    case ReadFileOutcome::Error:
      break;
  }
  if (status) *status = Status::Failure("Cannot read " + path);
  return DictionaryLines();
}

void DictionaryLines::BuildIndex() {
  firstIndex_.clear();
  firstIndex_.reserve(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) firstIndex_.emplace(LowerAscii(lines_[i]), i);
}

const std::string* DictionaryLines::TextFor(std::string_view key) const {
  const auto found = firstIndex_.find(LowerAscii(key));
  if (found == firstIndex_.end()) return nullptr;
  // The last line has no line after it to hold a text.
  if (found->second + 1 >= lines_.size()) return nullptr;
  return &lines_[found->second + 1];
}

}  // namespace quelm
