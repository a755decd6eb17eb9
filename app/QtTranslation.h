// The program's Qt translation: translations/quelm_<language>.qm with Qt's own qtbase_<language>.qm
// (its standard buttons), switched while the program runs. The language files of languages/ are
// applied on top of it and win for the paths they name.
#pragma once

#include <string>

namespace quelm {

class SettingsStore;

// translations/ beside the program, else the installed copy.
std::string DefaultTranslationDirectory();

// Makes `language` ("de", "fr") the application's translation; "en" or an empty text gives the
// built-in English texts, and so does a language whose quelm_<language>.qm is not in
// `directory` (then false). Texts that open windows took from a translation follow the switch.
bool UseQtTranslation(const std::string& language,
                      const std::string& directory = DefaultTranslationDirectory());
// The language in use; empty for the built-in English texts.
std::string QtTranslationLanguage();

// At start, before the main window is made: where the settings name no GUI language yet, the
// language file for `systemLocale` becomes the stored choice (German or French, else English);
// then the stored choice's translation is installed, so that the windows are made in it.
void StartTranslation(SettingsStore& settings, const std::string& systemLocale,
                      const std::string& languageDirectory,
                      const std::string& translationDirectory = DefaultTranslationDirectory());

}  // namespace quelm
