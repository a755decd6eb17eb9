// Message boxes, file, directory and colour dialogs, and the event pump, through Qt.
#include "app/QtUserInteraction.h"

#include "app/BitmapImage.h"
#include "app/Translated.h"
#include "app/disc/TChooseDir.h"
#include "disc/DiscDirectory.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace quelm {

namespace {
QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The file dialog takes a file, and a folder that holds a title (its VOB files, or a VIDEO_TS
// with them) instead of opening it.
class TitleDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

 protected:
  void accept() override {
    const QStringList chosen = selectedFiles();
    if (chosen.size() == 1 && QFileInfo(chosen.first()).isDir() &&
        !TitleVobFiles(TitleDirectory(chosen.first().toStdString())).empty()) {
      QDialog::accept();
      return;
    }
    QFileDialog::accept();
  }
};

}  // namespace

void QtUserInteraction::ShowMessage(MessageKind kind, const std::string& text) {
  const QString title = QApplication::applicationName();
  switch (kind) {
    case MessageKind::Information:
      QMessageBox::information(parent_, title, ToQt(text));
      break;
    case MessageKind::Warning:
      QMessageBox::warning(parent_, title, ToQt(text));
      break;
    case MessageKind::Error:
      QMessageBox::critical(parent_, title, ToQt(text));
      break;
  }
}

void QtUserInteraction::ShowMessage(MessageKind kind, const Phrase& phrase) {
  ShowMessage(kind, Translated(phrase).toStdString());
}

Answer QtUserInteraction::Ask(const std::string& text, Buttons buttons) {
  QMessageBox::StandardButtons shown = QMessageBox::Yes | QMessageBox::No;
  if (buttons == Buttons::YesNoCancel) shown |= QMessageBox::Cancel;
  const auto chosen = QMessageBox::question(
      parent_, QApplication::applicationName(), ToQt(text), shown,
      buttons == Buttons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::NoButton);
  if (chosen == QMessageBox::Yes) return Answer::Yes;
  if (chosen == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

std::optional<std::string> QtUserInteraction::ChooseOpenFile(const std::string& title,
                                                             const std::string& directory,
                                                             const std::string& filter) {
  const QString chosen =
      QFileDialog::getOpenFileName(parent_, ToQt(title), ToQt(directory), ToQt(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::optional<std::string> QtUserInteraction::ChooseSaveFile(const std::string& title,
                                                             const std::string& directory,
                                                             const std::string& proposedName,
                                                             const std::string& filter,
                                                             std::string* selectedFilter) {
  QString start = ToQt(proposedName);
  if (!directory.empty()) start = QDir(ToQt(directory)).filePath(QFileInfo(start).fileName());
  QString selected = selectedFilter ? ToQt(*selectedFilter) : QString();
  const QString chosen = QFileDialog::getSaveFileName(parent_, ToQt(title), start, ToQt(filter),
                                                      selectedFilter ? &selected : nullptr);
  if (chosen.isEmpty()) return std::nullopt;
  if (selectedFilter) *selectedFilter = selected.toStdString();
  return chosen.toStdString();
}

std::optional<std::string> QtUserInteraction::ChooseTitle(const std::string& title,
                                                          const std::string& directory) {
  TitleDialog dialog(parent_, ToQt(title), ToQt(directory));
  // The system's dialog would open a folder instead of taking it.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters({QCoreApplication::translate("QtUserInteraction",
                                                     "Titles (*.vob *.VOB *.iso *.ISO *.idx *.sub *.mkv *.mks *.sup)"),
                         QCoreApplication::translate("QtUserInteraction", "All files (*)")});
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtUserInteraction::ChooseDirectory(const std::string& title,
                                                              const std::string& directory) {
  TChooseDir chooser(parent_);
  chooser.setWindowTitle(ToQt(title));
  chooser.InitialDir = directory;
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return chooser.Directory();
}

std::optional<Color> QtUserInteraction::ChooseColor(Color initial,
                                                    std::array<Color, 4>& customColors) {
  for (int i = 0; i < 4; ++i) QColorDialog::setCustomColor(i, ToQColor(customColors[i]));
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent_);
  for (int i = 0; i < 4; ++i) customColors[i] = FromQColor(QColorDialog::customColor(i));
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

void QtUserInteraction::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace quelm
