// The recognition window over RecognitionRun. The run asks through a callback; the window
// answers by letting events run until the user presses Enter or one of the buttons, whose
// handlers only set flags.
#include "app/ocr/TOCR.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/BitmapImage.h"
#include "app/FrameMark.h"
#include "app/Named.h"
#include "app/Translated.h"
#include "ocr/Segmentation.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace {

constexpr int ClientWidth = 703;
constexpr int ClientHeight = 346;
// Between the window and the preview it keeps clear of.
constexpr int PlacementGap = 8;
constexpr QRect LineArea(176, 40, 500, 105);
constexpr int CharacterArea = 105;
// Small glyphs are enlarged by a whole factor, up to this, so the user can tell them apart.
constexpr int MaxZoom = 4;
constexpr Color Silver = 0xC0C0C0;

void SetBase(QWidget* w, const QColor& color) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, color);
  // The reference stays readable on silver while its edit is disabled.
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x40, 0x40, 0x40));
  w->setPalette(p);
}

QColor SilverColor() { return QColor(ColorRed(Silver), ColorGreen(Silver), ColorBlue(Silver)); }

}  // namespace

TOCR::TOCR(UserInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("OCR");
  setWindowTitle(tr("OCR"));
  setModal(true);
  // No title-bar buttons: the window closes through "Close", Escape or by itself.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(ClientWidth, ClientHeight);

  Label1 = Named(new QLabel(tr("Found character:"), this), "Label1");
  Label1->move(24, 16);
  Panel1 = Named(new QFrame(this), "Panel1");
  Panel1->setGeometry(24, 32, 121, 121);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // White paper around the glyph, which is drawn black on white.
  Panel1->setAutoFillBackground(true);
  QPalette paper = Panel1->palette();
  paper.setColor(QPalette::Window, Qt::white);
  Panel1->setPalette(paper);
  CharacterImage = Named(new QLabel(Panel1), "CharacterImage");
  CharacterImage->setGeometry(8, 8, CharacterArea, CharacterArea);
  CharacterImage->setAlignment(Qt::AlignCenter);

  EditAscii = Named(new QLineEdit(this), "EditAscii");
  EditAscii->setGeometry(24, 153, 121, 22);
  UWEditAscii = Named(new QLineEdit(this), "UWEditAscii");
  UWEditAscii->setGeometry(24, 177, 121, 22);
  for (QLineEdit* edit : {EditAscii, UWEditAscii}) {
    edit->setEnabled(false);
    SetBase(edit, SilverColor());
    edit->installEventFilter(this);
  }

  LblSuggestion = Named(new QLabel(this), "LblSuggestion");
  LblSuggestion->setGeometry(24, 316, 652, 22);
  LblSuggestion->setTextFormat(Qt::PlainText);
  LblSuggestion->hide();
  LblInstruction = Named(new QLabel(tr("Type the character(s) in the red frame, then Enter"), this),
                         "LblInstruction");
  LblInstruction->setWordWrap(true);
  LblInstruction->setTextFormat(Qt::PlainText);
  QFont bold = LblInstruction->font();
  bold.setBold(true);
  LblInstruction->setFont(bold);
  LblInstruction->hide();

  Label2 = Named(new QLabel(tr("Textline in subpicture"), this), "Label2");
  Label2->move(176, 16);
  TextLineImage = Named(new QLabel(this), "TextLineImage");
  TextLineImage->setGeometry(LineArea);
  TextLineImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  MemoTextLines = Named(new QPlainTextEdit(this), "MemoTextLines");
  MemoTextLines->setGeometry(176, 152, 500, 78);
  MemoTextLines->setReadOnly(true);
  MemoTextLines->setFocusPolicy(Qt::NoFocus);
  SetBase(MemoTextLines, SilverColor());
  UWMemoTextLines = Named(new QPlainTextEdit(this), "UWMemoTextLines");
  UWMemoTextLines->setGeometry(192, 160, 465, 49);
  UWMemoTextLines->hide();
  CurrentImage = Named(new QLabel(this), "CurrentImage");
  CurrentImage->hide();
  TempImage = Named(new QLabel(this), "TempImage");
  TempImage->hide();

  // The red frame around the current character; painted over the line, never in the way.
  Shape1 = Named(new FrameMark(Qt::red, 2, 4, this), "Shape1");
  Shape1->setGeometry(184, 160, 20, 20);
  Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Shape1->hide();

  // Buttons as wide as their captions need where a translation lengthens them.
  const auto atLeast = [](QPushButton* button, int width) {
    return std::max(width, button->sizeHint().width());
  };
  BtnSkipChar = Named(new QPushButton(tr("Skip character"), this), "BtnSkipChar");
  BtnSkipChar->setGeometry(24, 200, atLeast(BtnSkipChar, 121), 30);
  BtnSkipTextline = Named(new QPushButton(tr("Skip textline"), this), "BtnSkipTextline");
  BtnSkipTextline->setGeometry(24, 240, atLeast(BtnSkipTextline, 121), 30);
  BtnChangeCharColor = Named(new QPushButton(tr("Change color"), this), "BtnChangeCharColor");
  BtnChangeCharColor->setGeometry(176, 240, atLeast(BtnChangeCharColor, 113), 30);
  CheckKeepColors = Named(new QCheckBox(tr("Keep these colors"), this), "CheckKeepColors");
  CheckKeepColors->move(BtnChangeCharColor->geometry().right() + 8, 246);
  CheckKeepColors->adjustSize();
  BtnAbort = Named(new QPushButton(tr("Abort"), this), "BtnAbort");
  BtnAbort->setGeometry(464, 240, 97, 30);
  BtnClose = Named(new QPushButton(tr("Close"), this), "BtnClose");
  BtnClose->setGeometry(576, 240, 97, 30);
  BtnUndo = Named(new QPushButton(tr("Undo last answer"), this), "BtnUndo");
  // As wide as its caption needs, which a translation may lengthen.
  BtnUndo->setGeometry(24, 280, atLeast(BtnUndo, 121), 30);
  const int instructionLeft = std::max(176, BtnUndo->geometry().right() + 12);
  LblInstruction->setGeometry(instructionLeft, 280, ClientWidth - 24 - instructionLeft, 30);
  // Ctrl+Z anywhere in the window; the character edit would keep it, eventFilter passes it on.
  BtnUndo->setShortcut(QKeySequence::Undo);
  BtnUndo->setToolTip(tr("Forget the last answer and ask about its character again (Ctrl+Z)"));
  for (QPushButton* b :
       {BtnSkipChar, BtnSkipTextline, BtnChangeCharColor, BtnAbort, BtnClose, BtnUndo}) {
    // Enter belongs to the character edit, never to a default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setEnabled(false);
  }
  CheckKeepColors->setEnabled(false);
  Label1->adjustSize();
  Label2->adjustSize();

  TimerAutoClose = Named(new QTimer(this), "TimerAutoClose");
  TimerAutoClose->setInterval(DefaultAutoCloseMs);
  TimerAutoClose->setSingleShot(false);
  // Wakes the waiting dialogue now and then, so that it can look at its flags even when no
  // input arrives (test drivers and the run's own checks act between events).
  wakeTimer_ = new QTimer(this);
  wakeTimer_->setInterval(15);

  connect(BtnSkipChar, &QPushButton::clicked, this, &TOCR::BtnSkipCharClick);
  connect(BtnSkipTextline, &QPushButton::clicked, this, &TOCR::BtnSkipTextlineClick);
  connect(BtnChangeCharColor, &QPushButton::clicked, this, &TOCR::BtnChangeCharColorClick);
  connect(CheckKeepColors, &QCheckBox::toggled, this, &TOCR::CheckKeepColorsClick);
  connect(BtnAbort, &QPushButton::clicked, this, &TOCR::BtnAbortClick);
  connect(BtnClose, &QPushButton::clicked, this, &TOCR::BtnCloseClick);
  connect(BtnUndo, &QPushButton::clicked, this, &TOCR::BtnUndoClick);
  connect(TimerAutoClose, &QTimer::timeout, this, &TOCR::TimerAutoCloseTimer);
}

TOCR::~TOCR() = default;

void TOCR::SetAutoCloseInterval(int ms) { TimerAutoClose->setInterval(ms < 0 ? 0 : ms); }

void TOCR::SetSettings(const RecognitionSettings& settings, bool autoClose) {
  settings_ = settings;
  autoClose_ = autoClose;
  charColor_ = settings.CharColor;
}

OcrOutcome TOCR::Recognize(UserInteraction& ui, const Bitmap& subpicture,
                           const RecognitionSettings& settings, bool autoClose, QWidget* parent,
                           const OcrSession& session) {
  TOCR window(ui, parent);
  window.SetSubpicture(subpicture);
  window.SetSettings(settings, autoClose);
  window.SetAutoCloseInterval(session.AutoCloseMs);
  window.SetDictionaryCache(session.Dictionary);
  window.RememberPlaceIn(session.Settings);
  window.exec();
  return window.Outcome();
}

Recogniser TOCR::AsRecogniser(UserInteraction& ui, bool autoClose, QWidget* parent,
                              const OcrSession& session) {
  return [&ui, autoClose, parent, session](const Bitmap& subpicture,
                                           const RecognitionSettings& settings) {
    const OcrOutcome outcome = Recognize(ui, subpicture, settings, autoClose, parent, session);
    RecognitionResult result = outcome.Run;
    result.Aborted = outcome.Aborted;
    if (outcome.Failed) result.Outcome = Status::Failure(std::string());
    result.VisibleLines = outcome.VisibleLines;
    result.ReferenceLines = outcome.ReferenceLines;
    result.FinalCharColor = outcome.FinalCharColor;
    result.KeepColors = outcome.KeepColors;
    return result;
  };
}

OcrOutcome TOCR::Outcome() const {
  OcrOutcome o;
  if (!hasRun_ || running_) return o;
  o.Aborted = result_.Aborted || !dictionaryLoaded_;
  o.Failed = !dictionaryLoaded_ || !result_.Outcome.Ok || saveFailed_;
  o.VisibleLines = result_.VisibleLines;
  o.ReferenceLines = result_.ReferenceLines;
  o.FinalCharColor = result_.FinalCharColor;
  o.KeepColors = result_.KeepColors || CheckKeepColors->isChecked();
  o.Run = result_;
  return o;
}

void TOCR::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (hasRun_) return;
  hasRun_ = true;
  running_ = true;
  Place();
  // After the show has been handled, so the window is on screen while the run goes.
  QTimer::singleShot(0, this, &TOCR::FormActivate);
}

void TOCR::FormActivate() {
  setCursor(Qt::WaitCursor);
  const DictionaryLoadResult loaded = dictionary_->Load(settings_.DictionaryRoot);
  dictionaryLoaded_ = loaded.Outcome.Ok;
  result_ = RecognitionResult{};
  result_.Aborted = true;
  if (!dictionaryLoaded_) {
    // Nothing is learned or saved: saving now would replace an index that could not be read.
    ui_.ShowMessage(MessageKind::Error, loaded.Outcome.Wording);
  } else {
    if (!loaded.Warnings.empty()) {
      std::string text;
      for (const Phrase& w : loaded.WarningWordings)
        text += (text.empty() ? "" : "\n") + Translated(w).toStdString();
      ui_.ShowMessage(MessageKind::Warning, text);
    }
    run_ = std::make_unique<RecognitionRun>(dictionary_->Dictionary(), settings_);
    run_->AskCharacter = [this](const CharacterQuestion& q) { return GetAsciiCharacter(q); };
    run_->EventPump = [this] { PumpEvents(); };
    run_->OnCharColorChanged = [this](Color c) { charColor_ = c; };
    // Shown when the window is next painted: drawing every character of a subtitle that is
    // read in a millisecond shows nobody anything.
    run_->OnTextLine = [this](const Bitmap& line, const CutBox&) {
      pendingLine_ = line;
      pendingCharacter_.reset();
    };
    run_->OnCharacter = [this](const Bitmap& c, const CutBox& box) {
      pendingCharacter_ = std::make_pair(c, box);
    };
    lastPump_ = std::chrono::steady_clock::now();
    if (!ClosingAtOnce())
      CurrentImage->setPixmap(QPixmap::fromImage(ToQImage(subpicture_)));
    result_ = run_->UpdateDictionary(subpicture_);
    if (!result_.Outcome.Ok) ui_.ShowMessage(MessageKind::Error, result_.Outcome.Wording);
  }
  // Laying out texts and pictures that nobody will see cost more than reading them.
  if (!ClosingAtOnce()) {
    ShowPending();
    ShowLines(MemoTextLines, result_.VisibleLines);
    ShowLines(UWMemoTextLines, result_.ReferenceLines);
  }
  unsetCursor();
  running_ = false;
  if (autoClose_)
    TimerAutoClose->start();
  else
    BtnClose->setEnabled(true);
}

void TOCR::Place() {
  QRect frame = frameGeometry();
  if (settingsStore_) {
    int x = 0;
    int y = 0;
    char comma = 0;
    std::istringstream stored(settingsStore_->ReadString(Preferences::OcrWindowPosition, ""));
    // Kept only while it still lies on a screen (a monitor may have gone).
    if (stored >> x >> comma >> y && comma == ',' &&
        QGuiApplication::screenAt(QPoint(x, y) + QPoint(frame.width() / 2, 20))) {
      placed_ = QPoint(x, y);
      move(placed_);
      return;
    }
  }
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  frame.moveCenter(area.center());
  // Beside the preview, so that the subtitle stays in sight: right, left, below, above.
  const QWidget* preview = parentWidget() ? parentWidget()->window()->findChild<QWidget*>(
                                                "ImageSubTitle")
                                          : nullptr;
  if (preview && preview->isVisible()) {
    const QRect shown(preview->mapToGlobal(QPoint(0, 0)), preview->size());
    const int top = std::clamp(shown.top(), area.top(), area.bottom() - frame.height());
    const int left = std::clamp(shown.left(), area.left(), area.right() - frame.width());
    // On a screen too small for any of them, the place on it that hides least of the preview.
    qint64 hidden = std::numeric_limits<qint64>::max();
    for (const QPoint corner :
         {QPoint(shown.right() + PlacementGap, top),
          QPoint(shown.left() - PlacementGap - frame.width(), top),
          QPoint(left, shown.bottom() + PlacementGap),
          QPoint(left, shown.top() - PlacementGap - frame.height())}) {
      QRect candidate(corner, frame.size());
      candidate.moveLeft(std::clamp(candidate.left(), area.left(), area.right() - frame.width()));
      candidate.moveTop(std::clamp(candidate.top(), area.top(), area.bottom() - frame.height()));
      const QRect overlap = candidate.intersected(shown);
      const qint64 covered = overlap.isEmpty() ? 0 : qint64{overlap.width()} * overlap.height();
      if (covered < hidden) {
        hidden = covered;
        frame = candidate;
      }
      if (covered == 0) break;
    }
  }
  placed_ = frame.topLeft();
  move(placed_);
}

bool TOCR::ClosingAtOnce() const {
  return autoClose_ && TimerAutoClose->interval() == 0;
}

void TOCR::ShowPending() {
  if (pendingLine_) ShowTextLine(*pendingLine_, true);
  if (pendingCharacter_) ShowCharacter(pendingCharacter_->first, pendingCharacter_->second);
  pendingLine_.reset();
  pendingCharacter_.reset();
}

void TOCR::PumpEvents() {
  // Clicks are still seen within a few milliseconds; a pump per character made the window,
  // not the reading, the cost of a subtitle.
  const auto now = std::chrono::steady_clock::now();
  if (now - lastPump_ < PumpInterval) return;
  ShowPending();
  ui_.ProcessEvents();
  lastPump_ = std::chrono::steady_clock::now();
}

CharacterAnswer TOCR::GetAsciiCharacter(const CharacterQuestion& question) {
  pendingLine_.reset();
  pendingCharacter_.reset();
  unsetCursor();
  ShowTextLine(question.Line, true);
  ShowCharacter(question.Character, question.CharacterBox);
  ShowLines(MemoTextLines, question.VisibleLines);
  UWEditAscii->setText(QString::fromStdString("<" + question.FileName + ">"));
  EditAscii->clear();
  asked_ = true;
  SetQuestionControls(true, question.ChangeColorAllowed, question.UndoAllowed);
  if (question.HasSuggestion) {
    // Selected, so that Enter takes it and typing replaces it.
    EditAscii->setText(QString::fromStdString(question.Suggestion));
    EditAscii->selectAll();
  }
  if (question.HasSuggestion && !question.SuggestedWord.empty()) {
    const QString word = QString::fromStdString(question.SuggestedWord);
    LblSuggestion->setText(tr("Suggested from the word: %1")
                               .arg(LblSuggestion->fontMetrics().elidedText(
                                   word, Qt::ElideRight, LblSuggestion->width() / 2)));
    LblSuggestion->show();
  }

  skipCharacter_ = skipTextline_ = changeColorRequested_ = aborted_ = undoRequested_ = false;
  const auto byButton = [this] {
    return skipCharacter_ || skipTextline_ || changeColorRequested_ || aborted_ || undoRequested_;
  };
  wakeTimer_->start();
  for (;;) {
    waitingForInput_ = true;
    while (waitingForInput_ && !byButton()) {
      ui_.ProcessEvents();
      if (!isVisible()) aborted_ = true;  // taken away from the user: nobody can answer
      if (!waitingForInput_ || byButton()) break;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (byButton() || !EditAscii->text().isEmpty() || IgnoreShapeConfirmed()) break;
  }
  wakeTimer_->stop();
  waitingForInput_ = false;

  CharacterAnswer answer;
  answer.KeepColors = CheckKeepColors->isChecked();
  if (aborted_)
    answer.Kind = AnswerKind::Abort;
  else if (undoRequested_)
    answer.Kind = AnswerKind::Undo;
  else if (changeColorRequested_)
    answer.Kind = AnswerKind::ChangeColor;
  else if (skipTextline_)
    answer.Kind = AnswerKind::SkipTextline;
  else if (skipCharacter_)
    answer.Kind = AnswerKind::SkipCharacter;
  else
    answer.Text = EditAscii->text().toStdString();
  if (answer.Kind == AnswerKind::Text)
    EditAscii->setText(answer.Text == "<" ? "<<" : QString::fromStdString(answer.Text));
  SetQuestionControls(false, false, false);
  LblSuggestion->hide();
  setCursor(Qt::WaitCursor);
  return answer;
}

bool TOCR::IgnoreShapeConfirmed() {
  const Answer a = ui_.Ask(
      tr("Nothing was typed for the character in the red frame.\n\n"
         "Ignore this shape from now on? It is then learned as standing for nothing and left "
         "out wherever it occurs, which is right for a speck of dust.\n\n"
         "No: back to the question.")
          .toStdString(),
      Buttons::YesNoDefaultNo);
  if (a == Answer::Yes) return true;
  EditAscii->setFocus(Qt::OtherFocusReason);
  return false;
}

void TOCR::SetQuestionControls(bool asking, bool changeColorAllowed, bool undoAllowed) {
  BtnUndo->setEnabled(asking && undoAllowed);
  LblInstruction->setVisible(asking);
  BtnSkipChar->setEnabled(asking);
  BtnSkipTextline->setEnabled(asking);
  BtnAbort->setEnabled(asking);
  const bool colours = asking && changeColorAllowed && !CheckKeepColors->isChecked();
  BtnChangeCharColor->setEnabled(colours);
  CheckKeepColors->setEnabled(colours);
  EditAscii->setEnabled(asking);
  SetBase(EditAscii, asking ? palette().color(QPalette::Base) : SilverColor());
  if (asking) {
    activateWindow();
    EditAscii->setFocus(Qt::OtherFocusReason);
  }
}

void TOCR::ShowTextLine(const Bitmap& line, bool flatten) {
  // The line as the run sees it: ink black on white paper.
  Bitmap shown = line;
  if (flatten) FlattenTextLine(shown, charColor_);
  const int lw = std::max(shown.Width(), 1);
  const int lh = std::max(shown.Height(), 1);
  double w = lw;
  double h = lh;
  if (w > LineArea.width()) {
    h = h * LineArea.width() / w;
    w = LineArea.width();
  }
  if (h > 113) {
    w = w * 113 / h;
    h = 113;
  }
  if (w == lw && h == lh) {
    const int zoom = std::clamp(std::min(LineArea.width() / lw, LineArea.height() / lh), 1, MaxZoom);
    w = lw * zoom;
    h = lh * zoom;
  }
  const QSize size(static_cast<int>(std::lround(w)), static_cast<int>(std::lround(h)));
  lineScaleX_ = size.width() / static_cast<double>(lw);
  lineScaleY_ = size.height() / static_cast<double>(lh);
  TextLineImage->setGeometry(QRect(LineArea.topLeft(), size));
  TextLineImage->setPixmap(ScaledPixmap(shown, size));
  Shape1->hide();
}

void TOCR::ShowCharacter(const Bitmap& character, const CutBox& box) {
  const int cw = std::max(character.Width(), 1);
  const int ch = std::max(character.Height(), 1);
  QSize size(cw, ch);
  const int zoom = std::clamp(CharacterArea / std::max(cw, ch), 1, MaxZoom);
  size *= zoom;
  if (size.width() > CharacterArea || size.height() > CharacterArea)
    size = size.scaled(CharacterArea, CharacterArea, Qt::KeepAspectRatio);
  CharacterImage->setPixmap(ScaledPixmap(character, size));

  const QPoint origin = TextLineImage->pos();
  const int left = origin.x() + static_cast<int>(std::lround(box.Left * lineScaleX_)) - 5;
  const int top = origin.y() + static_cast<int>(std::lround(box.Top * lineScaleY_)) - 5;
  const int width = static_cast<int>(std::lround((box.Right + 1 - box.Left) * lineScaleX_)) + 10;
  const int height = static_cast<int>(std::lround((box.Bottom + 1 - box.Top) * lineScaleY_)) + 10;
  Shape1->setGeometry(left, top, width, height);
  Shape1->show();
  Shape1->raise();
}

void TOCR::ShowLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& l : lines) text << QString::fromStdString(l);
  memo->setPlainText(text.join('\n'));
}

void TOCR::BtnSkipCharClick() { skipCharacter_ = true; }

void TOCR::BtnSkipTextlineClick() { skipTextline_ = true; }

void TOCR::BtnChangeCharColorClick() {
  changeColorRequested_ = true;
  // Until the next line is cut, the whole subpicture is shown.
  ShowTextLine(subpicture_, false);
}

void TOCR::CheckKeepColorsClick(bool checked) {
  if (!checked) return;
  BtnChangeCharColor->setEnabled(false);
  CheckKeepColors->setEnabled(false);
  if (run_) run_->KeepColors();
}

void TOCR::BtnAbortClick() {
  aborted_ = true;
  if (run_) run_->RequestAbort();
}

void TOCR::BtnUndoClick() {
  if (BtnUndo->isEnabled()) undoRequested_ = true;
}

void TOCR::BtnCloseClick() { accept(); }

void TOCR::TimerAutoCloseTimer() {
  TimerAutoClose->stop();
  accept();
}

bool TOCR::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == EditAscii || watched == UWEditAscii) && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      waitingForInput_ = false;
      return true;
    }
    // The edit would take Ctrl+Z for its own text.
    if (key->matches(QKeySequence::Undo)) {
      BtnUndoClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TOCR::reject() {
  // Escape is "Close", and like the button it only works once the run is over.
  if (BtnClose->isEnabled()) BtnCloseClick();
}

void TOCR::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    return;
  }
  FormClose();
  QDialog::closeEvent(event);
}

void TOCR::done(int result) {
  if (running_) return;
  TimerAutoClose->stop();
  FormClose();
  QDialog::done(result);
}

void TOCR::FormClose() {
  // Only a window that asked was on screen long enough to be moved.
  if (settingsStore_ && asked_ && pos() != placed_) {
    placed_ = pos();
    settingsStore_->StoreString(Preferences::OcrWindowPosition,
                                std::to_string(placed_.x()) + "," + std::to_string(placed_.y()));
  }
  if (saved_ || !hasRun_ || !dictionaryLoaded_) return;
  saved_ = true;
  const Status s = dictionary_->Save(settings_.DictionaryRoot);
  saveFailed_ = !s.Ok;
  if (!s.Ok) ui_.ShowMessage(MessageKind::Error, s.Wording);
}

}  // namespace quelm
