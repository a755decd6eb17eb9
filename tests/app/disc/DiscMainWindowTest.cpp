// The disc information, stream choice, root changes and position cache of the real main window,
// offscreen: the information list of a dvdauthor title set, the stored stream choice, both
// "same as vob root" boxes, and "back" through subtitles.ini.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/MainWindowFixture.h"
#include "app/VobFileListWidget.h"
#include "extraction/MatroskaSource.h"
#include "platform/SourceFile.h"
#include "support/PeripheryTestFiles.h"

namespace quelm::test {
namespace {

const std::string Rule = "-------------------";
const std::string BasicRoot = std::string(QUELM_TEST_DATA) + "/vob/basic/VIDEO_TS/";
const std::string DemoVob = std::string(QUELM_TEST_DATA) + "/../../demo/VIDEO_TS/VTS_01_1.VOB";

std::vector<std::string> Items(const QListWidget* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
  return items;
}
std::vector<std::string> Items(const QComboBox* combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
  return items;
}

class DiscWindowTest : public MainWindowTest {
 protected:
  std::string Text(const char* edit) { return Find<QLineEdit>(edit)->text().toStdString(); }
  std::string Root() const { return dir_.path().toStdString() + "/"; }
};

TEST_F(DiscWindowTest, TitleSetShowsItsStreamsChaptersAndFiles) {
  WriteSettings("[preferences]\nvobroot=" + BasicRoot +
                "\noutputroot=/home/u/Out/\n"
                "dictionaryroot=/home/u/Dict/\nlanguage_selection_1=1\n");
  Start();
  EXPECT_EQ(Items(Find<QListWidget>("ListBoxVobInfo")),
            (std::vector<std::string>{"Directories",
                                      Rule,
                                      "VOB        : " + BasicRoot,
                                      "Output     : /home/u/Out/",
                                      "Dictionary : /home/u/Dict/",
                                      " ",
                                      "Languages",
                                      Rule,
                                      "Streams : 2",
                                      " ",
                                      "Chapter lengths",
                                      Rule,
                                      " 1) 00:00:10",
                                      " 2) 00:00:09",
                                      " 3) 00:00:05",
                                      " ",
                                      "Files found",
                                      Rule,
                                      "VIDEO_TS.BUP  6 Kb",
                                      "VIDEO_TS.IFO  6 Kb",
                                      "VTS_01_0.BUP  12 Kb",
                                      "VTS_01_0.IFO  12 Kb",
                                      "VTS_01_1.VOB  488 Kb"}));
  auto* languages = Find<QComboBox>("ComboLanguages");
  EXPECT_EQ(Items(languages), (std::vector<std::string>{"[ 0x20 ]  English", "[ 0x21 ]  Deutsch"}));
  EXPECT_EQ(languages->currentIndex(), 1);
  EXPECT_EQ(Items(Find<QListWidget>("TimecodeListbox")),
            (std::vector<std::string>{"00:00:00", "00:00:10", "00:00:09", "00:00:05"}));
  EXPECT_FALSE(Find<QCheckBox>("CheckManualLanguage")->isChecked());
  EXPECT_EQ(window_->LanguageIndex(), 1);
}

TEST_F(DiscWindowTest, StreamChoiceIsStoredAndRestored) {
  WriteSettings("[preferences]\nvobroot=" + BasicRoot + "\nlanguage_selection_1=5\n");
  Start();
  auto* languages = Find<QComboBox>("ComboLanguages");
  EXPECT_EQ(languages->currentIndex(), 0);  // 5 is beyond the two streams
  languages->setCurrentIndex(1);
  emit languages->activated(1);
  EXPECT_EQ(Pref("language_selection_1"), "1");
  Start();
  EXPECT_EQ(Find<QComboBox>("ComboLanguages")->currentIndex(), 1);
  EXPECT_EQ(window_->LanguageIndex(), 1);
}

TEST_F(DiscWindowTest, SuggestionsAreReadInTheStreamsLanguageUnlessOneIsChosen) {
  WriteSettings("[preferences]\nvobroot=" + BasicRoot + "\nlanguage_selection_1=1\n");
  Start();
  EXPECT_EQ(window_->SuggestionLanguage(), "deu");
  EXPECT_TRUE(Action("SuggestLanguageStream")->isChecked());
  auto* languages = Find<QComboBox>("ComboLanguages");
  languages->setCurrentIndex(0);
  emit languages->activated(0);
  EXPECT_EQ(window_->SuggestionLanguage(), "eng");

  Action("SuggestLanguagefra")->trigger();
  EXPECT_EQ(window_->SuggestionLanguage(), "fra");
  EXPECT_EQ(Pref("ocr_language"), "fra");
  Start();
  EXPECT_TRUE(Action("SuggestLanguagefra")->isChecked());
  EXPECT_FALSE(Action("SuggestLanguageStream")->isChecked());
  EXPECT_EQ(window_->SuggestionLanguage(), "fra");
  Action("SuggestLanguageStream")->trigger();
  EXPECT_EQ(Pref("ocr_language"), "");
  languages = Find<QComboBox>("ComboLanguages");
  languages->setCurrentIndex(1);
  emit languages->activated(1);
  EXPECT_EQ(window_->SuggestionLanguage(), "deu");
  // A manually chosen stream has no known language.
  ClickOn("CheckManualLanguage");
  EXPECT_EQ(window_->SuggestionLanguage(), "eng");
}

TEST_F(DiscWindowTest, NoIfoSwitchesToManualSelection) {
  WriteSettings("[preferences]\nvobroot=" + Root() + "\nlanguage_selection_2=3\n");
  Start();
  const auto lines = Items(Find<QListWidget>("ListBoxVobInfo"));
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[8], "none; switched to manual selection");
  EXPECT_EQ(lines[12], "none");  // quelm.ini is all the directory holds
  EXPECT_TRUE(Find<QCheckBox>("CheckManualLanguage")->isChecked());
  EXPECT_TRUE(Action("selectmanuallanuage1")->isChecked());
  EXPECT_EQ(Pref("manual_language_selection"), "1");
  EXPECT_EQ(Find<QComboBox>("ComboLanguages")->count(), 0);
  EXPECT_EQ(window_->LanguageIndex(), 3);
  EXPECT_EQ(Items(Find<QListWidget>("TimecodeListbox")), std::vector<std::string>{"00:00:00"});
}

TEST_F(DiscWindowTest, AVobSubPairShowsItsIndexsStreamsAndReadsWithItsDelay) {
  const std::string pair = std::string(QUELM_TEST_DATA) + "/vobsub/basic";
  std::string index = ReadText(pair + ".idx");
  index.insert(index.find("timestamp:"), "delay: 00:01:00:000\n");
  WriteText(Root() + "a.idx", index);
  ASSERT_TRUE(QFile::copy(QString::fromStdString(pair + ".sub"),
                          QString::fromStdString(Root() + "a.sub")));
  WriteText(Root() + "b.idx", "id: de, index: 0\n");
  ASSERT_TRUE(QFile::copy(QString::fromStdString(pair + ".sub"),
                          QString::fromStdString(Root() + "b.sub")));
  WriteSettings("[preferences]\nvobroot=" + Root() + "\nenableocr=0\n[vobfilelist]\n0=\"" +
                Root() + "a.sub\"\n");
  TMain& w = Start();
  const std::vector<std::string> info = Items(Find<QListWidget>("ListBoxVobInfo"));
  ASSERT_GE(info.size(), 10u);
  EXPECT_EQ(info[8], "VobSub : a.idx");
  EXPECT_EQ(info[9], "Streams : 1");
  EXPECT_EQ(Items(Find<QComboBox>("ComboLanguages")),
            (std::vector<std::string>{"[ 0x20 ]  English"}));
  EXPECT_FALSE(Find<QCheckBox>("CheckManualLanguage")->isChecked());
  QTest::mouseClick(Find<QToolButton>("BtnGoNext"), Qt::LeftButton);
  QTest::mouseClick(Find<QToolButton>("BtnGoNext"), Qt::LeftButton);
  ASSERT_EQ(w.SubtitleNr(), 2);
  // Its own time, 00:00:03.600, a minute later.
  EXPECT_EQ(Find<QLabel>("LblBCDTimecode")->text(), QStringLiteral(": 00:01:03"));

  w.OpenVobFile(Root() + "b.sub");
  EXPECT_EQ(Items(Find<QComboBox>("ComboLanguages")),
            (std::vector<std::string>{"[ 0x20 ]  Deutsch"}));
}

TEST_F(DiscWindowTest, VobRootCarriesBothSameAsVobRootBoxes) {
  WriteSettings(
      "[preferences]\nvobroot=/old/\noutputroot=/out/\ndictionaryroot=/dict/\n"
      "outputroot_same_as_vobroot=1\ndictionaryroot_same_as_vobroot=1\n");
  Start();
  EXPECT_FALSE(Find<QPushButton>("BtnChangeOutputRoot")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("BtnChangeDictionaryRoot")->isEnabled());
  std::string chosen = BasicRoot;
  chosen.pop_back();  // the chooser gives no trailing "/"
  ui_.Directories.push_back(chosen);
  QTest::mouseClick(Find<QPushButton>("BtnChangeVobRoot"), Qt::LeftButton);
  EXPECT_EQ(Text("EditVobRoot"), BasicRoot);
  EXPECT_EQ(Text("EditOutputRoot"), BasicRoot);
  EXPECT_EQ(Text("EditDictionaryRoot"), BasicRoot);
  EXPECT_EQ(Pref("vobroot"), BasicRoot);
  EXPECT_EQ(Pref("outputroot"), BasicRoot);
  EXPECT_EQ(Pref("dictionaryroot"), BasicRoot);
  // Stored in that order: vobroot, then outputroot, then dictionaryroot.
  const std::string text = SettingsBytes();
  EXPECT_LT(text.find("vobroot="), text.find("outputroot="));
  EXPECT_LT(text.find("outputroot="), text.find("dictionaryroot="));
  // The information list follows the new root.
  EXPECT_EQ(Items(Find<QListWidget>("ListBoxVobInfo"))[2], "VOB        : " + BasicRoot);
  EXPECT_EQ(Find<QComboBox>("ComboLanguages")->count(), 2);

  // A cancelled chooser changes nothing.
  ui_.Directories.push_back(std::nullopt);
  Action("vobroot1")->trigger();
  EXPECT_EQ(Pref("vobroot"), BasicRoot);
}

TEST_F(DiscWindowTest, OutputAndDictionaryRootsStoreOnlyTheirKey) {
  WriteSettings("[preferences]\nvobroot=/Disc/\noutputroot=/out/\ndictionaryroot=/dict/\n");
  Start();
  ui_.Directories.push_back("/Work/Scripts");
  Action("outputroot1")->trigger();
  EXPECT_EQ(Text("EditOutputRoot"), "/Work/Scripts/");
  EXPECT_EQ(Pref("outputroot"), "/Work/Scripts/");
  EXPECT_EQ(Text("EditVobRoot"), "/Disc/");
  ui_.Directories.push_back("/Work/Dict/");
  QTest::mouseClick(Find<QPushButton>("BtnChangeDictionaryRoot"), Qt::LeftButton);
  EXPECT_EQ(Pref("dictionaryroot"), "/Work/Dict/");
  EXPECT_EQ(Items(Find<QListWidget>("ListBoxVobInfo"))[4], "Dictionary : /Work/Dict/");
}

TEST_F(DiscWindowTest, HiddenManualVobFileControlsStoreTheirKey) {
  WriteSettings("[preferences]\nvobroot=" + BasicRoot + "\n");
  Start();
  auto* button = Find<QPushButton>("BtnManualVobFile");
  EXPECT_FALSE(button->isVisible());
  EXPECT_FALSE(Action("vobfileselection1")->isEnabled());
  ui_.OpenFiles.push_back(BasicRoot + "VTS_01_1.VOB");
  button->click();
  ASSERT_EQ(ui_.OpenRequests.size(), 1u);
  EXPECT_EQ(ui_.OpenRequests[0].Directory, BasicRoot);
  EXPECT_EQ(Pref("manual_vob_file_location"), BasicRoot + "VTS_01_1.VOB");
}

class CacheWindowTest : public DiscWindowTest {
 protected:
  void Click(const char* name) { QTest::mouseClick(Find<QToolButton>(name), Qt::LeftButton); }
  // A copy of the demo VOB in the temporary directory, read with caching on and OCR off.
  std::string UseDemoCopy(const std::string& vobRoot) {
    const QString target = dir_.filePath(QStringLiteral("VTS_01_1.VOB"));
    EXPECT_TRUE(QFile::copy(QString::fromStdString(DemoVob), target));
    WriteSettings("[preferences]\nvobroot=" + vobRoot +
                  "\nenable_position_caching=1\nenableocr=0\n[vobfilelist]\n0=\"" +
                  target.toStdString() + "\"\n");
    return target.toStdString();
  }
  std::map<std::string, std::string> Cache(const std::string& section) {
    std::map<std::string, std::string> values;
    QFile file(dir_.filePath(QStringLiteral("subtitles.ini")));
    if (!file.open(QIODevice::ReadOnly)) return values;
    std::string current;
    for (const QByteArray& raw : file.readAll().split('\n')) {
      std::string line = raw.trimmed().toStdString();
      if (line.size() >= 2 && line.front() == '[') {
        current = line.substr(1, line.size() - 2);
      } else if (current == section && line.find('=') != std::string::npos) {
        values[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
      }
    }
    return values;
  }
};

TEST_F(CacheWindowTest, BackAfterFiveSubtitlesComesFromTheCache) {
  const std::string vob = UseDemoCopy(Root());
  TMain& w = Start();
  for (int i = 0; i < 5; ++i) Click("BtnGoNext");
  ASSERT_EQ(w.SubtitleNr(), 5);
  // Start offsets from demo/units_s0.txt.
  EXPECT_EQ(
      Cache("0" + vob),
      (std::map<std::string, std::string>{
          {"1", "30720"}, {"2", "92160"}, {"3", "153600"}, {"4", "215040"}, {"5", "276480"}}));
  EXPECT_TRUE(Find<QToolButton>("BtnGoBack")->isEnabled());
  Click("BtnGoBack");
  EXPECT_EQ(w.SubtitleNr(), 4);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 562);  // subtitle 4 is 562 x 26
  EXPECT_EQ(w.SubtitleBitmap().Height(), 26);

  // The entry is what "back" reads: pointed at subtitle 2's start, it shows subtitle 2's unit.
  {
    QFile file(dir_.filePath(QStringLiteral("subtitles.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.replace("\n3=153600", "\n3=92160");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  Click("BtnGoBack");
  EXPECT_EQ(w.SubtitleNr(), 3);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 426);
  EXPECT_EQ(w.SubtitleBitmap().Height(), 64);
}

TEST_F(CacheWindowTest, CachedMinusOneIsAbsent) {
  const std::string vob = UseDemoCopy(Root());
  TMain& w = Start();
  for (int i = 0; i < 3; ++i) Click("BtnGoNext");
  ASSERT_EQ(Cache("0" + vob)["2"], "92160");
  {
    QFile file(dir_.filePath(QStringLiteral("subtitles.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.replace("\n2=92160", "\n2=-1");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  Click("BtnGoBack");
  EXPECT_EQ(w.SubtitleNr(), 3);  // nothing cached for 2: no step
  EXPECT_EQ(w.SubtitleBitmap().Width(), 550);
  // Switching the cache off from either item disables "back".
  Action("PCEnabled1")->trigger();
  EXPECT_FALSE(Find<QToolButton>("BtnGoBack")->isEnabled());
  Action("PCDisabled1")->trigger();
  EXPECT_TRUE(Find<QToolButton>("BtnGoBack")->isEnabled());
}

TEST_F(CacheWindowTest, UnwritableVobRootReportsOncePerStep) {
  // A VOB root that cannot hold files, like a mounted disc: its place is taken by a file.
  QFile plain(dir_.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  UseDemoCopy(Root() + "plain/");
  TMain& w = Start();
  ui_.Messages.clear();
  Click("BtnGoNext");
  const std::string message = "Unable to write to " + Root() + "plain/subtitles.ini";
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{message});
  EXPECT_EQ(w.SubtitleNr(), 1);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 0);  // found, but neither shown nor recognised
  Click("BtnGoNext");
  EXPECT_EQ(w.SubtitleNr(), 2);
  EXPECT_EQ(ui_.MessageTexts(), (std::vector<std::string>{message, message}));
  EXPECT_EQ(w.SubtitleBitmap().Width(), 0);
}

TEST_F(CacheWindowTest, AMatroskaFileShowsItsTracksAndReadsTheChosenOne) {
  if (!Matroska::Supported()) GTEST_SKIP() << Matroska::Unsupported;
  // The multifile title's copy (tests/data/make_matroska.sh): tracks eng, and fre named.
  const std::string movie = Root() + "movie.mks";
  ASSERT_TRUE(
      QFile::copy(QString::fromStdString(std::string(QUELM_TEST_DATA) + "/matroska/multifile.mks"),
                  QString::fromStdString(movie)));
  WriteSettings("[preferences]\nvobroot=" + Root() + "\nenable_position_caching=1\nenableocr=0\n");
  TMain& w = Start();
  w.OpenVobFile(movie);
  EXPECT_EQ(Items(Find<QComboBox>("ComboLanguages")),
            (std::vector<std::string>{"[ 0x20 ]  English", "[ 0x21 ]  Francais (Sous-titres)"}));
  EXPECT_FALSE(Find<QCheckBox>("CheckManualLanguage")->isChecked());
  const std::vector<std::string> info = Items(Find<QListWidget>("ListBoxVobInfo"));
  ASSERT_GE(info.size(), 10u);
  EXPECT_EQ(info[8], "File : movie.mks");
  EXPECT_EQ(info.back(), "movie.mks  81 Kb");

  for (int i = 0; i < 3; ++i) Click("BtnGoNext");
  // Where ffprobe -show_packets puts the track's packets.
  EXPECT_EQ(Cache("0" + movie),
            (std::map<std::string, std::string>{{"1", "588"}, {"2", "13472"}, {"3", "19999"}}));
  Click("BtnGoBack");
  EXPECT_EQ(w.SubtitleNr(), 2);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 358);  // multifile/units_s0.txt
  EXPECT_EQ(w.SubtitleBitmap().Height(), 72);

  Find<QComboBox>("ComboLanguages")->setCurrentIndex(1);
  Click("BtnGotoFirst");
  EXPECT_EQ(w.SubtitleBitmap().Width(), 576);  // multifile/units_s1.txt
  EXPECT_EQ(w.SubtitleBitmap().Height(), 154);
}

TEST_F(CacheWindowTest, ADiscImageIsARootWhoseTitleFilesReadWithTheCacheBesideIt) {
  // A copy of the multifile image (tests/data/make_images.sh) in the temporary directory.
  const std::string image = Root() + "multifile.iso";
  ASSERT_TRUE(QFile::copy(QString::fromStdString(std::string(QUELM_TEST_DATA) + "/iso/multifile.iso"),
                          QString::fromStdString(image)));
  const std::string first = image + "/VIDEO_TS/VTS_01_1.VOB";
  WriteSettings("[preferences]\noutputroot_same_as_vobroot=1\nenable_position_caching=1\n"
                "enableocr=0\n[vobfilelist]\n0=\"" + first + "\"\n");
  TMain& w = Start();
  ui_.Directories.push_back(image);
  QTest::mouseClick(Find<QPushButton>("BtnChangeVobRoot"), Qt::LeftButton);
  EXPECT_EQ(Text("EditVobRoot"), image + "/VIDEO_TS/");
  EXPECT_EQ(Text("EditOutputRoot"), Root());  // nothing is written into the image
  if (!DiscImage::Supported()) {
    EXPECT_TRUE(Find<QCheckBox>("CheckManualLanguage")->isChecked());
    return;
  }
  EXPECT_EQ(Items(Find<QComboBox>("ComboLanguages")),
            (std::vector<std::string>{"[ 0x20 ]  English", "[ 0x21 ]  Francais"}));
  const std::vector<std::string> info = Items(Find<QListWidget>("ListBoxVobInfo"));
  EXPECT_EQ(info.back(), "VTS_01_3.VOB  178 Kb");

  Click("BtnGoNext");
  EXPECT_EQ(w.SubtitleNr(), 1);
  EXPECT_EQ(w.SubtitleBitmap().Width(), 398);  // as quelm-cli extract lists it from the folder
  EXPECT_EQ(Cache("0" + first)["1"], "28672");

  // The image chosen in the file list's dialog stands for its three title VOB files.
  QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
  ui_.OpenFiles.push_back(image);
  QTest::mouseClick(Find<QToolButton>("BtnAddVobToList"), Qt::LeftButton);
  EXPECT_EQ(Find<VobFileListWidget>("VobFileListBox")->Entries(),
            (std::vector<std::string>{first, first, image + "/VIDEO_TS/VTS_01_2.VOB",
                                      image + "/VIDEO_TS/VTS_01_3.VOB"}));
}

}  // namespace
}  // namespace quelm::test
