// The small reading window shown while the IFO of the VOB root is read; it closes itself as
// soon as the streams and chapters are in.
#pragma once

#include <QDialog>
#include <string>

#include "disc/IfoReader.h"

class QLabel;
class QListWidget;
class QTimer;

namespace quelm {

class TIFOInfo : public QDialog {
  Q_OBJECT

 public:
  explicit TIFOInfo(QWidget* parent = nullptr);

  // Set before showing: the full path of the IFO file.
  std::string IfoFileName;

  int StreamCount = 0;
  int ChapterCount = 0;
  const std::vector<StreamAttribute>& StreamAttributes() const {
    return reader_.StreamAttributes();
  }
  std::string StreamLanguage(int index) const { return reader_.StreamLanguage(index); }
  // Everything read, for composing the information list.
  const IfoReader& Reader() const { return reader_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void CloseTimerTimer();
  int ReadLanguages();
  int ReadChapters();

  QLabel* Label1 = nullptr;
  QLabel* LblFilename = nullptr;
  QListWidget* ListBox1 = nullptr;  // the chapter lengths, hidden
  QTimer* CloseTimer = nullptr;
  IfoReader reader_;
  bool activated_ = false;
};

}  // namespace quelm
