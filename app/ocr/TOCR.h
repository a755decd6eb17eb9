// The recognition window: runs one RecognitionRun over a subpicture when first shown, asks the
// user about unknown characters in the window itself, saves the dictionary when it closes.
#pragma once

#include <QDialog>
#include <QPoint>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "conversion/Conversion.h"
#include "ocr/CharDictionary.h"
#include "ocr/DictionaryCache.h"
#include "ocr/RecognitionRun.h"
#include "platform/Bitmap.h"
#include "platform/UserInteraction.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace quelm {

class SettingsStore;

// What the main window takes back from one recognition window.
struct OcrOutcome {
  // Also set when the run could not start (dictionary unreadable) or failed writing a bitmap;
  // nothing goes into the script then.
  bool Aborted = true;
  // The dictionary could not be read or written: the window has said why, and reading on would
  // only say it again for every subtitle.
  bool Failed = false;
  std::vector<std::string> VisibleLines;
  // One line of character references per text line: the record's body.
  std::vector<std::string> ReferenceLines;
  Color FinalCharColor = ColorWhite;
  // "Keep these colors" was checked.
  bool KeepColors = false;
  // The run's own result, for what taking an answer back needs.
  RecognitionResult Run;
};

// How long an automatically closing window stays after its run, so that the user sees what
// was read.
inline constexpr int DefaultAutoCloseMs = 100;

// What the main window decides for a recognition window beyond the settings.
struct OcrSession {
  int AutoCloseMs = DefaultAutoCloseMs;
  // The dictionary kept from window to window; none: the window reads its own.
  DictionaryCache* Dictionary = nullptr;
  // Keeps where the user put the window; none: it opens beside the preview each time.
  SettingsStore* Settings = nullptr;
};

class TOCR : public QDialog {
  Q_OBJECT

 public:
  explicit TOCR(UserInteraction& ui, QWidget* parent = nullptr);
  ~TOCR() override;

  void SetSubpicture(const Bitmap& subpicture) { subpicture_ = subpicture; }
  void SetSettings(const RecognitionSettings& settings, bool autoClose);
  void SetAutoCloseInterval(int ms);
  // Use `cache` instead of a dictionary of the window's own; set before the window is shown.
  void SetDictionaryCache(DictionaryCache* cache) { dictionary_ = cache ? cache : &ownDictionary_; }
  void RememberPlaceIn(SettingsStore* settings) { settingsStore_ = settings; }

  // One recognition the way the main window performs it: create the window, hand it the
  // subpicture and the settings, show it modally, read the outcome back, destroy it.
  static OcrOutcome Recognize(UserInteraction& ui, const Bitmap& subpicture,
                              const RecognitionSettings& settings, bool autoClose,
                              QWidget* parent = nullptr, const OcrSession& session = {});
  // The same as the conversion's recogniser, one window per subpicture. A failure the window
  // has shown comes back without a message.
  static Recogniser AsRecogniser(UserInteraction& ui, bool autoClose, QWidget* parent,
                                 const OcrSession& session);

  OcrOutcome Outcome() const;
  bool HasRun() const { return hasRun_; }
  bool IsRunning() const { return running_; }
  bool WaitingForInput() const { return waitingForInput_; }
  const CharDictionary& Dictionary() const { return dictionary_->Dictionary(); }

  QLabel* Label1 = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel* CharacterImage = nullptr;
  QLineEdit* EditAscii = nullptr;
  QLineEdit* UWEditAscii = nullptr;
  // Where the suggested text came from; shown only while a question has a suggestion.
  QLabel* LblSuggestion = nullptr;
  // What to do, shown while a question waits.
  QLabel* LblInstruction = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* TextLineImage = nullptr;
  QWidget* Shape1 = nullptr;
  QPlainTextEdit* MemoTextLines = nullptr;
  QPlainTextEdit* UWMemoTextLines = nullptr;
  QLabel* CurrentImage = nullptr;
  QLabel* TempImage = nullptr;
  QPushButton* BtnSkipChar = nullptr;
  QPushButton* BtnSkipTextline = nullptr;
  QPushButton* BtnChangeCharColor = nullptr;
  QCheckBox* CheckKeepColors = nullptr;
  QPushButton* BtnAbort = nullptr;
  QPushButton* BtnClose = nullptr;
  // Takes back the subtitle's last answer (also Ctrl+Z); enabled while one can be.
  QPushButton* BtnUndo = nullptr;
  QTimer* TimerAutoClose = nullptr;

 public slots:
  void reject() override;
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void FormActivate();
  void BtnSkipCharClick();
  void BtnSkipTextlineClick();
  void BtnChangeCharColorClick();
  void CheckKeepColorsClick(bool checked);
  void BtnAbortClick();
  void BtnUndoClick();
  void BtnCloseClick();
  void TimerAutoCloseTimer();

 private:
  CharacterAnswer GetAsciiCharacter(const CharacterQuestion& question);
  void SetQuestionControls(bool asking, bool changeColorAllowed, bool undoAllowed);
  // Where the user put the window before, else beside the main window's preview.
  void Place();
  // An empty answer teaches a shape that stands for nothing: only when the user says so.
  bool IgnoreShapeConfirmed();
  void ShowTextLine(const Bitmap& line, bool flatten);
  void ShowCharacter(const Bitmap& character, const CutBox& box);
  void ShowLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);
  void FormClose();
  void PumpEvents();
  void ShowPending();
  // The window goes as soon as its run is over, before it could be painted again.
  bool ClosingAtOnce() const;

  UserInteraction& ui_;
  SettingsStore* settingsStore_ = nullptr;
  QPoint placed_;
  bool asked_ = false;
  Bitmap subpicture_;
  RecognitionSettings settings_;
  bool autoClose_ = true;
  DictionaryCache ownDictionary_;
  DictionaryCache* dictionary_ = &ownDictionary_;
  std::unique_ptr<RecognitionRun> run_;
  RecognitionResult result_;
  Color charColor_ = ColorWhite;
  // Scale of the shown line against its pixels, for the frame.
  double lineScaleX_ = 1.0;
  double lineScaleY_ = 1.0;
  QTimer* wakeTimer_ = nullptr;
  static constexpr std::chrono::milliseconds PumpInterval{4};
  std::chrono::steady_clock::time_point lastPump_;
  std::optional<Bitmap> pendingLine_;
  std::optional<std::pair<Bitmap, CutBox>> pendingCharacter_;

  bool hasRun_ = false;
  bool running_ = false;
  bool dictionaryLoaded_ = false;
  bool saved_ = false;
  bool saveFailed_ = false;
  bool waitingForInput_ = false;
  bool skipCharacter_ = false;
  bool skipTextline_ = false;
  bool changeColorRequested_ = false;
  bool aborted_ = false;
  bool undoRequested_ = false;
};

}  // namespace quelm
