#pragma once

#include <cstdint>
#include <string>

namespace tess::cli {

// "frame 120 of 600 (20%), 29.3 fps, 16 s left": the progress line of an export that has done
// `done` of `total` frames in `seconds`.
std::string exportProgressText(std::int64_t done, std::int64_t total, double seconds);

// Where an export's time went, in seconds: drawing and read-back on the drawing thread,
// encoding on its own thread beside them.
struct ExportTimes {
  double drawing = 0;
  double readBack = 0;
  double encoding = 0;
  double wall = 0;
};

// "50 frames in 1.2 s (41.7 fps): drawing 62%, read-back 4%, encoding 34% (beside the drawing)".
std::string exportSummaryText(std::int64_t frames, const ExportTimes& times);

}  // namespace tess::cli
