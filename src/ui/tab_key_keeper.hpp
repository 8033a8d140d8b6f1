#pragma once

#include <QObject>

class QWidget;

namespace tess {

// Keeps Tab and Ctrl+Tab for a widget whose keys they are while it has the keyboard: the window
// area would otherwise take Ctrl+Tab to switch windows (through an application-wide filter). The
// widget's event() must handle both keys itself, before QWidget moves the focus with them.
class TabKeyKeeper : public QObject {
 public:
  explicit TabKeyKeeper(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* widget_;
};

}  // namespace tess
