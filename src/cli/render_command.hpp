#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tess::cli {

// tessarine-cli render IN.tsc [--scene S] [--camera C] [--size WxH] [--time T] [--at MS]
// --png OUT: one frame on a headless OpenGL context, written as PNG; with --at the timeline
// plays up to that time first.
int runRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tess::cli
