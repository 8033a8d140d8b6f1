#include "ui/texture_view_window.hpp"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>

namespace tess {

TextureViewWindow::TextureViewWindow(TextureViewModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setMinimumSize(16, 16);
  setAccessibleName("Texture view");
}

void TextureViewWindow::refresh() {
  setWindowTitle(QString::fromStdString(model_.title()));
  update();
}

void TextureViewWindow::paintEvent(QPaintEvent*) {
  QImage picture(width(), height(), QImage::Format_RGB32);
  model_.draw(width(), height(), reinterpret_cast<std::uint32_t*>(picture.bits()));
  QPainter(this).drawImage(0, 0, picture);
}

void TextureViewWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_0: model_.resetZoom(); break;
    case Qt::Key_8: model_.fitZoom(width(), height()); break;
    case Qt::Key_W: model_.toggleBackground(); break;
    case Qt::Key_Space:
      spaceHeld_ = true;
      setCursor(Qt::OpenHandCursor);
      return;
    default: return QWidget::keyPressEvent(event);
  }
  update();
}

void TextureViewWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space || event->isAutoRepeat())
    return QWidget::keyReleaseEvent(event);
  spaceHeld_ = false;
  model_.endPan();
  unsetCursor();
}

void TextureViewWindow::mousePressEvent(QMouseEvent* event) {
  if (spaceHeld_ && event->button() == Qt::LeftButton)
    model_.startPan(event->position().toPoint().x(), event->position().toPoint().y());
}

void TextureViewWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!model_.panning()) return;
  model_.movePan(event->position().toPoint().x(), event->position().toPoint().y());
  update();
}

void TextureViewWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) model_.endPan();
}

void TextureViewWindow::wheelEvent(QWheelEvent* event) {
  model_.wheel(event->angleDelta().y());
  update();
}

}  // namespace tess
