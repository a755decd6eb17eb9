// The reading commands of the main window over the committed title sets: numbers, file moves,
// the display state and bitmap saving, checked by reading the files back.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <regex>

#include "app/VobFileListWidget.h"
#include "MainWindowFixture.h"

namespace quelm::test {
namespace {

const std::string DemoVob = std::string(QUELM_TEST_DATA) + "/../../demo/VIDEO_TS/VTS_01_1.VOB";
const std::string MultifileDir = std::string(QUELM_TEST_DATA) + "/vob/multifile/VIDEO_TS/";

struct BmpHeader {
  int Width = 0, Height = 0, Bits = 0;
};
BmpHeader ReadBmpHeader(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.read(54);
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return {};
  auto le = [&](int at, int size) {
    int value = 0;
    for (int i = size - 1; i >= 0; --i) value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return {le(18, 4), le(22, 4), le(28, 2)};
}

class NavigationWindowTest : public MainWindowTest {
 protected:
  void Click(const char* name) { QTest::mouseClick(Find<QToolButton>(name), Qt::LeftButton); }
  std::string Label(const char* name) { return Find<QLabel>(name)->text().toStdString(); }
  int Selected() { return Find<VobFileListWidget>("VobFileListBox")->currentRow(); }
  std::string Status() { return Label("StatusText"); }
  // The status bar as the user sees it while "all" runs: what the progress timer shows after
  // each block read.
  std::vector<std::string> StatusDuringAll() {
    std::vector<std::string> seen;
    QTimer* progress = Find<QTimer>("ProgressTimer");
    const std::string before = Status();
    ui_.OnProcessEvents = [&] {
      if (progress->isActive()) QMetaObject::invokeMethod(progress, "timeout");
      // Before the run's first block there is nothing new to show.
      if (seen.empty() && Status() == before) return;
      if (seen.empty() || seen.back() != Status()) seen.push_back(Status());
    };
    Click("BtnGetAll");
    ui_.OnProcessEvents = nullptr;
    return seen;
  }
  // A copy of the demo VOB in the temporary directory, so bitmaps can be written beside it.
  std::string DemoCopy() {
    const QString target = dir_.filePath(QStringLiteral("VTS_01_1.VOB"));
    EXPECT_TRUE(QFile::copy(QString::fromStdString(DemoVob), target));
    return target.toStdString();
  }
  void UseFiles(const std::vector<std::string>& files, const std::string& extra = "") {
    // Recognition has tests of its own (ScriptWindowTest).
    std::string text = "[preferences]\nenableocr=0\n" + extra + "[vobfilelist]\n";
    for (std::size_t i = 0; i < files.size(); ++i) {
      text += std::to_string(i) + "=\"" + files[i] + "\"\n";
    }
    WriteSettings(text);
  }
};

TEST_F(NavigationWindowTest, NextAllAndFirstOverTheDemoTitle) {
  UseFiles({DemoVob});
  TMain& w = Start();
  EXPECT_EQ(Status(), "Press first to read the first subtitle, or all to read them all");
  Click("BtnGoNext");
  EXPECT_EQ(w.SubtitleNr(), 1);
  EXPECT_EQ(Status(), "Subtitle 1 read. Press next or all to go on; File > Save script as... "
                      "saves the script");
  EXPECT_EQ(Label("LblSubtitleNr"), "subtitlenr. 1");
  EXPECT_TRUE(Find<QLabel>("LblSubtitleNr")->isVisible());
  EXPECT_FALSE(Find<QLabel>("ImageLogo")->isVisible());
  EXPECT_TRUE(Find<QPushButton>("BtnSaveBitmap")->isEnabled());
  EXPECT_TRUE(Action("Savebitmapas1")->isEnabled());
  // demo/units_s0.txt: the first unit of 0x20 is 470 x 26; wider than the display, so stretched.
  EXPECT_EQ(w.SubtitleBitmap().Width(), 470);
  EXPECT_EQ(w.SubtitleBitmap().Height(), 26);
  EXPECT_TRUE(w.StretchedMode());
  // Fitted whole into the area with its proportions, as large as the window lets it be.
  const QLabel* area = Find<QLabel>("ImageSubTitle");
  const QSize shown = area->pixmap().deviceIndependentSize().toSize();
  EXPECT_LE(shown.width(), area->width());
  EXPECT_GE(shown.width(), area->width() - 8);
  EXPECT_LE(shown.height(), area->height());
  EXPECT_NEAR(shown.height(), 26 * shown.width() / 470, 1);
  w.resize(w.width() + 300, w.height() + 200);
  QCoreApplication::processEvents();
  EXPECT_GT(area->pixmap().deviceIndependentSize().toSize().width(), shown.width());
  EXPECT_EQ(Label("LblChapter"), ": 1");

  // The end of "all" is news, with the count of this run, not an error.
  const std::vector<std::string> during = StatusDuringAll();
  EXPECT_EQ(w.SubtitleNr(), 12);
  EXPECT_EQ(Status(), "The last file is read. File > Save script as... saves the script");
  // During the run: the subtitle reached and how far into the file, never the advice for a
  // step, which would change under the user's eyes.
  const std::regex progress(R"(Reading all: subtitle (\d+), (\d+) % of the file, 0:0\d elapsed)");
  int lastNumber = 1, lastPercent = 0;
  ASSERT_GE(during.size(), 11u);
  for (const std::string& text : during) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, progress)) << text;
    const int number = std::stoi(m[1]), percent = std::stoi(m[2]);
    EXPECT_TRUE(number > lastNumber || (number == lastNumber && percent >= lastPercent)) << text;
    EXPECT_LE(percent, 100) << text;
    lastNumber = number;
    lastPercent = percent;
  }
  EXPECT_EQ(lastNumber, 12);
  EXPECT_GE(lastPercent, 90);
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"All subtitles are read: 11 in this run."});
  EXPECT_EQ(ui_.Messages[0].Kind, MessageKind::Information);
  Click("BtnGoNext");  // still at the end: the number stays
  EXPECT_EQ(w.SubtitleNr(), 12);
  EXPECT_EQ(ui_.MessageTexts().back(), "Last file in list reached!");

  Click("BtnGotoFirst");
  EXPECT_EQ(w.SubtitleNr(), 1);
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 470);
  // Without the position cache "back" stays disabled.
  EXPECT_FALSE(Find<QToolButton>("BtnGoBack")->isEnabled());
}

TEST_F(NavigationWindowTest, AllWalksATitleCutIntoThreeFiles) {
  UseFiles({MultifileDir + "VTS_01_1.VOB", MultifileDir + "VTS_01_2.VOB",
            MultifileDir + "VTS_01_3.VOB"});
  TMain& w = Start();
  // multifile/units_s0.txt: two units start and end in file 1, the third begins there.
  Click("BtnGetAll");
  EXPECT_EQ(w.SubtitleNr(), 2);
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(Status(), "The file is read: 2 subtitle(s) in this run. Press all to read the next file.");
  EXPECT_EQ(Label("LblFilePosition"), ": 0 / 299008  (0.00%)");
  EXPECT_TRUE(ui_.Messages.empty());
  // The cut unit is completed from file 2 and shown once: 422 x 196.
  Click("BtnGoNext");
  EXPECT_EQ(w.SubtitleNr(), 3);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 422);
  EXPECT_EQ(w.SubtitleBitmap().Height(), 196);
  Click("BtnGetAll");
  EXPECT_EQ(w.SubtitleNr(), 7);
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(Label("LblFilePosition"), ": 0 / 182272  (0.00%)");
  Click("BtnGetAll");
  EXPECT_EQ(w.SubtitleNr(), 9);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 370);
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"All subtitles are read: 2 in this run."});
}

TEST_F(NavigationWindowTest, APgsSubtitleIsShownInItsOwnColoursAndReadInTheFour) {
  UseFiles({std::string(QUELM_TEST_DATA) + "/pgs/basic.sup"});
  TMain& w = Start();
  Click("BtnGoNext");
  EXPECT_EQ(w.SubtitleNr(), 1);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 244);
  const QImage shown =
      Find<QLabel>("ImageSubTitle")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.width(), 244);
  // tests/data/make_pgs.py: the fill is a warm white, none of the four display colours.
  int fill = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) fill += shown.pixel(x, y) == qRgb(255, 252, 238);
  EXPECT_GT(fill, 100);
  // Recognition gets the four: the fill in colour row 1.
  const auto& pixels = w.SubtitleBitmap().Pixels();
  EXPECT_EQ(std::count(pixels.begin(), pixels.end(), RgbToColor(255, 252, 238)), 0);
  EXPECT_GT(std::count(pixels.begin(), pixels.end(), Color{0xC8C8C8}), 100);
}

TEST_F(NavigationWindowTest, AutomaticSavingWritesOneAndFourBitFiles) {
  const std::string vob = DemoCopy();
  UseFiles({vob}, "autosave=1\nbits=1\n");
  Start();
  Click("BtnGoNext");
  EXPECT_FALSE(Find<QPushButton>("BtnSaveBitmap")->isEnabled());
  const std::string base = vob.substr(0, vob.size() - 3);
  BmpHeader first = ReadBmpHeader(base + "_00001.bmp");
  EXPECT_EQ(first.Bits, 1);
  EXPECT_EQ(first.Width, 470);
  EXPECT_EQ(std::abs(first.Height), 26);
  ClickOn("RadioBit4");
  Click("BtnGoNext");
  BmpHeader second = ReadBmpHeader(base + "_00002.bmp");
  EXPECT_EQ(second.Bits, 4);
  EXPECT_EQ(second.Width, 426);
  EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(NavigationWindowTest, ManualSavingAsksInTheOutputRoot) {
  const QString out = dir_.filePath(QStringLiteral("out"));
  QDir().mkpath(out);
  UseFiles({DemoVob}, "outputroot=" + out.toStdString() + "/\n");
  Start();
  EXPECT_FALSE(Find<QPushButton>("BtnSaveBitmap")->isEnabled());
  Click("BtnGoNext");
  const std::string chosen = out.toStdString() + "/mine.bmp";
  ui_.SaveFiles.push_back(chosen);
  QTest::mouseClick(Find<QPushButton>("BtnSaveBitmap"), Qt::LeftButton);
  ASSERT_EQ(ui_.SaveRequests.size(), 1u);
  EXPECT_EQ(ui_.SaveRequests[0].Directory, out.toStdString() + "/");
  EXPECT_EQ(ui_.SaveRequests[0].ProposedName, "VTS_01_1._00001.bmp");
  EXPECT_EQ(ui_.SaveRequests[0].Filter, "Bitmaps (*.bmp)");
  EXPECT_EQ(ReadBmpHeader(chosen).Bits, 4);
  // The File menu item does the same; a cancelled dialog writes nothing.
  Action("Savebitmapas1")->trigger();
  EXPECT_EQ(ui_.SaveRequests.size(), 2u);
  EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(NavigationWindowTest, AFailedAutomaticSaveEndsAll) {
  const std::string vob = DemoCopy();
  const std::string blocked = vob.substr(0, vob.size() - 3) + "_00002.bmp";
  QDir().mkpath(QString::fromStdString(blocked + "/inside"));  // a directory where the file goes
  UseFiles({vob}, "autosave=1\n");
  TMain& w = Start();
  Click("BtnGetAll");
  EXPECT_EQ(w.SubtitleNr(), 2);
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"Cannot create file " + blocked});
}

TEST_F(NavigationWindowTest, EmptyListDoesNothing) {
  TMain& w = Start();
  EXPECT_EQ(Status(), "Choose the folder of a title (File > Open title...), then press first");
  EXPECT_FALSE(Find<QToolButton>("BtnGotoFirst")->isEnabled());
  EXPECT_FALSE(Find<QToolButton>("BtnGetAll")->isEnabled());
  Click("BtnGoNext");
  Click("BtnGetAll");
  Click("BtnGotoFirst");
  EXPECT_EQ(w.SubtitleNr(), 0);
  EXPECT_TRUE(ui_.Messages.empty());
  EXPECT_TRUE(Find<QLabel>("ImageLogo")->isVisible());
}

TEST_F(NavigationWindowTest, OpenTitleTakesTheFolderAboveVideoTs) {
  UseFiles({}, "dictionaryroot=" + dir_.path().toStdString() + "/\n");
  TMain& w = Start();
  const std::string demo = QDir::cleanPath(QString::fromStdString(DemoVob + "/../..")).toStdString();
  ui_.Directories.push_back(demo);
  Action("Opentitle1")->trigger();
  EXPECT_EQ(Find<VobFileListWidget>("VobFileListBox")->Entries(),
            std::vector<std::string>{demo + "/VIDEO_TS/VTS_01_1.VOB"});
  EXPECT_EQ(Find<QLineEdit>("EditVobRoot")->text().toStdString(), demo + "/VIDEO_TS/");
  Click("BtnGoNext");
  EXPECT_EQ(w.SubtitleNr(), 1);
  EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(NavigationWindowTest, KeysReachTheirCommandsFromTheScriptView) {
  UseFiles({}, "dictionaryroot=" + dir_.path().toStdString() + "/\n");
  TMain& w = Start();
  // Where the focus mostly is; an editor takes many keys for itself.
  QWidget* script = Find<QWidget>("RichEdit1");
  auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // A window manager activates the window again when a dialog of it closes; offscreen
    // nothing does.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    script->setFocus();
    QTest::keyClick(script, key, modifiers);
  };
  const std::string demo = QDir::cleanPath(QString::fromStdString(DemoVob + "/..")).toStdString();
  ui_.Directories.push_back(demo);
  press(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Find<VobFileListWidget>("VobFileListBox")->Entries(),
            std::vector<std::string>{demo + "/VTS_01_1.VOB"});
  // A button's key clicks it after the button's short pressed look.
  auto stepTo = [&](Qt::Key key, int number) {
    press(key);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.SubtitleNr() == number; }, 5000))
        << QKeySequence(key).toString().toStdString() << " left " << w.SubtitleNr();
  };
  stepTo(Qt::Key_F6, 1);   // next
  stepTo(Qt::Key_F7, 12);  // all
  stepTo(Qt::Key_F5, 1);   // first
  press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(ui_.SaveRequests.size(), 1u);
  press(Qt::Key_F1);
  ASSERT_EQ(ui_.Messages.size(), 2u);
  EXPECT_EQ(ui_.Messages[1].Kind, MessageKind::Information);
  EXPECT_EQ(ui_.Messages[1].Text.rfind("Getting started\n", 0), 0u) << ui_.Messages[1].Text;
}

}  // namespace
}  // namespace quelm::test
