// The main window's periphery: the output format editor, the Tools menu and its editor, the
// GUI language menu with its translator, and the About window.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>

#include <filesystem>
#include <system_error>

#include "app/TAbout.h"
#include "app/TLanguage.h"
#include "app/TMain.h"
#include "app/TOutputIniEditor.h"
#include "app/TToolList.h"
#include "platform/DataPaths.h"
#include "platform/UserInteraction.h"
#include "quelm/Version.h"
#include "settings/LanguageFile.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"
#include "settings/ToolSection.h"

namespace quelm {

namespace {

// languages/ beside the program, else the installed copy.
std::string DefaultLanguageDirectory() {
  return FindDataDirectory(QCoreApplication::applicationDirPath().toStdString() + "/",
                           "languages");
}

// "&" in a caption is a mnemonic mark to Qt; names and keys show it as it is.
QString PlainMenuText(const std::string& caption) {
  return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void TMain::ConnectPeripheryHandlers() {
  if (languageDirectory_.empty()) languageDirectory_ = DefaultLanguageDirectory();
  Language1 = new TLanguage(this);
  Language1->setObjectName(QStringLiteral("Language1"));
  Language1->SetSeparator(DefaultListSeparator);
  Language1->SetProperties(MainWindowTranslationPaths());
  connect(EditCustomIni1, &QAction::triggered, this, &TMain::EditCustomIni1Click);
  connect(Edittoollist1, &QAction::triggered, this, &TMain::Edittoollist1Click);
  connect(About1, &QAction::triggered, this, &TMain::About1Click);
}

// ---------------------------------------------------------------------------------------------
// Output format editor

void TMain::EditCustomIni1Click() {
  {
    TOutputIniEditor editor(ui_, formatDirectory_, this);
    editor.IniFileName = FormatPathFromCaption(
        formatDirectory_, EditIniXOutput->text().toStdString(), formatItems_);
    editor.exec();
  }
  CreateOutputIniMenu();
}

// ---------------------------------------------------------------------------------------------
// Tools

void TMain::CreateToolMenu() {
  QMenu* menu = findChild<QMenu*>(QStringLiteral("Tools1"));
  for (auto it = toolActions_.rbegin(); it != toolActions_.rend(); ++it) {
    if (menu) menu->removeAction(*it);
    (*it)->deleteLater();
  }
  toolActions_.clear();
  if (menu == nullptr) return;
  for (const std::string& key : ReadToolKeys(settings_.File())) {
    auto* action = new QAction(PlainMenuText(key), menu);
    action->setData(QString::fromStdString(key));
    connect(action, &QAction::triggered, this, [this, action] { ToolXClick(action); });
    menu->addAction(action);
    toolActions_.push_back(action);
  }
}

bool TMain::ToolXClick(QAction* item) {
  const std::optional<std::string> program =
      ToolProgramForKey(settings_.File(), item->data().toString().toStdString());
  if (!program) return false;
  // The stored value names the program as a whole, blanks included; no arguments are added.
  if (!QProcess::startDetached(QString::fromStdString(*program), QStringList())) {
    ui_.ShowMessage(MessageKind::Error,
                    tr("Cannot start %1").arg(QString::fromStdString(*program)).toStdString());
    return false;
  }
  return true;
}

void TMain::Edittoollist1Click() {
  {
    TToolList list(settings_.File(), ui_, this);
    list.exec();
  }
  CreateToolMenu();
}

// ---------------------------------------------------------------------------------------------
// GUI languages

void TMain::CreateLangMenu() {
  std::optional<std::string> remembered;
  for (QAction* action : languageActions_)
    if (action->isChecked()) remembered = action->data().toStringList().value(0).toStdString();
  const LanguageMenuBuild build =
      BuildLanguageMenu(languageDirectory_, remembered, guiLanguage_);
  if (!build.DirectoryFound) return;
  for (auto it = languageActions_.rbegin(); it != languageActions_.rend(); ++it) {
    GUI1->removeAction(*it);
    (*it)->deleteLater();
  }
  languageActions_.clear();
  for (std::size_t i = 0; i < build.Captions.size(); ++i) {
    auto* action = new QAction(PlainMenuText(build.Captions[i]), GUI1);
    action->setObjectName(QStringLiteral("Lang%1").arg(i));
    action->setCheckable(true);
    // The caption and the file it came from; a file name holding ":" still finds its file.
    action->setData(QStringList{QString::fromStdString(build.Captions[i]),
                                QString::fromStdString(build.FileNames[i])});
    connect(action, &QAction::triggered, this, [this, action] { LangClick(action); });
    GUI1->addAction(action);
    languageActions_.push_back(action);
  }
  if (build.Apply) LangClick(languageActions_[*build.Apply]);
}

void TMain::LangClick(QAction* item) {
  item->setChecked(true);
  for (std::size_t position = 0; position < languageActions_.size(); ++position) {
    if (languageActions_[position] == item) {
      guiLanguage_ = static_cast<int>(position);
      settings_.StoreInteger(Preferences::GuiLanguage, guiLanguage_);
    } else {
      languageActions_[position]->setChecked(false);
    }
  }
  Language1->LanguageFile =
      languageDirectory_ + "/" + item->data().toStringList().value(1).toStdString();
  Language1->Translate();
}

std::string TMain::GetLangIniFile() const {
  for (QAction* action : languageActions_) {
    if (action->isChecked())
      return languageDirectory_ + "/" + action->data().toStringList().value(1).toStdString();
  }
  return std::string();
}

// ---------------------------------------------------------------------------------------------
// About

void TMain::About1Click() {
  TAbout about(ImageLogo->pixmap(), this);
  about.Version = QStringLiteral("v") + QString::fromUtf8(VersionText);
  about.exec();
}

}  // namespace quelm
