#include "ui/mdi_window.hpp"

#include <QCloseEvent>
#include <QResizeEvent>

namespace tess {

MdiWindow::MdiWindow(QWidget* content, const QString& title) {
  setWidget(content);
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setMinimumSize(0, 0);
}

void MdiWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Q_EMIT closeRequested();
}

void MdiWindow::resizeEvent(QResizeEvent* event) {
  QMdiSubWindow::resizeEvent(event);
  if (!heightRule || isMaximized() || event->size().width() <= 0) return;
  const int height = heightRule(event->size().width());
  if (height != event->size().height()) resize(event->size().width(), height);
}

}  // namespace tess
