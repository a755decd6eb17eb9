// GUI translations: the translator on a window of its own (paths, property kinds, events), the
// main window's language menu with the shipped files and with files made here, and the program's
// Qt translation at a first start and when a language is chosen.
#include <gtest/gtest.h>

#include <fstream>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

#include "MainWindowFixture.h"
#include "app/QtTranslation.h"
#include "app/TLanguage.h"
#include "app/TToolList.h"
#include "app/disc/TChooseDir.h"
#include "app/ocr/TEditDictionary.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"
#include "support/PeripheryTestFiles.h"
#include "support/ScriptedInteraction.h"

namespace quelm::test {
namespace {

// A window with one control of each kind the translator knows.
struct ProbeWindow {
  ProbeWindow() {
    window.setObjectName("Probe");
    auto* layout = new QVBoxLayout(&window);
    label = Add<QLabel>("Label1");
    check = Add<QCheckBox>("CheckThing");
    combo = Add<QComboBox>("Combo1");
    combo->addItems({"a", "b", "c"});
    combo->setCurrentIndex(1);
    list = Add<QListWidget>("List1");
    memo = Add<QPlainTextEdit>("Memo1");
    spin = Add<QSpinBox>("Spin1");
    group = Add<QGroupBox>("Group1");
    auto* groupLayout = new QVBoxLayout(group);
    for (int i = 0; i < 3; ++i) {
      radios[i] = new QRadioButton(QStringLiteral("r%1").arg(i), group);
      groupLayout->addWidget(radios[i]);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{label, check, combo, list, memo, spin, group})
      layout->addWidget(w);
  }
  template <typename W>
  W* Add(const char* name) {
    auto* widget = new W(&window);
    widget->setObjectName(name);
    return widget;
  }

  QWidget window;
  QLabel* label;
  QCheckBox* check;
  QComboBox* combo;
  QListWidget* list;
  QPlainTextEdit* memo;
  QSpinBox* spin;
  QGroupBox* group;
  std::array<QRadioButton*, 3> radios{};
};

class TranslatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureQtApplication();
    ASSERT_TRUE(dir_.isValid());
  }
  std::string File(const std::string& translations) {
    const std::string path = dir_.filePath("probe.ini").toStdString();
    WriteText(path, "[ini_info]\nname=Probe\n[Translations]\n" + translations);
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(TranslatorTest, PathsResolveWithoutCaseAndEachPropertyKindIsSet) {
  ProbeWindow probe;
  TLanguage language;
  language.LanguageFile = File(
      "probe.label1.caption=Beschriftung\n"
      "Probe.CheckThing.Hint=Hinweis\n"
      "Probe.CheckThing.Caption=Ankreuzen\n"
      "Probe.Caption=Fenster\n"
      "Probe.Combo1.Items=eins,zwei,  \n"
      "Probe.List1.Items=x,,y,\n"
      "Probe.Memo1.Lines=first,second\n"
      "Probe.Spin1.Maximum=42\n"
      "Probe.Group1.Caption=Gruppe\n"
      "Probe.Group1.Items=A,B\n"
      "Probe.Nothing.Caption=nowhere\n"
      "Probe.Label1.NoSuchProperty=x\n"
      "Probe.Spin1.Value=not a number\n");
  language.SetProperties({"probe.label1.caption", "Probe.CheckThing.Hint", "Probe.CheckThing.Caption",
                          "Probe.Caption", "Probe.Combo1.Items", "Probe.List1.Items",
                          "Probe.Memo1.Lines", "Probe.Spin1.Maximum", "Probe.Group1.Caption",
                          "Probe.Group1.Items", "Probe.Nothing.Caption",
                          "Probe.Label1.NoSuchProperty", "Probe.Spin1.Value", "Probe.Label1.Hint",
                          "", "   "});
  language.Translate();
  EXPECT_EQ(probe.label->text(), "Beschriftung");
  EXPECT_EQ(probe.check->toolTip(), "Hinweis");
  EXPECT_EQ(probe.check->text(), "Ankreuzen");
  EXPECT_EQ(probe.window.windowTitle(), "Fenster");
  ASSERT_EQ(probe.combo->count(), 2);
  EXPECT_EQ(probe.combo->itemText(0), "eins");
  EXPECT_EQ(probe.combo->itemText(1), "zwei");
  EXPECT_EQ(probe.combo->currentIndex(), 1);
  ASSERT_EQ(probe.list->count(), 3);
  EXPECT_EQ(probe.list->item(1)->text(), "");
  EXPECT_EQ(probe.list->item(2)->text(), "y");
  EXPECT_EQ(probe.memo->toPlainText(), "first\nsecond");
  EXPECT_EQ(probe.spin->maximum(), 42);
  EXPECT_EQ(probe.spin->value(), 0);
  EXPECT_EQ(probe.group->title(), "Gruppe");
  EXPECT_EQ(probe.radios[0]->text(), "A");
  EXPECT_EQ(probe.radios[1]->text(), "B");
  EXPECT_EQ(probe.radios[2]->text(), "r2");  // buttons are renamed, never removed
  EXPECT_TRUE(probe.label->toolTip().isEmpty());  // a missing key changes nothing
  // Each part of a path is trimmed.
  EXPECT_TRUE(language.ApplyValue(" Probe . CheckThing . Caption ", "Anders"));
  EXPECT_EQ(probe.check->text(), "Anders");
}

TEST_F(TranslatorTest, EventsComeInOrderAndTheHandlerMayChangeTheValue) {
  ProbeWindow probe;
  probe.label->setText("old text");
  TLanguage language;
  language.LanguageFile = File("Probe.Label1.Caption=new text\nProbe.Combo1.Items=p;q\n");
  language.SetSeparator("   ");
  EXPECT_EQ(language.Separator(), ",");
  language.SetSeparator(";");
  language.SetProperties({"Probe.Label1.Caption", "Probe.Combo1.Items", "Probe.List1.Items"});
  std::vector<std::string> calls;
  language.OnBeforeTranslation = [&](TLanguage& sender) {
    EXPECT_EQ(&sender, &language);
    calls.push_back("before");
  };
  language.OnAfterTranslation = [&](TLanguage&) { calls.push_back("after"); };
  language.OnTranslate = [&](TLanguage&, QObject* component, const QString& name,
                             const QString& oldValue, QString& newValue) {
    calls.push_back(component->objectName().toStdString() + "." + name.toStdString() + ":" +
                    oldValue.toStdString() + "->" + newValue.toStdString());
    if (component == probe.label) newValue = newValue.toUpper();
  };
  language.Translate();
  EXPECT_EQ(calls, (std::vector<std::string>{"before", "Label1.Caption:old text->new text",
                                             "Combo1.Items:a;b;c->p;q", "after"}));
  EXPECT_EQ(probe.label->text(), "NEW TEXT");
  EXPECT_EQ(probe.combo->count(), 2);
}

TEST_F(TranslatorTest, TheDirectoryChooserResolvesOnlyWhileItExists) {
  TLanguage language;
  EXPECT_EQ(TLanguage::ResolveComponent({"ChooseDir", "Label1"}), nullptr);
  TChooseDir chooser;
  EXPECT_EQ(TLanguage::ResolveComponent({"choosedir", "LABEL1"}), chooser.Label1);
  EXPECT_TRUE(language.ApplyValue("ChooseDir.Label1.Caption", "Verzeichnis"));
  EXPECT_EQ(chooser.Label1->text(), "Verzeichnis");
  EXPECT_FALSE(language.ApplyValue("CD.Label1.Caption", "x"));
  EXPECT_FALSE(language.ApplyValue("ChooseDir.Label1.Caption", ""));
  EXPECT_EQ(chooser.Label1->text(), "Verzeichnis");
}

class LanguageMenuWindowTest : public MainWindowTest {
 protected:
  QStringList Captions() {
    QStringList captions;
    for (QAction* action : Find<QMenu>("GUI1")->actions()) captions.append(action->text());
    return captions;
  }
  std::vector<bool> Checks() {
    std::vector<bool> checks;
    for (QAction* action : Find<QMenu>("GUI1")->actions()) checks.push_back(action->isChecked());
    return checks;
  }
};

TEST_F(LanguageMenuWindowTest, StoredPositionAppliesTheShippedGermanFileAtStartUp) {
  WriteSettings("[preferences]\ngui_language=2\n");
  TMain& window = Start();
  EXPECT_EQ(Captions(), (QStringList{"English : english.ini", "Français : french.ini",
                                     "Deutsch : german.ini"}));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(window.GetLangIniFile(), window.LanguageDirectory() + "/german.ini");
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "Vob/Ifo-Verzeichnis");
  EXPECT_EQ(Find<QLabel>("Label8")->text(), "Breite des Leerzeichens (Pixel) :");
  EXPECT_EQ(Find<QLabel>("Label16")->text(), "Zeit");
  EXPECT_EQ(Find<QCheckBox>("CheckAutoSave")->text(), "autom. speichern");
  EXPECT_EQ(Find<QToolButton>("BtnGoNext")->toolTip(), "nächster");
  EXPECT_EQ(Find<QGroupBox>("LearnRadioGroup1")->title(), " Lernen ");
  EXPECT_EQ(Find<QRadioButton>("LearnRadioGroup1Item0")->text(), "beim Lesen");
  EXPECT_EQ(Find<QRadioButton>("LearnRadioGroup1Item1")->text(), "nach dem Lesen");
  EXPECT_EQ(Find<QRadioButton>("LearnRadioGroup1Item2")->text(), "automatisch");

  // Choosing English from the menu goes back to the program's own texts and stores position 0.
  Find<QMenu>("GUI1")->actions()[0]->trigger();
  EXPECT_EQ(Checks(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(Pref("gui_language"), "0");
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "Vob/Ifo root");
  EXPECT_EQ(Find<QRadioButton>("LearnRadioGroup1Item0")->text(), "while reading");
  EXPECT_EQ(Find<QRadioButton>("LearnRadioGroup1Item2")->text(), "automatically");
}

TEST_F(LanguageMenuWindowTest, FilesMadeHereWithoutNameAndWithATrailingSeparator) {
  QTemporaryDir languages;
  const std::string dir = languages.path().toStdString();
  WriteText(dir + "/a.ini",
            "[ini_info]\nname=Eigen\n[Translations]\nmain.checkautosave.caption=Selbst speichern\n"
            "Main.LearnRadioGroup1.Items=beim Lesen,danach,  \n");
  WriteText(dir + "/B.ini", "[Translations]\nMain.Label1.Caption=Wurzel\n");
  TMain& window = Start();
  window.SetLanguageDirectory(dir);
  window.CreateLangMenu();
  // English was checked before; it is not among these files, so nothing is applied.
  EXPECT_EQ(Captions(), (QStringList{"Eigen : a.ini", "unknown : B.ini"}));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false}));
  EXPECT_EQ(window.GetLangIniFile(), "");

  Find<QMenu>("GUI1")->actions()[0]->trigger();
  EXPECT_EQ(Find<QCheckBox>("CheckAutoSave")->text(), "Selbst speichern");
  EXPECT_EQ(Find<QRadioButton>("LearnRadioGroup1Item0")->text(), "beim Lesen");
  EXPECT_EQ(Find<QRadioButton>("LearnRadioGroup1Item1")->text(), "danach");
  Find<QMenu>("GUI1")->actions()[1]->trigger();
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "Wurzel");
  // What B.ini does not translate keeps the text a.ini gave it.
  EXPECT_EQ(Find<QCheckBox>("CheckAutoSave")->text(), "Selbst speichern");
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true}));
  EXPECT_EQ(Pref("gui_language"), "1");
  EXPECT_EQ(window.GetLangIniFile(), dir + "/B.ini");

  // A rebuild keeps the checked language and applies it again.
  Find<QLabel>("Label1")->setText("changed");
  window.CreateLangMenu();
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true}));
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "Wurzel");
}

TEST_F(LanguageMenuWindowTest, StoredPositionBeyondTheMenuAppliesNothing) {
  QTemporaryDir languages;
  const std::string dir = languages.path().toStdString();
  WriteText(dir + "/one.ini", "[ini_info]\nname=One\n[Translations]\nMain.Label1.Caption=eins\n");
  WriteText(dir + "/two.ini", "[ini_info]\nname=Two\n[Translations]\nMain.Label1.Caption=zwei\n");
  WriteSettings("[preferences]\ngui_language=5\n");
  TMain& window = Start();
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false}));
  window.SetLanguageDirectory(dir);
  window.CreateLangMenu();
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false}));
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "Vob/Ifo root");
  EXPECT_EQ(Pref("gui_language"), "5");
}

// A first start on a German system with no language chosen yet: German is stored and windows of
// app/ and app/ocr/ open in German, Qt's own buttons too; a language chosen later reaches the
// windows already open.
TEST(QtTranslationTest, GermanSystemStartsInGermanAndALaterChoiceReachesOpenWindows) {
#ifndef QUELM_TRANSLATIONS
  GTEST_SKIP() << "built without Qt's LinguistTools";
#endif
  EnsureQtApplication();
  // The tests that follow see the program's own texts whatever happens here.
  struct BackToEnglish {
    ~BackToEnglish() { UseQtTranslation("en"); }
  } backToEnglish;
  QTemporaryDir dir;
  const std::string languages = std::string(QUELM_BIN_DIR) + "/languages";
  ScriptedInteraction ui;
  SettingsStore settings(dir.filePath("quelm.ini").toStdString(), ui);
  StartTranslation(settings, "de_DE.UTF-8", languages,
                   std::string(QUELM_BIN_DIR) + "/translations");
  // english.ini, french.ini, german.ini
  EXPECT_EQ(settings.ReadString("gui_language", ""), "2");

  TToolList tools(settings.File(), ui);
  TEditDictionary editor(ui, dir.path().toStdString() + "/");
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  EXPECT_EQ(tools.windowTitle(), "Werkzeuge bearbeiten");
  EXPECT_EQ(tools.findChild<QPushButton*>("BitBtn2")->text(), "&Schließen");
  EXPECT_EQ(editor.windowTitle(), "Wörterbuch");
  EXPECT_EQ(editor.BtnClose->text(), "Schließen");
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
  // A message made by the core, a damaged bitmap's, comes in German too.
  const std::string root = dir.path().toStdString() + "/";
  std::ofstream(root + "bad.bmp") << "BM not really";
  std::ofstream(root + "chardict.ocr") << "bad.bmp\r\nx\r\n";
  editor.FormActivate();
  EXPECT_EQ(ui.MessageTexts(),
            std::vector<std::string>{root + "bad.bmp: Datei zu kurz für einen BMP-Kopf"});

  TLanguage language;
  language.LanguageFile = languages + "/french.ini";
  language.Translate();
  EXPECT_EQ(tools.windowTitle(), "Modifier les outils");
  EXPECT_EQ(tools.findChild<QPushButton*>("BitBtn2")->text(), "&Fermer");
  EXPECT_EQ(editor.BtnClose->text(), "Fermer");
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Annuler");
  language.LanguageFile = languages + "/english.ini";
  language.Translate();
  EXPECT_EQ(editor.windowTitle(), "Dictionary");
}

}  // namespace
}  // namespace quelm::test
