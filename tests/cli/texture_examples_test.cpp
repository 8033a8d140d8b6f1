// The command-line tool on texts that draw: the default font from the data folder, and the
// example textures.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/arguments.hpp"
#include "cli/texture_command.hpp"
#include "core/file_io.hpp"
#include "test_folder.hpp"

namespace tess::cli {
namespace {

int runTexture(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = runTextureCommand(args, out, err);
  EXPECT_EQ(err.str(), "");
  return status;
}

TEST(TextureExamples, DrwTxtUsesTheDataFoldersFontByDefault) {
  TestFolder folder;
  const auto input = folder.path() / "text.ttx";
  ASSERT_TRUE(writeFileAtomically(input, "texture generation log\ntsize=32;\nttype=0;\ntname=;\nDrwTxt(0,0,14,I);\nend\n").ok());
  ASSERT_EQ(runTexture({input.string(), "--raw", (folder.path() / "out.raw").string()}), kExitSuccess);
  std::string raw;
  ASSERT_TRUE(readWholeFile(folder.path() / "out.raw", raw).ok());
  int white = 0;
  for (std::size_t i = 0; i < raw.size(); i += 4) white += raw[i] == '\xFF';
  EXPECT_GT(white, 20);  // the "I" of the built font, on black
}

TEST(TextureExamples, EveryExampleRenders) {
  TestFolder folder;
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(TESS_SOURCE_DIR) + "/data/examples")) {
    if (entry.path().extension() != ".ttx") continue;
    ++examples;
    const auto picture = folder.path() / entry.path().filename().replace_extension(".png");
    EXPECT_EQ(runTexture({entry.path().string(), "--png", picture.string()}), kExitSuccess) << entry.path();
  }
  EXPECT_GE(examples, 2);
}

}  // namespace
}  // namespace tess::cli
