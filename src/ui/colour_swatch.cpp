#include "ui/colour_swatch.hpp"

#include <QPainter>

namespace tess {

ColourSwatch::ColourSwatch(QWidget* parent) : QAbstractButton(parent) {
  setFixedSize(kWidth, kHeight);
  setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::setColour(const QColor& colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
  // The keyboard focus shows as a frame in the colour's opposite.
  if (hasFocus()) {
    painter.setPen(QColor(255 - colour_.red(), 255 - colour_.green(), 255 - colour_.blue()));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

}  // namespace tess
