// What the tag engine needs from the character dictionary: the text stored for a reference key.
#pragma once

#include <string>
#include <string_view>

namespace quelm {

class CharacterLookup {
 public:
  virtual ~CharacterLookup() = default;
  // The text for `key` (a character's bitmap file name), or nullptr when the dictionary holds
  // none; the pointer stays valid as long as the lookup object is unchanged.
  virtual const std::string* TextFor(std::string_view key) const = 0;
};

}  // namespace quelm
