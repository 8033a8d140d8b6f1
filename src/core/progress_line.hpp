#pragma once

// A progress line for long work on a text stream: nothing for work that ends quickly, then at
// most one update per interval. On a terminal the line is rewritten in place; into a file or a
// pipe each update is a line of its own.

#include <ostream>
#include <string>

#include "core/clock.hpp"

namespace tess {

class ProgressLine {
 public:
  // Updates start once `delay` milliseconds have passed since construction and follow at least
  // `interval` milliseconds apart.
  ProgressLine(std::ostream& out, bool terminal, Clock& clock, double delay, double interval);

  // Whether an update shown now would be seen: the delay and the interval have passed.
  bool due();
  // Shows text when due (text is built only then).
  template <class Text>
  void update(Text text) {
    if (due()) show(text());
  }
  // Ends the line on a terminal once something was shown.
  void finish();
  // Once something was shown: shows the final text (whatever the interval, unless it was the
  // last one shown) and ends the line.
  template <class Text>
  void conclude(Text text) {
    if (shown_)
      if (std::string last = text(); last != lastText_) show(last);
    finish();
  }

 private:
  void show(const std::string& text);

  std::ostream& out_;
  bool terminal_;
  Clock& clock_;
  double start_;
  double delay_;
  double interval_;
  double lastShown_ = 0;
  bool shown_ = false;
  std::string lastText_;
  std::size_t width_ = 0;  // of the line on the terminal
};

}  // namespace tess
