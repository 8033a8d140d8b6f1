#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

#include "editor/view3d_controller.hpp"

class QMenu;

namespace tess {

// Shows the renderer's back buffer scaled to the window, or, when the renderer could not start,
// says so. Input goes to the controller; the window shows the pop-ups it asks for, its pointer
// shape and its title (also the window's accessible name).
class View3dWindow : public QWidget {
  Q_OBJECT
 public:
  explicit View3dWindow(View3dController& controller, QWidget* parent = nullptr);
  // The picture of the last frame (blue, green, red, alpha bytes, row 0 at the top); the window
  // keeps no copy, so the pixels must stay until the next call.
  void showPicture(const std::uint8_t* pixels, int width, int height);
  void showError(const QString& text);
  // Takes the title from the controller again.
  void refreshTitle();

  // What the pop-ups show: the modifier menu of the modifiers window, and the main menu's
  // "Objects". The "camera" pop-up is the window's own.
  std::function<QMenu*()> modifierMenu;
  QMenu* objectsMenu = nullptr;
  // The pointer moved over the view: it becomes the active window.
  std::function<void()> pointerArrived;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  using ButtonHandler = void (View3dController::*)(MouseButton, int, int, HeldInputs);

  void buildCameraMenu();
  void forwardButton(QMouseEvent* event, ButtonHandler handler);
  // After every event: the title and pointer as the controller now has them.
  void showState();

  View3dController& controller_;
  QImage picture_;
  QString error_;
  QMenu* cameraMenu_ = nullptr;
};

}  // namespace tess
