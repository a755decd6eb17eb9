// The lines of the dictionary index "chardict.ocr", searched the way the script output resolves
// character references: the first line equal to the key without regard to case, then the line
// after it.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "output/CharacterLookup.h"
#include "platform/Status.h"

namespace quelm {

class DictionaryLines : public CharacterLookup {
 public:
  DictionaryLines() = default;
  explicit DictionaryLines(std::vector<std::string> lines);

  // Reads dictionaryRoot + "chardict.ocr". A missing file is an empty dictionary and no fault;
  // a file that cannot be read is empty as well, with the returned status saying why.
  static DictionaryLines Load(const std::string& dictionaryRoot, Status* status = nullptr);
  static std::string IndexPath(const std::string& dictionaryRoot);

  const std::string* TextFor(std::string_view key) const override;
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  void BuildIndex();

  // Hash and equality that ignore ASCII case, usable with a string_view key so that a lookup
  // allocates nothing.
  struct NoCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const;
  };
  struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };

  std::vector<std::string> lines_;
  // Line -> index of its first occurrence, so one lookup is not a scan.
  std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual> firstIndex_;
};

}  // namespace quelm
