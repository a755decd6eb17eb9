// Dragging inside the VOB file list: the selected entry moves to the row under the pointer.
#include "app/VobFileListWidget.h"

#include <QApplication>
#include <QMouseEvent>

#include "settings/VobFileList.h"

namespace quelm {

VobFileListWidget::VobFileListWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragDropMode(QAbstractItemView::NoDragDrop);
}

std::vector<std::string> VobFileListWidget::Entries() const {
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(count()));
  for (int i = 0; i < count(); ++i) entries.push_back(item(i)->text().toStdString());
  return entries;
}

void VobFileListWidget::SetEntries(const std::vector<std::string>& entries) {
  clear();
  for (const auto& entry : entries) addItem(QString::fromStdString(entry));
}

void VobFileListWidget::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    dragging_ = false;
    pressPosition_ = event->position().toPoint();
  }
}

void VobFileListWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  if (pressed_ && (event->buttons() & Qt::LeftButton)) {
    if (!dragging_ && (position - pressPosition_).manhattanLength() >=
                          QApplication::startDragDistance()) {
      dragging_ = true;
      viewport()->setCursor(Qt::PointingHandCursor);
    }
    if (dragging_) {
      VobFileListBoxDragOver(position);
      return;
    }
  }
  QListWidget::mouseMoveEvent(event);
}

void VobFileListWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_) viewport()->unsetCursor();
  pressed_ = false;
  dragging_ = false;
  QListWidget::mouseReleaseEvent(event);
}

void VobFileListWidget::VobFileListBoxDragOver(const QPoint& position) {
  if (count() == 0) return;
  const int selected = currentRow();
  if (selected < 0) return;
  // The row under the pointer, counted in the scrolled list; below the last entry is the end.
  const QModelIndex under = indexAt(QPoint(1, position.y()));
  int target = under.isValid() ? under.row() : (position.y() < 0 ? 0 : count());
  if (target == selected) return;
  std::vector<std::string> entries = Entries();
  const int moved = VobFileList::MoveForDrag(entries, selected, target);
  if (moved == selected) return;
  SetEntries(entries);
  setCurrentRow(moved);
  emit Reordered();
}

}  // namespace quelm
