// The About window: the logo, the version and credits that scroll upwards while it is open.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace quelm {

class TAbout : public QDialog {
  Q_OBJECT

 public:
  static constexpr int LineHeight = 14;
  static constexpr int ScrollStep = 2;
  static constexpr int CreditsPanelHeight = 112;
  static constexpr int VersionLine = 13;

  // `logo` is the main window's logo picture; it is shown 293 x 168 pixels.
  explicit TAbout(const QPixmap& logo, QWidget* parent = nullptr);

  // The version text; set before showing.
  QString Version;

  // The credits as shown, the version line included once the window has been shown.
  const QStringList& Credits() const { return credits_; }
  // The fixed credits text, without the version line.
  static QStringList CreditsText();

  // Moves the credits up one step (Timer1's handler).
  void Timer1Timer();

  QLabel* ImageLogo = nullptr;
  QLabel* Panel1 = nullptr;
  QWidget* Panel2 = nullptr;
  QLabel* Memo1 = nullptr;
  QWidget* Panel3 = nullptr;
  QPushButton* Button1 = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void FormShow();
  void FormClose();
  void RenderCredits();

  QStringList credits_;
};

}  // namespace quelm
