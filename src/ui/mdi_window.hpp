#pragma once

#include <QMdiSubWindow>
#include <functional>

namespace tess {

// A window inside the main frame. Closing it only asks the main frame to hide it (as the window's
// menu toggle does); a height rule, when given, keeps the height a function of the width unless
// the window is maximised.
class MdiWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  MdiWindow(QWidget* content, const QString& title);
  std::function<int(int width)> heightRule;

 Q_SIGNALS:
  void closeRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace tess
