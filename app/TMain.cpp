// The main window's controls, menus and layout, and the start-up sequence.
#include "app/TMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ColorPanel.h"
#include "app/Named.h"
#include "app/ScriptView.h"
#include "app/VobFileListWidget.h"
#include "extraction/ExtractionRun.h"
#include "navigation/IniPositionCache.h"
#include "navigation/SubtitleNavigator.h"
#include "ocr/DictionaryCache.h"
#include "ocr/Suggestions.h"
#include "platform/UserInteraction.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace {

constexpr int FoldedHeight = 21;
constexpr int UnfoldedHeight = 115;

QLabel* MakeLabel(const char* name, const QString& caption, QWidget* parent = nullptr) {
  return Named(new QLabel(caption, parent), name);
}

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(checkable);
  return action;
}

// The logo shown over the display area until the first subtitle is found.
QPixmap DrawLogo(int width, int height, qreal ratio) {
  QPixmap pixmap(QSize(width, height) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(QColor(16, 24, 48));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height);
  sky.setColorAt(0, QColor(22, 36, 72));
  sky.setColorAt(1, QColor(6, 10, 24));
  painter.fillRect(QRect(0, 0, width, height), sky);
  // A disc behind the word.
  painter.setPen(QPen(QColor(90, 120, 180), 2));
  painter.setBrush(QColor(40, 60, 110));
  painter.drawEllipse(QPointF(width / 2.0, height / 2.0 - 12), 92, 92);
  painter.setBrush(QColor(16, 24, 48));
  painter.drawEllipse(QPointF(width / 2.0, height / 2.0 - 12), 14, 14);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(58);
  font.setBold(true);
  QPainterPath word;
  word.addText(0, 0, font, QStringLiteral("Quelm"));
  const QRectF box = word.boundingRect();
  word.translate(width / 2.0 - box.center().x(), height / 2.0 - 12 - box.center().y());
  painter.setPen(QPen(QColor(10, 10, 10), 4));
  painter.setBrush(Qt::white);
  painter.drawPath(word);
  QFont small(QStringLiteral("DejaVu Sans"));
  small.setPixelSize(13);
  painter.setFont(small);
  painter.setPen(QColor(200, 200, 200));
  painter.drawText(QRect(0, height - 44, width, 20), Qt::AlignCenter,
                   QCoreApplication::translate("quelm::TMain", "subtitles to text"));
  return pixmap;
}

QIcon DrawSignIcon(bool plus) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QPen(plus ? QColor(20, 120, 20) : QColor(170, 20, 20), 3));
  painter.drawLine(3, 8, 13, 8);
  if (plus) painter.drawLine(8, 3, 8, 13);
  return QIcon(pixmap);
}

QPixmap DrawRoleImage(bool foreground) {
  QPixmap pixmap(18, 18);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (foreground) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 18, 18), Qt::AlignCenter, QStringLiteral("A"));
  } else {
    painter.setPen(Qt::black);
    painter.setBrush(QColor(120, 120, 120));
    painter.drawRect(2, 2, 13, 13);
  }
  return pixmap;
}

}  // namespace

TMain::TMain(SettingsStore& settings, UserInteraction& ui, QWidget* parent)
    : QMainWindow(parent), settings_(settings), ui_(ui) {
  setObjectName(QStringLiteral("Main"));
  for (int i = 0; i < 4; ++i) customColors_[i] = Preferences::DefaultColors[i];
  engineMaker_ = MakeSuggestionEngine;
  engineBuilt_ = SuggestionEngineBuilt();
  BuildControls();
  BuildMenus();
  BuildHiddenControls();
  // Controls that depend on a check box start in the state its designed value gives them.
  SetColorControlsEnabled(!CheckAutoColorDetect->isChecked());
  ComboManualLanguage->setEnabled(CheckManualLanguage->isChecked());
  ConnectHandlers();
  ConnectNavigation();
  ConnectDiscHandlers();
  ConnectScriptHandlers();
  ConnectPeripheryHandlers();
  ConnectForcedHandlers();
  FormCreate();
}

TMain::~TMain() = default;

// ---------------------------------------------------------------------------------------------
// Controls

void TMain::BuildControls() {
  auto* central = Named(new QWidget(this), "MainPanel");
  setCentralWidget(central);
  auto* columns = new QHBoxLayout(central);
  columns->setContentsMargins(6, 4, 6, 6);
  columns->setSpacing(8);
  columns->addWidget(BuildRootsColumn(), 26);
  columns->addWidget(BuildReadingColumn(), 30);
  columns->addWidget(BuildSettingsColumn(), 36);

  // The file list panel folds out over the controls below it, as a drop-down does; it follows
  // the slot the layout keeps for its folded height.
  Panel9->setParent(central);
  Panel9->raise();
  fileListSlot_->installEventFilter(this);
  central->installEventFilter(this);
}

QWidget* TMain::BuildRootsColumn() {
  auto* column = Named(new QWidget, "RootsColumn");
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  auto addRoot = [&](const char* labelName, const QString& caption, QLineEdit*& edit,
                     const char* editName, QPushButton*& button, const char* buttonName) {
    layout->addWidget(MakeLabel(labelName, caption));
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    edit = Named(new QLineEdit, editName);
    edit->setReadOnly(true);
    button = Named(new QPushButton(tr("change...")), buttonName);
    row->addWidget(edit, 1);
    row->addWidget(button);
    layout->addLayout(row);
  };
  addRoot("Label1", tr("Vob/Ifo root"), EditVobRoot, "EditVobRoot", BtnChangeVobRoot,
          "BtnChangeVobRoot");
  addRoot("Label3", tr("Output root"), EditOutputRoot, "EditOutputRoot",
          BtnChangeOutputRoot, "BtnChangeOutputRoot");
  CheckOutputRoot = Named(new QCheckBox(tr("same as vob root")), "CheckOutputRoot");
  layout->addWidget(CheckOutputRoot);
  addRoot("Label5", tr("Dictionary root"), EditDictionaryRoot, "EditDictionaryRoot",
          BtnChangeDictionaryRoot, "BtnChangeDictionaryRoot");
  CheckDictionaryRoot = Named(new QCheckBox(tr("same as vob root (not recommended)")),
                              "CheckDictionaryRoot");
  layout->addWidget(CheckDictionaryRoot);
  layout->addSpacing(6);
  layout->addWidget(MakeLabel("Label2", tr("VOB root info")));
  ListBoxVobInfo = Named(new QListWidget, "ListBoxVobInfo");
  ListBoxVobInfo->setSelectionMode(QAbstractItemView::NoSelection);
  ListBoxVobInfo->setFocusPolicy(Qt::NoFocus);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  ListBoxVobInfo->setFont(fixed);
  QPalette silver = ListBoxVobInfo->palette();
  silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  ListBoxVobInfo->setPalette(silver);
  layout->addWidget(ListBoxVobInfo, 1);
  return column;
}

QWidget* TMain::BuildReadingColumn() {
  auto* column = Named(new QWidget, "ReadingColumn");
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);

  // Stream choice.
  layout->addWidget(MakeLabel("Label6", tr("Subtitle language")));
  auto* streams = new QHBoxLayout;
  ComboLanguages = Named(new QComboBox, "ComboLanguages");
  ComboLanguages->setMaxVisibleItems(16);
  ComboLanguages->setMinimumContentsLength(14);
  CheckManualLanguage = Named(new QCheckBox(tr("Manual")), "CheckManualLanguage");
  ComboManualLanguage = Named(new QComboBox, "ComboManualLanguage");
  ComboManualLanguage->setMaxVisibleItems(16);
  for (int i = 0; i < 32; ++i) {
    ComboManualLanguage->addItem(QStringLiteral("0x%1").arg(0x20 + i, 2, 16).toUpper().replace(
        QStringLiteral("0X"), QStringLiteral("0x")));
  }
  streams->addWidget(ComboLanguages, 1);
  streams->addWidget(CheckManualLanguage);
  streams->addWidget(ComboManualLanguage);
  layout->addLayout(streams);

  // VOB file list: the slot keeps the folded height in the layout; the panel itself floats.
  layout->addWidget(MakeLabel("Label10", tr("Select vobfile")));
  fileListSlot_ = Named(new QWidget, "FileListSlot");
  layout->addWidget(fileListSlot_);
  Panel9 = Named(new QFrame, "Panel9");
  static_cast<QFrame*>(Panel9)->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel9->setAutoFillBackground(true);
  auto* panelLayout = new QGridLayout(Panel9);
  panelLayout->setContentsMargins(2, 1, 2, 2);
  panelLayout->setSpacing(2);
  panelLayout->addWidget(MakeLabel("Label4", tr("List of vobfiles")), 0, 0);
  BitBtn1 = Named(new QPushButton(QStringLiteral("\\/")), "BitBtn1");
  BitBtn1->setFixedWidth(BitBtn1->fontMetrics().horizontalAdvance(QStringLiteral("/\\")) + 22);
  panelLayout->addWidget(BitBtn1, 0, 1);
  VobFileListBox = Named(new VobFileListWidget, "VobFileListBox");
  panelLayout->addWidget(VobFileListBox, 1, 0, 2, 1);
  BtnAddVobToList = Named(new QToolButton, "BtnAddVobToList");
  BtnAddVobToList->setIcon(DrawSignIcon(true));
  BtnAddVobToList->setToolTip(tr("add"));
  BtnDeleteVobFromList = Named(new QToolButton, "BtnDeleteVobFromList");
  BtnDeleteVobFromList->setIcon(DrawSignIcon(false));
  BtnDeleteVobFromList->setToolTip(tr("delete"));
  panelLayout->addWidget(BtnAddVobToList, 1, 1, Qt::AlignTop);
  panelLayout->addWidget(BtnDeleteVobFromList, 2, 1, Qt::AlignTop);
  panelLayout->setRowStretch(2, 1);
  fileListSlot_->setFixedHeight(qMax(FoldedHeight, BitBtn1->sizeHint().height() + 4));

  // Reading commands.
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  auto makeStep = [&](QToolButton*& button, const char* name, const QString& hint,
                      QStyle::StandardPixmap icon, QKeySequence key = {}) {
    button = Named(new QToolButton, name);
    button->setText(hint);
    button->setShortcut(key);
    button->setToolTip(key.isEmpty() ? hint
                                     : QStringLiteral("%1 (%2)").arg(
                                           hint, key.toString(QKeySequence::NativeText)));
    button->setIcon(style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    buttons->addWidget(button);
  };
  // Function keys: the script view, where the focus often is, takes every key with Ctrl.
  makeStep(BtnGotoFirst, "BtnGotoFirst", tr("first"), QStyle::SP_MediaSkipBackward,
           QKeySequence(Qt::Key_F5));
  makeStep(BtnGoBack, "BtnGoBack", tr("back"), QStyle::SP_MediaSeekBackward);
  makeStep(BtnGoNext, "BtnGoNext", tr("next"), QStyle::SP_MediaPlay, QKeySequence(Qt::Key_F6));
  makeStep(BtnGetAll, "BtnGetAll", tr("all"), QStyle::SP_MediaSeekForward,
           QKeySequence(Qt::Key_F7));
  layout->addLayout(buttons);

  // Progress labels.
  auto* progress = new QGridLayout;
  progress->setHorizontalSpacing(4);
  progress->setVerticalSpacing(0);
  progress->addWidget(MakeLabel("Label7", tr("File position")), 0, 0);
  LblFilePosition = MakeLabel("LblFilePosition", QStringLiteral(": 0/0  (0,00%)"));
  progress->addWidget(LblFilePosition, 0, 1, 1, 3);
  progress->addWidget(MakeLabel("Label16", tr("Time")), 1, 0);
  LblBCDTimecode = MakeLabel("LblBCDTimecode", QStringLiteral(": 00:00:00"));
  progress->addWidget(LblBCDTimecode, 1, 1);
  progress->addWidget(MakeLabel("Label9", tr("Chapter")), 1, 2);
  LblChapter = MakeLabel("LblChapter", QStringLiteral(": 0"));
  progress->addWidget(LblChapter, 1, 3);
  progress->setColumnStretch(1, 1);
  progress->setColumnStretch(3, 1);
  layout->addLayout(progress);

  // Display area with the logo over it.
  LblSubtitleNr = MakeLabel("LblSubtitleNr", tr("subtitlenr. %1").arg(0));
  QSizePolicy keepPlace = LblSubtitleNr->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  LblSubtitleNr->setSizePolicy(keepPlace);
  layout->addWidget(LblSubtitleNr);
  // The display grows with the window from the designed 350 x 259; the logo lies over it.
  auto* display = Named(new QFrame, "DisplayFrame");
  display->setMinimumSize(350, 259);
  display->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  auto* stack = new QGridLayout(display);
  stack->setContentsMargins(0, 0, 0, 0);
  ImageSubTitle = Named(new QLabel, "ImageSubTitle");
  ImageSubTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The picture is fitted to the area, never the area to the picture.
  ImageSubTitle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  ImageSubTitle->setAutoFillBackground(true);
  QPalette dark = ImageSubTitle->palette();
  dark.setColor(QPalette::Window, Qt::black);
  ImageSubTitle->setPalette(dark);
  ImageSubTitle->installEventFilter(this);
  ImageLogo = Named(new QLabel, "ImageLogo");
  ImageLogo->setPixmap(DrawLogo(350, 259, 2.0));
  ImageLogo->setAlignment(Qt::AlignCenter);
  ImageLogo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  ImageLogo->installEventFilter(this);
  stack->addWidget(ImageSubTitle, 0, 0);
  stack->addWidget(ImageLogo, 0, 0);
  ImageLogo->raise();
  layout->addWidget(display, 1);

  // Bitmap saving.
  auto* saving = new QHBoxLayout;
  BtnSaveBitmap = Named(new QPushButton(tr("save bitmap as...")), "BtnSaveBitmap");
  CheckAutoSave = Named(new QCheckBox(tr("auto save")), "CheckAutoSave");
  RadioBit1 = Named(new QRadioButton(tr("1 bit")), "RadioBit1");
  RadioBit4 = Named(new QRadioButton(tr("4 bit")), "RadioBit4");
  bitsGroup_ = new QButtonGroup(this);
  bitsGroup_->addButton(RadioBit1);
  bitsGroup_->addButton(RadioBit4);
  RadioBit4->setChecked(true);
  saving->addWidget(BtnSaveBitmap);
  saving->addWidget(CheckAutoSave);
  saving->addStretch(1);
  saving->addWidget(RadioBit1);
  saving->addWidget(RadioBit4);
  layout->addLayout(saving);
  column->setMinimumWidth(362);
  return column;
}

QWidget* TMain::BuildColorsBlock() {
  auto* block = Named(new QGroupBox(tr("Colors")), "GroupColors");
  auto* grid = new QGridLayout(block);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(0);
  const int cell = qMax(24, style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + 8);
  const int rowHeight = qMax(20, style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight) + 4);

  // Header row: the display colour panels over the grid's columns, the role pictures over theirs.
  auto* panels = new QHBoxLayout;
  panels->setSpacing(0);
  for (int j = 0; j < 4; ++j) {
    PanelCol[j] = Named(new ColorPanel, ("PanelCol" + std::to_string(j)).c_str());
    PanelCol[j]->setFixedSize(cell, rowHeight);
    PanelCol[j]->SetPanelColor(Preferences::DefaultColors[j]);
    PanelCol[j]->setToolTip(tr("double click to change"));
    panels->addWidget(PanelCol[j]);
  }
  grid->addLayout(panels, 0, 1);
  auto* image1 = Named(new QLabel, "Image1");
  image1->setPixmap(DrawRoleImage(true));
  image1->setToolTip(tr("foregroundcolor"));
  image1->setAlignment(Qt::AlignCenter);
  image1->setFixedWidth(cell);
  auto* image2 = Named(new QLabel, "Image2");
  image2->setPixmap(DrawRoleImage(false));
  image2->setToolTip(tr("backgroundcolor"));
  image2->setAlignment(Qt::AlignCenter);
  image2->setFixedWidth(cell);
  grid->addWidget(image1, 0, 2);
  grid->addWidget(image2, 0, 3);

  // Rows: the mapping radios (one group per row) and the role columns.
  Panel1 = Named(new QWidget, "Panel1");
  Panel4 = Named(new QWidget, "Panel4");
  auto* charColumn = new QVBoxLayout(Panel1);
  auto* backColumn = new QVBoxLayout(Panel4);
  for (auto* l : {charColumn, backColumn}) {
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
  }
  charGroup_ = new QButtonGroup(this);
  backgroundGroup_ = new QButtonGroup(this);
  const char* rowLabels[4] = {"Label11", "Label12", "Label13", "Label14"};
  for (int i = 0; i < 4; ++i) {
    auto* label = MakeLabel(rowLabels[i], QString::number(i));
    label->setFixedHeight(rowHeight);
    grid->addWidget(label, i + 1, 0);
    rowPanels_[i] = Named(new QWidget, ("Panel" + std::to_string(5 + i)).c_str());
    auto* rowLayout = new QHBoxLayout(rowPanels_[i]);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(0);
    rowGroups_[i] = new QButtonGroup(this);
    for (int j = 0; j < 4; ++j) {
      auto* radio = Named(new QRadioButton,
                          ("Radio" + std::to_string(i) + "_" + std::to_string(j)).c_str());
      radio->setFixedSize(cell, rowHeight);
      radio->setStyleSheet(QStringLiteral("QRadioButton { padding-left: %1px; }").arg((cell - 16) / 2));
      rowGroups_[i]->addButton(radio, j);
      rowLayout->addWidget(radio);
      RadioGrid[i][j] = radio;
    }
    RadioGrid[i][i]->setChecked(true);
    grid->addWidget(rowPanels_[i], i + 1, 1);

    RadioCharCol1[i] = Named(new QRadioButton, ("RadioCharCol1_" + std::to_string(i)).c_str());
    RadioCharCol2[i] = Named(new QRadioButton, ("RadioCharCol2_" + std::to_string(i)).c_str());
    for (auto* radio : {RadioCharCol1[i], RadioCharCol2[i]}) {
      radio->setFixedSize(cell, rowHeight);
      radio->setStyleSheet(QStringLiteral("QRadioButton { padding-left: %1px; }").arg((cell - 16) / 2));
    }
    charGroup_->addButton(RadioCharCol1[i], i);
    backgroundGroup_->addButton(RadioCharCol2[i], i);
    charColumn->addWidget(RadioCharCol1[i]);
    backColumn->addWidget(RadioCharCol2[i]);
  }
  RadioCharCol1[Preferences::DefaultCharColor]->setChecked(true);
  RadioCharCol2[Preferences::DefaultBackgroundColor]->setChecked(true);
  grid->addWidget(Panel1, 1, 2, 4, 1);
  grid->addWidget(Panel4, 1, 3, 4, 1);

  CheckAutoColorDetect =
      Named(new QCheckBox(tr("Auto colordetection")), "CheckAutoColorDetect");
  CheckAutoColorDetect->setToolTip(
      tr("if checked colorsettimgs are done by autodetection"));
  CheckAutoColorDetect->setChecked(Preferences::DefaultAutoColorDetection);
  grid->addWidget(CheckAutoColorDetect, 0, 5, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
  grid->setColumnMinimumWidth(4, 10);
  grid->setColumnStretch(5, 1);
  return block;
}

QWidget* TMain::BuildSettingsColumn() {
  auto* column = Named(new QWidget, "SettingsColumn");
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  layout->addWidget(BuildColorsBlock());

  auto* ocr = Named(new QGroupBox(tr("OCR")), "GroupOCR");
  auto* ocrLayout = new QGridLayout(ocr);
  ocrLayout->setContentsMargins(6, 4, 6, 4);
  ocrLayout->setVerticalSpacing(2);
  ocrLayout->addWidget(MakeLabel("Label8", tr("Width of space character (pixels) :")),
                       0, 0, 1, 2);
  TrackBar1 = Named(new QSlider(Qt::Horizontal), "TrackBar1");
  TrackBar1->setRange(Preferences::MinSpaceWidth, Preferences::MaxSpaceWidth);
  TrackBar1->setValue(Preferences::DefaultSpaceWidth);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  EditSpaceWidth = Named(new QLineEdit(QString::number(Preferences::DefaultSpaceWidth)),
                         "EditSpaceWidth");
  EditSpaceWidth->setFixedWidth(EditSpaceWidth->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  CheckAutoSpaceWidth = Named(new QCheckBox(tr("automatic")), "CheckAutoSpaceWidth");
  CheckAutoSpaceWidth->setChecked(Preferences::DefaultAutoSpaceWidth);
  TrackBar1->setEnabled(!Preferences::DefaultAutoSpaceWidth);
  EditSpaceWidth->setEnabled(!Preferences::DefaultAutoSpaceWidth);
  auto* spaceWidthRow = new QHBoxLayout;
  spaceWidthRow->addWidget(TrackBar1, 1);
  spaceWidthRow->addWidget(CheckAutoSpaceWidth);
  ocrLayout->addLayout(spaceWidthRow, 1, 0);
  ocrLayout->addWidget(EditSpaceWidth, 1, 1);
  ocrLayout->addWidget(MakeLabel("Label20", tr("Interlace")), 2, 0, 1, 2);
  TrackBar2 = Named(new QSlider(Qt::Horizontal), "TrackBar2");
  TrackBar2->setRange(Preferences::MinInterlace, Preferences::MaxInterlace);
  TrackBar2->setValue(Preferences::DefaultInterlace);
  TrackBar2->setTickPosition(QSlider::TicksBelow);
  EditInterlace = Named(new QLineEdit(QString::number(Preferences::DefaultInterlace)),
                        "EditInterlace");
  EditInterlace->setFixedWidth(EditSpaceWidth->width());
  ocrLayout->addWidget(TrackBar2, 3, 0);
  ocrLayout->addWidget(EditInterlace, 3, 1);
  CheckOCREnable =
      Named(new QCheckBox(tr("Enable OCR on found subtitle")), "CheckOCREnable");
  CheckOCREnable->setChecked(Preferences::DefaultEnableOcr);
  CheckAutocloseOCR =
      Named(new QCheckBox(tr("Automatic close OCR window")), "CheckAutocloseOCR");
  CheckAutocloseOCR->setChecked(Preferences::DefaultAutoCloseOcr);
  auto* checks = new QVBoxLayout;
  checks->setSpacing(0);
  checks->addWidget(CheckOCREnable);
  checks->addWidget(CheckAutocloseOCR);
  checks->addStretch(1);
  LearnRadioGroup1 = Named(new QGroupBox(tr(" Learn ")), "LearnRadioGroup1");
  auto* learnLayout = new QVBoxLayout(LearnRadioGroup1);
  learnLayout->setContentsMargins(6, 2, 6, 2);
  learnLayout->setSpacing(0);
  learnGroup_ = new QButtonGroup(this);
  const char* learnNames[3] = {"LearnRadioGroup1Item0", "LearnRadioGroup1Item1",
                               "LearnRadioGroup1Item2"};
  const QString learnCaptions[3] = {tr("while reading"),
                                    tr("after reading"),
                                    tr("automatically")};
  for (int i = 0; i < 3; ++i) {
    learnItems_[i] = Named(new QRadioButton(learnCaptions[i]), learnNames[i]);
    learnGroup_->addButton(learnItems_[i], i);
    learnLayout->addWidget(learnItems_[i]);
  }
  learnItems_[0]->setChecked(true);
  auto* flags = new QHBoxLayout;
  flags->addLayout(checks, 1);
  flags->addWidget(LearnRadioGroup1);
  ocrLayout->addLayout(flags, 4, 0, 1, 2);
  layout->addWidget(ocr);

  auto* script = Named(new QGroupBox(tr("Script")), "GroupScript");
  auto* scriptLayout = new QVBoxLayout(script);
  scriptLayout->setContentsMargins(6, 4, 6, 6);
  scriptLayout->setSpacing(3);
  auto* scriptBar = new QHBoxLayout;
  BtnClearText = Named(new QPushButton(tr("clear")), "BtnClearText");
  BtnSaveTo = Named(new QPushButton(tr("save to ...")), "BtnSaveTo");
  BtnSaveTo->setToolTip(
      tr("Save the script (%1)")
          .arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
  EditIniXOutput = Named(new QLineEdit, "EditIniXOutput");
  EditIniXOutput->setReadOnly(true);
  scriptBar->addWidget(BtnClearText);
  scriptBar->addWidget(BtnSaveTo);
  scriptBar->addWidget(EditIniXOutput, 1);
  scriptLayout->addLayout(scriptBar);
  RichEdit1 = Named(new QPlainTextEdit, "RichEdit1");
  RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scriptLayout->addWidget(RichEdit1, 1);
  layout->addWidget(script, 1);
  return column;
}

void TMain::BuildHiddenControls() {
  QWidget* host = centralWidget();
  auto hide = [](QWidget* widget) {
    widget->setVisible(false);
    return widget;
  };
  CheckManualVobFile = Named(new QCheckBox(host), "CheckManualVobFile");
  EditManualVobFile = Named(new QLineEdit(host), "EditManualVobFile");
  BtnManualVobFile = Named(new QPushButton(host), "BtnManualVobFile");
  ComboVobFiles = Named(new QComboBox(host), "ComboVobFiles");
  TimecodeListbox = Named(new QListWidget(host), "TimecodeListbox");
  EditSubtitleNr = Named(new QLineEdit(host), "EditSubtitleNr");
  EditSubtitleNr->setReadOnly(true);
  UWScript = Named(new QPlainTextEdit(host), "UWScript");
  // Hidden and only ever appended to: a film's undo history would be pure weight.
  UWScript->setUndoRedoEnabled(false);
  TempListBox1 = Named(new QListWidget(host), "TempListBox1");
  ListBoxSubpicBody = Named(new QListWidget(host), "ListBoxSubpicBody");
  MathListBox = Named(new QListWidget(host), "MathListBox");
  for (QWidget* widget :
       std::initializer_list<QWidget*>{CheckManualVobFile, EditManualVobFile, BtnManualVobFile,
                                       ComboVobFiles, TimecodeListbox, EditSubtitleNr, UWScript,
                                       TempListBox1, ListBoxSubpicBody, MathListBox}) {
    hide(widget);
  }
  TimecodeListbox->addItem(QStringLiteral("00:00:00"));
  ProgressTimer = Named(new QTimer(this), "ProgressTimer");
  ProgressTimer->setInterval(1);
}

// ---------------------------------------------------------------------------------------------
// Menus

void TMain::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* file = Named(bar->addMenu(tr("&File")), "File1");
  Savetextas1 = MakeAction(file, "Savetextas1", tr("&Save script as..."));
  Savebitmapas1 = MakeAction(file, "Savebitmapas1", tr("S&ave bitmap as..."));
  Savebitmapas1->setEnabled(false);
  file->addSeparator();
  Exit1 = MakeAction(file, "Exit1", tr("E&xit"));
  ConnectRecordsHandlers(file, Savetextas1);

  QMenu* settings = Named(bar->addMenu(tr("&Settings")), "Settings1");
  QMenu* directories = Named(settings->addMenu(tr("&Directories")), "Directories1");
  vobroot1 = MakeAction(directories, "vobroot1", tr("&VOB/IFO root..."));
  outputroot1 = MakeAction(directories, "outputroot1", tr("&Output root..."));
  dictionaryroot1 = MakeAction(directories, "dictionaryroot1", tr("&Dictionary root..."));

  QMenu* colors = Named(settings->addMenu(tr("&Colors")), "Colors1");
  for (int i = 0; i < 4; ++i) {
    bitmapcolor[i] = MakeAction(colors, ("bitmapcolor" + std::to_string(i) + "1").c_str(),
                                tr("&%1. Color %1...").arg(i));
  }
  colors->addSeparator();
  QMenu* charRole = Named(colors->addMenu(tr("Character color")), "Recognisioncolor1");
  QMenu* backRole = Named(colors->addMenu(tr("Background color")), "Backgroundcolor1");
  for (int i = 0; i < 4; ++i) {
    NCharRole[i] = MakeAction(charRole, ("N" + std::to_string(i) + "1").c_str(),
                              QStringLiteral("&%1").arg(i), true);
    NBackgroundRole[i] = MakeAction(backRole, ("N" + std::to_string(i) + "2").c_str(),
                                    QStringLiteral("&%1").arg(i + 1), true);
  }
  NCharRole[Preferences::DefaultCharColor]->setChecked(true);
  NBackgroundRole[Preferences::DefaultBackgroundColor]->setChecked(true);
  colors->addSeparator();
  SelectAutoColorDetect = MakeAction(colors, "SelectAutoColorDetect", tr("&Autodetect"), true);
  SelectAutoColorDetect->setChecked(Preferences::DefaultAutoColorDetection);

  QMenu* manual = Named(settings->addMenu(tr("&Manual selections")), "Manualselections1");
  selectmanuallanuage1 = MakeAction(manual, "selectmanuallanuage1", tr("Manual &language"), true);
  selectmanualvob1 = MakeAction(manual, "selectmanualvob1", tr("Manual &vob"), true);
  subtitlelanguage1 = Named(manual->addMenu(tr("&Subtitle language")), "subtitlelanguage1");
  auto* streamGroup = new QActionGroup(this);
  streamGroup->setExclusive(true);
  for (int i = 0; i < 32; ++i) {
    const QString hex = QString::number(0x20 + i, 16).toUpper();
    NX[i] = MakeAction(subtitlelanguage1, ("NX" + hex.toStdString()).c_str(),
                       QStringLiteral("0x") + hex, true);
    streamGroup->addAction(NX[i]);
  }
  NX[0]->setChecked(true);
  subtitlelanguage1->setEnabled(false);
  vobfileselection1 = MakeAction(manual, "vobfileselection1", tr("&Vob file selection..."));
  vobfileselection1->setEnabled(false);

  QMenu* caching = Named(settings->addMenu(tr("Position caching")), "PositionCaching1");
  PCEnabled1 = MakeAction(caching, "PCEnabled1", tr("Enabled"), true);
  PCDisabled1 = MakeAction(caching, "PCDisabled1", tr("Disabled"), true);
  PCDisabled1->setChecked(true);

  QMenu* ocr = Named(settings->addMenu(tr("&OCR")), "OCR1");
  EnabledOCR1 = MakeAction(ocr, "EnabledOCR1", tr("&Enable OCR recognision"), true);
  EnabledOCR1->setChecked(Preferences::DefaultEnableOcr);
  AutomaticcloseOCRwindow1 = MakeAction(ocr, "AutomaticcloseOCRwindow1",
                                        tr("&Automatic close OCR window"), true);
  AutomaticcloseOCRwindow1->setChecked(Preferences::DefaultAutoCloseOcr);
  Suggestionlanguage1 = Named(ocr->addMenu(tr("Suggestion language")),
                              "Suggestionlanguage1");
  GUI1 = Named(settings->addMenu(tr("GUI &Language")), "GUI1");

  QMenu* dictionary = Named(bar->addMenu(tr("&Dictionary")), "Dictionary1");
  Editdictionary1 = MakeAction(dictionary, "Editdictionary1", tr("&Edit entries..."));
  Updatetextoutput1 = MakeAction(dictionary, "Updatetextoutput1", tr("&Update textoutput..."));
  Undolastanswer1 = MakeAction(dictionary, "Undolastanswer1", tr("U&ndo last answer"));
  Undolastanswer1->setShortcut(QKeySequence::Undo);
  Undolastanswer1->setEnabled(false);
  connect(dictionary, &QMenu::aboutToShow, this, &TMain::UpdateUndoAnswer);
  dictionary->addSeparator();
  Learnwhilereadingvob1 = MakeAction(dictionary, "Learnwhilereadingvob1",
                                     tr("Learn &while reading VOB"), true);
  Learnafterreadingvob1 = MakeAction(dictionary, "Learnafterreadingvob1",
                                     tr("Learn &after reading VOB"), true);
  Learnautomatically1 = MakeAction(dictionary, "Learnautomatically1",
                                   tr("Learn a&utomatically"), true);
  Learnwhilereadingvob1->setChecked(true);

  Output1 = Named(bar->addMenu(tr("&Output")), "Output1");
  EditCustomIni1 = MakeAction(Output1, "EditCustomIni1", tr("&Edit (new) format..."));
  HBar = Output1->addSeparator();
  HBar->setObjectName(QStringLiteral("HBar"));

  QMenu* tools = Named(bar->addMenu(tr("&Tools")), "Tools1");
  Edittoollist1 = MakeAction(tools, "Edittoollist1", tr("&Edit tools..."));
  HBarTools = tools->addSeparator();
  HBarTools->setObjectName(QStringLiteral("HBarTools"));

  QMenu* help = Named(bar->addMenu(tr("&Help")), "Help1");
  About1 = MakeAction(help, "About1", tr("&About..."));
  Savetextas1->setShortcut(QKeySequence::Save);
  BuildGuidance(file, help);
}

// ---------------------------------------------------------------------------------------------
// Start-up and close

void TMain::FormCreate() {
  setWindowTitle(QString::fromLatin1(Caption));
  ReadIniFile();
  CreateLangMenu();
  CreateToolMenu();
  CreateOutputIniMenu();
  BtnClearTextClick();
  RefreshVobInfo();
  EditSubtitleNr->setText(QStringLiteral("0"));
  EditSubtitleNrChange();
  SetFileListFolded(true);
  UpdateReadingButtons();
  RestoreGeometry();
}

void TMain::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  SaveFileList();
  StoreGeometry();
  event->accept();
}

void TMain::Exit1Click() { close(); }

bool TMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ImageSubTitle && event->type() == QEvent::Resize && !subtitleBitmap_.IsEmpty())
    ScaleSubtitleInWindow();
  if (watched == ImageLogo && event->type() == QEvent::Resize && !ImageLogo->size().isEmpty())
    ImageLogo->setPixmap(DrawLogo(ImageLogo->width(), ImageLogo->height(), devicePixelRatioF()));
  if ((watched == fileListSlot_ || watched == centralWidget()) &&
      (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
       event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)) {
    PlaceFileListPanel();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMain::PlaceFileListPanel() {
  if (Panel9 == nullptr || fileListSlot_ == nullptr) return;
  const QPoint topLeft = fileListSlot_->mapTo(centralWidget(), QPoint(0, 0));
  const int folded = fileListSlot_->height();
  // Unfolded it shows about seven rows; never shorter than the designed 115 pixels.
  const int rows = VobFileListBox->fontMetrics().height() + 2;
  const int unfolded = qMax(UnfoldedHeight, folded + 7 * rows + 8);
  Panel9->setGeometry(topLeft.x(), topLeft.y(), fileListSlot_->width(),
                      fileListFolded_ ? folded : unfolded);
  Panel9->raise();
}

}  // namespace quelm
