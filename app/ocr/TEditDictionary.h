// The dictionary editor: every learned character as a tile with its enlarged bitmap, its editable
// text and a delete button; the tiles flow into the window's width and scroll vertically, and a
// filter picks them by text, by an empty text or by being unconfirmed. Entries named from
// suggestions and not yet confirmed come first, marked, each with a confirm button; entries
// without text are marked too. The index is rewritten when the window closes.
#pragma once

#include <QDialog>
#include <QRect>
#include <memory>
#include <string>
#include <vector>

#include "app/ocr/TDictionaryItem.h"
#include "ocr/TCharEntry.h"
#include "platform/UserInteraction.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTimer;
class QWidget;

namespace quelm {

class SettingsStore;

class TEditDictionary : public QDialog {
  Q_OBJECT

 public:
  TEditDictionary(UserInteraction& ui, std::string dictionaryRoot, QWidget* parent = nullptr);
  ~TEditDictionary() override;

  // The editor the way the main window opens it: shown modally at the size it had last time
  // (kept in `settings` when given), then "Update textoutput too?". True when the user answered
  // Yes (the main window then re-renders its script).
  static bool Edit(UserInteraction& ui, const std::string& dictionaryRoot,
                   QWidget* parent = nullptr, SettingsStore* settings = nullptr);

  // The filter's choices, in the order of ComboFilter.
  enum class Show { All, EmptyText, Unconfirmed };

  // Where a character of `width` by `height` pixels is shown inside its white image panel:
  // three times its size, fitted into 110 by 110, centred on (65, 65).
  static QRect ImageGeometry(int width, int height);

  const std::vector<std::unique_ptr<TDictionaryItem>>& ItemList() const { return itemList_; }
  const std::string& DictionaryRoot() const { return dictionaryRoot_; }

  QLineEdit* EditFilter = nullptr;
  QComboBox* ComboFilter = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QLabel* LblCount = nullptr;
  QPushButton* BtnClose = nullptr;
  QLabel* CharacterImage = nullptr;
  QLineEdit* EditAscii = nullptr;
  QPushButton* BtnDelete1 = nullptr;
  QTimer* DeleteTimer = nullptr;
  // Behind the unconfirmed tiles, with its caption; only while there are any.
  QFrame* UnconfirmedGroup = nullptr;
  QLabel* LblUnconfirmed = nullptr;

 public slots:
  // Loads the index and builds the tiles (done once when the window is first shown).
  void FormActivate();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void EditChange(const QString& text);
  void BtnDelete();
  void DeleteTimerTimer();
  void ConfirmClick();
  void FilterChange();

 private:
  void AddCurrentCharacterToList(const TCharEntry& entry, int index);
  // The user's word for an entry named from suggestions: its mark and button go.
  void Confirm(TDictionaryItem& item);
  // Places the tiles the filter shows, row by row in the width of the scroll box.
  void LayoutTiles();
  bool Matches(const TDictionaryItem& item) const;
  void UpdateCounts();
  void MarkEmpty(TDictionaryItem& item);
  void FreeItems();
  // False when the index could not be written and the user chose to stay.
  bool FormClose();
  // The bitmap files of deleted tiles, once the index that drops them is written.
  void RemoveDroppedFiles();
  TDictionaryItem* ItemOf(QObject* control);

  UserInteraction& ui_;
  std::string dictionaryRoot_;
  std::vector<std::unique_ptr<TDictionaryItem>> itemList_;
  std::vector<std::string> droppedFiles_;
  QWidget* strip_ = nullptr;
  QPushButton* deleteTarget_ = nullptr;
  // The first so many tiles by Index stand in the unconfirmed group.
  int groupCount_ = 0;
  bool activated_ = false;
  bool loadFailed_ = false;
  bool closed_ = false;
};

}  // namespace quelm
