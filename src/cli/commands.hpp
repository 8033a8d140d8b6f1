#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tess::cli {

// One subcommand of tessarine-cli: its name, its arguments as the usage line shows them, what
// `tessarine-cli NAME --help` explains, and the function that runs it.
struct Command {
  std::string_view name;
  std::string_view arguments;
  std::string_view help;
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

std::span<const Command> commands();

// "usage: tessarine-cli NAME ARGUMENTS\n", printed with a command's usage errors.
std::string usageLine(std::string_view name);

// The whole program: --help and --version (also after a command: that command's help) print to
// out and give 0; a missing or unknown command or option prints the usage to err and gives 2.
int runProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tess::cli
