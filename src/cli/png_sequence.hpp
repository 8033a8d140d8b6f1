#pragma once

#include <filesystem>

#include "cli/frame_sink.hpp"

namespace tess::cli {

// Frames as numbered pictures for other tools: frame_000000.png, frame_000001.png, ... in a
// folder; the sound is not written.
class PngSequence final : public FrameSink {
 public:
  PngSequence(std::filesystem::path folder, int width, int height)
      : folder_(std::move(folder)), width_(width), height_(height) {}

  Status addFrame(const std::uint8_t* bgra) override;
  Status addSound(const float*, int) override { return Status::success(); }
  Status finish() override { return Status::success(); }

  // The name of picture `index`.
  static std::string fileName(std::int64_t index);

 private:
  std::filesystem::path folder_;
  int width_, height_;
  std::int64_t written_ = 0;
};

}  // namespace tess::cli
