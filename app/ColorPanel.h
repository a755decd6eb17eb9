// A display colour panel of the palette: shows one colour, reports double clicks.
#pragma once

#include <QFrame>

#include "platform/Color.h"

namespace quelm {

class ColorPanel : public QFrame {
  Q_OBJECT

 public:
  explicit ColorPanel(QWidget* parent = nullptr);

  Color PanelColor() const { return color_; }
  void SetPanelColor(Color color);

 signals:
  void DoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Color color_ = ColorBlack;
};

}  // namespace quelm
