// Language files: the menu name, the translations of every main window path, list values.
#include "fuzz/FuzzSupport.h"
#include "settings/LanguageFile.h"

namespace quelm::fuzz {

void LanguageInput(const std::uint8_t* data, std::size_t size) {
  const std::string path =
      WriteScratchFile("language.ini", {reinterpret_cast<const char*>(data), size});
  const std::string name = ReadLanguageName(path);
  if (LanguageFileFromCaption(LanguageMenuCaption(name, "language.ini")) != "language.ini")
    Broken("menu caption does not give the file back for name '" + name + "'");

  const LanguageTranslations translations = LanguageTranslations::Load(path);
  const std::string separator = EffectiveSeparator(translations.Find("Main.Language.Separator"));
  if (separator.empty()) Broken("empty separator");
  for (const std::string& key : MainWindowTranslationPaths()) {
    const std::string value = translations.Find(key);
    const PropertyPath property = SplitPropertyPath(key);
    (void)property;
    for (const std::string& item : SplitListValue(value, separator)) (void)TrimText(item);
  }
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(LanguageInput)
