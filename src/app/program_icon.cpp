#include "app/program_icon.hpp"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace tess {

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(size * 0.35, size * 0.3, size * 0.75);
    glow.setColorAt(0, QColor(255, 214, 120));
    glow.setColorAt(0.5, QColor(226, 88, 34));
    glow.setColorAt(1, QColor(70, 20, 90));
    painter.setBrush(glow);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 5 / 8);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 230));
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, "T");
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tess
