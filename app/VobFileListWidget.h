// The VOB file list box: a plain list whose selected entry follows the pointer while the left
// button is held, so entries are reordered by dragging them.
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace quelm {

class VobFileListWidget : public QListWidget {
  Q_OBJECT

 public:
  explicit VobFileListWidget(QWidget* parent = nullptr);

  std::vector<std::string> Entries() const;
  void SetEntries(const std::vector<std::string>& entries);

 signals:
  // The order changed through a drag.
  void Reordered();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void VobFileListBoxDragOver(const QPoint& position);

  bool pressed_ = false;
  bool dragging_ = false;
  QPoint pressPosition_;
};

}  // namespace quelm
