// The IFO reading window: reads on first show, then a 1 ms timer closes it.
#include "app/disc/TIFOInfo.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace quelm {

TIFOInfo::TIFOInfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("IFOInfo"));
  setWindowTitle(tr("reading ..."));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(313, 115);
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(tr("Retrieving language info from :"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  LblFilename = new QLabel(this);
  LblFilename->setObjectName(QStringLiteral("LblFilename"));
  LblFilename->setAlignment(Qt::AlignCenter);
  LblFilename->setWordWrap(true);
  QFont bold = LblFilename->font();
  bold.setBold(true);
  LblFilename->setFont(bold);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setVisible(false);
  layout->addWidget(Label1);
  layout->addWidget(LblFilename, 1);
  CloseTimer = new QTimer(this);
  CloseTimer->setObjectName(QStringLiteral("CloseTimer"));
  CloseTimer->setInterval(1);
  connect(CloseTimer, &QTimer::timeout, this, &TIFOInfo::CloseTimerTimer);
}

void TIFOInfo::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TIFOInfo::FormActivate() {
  LblFilename->setText(QString::fromStdString(IfoFileName));
  StreamCount = ReadLanguages();
  ChapterCount = ReadChapters();
  CloseTimer->start();
}

void TIFOInfo::CloseTimerTimer() {
  CloseTimer->stop();
  accept();
}

int TIFOInfo::ReadLanguages() {
  reader_.SetIfoFileName(IfoFileName);
  return reader_.ReadLanguages();
}

int TIFOInfo::ReadChapters() {
  reader_.SetIfoFileName(IfoFileName);
  const int count = reader_.ReadChapters();
  ListBox1->clear();
  for (const std::string& length : reader_.ChapterLengths()) {
    ListBox1->addItem(QString::fromStdString(length));
  }
  return count;
}

}  // namespace quelm
