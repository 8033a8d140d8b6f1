#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "editor/texture_view_model.hpp"

namespace tess {

// Shows what its model draws: the displayed stage of the current texture, zoomed and panned. Keys,
// the pointer and the wheel go to the model; F1..F5 load a window scheme through chooseScheme.
class TextureViewWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TextureViewWindow(TextureViewModel& model,
                             std::function<void(int scheme)> chooseScheme = {},
                             QWidget* parent = nullptr);
  // Takes the title and picture from the model again.
  void refresh();

 protected:
  // Tab selects operations here instead of moving the keyboard focus, and Ctrl+Tab instead of
  // switching windows (the window area takes it application-wide while the view has the focus).
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Handles Tab, Shift+Tab and Ctrl+Tab key presses; false for other events.
  bool takeTabKey(QEvent* event);
  // Gives the window the size that shows the whole texture, then fits the zoom to it.
  void fitWindow();
  void showPanCursor();
  // Placing and wheel changes run once the events waiting are handled, so a drag never queues
  // runs.
  void runPreviewSoon();

  TextureViewModel& model_;
  std::function<void(int)> chooseScheme_;
  QTimer previewTimer_;
};

}  // namespace tess
