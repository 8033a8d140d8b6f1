#include "core/progress_line.hpp"

namespace tess {

ProgressLine::ProgressLine(std::ostream& out, bool terminal, Clock& clock, double delay,
                           double interval)
    : out_(out), terminal_(terminal), clock_(clock), start_(clock.milliseconds()), delay_(delay),
      interval_(interval) {}

bool ProgressLine::due() {
  const double now = clock_.milliseconds();
  if (now - start_ < delay_ || (shown_ && now - lastShown_ < interval_)) return false;
  lastShown_ = now;
  return true;
}

void ProgressLine::show(const std::string& text) {
  shown_ = true;
  lastText_ = text;
  if (!terminal_) {
    out_ << text << "\n" << std::flush;
    return;
  }
  // Spaces wipe what a longer earlier text left on the line.
  const std::size_t pad = width_ > text.size() ? width_ - text.size() : 0;
  out_ << "\r" << text << std::string(pad, ' ') << std::flush;
  width_ = text.size();
}

void ProgressLine::finish() {
  if (terminal_ && shown_) out_ << "\n" << std::flush;
  shown_ = false;
  lastText_.clear();
  width_ = 0;
}

}  // namespace tess
