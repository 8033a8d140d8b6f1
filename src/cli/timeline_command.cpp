#include "cli/timeline_command.hpp"

#include <charconv>
#include <cmath>
#include <ostream>
#include <string_view>

#include "cli/arguments.hpp"
#include "cli/commands.hpp"
#include "core/clock.hpp"
#include "editor/editor_session.hpp"
#include "scene/pack_files.hpp"
#include "timeline/playback.hpp"

namespace tess::cli {

namespace {

constexpr int kLongestRun = 24 * 60 * 60 * 1000;  // a day of frames

// Shortest text that reads back as the same double; JSON has no infinities or NaN.
std::string jsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

void printState(const Timeline& timeline, const SceneStore& store, std::ostream& out) {
  const Camera& c = store.liveCamera;
  out << "{\"row\":" << timeline.row << ",\"currentScene\":" << int{store.currentScene}
      << ",\"currentCamera\":" << store.currentCamera << ",\"speed\":" << timeline.speed
      << ",\"liveCamera\":{\"targetX\":" << jsonNumber(c.targetX)
      << ",\"targetY\":" << jsonNumber(c.targetY) << ",\"targetZ\":" << jsonNumber(c.targetZ)
      << ",\"eyeX\":" << jsonNumber(c.eyeX) << ",\"eyeY\":" << jsonNumber(c.eyeY)
      << ",\"eyeZ\":" << jsonNumber(c.eyeZ) << ",\"roll\":" << jsonNumber(c.roll)
      << ",\"zoom\":" << jsonNumber(c.zoom) << "}}\n";
}

}  // namespace

int runTimelineCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string message;
  auto arguments = parseArguments(args, {"at", "step"}, message);
  std::optional<int> at, step = 16;
  if (arguments) {
    if (arguments->positional.size() != 1) message = "expected one pack file";
    else if (!(at = parseInteger(arguments->option("at").value_or(""), 0, kLongestRun)))
      message = "--at needs a time in milliseconds, 0 to " + std::to_string(kLongestRun);
    else if (auto text = arguments->option("step"); text && !(step = parseInteger(*text, 1, kLongestRun)))
      message = "--step needs a time in milliseconds, 1 to " + std::to_string(kLongestRun);
  }
  if (!message.empty()) {
    err << "tessarine-cli timeline: " << message << "\n" << usageLine("timeline");
    return kExitUsage;
  }

  EditorSession loaded;
  PackLoadOptions options;
  options.regenerateTextures = false;
  const std::string& input = arguments->positional[0];
  PackLoad load = loadPack(loaded.project(), input, options);
  if (!load.status.ok()) {
    err << load.status.message << "\n";
    return kExitBadInput;
  }

  Timeline& timeline = loaded.timeline();
  SceneStore& scenes = loaded.scenes();
  ManualClock clock;
  startPlayback(timeline, scenes, 0, clock.milliseconds());
  for (;;) {
    EvaluateTimeline(timeline, scenes, loaded.tracker(), clock.milliseconds());
    if (clock.milliseconds() + *step > *at) break;
    clock.advance(*step);
  }
  printState(timeline, scenes, out);
  return kExitSuccess;
}

}  // namespace tess::cli
