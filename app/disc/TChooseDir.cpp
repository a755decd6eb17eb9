// The directory chooser window: a place selector linked to a directory tree.
#include "app/disc/TChooseDir.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "disc/RootDirectories.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

QString WithSlash(QString path) {
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}

}  // namespace

TChooseDir::TChooseDir(QWidget* parent, std::vector<std::string> places)
    : QDialog(parent), places_(places.empty() ? RootDirectories::Places() : std::move(places)) {
  setObjectName(QStringLiteral("ChooseDir"));
  setWindowTitle(tr("Choose Directory"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  resize(274, 367);
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(QStringLiteral("Label1"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  QStringList shown{QStringLiteral("*.iso"), QStringLiteral("*.ISO")};
  for (const std::string& place : places_) {
    DriveComboBox1->addItem(QString::fromStdString(place));
    if (RootDirectories::IsDrivePlace(place)) shown << QFileInfo(QString::fromStdString(place)).fileName();
  }
  model_ = new QFileSystemModel(this);
  // Disc images and drives stand among the directories: a root may be one. Drives are device
  // files, which only System lists.
  model_->setFilter(QDir::AllDirs | QDir::Files | QDir::System | QDir::NoDotAndDotDot);
  model_->setNameFilters(shown);
  model_->setNameFilterDisables(false);
  model_->setRootPath(QStringLiteral("/"));
  DirectoryListBox1 = new QTreeView(this);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  DirectoryListBox1->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column)
    DirectoryListBox1->hideColumn(column);
  DirectoryListBox1->header()->hide();
  BtnOK = new QPushButton(tr("OK"), this);
  BtnOK->setObjectName(QStringLiteral("BtnOK"));
  BtnOK->setDefault(true);
  BtnCancel = new QPushButton(tr("Cancel"), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  layout->addWidget(Label1);
  layout->addWidget(DriveComboBox1);
  layout->addWidget(DirectoryListBox1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnOK);
  buttons->addWidget(BtnCancel);
  layout->addLayout(buttons);
  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(DriveComboBox1, &QComboBox::activated, this, &TChooseDir::DriveComboBox1Change);

  // Rows arrive in batches and are sorted afterwards; one scroll after each burst is enough.
  followTimer_ = new QTimer(this);
  followTimer_->setSingleShot(true);
  followTimer_->setInterval(0);
  connect(followTimer_, &QTimer::timeout, this, &TChooseDir::KeepDirectoryInSight);
  const auto follow = [this] {
    if (followed_.isValid()) followTimer_->start();
  };
  connect(model_, &QAbstractItemModel::rowsInserted, this, follow);
  connect(model_, &QAbstractItemModel::layoutChanged, this, follow);
  connect(model_, &QFileSystemModel::directoryLoaded, this, follow);
  // Moving to another directory or scrolling by hand ends the following.
  connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current != followed_) followed_ = QPersistentModelIndex();
          });
  connect(DirectoryListBox1->verticalScrollBar(), &QScrollBar::actionTriggered, this,
          [this] { followed_ = QPersistentModelIndex(); });
}

void TChooseDir::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TChooseDir::FormActivate() {
  QString wanted = QString::fromStdString(InitialDir);
  // A root inside a disc image opens on the image.
  if (const auto image = DiscImage::ImageOfVideoTs(InitialDir)) wanted = QString::fromStdString(*image);
  if (wanted.isEmpty() || (!QFileInfo(wanted).isDir() && !DiscImage::IsImage(wanted.toStdString())))
    wanted = QDir::currentPath();
  wanted = WithSlash(QDir::cleanPath(wanted));
  // The place holding the directory: the longest that is a prefix of it ("/" always is).
  int best = -1;
  for (int i = 0; i < DriveComboBox1->count(); ++i) {
    const QString place = DriveComboBox1->itemText(i);
    if (wanted.startsWith(place) &&
        (best < 0 || place.size() > DriveComboBox1->itemText(best).size())) {
      best = i;
    }
  }
  if (best < 0) {
    DriveComboBox1->addItem(QStringLiteral("/"));
    best = DriveComboBox1->count() - 1;
  }
  {
    const QSignalBlocker block(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(best);
  }
  ShowDirectory(DriveComboBox1->itemText(best), wanted);
}

void TChooseDir::DriveComboBox1Change(int index) {
  const QString place = DriveComboBox1->itemText(index);
  ShowDirectory(place, place);
}

void TChooseDir::ShowDirectory(const QString& place, const QString& directory) {
  // A drive is shown in the folder of its device.
  const QString root = place == QStringLiteral("/")                       ? place
                       : RootDirectories::IsDrivePlace(place.toStdString()) ? QFileInfo(place).path()
                                                                            : QDir::cleanPath(place);
  DirectoryListBox1->setRootIndex(model_->index(root));
  const QModelIndex current = model_->index(QDir::cleanPath(directory));
  followed_ = current;
  DirectoryListBox1->setCurrentIndex(current);
  DirectoryListBox1->expand(current);
  KeepDirectoryInSight();
}

void TChooseDir::KeepDirectoryInSight() {
  if (followed_.isValid())
    DirectoryListBox1->scrollTo(followed_, QAbstractItemView::PositionAtCenter);
}

std::string TChooseDir::Directory() const {
  const QModelIndex current = DirectoryListBox1->currentIndex();
  QString path = current.isValid() ? model_->filePath(current)
                                   : model_->filePath(DirectoryListBox1->rootIndex());
  if (path.isEmpty()) path = DriveComboBox1->currentText();
  return RootDirectories::RootText(path.toStdString());
}

}  // namespace quelm
