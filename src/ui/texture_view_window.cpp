#include "ui/texture_view_window.hpp"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

namespace tess {
namespace {

ViewKey viewKey(const QKeyEvent& event) {
  ViewKey key;
  switch (event.key()) {
    case Qt::Key_Tab: key.named = ViewKey::Named::Tab; break;
    case Qt::Key_Backtab: key.named = ViewKey::Named::Backtab; break;
    case Qt::Key_Backspace: key.named = ViewKey::Named::Backspace; break;
    case Qt::Key_F1: key.named = ViewKey::Named::F1; break;
    case Qt::Key_F2: key.named = ViewKey::Named::F2; break;
    case Qt::Key_F3: key.named = ViewKey::Named::F3; break;
    case Qt::Key_F4: key.named = ViewKey::Named::F4; break;
    case Qt::Key_F5: key.named = ViewKey::Named::F5; break;
    default: break;
  }
  // Qt names letter keys by their upper-case letter and digit keys by their digit.
  if (event.key() >= Qt::Key_Space && event.key() <= Qt::Key_AsciiTilde)
    key.character = static_cast<char>(event.key());
  const QString typed = event.text();
  if (typed.size() == 1 && typed[0].unicode() >= 0x20 && typed[0].unicode() < 0x7F)
    key.typed = static_cast<char>(typed[0].unicode());
  key.control = event.modifiers() & Qt::ControlModifier;
  key.autoRepeat = event.isAutoRepeat();
  return key;
}

}  // namespace

TextureViewWindow::TextureViewWindow(TextureViewModel& model,
                                     std::function<void(int)> chooseScheme, QWidget* parent)
    : QWidget(parent), model_(model), chooseScheme_(std::move(chooseScheme)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setMinimumSize(16, 16);
  setAccessibleName("Texture view");
  previewTimer_.setSingleShot(true);
  previewTimer_.setInterval(0);
  connect(&previewTimer_, &QTimer::timeout, this, [this] { model_.runDuePreview(); });
}

void TextureViewWindow::refresh() {
  setWindowTitle(QString::fromStdString(model_.title()));
  update();
}

bool TextureViewWindow::event(QEvent* event) {
  return takeTabKey(event) || QWidget::event(event);
}

bool TextureViewWindow::eventFilter(QObject* watched, QEvent* event) {
  return (watched == this && takeTabKey(event)) || QWidget::eventFilter(watched, event);
}

bool TextureViewWindow::takeTabKey(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return false;
  keyPressEvent(key);
  return true;
}

void TextureViewWindow::focusInEvent(QFocusEvent* event) {
  // Installed last, the filter sees key events before the window area's.
  qApp->installEventFilter(this);
  QWidget::focusInEvent(event);
}

void TextureViewWindow::focusOutEvent(QFocusEvent* event) {
  qApp->removeEventFilter(this);
  QWidget::focusOutEvent(event);
}

void TextureViewWindow::paintEvent(QPaintEvent*) {
  QImage picture(width(), height(), QImage::Format_RGB32);
  model_.draw(width(), height(), reinterpret_cast<std::uint32_t*>(picture.bits()));
  QPainter(this).drawImage(0, 0, picture);
}

void TextureViewWindow::resizeEvent(QResizeEvent* event) {
  model_.resize(width(), height());
  QWidget::resizeEvent(event);
}

void TextureViewWindow::keyPressEvent(QKeyEvent* event) {
  const ViewKeyAction action = model_.pressKey(viewKey(*event));
  if (!action.handled) return QWidget::keyPressEvent(event);
  if (action.scheme >= 0 && chooseScheme_) chooseScheme_(action.scheme);
  if (action.fitWindow) fitWindow();
  showPanCursor();
  update();
}

void TextureViewWindow::keyReleaseEvent(QKeyEvent* event) {
  model_.releaseKey(viewKey(*event));
  showPanCursor();
  QWidget::keyReleaseEvent(event);
}

void TextureViewWindow::fitWindow() {
  const WindowSize fitted = model_.fittedWindowSize();
  // The frame around the view is the window; the view grows with it.
  QWidget* frame = parentWidget() ? parentWidget() : this;
  const QSize border = frame->size() - size();
  frame->resize(fitted.width, fitted.height);
  model_.fitZoom(fitted.width - border.width(), fitted.height - border.height());
}

void TextureViewWindow::showPanCursor() {
  if (model_.panning())
    setCursor(Qt::ClosedHandCursor);
  else if (model_.panMode())
    setCursor(Qt::OpenHandCursor);
  else
    unsetCursor();
}

void TextureViewWindow::runPreviewSoon() {
  if (model_.previewDue()) previewTimer_.start();
}

void TextureViewWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  model_.pressPointer(at.x(), at.y());
  showPanCursor();
  runPreviewSoon();
  update();
}

void TextureViewWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  model_.movePointer(at.x(), at.y());
  runPreviewSoon();
  update();
}

void TextureViewWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  model_.releasePointer();
  showPanCursor();
}

void TextureViewWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) model_.doubleClick();
}

void TextureViewWindow::wheelEvent(QWheelEvent* event) {
  model_.wheel(event->angleDelta().y());
  runPreviewSoon();
  update();
}

}  // namespace tess
