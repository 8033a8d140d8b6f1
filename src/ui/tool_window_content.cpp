#include "ui/tool_window_content.hpp"

#include <QMouseEvent>

namespace tess {

void ToolWindowContent::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !parentWidget()) return QWidget::mousePressEvent(event);
  dragging_ = true;
  grab_ = event->globalPosition().toPoint();
}

void ToolWindowContent::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return QWidget::mouseMoveEvent(event);
  const QPoint at = event->globalPosition().toPoint();
  // The frame around the content is the window that moves.
  parentWidget()->move(parentWidget()->pos() + (at - grab_));
  grab_ = at;
}

void ToolWindowContent::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
  QWidget::mouseReleaseEvent(event);
}

}  // namespace tess
