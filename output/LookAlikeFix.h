// Letters that one bitmap stands for in the usual subtitle fonts (I l |, O 0, 1 l) chosen anew
// in the rendered text, word by word, by a language's word list and case rules read from an
// editable rule file (fixrules/<language>.ini). Records and dictionary never see the result.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/Status.h"

namespace quelm {

class LookAlikeFix {
 public:
  // What a rule file says.
  struct Rules {
    std::vector<std::string> Groups;    // each: characters one shape can be
    std::string Lone;                   // a look-alike letter standing alone reads as this
    bool Capitals = true;               // a word in capitals takes capitals
    bool SmallAfterFirst = true;        // small letters after the first take small ones
    bool Digits = true;                 // look-alikes among digits are digits
    bool JoinQuotes = true;             // '' is a double quote
    std::vector<std::string> Hunspell;  // dictionary names tried, first found is used
    std::vector<std::string> Words;     // the shipped list
  };

  explicit LookAlikeFix(Rules rules, const std::vector<std::string>& hunspellDirectories = {});
  ~LookAlikeFix();
  LookAlikeFix(const LookAlikeFix&) = delete;
  LookAlikeFix& operator=(const LookAlikeFix&) = delete;

  // `<rulesDirectory>/<language>.ini` (language "" is "en"). A language without a rule file
  // gets nothing but the quote rule. With `hunspellDirectories` empty only the shipped word
  // list is used.
  static std::unique_ptr<LookAlikeFix> Load(const std::string& rulesDirectory,
                                            const std::string& language,
                                            const std::vector<std::string>& hunspellDirectories,
                                            Status* status = nullptr);
  static std::string RulesPath(const std::string& rulesDirectory, const std::string& language);
  static Rules ReadRules(const std::string& path);
  // Where Debian keeps hunspell dictionaries.
  static std::vector<std::string> SystemHunspellDirectories();
  // Whether this build can read hunspell dictionaries at all.
  static bool HunspellBuiltIn();

  // The text with look-alikes chosen anew; characters below 0x20 (the renderer's italic marks)
  // are passed over as if absent and kept where they are.
  std::string Apply(std::string_view text) const;
  // The hunspell dictionary in use, empty when the shipped list serves alone.
  const std::string& HunspellDictionary() const { return hunspellName_; }

 private:
  struct Hunspell;
  bool Known(const std::string& word) const;
  bool KnownInList(const std::string& word) const;
  // `sentenceStart`: the word opens a line or follows . ? or !, where a look-alike first letter
  // is a capital.
  std::optional<std::string> Decide(const std::string& word, bool sentenceStart) const;
  std::string_view AlternativesOf(char c) const;

  Rules rules_;
  std::string alternatives_[128];          // per ASCII character: itself and what it may stand for
  std::unordered_set<std::string> words_;  // as listed
  std::unordered_set<std::string> capitals_;  // every entry in capitals
  std::unordered_set<std::string> titles_;    // lower-case entries with a capital first letter
  // Read at the first word that needs it: a large dictionary takes a moment.
  mutable std::unique_ptr<Hunspell> hunspell_;
  mutable bool hunspellRead_ = false;
  std::string hunspellAff_;
  std::string hunspellName_;
  mutable std::unordered_map<std::string, std::optional<std::string>> decided_;
};

}  // namespace quelm
