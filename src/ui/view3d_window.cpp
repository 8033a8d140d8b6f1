#include "ui/view3d_window.hpp"

#include <QPainter>

namespace tess {

View3dWindow::View3dWindow(const View3dDisplay& display, QWidget* parent)
    : QWidget(parent), display_(display) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName("3d view");
  refreshTitle();
}

void View3dWindow::refreshTitle() { setWindowTitle(QString::fromStdString(display_.title())); }

void View3dWindow::showPicture(const std::uint8_t* pixels, int width, int height) {
  picture_ = QImage(pixels, width, height, width * 4, QImage::Format_RGB32);
  update();
}

void View3dWindow::showError(const QString& text) {
  error_ = text;
  setAccessibleDescription(text);
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
