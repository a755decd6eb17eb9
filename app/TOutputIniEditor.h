// The output format editor: the display name and the header, body and footer templates of one
// format file, with a read-only reference of the tags beside them.
#pragma once

#include <QDialog>
#include <QSet>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QSplitter;
class QWidget;

namespace quelm {

class UserInteraction;

class TOutputIniEditor : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* Caption =
      QT_TRANSLATE_NOOP("quelm::TOutputIniEditor", "Output INI Editor");
  static constexpr const char* SaveFilter =
      QT_TRANSLATE_NOOP("quelm::TOutputIniEditor", "ini (*.ini);;all files (*)");
  static constexpr const char* ProposedOpenName = "custom.ini";

  // `formatDirectory` is where the file dialogs start.
  TOutputIniEditor(UserInteraction& ui, std::string formatDirectory, QWidget* parent = nullptr);

  // The file the editor was opened for: loaded on opening, proposed when saving. Set before
  // showing.
  std::string IniFileName;

  // The fixed tag reference, one entry per line.
  static const std::vector<std::string>& TagReference();

  // The lines of a template field: its text lines; an empty field holds none, or the one
  // empty line a loaded template had until something is typed into it.
  std::vector<std::string> MemoLines(const QPlainTextEdit& memo) const;

  void Openexistingini1Click();
  // True when the format was written and the window closed.
  bool Exitandsave1Click();
  void Exit1Click();
  void Clearall1Click();

  QWidget* Panel1 = nullptr;
  QPlainTextEdit* MemoTagInfo = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* EditIniName = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QSplitter* Splitter1 = nullptr;
  QSplitter* Splitter2 = nullptr;
  QPlainTextEdit* MemoHeader = nullptr;
  QPlainTextEdit* MemoBody = nullptr;
  QPlainTextEdit* MemoFooter = nullptr;
  QMenuBar* MainMenu1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Exitandsave1 = nullptr;
  QAction* Openexistingini1 = nullptr;
  QAction* Clearall1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormActivate();
  void LoadFormat(const std::string& path);
  void SetTemplateLines(QPlainTextEdit& memo, const std::vector<std::string>& lines);
  int LineCount(const QPlainTextEdit& memo) const;
  void MemoHeaderChange();
  void MemoBodyChange();
  void MemoFooterChange();
  void Panel1Resize();

  UserInteraction& ui_;
  std::string formatDirectory_;
  bool activated_ = false;
  // Fields that show no text but hold one empty line: the text alone cannot tell this from no
  // line at all, and a template of one empty line renders an empty line per subtitle.
  QSet<const QPlainTextEdit*> oneEmptyLine_;
};

}  // namespace quelm
