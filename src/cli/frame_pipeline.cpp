#include "cli/frame_pipeline.hpp"

#include <chrono>

namespace tess::cli {

FramePipeline::FramePipeline(FrameSink& sink, std::size_t pictureBytes, int inFlight)
    : sink_(sink), frames_(static_cast<std::size_t>(inFlight)) {
  for (PipelineFrame& frame : frames_) {
    frame.picture.resize(pictureBytes);
    free_.push_back(&frame);
  }
  worker_ = std::thread([this] { work(); });
}

FramePipeline::~FramePipeline() {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
    full_.clear();
  }
  changed_.notify_all();
  worker_.join();
}

PipelineFrame* FramePipeline::next() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !free_.empty() || !failure_.ok(); });
  if (!failure_.ok()) return nullptr;
  PipelineFrame* frame = free_.front();
  free_.pop_front();
  return frame;
}

void FramePipeline::submit(PipelineFrame* frame) {
  {
    std::lock_guard lock(mutex_);
    full_.push_back(frame);
  }
  changed_.notify_all();
}

void FramePipeline::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return closing_ || !full_.empty(); });
    if (full_.empty()) return;  // closing
    PipelineFrame* frame = full_.front();
    full_.pop_front();
    if (!failure_.ok()) {  // after a failure frames are only given back
      free_.push_back(frame);
      continue;
    }
    busy_ = true;
    lock.unlock();
    const auto start = std::chrono::steady_clock::now();
    Status done = sink_.addFrame(frame->picture.data());
    if (done.ok() && !frame->sound.empty())
      done = sink_.addSound(frame->sound.data(), static_cast<int>(frame->sound.size() / 2));
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    lock.lock();
    busy_ = false;
    sinkSeconds_ += spent.count();
    if (failure_.ok()) failure_ = done;
    free_.push_back(frame);
    changed_.notify_all();
  }
}

Status FramePipeline::finish() {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (full_.empty() && !busy_) || !failure_.ok(); });
    if (!failure_.ok()) return failure_;
  }
  const auto start = std::chrono::steady_clock::now();
  Status finished = sink_.finish();  // the worker is idle: nothing is in flight
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  std::lock_guard lock(mutex_);
  sinkSeconds_ += spent.count();
  return finished;
}

double FramePipeline::sinkSeconds() {
  std::lock_guard lock(mutex_);
  return sinkSeconds_;
}

}  // namespace tess::cli
