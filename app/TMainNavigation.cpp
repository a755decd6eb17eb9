// The main window's reading commands: the four steps over the navigation core, the progress
// labels, the subtitle display and bitmap saving.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "app/BitmapImage.h"
#include "app/ScriptView.h"
#include "app/TMain.h"
#include "app/VobFileListWidget.h"
#include "app/extraction/TVobSubToBmp.h"
#include "disc/VobSubIndex.h"
#include "navigation/BitmapSaving.h"
#include "navigation/IniPositionCache.h"
#include "navigation/ProgressDisplay.h"
#include "navigation/SubtitleDisplay.h"
#include "navigation/SubtitleNavigator.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace {
NumberFormat LocaleNumberFormat() {
  const QLocale locale;
  NumberFormat format;
  format.DecimalSeparator = locale.decimalPoint().toStdString();
  format.GroupSeparator = locale.groupSeparator().toStdString();
  return format;
}
}  // namespace

void TMain::ConnectNavigation() {
  positionCache_ = std::make_unique<IniPositionCache>(std::string(), false);
  navigator_ = std::make_unique<SubtitleNavigator>(
      ui_, *positionCache_,
      [this](const SubpictureRequest& request) { return RunExtraction(request); });

  navigator_->ReadSettings = [this] {
    ReadingSettings settings;
    settings.LanguageIndex = LanguageIndex();
    settings.BitmapColors = SetSubTitleColors();
    settings.InterlaceStep = TrackBar2->value();
    if (vobSubIndex_)
      settings.TimeShiftMs = [index = vobSubIndex_, sub = vobSubFile_,
                              stream = settings.LanguageIndex](const std::string& file,
                                                               std::int64_t position) {
        std::error_code error;
        const bool same = std::filesystem::equivalent(file, sub, error) && !error;
        return same ? index->DelayMsAt(stream, position) : std::int64_t{0};
      };
    return settings;
  };
  navigator_->SelectionChanged = [this](int index) { VobFileListBox->setCurrentRow(index); };
  navigator_->SubtitleNrChanged = [this](int number) {
    EditSubtitleNr->setText(QString::number(number));
  };
  navigator_->FileSizeLearned = [this](std::int64_t size) {
    LblFilePosition->setText(
        QString::fromStdString(InitialFilePositionText(size, LocaleNumberFormat())));
  };
  navigator_->ChapterAndTimeReset = [this] {
    LblChapter->setText(QStringLiteral(": 0"));
    LblBCDTimecode->setText(QStringLiteral(": 00:00:00"));
  };
  navigator_->SubtitleFound = [this](const SubpictureResult& result) -> Status {
    // Recognition takes the record's time and chapter from these labels.
    LblBCDTimecode->setText(QString::fromStdString(TimecodeLabelText(navigator_->SubtitleTime())));
    LblChapter->setText(QString::fromStdString(ChapterLabelText(navigator_->ChapterIndex())));
    subtitleBitmap_ = result.SubTitle;
    subtitleTrueColour_ = result.TrueColour;
    ++foundInStep_;
    ScaleSubtitleInWindow();
    // The number found, before its learning dialogue may hold the window for a while.
    if (gettingAll_) ShowAllProgress();
    if (const Status recognised = OCROnSubTitle(); !recognised) return recognised;
    if (!SaveFoundBitmap()) return Status::Failure(std::string());
    return Status::Success();
  };

  connect(BtnGotoFirst, &QToolButton::clicked, this, &TMain::BtnGotoFirstClick);
  connect(BtnGoBack, &QToolButton::clicked, this, &TMain::BtnGoBackClick);
  connect(BtnGoNext, &QToolButton::clicked, this, &TMain::BtnGoNextClick);
  connect(BtnGetAll, &QToolButton::clicked, this, &TMain::BtnGetAllClick);
  connect(ProgressTimer, &QTimer::timeout, this, &TMain::ProgressTimerTimer);
  connect(EditSubtitleNr, &QLineEdit::textChanged, this, &TMain::EditSubtitleNrChange);
  connect(BtnSaveBitmap, &QPushButton::clicked, this, [this] { BtnSaveBitmapClick(); });
  connect(Savebitmapas1, &QAction::triggered, this, [this] { BtnSaveBitmapClick(); });
}

int TMain::SubtitleNr() const { return navigator_ ? navigator_->SubtitleNr() : 0; }

int TMain::LanguageIndex() const {
  const int index = CheckManualLanguage->isChecked() ? ComboManualLanguage->currentIndex()
                                                     : ComboLanguages->currentIndex();
  return index < 0 ? 0 : index;
}

void TMain::NavigationOpening() {
  FoldFileList();
  navigator_->SetFileList(VobFileListBox->Entries(), VobFileListBox->currentRow());
  std::vector<std::string> chapterTable;
  for (int row = 0; row < TimecodeListbox->count(); ++row)
    chapterTable.push_back(TimecodeListbox->item(row)->text().toStdString());
  navigator_->SetChapterTable(std::move(chapterTable));
  positionCache_->SetVobRoot(EditVobRoot->text().toStdString());
  positionCache_->SetEnabled(positionCaching_);
}

void TMain::RunStep(int step) {
  // The extraction window is modal, but a step must never start inside another one.
  if (stepRunning_) return;
  stepRunning_ = true;
  AskNewScriptForStream();
  const std::size_t scriptLines = conversion_.Script().Lines().size();
  gettingAll_ = static_cast<NavigationStep>(step) == NavigationStep::All;
  foundInStep_ = 0;
  lastRunStopped_ = false;
  allTimer_.start();
  reportedDuringAll_.clear();
  scriptView_->SetCoalescing(gettingAll_);
  NavigationOpening();
  const StepOutcome outcome = navigator_->Step(static_cast<NavigationStep>(step));
  if (conversion_.Script().Lines().size() != scriptLines) scriptStream_ = LanguageIndex();
  lastFileReached_ = outcome.End == StepEnd::LastFileReached;
  const bool all = gettingAll_;
  gettingAll_ = false;
  scriptView_->SetCoalescing(false);
  ShowGuidance();
  // The normal end of reading: said as news, with what this run brought. A stop is the user's
  // own doing and needs no box.
  if (lastFileReached_ && !lastRunStopped_) {
    ui_.ShowMessage(MessageKind::Information,
                    all ? tr("All subtitles are read: %n in this run.", nullptr, foundInStep_)
                              .toStdString()
                        : tr(LastFileReachedMessage).toStdString());
  } else if (all && outcome.End == StepEnd::FileEnded) {
    StatusText->setText(tr("The file is read: %n subtitle(s) in this run. Press all to read the "
                           "next file.", nullptr, foundInStep_));
  }
  stepRunning_ = false;
}

void TMain::AskNewScriptForStream() {
  if (scriptStream_ < 0 || scriptStream_ == LanguageIndex()) return;
  // Another language's subtitles after these would make a script nobody can use.
  if (ui_.Ask(tr("The script holds subtitles of another stream.\nStart a new script for this "
                 "one?").toStdString(),
              Buttons::YesNo) == Answer::Yes)
    BtnClearTextClick();
  scriptStream_ = -1;
}

void TMain::BtnGotoFirstClick() { RunStep(static_cast<int>(NavigationStep::First)); }
void TMain::BtnGoBackClick() { RunStep(static_cast<int>(NavigationStep::Back)); }
void TMain::BtnGoNextClick() { RunStep(static_cast<int>(NavigationStep::Next)); }
void TMain::BtnGetAllClick() { RunStep(static_cast<int>(NavigationStep::All)); }

SubpictureResult TMain::RunExtraction(const SubpictureRequest& request) {
  ProgressTimer->start();
  if (!keptUnits_) keptUnits_ = std::make_shared<KeptUnitSource>();
  SubpictureResult result = TVobSubToBmp::Extract(
      ui_, request, this, [this](const ExtractionRun& run) { runningExtraction_ = &run; },
      keptUnits_);
  lastRunStopped_ = result.Stopped;
  // The window and its run are gone by now: the timer must not read them again.
  ProgressTimer->stop();
  runningExtraction_ = nullptr;
  return result;
}

void TMain::ProgressTimerTimer() {
  if (runningExtraction_ == nullptr) return;
  const ProgressDisplay display =
      UpdateProgressDisplay(runningExtraction_->FilePosition(), navigator_->VobFileSize(),
                            runningExtraction_->CurrentTime(), navigator_->SubtitleTime(),
                            navigator_->ChapterTable(), LocaleNumberFormat());
  LblFilePosition->setText(QString::fromStdString(display.FilePositionText));
  LblChapter->setText(QString::fromStdString(display.ChapterText));
  if (display.TimeUpdated) {
    navigator_->SetSubtitleTime(display.SubtitleTime);
    LblBCDTimecode->setText(QString::fromStdString(display.TimecodeText));
  }
  if (gettingAll_) ShowAllProgress();
}

void TMain::EditSubtitleNrChange() {
  const DisplayState state =
      ComputeDisplayState(SubtitleNr(), positionCaching_, CheckAutoSave->isChecked());
  BtnGoBack->setEnabled(state.GoBackEnabled);
  LblSubtitleNr->setVisible(state.SubtitleNrVisible);
  ImageLogo->setVisible(state.LogoVisible);
  BtnSaveBitmap->setEnabled(state.SaveBitmapEnabled);
  Savebitmapas1->setEnabled(state.SaveBitmapEnabled);
  // The core's text is the English one; the label follows the window's language.
  LblSubtitleNr->setText(tr("subtitlenr. %1").arg(SubtitleNr()));
  ShowGuidance();
}

void TMain::ScaleSubtitleInWindow() {
  stretched_ = NextStretchedMode(stretched_, subtitleBitmap_.Width(), subtitleBitmap_.Height());
  QPixmap picture = QPixmap::fromImage(
      ToQImage(subtitleTrueColour_.IsEmpty() ? subtitleBitmap_ : subtitleTrueColour_));
  // Stretched mode fits the whole area but keeps the picture's proportions: a 720 x 60 line
  // pulled to 350 x 259 is unreadable. A picture larger than the area is fitted as well, so
  // a long line is never cut at the edges.
  // A few pixels kept free, so a letter at the picture's edge does not look cut by the frame.
  const QSize area = ImageSubTitle->size().shrunkBy(QMargins(4, 4, 4, 4));
  const bool fitted = stretched_ || picture.width() > area.width() || picture.height() > area.height();
  if (fitted && !picture.isNull() && !area.isEmpty()) {
    const qreal ratio = devicePixelRatioF();
    picture = picture.scaled(area * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
  }
  ImageSubTitle->setAlignment(fitted ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
  ImageSubTitle->setPixmap(picture);
  ImageSubTitle->update();
}

bool TMain::SaveFoundBitmap() {
  if (!CheckAutoSave->isChecked()) return true;
  return BtnSaveBitmapClick();
}

bool TMain::BtnSaveBitmapClick() {
  if (SubtitleNr() < 1 || subtitleBitmap_.IsEmpty()) return true;
  const int selected = VobFileListBox->currentRow();
  if (selected < 0) return true;
  const std::array<Color, 4> colors = SetSubTitleColors();
  BitmapSaveOptions options;
  options.BitsPerPixel = RadioBit1->isChecked() ? 1 : 4;
  const int charRow = CharColorRow();
  const int backRow = BackgroundColorRow();
  options.InkColor = colors[static_cast<std::size_t>(charRow < 0 ? 3 : charRow)];
  options.BackgroundColor = colors[static_cast<std::size_t>(backRow < 0 ? 0 : backRow)];
  const Status saved = SaveBitmapAs(ui_, subtitleBitmap_,
                                    VobFileListBox->item(selected)->text().toStdString(),
                                    SubtitleNr(), CheckAutoSave->isChecked(),
                                    EditOutputRoot->text().toStdString(), options);
  if (!saved) {
    ui_.ShowMessage(MessageKind::Error, saved.Wording);
    return false;
  }
  return true;
}

}  // namespace quelm
