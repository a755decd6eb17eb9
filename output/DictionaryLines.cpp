// Loading and searching the lines of "chardict.ocr".
#include "output/DictionaryLines.h"

#include <cstdint>
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
      if (status) *status = Status::Failure(Phrase::Say("%1 is not a file", path));
      return DictionaryLines();
    case ReadFileOutcome::TooLarge:
      if (status)
        *status = Status::Failure(Phrase::Say("%1 is too large to be a dictionary", path));
      return DictionaryLines();
    case ReadFileOutcome::Error:
      break;
  }
  if (status) *status = Status::Failure(Phrase::Say("Cannot read %1", path));
  return DictionaryLines();
}

void DictionaryLines::BuildIndex() {
  firstIndex_.clear();
  firstIndex_.reserve(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) firstIndex_.emplace(lines_[i], i);
}

std::size_t DictionaryLines::NoCaseHash::operator()(std::string_view text) const {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over the lower-cased bytes
  for (char c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

bool DictionaryLines::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
  return EqualNoCaseAscii(a, b);
}

const std::string* DictionaryLines::TextFor(std::string_view key) const {
  const auto found = firstIndex_.find(key);
  if (found == firstIndex_.end()) return nullptr;
  // The last line has no line after it to hold a text.
  if (found->second + 1 >= lines_.size()) return nullptr;
  return &lines_[found->second + 1];
}

}  // namespace quelm
