// The main window's recognition of a found subtitle: the conversion's step, read through the
// recognition window, with the kept colours set back into the controls; and the engine that
// suggests texts for unknown characters.
#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>

#include "app/TMain.h"
#include "app/Translated.h"
#include "app/ocr/TOCR.h"
#include "navigation/SubtitleNavigator.h"
#include "ocr/DictionaryCache.h"
#include "ocr/RecognitionRun.h"
#include "ocr/Suggestions.h"
#include "output/FactsFromTiming.h"
#include "platform/UserInteraction.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace {
// The labels read ": " and then the value.
std::string LabelValue(const QLabel* label) {
  return label->text().mid(2).toStdString();
}

// The choices of the "Suggestion language" submenu; empty: from the stream.
constexpr std::pair<const char*, const char*> SuggestionLanguages[] = {
    {"", QT_TRANSLATE_NOOP("quelm::TMain", "From the subtitle stream")},
    {"eng", QT_TRANSLATE_NOOP("quelm::TMain", "English (eng)")},
    {"deu", QT_TRANSLATE_NOOP("quelm::TMain", "German (deu)")},
    {"fra", QT_TRANSLATE_NOOP("quelm::TMain", "French (fra)")},
};
}  // namespace

void TMain::SetSuggestionEngineMaker(SuggestionEngineMaker maker) {
  engineMaker_ = std::move(maker);
  engineBuilt_ = true;
  suggestionEngine_.reset();
  engineLanguage_.reset();
}

std::string TMain::SuggestionLanguage() const {
  if (!ocrLanguage_.empty()) return ocrLanguage_;
  // As the look-alike rules take it: a manually chosen stream has no known language.
  const int stream = CheckManualLanguage->isChecked() ? -1 : ComboLanguages->currentIndex();
  if (stream >= 0 && stream < static_cast<int>(streamCodes_.size())) {
    const std::string language = EngineLanguage(streamCodes_[static_cast<std::size_t>(stream)]);
    if (!language.empty()) return language;
  }
  return "eng";
}

SuggestionEngine* TMain::Suggestions() {
  const std::string language = SuggestionLanguage();
  if (engineLanguage_ == language) return suggestionEngine_.get();
  engineLanguage_ = language;
  suggestionEngine_.reset();
  Phrase message;
  suggestionEngine_ = engineMaker_(language, message);
  // Without an engine in the build there is nothing to tell: learning asks as it always did.
  // A failed engine is not tried again for every subtitle, so this comes once per language.
  if (!message.Empty() && engineBuilt_)
    ui_.ShowMessage(MessageKind::Warning,
                    (Translated(message) + (suggestionEngine_ ? QString() : tr(": nothing is suggested")))
                        .toStdString());
  return suggestionEngine_.get();
}

void TMain::BuildSuggestionLanguageMenu() {
  for (QAction* action : suggestionLanguageActions_) delete action;
  suggestionLanguageActions_.clear();
  auto* group = Suggestionlanguage1->findChild<QActionGroup*>();
  if (group == nullptr) group = new QActionGroup(Suggestionlanguage1);
  std::vector<std::pair<std::string, QString>> items;
  for (const auto& [language, caption] : SuggestionLanguages)
    items.emplace_back(language, tr(caption));
  // A language set in the file by hand stays choosable.
  if (std::none_of(items.begin(), items.end(), [&](const auto& i) { return i.first == ocrLanguage_; }))
    items.emplace_back(ocrLanguage_, QString::fromStdString(ocrLanguage_));
  for (const auto& [language, caption] : items) {
    QAction* action = Suggestionlanguage1->addAction(caption);
    action->setObjectName(QStringLiteral("SuggestLanguage") +
                          (language.empty() ? QStringLiteral("Stream") : QString::fromStdString(language)));
    action->setCheckable(true);
    action->setChecked(language == ocrLanguage_);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, language] { SuggestionLanguageClick(language); });
    suggestionLanguageActions_.push_back(action);
  }
}

void TMain::SuggestionLanguageClick(const std::string& language) {
  ocrLanguage_ = language;
  settings_.StoreString(Preferences::OcrLanguage, language);
}

Status TMain::OCROnSubTitle() {
  if (!CheckOCREnable->isChecked()) return Status::Success();
  const std::string dictionaryRoot = EditDictionaryRoot->text().toStdString();
  if (dictionaryRoot.empty()) {
    // Learned characters would land in whatever directory the program was started from.
    return Status::Failure(
        tr("No dictionary root is set: choose one under Settings, Directories, Dictionary root.")
            .toStdString());
  }

  RecognitionSettings settings;
  settings.SpaceWidth = TrackBar1->value();
  settings.AutoSpaceWidth = CheckAutoSpaceWidth->isChecked();
  settings.AutoDetectColors = CheckAutoColorDetect->isChecked();
  settings.DictionaryRoot = dictionaryRoot;
  const int learn = LearnMode();
  settings.LearnAfterReading = learn == Preferences::LearnAfterReading;
  settings.LearnAutomatically = learn == Preferences::LearnAutomatically;
  if (!settings.LearnAfterReading) settings.Suggestions = Suggestions();
  // SetSubTitleColors for a recognition window: a role with no checked button keeps its default.
  settings.Colors = SetSubTitleColors();
  if (const int row = CharColorRow(); row >= 0)
    settings.CharColor = settings.Colors[static_cast<std::size_t>(row)];
  if (const int row = BackgroundColorRow(); row >= 0)
    settings.BackgroundColor = settings.Colors[static_cast<std::size_t>(row)];

  const std::size_t before = conversion_.Script().Lines().size();
  const std::uint64_t lineage = conversion_.Script().Lineage();
  const SubtitlePlace place{LabelValue(LblBCDTimecode), LabelValue(LblChapter),
                            navigator_ ? FactsFromTiming(navigator_->LastTiming()) : RecordFacts()};
  // The window shows the run and asks in its own dialogue.
  const SubtitleStep step =
      conversion_.RecogniseSubtitle(subtitleBitmap_, settings, place, WindowRecogniser());
  // An answer taken back in an earlier subtitle replaced records.
  const bool replaced = conversion_.Script().Lineage() != lineage;
  if (replaced) ShowAllRecords();
  UpdateUndoAnswer();
  if (step.End != RecognitionEnd::Appended) {
    if (replaced) Updatetextoutput1Click();
    // The window has shown why; an empty failure ends "all" without saying it again.
    return step.End == RecognitionEnd::Failed ? step.Outcome : Status::Success();
  }

  if (step.KeepColors) {
    // Checking the role button stores charcolor; unchecking detection stores its key and
    // enables the colour controls again.
    if (step.CharColorIndex)
      RadioCharCol1[static_cast<std::size_t>(*step.CharColorIndex)]->setChecked(true);
    CheckAutoColorDetect->setChecked(false);
  }
  if (!replaced) ShowNewRecords(before);
  Updatetextoutput1Click();
  return Status::Success();
}

Recogniser TMain::WindowRecogniser() {
  OcrSession session;
  // A pause per subtitle adds minutes to a film and shows nobody anything: "all" goes on at
  // once. Single steps keep the pause.
  if (gettingAll_) session.AutoCloseMs = 0;
  if (!dictionaryCache_) dictionaryCache_ = std::make_unique<DictionaryCache>();
  session.Dictionary = dictionaryCache_.get();
  session.Settings = &settings_;
  return TOCR::AsRecogniser(ui_, CheckAutocloseOCR->isChecked(), this, session);
}

void TMain::UpdateUndoAnswer() {
  Undolastanswer1->setEnabled(dictionaryCache_ &&
                              conversion_.CanUndoAnswer(dictionaryCache_->Dictionary()));
}

void TMain::Undolastanswer1Click() {
  UpdateUndoAnswer();
  if (!Undolastanswer1->isEnabled()) return;
  const SubtitleStep step =
      conversion_.UndoAnswer(dictionaryCache_->Dictionary(), WindowRecogniser(), Suggestions());
  ShowAllRecords();
  Updatetextoutput1Click();
  UpdateUndoAnswer();
  if (step.End == RecognitionEnd::Failed && !step.Outcome.Message.empty())
    ui_.ShowMessage(MessageKind::Error, step.Outcome.Wording);
}

}  // namespace quelm
