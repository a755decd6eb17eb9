// GUI translation files: "ini_info"/name for the menu, "Translations" with one key per property
// path (window.component.property), and the rules the translator applies to paths and values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quelm {

inline constexpr const char* LanguageInfoSection = "ini_info";
inline constexpr const char* TranslationsSection = "Translations";
inline constexpr const char* UnknownLanguageName = "unknown";
inline constexpr const char* DefaultListSeparator = ",";
// In "ini_info": the language of the program's Qt translation that goes with the file ("de").
inline constexpr const char* LanguageCodeKey = "language";

// programDir ends with "/".
std::string LanguageDirectoryBeside(const std::string& programDir);
// The "*.ini" files of `directory`, sorted by name without regard to case; nullopt when the
// directory does not exist.
std::optional<std::vector<std::string>> ListLanguageFiles(const std::string& directory);

std::string ReadLanguageName(const std::string& path);
// The file's "ini_info" language, lower case; empty when it names none.
std::string ReadLanguageCode(const std::string& path);
// The position (as in the language menu) of the file for a system locale ("de_DE.UTF-8",
// "fr-CA": the file whose language is "de" or "fr"), else of the English one ("en"); nullopt
// when there is neither.
std::optional<std::size_t> LanguageForLocale(const std::string& directory,
                                             const std::string& systemLocale);

// The "Translations" section read once; keys compare without regard to case.
class LanguageTranslations {
 public:
  static LanguageTranslations Load(const std::string& path);
  // The text for a path, empty when the file has none (an empty text changes nothing).
  std::string Find(const std::string& key) const;

 private:
  std::unordered_map<std::string, std::string> values_;  // lower-case key -> value
};

// "Main.Label1.Caption" -> components {"Main", "Label1"}, property "Caption"; every part trimmed.
struct PropertyPath {
  std::vector<std::string> Components;
  std::string Property;
};
PropertyPath SplitPropertyPath(std::string_view path);

// Cuts a list value at every `separator`, trims each piece; a trimmed rest after the last
// separator counts only when it is not empty ("a,,b," gives "a", "", "b").
std::vector<std::string> SplitListValue(std::string_view value, std::string_view separator);
// An empty or all-blank separator stands for ",".
std::string EffectiveSeparator(std::string_view separator);

// Blanks and control characters at both ends removed.
std::string TrimText(std::string_view text);

// Menu captions: name + " : " + file name; the file name is what follows the last ":" and the
// blank after it.
std::string LanguageMenuCaption(const std::string& name, const std::string& fileName);
std::string LanguageFileFromCaption(const std::string& caption);

// The paths the main window translates, in order (the list ends with one empty entry).
const std::vector<std::string>& MainWindowTranslationPaths();

struct LanguageMenuBuild {
  bool DirectoryFound = false;
  std::vector<std::string> Captions;
  std::vector<std::string> FileNames;
  std::optional<std::size_t> Apply;  // the item to apply after the rebuild
};
// `rememberedCaption` is the caption of the item checked before the rebuild (none at start-up);
// without one the item at `storedPosition` is applied when there is such an item.
LanguageMenuBuild BuildLanguageMenu(const std::string& directory,
                                    const std::optional<std::string>& rememberedCaption,
                                    int storedPosition);

}  // namespace quelm
