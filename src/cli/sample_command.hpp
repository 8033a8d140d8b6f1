#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tess::cli {

// tessarine-cli sample IN(.tsm|.tsp|.slog) [--sample N] [--wav OUT] [--raw OUT] [--log OUT]
//                      [--resave OUT]
// Loads the file into sample N (default 0; a pack fills every sample and N picks one), makes the
// last command current, runs the list once and writes the sound as WAV or raw little-endian
// int16 values, the sample's log and/or the input's format again.
int runSampleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tess::cli
