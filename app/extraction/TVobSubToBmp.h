// The extraction window: shows which file is read, offers Stop, shows the decoding progress,
// runs one extraction when first shown and closes itself when it is done.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "extraction/ExtractionRun.h"
#include "extraction/Subpicture.h"
#include "platform/UserInteraction.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quelm {

class TVobSubToBmp : public QDialog {
  Q_OBJECT

 public:
  // Called each time the run lets events run, so that the main window's progress display can
  // read FilePosition and CurrentTime of the run in progress.
  using ProgressHook = std::function<void(const ExtractionRun& run)>;

  // `kept` carries a file read unit by unit (Matroska) open from window to window.
  explicit TVobSubToBmp(UserInteraction& ui, QWidget* parent = nullptr,
                        std::shared_ptr<KeptUnitSource> kept = nullptr);
  ~TVobSubToBmp() override;

  void SetRequest(const SubpictureRequest& request) { request_ = request; }
  const SubpictureRequest& Request() const { return request_; }
  const SubpictureResult& Result() const { return result_; }
  const ExtractionRun& Run() const { return *run_; }
  bool HasRun() const { return hasRun_; }
  bool IsRunning() const { return running_; }
  void SetProgressHook(ProgressHook hook) { progressHook_ = std::move(hook); }

  // One extraction the way the main window performs it: create the window, set the request,
  // show it modally, read the result back, destroy the window.
  static SubpictureResult Extract(UserInteraction& ui, const SubpictureRequest& request,
                                  QWidget* parent = nullptr, ProgressHook hook = {},
                                  std::shared_ptr<KeptUnitSource> kept = nullptr);

  QLabel* Label1 = nullptr;
  QLabel* LblFilename = nullptr;
  QPushButton* BtnStop = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QTimer* CloseTimer = nullptr;

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void FormActivate();
  void BtnStopClick();
  void CloseTimerTimer();

 private:
  UserInteraction& ui_;
  std::unique_ptr<ExtractionRun> run_;
  SubpictureRequest request_;
  SubpictureResult result_;
  ProgressHook progressHook_;
  bool hasRun_ = false;
  bool running_ = false;
};

}  // namespace quelm
