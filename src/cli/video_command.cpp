#include "cli/video_command.hpp"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iostream>
#include <memory>

#include "cli/arguments.hpp"
#include "cli/commands.hpp"
#include "cli/export_report.hpp"
#include "cli/frame_pipeline.hpp"
#include "cli/interruption_guard.hpp"
#include "cli/partial_file.hpp"
#include "cli/png_sequence.hpp"
#include "cli/video_request.hpp"
#include "core/progress_line.hpp"
#include "demo/demo_show.hpp"
#include "engine/gl/headless_context.hpp"
#include "timeline/demo_span.hpp"
#include "timeline/music/module_rendering.hpp"

namespace tess::cli {

namespace {

constexpr int kSampleRate = 48000;
constexpr double kProgressDelay = 500;     // ms before the first progress line
constexpr double kProgressInterval = 250;  // ms between progress lines

Status preparePictureFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || ::access(folder.c_str(), W_OK) != 0)
    return Status::failure("'" + folder.string() + "': not a folder that can be written");
  return Status::success();
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Renders and drops the music before the first frame of the span.
void skipMusic(ModuleRendering& music, std::int64_t samples) {
  std::vector<float> scratch(2 * 4096);
  for (std::int64_t left = samples; left > 0; left -= 4096)
    music.render(kSampleRate, static_cast<std::size_t>(std::min<std::int64_t>(left, 4096)),
                 scratch.data());
}

}  // namespace

int runVideoCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  std::string message;
  const auto request = readVideoRequest(args, message);
  if (!request) {
    err << "tessarine-cli video: " << message << "\n" << usageLine("video");
    return kExitUsage;
  }
  const VideoFormat& format = request->format;
  const bool pictures = !request->pngDir.empty();
  InterruptionGuard interrupt;  // from here on the export cleans up after itself
  PartialFile partial(request->out);
  if (Status ready = pictures ? preparePictureFolder(request->pngDir) : partial.create();
      !ready.ok()) {
    err << ready.message << "\n";
    return kExitBadInput;
  }

  const std::string pack = request->pack.string();
  std::string error;
  const auto context = gl::HeadlessContext::create(error);
  const auto device = context ? gl::CreateRenderDevice(format.width, format.height, error) : nullptr;
  if (!device) {
    err << "'" << pack << "': cannot render: " << error << "\n";
    return kExitBadInput;
  }
  const bool terminal = &err == &std::cerr && ::isatty(STDERR_FILENO);
  Status opened;
  const auto show = DemoShow::open(request->pack, *device, err, terminal, opened);
  if (!show) {
    err << opened.message << "\n";
    return kExitBadInput;
  }
  ModuleRendering music;
  if (const auto module = show->musicPath(); !module.empty() && !pictures)
    if (Status loaded = music.load(module); !loaded.ok())
      err << loaded.message << "; the video has no sound\n";
  const double length = show->length(music.durationSeconds());
  const FrameSpan span =
      framesBetween(request->from, request->to ? *request->to : length, format.fps);
  if (span.count() == 0) {
    err << "'" << pack << "': nothing to export: the show lasts "
        << static_cast<long long>(length) << " ms\n";
    return kExitBadInput;
  }

  std::unique_ptr<FrameSink> sink;
  if (pictures) {
    sink = std::make_unique<PngSequence>(request->pngDir, format.width, format.height);
  } else {
    VideoFormat withSound = format;
    withSound.sound = music.loaded();
    withSound.sampleRate = kSampleRate;
    Status started;
    sink = VideoEncoder::open(partial.path(), withSound, started);
    if (!sink) {
      err << started.message << "\n";
      return kExitBadInput;
    }
  }

  const std::string target = pictures ? request->pngDir.string() : request->out.string();
  const std::size_t pictureBytes = std::size_t{4} * format.width * format.height;
  FramePipeline pipeline(*sink, pictureBytes);
  SteadyClock clock;
  ProgressLine progress(err, terminal, clock, kProgressDelay, kProgressInterval);
  ExportTimes times;
  const auto start = std::chrono::steady_clock::now();
  std::int64_t done = 0;
  auto progressText = [&] {
    return "'" + target + "': " + exportProgressText(done, span.count(), secondsSince(start));
  };
  if (music.loaded()) skipMusic(music, sampleAt(span.first, span.fps, kSampleRate));
  show->start();
  for (std::int64_t k = 0; k < span.end && interrupt.signal() == 0; ++k) {
    const double now = span.timeOf(k);
    show->advanceTo(now);
    if (k < span.first) continue;
    PipelineFrame* frame = pipeline.next();
    if (frame == nullptr) break;  // the sink failed; finish() says why
    auto phase = std::chrono::steady_clock::now();
    show->drawFrame(now);
    device->finish();
    times.drawing += secondsSince(phase);
    phase = std::chrono::steady_clock::now();
    const std::vector<std::uint8_t>& picture = device->readBackBuffer();
    std::memcpy(frame->picture.data(), picture.data(), pictureBytes);
    times.readBack += secondsSince(phase);
    const std::int64_t samples =
        sampleAt(k + 1, span.fps, kSampleRate) - sampleAt(k, span.fps, kSampleRate);
    frame->sound.resize(music.loaded() ? 2 * static_cast<std::size_t>(samples) : 0);
    if (music.loaded()) music.render(kSampleRate, static_cast<std::size_t>(samples), frame->sound.data());
    pipeline.submit(frame);
    ++done;
    progress.update(progressText);
  }
  progress.conclude(progressText);
  if (const int signal = interrupt.signal(); signal != 0) {
    err << "'" << target << "': interrupted" << (pictures ? "" : "; the partly written video was removed")
        << "\n";
    return 128 + signal;
  }
  Status finished = pipeline.finish();
  if (finished.ok() && !pictures) finished = partial.commit();
  if (!finished.ok()) {
    err << finished.message << "\n";
    return kExitBadInput;
  }
  times.encoding = pipeline.sinkSeconds();
  times.wall = secondsSince(start);
  err << "'" << target << "': " << exportSummaryText(span.count(), times) << "\n";
  return kExitSuccess;
}

}  // namespace tess::cli
