#include "cli/export_report.hpp"

#include <cmath>
#include <cstdio>

namespace tess::cli {

namespace {

std::string fixed1(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string percent(double part, double whole) {
  return std::to_string(whole > 0 ? static_cast<int>(std::lround(100 * part / whole)) : 0) + "%";
}

}  // namespace

std::string exportProgressText(std::int64_t done, std::int64_t total, double seconds) {
  std::string text = "frame " + std::to_string(done) + " of " + std::to_string(total) + " (" +
                     percent(static_cast<double>(done), static_cast<double>(total)) + ")";
  if (done == 0 || seconds <= 0) return text;
  const double rate = static_cast<double>(done) / seconds;
  const auto left = static_cast<long long>(std::ceil(static_cast<double>(total - done) / rate));
  return text + ", " + fixed1(rate) + " fps, " + std::to_string(left) + " s left";
}

std::string exportSummaryText(std::int64_t frames, const ExportTimes& times) {
  const double busy = times.drawing + times.readBack + times.encoding;
  std::string text = std::to_string(frames) + " frames in " + fixed1(times.wall) + " s";
  if (times.wall > 0) text += " (" + fixed1(static_cast<double>(frames) / times.wall) + " fps)";
  return text + ": drawing " + percent(times.drawing, busy) + ", read-back " +
         percent(times.readBack, busy) + ", encoding " + percent(times.encoding, busy) +
         " (beside the drawing)";
}

}  // namespace tess::cli
