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

// A clock that stands still while paused: it reads the source's time minus every pause, so a
// paused show resumes where it stopped.
class PausableClock final : public Clock {
 public:
  explicit PausableClock(Clock& source) : source_(source) {}
  double milliseconds() override { return (paused_ ? pausedAt_ : source_.milliseconds()) - pausedFor_; }
  bool paused() const { return paused_; }
  void setPaused(bool paused) {
    if (paused == paused_) return;
    const double now = source_.milliseconds();
    if (paused) pausedAt_ = now;
    else pausedFor_ += now - pausedAt_;
    paused_ = paused;
  }

 private:
  Clock& source_;
  bool paused_ = false;
  double pausedAt_ = 0;
  double pausedFor_ = 0;
};

}  // namespace tess
