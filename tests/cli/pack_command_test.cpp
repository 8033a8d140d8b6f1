#include "cli/pack_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/arguments.hpp"
#include "cli_test_support.hpp"
#include "core/file_io.hpp"
#include "test_folder.hpp"

namespace tess::cli {
namespace {

namespace fs = std::filesystem;

CliRun runPack(const std::vector<std::string>& args) { return runCli(runPackCommand, args); }

class PackCommandTest : public ::testing::Test {
 protected:
  fs::path file(const char* name) const { return folder_.path() / name; }
  TestFolder folder_;
};

TEST_F(PackCommandTest, InfoPrintsTheProjectAsJson) {
  CliRun run = runPack({kExamplePack, "--info"});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(run.out,
            "{\"font\":\"micra.wbmp\",\"sceneCount\":2,\"objectCounts\":[3,1],\"trackerRows\":3,"
            "\"sound\":\"\","
            "\"texturesInUse\":[1,2]}\n");
}

TEST_F(PackCommandTest, ResaveWritesThePackByteForByte) {
  ASSERT_EQ(runPack({kExamplePack, "--resave", file("again.tsc")}).status, kExitSuccess);
  std::string original, again;
  ASSERT_TRUE(readWholeFile(kExamplePack, original).ok());
  ASSERT_TRUE(readWholeFile(file("again.tsc"), again).ok());
  EXPECT_EQ(again, original);
}

TEST_F(PackCommandTest, ExportTexturesWritesOnePngPerTextureWithCommands) {
  CliRun run = runPack({kExamplePack, "--export-textures", file("png")});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(file("png")))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"texture_001.png", "texture_002.png"}));
}

TEST_F(PackCommandTest, BadInputAndUsage) {
  ASSERT_TRUE(
      writeFileAtomically(file("broken.tsc"), "fontname:[x]\nsection:geometry_\n65,\n").ok());
  CliRun broken = runPack({file("broken.tsc").string(), "--info"});
  EXPECT_EQ(broken.status, kExitBadInput);
  EXPECT_NE(broken.err.find("broken.tsc"), std::string::npos);
  EXPECT_TRUE(broken.out.empty());
  EXPECT_EQ(runPack({}).status, kExitUsage);
  EXPECT_EQ(runPack({kExamplePack, "--resave"}).status, kExitUsage);
  EXPECT_EQ(runPack({kExamplePack, "--bogus", "1"}).status, kExitUsage);
  EXPECT_EQ(runPack({kExamplePack, "--resave", (folder_.path() / "no" / "x.tsc").string()}).status,
            kExitBadInput);
}

}  // namespace
}  // namespace tess::cli
