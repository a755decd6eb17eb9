// Offscreen pictures of the format editor, the tool list, the About window and the directory
// chooser, for looking at their layout; quelm_screenshots OUTDIR runs it for every language and
// scale. Usage: quelm_periphery_screenshots OUTDIR [LABEL]
// (the language follows LANG, as at a first start; the scale QT_SCALE_FACTOR)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/QtTranslation.h"
#include "app/TAbout.h"
#include "app/TMain.h"
#include "app/TOutputIniEditor.h"
#include "app/TToolList.h"
#include "app/disc/TChooseDir.h"
#include "platform/DataPaths.h"
#include "platform/UserInteraction.h"
#include "settings/SettingsStore.h"

// Fontconfig keeps a cache for the life of the process that LeakSanitizer takes for a leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

bool Save(QWidget& widget, const QString& path) {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  const bool ok = widget.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: quelm_periphery_screenshots OUTDIR [LABEL]\n");
    return 2;
  }
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  const QString label = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("100");
  auto shot = [&](const char* window) { return outDir + "/" + window + "-" + label + ".png"; };
  QDir().mkpath(outDir);
  QTemporaryDir settingsDir;
  QFile file(settingsDir.filePath(QStringLiteral("quelm.ini")));
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write("[tools]\n0_Player=\"/usr/bin/true\"\n1_Text editor=\"/usr/bin/env\"\n"
             "2_Image viewer=\"/opt/viewer/bin/view images\"\n");
  file.close();

  quelm::SilentInteraction ui;
  quelm::SettingsStore settings(file.fileName().toStdString(), ui);
  quelm::StartTranslation(
      settings, QLocale::system().name().toStdString(),
      quelm::FindDataDirectory(QCoreApplication::applicationDirPath().toStdString() + "/",
                               "languages"));
  quelm::TMain window(settings, ui);
  window.show();
  bool ok = true;

  quelm::TOutputIniEditor editor(ui, window.FormatDirectory(), &window);
  editor.IniFileName = window.FormatDirectory() + "/tags.ini";
  editor.show();
  ok = Save(editor, shot("format-editor")) && ok;
  editor.close();

  quelm::TToolList tools(settings.File(), ui, &window);
  tools.show();
  tools.ListBox1->setCurrentRow(1);
  ok = Save(tools, shot("tool-list")) && ok;
  tools.close();

  // The chooser on a root below "/" beside a hidden folder; the tree fills in the background.
  QTemporaryDir discs;
  const QString root = discs.filePath(QStringLiteral("Films/Film_One/VIDEO_TS"));
  QDir().mkpath(root);
  QDir().mkpath(discs.filePath(QStringLiteral("Films/.thumbnails")));
  QDir().mkpath(discs.filePath(QStringLiteral("Films/Film_Two")));
  quelm::TChooseDir chooser(&window);
  chooser.setWindowTitle(QStringLiteral("VOB Root"));
  chooser.InitialDir = root.toStdString() + "/";
  chooser.show();
  QElapsedTimer loading;
  loading.start();
  while (loading.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  ok = Save(chooser, shot("choose-dir")) && ok;
  chooser.close();

  auto* logo = window.findChild<QLabel*>(QStringLiteral("ImageLogo"));
  quelm::TAbout about(logo != nullptr ? logo->pixmap() : QPixmap(), &window);
  about.Version = QStringLiteral("v1.01 (beta)");
  about.show();
  for (int i = 0; i < 60; ++i) about.Timer1Timer();
  ok = Save(about, shot("about")) && ok;
  about.close();
  window.close();
  return ok ? 0 : 1;
}
