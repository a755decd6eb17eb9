// One tile of the dictionary editor: the entry's bitmap, file name and text, and the controls
// that show them. The editor owns the controls through Qt's parent chain (all under Frame).
#pragma once

#include <string>

#include "platform/Bitmap.h"

class QFrame;
class QLabel;
class QPushButton;

namespace quelm {

class TAlignEdit;

struct TDictionaryItem {
  // Number of tiles before this one when it was made: its place and its tab order.
  int Index = 0;
  QFrame* Frame = nullptr;
  QFrame* ImagePanel = nullptr;
  QLabel* Image = nullptr;
  QPushButton* DeleteButton = nullptr;
  TAlignEdit* Edit = nullptr;
  ::quelm::Bitmap Bitmap;
  std::string FileName;
  std::string Text;
  // The bitmap file was missing or unreadable when the editor opened: no picture, but the entry
  // is written back unchanged.
  bool Unloaded = false;
};

}  // namespace quelm
