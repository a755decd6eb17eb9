// Offscreen pictures of every window, for looking at the layout in each language and scale.
// Usage:
//   quelm_screenshots OUTDIR
//     the whole set: this program and quelm_periphery_screenshots once for each of English,
//     German and French at 100 % and 200 %, each on a fresh settings file; the pictures are
//     named WINDOW-LANGUAGE-SCALE.png
//   quelm_screenshots OUTDIR LABEL [DICTIONARY_DIR]
//     one set named WINDOW-LABEL.png, in the language of LANG, at the scale of QT_SCALE_FACTOR:
//     the main window (fresh, with the demo title, file list unfolded, after "next", during and
//     after "all", its language menu), the learning dialogue (the first question, a later one),
//     the extraction window, the IFO reading window and the dictionary editor on what was
//     learned (or on a copy of DICTIONARY_DIR): top, scrolled to the end, the entries without
//     text.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

#include "app/QtTranslation.h"
#include "app/TMain.h"
#include "app/disc/TIFOInfo.h"
#include "app/extraction/TVobSubToBmp.h"
#include "app/ocr/TEditDictionary.h"
#include "app/ocr/TOCR.h"
#include "platform/DataPaths.h"
#include "platform/UserInteraction.h"
#include "settings/SettingsStore.h"

// Fontconfig keeps a cache for the life of the process that LeakSanitizer takes for a leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

bool Save(QWidget& widget, const QString& path) {
  QCoreApplication::processEvents();
  const bool ok = widget.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

// The user: opens the demo title, answers each question of the learning dialogue with its
// suggestion (or "x"; one shape is ignored, for the editor's entries without text), and
// photographs the windows that come and go during a run.
class GrabbingInteraction : public quelm::SilentInteraction {
 public:
  QString OutDir, Label, Title;
  quelm::TMain* Main = nullptr;
  bool Ok = true;

  // Yes only to ignoring a shape.
  quelm::Answer Ask(const std::string&, quelm::Buttons) override {
    return qobject_cast<quelm::TOCR*>(QApplication::activeModalWidget()) ? quelm::Answer::Yes
                                                                         : quelm::Answer::No;
  }
  std::optional<std::string> ChooseTitle(const std::string&, const std::string&) override {
    return Title.toStdString();
  }
  void ProcessEvents() override {
    QCoreApplication::processEvents();
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* extraction = qobject_cast<quelm::TVobSubToBmp*>(modal)) {
      if (!extractionGrabbed_ && extraction->isVisible()) {
        extractionGrabbed_ = true;
        Ok = Save(*extraction, Shot("extraction")) && Ok;
      }
      if (Main != nullptr && !allGrabbed_ && Main->SubtitleNr() >= 5) {
        allGrabbed_ = true;
        Ok = Save(*Main, Shot("main-all")) && Ok;
      }
    }
    if (auto* ocr = qobject_cast<quelm::TOCR*>(modal)) Answer(*ocr);
  }

  QString Shot(const char* window) const { return OutDir + "/" + window + "-" + Label + ".png"; }

 private:
  void Answer(quelm::TOCR& ocr) {
    if (!ocr.WaitingForInput() || !ocr.EditAscii->isEnabled()) return;
    // A few rounds of events first, so the question is drawn whole.
    if (++roundsWaiting_ < 3) return;
    roundsWaiting_ = 0;
    ++questions_;
    if (questions_ == 1) Ok = Save(ocr, Shot("learning")) && Ok;
    if (questions_ == 8) Ok = Save(ocr, Shot("learning-later")) && Ok;
    if (questions_ == 3)
      ocr.EditAscii->clear();
    else if (ocr.EditAscii->text().isEmpty())
      ocr.EditAscii->setText(QStringLiteral("x"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(ocr.EditAscii, &enter);
  }

  bool extractionGrabbed_ = false;
  bool allGrabbed_ = false;
  int roundsWaiting_ = 0;
  int questions_ = 0;
};

// Every language and scale, each in a process of its own: the scale and the first start's
// language are fixed when the application starts.
int WholeSet(const QString& outDir) {
  const QString bin = QCoreApplication::applicationDirPath();
  bool ok = true;
  for (const char* language : {"en_US", "de_DE", "fr_FR"}) {
    for (const int scale : {100, 200}) {
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert(QStringLiteral("LANG"), QString::fromLatin1(language) + ".UTF-8");
      env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(language) + ".UTF-8");
      env.remove(QStringLiteral("LANGUAGE"));
      env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
      env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale / 100.0));
      const QString label = QString::fromLatin1(language).left(2) + "-" + QString::number(scale);
      for (const char* program : {"quelm_screenshots", "quelm_periphery_screenshots"}) {
        QProcess run;
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::ForwardedChannels);
        run.start(bin + "/" + program, {outDir, label});
        const bool done = run.waitForFinished(300000) && run.exitStatus() == QProcess::NormalExit &&
                          run.exitCode() == 0;
        if (!done) std::fprintf(stderr, "FAILED %s %s\n", program, qPrintable(label));
        ok = ok && done;
      }
    }
  }
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quelm_screenshots OUTDIR [LABEL [DICTIONARY_DIR]]\n");
    return 2;
  }
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(outDir);
  if (argc == 2) {
    QCoreApplication driver(argc, argv);
    return WholeSet(outDir);
  }
  QApplication app(argc, argv);

  QTemporaryDir work;
  const QString demo = QDir::cleanPath(QStringLiteral(QUELM_SOURCE_DIR "/demo/VIDEO_TS")) + "/";
  const QString dictionary = work.filePath(QStringLiteral("dictionary")) + "/";
  QDir().mkpath(dictionary);
  // A first start, but what is learned goes to a directory of its own.
  QFile file(work.filePath(QStringLiteral("quelm.ini")));
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(("[preferences]\ndictionaryroot=" + dictionary + "\n").toUtf8());
  file.close();

  GrabbingInteraction ui;
  ui.OutDir = outDir;
  ui.Label = QString::fromLocal8Bit(argv[2]);
  ui.Title = demo;
  quelm::SettingsStore settings(file.fileName().toStdString(), ui);
  quelm::StartTranslation(
      settings, QLocale::system().name().toStdString(),
      quelm::FindDataDirectory(QCoreApplication::applicationDirPath().toStdString() + "/",
                               "languages"));
  quelm::TMain window(settings, ui);
  ui.Main = &window;
  window.show();
  bool ok = Save(window, ui.Shot("main-fresh"));

  if (auto* language = window.findChild<QMenu*>(QStringLiteral("GUI1"))) {
    language->popup(window.mapToGlobal(QPoint(40, 40)));
    ok = Save(*language, ui.Shot("language-menu")) && ok;
    language->close();
  }

  // The reading window comes and goes with the title; shown here on its own.
  {
    quelm::TIFOInfo reading(&window);
    reading.IfoFileName = (demo + "VTS_01_0.IFO").toStdString();
    reading.show();
    ok = Save(reading, ui.Shot("ifo-info")) && ok;
  }

  window.findChild<QAction*>(QStringLiteral("Opentitle1"))->trigger();
  ok = Save(window, ui.Shot("main-title")) && ok;
  window.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  ok = Save(window, ui.Shot("main-unfolded")) && ok;
  window.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  window.findChild<QToolButton*>(QStringLiteral("BtnGoNext"))->click();
  ok = Save(window, ui.Shot("main-next")) && ok;
  window.findChild<QToolButton*>(QStringLiteral("BtnGetAll"))->click();
  ok = Save(window, ui.Shot("main-end")) && ok && ui.Ok;

  // On a copy: closing the editor rewrites the index.
  QTemporaryDir copy;
  const QDir source(argc > 3 ? QString::fromLocal8Bit(argv[3]) : dictionary);
  for (const QString& name : source.entryList(QDir::Files))
    QFile::copy(source.filePath(name), copy.filePath(name));
  quelm::TEditDictionary editor(ui, copy.path().toStdString() + "/", &window);
  editor.show();
  ok = Save(editor, ui.Shot("dictionary")) && ok;
  editor.ScrollBox1->verticalScrollBar()->setValue(editor.ScrollBox1->verticalScrollBar()->maximum());
  ok = Save(editor, ui.Shot("dictionary-end")) && ok;
  editor.ComboFilter->setCurrentIndex(static_cast<int>(quelm::TEditDictionary::Show::EmptyText));
  ok = Save(editor, ui.Shot("dictionary-empty")) && ok;
  editor.close();
  window.close();
  return ok ? 0 : 1;
}
