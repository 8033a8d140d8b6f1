#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/video_encoder.hpp"

namespace tess::cli {

// What `tessarine-cli video` is asked for, checked before any work starts.
struct VideoRequest {
  std::filesystem::path pack;
  std::filesystem::path out;     // the video file, or
  std::filesystem::path pngDir;  // the folder for frame_000000.png, ...
  VideoFormat format;            // container and crf matter only for a video file
  int from = 0;                  // ms of the show
  std::optional<int> to;         // ms; by default the end of the show
};

inline constexpr int kVideoEdgeMin = 16;
inline constexpr int kVideoEdgeMax = 8192;
inline constexpr int kVideoFpsMax = 240;

// Reads the arguments after "video". Nothing, with message set, when they do not make a request:
// unknown or missing options, an extension other than .mp4, .mkv and .webm, sizes outside
// 16..8192 (odd ones for H.264), a frame rate outside 1..240, --from not before --to, a quality
// outside the encoder's range.
std::optional<VideoRequest> readVideoRequest(const std::vector<std::string>& args,
                                             std::string& message);

}  // namespace tess::cli
