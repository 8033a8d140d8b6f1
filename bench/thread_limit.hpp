#pragma once

// The thread count a benchmark runs under: its figures come in pairs, one thread and every core,
// measured in the same run. Parallel work is timed in real time (the main thread's CPU time
// misses what the workers do).

#include <tbb/global_control.h>
#include <tbb/info.h>

namespace tess {

// 0 means every core of the machine.
inline int threadsFor(int requested) {
  return requested > 0 ? requested : tbb::info::default_concurrency();
}

class ThreadLimit {
 public:
  explicit ThreadLimit(int requested)
      : control_(tbb::global_control::max_allowed_parallelism,
                 static_cast<std::size_t>(threadsFor(requested))) {}

 private:
  tbb::global_control control_;
};

}  // namespace tess
