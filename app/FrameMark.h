// A rounded frame with nothing inside, laid over another control to mark it. Painted by hand: a
// style sheet on one widget costs more than the rest of a window to set up.
#pragma once

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace quelm {

class FrameMark : public QWidget {
 public:
  FrameMark(QColor color, int width, int radius, QWidget* parent)
      : QWidget(parent), color_(color), width_(width), radius_(radius) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color_, width_));
    painter.setBrush(Qt::NoBrush);
    const double inset = width_ / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius_, radius_);
  }

 private:
  QColor color_;
  int width_;
  int radius_;
};

}  // namespace quelm
