#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tess::cli {

// tessarine-cli video IN.tsc --out FILE [--size WxH] [--fps N] [--from MS] [--to MS] [--crf Q]
// (or --png-dir DIR in place of --out): the show rendered offline on a headless OpenGL context,
// frame k at exactly k * 1000 / N ms from row 0, with the music rendered for the same span.
int runVideoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tess::cli
