#pragma once

// Where the frames of an export go: a video file or a folder of pictures. Called from one
// thread at a time, in frame order.

#include <cstdint>

#include "core/file_io.hpp"

namespace tess::cli {

class FrameSink {
 public:
  virtual ~FrameSink() = default;
  // One picture of the export's size: blue, green, red, alpha bytes, row 0 at the top.
  virtual Status addFrame(const std::uint8_t* bgra) = 0;
  // The sound that goes with the frames so far: frames stereo sample frames, interleaved.
  virtual Status addSound(const float* interleaved, int frames) = 0;
  // Completes what was written.
  virtual Status finish() = 0;
};

}  // namespace tess::cli
