// Rule files, the word lists (hunspell's and the shipped one) and the per-word choice.
#include "output/LookAlikeFix.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "output/TextLines.h"
#include "platform/AsciiText.h"
#include "platform/IniFile.h"

#ifdef QUELM_HAVE_HUNSPELL
#include <hunspell/hunspell.h>
#endif

namespace quelm {

namespace {

// More spellings of one word than are worth trying; such a word stays as it is.
constexpr std::size_t MaxCandidates = 512;
constexpr std::size_t MaxDecidedWords = 100000;

bool IsHigh(char c) {
  return static_cast<unsigned char>(c) >= 0x80;
}
bool IsWordByte(char c) {
  return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '|' || IsHigh(c);
}
bool IsMark(char c) {
  return static_cast<unsigned char>(c) < 0x20;
}

// Case of the letter whose UTF-8 sequence starts at `i`: 1 capital, -1 small, 0 neither or
// unknown (only ASCII and Latin-1 letters are told).
int CaseAt(std::string_view word, std::size_t i) {
  const char c = word[i];
  if (IsUpperAscii(c)) return 1;
  if (IsLowerAscii(c)) return -1;
  if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < word.size()) {
    const auto next = static_cast<unsigned char>(word[i + 1]);
    if (next >= 0x80 && next <= 0x9E && next != 0x97) return 1;
    if (next >= 0x9F && next <= 0xBF && next != 0xB7) return -1;
  }
  return 0;
}

// Capitals and small letters of ASCII and Latin-1 ('ß' has no capital of its own and stays).
std::string ChangeCase(std::string_view word, bool toCapitals) {
  std::string out(word);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int letterCase = CaseAt(out, i);
    if (letterCase == 0 || (letterCase == 1) == toCapitals) continue;
    if (IsAsciiLetter(out[i])) {
      out[i] = static_cast<char>(toCapitals ? out[i] - 32 : out[i] + 32);
    } else if (static_cast<unsigned char>(out[i + 1]) != 0x9F &&
               static_cast<unsigned char>(out[i + 1]) != 0xBF) {
      out[i + 1] =
          static_cast<char>(static_cast<unsigned char>(out[i + 1]) + (toCapitals ? -32 : 32));
    }
  }
  return out;
}

std::string Capitalised(std::string_view word) {
  if (word.empty()) return std::string();
  const std::size_t first = IsHigh(word[0]) && word.size() > 1 ? 2 : 1;
  return ChangeCase(word.substr(0, first), true) + std::string(word.substr(first));
}

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == ',') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

std::vector<std::string> SectionWords(const IniFile& file, const char* section) {
  std::vector<std::string> words;
  for (const auto& [key, value] : file.ReadSectionValues(section))
    for (std::string& word : SplitWords(value)) words.push_back(std::move(word));
  return words;
}

// The shipped list is written with a straight apostrophe; subtitles often use the curly one.
std::string StraightApostrophes(std::string_view word) {
  std::string out;
  out.reserve(word.size());
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word.substr(i).starts_with("\xE2\x80\x99")) {
      out += '\'';
      i += 2;
    } else {
      out += word[i];
    }
  }
  return out;
}

}  // namespace

#ifdef QUELM_HAVE_HUNSPELL
struct LookAlikeFix::Hunspell {
  Hunhandle* Handle = nullptr;
  bool Utf8 = true;
  ~Hunspell() {
    if (Handle) Hunspell_destroy(Handle);
  }
  bool Spell(const std::string& word) const {
    if (Utf8) return Hunspell_spell(Handle, word.c_str()) != 0;
    // An 8-bit dictionary: Latin-1 letters are converted, anything else cannot be in it.
    std::string latin1;
    for (std::size_t i = 0; i < word.size(); ++i) {
      const auto c = static_cast<unsigned char>(word[i]);
      if (c < 0x80) {
        latin1 += word[i];
      } else if ((c == 0xC2 || c == 0xC3) && i + 1 < word.size()) {
        latin1 +=
            static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(word[++i]) & 0x3F));
      } else {
        return false;
      }
    }
    return Hunspell_spell(Handle, latin1.c_str()) != 0;
  }
};
#else
struct LookAlikeFix::Hunspell {
  bool Spell(const std::string&) const { return false; }
};
#endif

bool LookAlikeFix::HunspellBuiltIn() {
#ifdef QUELM_HAVE_HUNSPELL
  return true;
#else
  return false;
#endif
}

std::vector<std::string> LookAlikeFix::SystemHunspellDirectories() {
  return {"/usr/share/hunspell", "/usr/share/myspell/dicts", "/usr/share/myspell"};
}

LookAlikeFix::LookAlikeFix(Rules rules, const std::vector<std::string>& hunspellDirectories)
    : rules_(std::move(rules)) {
  for (const std::string& group : rules_.Groups) {
    for (const char c : group) {
      if (IsHigh(c) || IsMark(c)) continue;
      std::string& alternatives = alternatives_[static_cast<unsigned char>(c)];
      if (alternatives.empty()) alternatives += c;
      for (const char other : group)
        if (!IsHigh(other) && !IsMark(other) && alternatives.find(other) == std::string::npos)
          alternatives += other;
    }
  }
  for (const std::string& word : rules_.Words) {
    const std::string straight = StraightApostrophes(word);
    words_.insert(straight);
    capitals_.insert(ChangeCase(straight, true));
    if (straight == ChangeCase(straight, false)) titles_.insert(Capitalised(straight));
  }
#ifdef QUELM_HAVE_HUNSPELL
  namespace fs = std::filesystem;
  for (const std::string& name : rules_.Hunspell) {
    for (const std::string& directory : hunspellDirectories) {
      const std::string aff = directory + "/" + name + ".aff";
      const std::string dic = directory + "/" + name + ".dic";
      std::error_code ec;
      if (!fs::is_regular_file(aff, ec) || !fs::is_regular_file(dic, ec)) continue;
      hunspellAff_ = aff;
      hunspellName_ = dic;
      return;
    }
  }
#else
  (void)hunspellDirectories;
#endif
}

LookAlikeFix::~LookAlikeFix() = default;

LookAlikeFix::Rules LookAlikeFix::ReadRules(const std::string& path) {
  const IniFile file(path, IniFile::Quotes::DoubleOrSingle);
  Rules rules;
  for (const auto& [key, value] : file.ReadSectionValues("lookalikes"))
    if (value.size() > 1) rules.Groups.push_back(value);
  rules.Lone = file.ReadString("case", "lone", "");
  rules.Capitals = file.ReadBool("case", "capitals", true);
  rules.SmallAfterFirst = file.ReadBool("case", "small_after_first", true);
  rules.Digits = file.ReadBool("case", "digits", true);
  rules.JoinQuotes = file.ReadBool("case", "join_quotes", true);
  rules.Hunspell = SectionWords(file, "hunspell");
  rules.Words = SectionWords(file, "words");
  return rules;
}

std::string LookAlikeFix::RulesPath(const std::string& rulesDirectory,
                                    const std::string& language) {
  // Only a code of letters names a file: nothing outside the directory is ever read.
  const std::string code = language.empty() ? std::string("en") : LowerAscii(language);
  if (!std::all_of(code.begin(), code.end(), IsLowerAscii)) return std::string();
  std::string directory = rulesDirectory;
  if (!directory.empty() && directory.back() != '/') directory += '/';
  return directory + code + ".ini";
}

std::unique_ptr<LookAlikeFix> LookAlikeFix::Load(
    const std::string& rulesDirectory, const std::string& language,
    const std::vector<std::string>& hunspellDirectories, Status* status) {
  const std::string path = RulesPath(rulesDirectory, language);
  std::error_code ec;
  Rules rules;
  if (!path.empty() && std::filesystem::is_regular_file(path, ec)) {
    rules = ReadRules(path);
    if (status) *status = Status::Success();
  } else if (status) {
    *status =
        Status::Failure(Phrase::Say("no look-alike rules for language '%1' (%2)", language, path));
  }
  return std::make_unique<LookAlikeFix>(std::move(rules), hunspellDirectories);
}

std::string_view LookAlikeFix::AlternativesOf(char c) const {
  if (IsHigh(c) || IsMark(c)) return {};
  return alternatives_[static_cast<unsigned char>(c)];
}

bool LookAlikeFix::KnownInList(const std::string& word) const {
  const std::string straight = StraightApostrophes(word);
  if (words_.contains(straight) || capitals_.contains(straight) || titles_.contains(straight))
    return true;
  // An elided article or pronoun ("l'", "d'", "qu'") before a word of the list.
  const std::size_t apostrophe = straight.find('\'');
  if (apostrophe == std::string::npos || apostrophe + 1 >= straight.size()) return false;
  const std::string head = straight.substr(0, apostrophe + 1);
  const std::string tail = straight.substr(apostrophe + 1);
  return (words_.contains(head) || titles_.contains(head)) &&
         (words_.contains(tail) || capitals_.contains(tail) || titles_.contains(tail));
}

bool LookAlikeFix::Known(const std::string& word) const {
#ifdef QUELM_HAVE_HUNSPELL
  if (!hunspellRead_ && !hunspellName_.empty()) {
    hunspellRead_ = true;
    auto hunspell = std::make_unique<Hunspell>();
    hunspell->Handle = Hunspell_create(hunspellAff_.c_str(), hunspellName_.c_str());
    if (hunspell->Handle) {
      const char* encoding = Hunspell_get_dic_encoding(hunspell->Handle);
      hunspell->Utf8 = encoding && EqualNoCaseAscii(encoding, "UTF-8");
      hunspell_ = std::move(hunspell);
    }
  }
#endif
  return (hunspell_ && hunspell_->Spell(word)) || KnownInList(word);
}

std::optional<std::string> LookAlikeFix::Decide(const std::string& word, bool sentenceStart) const {
  std::vector<std::size_t> ambiguous;
  bool otherLetters = false;
  bool digits = false;
  bool otherDigits = false;
  bool capitalsAfterFirst = false;
  bool smallAfterFirst = false;
  bool smallElsewhere = false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char c = word[i];
    if (AlternativesOf(c).size() > 1) {
      ambiguous.push_back(i);
      if (IsAsciiDigit(c)) digits = true;
      continue;
    }
    if (IsAsciiDigit(c)) {
      digits = otherDigits = true;
    } else if (IsAsciiLetter(c) || IsHigh(c)) {
      if (IsHigh(c) && (static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
      otherLetters = true;
      const int letterCase = CaseAt(word, i);
      if (i > 0 && letterCase == 1) capitalsAfterFirst = true;
      if (i > 0 && letterCase == -1) smallAfterFirst = true;
      if (letterCase == -1) smallElsewhere = true;
    }
  }
  if (ambiguous.empty()) return std::nullopt;

  if (word.size() == 1 && !IsAsciiDigit(word[0]) && rules_.Lone.size() == 1 &&
      AlternativesOf(word[0]).find(rules_.Lone[0]) != std::string_view::npos)
    return rules_.Lone;

  if (!otherLetters && digits && rules_.Digits) {
    std::string number = word;
    for (const std::size_t i : ambiguous) {
      const std::string_view alternatives = AlternativesOf(word[i]);
      const auto digit = std::find_if(alternatives.begin(), alternatives.end(), IsAsciiDigit);
      if (digit == alternatives.end()) return std::nullopt;
      number[i] = *digit;
    }
    return number;
  }
  // Codes that mix letters and other digits ("COVID19") are no words to correct.
  if (otherLetters && otherDigits) return std::nullopt;

  // "ls" and "lf" are words too, but not where a sentence starts.
  const bool capitalFirst =
      sentenceStart && word.size() > 1 && ambiguous.front() == 0 &&
      std::any_of(AlternativesOf(word[0]).begin(), AlternativesOf(word[0]).end(), IsUpperAscii);
  if (capitalFirst && !IsUpperAscii(word[0])) {
    for (const char c : AlternativesOf(word[0])) {
      if (!IsUpperAscii(c)) continue;
      std::string capitalised = word;
      capitalised[0] = c;
      if (Known(capitalised)) return capitalised;
    }
  }
  if (Known(word)) return std::nullopt;
  const bool capitals = rules_.Capitals && capitalsAfterFirst && !smallElsewhere;
  const bool small = rules_.SmallAfterFirst && smallAfterFirst;
  // One word of the language, else what the case rules leave when they leave one spelling.
  const auto choose = [&](bool firstCapital) -> std::optional<std::string> {
    std::vector<std::string> choices;
    std::size_t combinations = 1;
    for (const std::size_t i : ambiguous) {
      std::string allowed;
      for (const char c : AlternativesOf(word[i])) {
        if (!IsAsciiLetter(c)) continue;
        if (capitals && !IsUpperAscii(c)) continue;
        if (small && i > 0 && !IsLowerAscii(c)) continue;
        if (firstCapital && i == 0 && !IsUpperAscii(c)) continue;
        allowed += c;
      }
      if (allowed.empty()) return std::nullopt;
      combinations *= allowed.size();
      if (combinations > MaxCandidates) return std::nullopt;
      choices.push_back(std::move(allowed));
    }
    std::vector<std::size_t> pick(ambiguous.size(), 0);
    std::optional<std::string> only;
    std::optional<std::string> knownOne;
    std::size_t known = 0;
    for (std::size_t n = 0; n < combinations; ++n) {
      std::string candidate = word;
      for (std::size_t k = 0; k < ambiguous.size(); ++k)
        candidate[ambiguous[k]] = choices[k][pick[k]];
      if (combinations == 1) only = candidate;
      if (Known(candidate)) {
        ++known;
        knownOne = candidate;
      }
      for (std::size_t k = 0; k < pick.size(); ++k) {
        if (++pick[k] < choices[k].size()) break;
        pick[k] = 0;
      }
    }
    if (known == 1) return knownOne;
    if (known == 0 && only && *only != word) return only;
    return std::nullopt;
  };
  std::optional<std::string> chosen = choose(false);
  // A name nobody lists ("llla") still opens its sentence with a capital.
  if (!chosen && capitalFirst) chosen = choose(true);
  return chosen;
}

std::string LookAlikeFix::Apply(std::string_view text) const {
  // The text without marks, and where each of its characters lies in `text`.
  std::string plain;
  std::vector<std::size_t> where;
  plain.reserve(text.size());
  where.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsMark(text[i])) continue;
    plain += text[i];
    where.push_back(i);
  }
  std::string fixed = plain;
  std::vector<bool> dropped(plain.size(), false);
  if (rules_.JoinQuotes) {
    for (std::size_t i = 0; i + 1 < plain.size(); ++i) {
      if (plain[i] == '\'' && plain[i + 1] == '\'') {
        fixed[i] = fixed[i + 1] = '"';
        dropped[i + 1] = true;
        ++i;
      }
    }
  }
  // Words: letters, digits and '|', with apostrophes between them.
  std::size_t i = 0;
  bool sentenceStart = true;
  while (i < fixed.size()) {
    // An entry not yet named reads as its own reference, a file name that must stay as it is.
    if (fixed[i] == '<') {
      const std::size_t close = fixed.find('>', i + 1);
      if (close != std::string::npos) {
        i = close + 1;
        continue;
      }
    }
    if (!IsWordByte(fixed[i])) {
      if (fixed[i] == '.' || fixed[i] == '?' || fixed[i] == '!') sentenceStart = true;
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < fixed.size()) {
      if (IsWordByte(fixed[end])) {
        ++end;
      } else if (fixed[end] == '\'' && end + 1 < fixed.size() && IsWordByte(fixed[end + 1])) {
        ++end;
      } else {
        break;
      }
    }
    const std::string word = fixed.substr(i, end - i);
    // The memo keeps both readings of a word apart.
    const std::string key = sentenceStart ? word + '.' : word;
    sentenceStart = false;
    auto found = decided_.find(key);
    if (found == decided_.end()) {
      if (decided_.size() >= MaxDecidedWords) decided_.clear();
      found = decided_.emplace(key, Decide(word, key.size() > word.size())).first;
    }
    // Every look-alike is one ASCII character, so a choice is as long as the word.
    if (found->second && found->second->size() == word.size())
      fixed.replace(i, word.size(), *found->second);
    i = end;
  }
  if (fixed == plain) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t k = 0;
  for (std::size_t t = 0; t < text.size(); ++t) {
    if (k < where.size() && where[k] == t) {
      if (!dropped[k]) result += fixed[k];
      ++k;
    } else {
      result += text[t];
    }
  }
  return result;
}

}  // namespace quelm
