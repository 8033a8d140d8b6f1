#pragma once

#include <QObject>

class QSocketNotifier;

namespace tess {

// Turns SIGTERM and SIGINT into the Qt signal `requested`: the handler only writes a byte to a
// pipe, and a socket notifier reads it on the event loop, where any work is safe. One per process.
class TerminationWatch : public QObject {
  Q_OBJECT
 public:
  explicit TerminationWatch(QObject* parent = nullptr);
  ~TerminationWatch() override;

 Q_SIGNALS:
  void requested();

 private:
  void drain();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tess
