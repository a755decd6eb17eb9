// The main window's help for a new user: the status bar that says what to do next and how far
// "all" is, File > "Open title...", Help > "Getting started", and the window's place kept
// between runs.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>

#include "app/Named.h"
#include "app/StartPaths.h"
#include "app/TMain.h"
#include "app/VobFileListWidget.h"
#include "disc/DiscDirectory.h"
#include "extraction/ExtractionRun.h"
#include "navigation/SubtitleNavigator.h"
#include "platform/UserInteraction.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace P = Preferences;

namespace {
constexpr QSize DefaultWindowSize(1009, 564);
}  // namespace

void TMain::BuildGuidance(QMenu* fileMenu, QMenu* helpMenu) {
  StatusText = Named(new QLabel, "StatusText");
  statusBar()->addWidget(StatusText, 1);

  Opentitle1 = new QAction(tr("Open &title..."), fileMenu);
  Opentitle1->setObjectName(QStringLiteral("Opentitle1"));
  Opentitle1->setShortcut(QKeySequence::Open);
  const QList<QAction*> items = fileMenu->actions();
  fileMenu->insertAction(items.isEmpty() ? nullptr : items.first(), Opentitle1);
  fileMenu->insertSeparator(items.isEmpty() ? nullptr : items.first());
  connect(Opentitle1, &QAction::triggered, this, &TMain::Opentitle1Click);

  Gettingstarted1 = new QAction(tr("&Getting started"), helpMenu);
  Gettingstarted1->setObjectName(QStringLiteral("Gettingstarted1"));
  Gettingstarted1->setShortcut(QKeySequence::HelpContents);
  const QList<QAction*> help = helpMenu->actions();
  helpMenu->insertAction(help.isEmpty() ? nullptr : help.first(), Gettingstarted1);
  connect(Gettingstarted1, &QAction::triggered, this, &TMain::Gettingstarted1Click);
}

bool TMain::HasVobFile() const { return VobFileListBox->count() > 0; }

void TMain::ShowGuidance() {
  if (gettingAll_ || StatusText == nullptr) return;
  QString text;
  if (!HasVobFile())
    text = tr("Choose the folder of a title (File > Open title...), then press first");
  else if (lastFileReached_)
    text = tr("The last file is read. File > Save script as... saves the script");
  else if (SubtitleNr() == 0)
    text = tr("Press first to read the first subtitle, or all to read them all");
  else
    text = tr("Subtitle %1 read. Press next or all to go on; File > Save script as... saves "
              "the script")
               .arg(SubtitleNr());
  StatusText->setText(text);
}

void TMain::ShowAllProgress() {
  const std::int64_t size = navigator_->VobFileSize();
  // Between two extractions: where the last one stopped.
  const std::int64_t position =
      runningExtraction_ ? runningExtraction_->FilePosition() : navigator_->VobPosition();
  const int percent = size > 0 ? static_cast<int>(100 * position / size) : 0;
  const qint64 seconds = allTimer_.elapsed() / 1000;
  const QString text = tr("Reading all: subtitle %1, %2 % of the file, %3:%4 elapsed")
                           .arg(SubtitleNr())
                           .arg(percent)
                           .arg(seconds / 60)
                           .arg(seconds % 60, 2, 10, QLatin1Char('0'));
  // The progress timer fires every millisecond; a label set as often would only lay out.
  if (StatusText->text() != text) StatusText->setText(text);
}

void TMain::UpdateReadingButtons() {
  const bool files = HasVobFile();
  BtnGotoFirst->setEnabled(files);
  BtnGoNext->setEnabled(files);
  BtnGetAll->setEnabled(files);
  ShowGuidance();
}

void TMain::Opentitle1Click() {
  const auto chosen = ui_.ChooseTitle(tr("Open title").toStdString(), EditVobRoot->text().toStdString());
  if (chosen && !chosen->empty()) OpenTitle(*chosen);
}

void TMain::OpenTitle(const std::string& path) {
  const StartPaths start = StartPaths::Sort({path}, QDir::currentPath().toStdString());
  if (!start.Missing.empty()) {
    ui_.ShowMessage(MessageKind::Warning,
                    tr("No such file or directory: %1").arg(QString::fromStdString(path)).toStdString());
    return;
  }
  std::vector<std::string> files = start.VobFiles;
  std::string root = start.VobRoot;
  // A VOB file chosen alone: its folder tells the streams.
  if (root.empty() && !files.empty()) root = std::filesystem::path(files.front()).parent_path().string();
  root = TitleDirectory(root);
  if (files.empty()) files = TitleVobFiles(root);
  if (files.empty()) {
    ui_.ShowMessage(MessageKind::Warning,
                    tr("%1 holds no VOB file of a title.").arg(QString::fromStdString(path)).toStdString());
    return;
  }
  // Another title: its files replace the list, and its root is read for the streams.
  VobFileListBox->SetEntries(files);
  VobFileListBox->setCurrentRow(0);
  SaveFileList();
  FileListChanged();
  OpenVobRoot(root);
  // A title whose streams are known is read by language, not by a number chosen by hand.
  if (ComboLanguages->count() > 0 && CheckManualLanguage->isChecked())
    CheckManualLanguage->setChecked(false);
  // Without a dictionary root the first subtitle would end in a message; the user's data
  // folder keeps what is learned whatever title comes next.
  if (EditDictionaryRoot->text().isEmpty()) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/dictionary");
    if (QDir().mkpath(data)) ApplyRoot(RootKind::Dictionary, data.toStdString());
  }
}

void TMain::OpenStartPaths(const StartPaths& start) {
  if (start.VobFiles.empty() && !start.VobRoot.empty() &&
      !TitleVobFiles(TitleDirectory(start.VobRoot)).empty()) {
    OpenTitle(start.VobRoot);
    return;
  }
  OpenVobRoot(start.VobRoot);
  for (const std::string& file : start.VobFiles) OpenVobFile(file);
}

void TMain::Gettingstarted1Click() {
  ui_.ShowMessage(
      MessageKind::Information,
      tr("Getting started\n\n"
         "1. File > Open title...: choose the folder of a title (the disc's folder or its "
         "VIDEO_TS), a VOB file, a disc image or a VobSub file.\n"
         "2. Choose the subtitle language, then press first: the program shows the first "
         "subtitle and asks for each character it does not know yet. Type it and press Enter "
         "(Ctrl+Z takes a wrong answer back, also after the window has closed).\n"
         "3. Press all: the rest is read; known characters are not asked again.\n"
         "4. File > Save script as... saves the script (SubRip by default; the Output menu "
         "holds the other formats).")
          .toStdString());
}

void TMain::RestoreGeometry() {
  const QRect stored(settings_.ReadInteger(P::WindowLeft, 0), settings_.ReadInteger(P::WindowTop, 0),
                     settings_.ReadInteger(P::WindowWidth, 0),
                     settings_.ReadInteger(P::WindowHeight, 0));
  bool onScreen = false;
  for (const QScreen* screen : QGuiApplication::screens())
    onScreen = onScreen || screen->availableGeometry().intersects(stored);
  // A screen that is gone, or a first start: the designed size in the middle of the screen.
  if (stored.width() > 0 && stored.height() > 0 && onScreen) {
    setGeometry(stored);
  } else {
    resize(DefaultWindowSize);
    if (QScreen* screen = QGuiApplication::primaryScreen())
      move(screen->availableGeometry().center() - rect().center());
  }
  if (settings_.ReadBool(P::WindowMaximized, false)) setWindowState(windowState() | Qt::WindowMaximized);
}

void TMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Where the window system put it, which may differ from where it was asked to go.
  if (restoredGeometry_.isNull()) {
    restoredGeometry_ = isMaximized() ? normalGeometry() : geometry();
    restoredMaximized_ = isMaximized();
  }
}

void TMain::StoreGeometry() {
  const QRect normal = isMaximized() ? normalGeometry() : geometry();
  // Unmoved, nothing is written: a start and a close leave the file as it was.
  if (isMaximized() == restoredMaximized_ && (isMaximized() || normal == restoredGeometry_)) return;
  settings_.Store({{P::WindowLeft, std::to_string(normal.x())},
                   {P::WindowTop, std::to_string(normal.y())},
                   {P::WindowWidth, std::to_string(normal.width())},
                   {P::WindowHeight, std::to_string(normal.height())},
                   {P::WindowMaximized, isMaximized() ? "1" : "0"}});
}

}  // namespace quelm
