// The main window's settings: restoring quelm.ini at start-up, the handlers that store each key
// when its control changes, the palette and the VOB file list.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <algorithm>

#include "app/ColorPanel.h"
#include "app/TMain.h"
#include "app/Translated.h"
#include "app/VobFileListWidget.h"
#include "disc/VobSubIndex.h"
#include "extraction/UnitSource.h"
#include "navigation/IniPositionCache.h"
#include "navigation/SubtitleNavigator.h"
#include "platform/SourceFile.h"
#include "platform/UserInteraction.h"
#include "settings/PaletteMapping.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"
#include "settings/VobFileList.h"

namespace quelm {

namespace P = Preferences;

void TMain::ConnectHandlers() {
  connect(Exit1, &QAction::triggered, this, &TMain::Exit1Click);

  connect(TrackBar1, &QSlider::valueChanged, this, &TMain::TrackBar1Change);
  connect(EditSpaceWidth, &QLineEdit::textChanged, this, &TMain::EditSpaceWidthChange);
  connect(CheckAutoSpaceWidth, &QCheckBox::toggled, this, &TMain::CheckAutoSpaceWidthClick);
  connect(TrackBar2, &QSlider::valueChanged, this, &TMain::TrackBar2Change);
  connect(EditInterlace, &QLineEdit::textChanged, this, &TMain::EditInterlaceChange);

  // Check boxes run their handlers whenever their state changes, by the user or the program.
  connect(CheckOCREnable, &QCheckBox::toggled, this, &TMain::CheckOCREnableClick);
  connect(CheckAutocloseOCR, &QCheckBox::toggled, this, &TMain::CheckAutocloseOCRClick);
  connect(CheckAutoColorDetect, &QCheckBox::toggled, this, &TMain::CheckAutoColorDetectClick);
  connect(CheckAutoSave, &QCheckBox::toggled, this, &TMain::CheckAutoSaveClick);
  connect(CheckOutputRoot, &QCheckBox::toggled, this, &TMain::CheckOutputRootClick);
  connect(CheckDictionaryRoot, &QCheckBox::toggled, this, &TMain::CheckDictionaryRootClick);
  connect(CheckManualLanguage, &QCheckBox::toggled, this, &TMain::CheckManualLanguageClick);

  // Flag pairs: choosing the menu item (Qt has already toggled its mark) sets the check box,
  // whose own handler then does the work and keeps the mark in step.
  const std::pair<QAction*, QCheckBox*> pairs[] = {
      {selectmanuallanuage1, CheckManualLanguage},
      {EnabledOCR1, CheckOCREnable},
      {AutomaticcloseOCRwindow1, CheckAutocloseOCR},
      {SelectAutoColorDetect, CheckAutoColorDetect}};
  for (const auto& [action, box] : pairs) {
    QCheckBox* target = box;
    connect(action, &QAction::triggered, this, [target](bool checked) { target->setChecked(checked); });
  }
  // "Manual vob" only shows its key.
  connect(selectmanualvob1, &QAction::triggered, this,
          [this] { selectmanualvob1->setChecked(CheckManualVobFile->isChecked()); });

  connect(ComboManualLanguage, &QComboBox::activated, this, &TMain::ComboManualLanguageChange);
  connect(ComboLanguages, &QComboBox::activated, this, &TMain::ComboLanguagesChange);
  for (int i = 0; i < 32; ++i) {
    connect(NX[i], &QAction::triggered, this, [this, i] { NLangClick(i); });
  }
  connect(EditManualVobFile, &QLineEdit::textChanged, this, &TMain::EditManualVobFileChange);

  connect(PCEnabled1, &QAction::triggered, this, &TMain::PCXabled1Click);
  connect(PCDisabled1, &QAction::triggered, this, &TMain::PCXabled1Click);

  for (auto* item : learnItems_) {
    connect(item, &QRadioButton::toggled, this, [this](bool on) {
      if (on) LearnRadioGroup1Click();
    });
  }
  connect(Learnwhilereadingvob1, &QAction::triggered, this,
          [this] { LearnMenuClick(P::LearnWhileReading); });
  connect(Learnafterreadingvob1, &QAction::triggered, this,
          [this] { LearnMenuClick(P::LearnAfterReading); });
  connect(Learnautomatically1, &QAction::triggered, this,
          [this] { LearnMenuClick(P::LearnAutomatically); });

  // Palette.
  for (int j = 0; j < 4; ++j) {
    connect(PanelCol[j], &ColorPanel::DoubleClicked, this, [this, j] { PanelColDblClick(j); });
    connect(bitmapcolor[j], &QAction::triggered, this, [this, j] { PanelColDblClick(j); });
  }
  for (auto& row : RadioGrid) {
    for (auto* radio : row) {
      connect(radio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RadioX_XClick();
      });
    }
  }
  for (int i = 0; i < 4; ++i) {
    for (auto* radio : {RadioCharCol1[i], RadioCharCol2[i]}) {
      connect(radio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RadioCharColClick();
      });
    }
    connect(NCharRole[i], &QAction::triggered, this, [this, i] { NXXClick(false, i); });
    connect(NBackgroundRole[i], &QAction::triggered, this, [this, i] { NXXClick(true, i); });
  }
  for (auto* radio : {RadioBit1, RadioBit4}) {
    connect(radio, &QRadioButton::toggled, this, [this](bool on) {
      if (on) RadioBitClick();
    });
  }

  // VOB file list.
  connect(BitBtn1, &QPushButton::clicked, this, &TMain::BitBtn1Click);
  connect(BtnAddVobToList, &QToolButton::clicked, this, &TMain::BtnAddVobToListClick);
  connect(BtnDeleteVobFromList, &QToolButton::clicked, this, &TMain::BtnDeleteVobFromListClick);
  connect(VobFileListBox, &VobFileListWidget::Reordered, this, &TMain::FileListChanged);
  connect(VobFileListBox, &QListWidget::currentRowChanged, this, [this](int row) {
    if (navigator_) navigator_->SetSelectedIndex(row);
  });
}

// ---------------------------------------------------------------------------------------------
// Restoring

int TMain::CheckedIndex(const std::array<QRadioButton*, 4>& buttons) {
  for (int i = 0; i < 4; ++i) {
    if (buttons[static_cast<std::size_t>(i)]->isChecked()) return i;
  }
  return -1;
}

// Checks button `index`, or `invalidIndex` when `index` is outside 0..3 (-1: none). A change
// runs the group's handler, as a click would; unchecking every button runs it explicitly since
// no button reports being checked.
void TMain::RestoreRadio(const std::array<QRadioButton*, 4>& buttons, QButtonGroup* group,
                         int index, int invalidIndex, void (TMain::*handler)()) {
  const int wanted = (index >= 0 && index <= 3) ? index : invalidIndex;
  const int current = CheckedIndex(buttons);
  if (wanted == current) return;
  if (wanted >= 0) {
    buttons[static_cast<std::size_t>(wanted)]->setChecked(true);
    return;
  }
  group->setExclusive(false);
  buttons[static_cast<std::size_t>(current)]->setChecked(false);
  group->setExclusive(true);
  (this->*handler)();
}

void TMain::ReadIniFile() {
  settings_.BeginRestore();
  LoadFileList();

  EditVobRoot->setText(QString::fromStdString(settings_.ReadString(P::VobRoot, "")));
  EditOutputRoot->setText(QString::fromStdString(settings_.ReadString(P::OutputRoot, "")));
  EditDictionaryRoot->setText(QString::fromStdString(settings_.ReadString(P::DictionaryRoot, "")));
  CheckOutputRoot->setChecked(settings_.ReadBool(P::OutputRootSameAsVobRoot, false));
  CheckDictionaryRoot->setChecked(settings_.ReadBool(P::DictionaryRootSameAsVobRoot, false));
  CheckManualLanguage->setChecked(settings_.ReadBool(P::ManualLanguageSelection, false));
  {
    int manual = settings_.ReadInteger(P::LanguageSelection2, 0);
    if (manual < 0 || manual >= ComboManualLanguage->count()) manual = 0;
    const QSignalBlocker block(ComboManualLanguage);
    ComboManualLanguage->setCurrentIndex(manual);
    NX[static_cast<std::size_t>(manual)]->setChecked(true);
  }
  // The disc's stream list is still empty; the disc refresh selects this index once filled.
  languageSelection1_ = settings_.ReadInteger(P::LanguageSelection1, 0);
  {
    const bool manualVob = settings_.ReadBool(P::ManualVobFileSelection, false);
    CheckManualVobFile->setChecked(manualVob);
    selectmanualvob1->setChecked(manualVob);
  }
  CheckAutoColorDetect->setChecked(settings_.ReadBool(P::AutoColorDetection, P::DefaultAutoColorDetection));
  {
    const QSignalBlocker block(TrackBar1);
    TrackBar1->setValue(settings_.ReadInteger(P::SpaceWidth, P::DefaultSpaceWidth));
  }
  EditSpaceWidth->setText(QString::number(TrackBar1->value()));
  CheckAutoSpaceWidth->setChecked(settings_.ReadBool(P::AutoSpaceWidth, P::DefaultAutoSpaceWidth));
  {
    const QSignalBlocker block(TrackBar2);
    TrackBar2->setValue(settings_.ReadInteger(P::Interlace, P::DefaultInterlace));
  }
  EditInterlace->setText(QString::number(TrackBar2->value()));
  CheckOCREnable->setChecked(settings_.ReadBool(P::EnableOcr, P::DefaultEnableOcr));
  CheckAutocloseOCR->setChecked(settings_.ReadBool(P::AutoCloseOcr, P::DefaultAutoCloseOcr));
  CheckAutoSave->setChecked(settings_.ReadBool(P::AutoSave, P::DefaultAutoSave));
  positionCaching_ = settings_.ReadBool(P::EnablePositionCaching, P::DefaultPositionCaching);
  PCEnabled1->setChecked(positionCaching_);
  PCDisabled1->setChecked(!positionCaching_);
  if (positionCache_) positionCache_->SetEnabled(positionCaching_);
  {
    const int bits = settings_.ReadInteger(P::Bits, P::DefaultBits);
    QRadioButton* wanted = bits == 1 ? RadioBit1 : (bits == 4 ? RadioBit4 : nullptr);
    if (wanted != nullptr) {
      wanted->setChecked(true);
    } else if (bitsGroup_->checkedButton() != nullptr) {
      bitsGroup_->setExclusive(false);
      bitsGroup_->checkedButton()->setChecked(false);
      bitsGroup_->setExclusive(true);
      RadioBitClick();
    }
  }
  {
    const std::string manualFile = settings_.ReadString(P::ManualVobFileLocation, "");
    const bool exists = !manualFile.empty() && QFileInfo(QString::fromStdString(manualFile)).isFile();
    EditManualVobFile->setText(exists ? QString::fromStdString(manualFile) : QString());
    if (!manualFile.empty() && !exists) settings_.StoreString(P::ManualVobFileLocation, "");
  }
  for (int j = 0; j < 4; ++j) {
    const int value = settings_.ReadInteger(P::ColorKeys[j], static_cast<int>(P::DefaultColors[j]));
    PanelCol[static_cast<std::size_t>(j)]->SetPanelColor(static_cast<Color>(value) & 0xFFFFFF);
  }
  // Clamped rather than leaving no role checked, which the role handler would store as 3 and 0.
  RestoreRadio(RadioCharCol1, charGroup_,
               settings_.ReadClampedInteger(P::CharColor, P::DefaultCharColor, P::MinColorRow,
                                            P::MaxColorRow),
               -1, &TMain::RadioCharColClick);
  RestoreRadio(RadioCharCol2, backgroundGroup_,
               settings_.ReadClampedInteger(P::BackgroundColor, P::DefaultBackgroundColor,
                                            P::MinColorRow, P::MaxColorRow),
               -1, &TMain::RadioCharColClick);
  for (int i = 0; i < 4; ++i) {
    RestoreRadio(RadioGrid[static_cast<std::size_t>(i)], rowGroups_[static_cast<std::size_t>(i)],
                 settings_.ReadInteger(P::ColorRowKeys[i], i), i, &TMain::RadioX_XClick);
  }
  {
    const int learn =
        settings_.ReadClampedInteger(P::Learn, P::DefaultLearn, P::MinLearn, P::MaxLearn);
    learnItems_[static_cast<std::size_t>(learn)]->setChecked(true);
    Learnwhilereadingvob1->setChecked(learn == P::LearnWhileReading);
    Learnafterreadingvob1->setChecked(learn == P::LearnAfterReading);
    Learnautomatically1->setChecked(learn == P::LearnAutomatically);
  }
  ocrLanguage_ = settings_.ReadString(P::OcrLanguage, "");
  BuildSuggestionLanguageMenu();
  // Read by the language and format menu builders.
  guiLanguage_ = settings_.ReadInteger(P::GuiLanguage, P::DefaultGuiLanguage);
  outputIni_ = settings_.ReadInteger(P::OutputIni, P::DefaultOutputIni);
  settings_.EndRestore();
}

// ---------------------------------------------------------------------------------------------
// Setting handlers

void TMain::TrackBar1Change() { EditSpaceWidth->setText(QString::number(TrackBar1->value())); }

void TMain::EditSpaceWidthChange() { settings_.StoreInteger(P::SpaceWidth, TrackBar1->value()); }

void TMain::CheckAutoSpaceWidthClick() {
  const bool automatic = CheckAutoSpaceWidth->isChecked();
  TrackBar1->setEnabled(!automatic);
  EditSpaceWidth->setEnabled(!automatic);
  settings_.StoreBool(P::AutoSpaceWidth, automatic);
}

void TMain::TrackBar2Change() { EditInterlace->setText(QString::number(TrackBar2->value())); }

void TMain::EditInterlaceChange() { settings_.StoreInteger(P::Interlace, TrackBar2->value()); }

void TMain::CheckOCREnableClick() {
  const bool on = CheckOCREnable->isChecked();
  EnabledOCR1->setChecked(on);
  CheckAutocloseOCR->setEnabled(on);
  LearnRadioGroup1->setEnabled(on);
  AutomaticcloseOCRwindow1->setEnabled(on);
  settings_.Store({{P::EnableOcr, on ? "1" : "0"},
                   {P::AutoCloseOcr, CheckAutocloseOCR->isChecked() ? "1" : "0"}});
}

void TMain::CheckAutocloseOCRClick() {
  AutomaticcloseOCRwindow1->setChecked(CheckAutocloseOCR->isChecked());
  settings_.StoreBool(P::AutoCloseOcr, CheckAutocloseOCR->isChecked());
}

void TMain::CheckAutoColorDetectClick() {
  SelectAutoColorDetect->setChecked(CheckAutoColorDetect->isChecked());
  if (CheckAutoColorDetect->isChecked() && !HasFourUniqueColors(PanelColors(), RowColumns())) {
    const Answer answer = ui_.Ask(
        tr("Auto colordetection needs four unique colors!\rReset colors to default settings and "
           "proceed?")
            .toStdString(),
        Buttons::YesNo);
    if (answer == Answer::Yes) {
      for (int i = 0; i < 4; ++i) {
        RadioGrid[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)]->setChecked(true);
        PanelCol[static_cast<std::size_t>(i)]->SetPanelColor(P::DefaultColors[i]);
      }
      // Else the next start restores the duplicates with detection on, and nobody asks.
      if (!StorePanelColors()) return;
    } else {
      // Unchecking runs this handler again, which enables the controls and stores the key.
      CheckAutoColorDetect->setChecked(false);
      return;
    }
  }
  SetColorControlsEnabled(!CheckAutoColorDetect->isChecked());
  settings_.StoreBool(P::AutoColorDetection, CheckAutoColorDetect->isChecked());
}

void TMain::SetColorControlsEnabled(bool enabled) {
  for (auto* panel : PanelCol) panel->setEnabled(enabled);
  for (auto* row : rowPanels_) row->setEnabled(enabled);
  Panel1->setEnabled(enabled);
  Panel4->setEnabled(enabled);
}

void TMain::CheckAutoSaveClick() {
  const bool enabled = !CheckAutoSave->isChecked() && SubtitleNr() >= 1;
  BtnSaveBitmap->setEnabled(enabled);
  Savebitmapas1->setEnabled(enabled);
  settings_.StoreBool(P::AutoSave, CheckAutoSave->isChecked());
}

void TMain::CheckOutputRootClick() {
  const bool same = CheckOutputRoot->isChecked();
  outputroot1->setEnabled(!same);
  BtnChangeOutputRoot->setEnabled(!same);
  if (same) EditOutputRoot->setText(EditVobRoot->text());
  settings_.Store({{P::OutputRoot, EditOutputRoot->text().toStdString()},
                   {P::OutputRootSameAsVobRoot, same ? "1" : "0"}});
}

void TMain::CheckDictionaryRootClick() {
  const bool same = CheckDictionaryRoot->isChecked();
  dictionaryroot1->setEnabled(!same);
  BtnChangeDictionaryRoot->setEnabled(!same);
  if (same) EditDictionaryRoot->setText(EditVobRoot->text());
  settings_.Store({{P::DictionaryRoot, EditDictionaryRoot->text().toStdString()},
                   {P::DictionaryRootSameAsVobRoot, same ? "1" : "0"}});
}

void TMain::CheckManualLanguageClick() {
  const bool manual = CheckManualLanguage->isChecked();
  selectmanuallanuage1->setChecked(manual);
  ComboLanguages->setEnabled(!manual);
  ComboManualLanguage->setEnabled(manual);
  subtitlelanguage1->setEnabled(manual);
  settings_.StoreBool(P::ManualLanguageSelection, manual);
}

void TMain::ComboManualLanguageChange() {
  const int index = ComboManualLanguage->currentIndex();
  if (index >= 0 && index < 32) NX[static_cast<std::size_t>(index)]->setChecked(true);
  settings_.StoreInteger(P::LanguageSelection2, index);
}

void TMain::ComboLanguagesChange() {
  settings_.StoreInteger(P::LanguageSelection1, ComboLanguages->currentIndex());
}

void TMain::NLangClick(int index) {
  NX[static_cast<std::size_t>(index)]->setChecked(true);
  const QSignalBlocker block(ComboManualLanguage);
  ComboManualLanguage->setCurrentIndex(index);
}

void TMain::EditManualVobFileChange() {
  settings_.StoreString(P::ManualVobFileLocation, EditManualVobFile->text().toStdString());
}

void TMain::PCXabled1Click() {
  positionCaching_ = !positionCaching_;
  PCEnabled1->setChecked(positionCaching_);
  PCDisabled1->setChecked(!positionCaching_);
  if (positionCache_) positionCache_->SetEnabled(positionCaching_);
  BtnGoBack->setEnabled(SubtitleNr() > 1 && positionCaching_);
  settings_.StoreBool(P::EnablePositionCaching, positionCaching_);
}

int TMain::LearnMode() const {
  for (std::size_t i = 0; i < learnItems_.size(); ++i)
    if (learnItems_[i]->isChecked()) return static_cast<int>(i);
  return P::LearnWhileReading;
}

void TMain::LearnMenuClick(int item) {
  // The two reading entries switch between their items whichever was chosen, as they always
  // have; "automatically", and either entry from it, takes the item chosen.
  const int mode = LearnMode();
  const int wanted = item == P::LearnAutomatically || mode == P::LearnAutomatically
                         ? item
                         : (mode == P::LearnWhileReading ? P::LearnAfterReading
                                                         : P::LearnWhileReading);
  if (wanted == mode)
    LearnRadioGroup1Click();  // Qt took the chosen entry's mark away: put it back
  else
    learnItems_[static_cast<std::size_t>(wanted)]->setChecked(true);
}

void TMain::LearnRadioGroup1Click() {
  const int index = LearnMode();
  Learnwhilereadingvob1->setChecked(index == P::LearnWhileReading);
  Learnafterreadingvob1->setChecked(index == P::LearnAfterReading);
  Learnautomatically1->setChecked(index == P::LearnAutomatically);
  settings_.StoreInteger(P::Learn, index);
}

// ---------------------------------------------------------------------------------------------
// Palette

std::array<Color, 4> TMain::PanelColors() const {
  std::array<Color, 4> colors{};
  for (std::size_t j = 0; j < 4; ++j) colors[j] = PanelCol[j]->PanelColor();
  return colors;
}

std::array<int, 4> TMain::RowColumns() const {
  std::array<int, 4> columns{};
  for (std::size_t i = 0; i < 4; ++i) columns[i] = CheckedIndex(RadioGrid[i]);
  return columns;
}

int TMain::CharColorRow() const { return CheckedIndex(RadioCharCol1); }
int TMain::BackgroundColorRow() const { return CheckedIndex(RadioCharCol2); }

std::array<Color, 4> TMain::SetSubTitleColors() const {
  return MapSubtitleColors(PanelColors(), RowColumns());
}

void TMain::PanelColDblClick(int panel) {
  ColorPanel* target = PanelCol[static_cast<std::size_t>(panel)];
  if (auto chosen = ui_.ChooseColor(target->PanelColor(), customColors_)) {
    target->SetPanelColor(*chosen & 0xFFFFFF);
  }
  StorePanelColors();
}

bool TMain::StorePanelColors() {
  std::vector<std::pair<std::string, std::string>> keys;
  for (int j = 0; j < 4; ++j) {
    keys.emplace_back(P::ColorKeys[j], std::to_string(PanelCol[static_cast<std::size_t>(j)]->PanelColor()));
  }
  return settings_.Store(keys);
}

void TMain::RadioX_XClick() {
  std::vector<std::pair<std::string, std::string>> keys;
  for (std::size_t i = 0; i < 4; ++i) {
    const int column = CheckedIndex(RadioGrid[i]);
    if (column >= 0) keys.emplace_back(P::ColorRowKeys[i], std::to_string(column));
  }
  settings_.Store(keys);
}

void TMain::RadioCharColClick() {
  const int charRow = CharColorRow();
  for (int i = 0; i < 4; ++i) NCharRole[static_cast<std::size_t>(i)]->setChecked(i == charRow);
  const int backRow = BackgroundColorRow();
  for (int i = 0; i < 4; ++i) NBackgroundRole[static_cast<std::size_t>(i)]->setChecked(i == backRow);
  settings_.Store({{P::CharColor, std::to_string(charRow < 0 ? 3 : charRow)},
                   {P::BackgroundColor, std::to_string(backRow < 0 ? 0 : backRow)}});
}

void TMain::NXXClick(bool background, int row) {
  auto& items = background ? NBackgroundRole : NCharRole;
  auto& radios = background ? RadioCharCol2 : RadioCharCol1;
  items[static_cast<std::size_t>(row)]->setChecked(true);
  QRadioButton* radio = radios[static_cast<std::size_t>(row)];
  if (radio->isChecked()) {
    RadioCharColClick();  // already chosen: the marks are put right again
  } else {
    radio->setChecked(true);
  }
}

void TMain::RadioBitClick() {
  settings_.StoreInteger(P::Bits, RadioBit1->isChecked() ? 1 : 4);
}

// ---------------------------------------------------------------------------------------------
// VOB file list

void TMain::LoadFileList() {
  VobFileListBox->SetEntries(VobFileList::Load(settings_.File()));
  FileListChanged();
}

void TMain::SaveFileList() {
  fileListStored_ =
      settings_.Report(VobFileList::Save(settings_.File(), VobFileListBox->Entries()));
}

void TMain::SetFileListFolded(bool folded) {
  fileListFolded_ = folded;
  BitBtn1->setText(folded ? QStringLiteral("\\/") : QStringLiteral("/\\"));
  // Folded, the list and its buttons are disabled and out of sight under the panel's edge.
  for (QWidget* widget : std::initializer_list<QWidget*>{VobFileListBox, BtnAddVobToList,
                                                        BtnDeleteVobFromList}) {
    widget->setEnabled(!folded);
    widget->setVisible(!folded);
  }
  PlaceFileListPanel();
}

void TMain::FoldFileList() {
  if (fileListFolded_) return;
  SetFileListFolded(true);
  SaveFileList();
}

void TMain::BitBtn1Click() {
  if (!fileListFolded_) {
    FoldFileList();
    return;
  }
  SetFileListFolded(false);
  // After a refused store the file is behind the panel; reading it would drop entries.
  if (fileListStored_) LoadFileList();
}

void TMain::BtnAddVobToListClick() {
  const auto chosen =
      ui_.ChooseOpenFile(tr("Open").toStdString(), EditVobRoot->text().toStdString(),
                         tr(VobOrImageFilter).toStdString());
  if (!chosen) return;
  if (!DiscImage::IsImage(*chosen)) {
    VobFileListBox->addItem(QString::fromStdString(*chosen));
  } else {
    std::vector<DiscImage::Entry> inside;
    const Status listed = DiscImage::List(*chosen, inside);
    if (!listed) {
      ui_.ShowMessage(MessageKind::Warning,
                      tr("Cannot open file %1 (%2)")
                          .arg(QString::fromStdString(*chosen), Translated(listed.Wording))
                          .toStdString());
      return;
    }
    // The title VOB files VTS_nn_1..9.VOB; the menus (VIDEO_TS.VOB, VTS_nn_0.VOB) hold no film.
    for (const DiscImage::Entry& entry : inside) {
      if (entry.Name.size() == 12 && entry.Name.rfind("VTS_", 0) == 0 && entry.Name[7] != '0' &&
          entry.Name.compare(8, 4, ".VOB") == 0)
        VobFileListBox->addItem(QString::fromStdString(*chosen + "/VIDEO_TS/" + entry.Name));
    }
  }
  FileListChanged();
}

void TMain::OpenVobFile(const std::string& path) {
  const std::vector<std::string> entries = VobFileListBox->Entries();
  const auto listed = std::find(entries.begin(), entries.end(), path);
  if (listed == entries.end()) VobFileListBox->addItem(QString::fromStdString(path));
  VobFileListBox->setCurrentRow(listed == entries.end()
                                    ? VobFileListBox->count() - 1
                                    : static_cast<int>(listed - entries.begin()));
  SaveFileList();
  if (fileListFolded_) SetFileListFolded(false);
  FileListChanged();
  // Another pair's .sub, or a Matroska file: the streams shown are its index's, or its own.
  if ((vobSubIndex_ && VobSubIndex::IsSubName(path) && path != vobSubFile_) ||
      (path != trackFile_ && DetectSourceFormat(path) != SourceFormat::PackStream))
    RefreshVobInfo();
}

void TMain::BtnDeleteVobFromListClick() {
  const int row = VobFileListBox->currentRow();
  if (VobFileListBox->count() == 0 || row < 0) return;
  delete VobFileListBox->takeItem(row);
  FileListChanged();
}

void TMain::FileListChanged() {
  if (navigator_) navigator_->SetFileList(VobFileListBox->Entries(), VobFileListBox->currentRow());
  UpdateReadingButtons();
}

}  // namespace quelm
