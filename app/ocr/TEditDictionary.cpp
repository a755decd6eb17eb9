// The dictionary editor. Tiles flow in rows as wide as the window; a deleted tile leaves its gap
// until the tiles are laid out again (a resize or a new filter), so nothing moves under the
// pointer. Deletion waits 500 ms after the confirmation so that the button whose click asked for
// it is not destroyed inside its own click, and its bitmap file goes only once the index without
// it has been written.
#include "app/ocr/TEditDictionary.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/BitmapImage.h"
#include "app/FrameMark.h"
#include "app/Translated.h"
#include "app/ocr/TAlignEdit.h"
#include "ocr/CharDictionary.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace {

// Five columns of tiles and two rows at first.
constexpr QSize DefaultSize(800, 540);
constexpr QSize MinimumSize(340, 320);
constexpr int TilePitch = 150;
constexpr int RowPitch = 210;
constexpr int TileLeft = 5;
constexpr int TileTop = 10;
// Room above the tiles for the caption of the unconfirmed group.
constexpr int CaptionHeight = 20;
constexpr int GroupGap = 20;
const QColor UnconfirmedColor(224, 128, 0);
const QColor UnconfirmedBackground(255, 240, 208);
const QColor EmptyColor(200, 30, 30);

QString UnconfirmedCaption() {
  return TEditDictionary::tr("Named automatically, not yet confirmed");
}

QString VotesText(const std::vector<std::pair<std::string, int>>& votes) {
  QStringList parts;
  for (const auto& [text, count] : votes)
    parts << QStringLiteral("\"%1\" %2").arg(QString::fromStdString(text)).arg(count);
  return parts.join(QStringLiteral(", "));
}

QIcon DeleteGlyph() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(200, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
  p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
  return QIcon(pixmap);
}

std::string WithoutDirectory(const std::string& path) {
  // Indexes written on other systems may use either separator.
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

}  // namespace

TEditDictionary::TEditDictionary(UserInteraction& ui, std::string dictionaryRoot, QWidget* parent)
    : QDialog(parent), ui_(ui), dictionaryRoot_(std::move(dictionaryRoot)) {
  setObjectName("EditDictionary");
  setWindowTitle(tr("Dictionary"));
  setModal(true);
  setSizeGripEnabled(true);
  setMinimumSize(MinimumSize);
  resize(DefaultSize);

  auto* filterLabel = new QLabel(tr("&Find:"), this);
  filterLabel->setObjectName("LblFilter");
  EditFilter = new QLineEdit(this);
  EditFilter->setObjectName("EditFilter");
  EditFilter->setPlaceholderText(tr("text of an entry"));
  EditFilter->setClearButtonEnabled(true);
  filterLabel->setBuddy(EditFilter);
  ComboFilter = new QComboBox(this);
  ComboFilter->setObjectName("ComboFilter");
  ComboFilter->addItems({QString(), QString(), QString()});

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ScrollBox1->setWidgetResizable(false);
  ScrollBox1->verticalScrollBar()->setSingleStep(30);
  ScrollBox1->viewport()->installEventFilter(this);
  strip_ = new QWidget;
  strip_->setObjectName("ScrollBox1Strip");
  strip_->resize(ScrollBox1->viewport()->width(), RowPitch);
  ScrollBox1->setWidget(strip_);

  LblCount = new QLabel(this);
  LblCount->setObjectName("LblCount");
  BtnClose = new QPushButton(tr("Close"), this);
  BtnClose->setObjectName("BtnClose");
  // Enter belongs to the tile being named.
  BtnClose->setAutoDefault(false);
  connect(BtnClose, &QPushButton::clicked, this, &TEditDictionary::accept);
  connect(EditFilter, &QLineEdit::textChanged, this, &TEditDictionary::FilterChange);
  connect(ComboFilter, &QComboBox::currentIndexChanged, this, &TEditDictionary::FilterChange);

  auto* top = new QHBoxLayout;
  top->addWidget(filterLabel);
  top->addWidget(EditFilter, 1);
  top->addWidget(ComboFilter);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(LblCount, 1);
  bottom->addWidget(BtnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ScrollBox1, 1);
  layout->addLayout(bottom);
  UpdateCounts();

  CharacterImage = new QLabel(this);
  CharacterImage->setObjectName("CharacterImage");
  CharacterImage->hide();
  EditAscii = new QLineEdit(this);
  EditAscii->setObjectName("EditAscii");
  EditAscii->hide();
  BtnDelete1 = new QPushButton(this);
  BtnDelete1->setObjectName("BtnDelete1");
  BtnDelete1->setIcon(DeleteGlyph());
  BtnDelete1->hide();
  DeleteTimer = new QTimer(this);
  DeleteTimer->setObjectName("DeleteTimer");
  DeleteTimer->setInterval(500);
  connect(DeleteTimer, &QTimer::timeout, this, &TEditDictionary::DeleteTimerTimer);

  // Keep the tile being edited in view, also when the focus moves by Tab.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == nullptr || !strip_->isAncestorOf(now)) return;
    QWidget* tile = now;
    while (tile->parentWidget() != strip_) tile = tile->parentWidget();
    ScrollBox1->ensureWidgetVisible(tile, 0, TileTop);
  });
}

TEditDictionary::~TEditDictionary() { FreeItems(); }

bool TEditDictionary::Edit(UserInteraction& ui, const std::string& dictionaryRoot, QWidget* parent,
                           SettingsStore* settings) {
  namespace P = Preferences;
  {
    TEditDictionary window(ui, dictionaryRoot, parent);
    if (settings != nullptr)
      window.resize(settings->ReadInteger(P::DictionaryEditorWidth, DefaultSize.width()),
                    settings->ReadInteger(P::DictionaryEditorHeight, DefaultSize.height()));
    window.exec();
    if (settings != nullptr &&
        window.size() != QSize(settings->ReadInteger(P::DictionaryEditorWidth, 0),
                               settings->ReadInteger(P::DictionaryEditorHeight, 0)))
      settings->Store({{P::DictionaryEditorWidth, std::to_string(window.width())},
                       {P::DictionaryEditorHeight, std::to_string(window.height())}});
  }
  return ui.Ask(tr("Update textoutput too?").toStdString(), Buttons::YesNo) == Answer::Yes;
}

QRect TEditDictionary::ImageGeometry(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  double w = 3.0 * width;
  double h = 3.0 * height;
  if (w > 110) {
    w = 110;
    h = 110.0 / width * height;
  }
  if (h > 110) {
    h = 110;
    w = 110.0 / height * width;
  }
  return QRect(static_cast<int>(std::lround(65 - w / 2)), static_cast<int>(std::lround(65 - h / 2)),
               static_cast<int>(std::lround(w)), static_cast<int>(std::lround(h)));
}

void TEditDictionary::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (activated_) return;
  activated_ = true;
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  FormActivate();
}

void TEditDictionary::FormActivate() {
  activated_ = true;
  FreeItems();
  droppedFiles_.clear();
  loadFailed_ = false;
  CharDictionary dictionary;
  const DictionaryLoadResult loaded = dictionary.Load(dictionaryRoot_);
  if (!loaded.Outcome.Ok) {
    // Closing must not replace an index that could not be read.
    loadFailed_ = true;
    ui_.ShowMessage(MessageKind::Error, loaded.Outcome.Wording);
    return;
  }
  if (!loaded.Warnings.empty()) {
    std::string text;
    for (const Phrase& w : loaded.WarningWordings)
      text += (text.empty() ? "" : "\n") + Translated(w).toStdString();
    ui_.ShowMessage(MessageKind::Warning, text);
  }
  strip_->setUpdatesEnabled(false);
  const std::vector<TCharEntry>& entries = dictionary.CharList();
  groupCount_ = static_cast<int>(dictionary.UnconfirmedCount());
  if (groupCount_ > 0) {
    UnconfirmedGroup = new QFrame(strip_);
    UnconfirmedGroup->setObjectName("UnconfirmedGroup");
    UnconfirmedGroup->setAutoFillBackground(true);
    QPalette tint = UnconfirmedGroup->palette();
    tint.setColor(QPalette::Window, UnconfirmedBackground);
    UnconfirmedGroup->setPalette(tint);
    LblUnconfirmed = new QLabel(UnconfirmedCaption(), UnconfirmedGroup);
    LblUnconfirmed->setObjectName("LblUnconfirmed");
    QFont bold = LblUnconfirmed->font();
    bold.setBold(true);
    LblUnconfirmed->setFont(bold);
    LblUnconfirmed->move(8, 4);
    LblUnconfirmed->adjustSize();
    UnconfirmedGroup->lower();
  }
  // Shown by group, kept (and written back) in file order.
  int confirmedSeen = 0;
  for (const TCharEntry& entry : entries) {
    const int inGroup = entry.Unconfirmed ? static_cast<int>(itemList_.size()) - confirmedSeen
                                          : confirmedSeen;
    EditAscii->setText(QString::fromStdString(entry.Text));
    AddCurrentCharacterToList(entry, entry.Unconfirmed ? inGroup : groupCount_ + inGroup);
    if (!entry.Unconfirmed) ++confirmedSeen;
  }
  // Tab goes from tile to tile: each text, then its buttons, then the next tile's text.
  std::vector<TDictionaryItem*> shown;
  for (const auto& item : itemList_) shown.push_back(item.get());
  std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->Index < b->Index; });
  QWidget* previous = nullptr;
  for (TDictionaryItem* item : shown) {
    for (QWidget* control : {static_cast<QWidget*>(item->Edit),
                             static_cast<QWidget*>(item->ConfirmButton),
                             static_cast<QWidget*>(item->DeleteButton)}) {
      if (control == nullptr) continue;
      if (previous != nullptr) QWidget::setTabOrder(previous, control);
      previous = control;
    }
  }
  LayoutTiles();
  UpdateCounts();
  strip_->setUpdatesEnabled(true);
  ScrollBox1->verticalScrollBar()->setValue(0);
}

void TEditDictionary::AddCurrentCharacterToList(const TCharEntry& entry, int index) {
  const std::string& fileName = entry.FileName;
  const Bitmap& bitmap = entry.Bitmap;
  auto item = std::make_unique<TDictionaryItem>();
  const int i = index;
  item->Index = i;
  item->Text = EditAscii->text().toStdString();
  item->FileName = fileName;
  item->Bitmap = bitmap;
  item->Unloaded = entry.Unloaded || bitmap.IsEmpty();
  item->Unconfirmed = entry.Unconfirmed;
  item->Votes = entry.Votes;
  const QString tip = QString::fromStdString(fileName);

  item->Frame = new QFrame(strip_);
  item->Frame->setObjectName(QStringLiteral("Frame%1").arg(i));
  item->Frame->resize(140, 200);
  item->Frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  item->Frame->setLineWidth(2);
  item->Frame->setToolTip(tip);

  item->ImagePanel = new QFrame(item->Frame);
  item->ImagePanel->setObjectName("ImagePanel");
  item->ImagePanel->setGeometry(5, 5, 130, 135);
  item->ImagePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  item->ImagePanel->setStyleSheet("QFrame#ImagePanel { background: white; }");

  item->Image = new QLabel(item->ImagePanel);
  item->Image->setObjectName("Image");
  if (item->Unloaded) {
    item->Image->setGeometry(5, 45, 120, 40);
    item->Image->setAlignment(Qt::AlignCenter);
    item->Image->setWordWrap(true);
    item->Image->setText(FileExists(CharDictionary::BitmapPath(dictionaryRoot_, fileName))
                             ? tr("unreadable file")
                             : tr("file missing"));
    item->Image->setStyleSheet("color: #a00000;");
  } else {
    const QRect g = ImageGeometry(bitmap.Width(), bitmap.Height());
    item->Image->setGeometry(g);
    item->Image->setPixmap(ScaledPixmap(bitmap, g.size()));
  }

  item->Edit = new TAlignEdit(item->Frame);
  item->Edit->setObjectName("Edit");
  item->Edit->setGeometry(5, 141, 130, 27);
  item->Edit->SetAlignment(Qt::AlignHCenter);
  QFont noFocus = item->Edit->font();
  noFocus.setPointSize(8);
  noFocus.setBold(false);
  QFont onFocus = noFocus;
  onFocus.setPointSize(12);
  onFocus.setBold(true);
  item->Edit->SetFontOnFocus(onFocus);
  item->Edit->SetFontOnNoFocus(noFocus);
  item->Edit->SetText(EditAscii->text());
  item->Edit->setToolTip(tip);
  connect(item->Edit, &TAlignEdit::TextChanged, this, &TEditDictionary::EditChange);

  item->DeleteButton = new QPushButton(item->Frame);
  item->DeleteButton->setObjectName("DeleteButton");
  item->DeleteButton->setGeometry(45, 170, 50, 25);
  item->DeleteButton->setIcon(BtnDelete1->icon());
  item->DeleteButton->setAutoDefault(false);
  item->DeleteButton->setToolTip(tr("Delete %1").arg(tip));
  connect(item->DeleteButton, &QPushButton::clicked, this, &TEditDictionary::BtnDelete);

  if (item->Unconfirmed) {
    // Enter in the text confirms, as the button does.
    item->Edit->installEventFilter(this);
    item->DeleteButton->setGeometry(5, 170, 40, 25);
    item->ConfirmButton = new QPushButton(tr("Confirm"), item->Frame);
    item->ConfirmButton->setObjectName("ConfirmButton");
    item->ConfirmButton->setGeometry(50, 170, 85, 25);
    item->ConfirmButton->setAutoDefault(false);
    connect(item->ConfirmButton, &QPushButton::clicked, this, &TEditDictionary::ConfirmClick);
    const QString votes = VotesText(item->Votes);
    const QString unconfirmedTip =
        tip + QStringLiteral("\n") + UnconfirmedCaption() +
        (votes.isEmpty() ? QString() : QStringLiteral("; ") + tr("suggested: %1").arg(votes));
    item->Frame->setToolTip(unconfirmedTip);
    item->Edit->setToolTip(unconfirmedTip);
    item->ConfirmButton->setToolTip(unconfirmedTip);
    // Painted over the tile's edge.
    item->Mark = new FrameMark(UnconfirmedColor, 3, 3, item->Frame);
    item->Mark->setObjectName("UnconfirmedMark");
    item->Mark->setGeometry(item->Frame->rect());
    item->Mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    item->Mark->raise();
  }

  item->EmptyMark = new FrameMark(EmptyColor, 3, 3, item->Frame);
  item->EmptyMark->setObjectName("EmptyMark");
  item->EmptyMark->setGeometry(item->Frame->rect());
  item->EmptyMark->setAttribute(Qt::WA_TransparentForMouseEvents);
  item->Edit->setPlaceholderText(tr("(empty)"));
  MarkEmpty(*item);

  itemList_.push_back(std::move(item));
}

void TEditDictionary::MarkEmpty(TDictionaryItem& item) {
  const bool empty = item.Text.empty();
  item.EmptyMark->setVisible(empty);
  item.EmptyMark->raise();
  item.ImagePanel->setToolTip(empty ? tr("No text: this shape is read as nothing") : QString());
}

void TEditDictionary::Confirm(TDictionaryItem& item) {
  if (!item.Unconfirmed) return;
  item.Unconfirmed = false;
  item.Votes.clear();
  const QString tip = QString::fromStdString(item.FileName);
  item.Frame->setToolTip(tip);
  item.Edit->setToolTip(tip);
  item.Edit->removeEventFilter(this);
  if (item.Mark) item.Mark->hide();
  // The tile stays where it is: moving it away under the user's hand would lose their place.
  if (item.ConfirmButton) {
    if (item.ConfirmButton->hasFocus()) item.Edit->setFocus(Qt::OtherFocusReason);
    item.ConfirmButton->hide();
  }
  item.DeleteButton->setGeometry(45, 170, 50, 25);
  UpdateCounts();
}

void TEditDictionary::ConfirmClick() {
  if (TDictionaryItem* item = ItemOf(sender())) Confirm(*item);
}

bool TEditDictionary::Matches(const TDictionaryItem& item) const {
  switch (static_cast<Show>(ComboFilter->currentIndex())) {
    case Show::EmptyText:
      if (!item.Text.empty()) return false;
      break;
    case Show::Unconfirmed:
      if (!item.Unconfirmed) return false;
      break;
    case Show::All:
      break;
  }
  // Case matters: "l" and "I" are the entries most often mixed up.
  const QString text = EditFilter->text();
  return text.isEmpty() || QString::fromStdString(item.Text).contains(text, Qt::CaseSensitive);
}

void TEditDictionary::FilterChange() {
  LayoutTiles();
  UpdateCounts();
  ScrollBox1->verticalScrollBar()->setValue(0);
}

void TEditDictionary::LayoutTiles() {
  const int width = ScrollBox1->viewport()->width();
  const int columns = std::max(1, (width - TileLeft) / TilePitch);
  std::vector<TDictionaryItem*> group;
  std::vector<TDictionaryItem*> others;
  for (const auto& item : itemList_) {
    const bool shown = Matches(*item);
    item->Frame->setVisible(shown);
    if (shown) (item->Index < groupCount_ ? group : others).push_back(item.get());
  }
  auto byIndex = [](auto* a, auto* b) { return a->Index < b->Index; };
  std::sort(group.begin(), group.end(), byIndex);
  std::sort(others.begin(), others.end(), byIndex);
  // Returns the foot of the last row, its gap below included.
  auto place = [&](const std::vector<TDictionaryItem*>& tiles, int top) {
    for (std::size_t k = 0; k < tiles.size(); ++k) {
      const int column = static_cast<int>(k) % columns;
      const int row = static_cast<int>(k) / columns;
      tiles[k]->Frame->move(TileLeft + TilePitch * column, top + RowPitch * row);
    }
    const int rows = (static_cast<int>(tiles.size()) + columns - 1) / columns;
    return top + RowPitch * rows;
  };
  int height = 0;
  if (UnconfirmedGroup != nullptr) {
    UnconfirmedGroup->setVisible(!group.empty());
    if (!group.empty()) {
      const int foot = place(group, CaptionHeight + TileTop);
      UnconfirmedGroup->setGeometry(0, 0, width, foot);
      height = foot + GroupGap;
    }
  }
  if (!others.empty()) height = place(others, height + TileTop);
  strip_->resize(width, height);
  ScrollBox1->verticalScrollBar()->setPageStep(ScrollBox1->viewport()->height());
}

void TEditDictionary::UpdateCounts() {
  int empty = 0;
  int unconfirmed = 0;
  int shown = 0;
  for (const auto& item : itemList_) {
    empty += item->Text.empty() ? 1 : 0;
    unconfirmed += item->Unconfirmed ? 1 : 0;
    shown += Matches(*item) ? 1 : 0;
  }
  const int total = static_cast<int>(itemList_.size());
  ComboFilter->setItemText(static_cast<int>(Show::All), tr("All entries (%1)").arg(total));
  ComboFilter->setItemText(static_cast<int>(Show::EmptyText), tr("Empty text (%1)").arg(empty));
  ComboFilter->setItemText(static_cast<int>(Show::Unconfirmed),
                           tr("Unconfirmed (%1)").arg(unconfirmed));
  const bool filtered = !EditFilter->text().isEmpty() ||
                        ComboFilter->currentIndex() != static_cast<int>(Show::All);
  LblCount->setText(filtered ? tr("Shown: %1 of %2").arg(shown).arg(total)
                             : tr("Entries: %1").arg(total));
}

TDictionaryItem* TEditDictionary::ItemOf(QObject* control) {
  for (const auto& item : itemList_)
    if (item->Edit == control || item->DeleteButton == control ||
        (item->ConfirmButton != nullptr && item->ConfirmButton == control))
      return item.get();
  return nullptr;
}

void TEditDictionary::EditChange(const QString& text) {
  TDictionaryItem* item = ItemOf(sender());
  if (item == nullptr) return;
  item->Text = text.toStdString();
  // The tile stays shown until the filter changes, even when it no longer matches.
  MarkEmpty(*item);
  // A text the user writes is their word.
  Confirm(*item);
  UpdateCounts();
}

void TEditDictionary::BtnDelete() {
  if (DeleteTimer->isActive()) return;
  TDictionaryItem* item = ItemOf(sender());
  if (item == nullptr || !FileExists(CharDictionary::BitmapPath(dictionaryRoot_, item->FileName)))
    return;
  const std::string question = tr("Do you really want to delete \"%1\" [%2] ?")
                                 .arg(QString::fromStdString(item->Text),
                                      QString::fromStdString(WithoutDirectory(item->FileName)))
                                 .toStdString();
  if (ui_.Ask(question, Buttons::YesNo) != Answer::Yes) return;
  deleteTarget_ = item->DeleteButton;
  DeleteTimer->start();
}

void TEditDictionary::DeleteTimerTimer() {
  DeleteTimer->stop();
  for (auto it = itemList_.begin(); it != itemList_.end(); ++it) {
    if ((*it)->DeleteButton != deleteTarget_) continue;
    // Removed on close: until the index is written it still names the file.
    droppedFiles_.push_back((*it)->FileName);
    (*it)->Frame->hide();
    (*it)->Frame->deleteLater();
    itemList_.erase(it);
    break;
  }
  deleteTarget_ = nullptr;
  UpdateCounts();
}

bool TEditDictionary::FormClose() {
  if (closed_) return true;
  if (!loadFailed_) {
    CharDictionary dictionary;
    for (const auto& item : itemList_) {
      dictionary.AddCurrentCharacterToList(item->Bitmap, item->FileName, item->Text);
      if (item->Unconfirmed) {
        dictionary.SetUnconfirmed(dictionary.Size() - 1, true);
        dictionary.SetVotes(dictionary.Size() - 1, item->Votes);
      }
    }
    const Status saved = dictionary.Save(dictionaryRoot_);
    if (!saved.Ok &&
        ui_.Ask((Translated(saved.Wording) + "\n" + tr("Close without saving the changes?"))
                    .toStdString(),
                Buttons::YesNo) != Answer::Yes)
      return false;
    if (saved.Ok) RemoveDroppedFiles();
  }
  closed_ = true;
  DeleteTimer->stop();
  FreeItems();
  return true;
}

void TEditDictionary::RemoveDroppedFiles() {
  for (const std::string& file : droppedFiles_) {
    const bool stillNamed = std::any_of(itemList_.begin(), itemList_.end(),
                                        [&](const auto& item) { return item->FileName == file; });
    std::error_code ec;
    // Only this directory's file: in a copied dictionary the stored path is the original's.
    // A failure is not reported.
    if (!stillNamed)
      std::filesystem::remove(CharDictionary::OwnBitmapPath(dictionaryRoot_, file), ec);
  }
  droppedFiles_.clear();
}

void TEditDictionary::done(int result) {
  if (!FormClose()) return;
  QDialog::done(result);
}

void TEditDictionary::closeEvent(QCloseEvent* event) {
  if (!FormClose()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TEditDictionary::FreeItems() {
  for (const auto& item : itemList_) delete item->Frame;
  itemList_.clear();
  delete UnconfirmedGroup;
  UnconfirmedGroup = nullptr;
  LblUnconfirmed = nullptr;
  groupCount_ = 0;
  deleteTarget_ = nullptr;
}

bool TEditDictionary::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ScrollBox1->viewport() && event->type() == QEvent::Resize) LayoutTiles();
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (TDictionaryItem* item = ItemOf(watched)) {
        Confirm(*item);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace quelm
