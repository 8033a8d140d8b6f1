#pragma once

// The millisecond tick count a frame reads at its start. Playback measures row times against it;
// tests and the command-line tool drive a manual clock instead of the monotonic one.

#include <chrono>

namespace tess {

class Clock {
 public:
  virtual ~Clock() = default;
  // Whole milliseconds; never goes back.
  virtual double milliseconds() = 0;
};

class SteadyClock final : public Clock {
 public:
  double milliseconds() override {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<double>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
  }
};

class ManualClock final : public Clock {
 public:
  double milliseconds() override { return now_; }
  void advance(double ms) { now_ += ms; }

 private:
  double now_ = 0;
};

}  // namespace tess
