#include "ui/view3d_window.hpp"

#include <optional>

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "ui/tab_key_keeper.hpp"

namespace tess {
namespace {

HeldInputs held(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons) {
  return {.shift = keys.testFlag(Qt::ShiftModifier),
          .ctrl = keys.testFlag(Qt::ControlModifier),
          .left = buttons.testFlag(Qt::LeftButton),
          .right = buttons.testFlag(Qt::RightButton),
          .middle = buttons.testFlag(Qt::MiddleButton)};
}

HeldInputs held(const QInputEvent& event, Qt::MouseButtons buttons = {}) {
  return held(event.modifiers(), buttons);
}

std::optional<MouseButton> buttonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return std::nullopt;
  }
}

std::optional<View3dKey> keyOf(int key) {
  if (key >= Qt::Key_1 && key <= Qt::Key_7)
    return static_cast<View3dKey>(static_cast<int>(View3dKey::Digit1) + key - Qt::Key_1);
  switch (key) {
    case Qt::Key_Backspace: return View3dKey::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return View3dKey::Tab;
    case Qt::Key_Shift: return View3dKey::Shift;
    case Qt::Key_Control: return View3dKey::Control;
    case Qt::Key_Space: return View3dKey::Space;
    case Qt::Key_Left: return View3dKey::Left;
    case Qt::Key_Right: return View3dKey::Right;
    case Qt::Key_Up: return View3dKey::Up;
    case Qt::Key_Down: return View3dKey::Down;
    case Qt::Key_Delete: return View3dKey::Delete;
    case Qt::Key_A: return View3dKey::A;
    case Qt::Key_C: return View3dKey::C;
    case Qt::Key_D: return View3dKey::D;
    case Qt::Key_E: return View3dKey::E;
    case Qt::Key_G: return View3dKey::G;
    case Qt::Key_H: return View3dKey::H;
    case Qt::Key_P: return View3dKey::P;
    case Qt::Key_Q: return View3dKey::Q;
    case Qt::Key_R: return View3dKey::R;
    case Qt::Key_T: return View3dKey::T;
    case Qt::Key_W: return View3dKey::W;
    case Qt::Key_X: return View3dKey::X;
    case Qt::Key_Z: return View3dKey::Z;
    default: return std::nullopt;
  }
}

Qt::CursorShape cursorOf(PointerShape shape) {
  switch (shape) {
    case PointerShape::Drag: return Qt::SizeAllCursor;
    case PointerShape::DepthDrag: return Qt::SizeVerCursor;
    case PointerShape::ControlPick: return Qt::CrossCursor;
    case PointerShape::Normal: break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

View3dWindow::View3dWindow(View3dController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  new TabKeyKeeper(this);
  buildCameraMenu();
  refreshTitle();
}

void View3dWindow::buildCameraMenu() {
  cameraMenu_ = new QMenu("camera", this);
  cameraMenu_->setAccessibleName("camera");
  const auto add = [this](const char* caption, const char* keys, auto command) {
    QAction* item = cameraMenu_->addAction(caption);
    if (keys) {
      item->setShortcut(QKeySequence(keys));
      item->setShortcutContext(Qt::WidgetShortcut);  // shown; the view's keys do the work
    }
    connect(item, &QAction::triggered, this, [this, command] {
      command(controller_);
      showState();
    });
  };
  add("write cam to slot", nullptr, [](View3dController& c) { c.writeCamera(); });
  add("next cam", "Ctrl+Right", [](View3dController& c) { c.nextCamera(); });
  add("previous cam", "Ctrl+Left", [](View3dController& c) { c.previousCamera(); });
  add("slide to next cam", "Ctrl+Down", [](View3dController& c) { c.slideToNextCamera(); });
  add("slide to previos cam", "Ctrl+Up", [](View3dController& c) { c.slideToPreviousCamera(); });
  add("zoom: max (ctrl+1)", nullptr, [](View3dController& c) { c.zoomPreset(0); });
  add("zoom: middle (ctrl+2)", nullptr, [](View3dController& c) { c.zoomPreset(1); });
  add("zoom 25% (ctrl+3)", nullptr, [](View3dController& c) { c.zoomPreset(2); });
  add("zoom: min (ctrl+4)", nullptr, [](View3dController& c) { c.zoomPreset(3); });
}

void View3dWindow::refreshTitle() {
  const QString title = QString::fromStdString(controller_.title());
  if (title == windowTitle()) return;
  setWindowTitle(title);
  setAccessibleName(title);
}

void View3dWindow::showState() {
  refreshTitle();
  const Qt::CursorShape shape = cursorOf(controller_.pointerShape());
  if (cursor().shape() != shape) setCursor(shape);
}

void View3dWindow::showPicture(const std::uint8_t* pixels, int width, int height) {
  picture_ = QImage(pixels, width, height, width * 4, QImage::Format_RGB32);
  controller_.setBackBufferSize(width, height);
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

void View3dWindow::resizeEvent(QResizeEvent*) { controller_.setViewSize(width(), height()); }

bool View3dWindow::event(QEvent* event) {
  // Tab and Ctrl+Tab are the view's keys, not focus moves.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::event(event);
}

void View3dWindow::keyPressEvent(QKeyEvent* event) {
  const auto key = keyOf(event->key());
  if (!key) return QWidget::keyPressEvent(event);
  controller_.keyDown(*key, held(*event));
  showState();
}

void View3dWindow::keyReleaseEvent(QKeyEvent* event) {
  const auto key = keyOf(event->key());
  if (!key) return QWidget::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;  // still held
  controller_.keyUp(*key, held(*event));
  showState();
}

void View3dWindow::focusOutEvent(QFocusEvent* event) {
  // A pop-up takes the keyboard while it is open; keys released meanwhile still count.
  if (event->reason() != Qt::PopupFocusReason) controller_.keysLost();
  showState();
  QWidget::focusOutEvent(event);
}

void View3dWindow::mouseMoveEvent(QMouseEvent* event) {
  if (pointerArrived) pointerArrived();
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  const QPoint at = event->position().toPoint();
  controller_.pointerMove(at.x(), at.y(), held(*event, event->buttons()));
  showState();
}

void View3dWindow::forwardButton(QMouseEvent* event, ButtonHandler handler) {
  const QPoint at = event->position().toPoint();
  if (const auto button = buttonOf(event->button()))
    (controller_.*handler)(*button, at.x(), at.y(), held(*event, event->buttons()));
  showState();
}

void View3dWindow::mousePressEvent(QMouseEvent* event) {
  forwardButton(event, &View3dController::buttonDown);
}

void View3dWindow::mouseReleaseEvent(QMouseEvent* event) {
  forwardButton(event, &View3dController::buttonUp);
}

void View3dWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  forwardButton(event, &View3dController::doubleClick);
}

void View3dWindow::wheelEvent(QWheelEvent* event) {
  controller_.wheel(event->angleDelta().y(), held(*event, event->buttons()));
  showState();
}

void View3dWindow::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  const auto popup = controller_.popupFor(held(event->modifiers(), {}));
  if (!popup) return;
  QMenu* menu = cameraMenu_;
  if (*popup == View3dPopup::Modifiers) menu = modifierMenu ? modifierMenu() : nullptr;
  if (*popup == View3dPopup::Objects) menu = objectsMenu;
  // From the keyboard the pop-up opens near the window's corner.
  const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? QPoint(5, 5) : event->pos();
  if (menu) menu->exec(mapToGlobal(at));
  controller_.popupClosed();
  showState();
}

}  // namespace tess
