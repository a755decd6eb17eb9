// The main window's recognition of a found subtitle: the conversion's step, read through the
// recognition window, with the kept colours set back into the controls.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "app/TMain.h"
#include "app/ocr/TOCR.h"
#include "navigation/SubtitleNavigator.h"
#include "ocr/DictionaryCache.h"
#include "ocr/RecognitionRun.h"
#include "output/FactsFromTiming.h"
#include "platform/UserInteraction.h"

namespace quelm {

namespace {
// The labels read ": " and then the value.
std::string LabelValue(const QLabel* label) {
  return label->text().mid(2).toStdString();
}
}  // namespace

Status TMain::OCROnSubTitle() {
  if (!CheckOCREnable->isChecked()) return Status::Success();
  const std::string dictionaryRoot = EditDictionaryRoot->text().toStdString();
  if (dictionaryRoot.empty()) {
    // Learned characters would land in whatever directory the program was started from.
    return Status::Failure(
        "No dictionary root is set: choose one under Settings, Directories, Dictionary root.");
  }

  RecognitionSettings settings;
  settings.SpaceWidth = TrackBar1->value();
  settings.AutoSpaceWidth = CheckAutoSpaceWidth->isChecked();
  settings.AutoDetectColors = CheckAutoColorDetect->isChecked();
  const bool autoClose = CheckAutocloseOCR->isChecked();
  settings.DictionaryRoot = dictionaryRoot;
  settings.LearnAfterReading = learnItems_[1]->isChecked();
  // SetSubTitleColors for a recognition window: a role with no checked button keeps its default.
  settings.Colors = SetSubTitleColors();
  if (const int row = CharColorRow(); row >= 0)
    settings.CharColor = settings.Colors[static_cast<std::size_t>(row)];
  if (const int row = BackgroundColorRow(); row >= 0)
    settings.BackgroundColor = settings.Colors[static_cast<std::size_t>(row)];

  OcrSession session;
  // A pause per subtitle adds minutes to a film and shows nobody anything: "all" goes on at
  // once. Single steps keep the pause.
  if (gettingAll_) session.AutoCloseMs = 0;
  if (!dictionaryCache_) dictionaryCache_ = std::make_unique<DictionaryCache>();
  session.Dictionary = dictionaryCache_.get();
  const SubtitlePlace place{LabelValue(LblBCDTimecode), LabelValue(LblChapter),
                            navigator_ ? FactsFromTiming(navigator_->LastTiming()) : RecordFacts()};
  const std::size_t before = conversion_.Script().Lines().size();
  // The window shows the run and asks in its own dialogue.
  const SubtitleStep step = conversion_.RecogniseSubtitle(
      subtitleBitmap_, settings, place, TOCR::AsRecogniser(ui_, autoClose, this, session));
  // The window has shown why; an empty failure ends "all" without saying it again.
  if (step.End == RecognitionEnd::Failed) return step.Outcome;
  if (step.End == RecognitionEnd::Aborted) return Status::Success();

  if (step.KeepColors) {
    // Checking the role button stores charcolor; unchecking detection stores its key and
    // enables the colour controls again.
    if (step.CharColorIndex)
      RadioCharCol1[static_cast<std::size_t>(*step.CharColorIndex)]->setChecked(true);
    CheckAutoColorDetect->setChecked(false);
  }
  ShowNewRecords(before);
  Updatetextoutput1Click();
  return Status::Success();
}

}  // namespace quelm
