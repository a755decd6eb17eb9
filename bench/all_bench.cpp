// Times "all" in the main window (offscreen) over a title set with a complete dictionary: the
// whole run, the share spent rendering the script, and the ratio to the same "all" without
// recognition (and to `quelm-cli extract`).
//
//   all_bench DICTIONARY_ROOT QUELM_CLI FILE.VOB...   (bench/all_bench.sh prepares the set)
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "app/TMain.h"
#include "platform/UserInteraction.h"
#include "settings/SettingsStore.h"

namespace {

// The user of an unattended run: answers No, cancels every dialog, keeps the messages.
class BenchInteraction : public quelm::SilentInteraction {
 public:
  std::vector<std::string> Messages;
  int Questions = 0;

  void ShowMessage(quelm::MessageKind, const std::string& text) override {
    Messages.push_back(text);
  }
  quelm::Answer Ask(const std::string&, quelm::Buttons) override {
    ++Questions;
    return quelm::Answer::No;
  }
  void ProcessEvents() override { QCoreApplication::processEvents(); }
};

// The offscreen platform warns at every window shown; one per subtitle drowns the figures.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (text.contains(QStringLiteral("propagateSizeHints"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(text));
  if (type == QtFatalMsg) std::abort();
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

std::string Quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: all_bench DICTIONARY_ROOT QUELM_CLI FILE.VOB...\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  QApplication app(argc, argv);
  std::string dictRoot = argv[1];
  if (dictRoot.back() != '/') dictRoot += '/';
  const std::string cli = argv[2];
  std::vector<std::string> files(argv + 3, argv + argc);

  QTemporaryDir dir;
  if (!dir.isValid()) return 1;
  const std::string settingsPath = dir.filePath(QStringLiteral("quelm.ini")).toStdString();
  const std::string outRoot = dir.path().toStdString() + "/";
  // The format of convert_bench.sh: the menu lists the editor item, a separator, then the
  // files beside the program by name.
  const QStringList formats =
      QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/outputini"))
          .entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
  const int formatIndex = static_cast<int>(formats.indexOf(QStringLiteral("timecodes.ini")));
  if (formatIndex < 0) {
    std::fprintf(stderr, "all_bench: no outputini/timecodes.ini beside the program\n");
    return 1;
  }
  {
    std::ofstream ini(settingsPath, std::ios::binary);
    ini << "[preferences]\nvobroot="
        << QFileInfo(QString::fromStdString(files[0])).absolutePath().toStdString()
        << "/\ndictionaryroot=" << dictRoot << "\noutputroot=" << outRoot
        << "\nenableocr=1\nautocloseocr=1\nautocolordetection=0\ncharcolor=1\noutputini="
        << 2 + formatIndex << "\n[vobfilelist]\n";
    for (std::size_t i = 0; i < files.size(); ++i) ini << i << "=\"" << files[i] << "\"\n";
  }

  struct RunFigures {
    double Wall = 0, Cpu = 0, Rendering = 0;
    int Clicks = 0, Subtitles = 0, SubtitleNr = 0, Errors = 0, Questions = 0;
    bool LastReached = false;
    std::vector<std::string> Messages;
  };
  // One "first" and as many "all" as it takes to reach the last file's end, in a fresh window.
  auto runAll = [&](bool recognition) {
    RunFigures f;
    BenchInteraction ui;
    quelm::SettingsStore store(settingsPath, ui);
    quelm::TMain window(store, ui);
    window.show();
    auto* first = window.findChild<QToolButton*>(QStringLiteral("BtnGotoFirst"));
    auto* all = window.findChild<QToolButton*>(QStringLiteral("BtnGetAll"));
    auto* view = window.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"));
    auto* ocr = window.findChild<QCheckBox*>(QStringLiteral("CheckOCREnable"));
    if (!first || !all || !view || !ocr) std::exit(1);
    ocr->setChecked(recognition);
    ui.Messages.clear();
    const auto renderedBefore = window.RenderingTime();

    const std::clock_t cpuStarted = std::clock();
    const auto started = std::chrono::steady_clock::now();
    QTest::mouseClick(first, Qt::LeftButton);
    // "all" stops at the end of each file; the last one says so.
    while (!f.LastReached && f.Clicks < 4 * static_cast<int>(files.size())) {
      QTest::mouseClick(all, Qt::LeftButton);
      ++f.Clicks;
      f.LastReached = window.LastFileReached();
    }
    f.Wall = Seconds(std::chrono::steady_clock::now() - started);
    f.Cpu = static_cast<double>(std::clock() - cpuStarted) / CLOCKS_PER_SEC;
    f.Rendering = Seconds(window.RenderingTime() - renderedBefore);
    for (const QString& line : view->toPlainText().split(QLatin1Char('\n'))) {
      f.Subtitles += line.startsWith(QLatin1Char('['));
      f.Errors += line.contains(QStringLiteral("ERROR"));
    }
    f.SubtitleNr = window.SubtitleNr();
    f.Questions = ui.Questions;
    f.Messages = ui.Messages;
    // The setting is stored at once; the next run starts from the same file.
    ocr->setChecked(true);
    return f;
  };

  const RunFigures scan = runAll(false);
  const RunFigures full = runAll(true);

  std::string command = Quoted(cli) + " extract";
  for (const std::string& f : files) command += " " + Quoted(f);
  const std::string extractOut = outRoot + "extract.out";
  command += " >" + Quoted(extractOut) + " 2>/dev/null";
  const auto scanStarted = std::chrono::steady_clock::now();
  const int scanStatus = std::system(command.c_str());
  const auto scanTime = std::chrono::steady_clock::now() - scanStarted;
  int scanned = 0;
  {
    std::ifstream in(extractOut);
    for (std::string line; std::getline(in, line);) scanned += !line.empty() && line[0] != '#';
  }

  std::printf("files: %zu; \"all\" clicks: %d; last file reached: %s\n", files.size(),
              full.Clicks, full.LastReached ? "yes" : "no");
  std::printf("subtitles: script %d (subtitle nr %d; %d without recognition), extract %d;"
              " <ERROR> lines %d; questions %d\n",
              full.Subtitles, full.SubtitleNr, scan.SubtitleNr, scanned, full.Errors,
              full.Questions);
  for (const std::string& m : full.Messages) std::printf("  message: %s\n", m.c_str());
  std::printf("\"all\" without recognition (the same scan):   %8.3f s wall, %.3f s cpu\n",
              scan.Wall, scan.Cpu);
  std::printf("\"all\" with recognition and rendering:        %8.3f s wall, %.3f s cpu\n",
              full.Wall, full.Cpu);
  std::printf("  of which rendering (Updatetextoutput1Click):  %8.3f s  (%.1f%%)\n",
              full.Rendering, 100.0 * full.Rendering / full.Wall);
  const double scanSeconds = Seconds(scanTime);
  std::printf("quelm-cli extract over the same files:          %8.3f s wall%s\n", scanSeconds,
              scanStatus == 0 ? "" : "  (failed)");
  std::printf("all / all without recognition: %.2f    target <= 2\n", full.Wall / scan.Wall);
  std::printf("all / quelm-cli extract:       %.2f\n", full.Wall / scanSeconds);
  return full.LastReached && scan.LastReached && scanStatus == 0 ? 0 : 1;
}
