#include "cli/render_command.hpp"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/arguments.hpp"
#include "cli/commands.hpp"
#include "cli/png_file.hpp"
#include "core/frame_size.hpp"
#include "demo/demo_show.hpp"
#include "engine/gl/headless_context.hpp"

namespace tess::cli {

namespace {

constexpr int kMaxEdge = 8192;

constexpr int kLongestPlay = 24 * 60 * 60 * 1000;
constexpr int kFrameStep = 16;

struct RenderRequest {
  int scene = 0;
  int camera = 0;
  int width = 640, height = 480;
  double time = 0;
  std::optional<int> at;  // play the timeline up to this many milliseconds
};

std::optional<double> parseReal(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The size and time options, which need no pack.
std::optional<RenderRequest> readFrameOptions(const Arguments& arguments, std::string& message) {
  RenderRequest request;
  if (const auto text = arguments.option("size")) {
    const auto size = parseFrameSize(*text, 1, kMaxEdge);
    if (!size) return message = "--size must be WxH with edges 1.." + std::to_string(kMaxEdge), std::nullopt;
    request.width = size->width;
    request.height = size->height;
  }
  const auto time = parseReal(arguments.option("time").value_or("0"));
  if (!time) return message = "--time must be a number", std::nullopt;
  request.time = *time;
  if (const auto at = arguments.option("at")) {
    request.at = parseInteger(*at, 0, kLongestPlay);
    if (!request.at) return message = "--at needs a time in milliseconds", std::nullopt;
  }
  return request;
}

bool readSelection(const Arguments& arguments, const SceneStore& scenes, RenderRequest& request,
                   std::string& message) {
  const auto scene = parseInteger(arguments.option("scene").value_or("0"), 0, scenes.sceneCount - 1);
  if (!scene) return message = "--scene names no scene of the pack", false;
  const auto camera = parseInteger(arguments.option("camera").value_or("0"), 0, kCameraSlots - 1);
  if (!camera) return message = "--camera must be a slot 0..254", false;
  request.scene = *scene;
  request.camera = *camera;
  return true;
}

}  // namespace

int runRenderCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  std::string message;
  auto arguments =
      parseArguments(args, {"scene", "camera", "size", "time", "at", "png"}, message);
  if (arguments && (arguments->positional.size() != 1 || !arguments->option("png"))) {
    arguments.reset();
    message = "expected one pack file and --png";
  }
  if (!arguments) {
    err << "tessarine-cli render: " << message << "\n" << usageLine("render");
    return kExitUsage;
  }
  const std::string& input = arguments->positional[0];
  auto request = readFrameOptions(*arguments, message);
  if (!request) {
    err << "tessarine-cli render: " << message << "\n" << usageLine("render");
    return kExitUsage;
  }
  std::string error;
  const auto context = gl::HeadlessContext::create(error);
  const auto device = context ? gl::CreateRenderDevice(request->width, request->height, error)
                              : nullptr;
  if (!device) {
    err << "'" << input << "': cannot render: " << error << "\n";
    return kExitBadInput;
  }

  Status opened;
  const auto show = DemoShow::open(input, *device, err, false, opened);
  if (!show) {
    err << opened.message << "\n";
    return kExitBadInput;
  }
  SceneStore& scenes = show->session().scenes();
  if (!readSelection(*arguments, scenes, *request, message)) {
    err << "'" << input << "': " << message << "\n";
    return kExitBadInput;
  }
  scenes.currentScene = static_cast<std::uint8_t>(request->scene);
  scenes.currentCamera = request->camera;
  scenes.liveCamera = scenes.cameras[request->camera];
  if (request->at) {
    // Played as "play with music" starts (row 0, time 0, no music), one frame every 16 ms; the
    // timeline is evaluated for the frame at MS too, which takes its modifier time from the clock.
    show->start();
    for (int now = 0; now + kFrameStep <= *request->at; now += kFrameStep) show->advanceTo(now);
    show->advanceTo(*request->at);
    show->drawFrame(*request->at);
  } else {
    show->renderer().renderFrameAtTime(request->time, gl::currentView(scenes));
  }
  const auto& picture = device->readBackBuffer();
  Status written = writePicturePng(*arguments->option("png"), picture.data(), request->width,
                                   request->height);
  if (!written.ok()) {
    err << written.message << "\n";
    return kExitBadInput;
  }
  return kExitSuccess;
}

}  // namespace tess::cli
