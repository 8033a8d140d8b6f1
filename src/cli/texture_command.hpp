#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tess::cli {

// tessarine-cli texture IN.ttx [--font FILE.wbmp] [--stage K] [--raw OUT] [--png OUT]
//                              [--resave OUT.ttx]
// Loads and regenerates the texture, then writes the chosen stage (default: the last command's
// result) as raw bytes or PNG and/or the texture text as written.
int runTextureCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tess::cli
