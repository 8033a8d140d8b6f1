#include "cli/video_request.hpp"

#include <algorithm>
#include <cctype>

#include "cli/arguments.hpp"
#include "core/frame_size.hpp"

namespace tess::cli {

namespace {

constexpr int kLongestShow = 24 * 60 * 60 * 1000;  // a day

std::optional<VideoContainer> containerFor(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::ranges::transform(extension, extension.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".mp4") return VideoContainer::Mp4;
  if (extension == ".mkv") return VideoContainer::Matroska;
  if (extension == ".webm") return VideoContainer::WebM;
  return std::nullopt;
}

// Reads the options that shape the pictures; false with message set on the first bad one.
bool readPictureOptions(const Arguments& arguments, VideoRequest& request, std::string& message) {
  VideoFormat& format = request.format;
  if (const auto text = arguments.option("size")) {
    const auto size = parseFrameSize(*text, kVideoEdgeMin, kVideoEdgeMax);
    if (!size)
      return message = "--size must be WxH with edges " + std::to_string(kVideoEdgeMin) + ".." +
                       std::to_string(kVideoEdgeMax),
             false;
    format.width = size->width;
    format.height = size->height;
  }
  if (const auto text = arguments.option("fps")) {
    const auto fps = parseInteger(*text, 1, kVideoFpsMax);
    if (!fps) return message = "--fps must be 1.." + std::to_string(kVideoFpsMax), false;
    format.fps = *fps;
  }
  if (const auto text = arguments.option("from")) {
    const auto from = parseInteger(*text, 0, kLongestShow);
    if (!from) return message = "--from needs a time in milliseconds", false;
    request.from = *from;
  }
  if (const auto text = arguments.option("to")) {
    request.to = parseInteger(*text, 0, kLongestShow);
    if (!request.to) return message = "--to needs a time in milliseconds", false;
    if (*request.to <= request.from) return message = "--from must come before --to", false;
  }
  return true;
}

// The container by the output's extension, its quality range and the size its codec takes.
bool readVideoFileOptions(const Arguments& arguments, VideoRequest& request, std::string& message) {
  VideoFormat& format = request.format;
  const auto container = containerFor(request.out);
  if (!container)
    return message = "'" + request.out.string() + "': the extension must be .mp4, .mkv or .webm",
           false;
  format.container = *container;
  const bool vp9 = format.container == VideoContainer::WebM;
  const int maxCrf = vp9 ? 63 : 51;
  format.crf = vp9 ? 31 : 23;
  if (const auto text = arguments.option("crf")) {
    const auto crf = parseInteger(*text, 0, maxCrf);
    if (!crf) return message = "--crf must be 0.." + std::to_string(maxCrf) + " for this format", false;
    format.crf = *crf;
  }
  if (!vp9 && (format.width % 2 != 0 || format.height % 2 != 0))
    return message = "H.264 needs an even width and height", false;
  return true;
}

}  // namespace

std::optional<VideoRequest> readVideoRequest(const std::vector<std::string>& args,
                                             std::string& message) {
  auto arguments =
      parseArguments(args, {"out", "png-dir", "size", "fps", "from", "to", "crf"}, message);
  if (!arguments) return std::nullopt;
  if (arguments->positional.size() != 1) return message = "expected one pack file", std::nullopt;
  const auto out = arguments->option("out");
  const auto pngDir = arguments->option("png-dir");
  if (out.has_value() == pngDir.has_value())
    return message = "expected either --out FILE or --png-dir DIR", std::nullopt;
  if (pngDir && arguments->option("crf"))
    return message = "--crf applies to a video file, not to --png-dir", std::nullopt;
  VideoRequest request;
  request.pack = arguments->positional[0];
  request.out = out.value_or("");
  request.pngDir = pngDir.value_or("");
  if (!readPictureOptions(*arguments, request, message)) return std::nullopt;
  if (out && !readVideoFileOptions(*arguments, request, message)) return std::nullopt;
  return request;
}

}  // namespace tess::cli
