// The video export of the example project on the headless OpenGL context: three seconds at 60
// frames a second, H.264 in MP4. The label is the command's own summary: frames a second without
// the pack's loading, and the shares of drawing, read-back and encoding.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/video_command.hpp"

namespace tess {
namespace {

const std::filesystem::path kDemo = std::filesystem::path(TESS_SOURCE_DIR) / "data/examples/demo.tsc";

void BM_VideoExport(benchmark::State& state) {
  const std::string size = std::to_string(state.range(0)) + "x" + std::to_string(state.range(1));
  std::string folder = (std::filesystem::temp_directory_path() / "tessarine-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string video = folder + "/export.mp4";
  std::string summary;
  for (auto _ : state) {
    std::ostringstream out, err;
    const int status = cli::runVideoCommand(
        {kDemo.string(), "--out", video, "--size", size, "--fps", "60", "--to", "3000"}, out, err);
    if (status != 0) {
      state.SkipWithError(err.str().c_str());
      break;
    }
    summary = err.str();
  }
  std::filesystem::remove_all(folder);
  while (!summary.empty() && summary.back() == '\n') summary.pop_back();
  const std::size_t line = summary.rfind("': ");
  state.SetLabel(summary.substr(line == std::string::npos ? 0 : line + 3));
}
BENCHMARK(BM_VideoExport)->Args({640, 480})->Args({1280, 720})->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tess
