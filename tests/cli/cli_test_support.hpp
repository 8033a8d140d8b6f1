#pragma once

// Running a tessarine-cli subcommand in-process and reading what it wrote.

#include <gtest/gtest.h>

#include <filesystem>
#include <iosfwd>
#include <sstream>
#include <string>
#include <vector>

#include "core/file_io.hpp"

namespace tess::cli {

using SubcommandFunction = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun runCli(SubcommandFunction command, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = command(args, out, err);
  return {status, out.str(), err.str()};
}

inline std::string readFile(const std::filesystem::path& path) {
  std::string contents;
  EXPECT_TRUE(readWholeFile(path, contents).ok());
  return contents;
}

// The small example project every pack-reading command is tried on.
inline const std::filesystem::path kExamplePack = std::filesystem::path(TESS_SOURCE_DIR) / "data/examples/first_scenes.tsc";

}  // namespace tess::cli
