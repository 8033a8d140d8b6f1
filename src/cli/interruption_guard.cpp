#include "cli/interruption_guard.hpp"

#include <csignal>

namespace tess::cli {

namespace {

volatile std::sig_atomic_t interruption = 0;

void noteInterruption(int signal) { interruption = signal; }

}  // namespace

InterruptionGuard::InterruptionGuard() {
  interruption = 0;
  struct sigaction action {};
  action.sa_handler = noteInterruption;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previousInt_);
  sigaction(SIGTERM, &action, &previousTerm_);
}

InterruptionGuard::~InterruptionGuard() {
  sigaction(SIGINT, &previousInt_, nullptr);
  sigaction(SIGTERM, &previousTerm_, nullptr);
}

int InterruptionGuard::signal() const { return interruption; }

}  // namespace tess::cli
