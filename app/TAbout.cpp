// The About window. The credits are drawn once into a picture 14 pixels per line and moved up
// by a 50 ms timer inside a clipping panel.
#include "app/TAbout.h"

#include <QGuiApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace quelm {

namespace {

constexpr int WindowWidth = 293;
constexpr int LogoHeight = 168;
constexpr int VersionPanelHeight = 34;
constexpr int ButtonPanelHeight = 38;

// The logo fitted whole into the window's picture area, on the logo's own night sky.
QPixmap FitLogo(const QPixmap& logo, qreal ratio) {
  const QSize size(WindowWidth, LogoHeight);
  QPixmap picture(size * ratio);
  picture.setDevicePixelRatio(ratio);
  QPainter painter(&picture);
  QLinearGradient sky(0, 0, 0, LogoHeight);
  sky.setColorAt(0, QColor(22, 36, 72));
  sky.setColorAt(1, QColor(6, 10, 24));
  painter.fillRect(QRect(QPoint(0, 0), size), sky);
  if (!logo.isNull()) {
    const QSizeF logoSize = QSizeF(logo.size()) / logo.devicePixelRatio();
    const QSizeF fitted = logoSize.scaled(QSizeF(size), Qt::KeepAspectRatio);
    const QRectF target((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2,
                        fitted.width(), fitted.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, logo, QRectF(logo.rect()));
  }
  return picture;
}

}  // namespace

QStringList TAbout::CreditsText() {
  // Empty lines before and after let the text scroll into view and out again.
  return {
      QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString(),
      QString(),
      QStringLiteral("* QUELM *"),
      QString(),
      tr("picture subtitles of a DVD"),
      tr("turned into a text script"),
      QString(),
      tr("written by Vennor"),
      QString(),
      tr("Quelm reads the subtitles"),
      tr("of a DVD title set, learns"),
      tr("every letter you show it"),
      tr("and writes the text in the"),
      tr("format you choose."),
      QString(),
      tr("--- thanks ---"),
      QString(),
      tr("to everyone who tried the"),
      tr("early builds and told us"),
      tr("where they went wrong,"),
      QString(),
      tr("to the translators of the"),
      tr("language files,"),
      QString(),
      tr("to all who wrote their own"),
      tr("output formats and shared"),
      tr("them,"),
      QString(),
      tr("to the patient people who"),
      tr("taught it a thousand"),
      tr("letters, one by one,"),
      QString(),
      tr("and to you, for reading"),
      tr("this far."),
      QString(),
      tr("--- a word of advice ---"),
      QString(),
      tr("keep your dictionary"),
      tr("safe: it is your work."),
      QString(),
      tr("Quelm is free to use."),
      tr("Enjoy your films!"),
      QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString(),
      QString(), QString(),
  };
}

TAbout::TAbout(const QPixmap& logo, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(tr("About"));
  const int height = LogoHeight + VersionPanelHeight + CreditsPanelHeight + ButtonPanelHeight;
  setFixedSize(WindowWidth, height);

  ImageLogo = new QLabel(this);
  ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
  ImageLogo->setGeometry(0, 0, WindowWidth, LogoHeight);
  ImageLogo->setPixmap(FitLogo(logo, devicePixelRatioF()));

  Panel1 = new QLabel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, LogoHeight, WindowWidth, VersionPanelHeight);
  Panel1->setAlignment(Qt::AlignCenter);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QFont bold(QStringLiteral("DejaVu Sans"));
  bold.setPixelSize(14);
  bold.setBold(true);
  Panel1->setFont(bold);

  Panel2 = new QWidget(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(0, LogoHeight + VersionPanelHeight, WindowWidth, CreditsPanelHeight);
  Panel2->setAutoFillBackground(true);
  QPalette silver = Panel2->palette();
  silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  Panel2->setPalette(silver);
  // A child widget is clipped to its parent: Panel2 is the window onto the credits.
  Memo1 = new QLabel(Panel2);
  Memo1->setObjectName(QStringLiteral("Memo1"));

  Panel3 = new QWidget(this);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  Panel3->setGeometry(0, height - ButtonPanelHeight, WindowWidth, ButtonPanelHeight);
  Button1 = new QPushButton(tr("Close"), Panel3);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry((WindowWidth - 90) / 2, 6, 90, 26);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::close);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(50);
  connect(Timer1, &QTimer::timeout, this, &TAbout::Timer1Timer);

  credits_ = CreditsText();
  RenderCredits();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TAbout::RenderCredits() {
  const int width = Panel2->width() + 2;
  const int textHeight = static_cast<int>(credits_.size()) * LineHeight;
  const qreal ratio = devicePixelRatioF();
  QPixmap picture(QSize(width, qMax(1, textHeight)) * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(QColor(0xC0, 0xC0, 0xC0));
  QPainter painter(&picture);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (qsizetype i = 0; i < credits_.size(); ++i) {
    painter.drawText(QRect(0, static_cast<int>(i) * LineHeight, width, LineHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, credits_[i]);
  }
  painter.end();
  Memo1->setPixmap(picture);
  Memo1->setGeometry(-1, 0, width, textHeight);
}

void TAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TAbout::FormShow() {
  credits_ = CreditsText();
  credits_.insert(VersionLine, Version);
  RenderCredits();
  Panel1->setText(QStringLiteral("QUELM ") + Version);
  Timer1->start();
}

void TAbout::Timer1Timer() {
  int top = Memo1->y() - ScrollStep;
  if (top < Panel2->height() - Memo1->height()) top = 0;
  Memo1->move(Memo1->x(), top);
}

void TAbout::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TAbout::FormClose() {
  Timer1->stop();
  Memo1->move(Memo1->x(), 0);
}

}  // namespace quelm
