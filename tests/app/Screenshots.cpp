// Offscreen pictures of the main window (fresh, file list unfolded, after "next") and of the
// extraction window during a run, for looking at the layout at 100 % and 200 % scaling; given a
// dictionary directory, also of the dictionary editor on it (top, scrolled to the end, and
// showing the entries without text).
// Usage: quelm_screenshots OUTDIR LABEL [DICTIONARY_DIR]
// (run with QT_SCALE_FACTOR=2 for the 200 % set; the language follows LANG, as at a first start)
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

#include "app/QtTranslation.h"
#include "app/TMain.h"
#include "app/ocr/TEditDictionary.h"
#include "platform/DataPaths.h"
#include "platform/UserInteraction.h"
#include "settings/SettingsStore.h"

// Fontconfig keeps a cache for the life of the process that LeakSanitizer takes for a leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

// Lets events run and photographs the first modal window it sees (the extraction window).
class GrabbingInteraction : public quelm::SilentInteraction {
 public:
  QString Target;
  void ProcessEvents() override {
    QCoreApplication::processEvents();
    QWidget* modal = QApplication::activeModalWidget();
    if (!grabbed_ && modal != nullptr && modal->isVisible()) {
      grabbed_ = modal->grab().save(Target);
    }
  }

 private:
  bool grabbed_ = false;
};

bool Save(QWidget& widget, const QString& path) {
  QCoreApplication::processEvents();
  const bool ok = widget.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: quelm_screenshots OUTDIR LABEL\n");
    return 2;
  }
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  const QString label = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(outDir);
  QTemporaryDir settingsDir;
  const QString demo = QDir::cleanPath(QStringLiteral(QUELM_SOURCE_DIR "/demo/VIDEO_TS")) + "/";
  QFile file(settingsDir.filePath(QStringLiteral("quelm.ini")));
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(("[preferences]\nvobroot=" + demo + "\noutputroot=" + demo +
              "\nautocolordetection=0\n[vobfilelist]\n0=\"" + demo + "VTS_01_1.VOB\"\n")
                 .toUtf8());
  file.close();

  GrabbingInteraction ui;
  ui.Target = outDir + "/extraction-" + label + ".png";
  quelm::SettingsStore settings(file.fileName().toStdString(), ui);
  quelm::StartTranslation(
      settings, QLocale::system().name().toStdString(),
      quelm::FindDataDirectory(QCoreApplication::applicationDirPath().toStdString() + "/",
                               "languages"));
  quelm::TMain window(settings, ui);
  window.show();
  bool ok = Save(window, outDir + "/main-" + label + ".png");
  window.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  ok = Save(window, outDir + "/main-unfolded-" + label + ".png") && ok;
  window.findChild<QToolButton*>(QStringLiteral("BtnGoNext"))->click();
  window.findChild<QToolButton*>(QStringLiteral("BtnGoNext"))->click();
  ok = Save(window, outDir + "/main-next-" + label + ".png") && ok;
  if (argc > 3) {
    // On a copy: closing the editor rewrites the index.
    QTemporaryDir copy;
    const QDir source(QString::fromLocal8Bit(argv[3]));
    for (const QString& name : source.entryList(QDir::Files))
      QFile::copy(source.filePath(name), copy.filePath(name));
    quelm::TEditDictionary editor(ui, copy.path().toStdString() + "/", &window);
    editor.show();
    ok = Save(editor, outDir + "/dictionary-" + label + ".png") && ok;
    editor.ScrollBox1->verticalScrollBar()->setValue(editor.ScrollBox1->verticalScrollBar()->maximum());
    ok = Save(editor, outDir + "/dictionary-end-" + label + ".png") && ok;
    editor.ComboFilter->setCurrentIndex(static_cast<int>(quelm::TEditDictionary::Show::EmptyText));
    ok = Save(editor, outDir + "/dictionary-empty-" + label + ".png") && ok;
    editor.close();
  }
  window.close();
  return ok ? 0 : 1;
}
