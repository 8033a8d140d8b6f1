#include "cli/commands.hpp"

#include <gtest/gtest.h>

#include <regex>

#include "cli/arguments.hpp"
#include "cli_test_support.hpp"
#include "core/version.hpp"

namespace tess::cli {
namespace {

CliRun run(const std::vector<std::string>& args) { return runCli(runProgram, args); }

TEST(CliCommands, HelpAndVersionGoToStandardOutput) {
  for (const char* help : {"--help", "-h"}) {
    const CliRun listed = run({help});
    EXPECT_EQ(listed.status, kExitSuccess);
    EXPECT_EQ(listed.err, "");
    EXPECT_TRUE(listed.out.starts_with("usage: tessarine-cli COMMAND [ARGUMENTS]\n")) << listed.out;
    for (const Command& command : commands())
      EXPECT_NE(listed.out.find("\n  " + std::string(command.name) + " "), std::string::npos);
  }
  const CliRun version = run({"--version"});
  EXPECT_EQ(version.status, kExitSuccess);
  EXPECT_EQ(version.out, std::string("tessarine-cli ") + kVersion + "\n");
}

// Each command's help starts with its usage line and explains every option the line shows.
TEST(CliCommands, EveryCommandExplainsItsOptions) {
  for (const Command& command : commands()) {
    const std::string name(command.name);
    const CliRun help = run({name, "--help"});
    EXPECT_EQ(help.status, kExitSuccess) << name;
    EXPECT_EQ(help.err, "") << name;
    EXPECT_TRUE(help.out.starts_with(usageLine(name))) << help.out;
    const std::string arguments(command.arguments);
    const std::regex option("--[a-z-]+");
    for (auto found = std::sregex_iterator(arguments.begin(), arguments.end(), option);
         found != std::sregex_iterator(); ++found)
      EXPECT_NE(help.out.find("\n  " + found->str() + " "), std::string::npos)
          << name << " does not explain " << found->str();
  }
  EXPECT_EQ(run({"texture", "in.ttx", "-h"}).status, kExitSuccess);  // anywhere after the command
}

TEST(CliCommands, MisuseGivesTheUsageOnStandardErrorAndStatusTwo) {
  const CliRun nothing = run({});
  EXPECT_EQ(nothing.status, kExitUsage);
  EXPECT_EQ(nothing.out, "");
  EXPECT_TRUE(nothing.err.starts_with("usage: tessarine-cli")) << nothing.err;

  const CliRun command = run({"frobnicate"});
  EXPECT_EQ(command.status, kExitUsage);
  EXPECT_TRUE(command.err.starts_with("tessarine-cli: unknown command 'frobnicate'\nusage:")) << command.err;

  const CliRun option = run({"--frobnicate"});
  EXPECT_EQ(option.status, kExitUsage);
  EXPECT_TRUE(option.err.starts_with("tessarine-cli: unknown option '--frobnicate'\n")) << option.err;

  const CliRun texture = run({"texture"});
  EXPECT_EQ(texture.status, kExitUsage);
  EXPECT_NE(texture.err.find(usageLine("texture")), std::string::npos) << texture.err;
}

}  // namespace
}  // namespace tess::cli
