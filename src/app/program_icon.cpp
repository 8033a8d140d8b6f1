#include "app/program_icon.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace tess {

QImage programIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glow(size * 0.35, size * 0.3, size * 0.75);
  glow.setColorAt(0, QColor(255, 214, 120));
  glow.setColorAt(0.5, QColor(226, 88, 34));
  glow.setColorAt(1, QColor(70, 20, 90));
  painter.setBrush(glow);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
  // The T as one shape, so that its translucent white is not doubled where bar and stem meet.
  QPainterPath letter;
  letter.setFillRule(Qt::WindingFill);
  letter.addRect(QRectF(size * 0.27, size * 0.24, size * 0.46, size * 0.12));   // the bar
  letter.addRect(QRectF(size * 0.435, size * 0.24, size * 0.13, size * 0.54));  // the stem
  painter.fillPath(letter, QColor(255, 255, 255, 230));
  return image;
}

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 32, 64, 256}) icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
  return icon;
}

}  // namespace tess
