// quelm: the desktop program. Usage: quelm [--settings FILE]
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "app/QtUserInteraction.h"
#include "app/SettingsLocation.h"
#include "app/SettingsStore.h"
#include "app/TMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quelm"));

  std::optional<std::string> settingsArgument;
  const QStringList arguments = QApplication::arguments();
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--settings") && i + 1 < arguments.size()) {
      settingsArgument = arguments[++i].toStdString();
    } else if (arguments[i].startsWith(QLatin1String("--settings="))) {
      settingsArgument = arguments[i].mid(11).toStdString();
    } else if (arguments[i] == QLatin1String("--help") || arguments[i] == QLatin1String("-h")) {
      std::puts("Usage: quelm [--settings FILE]");
      return 0;
    } else {
      std::fprintf(stderr, "quelm: unknown argument %s\nUsage: quelm [--settings FILE]\n",
                   arguments[i].toLocal8Bit().constData());
      return 2;
    }
  }
  const std::string path = quelm::ResolveSettingsPath(settingsArgument, quelm::ProcessEnvironment);
  // The first write would fail in a directory that does not exist yet.
  QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());

  quelm::QtUserInteraction ui;
  quelm::SettingsStore settings(path, ui);
  quelm::TMain window(settings, ui);
  ui.SetParent(&window);
  window.show();
  return QApplication::exec();
}
