// tessarine-cli: the headless face of the Tessarine libraries, for batch export and checks.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.hpp"
#include "cli/mesh_command.hpp"
#include "cli/pack_command.hpp"
#include "cli/sample_command.hpp"
#include "cli/texture_command.hpp"
#include "cli/timeline_command.hpp"
#ifdef TESSARINE_WITH_GL
#include "cli/render_command.hpp"
#include "cli/video_command.hpp"
#endif

namespace {

constexpr std::string_view kUsage =
    "usage: tessarine-cli COMMAND ...\n"
    "  texture IN.ttx [--font FILE.wbmp] [--stage K] [--raw OUT] [--png OUT] [--resave OUT.ttx]\n"
    "  sample IN(.tsm|.tsp|.slog) [--sample N] [--wav OUT] [--raw OUT] [--log OUT] [--resave OUT]\n"
    "  pack IN.tsc [--info] [--resave OUT.tsc] [--export-textures DIR]\n"
    "  mesh IN.tsc --scene S --object I [--camera C] [--time T] [--raw OUT] [--obj OUT]\n"
    "  timeline IN.tsc --at MS [--step MS]\n"
#ifdef TESSARINE_WITH_GL
    "  render IN.tsc [--scene S] [--camera C] [--size WxH] [--time T] [--at MS] --png OUT\n"
    "  video IN.tsc (--out FILE.mp4|.mkv|.webm | --png-dir DIR) [--size WxH] [--fps N] [--from MS]\n"
    "        [--to MS] [--crf Q]\n"
#endif
    "exit status: 0 success, 1 bad input, 2 usage\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << kUsage;
    return tess::cli::kExitUsage;
  }
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "texture") return tess::cli::runTextureCommand(args, std::cout, std::cerr);
  if (command == "sample") return tess::cli::runSampleCommand(args, std::cout, std::cerr);
  if (command == "pack") return tess::cli::runPackCommand(args, std::cout, std::cerr);
  if (command == "mesh") return tess::cli::runMeshCommand(args, std::cout, std::cerr);
  if (command == "timeline") return tess::cli::runTimelineCommand(args, std::cout, std::cerr);
#ifdef TESSARINE_WITH_GL
  if (command == "render") return tess::cli::runRenderCommand(args, std::cout, std::cerr);
  if (command == "video") return tess::cli::runVideoCommand(args, std::cout, std::cerr);
#endif
  std::cerr << "tessarine-cli: unknown command '" << command << "'\n" << kUsage;
  return tess::cli::kExitUsage;
}
