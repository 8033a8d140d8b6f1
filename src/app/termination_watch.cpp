#include "app/termination_watch.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace tess {
namespace {

constexpr int kWatchedSignals[] = {SIGTERM, SIGINT};
int wakeUp[2] = {-1, -1};  // read end, write end

void noteSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = ::write(wakeUp[1], &byte, 1);
  errno = saved;
}

void handleWith(void (*handler)(int)) {
  struct sigaction action{};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kWatchedSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace

TerminationWatch::TerminationWatch(QObject* parent) : QObject(parent) {
  if (::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) return;  // signals then end the program
  notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationWatch::drain);
  handleWith(noteSignal);
}

TerminationWatch::~TerminationWatch() {
  if (!notifier_) return;
  handleWith(SIG_DFL);
  delete notifier_;
  ::close(wakeUp[0]);
  ::close(wakeUp[1]);
  wakeUp[0] = wakeUp[1] = -1;
}

void TerminationWatch::drain() {
  char bytes[64];
  while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
  }
  Q_EMIT requested();
}

}  // namespace tess
