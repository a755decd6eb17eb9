// One translator stays installed and asks the loaded .qm files in turn. It remembers which source
// text each text it handed out came from, so that at a switch the windows already open (the main
// window lives as long as the program) can be given their texts anew without each window keeping
// a list of its own; texts with numbers filled in are made again by their windows anyway.
#include "app/QtTranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMutex>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/DataPaths.h"
#include "settings/LanguageFile.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace {

struct SourceText {
  QByteArray Context;
  QByteArray Text;
  QByteArray Disambiguation;
};

class FollowingTranslator : public QTranslator {
 public:
  explicit FollowingTranslator(QObject* parent) : QTranslator(parent) {}

  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override {
    QString result;
    for (const auto& loaded : loaded_) {
      result = loaded->translate(context, sourceText, disambiguation, n);
      if (!result.isNull()) break;
    }
    // A text with a count has "%n" filled in after this: no window shows it as it is here.
    if (n < 0 && sourceText != nullptr) {
      const QMutexLocker lock(&mutex_);
      shown_.insert(result.isNull() ? QString::fromUtf8(sourceText) : result,
                    SourceText{context, sourceText, disambiguation});
    }
    return result;
  }
  bool isEmpty() const override { return false; }

  void Use(std::vector<std::unique_ptr<QTranslator>> loaded, const std::string& language) {
    loaded_ = std::move(loaded);
    language_ = language;
  }
  const std::string& Language() const { return language_; }

  // The text `shown` in the translation now in use; `shown` itself when it came from none.
  QString Again(const QString& shown) const {
    if (shown.isEmpty()) return shown;
    SourceText source;
    {
      const QMutexLocker lock(&mutex_);
      const auto it = shown_.constFind(shown);
      if (it == shown_.constEnd()) return shown;
      source = *it;
    }
    return QCoreApplication::translate(
        source.Context.constData(), source.Text.constData(),
        source.Disambiguation.isEmpty() ? nullptr : source.Disambiguation.constData());
  }

 private:
  std::vector<std::unique_ptr<QTranslator>> loaded_;
  std::string language_;
  mutable QMutex mutex_;
  mutable QHash<QString, SourceText> shown_;
};

FollowingTranslator& Translator() {
  static QPointer<FollowingTranslator> translator;
  if (translator.isNull()) {
    translator = new FollowingTranslator(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator);
  }
  return *translator;
}

void Renew(const FollowingTranslator& translator, QObject* object, const char* property) {
  const QString now = object->property(property).toString();
  const QString again = translator.Again(now);
  if (again != now) object->setProperty(property, again);
}

// Every text a translation reaches; what the user typed or chose (edits, lists) stays.
void Retranslate(const FollowingTranslator& t, QObject* object) {
  if (qobject_cast<QAction*>(object) != nullptr) {
    Renew(t, object, "text");
    Renew(t, object, "statusTip");
    return;
  }
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return;
  if (widget->isWindow()) Renew(t, widget, "windowTitle");
  Renew(t, widget, "toolTip");
  Renew(t, widget, "statusTip");
  if (qobject_cast<QAbstractButton*>(widget) != nullptr || qobject_cast<QLabel*>(widget) != nullptr)
    Renew(t, widget, "text");
  else if (qobject_cast<QGroupBox*>(widget) != nullptr || qobject_cast<QMenu*>(widget) != nullptr)
    Renew(t, widget, "title");
  else if (qobject_cast<QLineEdit*>(widget) != nullptr ||
           qobject_cast<QTextEdit*>(widget) != nullptr ||
           qobject_cast<QPlainTextEdit*>(widget) != nullptr)
    Renew(t, widget, "placeholderText");
  else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    for (int i = 0; i < combo->count(); ++i) {
      const QString again = t.Again(combo->itemText(i));
      if (again != combo->itemText(i)) combo->setItemText(i, again);
    }
  } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
    for (int i = 0; i < tabs->count(); ++i) {
      const QString again = t.Again(tabs->tabText(i));
      if (again != tabs->tabText(i)) tabs->setTabText(i, again);
    }
  }
}

void RetranslateOpenWindows(const FollowingTranslator& translator) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    Retranslate(translator, window);
    for (QObject* child : window->findChildren<QObject*>()) Retranslate(translator, child);
  }
}

std::string LanguagePart(const std::string& language) {
  std::string part = language.substr(0, language.find_first_of("_-.@"));
  for (char& c : part) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return part == "en" ? std::string() : part;
}

}  // namespace

std::string DefaultTranslationDirectory() {
  return FindDataDirectory(QCoreApplication::applicationDirPath().toStdString() + "/",
                           "translations");
}

bool UseQtTranslation(const std::string& language, const std::string& directory) {
  FollowingTranslator& translator = Translator();
  const std::string wanted = LanguagePart(language);
  if (wanted == translator.Language()) return true;
  std::vector<std::unique_ptr<QTranslator>> loaded;
  bool found = wanted.empty();
  if (!wanted.empty()) {
    auto own = std::make_unique<QTranslator>();
    found = own->load(QStringLiteral("quelm_") + QString::fromStdString(wanted),
                      QString::fromStdString(directory));
    // Without the program's own texts, Qt's buttons alone would make a mixed window.
    if (found) {
      loaded.push_back(std::move(own));
      auto qt = std::make_unique<QTranslator>();
      if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(wanted),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        loaded.push_back(std::move(qt));
    }
  }
  translator.Use(std::move(loaded), found ? wanted : std::string());
  // Installing again tells Qt's own widgets (LanguageChange); the rest is renewed here.
  QCoreApplication::removeTranslator(&translator);
  QCoreApplication::installTranslator(&translator);
  RetranslateOpenWindows(translator);
  return found;
}

std::string QtTranslationLanguage() {
  return Translator().Language();
}

void StartTranslation(SettingsStore& settings, const std::string& systemLocale,
                      const std::string& languageDirectory,
                      const std::string& translationDirectory) {
  namespace P = Preferences;
  // Installed before any window is made, so that a later switch reaches all their texts.
  Translator();
  int position = P::DefaultGuiLanguage;
  if (settings.ReadString(P::GuiLanguage, "").empty()) {
    const std::optional<std::size_t> chosen = LanguageForLocale(languageDirectory, systemLocale);
    if (!chosen) return;
    position = static_cast<int>(*chosen);
    settings.StoreInteger(P::GuiLanguage, position);
  } else {
    position = settings.ReadInteger(P::GuiLanguage, P::DefaultGuiLanguage);
  }
  const auto files = ListLanguageFiles(languageDirectory);
  if (!files || position < 0 || static_cast<std::size_t>(position) >= files->size()) return;
  const std::string language =
      ReadLanguageCode(languageDirectory + "/" + (*files)[static_cast<std::size_t>(position)]);
  if (!language.empty()) UseQtTranslation(language, translationDirectory);
}

}  // namespace quelm
