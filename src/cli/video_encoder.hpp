#pragma once

// Encodes pictures and sound into a video file with FFmpeg's libraries: H.264 (libx264) with AAC
// sound in MP4 or Matroska, VP9 (libvpx) with Opus sound in WebM.

#include <filesystem>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cli/frame_sink.hpp"

struct AVFormatContext;
struct AVCodecContext;
struct AVStream;
struct AVFrame;
struct AVPacket;
struct SwsContext;
struct SwrContext;

namespace tess::cli {

enum class VideoContainer { Mp4, Matroska, WebM };

struct VideoFormat {
  VideoContainer container = VideoContainer::Mp4;
  int width = 1280, height = 720;
  int fps = 60;
  int crf = 23;          // constant quality: lower is better
  bool sound = false;    // with a stereo sound stream
  int sampleRate = 48000;
};

class VideoEncoder final : public FrameSink {
 public:
  // Creates the file and writes its header; nothing, with status naming the file and the
  // problem, when an encoder is missing or the file cannot be written.
  static std::unique_ptr<VideoEncoder> open(const std::filesystem::path& file,
                                            const VideoFormat& format, Status& status);
  // Closes the file; unless finish succeeded, what it holds is incomplete.
  ~VideoEncoder() override;
  VideoEncoder(const VideoEncoder&) = delete;
  VideoEncoder& operator=(const VideoEncoder&) = delete;

  Status addFrame(const std::uint8_t* bgra) override;
  Status addSound(const float* interleaved, int frames) override;
  // Encodes the sound still held, drains both encoders and writes the file's index.
  Status finish() override;

 private:
  VideoEncoder(std::filesystem::path file, const VideoFormat& format);
  Status openStreams();
  Status send(AVCodecContext* codec, AVStream* stream, const AVFrame* frame);
  Status encodeSound(int frames);
  Status failure(const std::string& what, int error) const;

  std::filesystem::path file_;
  VideoFormat format_;
  AVFormatContext* output_ = nullptr;
  AVCodecContext* video_ = nullptr;
  AVCodecContext* audio_ = nullptr;
  AVStream* videoStream_ = nullptr;
  AVStream* audioStream_ = nullptr;
  AVFrame* picture_ = nullptr;
  AVFrame* soundFrame_ = nullptr;
  AVPacket* packet_ = nullptr;
  SwsContext* scaler_ = nullptr;
  SwrContext* resampler_ = nullptr;
  std::int64_t picturesSent_ = 0;
  std::int64_t samplesSent_ = 0;
  std::vector<float> pendingSound_;  // interleaved, less than one encoder frame after each call
};

}  // namespace tess::cli
