// The extraction window over ExtractionRun; everything it asks of the user goes through the
// injected interaction, including letting events run during the scan.
#include "app/extraction/TVobSubToBmp.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace quelm {

namespace {

constexpr int ClientWidth = 313;
constexpr int ClientHeight = 114;

}  // namespace

TVobSubToBmp::TVobSubToBmp(UserInteraction& ui, QWidget* parent,
                           std::shared_ptr<KeptUnitSource> kept)
    : QDialog(parent), ui_(ui), run_(std::make_unique<ExtractionRun>(ui, std::move(kept))) {
  setObjectName("VobSubToBmp");
  setWindowTitle(tr("reading..."));
  setModal(true);

  Label1 = new QLabel(tr("Retrieving subpicture from :"), this);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);

  LblFilename = new QLabel("<filename>", this);
  LblFilename->setObjectName("LblFilename");
  LblFilename->setAlignment(Qt::AlignCenter);
  LblFilename->setTextFormat(Qt::PlainText);
  QFont bold = LblFilename->font();
  bold.setBold(true);
  LblFilename->setFont(bold);
  // A long path must not widen the window; it is shortened in the middle instead.
  LblFilename->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);

  BtnStop = new QPushButton(tr("&Stop"), this);
  BtnStop->setObjectName("BtnStop");
  BtnStop->setAutoDefault(false);

  CloseTimer = new QTimer(this);
  CloseTimer->setObjectName("CloseTimer");
  CloseTimer->setInterval(1);
  CloseTimer->setSingleShot(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(LblFilename);
  layout->addWidget(ProgressBar1);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(BtnStop);
  buttonRow->addStretch();
  layout->addLayout(buttonRow);
  resize(ClientWidth, ClientHeight);

  connect(BtnStop, &QPushButton::clicked, this, &TVobSubToBmp::BtnStopClick);
  connect(CloseTimer, &QTimer::timeout, this, &TVobSubToBmp::CloseTimerTimer);

  run_->EventPump = [this] {
    ui_.ProcessEvents();
    if (progressHook_) progressHook_(*run_);
  };
  run_->DecodingStarted = [this] {
    setWindowTitle(tr("decoding..."));
    BtnStop->setEnabled(false);
  };
  run_->Progress = [this](int position, int maximum) {
    if (ProgressBar1->maximum() != maximum) ProgressBar1->setRange(0, std::max(maximum, 0));
    ProgressBar1->setValue(std::clamp(position, 0, std::max(maximum, 0)));
  };
}

TVobSubToBmp::~TVobSubToBmp() = default;

void TVobSubToBmp::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (hasRun_) return;  // activating the window again starts nothing
  hasRun_ = true;
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  // After the show has been handled, so the window is on screen while the scan runs.
  QTimer::singleShot(0, this, &TVobSubToBmp::FormActivate);
}

void TVobSubToBmp::FormActivate() {
  const QString name = QString::fromStdString(request_.VobFileName);
  LblFilename->setToolTip(name);
  const int room = std::max(LblFilename->width(), ClientWidth - 24);
  LblFilename->setText(QFontMetrics(LblFilename->font()).elidedText(name, Qt::ElideMiddle, room));

  running_ = true;
  result_ = run_->Run(request_);
  running_ = false;
  CloseTimer->start();
}

void TVobSubToBmp::BtnStopClick() {
  run_->Stop();
}

void TVobSubToBmp::CloseTimerTimer() {
  CloseTimer->stop();
  accept();
}

void TVobSubToBmp::reject() {
  // Escape or the close box during the scan mean Stop; the window closes when the run ends.
  if (running_) {
    if (BtnStop->isEnabled()) BtnStopClick();
    return;
  }
  if (!hasRun_ || !CloseTimer->isActive()) QDialog::reject();
}

void TVobSubToBmp::closeEvent(QCloseEvent* event) {
  if (running_) {
    if (BtnStop->isEnabled()) BtnStopClick();
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

SubpictureResult TVobSubToBmp::Extract(UserInteraction& ui, const SubpictureRequest& request,
                                       QWidget* parent, ProgressHook hook,
                                       std::shared_ptr<KeptUnitSource> kept) {
  TVobSubToBmp window(ui, parent, std::move(kept));
  window.SetRequest(request);
  window.SetProgressHook(std::move(hook));
  window.exec();
  // Closed before it ran (which the window itself never does): nothing was read.
  if (!window.HasRun() || window.IsRunning()) {
    SubpictureResult none;
    none.FilePosition = request.FilePosition;
    none.EndOfFile = true;
    none.Stopped = true;
    return none;
  }
  return window.Result();
}

}  // namespace quelm
