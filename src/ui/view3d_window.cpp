#include "ui/view3d_window.hpp"

#include <QPainter>

#include "ui/view3d_rules.hpp"

namespace tess {

View3dWindow::View3dWindow(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(kView3dStartTitle);
}

void View3dWindow::showPicture(const std::uint8_t* pixels, int width, int height) {
  picture_ = QImage(pixels, width, height, width * 4, QImage::Format_RGB32);
  update();
}

void View3dWindow::showError(const QString& text) {
  error_ = text;
  update();
}

void View3dWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), QColor(0x78, 0x78, 0x78));
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, error_);
    return;
  }
  painter.drawImage(rect(), picture_);
}

}  // namespace tess
