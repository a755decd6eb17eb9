// The directory chooser for the three roots. The selector offers the places a user has (home,
// mounted media, optical drives, the file system root) above the directory tree.
#pragma once

#include <QDialog>
#include <QPersistentModelIndex>
#include <string>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTimer;
class QTreeView;

namespace quelm {

class TChooseDir : public QDialog {
  Q_OBJECT

 public:
  // `places` as RootDirectories::Places() gives them; empty: those of this user.
  explicit TChooseDir(QWidget* parent = nullptr, std::vector<std::string> places = {});

  // The directory to show first; set before showing.
  std::string InitialDir;

  // The directory the tree points at, as a root text ending in "/".
  std::string Directory() const;

  QLabel* Label1 = nullptr;
  QComboBox* DriveComboBox1 = nullptr;
  QTreeView* DirectoryListBox1 = nullptr;
  QPushButton* BtnOK = nullptr;
  QPushButton* BtnCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void DriveComboBox1Change(int index);
  void ShowDirectory(const QString& place, const QString& directory);
  void KeepDirectoryInSight();

  QFileSystemModel* model_ = nullptr;
  // The tree fills in the background, and every folder loaded above the shown directory pushes
  // it down; until the user moves, the view follows it.
  QPersistentModelIndex followed_;
  QTimer* followTimer_ = nullptr;
  std::vector<std::string> places_;
  bool activated_ = false;
};

}  // namespace quelm
