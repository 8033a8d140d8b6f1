#pragma once

#include <QPoint>
#include <QWidget>

namespace tess {

// The content of a tool window. A left-button drag on its background (not on a control) moves the
// window inside the main frame, as its title bar does.
class ToolWindowContent : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool dragging_ = false;
  QPoint grab_;  // pointer position in global coordinates where the drag started
};

}  // namespace tess
