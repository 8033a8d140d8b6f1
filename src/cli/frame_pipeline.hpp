#pragma once

// Hands the frames of an export from the drawing thread to a sink that runs on a thread of its
// own, so that encoding a frame overlaps drawing the next. A few frames are in flight at most;
// when all are, the drawing thread waits.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/frame_sink.hpp"

namespace tess::cli {

struct PipelineFrame {
  std::vector<std::uint8_t> picture;  // blue, green, red, alpha; row 0 at the top
  std::vector<float> sound;           // interleaved stereo that goes with it
};

class FramePipeline {
 public:
  FramePipeline(FrameSink& sink, std::size_t pictureBytes, int inFlight = 3);
  // Stops the sink's thread; frames not yet taken are dropped.
  ~FramePipeline();
  FramePipeline(const FramePipeline&) = delete;
  FramePipeline& operator=(const FramePipeline&) = delete;

  // A frame to fill, waiting while all are in flight; nothing once the sink has failed.
  PipelineFrame* next();
  // Hands a frame from next() to the sink.
  void submit(PipelineFrame* frame);
  // Waits for every frame handed over, then finishes the sink; the first failure of either.
  Status finish();
  // Seconds the sink has spent on frames and sound so far.
  double sinkSeconds();

 private:
  void work();

  FrameSink& sink_;
  std::vector<PipelineFrame> frames_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<PipelineFrame*> free_, full_;
  bool closing_ = false;
  bool busy_ = false;
  Status failure_;
  double sinkSeconds_ = 0;
  std::thread worker_;
};

}  // namespace tess::cli
