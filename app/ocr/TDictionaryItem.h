// One tile of the dictionary editor: the entry's bitmap, file name and text, and the controls
// that show them. The editor owns the controls through Qt's parent chain (all under Frame).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace quelm {

class TAlignEdit;

struct TDictionaryItem {
  // Its place among the tiles and in the tab order: the unconfirmed entries first, then the
  // others, each in file order.
  int Index = 0;
  QFrame* Frame = nullptr;
  QFrame* ImagePanel = nullptr;
  QLabel* Image = nullptr;
  QPushButton* DeleteButton = nullptr;
  TAlignEdit* Edit = nullptr;
  // Only on a tile that is not yet confirmed, as is its mark.
  QPushButton* ConfirmButton = nullptr;
  QWidget* Mark = nullptr;
  // Shown while the text is empty: such a shape is read as nothing.
  QWidget* EmptyMark = nullptr;
  ::quelm::Bitmap Bitmap;
  std::string FileName;
  std::string Text;
  // The bitmap file was missing or unreadable when the editor opened: no picture, but the entry
  // is written back unchanged.
  bool Unloaded = false;
  // Named from suggestions, not yet by the user; kept with its votes until confirmed.
  bool Unconfirmed = false;
  std::vector<std::pair<std::string, int>> Votes;
};

}  // namespace quelm
