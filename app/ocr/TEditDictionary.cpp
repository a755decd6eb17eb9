// The dictionary editor. Tiles sit at fixed places in a strip wider than the window; a deleted
// tile leaves its gap. Deletion waits 500 ms after the confirmation so that the button whose
// click asked for it is not destroyed inside its own click, and its bitmap file goes only once
// the index without it has been written.
#include "app/ocr/TEditDictionary.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
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
#include <QWheelEvent>

#include "app/BitmapImage.h"
#include "app/FrameMark.h"
#include "app/ocr/TAlignEdit.h"
#include "ocr/CharDictionary.h"

namespace quelm {

namespace {

constexpr int ClientWidth = 608;
constexpr int ClientHeight = 265;
constexpr int TilePitch = 150;
constexpr int TileTop = 10;
constexpr int StripHeight = 220;
constexpr QRect ScrollBoxGeometry(0, 0, 600, 238);
// Room above the tiles for the caption of the unconfirmed group, which the scroll box takes from
// the free band at the foot of the window.
constexpr int CaptionHeight = 20;
constexpr int GroupGap = 20;
const QColor UnconfirmedColor(224, 128, 0);
const QColor UnconfirmedBackground(255, 240, 208);
constexpr const char* UnconfirmedCaption = "Named automatically, not yet confirmed";

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
  setWindowTitle("Dictionary");
  setModal(true);
  setFixedSize(ClientWidth, ClientHeight);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setGeometry(ScrollBoxGeometry);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setWidgetResizable(false);
  ScrollBox1->horizontalScrollBar()->setTracking(true);
  ScrollBox1->horizontalScrollBar()->setSingleStep(30);
  ScrollBox1->viewport()->installEventFilter(this);
  strip_ = new QWidget;
  strip_->setObjectName("ScrollBox1Strip");
  strip_->resize(ScrollBox1->viewport()->width(), StripHeight);
  ScrollBox1->setWidget(strip_);

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
    ScrollBox1->ensureWidgetVisible(tile, 5, 0);
  });
}

TEditDictionary::~TEditDictionary() { FreeItems(); }

bool TEditDictionary::Edit(UserInteraction& ui, const std::string& dictionaryRoot, QWidget* parent) {
  {
    TEditDictionary window(ui, dictionaryRoot, parent);
    window.exec();
  }
  return ui.Ask("Update textoutput too?", Buttons::YesNo) == Answer::Yes;
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
    ui_.ShowMessage(MessageKind::Error, loaded.Outcome.Message);
    return;
  }
  if (!loaded.Warnings.empty()) {
    std::string text;
    for (const std::string& w : loaded.Warnings) text += (text.empty() ? "" : "\n") + w;
    ui_.ShowMessage(MessageKind::Warning, text);
  }
  strip_->setUpdatesEnabled(false);
  const std::vector<TCharEntry>& entries = dictionary.CharList();
  const int unconfirmed = static_cast<int>(dictionary.UnconfirmedCount());
  int top = TileTop;
  int othersLeft = 0;
  if (unconfirmed > 0) {
    top += CaptionHeight;
    ScrollBox1->setGeometry(ScrollBoxGeometry.adjusted(0, 0, 0, CaptionHeight));
    UnconfirmedGroup = new QFrame(strip_);
    UnconfirmedGroup->setObjectName("UnconfirmedGroup");
    UnconfirmedGroup->setAutoFillBackground(true);
    QPalette tint = UnconfirmedGroup->palette();
    tint.setColor(QPalette::Window, UnconfirmedBackground);
    UnconfirmedGroup->setPalette(tint);
    LblUnconfirmed = new QLabel(QString::fromLatin1(UnconfirmedCaption), UnconfirmedGroup);
    LblUnconfirmed->setObjectName("LblUnconfirmed");
    QFont bold = LblUnconfirmed->font();
    bold.setBold(true);
    LblUnconfirmed->setFont(bold);
    LblUnconfirmed->move(8, 4);
    LblUnconfirmed->adjustSize();
    // As wide as its tiles, or its caption when that is wider.
    const int width = std::max(TilePitch * unconfirmed, LblUnconfirmed->width() + 16);
    UnconfirmedGroup->setGeometry(0, 0, width, StripHeight + CaptionHeight);
    UnconfirmedGroup->show();
    othersLeft = width + GroupGap;
  }
  strip_->resize(strip_->width(), StripHeight + top - TileTop);
  // Shown by group, kept (and written back) in file order.
  int confirmedSeen = 0;
  for (const TCharEntry& entry : entries) {
    const int inGroup = entry.Unconfirmed ? static_cast<int>(itemList_.size()) - confirmedSeen
                                          : confirmedSeen;
    const int left = (entry.Unconfirmed ? 0 : othersLeft) + TilePitch * inGroup + 5;
    EditAscii->setText(QString::fromStdString(entry.Text));
    AddCurrentCharacterToList(entry, entry.Unconfirmed ? inGroup : unconfirmed + inGroup,
                              QPoint(left, top));
    if (!entry.Unconfirmed) ++confirmedSeen;
  }
  // Tab goes along the strip: each text, then its buttons, then the next tile's text.
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
  strip_->setUpdatesEnabled(true);
  ScrollBox1->horizontalScrollBar()->setValue(0);
}

void TEditDictionary::AddCurrentCharacterToList(const TCharEntry& entry, int index,
                                                QPoint place) {
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
  item->Frame->setGeometry(QRect(place, QSize(140, 200)));
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
                             ? "unreadable file"
                             : "file missing");
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
  item->DeleteButton->setToolTip(QStringLiteral("Delete %1").arg(tip));
  connect(item->DeleteButton, &QPushButton::clicked, this, &TEditDictionary::BtnDelete);

  if (item->Unconfirmed) {
    // Enter in the text confirms, as the button does.
    item->Edit->installEventFilter(this);
    item->DeleteButton->setGeometry(5, 170, 40, 25);
    item->ConfirmButton = new QPushButton(QStringLiteral("Confirm"), item->Frame);
    item->ConfirmButton->setObjectName("ConfirmButton");
    item->ConfirmButton->setGeometry(50, 170, 85, 25);
    item->ConfirmButton->setAutoDefault(false);
    connect(item->ConfirmButton, &QPushButton::clicked, this, &TEditDictionary::ConfirmClick);
    const QString votes = VotesText(item->Votes);
    const QString unconfirmedTip =
        tip + QStringLiteral("\n") + QString::fromLatin1(UnconfirmedCaption) +
        (votes.isEmpty() ? QString() : QStringLiteral("; suggested: ") + votes);
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

  item->Frame->show();
  itemList_.push_back(std::move(item));
  UpdateScrollRange();
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
}

void TEditDictionary::ConfirmClick() {
  if (TDictionaryItem* item = ItemOf(sender())) Confirm(*item);
}

void TEditDictionary::UpdateScrollRange() {
  // The strip reaches the right edge of the last tile plus the margin before the first one.
  int right = 5;
  for (const auto& item : itemList_)
    right = std::max(right, item->Frame->x() - 5 + TilePitch + 5);
  strip_->resize(std::max(right, ScrollBox1->viewport()->width()), strip_->height());
  ScrollBox1->horizontalScrollBar()->setPageStep(ScrollBox1->viewport()->width());
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
  // A text the user writes is their word.
  Confirm(*item);
}

void TEditDictionary::BtnDelete() {
  if (DeleteTimer->isActive()) return;
  TDictionaryItem* item = ItemOf(sender());
  if (item == nullptr || !FileExists(CharDictionary::BitmapPath(dictionaryRoot_, item->FileName)))
    return;
  const std::string question = "Do you really want to delete \"" + item->Text + "\" [" +
                               WithoutDirectory(item->FileName) + "] ?";
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
        ui_.Ask(saved.Message + "\nClose without saving the changes?", Buttons::YesNo) != Answer::Yes)
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
  if (ScrollBox1 != nullptr) ScrollBox1->setGeometry(ScrollBoxGeometry);
  if (strip_ != nullptr) strip_->resize(strip_->width(), StripHeight);
  deleteTarget_ = nullptr;
  if (strip_ != nullptr) UpdateScrollRange();
}

bool TEditDictionary::eventFilter(QObject* watched, QEvent* event) {
  // The strip has no vertical extent: the wheel scrolls it sideways.
  if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const QPoint pixels = wheel->pixelDelta();
    const QPoint angle = wheel->angleDelta();
    int delta = !pixels.isNull() ? (pixels.y() != 0 ? pixels.y() : pixels.x())
                                 : (angle.y() != 0 ? angle.y() : angle.x()) / 2;
    QScrollBar* bar = ScrollBox1->horizontalScrollBar();
    bar->setValue(bar->value() - delta);
    return true;
  }
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
