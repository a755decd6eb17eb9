// The translator: path resolution over the application's windows and the Delphi-style property
// names (Caption, Hint, Text, Items, Lines) mapped onto the Qt properties they stand for.
#include "app/TLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>
#include <QToolButton>
#include <QWidget>

#include "app/QtTranslation.h"
#include "settings/LanguageFile.h"

namespace quelm {

namespace {

enum class TargetKind { None, Text, Integer, List };

struct PropertyTarget {
  TargetKind Kind = TargetKind::None;
  QByteArray QtName;  // for Text and Integer, and for a Qt string-list property
};

bool SameName(const QString& a, const QString& b) {
  return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool IsWindow(QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget != nullptr && widget->isWindow() && qobject_cast<QMenu*>(object) == nullptr;
}

// The buttons of a radio group, in the order they were made.
QList<QAbstractButton*> GroupButtons(QGroupBox* group) {
  return group->findChildren<QAbstractButton*>();
}

PropertyTarget FindTarget(QObject* component, const QString& name) {
  const QString wanted = name.toLower();
  if (wanted == QLatin1String("caption")) {
    if (IsWindow(component)) return {TargetKind::Text, "windowTitle"};
    if (qobject_cast<QGroupBox*>(component) || qobject_cast<QMenu*>(component))
      return {TargetKind::Text, "title"};
    if (qobject_cast<QLabel*>(component) || qobject_cast<QAbstractButton*>(component) ||
        qobject_cast<QAction*>(component))
      return {TargetKind::Text, "text"};
    return {};
  }
  if (wanted == QLatin1String("hint")) {
    if (qobject_cast<QWidget*>(component) || qobject_cast<QAction*>(component))
      return {TargetKind::Text, "toolTip"};
    return {};
  }
  if (wanted == QLatin1String("text")) {
    if (qobject_cast<QPlainTextEdit*>(component) || qobject_cast<QTextEdit*>(component))
      return {TargetKind::Text, "plainText"};
    if (auto* combo = qobject_cast<QComboBox*>(component))
      return combo->isEditable() ? PropertyTarget{TargetKind::Text, "currentText"}
                                 : PropertyTarget{};
  }
  if (wanted == QLatin1String("items")) {
    if (qobject_cast<QComboBox*>(component) || qobject_cast<QListWidget*>(component) ||
        qobject_cast<QGroupBox*>(component))
      return {TargetKind::List, {}};
    return {};
  }
  if (wanted == QLatin1String("lines")) {
    if (qobject_cast<QPlainTextEdit*>(component) || qobject_cast<QTextEdit*>(component))
      return {TargetKind::List, {}};
    return {};
  }
  // Anything else: a writable Qt property of that name, of a type the translator can set.
  const QMetaObject* meta = component->metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    const QMetaProperty property = meta->property(i);
    if (!property.isWritable() || !SameName(QString::fromLatin1(property.name()), name)) continue;
    switch (property.metaType().id()) {
      case QMetaType::QString:
        return {TargetKind::Text, property.name()};
      case QMetaType::Int:
        return {TargetKind::Integer, property.name()};
      case QMetaType::QStringList:
        return {TargetKind::List, property.name()};
      default:
        return {};
    }
  }
  return {};
}

QStringList ToQt(const std::vector<std::string>& pieces) {
  QStringList list;
  for (const std::string& piece : pieces) list.append(QString::fromStdString(piece));
  return list;
}

QStringList ReadList(QObject* component, const PropertyTarget& target) {
  QStringList list;
  if (auto* combo = qobject_cast<QComboBox*>(component)) {
    for (int i = 0; i < combo->count(); ++i) list.append(combo->itemText(i));
  } else if (auto* listWidget = qobject_cast<QListWidget*>(component)) {
    for (int i = 0; i < listWidget->count(); ++i) list.append(listWidget->item(i)->text());
  } else if (auto* group = qobject_cast<QGroupBox*>(component)) {
    for (QAbstractButton* button : GroupButtons(group)) list.append(button->text());
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(component)) {
    list = plain->toPlainText().split(QLatin1Char('\n'));
  } else if (auto* rich = qobject_cast<QTextEdit*>(component)) {
    list = rich->toPlainText().split(QLatin1Char('\n'));
  } else if (!target.QtName.isEmpty()) {
    list = component->property(target.QtName.constData()).toStringList();
  }
  return list;
}

void WriteList(QObject* component, const PropertyTarget& target, const QStringList& list) {
  if (auto* combo = qobject_cast<QComboBox*>(component)) {
    // Keep the chosen position where the new list still has it.
    const int current = combo->currentIndex();
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(list);
    if (current < combo->count()) combo->setCurrentIndex(current);
  } else if (auto* listWidget = qobject_cast<QListWidget*>(component)) {
    listWidget->clear();
    listWidget->addItems(list);
  } else if (auto* group = qobject_cast<QGroupBox*>(component)) {
    // The group's buttons carry handlers and settings; they are renamed, never made or removed.
    const QList<QAbstractButton*> buttons = GroupButtons(group);
    for (qsizetype i = 0; i < buttons.size() && i < list.size(); ++i) buttons[i]->setText(list[i]);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(component)) {
    plain->setPlainText(list.join(QLatin1Char('\n')));
  } else if (auto* rich = qobject_cast<QTextEdit*>(component)) {
    rich->setPlainText(list.join(QLatin1Char('\n')));
  } else if (!target.QtName.isEmpty()) {
    component->setProperty(target.QtName.constData(), list);
  }
}

}  // namespace

TLanguage::TLanguage(QObject* owner) : QObject(owner) {}

void TLanguage::SetSeparator(const std::string& separator) {
  separator_ = EffectiveSeparator(separator);
}

void TLanguage::Translate() {
  if (OnBeforeTranslation) OnBeforeTranslation(*this);
  // The program's translation first: the file's own texts win for the paths it names.
  const std::string language = ReadLanguageCode(LanguageFile);
  if (!language.empty()) UseQtTranslation(language);
  const LanguageTranslations translations = LanguageTranslations::Load(LanguageFile);
  for (const std::string& entry : properties_) {
    if (TrimText(entry).empty()) continue;
    ApplyValue(entry, translations.Find(entry));
  }
  if (OnAfterTranslation) OnAfterTranslation(*this);
}

QObject* TLanguage::ResolveComponent(const std::vector<std::string>& names) {
  if (names.empty()) return nullptr;
  QObject* current = nullptr;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const QString wanted = QString::fromStdString(names[i]);
    QObject* next = nullptr;
    if (i == 0) {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (IsWindow(window) && SameName(window->objectName(), wanted)) {
          next = window;
          break;
        }
      }
    } else {
      for (QObject* owned : current->findChildren<QObject*>()) {
        if (SameName(owned->objectName(), wanted)) {
          next = owned;
          break;
        }
      }
    }
    if (next == nullptr) return nullptr;
    current = next;
  }
  return current;
}

bool TLanguage::ApplyValue(const std::string& path, const std::string& value) {
  const PropertyPath split = SplitPropertyPath(path);
  QObject* component = ResolveComponent(split.Components);
  if (component == nullptr || value.empty()) return false;
  const QString propertyName = QString::fromStdString(split.Property);
  QString newValue = QString::fromStdString(value);
  if (OnTranslate) OnTranslate(*this, component, propertyName, ReadProperty(component, propertyName), newValue);
  return WriteProperty(component, propertyName, newValue);
}

QString TLanguage::ReadProperty(QObject* component, const QString& propertyName) const {
  const PropertyTarget target = FindTarget(component, propertyName);
  switch (target.Kind) {
    case TargetKind::None:
      return {};
    case TargetKind::Text:
    case TargetKind::Integer:
      return component->property(target.QtName.constData()).toString();
    case TargetKind::List:
      return ReadList(component, target).join(QString::fromStdString(separator_));
  }
  return {};
}

bool TLanguage::WriteProperty(QObject* component, const QString& propertyName,
                              const QString& value) {
  const PropertyTarget target = FindTarget(component, propertyName);
  switch (target.Kind) {
    case TargetKind::None:
      return false;
    case TargetKind::Text: {
      // A glyph button of the design shows its hint as its text here; both change together.
      auto* tool = qobject_cast<QToolButton*>(component);
      if (tool != nullptr && target.QtName == "toolTip" && tool->text() == tool->toolTip())
        tool->setText(value);
      return component->setProperty(target.QtName.constData(), value);
    }
    case TargetKind::Integer: {
      bool ok = false;
      const int number = value.trimmed().toInt(&ok, 10);
      // A text that is no number leaves the property as it was.
      return ok && component->setProperty(target.QtName.constData(), number);
    }
    case TargetKind::List:
      WriteList(component, target,
                ToQt(SplitListValue(value.toStdString(), separator_)));
      return true;
  }
  return false;
}

}  // namespace quelm
