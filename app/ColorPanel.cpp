// Painting and double clicks of a colour panel.
#include "app/ColorPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/BitmapImage.h"

namespace quelm {

ColorPanel::ColorPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
}

void ColorPanel::SetPanelColor(Color color) {
  color_ = color;
  update();
}

void ColorPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    QColor fill = ToQColor(color_);
    painter.fillRect(contentsRect(), fill);
    if (!isEnabled()) {
      // A light hatch keeps the colour readable while saying "not editable now".
      painter.fillRect(contentsRect(), QBrush(palette().color(QPalette::Window), Qt::BDiagPattern));
    }
  }
  QFrame::paintEvent(event);
}

void ColorPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) emit DoubleClicked();
  QFrame::mouseDoubleClickEvent(event);
}

}  // namespace quelm
