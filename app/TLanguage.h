// A non-visual translator owned by a window: applies the "Translations" of a language file to a
// list of property paths window.component.property, resolving names without regard to case.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace quelm {

class TLanguage : public QObject {
  Q_OBJECT

 public:
  using TNotifyEvent = std::function<void(TLanguage& sender)>;
  // newValue starts as the file's text; the handler may change it.
  using TLanguageNotifyEvent =
      std::function<void(TLanguage& sender, QObject* component, const QString& propertyName,
                         const QString& oldValue, QString& newValue)>;

  explicit TLanguage(QObject* owner = nullptr);

  // Full path of the language file; setting it translates nothing yet.
  std::string LanguageFile;

  const std::vector<std::string>& Properties() const { return properties_; }
  void SetProperties(const std::vector<std::string>& paths) { properties_ = paths; }

  // Splits list values; an empty or all-blank text sets ",".
  const std::string& Separator() const { return separator_; }
  void SetSeparator(const std::string& separator);

  TNotifyEvent OnBeforeTranslation;
  TNotifyEvent OnAfterTranslation;
  TLanguageNotifyEvent OnTranslate;

  // Applies LanguageFile to every entry of Properties, after switching the program's Qt
  // translation to the language its "ini_info" names, if any.
  void Translate();

  // Sets the property a path names; false when the path does not resolve, the value is empty
  // or the component has no such property.
  bool ApplyValue(const std::string& path, const std::string& value);

  // The object a chain of names leads to, starting at the application's windows; null when a
  // name is not found.
  static QObject* ResolveComponent(const std::vector<std::string>& names);

  // The text a property shows now (a list joined with the separator); empty when there is none.
  QString ReadProperty(QObject* component, const QString& propertyName) const;

 private:
  bool WriteProperty(QObject* component, const QString& propertyName, const QString& value);

  std::vector<std::string> properties_;
  std::string separator_ = ",";
};

}  // namespace quelm
