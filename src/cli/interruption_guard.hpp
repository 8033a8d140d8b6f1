#pragma once

#include <signal.h>

namespace tess::cli {

// SIGINT and SIGTERM stop long work between two steps instead of ending the process, so that
// what was half written can be removed; the previous handlers come back with the guard's end.
// One guard at a time.
class InterruptionGuard {
 public:
  InterruptionGuard();
  ~InterruptionGuard();
  InterruptionGuard(const InterruptionGuard&) = delete;
  InterruptionGuard& operator=(const InterruptionGuard&) = delete;

  // The signal that arrived since the guard began, or 0.
  int signal() const;

 private:
  struct sigaction previousInt_ {};
  struct sigaction previousTerm_ {};
};

}  // namespace tess::cli
