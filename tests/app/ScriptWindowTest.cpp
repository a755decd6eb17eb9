// Recognition and the script in the main window over the demo title set: the learning dialogue
// answered through the real recognition window, the script rendered through the shipped formats,
// the format menu, saving as RTF read back by a real reader, and renderings that stop.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "MainWindowFixture.h"
#include "app/ocr/TOCR.h"
#include "ocr/Segmentation.h"
#include "ocr/Suggestions.h"
#include "support/SrtFile.h"

// Fontconfig keeps a cache for the life of the process that LeakSanitizer takes for a leak.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n";
}

namespace quelm::test {
namespace {

const std::string DemoVob = std::string(QUELM_TEST_DATA) + "/../../demo/VIDEO_TS/VTS_01_1.VOB";
const std::string DemoRoot =
    QDir::cleanPath(QString::fromStdString(std::string(QUELM_TEST_DATA) + "/../../demo/VIDEO_TS"))
        .toStdString() +
    "/";
const std::string DemoSrt = std::string(QUELM_TEST_DATA) + "/vob/demo/en.srt";
const std::string Version = "Quelm  v1.01 (beta)  -  by Vennor";
// Word gaps of the demo's font are 14 to 19 pixels, letter gaps at most 11 (before "!").
constexpr int DemoSpaceWidth = 12;
constexpr Color DemoInk = 0xC8C8C8;  // the letters' fill, what colour detection picks
constexpr Color DemoBackground = 0x000000;


// The menu position of a shipped format: the editor item and the separator, then the files of
// outputini/ beside the program sorted by name.
int ShippedFormatPosition(const QString& fileName) {
  const QStringList files =
      QDir(QStringLiteral(QUELM_BIN_DIR "/outputini"))
          .entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
  return 2 + static_cast<int>(files.indexOf(fileName));
}

std::string Join(const std::vector<std::string>& lines, const std::string& with) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? with : "") + lines[i];
  return text;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// What the user types for each glyph of one subpicture, worked out from the subtitle's text the
// way a reader matches the pictures to the words: one glyph per character, a kerned pair ("Te")
// cut as one glyph gets both characters, and a line that cannot be matched (say two text lines
// whose outlines touch, cut as one) is skipped.
struct LinePlan {
  bool Skip = false;
  std::vector<std::string> Glyphs;
  std::vector<int> Spaces;  // in front of each glyph
  std::string Text() const {
    std::string t;
    for (std::size_t i = 0; i < Glyphs.size(); ++i) t += std::string(Spaces[i], ' ') + Glyphs[i];
    return t;
  }
};

std::vector<LinePlan> MakePlan(const Bitmap& picture, const std::string& text) {
  std::vector<LinePlan> plan;
  const std::vector<std::string> words = Words(text);
  std::size_t nextWord = 0;
  int startRow = DetermineYLineTravel(picture, DemoBackground);
  Bitmap line;
  while (GetNextTextLine(picture, DemoBackground, startRow, line)) {
    FlattenTextLine(line, DemoInk);
    // Glyph widths grouped into words by the gaps that become spaces.
    std::vector<std::vector<int>> groups;
    std::vector<int> spaces;
    int x = 0, gap = 0;
    Bitmap glyph;
    while (GetNextCharacter(line, x, glyph, gap)) {
      const int count = SpaceCount(gap, DemoSpaceWidth);
      if (groups.empty() || count > 0) groups.emplace_back();
      groups.back().push_back(glyph.Width());
      spaces.push_back(count);
    }
    LinePlan linePlan;
    for (const std::vector<int>& group : groups) {
      if (nextWord >= words.size()) {
        linePlan.Skip = true;
        break;
      }
      const std::string& word = words[nextWord++];
      if (group.size() == word.size()) {
        for (char c : word) linePlan.Glyphs.emplace_back(1, c);
      } else if (group.size() + 1 == word.size()) {
        const auto widest =
            static_cast<std::size_t>(std::max_element(group.begin(), group.end()) - group.begin());
        for (std::size_t i = 0, c = 0; i < group.size(); ++i) {
          const std::size_t take = i == widest ? 2 : 1;
          linePlan.Glyphs.push_back(word.substr(c, take));
          c += take;
        }
      } else {
        linePlan.Skip = true;
        break;
      }
    }
    if (linePlan.Skip) {
      linePlan.Glyphs.clear();
    } else {
      linePlan.Spaces = spaces;
    }
    plan.push_back(linePlan);
  }
  return plan;
}

// The text of an RTF file as unrtf reads it, without its banner lines; skips when it is absent.
std::vector<std::string> ReadRtfWithUnrtf(const std::string& path) {
  QProcess unrtf;
  unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), QString::fromStdString(path)});
  if (!unrtf.waitForFinished(30000) || unrtf.exitCode() != 0) {
    ADD_FAILURE() << "unrtf did not read " << path;
    return {};
  }
  QStringList lines = QString::fromUtf8(unrtf.readAllStandardOutput()).split('\n');
  while (!lines.isEmpty() && (lines.front().startsWith(QStringLiteral("###")) ||
                              lines.front().isEmpty() || lines.front().startsWith('-')))
    lines.pop_front();
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
  std::vector<std::string> text;
  for (const QString& l : lines) text.push_back(l.toStdString());
  return text;
}

class ScriptWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    cues_ = ReadSrt(DemoSrt);
    ASSERT_EQ(cues_.size(), 12u);
    dictRoot_ = dir_.filePath(QStringLiteral("dict")).toStdString() + "/";
    outRoot_ = dir_.filePath(QStringLiteral("out")).toStdString() + "/";
    QDir().mkpath(QString::fromStdString(dictRoot_));
    QDir().mkpath(QString::fromStdString(outRoot_));
    ui_.OnProcessEvents = [this] {
      QCoreApplication::processEvents();
      AnswerRecognition();
    };
  }

  void UseDemo(const std::string& extra = "") {
    WriteSettings("[preferences]\nvobroot=" + DemoRoot + "\ndictionaryroot=" + dictRoot_ +
                  "\noutputroot=" + outRoot_ + "\nspacewidth=" + std::to_string(DemoSpaceWidth) +
                  "\n" + extra + "[vobfilelist]\n0=\"" + DemoVob + "\"\n");
  }

  void Click(const char* name) { QTest::mouseClick(Find<QToolButton>(name), Qt::LeftButton); }
  std::vector<std::string> ScriptLines() {
    std::vector<std::string> lines;
    for (const QString& l : Find<QPlainTextEdit>("RichEdit1")->toPlainText().split('\n'))
      lines.push_back(l.toStdString());
    return lines;
  }
  QAction* FormatItem(const std::string& caption) {
    for (QAction* a : Find<QMenu>("Output1")->actions())
      if (a->data().toString().toStdString() == caption) return a;
    ADD_FAILURE() << "no format item " << caption;
    return nullptr;
  }
  // Format items as the menu shows them: caption and check mark.
  std::vector<std::pair<std::string, bool>> FormatItems() {
    std::vector<std::pair<std::string, bool>> items;
    const QList<QAction*> all = Find<QMenu>("Output1")->actions();
    for (qsizetype i = 2; i < all.size(); ++i)
      items.emplace_back(all[i]->data().toString().toStdString(), all[i]->isChecked());
    return items;
  }

  // The user in front of the recognition window.
  void AnswerRecognition() {
    TOCR* ocr = window_ ? window_->findChild<TOCR*>() : nullptr;
    if (ocr != nullptr) autoCloseIntervals_.insert(ocr->TimerAutoClose->interval());
    if (ocr == nullptr || !ocr->WaitingForInput() || !ocr->EditAscii->isEnabled()) return;
    const int number = window_->SubtitleNr();
    ++questions_[number];
    if (abortNext_) {
      QTest::mouseClick(ocr->BtnAbort, Qt::LeftButton);
      return;
    }
    if (keepColorsNext_) {
      keepColorsNext_ = false;
      QTest::mouseClick(ocr->CheckKeepColors, Qt::LeftButton, Qt::NoModifier,
                        QPoint(8, ocr->CheckKeepColors->height() / 2));
    }
    if (number != planFor_) {
      planFor_ = number;
      plan_ = MakePlan(window_->SubtitleBitmap(),
                       Join(cues_.at(static_cast<std::size_t>(number - 1)).Lines, " "));
      skipped_.assign(plan_.size(), false);
    }
    const QStringList shown = ocr->MemoTextLines->toPlainText().split('\n');
    auto shownLine = [&](std::size_t i) {
      return i < static_cast<std::size_t>(shown.size())
                 ? shown[static_cast<qsizetype>(i)].toStdString()
                 : std::string();
    };
    std::size_t l = 0;
    while (l < plan_.size() && (plan_[l].Skip ? skipped_[l] : shownLine(l) == plan_[l].Text())) ++l;
    if (l == plan_.size()) {
      ADD_FAILURE() << "asked beyond the planned lines in subtitle " << number;
      QTest::mouseClick(ocr->BtnAbort, Qt::LeftButton);
      return;
    }
    if (plan_[l].Skip) {
      skipped_[l] = true;
      QTest::mouseClick(ocr->BtnSkipTextline, Qt::LeftButton);
      return;
    }
    // The glyph asked about: the shown line is the text of the glyphs before it and its spaces.
    const std::string current = shownLine(l);
    std::string prefix;
    for (std::size_t k = 0; k < plan_[l].Glyphs.size(); ++k) {
      if (prefix + std::string(plan_[l].Spaces[k], ' ') == current) {
        ocr->EditAscii->setText(QString::fromStdString(plan_[l].Glyphs[k]));
        QTest::keyClick(ocr->EditAscii, Qt::Key_Return);
        return;
      }
      prefix += std::string(plan_[l].Spaces[k], ' ') + plan_[l].Glyphs[k];
    }
    ADD_FAILURE() << "subtitle " << number << " line " << l << ": shown '" << current
                  << "' is no glyph boundary of '" << plan_[l].Text() << "'";
    QTest::mouseClick(ocr->BtnAbort, Qt::LeftButton);
  }

  int Questions() const {
    int total = 0;
    for (const auto& [n, count] : questions_) total += count;
    return total;
  }

  // The demo's subtitles as the plain format shows them.
  std::vector<std::string> PlainDemoText() const {
    std::vector<std::string> lines{Version};
    for (const SrtCue& cue : cues_) lines.push_back(Join(cue.Lines, " "));
    return lines;
  }

  std::vector<SrtCue> cues_;
  std::string dictRoot_, outRoot_;
  std::map<int, int> questions_;
  int planFor_ = -1;
  std::vector<LinePlan> plan_;
  std::vector<bool> skipped_;
  bool abortNext_ = false;
  bool keepColorsNext_ = false;
  // How long the recognition windows seen were to stay after their runs.
  std::set<int> autoCloseIntervals_;
};

TEST_F(ScriptWindowTest, AllOverTheDemoLearnsAndRendersItsSubtitleText) {
  UseDemo("outputini=" + std::to_string(ShippedFormatPosition("plain.ini")) + "\n");
  TMain& w = Start();
  EXPECT_EQ(Find<QLineEdit>("EditIniXOutput")->text().toStdString(),
            "Plain text, one subtitle per line : plain.ini");
  EXPECT_EQ(ScriptLines(), std::vector<std::string>{Version});

  Click("BtnGetAll");
  EXPECT_EQ(w.SubtitleNr(), 12);
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"All subtitles are read: 12 in this run."});
  EXPECT_GT(Questions(), 30);
  EXPECT_EQ(ScriptLines(), PlainDemoText());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(dictRoot_ + "chardict.ocr")));
  // "all" does not pause after each subtitle.
  EXPECT_EQ(autoCloseIntervals_, std::set<int>{0});
  // A picture of the filled script, for looking at the layout.
  QDir().mkpath(QStringLiteral("/tmp/quelm-shots"));
  w.grab().save(QStringLiteral("/tmp/quelm-shots/main-script-all.png"));

  // Records: marker, time code, chapter, one reference line per text line, marker.
  const std::vector<std::string> raw = w.RawScriptRecords().Lines();
  ASSERT_GE(raw.size(), 9u);
  EXPECT_EQ(std::vector<std::string>(raw.begin(), raw.begin() + 5),
            (std::vector<std::string>{"<SUB_START>", "00:00:00", "0", Version, "<SUB_END>"}));
  EXPECT_EQ(raw[5], "<SUB_START>");
  EXPECT_EQ(raw[6].substr(0, 8), "00:00:01") << raw[6];
  EXPECT_EQ(raw[7], "1");
  EXPECT_EQ(raw[8].rfind("<" + dictRoot_ + "char_", 0), 0u) << raw[8];
  EXPECT_EQ(Find<QPlainTextEdit>("UWScript")->toPlainText().toStdString(), Join(raw, "\n"));

  // Another format renders the same records again: the time codes are the SRT's starts, and
  // the chapters the IFO's (12, 12 and 13 s) that they fall in.
  const int before = static_cast<int>(ui_.Messages.size());
  FormatItem("Time codes and chapters : timecodes.ini")->trigger();
  EXPECT_EQ(Pref("outputini"), std::to_string(ShippedFormatPosition("timecodes.ini")));
  std::vector<std::string> expected{"Script", "", "[00:00:00] chapter 00", Version, ""};
  for (std::size_t i = 0; i < cues_.size(); ++i) {
    char seconds[8];
    const int second = static_cast<int>(cues_[i].StartMs / 1000 % 60);
    std::snprintf(seconds, sizeof seconds, "%02d", second);
    const char* chapter = second < 12 ? "01" : second < 24 ? "02" : "03";
    expected.push_back("[00:00:" + std::string(seconds) + "] chapter " + chapter);
    // Text lines as the pictures hold them: the ninth cue's long line was wrapped in two.
    if (i == 8) {
      expected.push_back("A second stream");
      expected.push_back("holds German text.");
    } else {
      for (const std::string& l : cues_[i].Lines) expected.push_back(l);
    }
    expected.push_back("");
  }
  expected.push_back("-- end of script --");
  EXPECT_EQ(ScriptLines(), expected);
  EXPECT_EQ(static_cast<int>(ui_.Messages.size()), before);

  // Saving as a document writes what the view shows as RTF; a real reader gives the lines back.
  const std::string saved = outRoot_ + "script.rtf";
  ui_.SaveFiles.push_back(saved);
  ui_.SaveFilters.push_back("Rich text (RTF) (*.rtf)");
  QTest::mouseClick(Find<QPushButton>("BtnSaveTo"), Qt::LeftButton);
  ASSERT_EQ(ui_.SaveRequests.size(), 1u);
  EXPECT_EQ(ui_.SaveRequests[0].Directory, outRoot_);
  EXPECT_EQ(ui_.SaveRequests[0].ProposedName, "demo.txt");
  EXPECT_EQ(ui_.SaveRequests[0].SelectedFilter, "Plain text (UTF-8) (*.txt)");
  // unrtf's text mode folds runs of blanks into one, so the version line is compared so too;
  // the document itself keeps them.
  auto fold = [](std::vector<std::string> lines) {
    for (std::string& l : lines)
      while (l.find("  ") != std::string::npos) l.replace(l.find("  "), 2, " ");
    return lines;
  };
  EXPECT_EQ(ReadRtfWithUnrtf(saved), fold(expected));
  std::ifstream rtf(saved, std::ios::binary);
  const std::string document((std::istreambuf_iterator<char>(rtf)), {});
  EXPECT_EQ(document.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(document.find(Version), std::string::npos);

  // A subtitle format is saved as the text a player reads, under the title's name.
  FormatItem("SubRip (SRT) : srt.ini")->trigger();
  ui_.SaveFiles.push_back(outRoot_ + "demo.srt");
  Action("Savetextas1")->trigger();
  ASSERT_EQ(ui_.SaveRequests.size(), 2u);
  EXPECT_EQ(ui_.SaveRequests[1].ProposedName, "demo.srt");
  EXPECT_EQ(ui_.SaveRequests[1].Filter,
            "Plain text (UTF-8) (*.srt);;Rich text (RTF) (*.rtf)");
  std::ifstream srt(outRoot_ + "demo.srt", std::ios::binary);
  const std::string subRip((std::istreambuf_iterator<char>(srt)), {});
  EXPECT_EQ(subRip.rfind("1\n00:00:01,", 0), 0u) << subRip.substr(0, 40);
  EXPECT_EQ(subRip, Join(ScriptLines(), "\n") + "\n");
  FormatItem("Time codes and chapters : timecodes.ini")->trigger();

  // A second pass over the disc asks nothing and appends the same records.
  questions_.clear();
  Click("BtnGotoFirst");
  Click("BtnGetAll");
  EXPECT_EQ(w.SubtitleNr(), 12);
  EXPECT_EQ(Questions(), 0);
  const std::vector<std::string> twice = w.RawScriptRecords().Lines();
  ASSERT_EQ(twice.size(), 2 * raw.size() - 5);
  EXPECT_EQ(std::vector<std::string>(twice.begin() + static_cast<long>(raw.size()), twice.end()),
            std::vector<std::string>(raw.begin() + 5, raw.end()));

  // "clear" starts again from the version record.
  QTest::mouseClick(Find<QPushButton>("BtnClearText"), Qt::LeftButton);
  EXPECT_EQ(w.RawScriptRecords().Lines(),
            (std::vector<std::string>{"<SUB_START>", "00:00:00", "0", Version, "<SUB_END>"}));
  EXPECT_EQ(ScriptLines(), (std::vector<std::string>{"Script", "", "[00:00:00] chapter 00", Version,
                                                     "", "-- end of script --"}));
}

// Reads nothing; counts how often it is asked.
class SilentEngine : public SuggestionEngine {
 public:
  EngineReading ReadLine(const EngineImage&) override {
    ++Calls;
    return {};
  }
  const std::string& Language() const override { return language_; }
  int Calls = 0;

 private:
  std::string language_ = "fra";
};

TEST_F(ScriptWindowTest, SuggestionEngineIsMadeOnceForItsLanguageAndAFailureToldOnce) {
  UseDemo("learn=0\nocr_language=fra\n");
  TMain& w = Start();
  std::vector<std::string> made;
  SilentEngine* engine = nullptr;
  w.SetSuggestionEngineMaker([&](const std::string& language, Phrase& message) {
    made.push_back(language);
    std::unique_ptr<SuggestionEngine> result;
    if (language == "fra") {
      auto silent = std::make_unique<SilentEngine>();
      engine = silent.get();
      result = std::move(silent);
    } else {
      message = "No OCR data for '" + language + "'";
    }
    return result;
  });
  ui_.Messages.clear();
  Click("BtnGoNext");
  Click("BtnGoNext");
  EXPECT_EQ(made, std::vector<std::string>{"fra"});
  ASSERT_NE(engine, nullptr);
  EXPECT_GT(engine->Calls, 0) << "the window's runs read unknown characters' lines";
  EXPECT_TRUE(ui_.Messages.empty());

  // The demo's stream is English, which this engine cannot read: said once, then asked without.
  Action("SuggestLanguageStream")->trigger();
  Click("BtnGoNext");
  Click("BtnGoNext");
  EXPECT_EQ(made, (std::vector<std::string>{"fra", "eng"}));
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"No OCR data for 'eng': nothing is suggested"});
  EXPECT_EQ(ui_.Messages[0].Kind, MessageKind::Warning);
  EXPECT_EQ(w.SubtitleNr(), 4);
  EXPECT_GT(Questions(), 0);
}

TEST_F(ScriptWindowTest, FormatMenuRestoresTheStoredPositionAndStoresAClick) {
  const int tags = ShippedFormatPosition("tags.ini");
  UseDemo("outputini=" + std::to_string(tags) + "\n");
  Start();
  const auto items = FormatItems();
  const QStringList files = QDir(QStringLiteral(QUELM_BIN_DIR "/outputini"))
                                .entryList({QStringLiteral("*.ini")}, QDir::Files);
  ASSERT_EQ(items.size(), static_cast<std::size_t>(files.size()));
  for (std::size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(items[i].second, static_cast<int>(i) + 2 == tags) << items[i].first;
  EXPECT_EQ(Find<QLineEdit>("EditIniXOutput")->text().toStdString(), "Tag showcase : tags.ini");
  EXPECT_EQ(ScriptLines().front(),
            "Tag showcase - the header is copied as it stands: <HH> stays <HH>");

  FormatItem("Plain text, one subtitle per line : plain.ini")->trigger();
  EXPECT_EQ(Pref("outputini"), std::to_string(ShippedFormatPosition("plain.ini")));
  int checked = 0;
  for (const auto& [caption, on] : FormatItems()) checked += on ? 1 : 0;
  EXPECT_EQ(checked, 1);
  EXPECT_EQ(ScriptLines(), std::vector<std::string>{Version});

  // A position that names no item selects nothing, quietly: no format, an empty script.
  Stop();
  UseDemo("outputini=99\n");
  Start();
  for (const auto& [caption, on] : FormatItems()) EXPECT_FALSE(on) << caption;
  EXPECT_TRUE(Find<QLineEdit>("EditIniXOutput")->text().isEmpty());
  EXPECT_EQ(ScriptLines(), std::vector<std::string>{""});
  EXPECT_TRUE(ui_.Messages.empty());
  EXPECT_EQ(Pref("outputini"), "99");
}

TEST_F(ScriptWindowTest, FailedRenderingShowsItsMessageAndKeepsTheLinesBefore) {
  const QString formats = dir_.filePath(QStringLiteral("formats"));
  QDir().mkpath(formats);
  auto write = [&](const char* name, const std::string& text) {
    QFile file(formats + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
  };
  // SUB_NR is 0 until a subtitle is found.
  write("div.ini",
        "[ini_info]\nname=Division\n[header]\n0=head\n[body]\n0=<SUBPIC>\n"
        "1=<MATH_START><MATH_VALUE=100><MATH_DIV><SUB_NR><MATH_RESULT>\n[footer]\n0=foot\n");
  write("width.ini", "[ini_info]\nname=Width\n[body]\n0=a<MATH_WIDTH=abc>b\n");
  UseDemo("learn=1\n");  // after reading: nothing is asked
  TMain& w = Start();
  w.SetFormatDirectory(formats.toStdString());
  w.CreateOutputIniMenu();
  ui_.Messages.clear();

  FormatItem("Division : div.ini")->trigger();
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"Division by zero"});
  EXPECT_EQ(ScriptLines(), (std::vector<std::string>{"head", Version}));

  // The records were not touched: once SUB_NR is 1 the same format renders to the end.
  Click("BtnGoNext");
  EXPECT_EQ(ui_.Messages.size(), 1u);
  const std::vector<std::string> lines = ScriptLines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "head");
  EXPECT_EQ(lines[1], Version);
  EXPECT_EQ(lines[2], "100");
  // Learned after reading, the characters stand as their own references until named.
  EXPECT_EQ(lines[3].rfind("<" + dictRoot_ + "char_0.bmp>", 0), 0u) << lines[3];
  EXPECT_EQ(lines[4], "100");
  EXPECT_EQ(lines[5], "foot");

  FormatItem("Width : width.ini")->trigger();
  EXPECT_EQ(ui_.MessageTexts().back(), "'abc' is not a valid integer value");
  EXPECT_EQ(ScriptLines(), std::vector<std::string>{""});
  EXPECT_EQ(w.RawScriptRecords().Lines().size(), 5u + 5u);

  // "all" renders after each of the other eleven subtitles and fails each time; it says so once.
  ui_.Messages.clear();
  Click("BtnGetAll");
  EXPECT_EQ(w.SubtitleNr(), 12);
  EXPECT_EQ(ui_.MessageTexts(), (std::vector<std::string>{"'abc' is not a valid integer value",
                                                          "All subtitles are read: 11 in this run."}));
  const std::vector<std::string> records = w.RawScriptRecords().Lines();
  EXPECT_EQ(std::count(records.begin(), records.end(), "<SUB_START>"), 13);
  // A single step says it again.
  ui_.Messages.clear();
  Click("BtnGotoFirst");
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"'abc' is not a valid integer value"});
}

TEST_F(ScriptWindowTest, AnotherStreamAsksWhetherToStartANewScript) {
  UseDemo("learn=1\n");  // after reading: nothing is asked but this
  TMain& w = Start();
  Click("BtnGoNext");
  ASSERT_EQ(w.RawScriptRecords().Lines().size(), 10u);
  Find<QComboBox>("ComboLanguages")->setCurrentIndex(1);
  ui_.Answers = {Answer::Yes};
  Click("BtnGotoFirst");
  ASSERT_EQ(ui_.Questions.size(), 1u);
  EXPECT_NE(ui_.Questions[0].find("another stream"), std::string::npos);
  // The English record is gone; the German one follows the version record.
  EXPECT_EQ(w.RawScriptRecords().Lines().size(), 10u);
  Click("BtnGoNext");  // the same stream: nothing asked
  EXPECT_EQ(ui_.Questions.size(), 1u);
  // No keeps the records and appends.
  const std::size_t german = w.RawScriptRecords().Lines().size();
  Find<QComboBox>("ComboLanguages")->setCurrentIndex(0);
  ui_.Answers = {Answer::No};
  Click("BtnGotoFirst");
  EXPECT_EQ(ui_.Questions.size(), 2u);
  EXPECT_EQ(w.RawScriptRecords().Lines().size(), german + 5);
}

TEST_F(ScriptWindowTest, RecognitionOffOrWithoutDictionaryRootAddsNoRecord) {
  UseDemo("enableocr=0\n");
  TMain& w = Start();
  Click("BtnGoNext");
  EXPECT_EQ(w.SubtitleNr(), 1);
  EXPECT_EQ(w.RawScriptRecords().Lines().size(), 5u);
  EXPECT_EQ(Questions(), 0);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dictRoot_ + "chardict.ocr")));
  EXPECT_TRUE(ui_.Messages.empty());

  // Without a dictionary root the characters would be written wherever the program started.
  Stop();
  WriteSettings("[preferences]\n[vobfilelist]\n0=\"" + DemoVob + "\"\n");
  TMain& again = Start();
  Click("BtnGetAll");
  EXPECT_EQ(again.SubtitleNr(), 1);  // the message ends "all" at the first subtitle
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"No dictionary root is set: choose one under Settings, "
                                     "Directories, Dictionary root."});
  EXPECT_EQ(again.RawScriptRecords().Lines().size(), 5u);
}

TEST_F(ScriptWindowTest, AnUnreadableDictionaryEndsAllWithOneMessage) {
  QDir().mkpath(QString::fromStdString(dictRoot_ + "chardict.ocr"));  // a directory, not a file
  UseDemo();
  TMain& w = Start();
  ui_.Messages.clear();
  Click("BtnGetAll");
  EXPECT_EQ(w.SubtitleNr(), 1);
  ASSERT_EQ(ui_.Messages.size(), 1u);
  EXPECT_NE(ui_.Messages[0].Text.find(dictRoot_ + "chardict.ocr"), std::string::npos);
  EXPECT_EQ(w.RawScriptRecords().Lines().size(), 5u);
  EXPECT_EQ(Questions(), 0);
}

TEST_F(ScriptWindowTest, AbortAddsNothingAndKeptColoursBecomeTheSettings) {
  UseDemo();
  TMain& w = Start();
  abortNext_ = true;
  Click("BtnGoNext");
  EXPECT_EQ(questions_[1], 1);
  EXPECT_EQ(w.RawScriptRecords().Lines().size(), 5u);
  // A single step leaves the recognised text in view for a moment.
  EXPECT_EQ(autoCloseIntervals_, std::set<int>{DefaultAutoCloseMs});
  EXPECT_EQ(Pref("autocolordetection"), "<missing>");

  // "Keep these colors" on the first question: detection picked the letters' fill, colour row 1.
  abortNext_ = false;
  keepColorsNext_ = true;
  Click("BtnGotoFirst");
  EXPECT_EQ(w.RawScriptRecords().Lines().size(), 10u);
  EXPECT_FALSE(Find<QCheckBox>("CheckAutoColorDetect")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioCharCol1_1")->isChecked());
  EXPECT_EQ(Pref("autocolordetection"), "0");
  EXPECT_EQ(Pref("charcolor"), "1");
  EXPECT_TRUE(Find<QRadioButton>("RadioCharCol1_1")->isEnabled());
}

TEST_F(ScriptWindowTest, CtrlZAfterTheDialogueClosedAsksTheLastAnswerAgain) {
  UseDemo("outputini=" + std::to_string(ShippedFormatPosition("plain.ini")) + "\n");
  TMain& w = Start();
  auto* undo = w.findChild<QAction*>("Undolastanswer1");
  ASSERT_NE(undo, nullptr);
  EXPECT_FALSE(undo->isEnabled());
  Click("BtnGotoFirst");
  const int asked = questions_[1];
  const std::vector<std::string> records = w.RawScriptRecords().Lines();
  ASSERT_EQ(records.size(), 10u);
  EXPECT_TRUE(undo->isEnabled());

  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
  // Only the last shape is asked about again, and the subtitle's record is replaced, not added.
  EXPECT_EQ(questions_[1], asked + 1);
  EXPECT_EQ(w.RawScriptRecords().Lines(), records);
  EXPECT_EQ(ScriptLines(), (std::vector<std::string>{Version, Join(cues_[0].Lines, " ")}));
  EXPECT_EQ(Find<QPlainTextEdit>("UWScript")->toPlainText().toStdString(), Join(records, "\n"));
}

}  // namespace
}  // namespace quelm::test
