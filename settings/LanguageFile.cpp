// Language files and the path and list rules of the translator.
#include "settings/LanguageFile.h"


#include "output/FormatMenu.h"
#include "platform/AsciiText.h"
#include "platform/IniFile.h"

namespace quelm {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string LanguageDirectoryBeside(const std::string& programDir) {
  return programDir + "languages";
}

std::optional<std::vector<std::string>> ListLanguageFiles(const std::string& directory) {
  // Same rule as the format directory: regular "*.ini" files, sorted without case.
  return ListFormatFiles(directory);
}

std::string ReadLanguageName(const std::string& path) {
  return IniFile(path).ReadString(LanguageInfoSection, "name", UnknownLanguageName);
}

std::string ReadLanguageCode(const std::string& path) {
  return LowerAscii(TrimText(IniFile(path).ReadString(LanguageInfoSection, LanguageCodeKey, "")));
}

std::optional<std::size_t> LanguageForLocale(const std::string& directory,
                                             const std::string& systemLocale) {
  const std::string wanted =
      LowerAscii(systemLocale.substr(0, systemLocale.find_first_of("_-.@")));
  const auto files = ListLanguageFiles(directory);
  if (!files) return std::nullopt;
  std::optional<std::size_t> english;
  for (std::size_t i = 0; i < files->size(); ++i) {
    const std::string code = ReadLanguageCode(directory + "/" + (*files)[i]);
    if (!wanted.empty() && code == wanted) return i;
    if (code == "en" && !english) english = i;
  }
  return english;
}

LanguageTranslations LanguageTranslations::Load(const std::string& path) {
  LanguageTranslations translations;
  for (auto& [key, value] : IniFile(path).ReadSectionValues(TranslationsSection))
    translations.values_.emplace(LowerAscii(TrimText(key)), std::move(value));
  return translations;
}

std::string LanguageTranslations::Find(const std::string& key) const {
  const auto it = values_.find(LowerAscii(TrimText(key)));
  return it == values_.end() ? std::string() : it->second;
}

std::string TrimText(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

PropertyPath SplitPropertyPath(std::string_view path) {
  PropertyPath split;
  std::string rest = TrimText(path);
  std::size_t dot = rest.find('.');
  while (dot != std::string::npos) {
    split.Components.push_back(TrimText(std::string_view(rest).substr(0, dot)));
    rest = TrimText(std::string_view(rest).substr(dot + 1));
    dot = rest.find('.');
  }
  split.Property = rest;
  return split;
}

std::string EffectiveSeparator(std::string_view separator) {
  return TrimText(separator).empty() ? std::string(DefaultListSeparator) : std::string(separator);
}

std::vector<std::string> SplitListValue(std::string_view value, std::string_view separator) {
  const std::string sep = EffectiveSeparator(separator);
  std::vector<std::string> pieces;
  std::size_t start = 0;
  std::size_t found = value.find(sep, start);
  while (found != std::string_view::npos) {
    pieces.push_back(TrimText(value.substr(start, found - start)));
    start = found + sep.size();
    found = value.find(sep, start);
  }
  std::string rest = TrimText(value.substr(start));
  if (!rest.empty()) pieces.push_back(std::move(rest));
  return pieces;
}

std::string LanguageMenuCaption(const std::string& name, const std::string& fileName) {
  return name + " : " + fileName;
}

std::string LanguageFileFromCaption(const std::string& caption) {
  const std::size_t colon = caption.rfind(':');
  if (colon == std::string::npos) return caption;
  std::size_t start = colon + 1;
  if (start < caption.size() && caption[start] == ' ') ++start;
  return caption.substr(start);
}

const std::vector<std::string>& MainWindowTranslationPaths() {
  static const std::vector<std::string> paths = {
      "Main.Label1.Caption",
      "Main.Label6.Caption",
      "Main.CheckOutPutRoot.Caption",
      "Main.Label15.Caption",
      "Main.CheckDictionaryRoot.Caption",
      "Main.BtnChangeVobRoot.Caption",
      "Main.BtnChangeOutputRoot.Caption",
      "Main.BtnChangeDictionaryRoot.Caption",
      "Main.Label2.Caption",
      "Main.Label3.Caption",
      "Main.CheckManualLanguage.Caption",
      "Main.Label7.Caption",
      "Main.Label9.Caption",
      "Main.Label6.Caption",
      "Main.BtnGotoFirst.Hint",
      "Main.BtnGoBack.Hint",
      "Main.BtnGoNext.Hint",
      "Main.BtnGetAll.Hint",
      "Main.Label5.Caption",
      "Main.CheckManualVobFile.Caption",
      "Main.CheckAutosave.Caption",
      "Main.RadioBit1.Caption",
      "Main.RadioBit4.Caption",
      "Main.Label10.Caption",
      "Main.CheckAutoColorDetect.Caption",
      "Main.Label8.Caption",
      "Main.Label20.Caption",
      "Main.CheckOCREnable.Caption",
      "Main.CheckAutocloseOCR.Caption",
      "Main.LearnRadioGroup1.Caption",
      "Main.LearnRadioGroup1.Items",
      "Main.BtnClearText.Caption",
      "Main.BtnSaveTo.Caption",
      // The "Time" label of the running time: Label15 above names no control of the window.
      "Main.Label16.Caption",
      "ChooseDir.Label1.Caption",
      "CD.Label1.Caption",
      "",
  };
  return paths;
}

LanguageMenuBuild BuildLanguageMenu(const std::string& directory,
                                    const std::optional<std::string>& rememberedCaption,
                                    int storedPosition) {
  LanguageMenuBuild build;
  const auto files = ListLanguageFiles(directory);
  if (!files) return build;
  build.DirectoryFound = true;
  for (const std::string& file : *files) {
    const std::string caption =
        LanguageMenuCaption(ReadLanguageName(directory + "/" + file), file);
    if (rememberedCaption && *rememberedCaption == caption) build.Apply = build.Captions.size();
    build.Captions.push_back(caption);
    build.FileNames.push_back(file);
  }
  if (!rememberedCaption && storedPosition >= 0 &&
      static_cast<std::size_t>(storedPosition) < build.Captions.size())
    build.Apply = static_cast<std::size_t>(storedPosition);
  return build;
}

}  // namespace quelm
