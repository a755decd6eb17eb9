// quelm: the desktop program. Usage: quelm [--settings FILE] [VOB file | IFO file | directory ...]
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/QtTranslation.h"
#include "app/QtUserInteraction.h"
#include "app/StartPaths.h"
#include "app/TMain.h"
#include "platform/DataPaths.h"
#include "quelm/Version.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsStore.h"

namespace {

void DescribeCommandLine(QCommandLineParser& parser, QCommandLineOption& settingsOption) {
  parser.setApplicationDescription(QStringLiteral(
      "Turns the bitmap subtitles of a DVD into a text script.\n\n"
      "A directory or an IFO file becomes the VOB/IFO root (a directory alone holding a\n"
      "title opens it: its VOB files replace the list); VOB files are added to the\n"
      "VOB file list, the last one selected. Settings are kept in $QUELM_SETTINGS if set,\n"
      "else in $XDG_CONFIG_HOME/quelm/quelm.ini (~/.config/quelm/quelm.ini)."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(settingsOption);
  parser.addPositionalArgument(QStringLiteral("paths"),
                               QStringLiteral("VOB files, an IFO file or a title set directory."),
                               QStringLiteral("[FILE.vob | FILE.ifo | DIRECTORY ...]"));
}

// --help and --version answer without a display, so they are looked for before the window
// system is needed.
bool AsksOnlyForText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--") break;
    if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v" ||
        argument == "--version" || argument == "-?")
      return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<QCoreApplication> app;
  if (AsksOnlyForText(argc, argv))
    app = std::make_unique<QCoreApplication>(argc, argv);
  else
    app = std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Quelm"));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(quelm::VersionText));

  QCommandLineParser parser;
  QCommandLineOption settingsOption(QStringLiteral("settings"),
                                    QStringLiteral("Use FILE instead of the usual quelm.ini."),
                                    QStringLiteral("FILE"));
  DescribeCommandLine(parser, settingsOption);
  parser.process(*app);  // --help, --version and unknown options end here

  std::optional<std::string> settingsArgument;
  if (parser.isSet(settingsOption)) settingsArgument = parser.value(settingsOption).toStdString();
  const std::string path = quelm::ResolveSettingsPath(settingsArgument, quelm::ProcessEnvironment);
  // The first write would fail in a directory that does not exist yet.
  QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());

  std::vector<std::string> arguments;
  for (const QString& argument : parser.positionalArguments())
    arguments.push_back(argument.toStdString());
  const quelm::StartPaths start =
      quelm::StartPaths::Sort(arguments, QDir::currentPath().toStdString());
  for (const std::string& missing : start.Missing)
    std::fprintf(stderr, "quelm: no such file or directory: %s\n", missing.c_str());

  quelm::QtUserInteraction ui;
  quelm::SettingsStore settings(path, ui);
  // LANGUAGE ("fr:de") before LANG, as the desktop orders them.
  const QLocale system = QLocale::system();
  quelm::StartTranslation(
      settings, system.uiLanguages().value(0, system.name()).toStdString(),
      quelm::FindDataDirectory(QCoreApplication::applicationDirPath().toStdString() + "/",
                               "languages"));
  quelm::TMain window(settings, ui);
  ui.SetParent(&window);
  window.OpenStartPaths(start);
  window.show();
  return QApplication::exec();
}
