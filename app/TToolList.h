// The tool list editor: names and program paths of the programs in the Tools menu, stored in
// the "tools" section of quelm.ini whenever the window closes.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "settings/ToolSection.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quelm {

class IniFile;
class UserInteraction;

class TToolList : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* Caption = QT_TRANSLATE_NOOP("quelm::TToolList", "Edit tools");
  // Linux programs carry no extension; the dialog offers executable files first.
  static constexpr const char* ProgramFilter = QT_TRANSLATE_NOOP(
      "quelm::TToolList", "Programs (*);;Scripts (*.sh *.py *.pl);;All files (*)");

  TToolList(IniFile& settingsFile, UserInteraction& ui, QWidget* parent = nullptr);

  const std::vector<ToolEntry>& Tools() const { return tools_; }
  // The outcome of the last store on closing.
  const Status& StoreResult() const { return storeResult_; }

  void ListBox1Click();
  void BtnInsertToolClick();
  void BitBtn1Click();
  void Button1Click();
  void BitBtn2Click();

  QLabel* Label1 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QListWidget* ListBox2 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* EditToolName = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* EditToolFile = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* BtnInsertTool = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;

  void done(int result) override;

 private:
  void FormCreate();
  void FormCloseQuery();
  void EditToolNameChange();
  void EditToolFileChange();
  std::optional<std::string> ChooseProgram();
  int Selected() const;

  IniFile& settingsFile_;
  UserInteraction& ui_;
  std::vector<ToolEntry> tools_;
  Status storeResult_;
};

}  // namespace quelm
