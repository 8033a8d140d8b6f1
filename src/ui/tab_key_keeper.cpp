#include "ui/tab_key_keeper.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tess {

TabKeyKeeper::TabKeyKeeper(QWidget* widget) : QObject(widget), widget_(widget) {
  widget->installEventFilter(this);
}

bool TabKeyKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_) return false;
  switch (event->type()) {
    // Installed last, the application filter sees key events before the window area's.
    case QEvent::FocusIn: qApp->installEventFilter(this); break;
    case QEvent::FocusOut: qApp->removeEventFilter(this); break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return static_cast<QObject*>(widget_)->event(event);
      break;
    }
    default: break;
  }
  return false;
}

}  // namespace tess
