#include "cli/render_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/arguments.hpp"
#include "core/file_io.hpp"
#include "engine/gl/headless_context.hpp"
#include "test_folder.hpp"

namespace tess::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kExample = fs::path(TESS_SOURCE_DIR) / "data/examples/first_scenes.tsc";

int runRender(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream o, e;
  const int status = runRenderCommand(args, o, e);
  if (err) *err = e.str();
  return status;
}

std::uint32_t bigEndianAt(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

TEST(RenderCommand, WritesOneFrameAsPng) {
  std::string error;
  if (!gl::HeadlessContext::create(error)) GTEST_SKIP() << "no headless OpenGL: " << error;
  TestFolder folder;
  const fs::path png = folder.path() / "frame.png";
  ASSERT_EQ(runRender({kExample, "--scene", "1", "--size", "64x48", "--time", "2", "--png", png}),
            kExitSuccess);
  std::string bytes;
  ASSERT_TRUE(readWholeFile(png, bytes).ok());
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  EXPECT_EQ(bigEndianAt(bytes, 16), 64u);
  EXPECT_EQ(bigEndianAt(bytes, 20), 48u);
  EXPECT_EQ(runRender({kExample, "--at", "3000", "--size", "32x24", "--png", png}), kExitSuccess);
}

TEST(RenderCommand, RefusesBadArguments) {
  EXPECT_EQ(runRender({kExample}), kExitUsage);
  EXPECT_EQ(runRender({kExample, "--png", "x.png", "--size", "64"}), kExitUsage);
  EXPECT_EQ(runRender({kExample, "--png", "x.png", "--time", "soon"}), kExitUsage);
  EXPECT_EQ(runRender({kExample, "--png", "x.png", "--at", "-5"}), kExitUsage);
  std::string error;
  if (!gl::HeadlessContext::create(error)) GTEST_SKIP() << "no headless OpenGL: " << error;
  std::string message;
  EXPECT_EQ(runRender({"/nonexistent.tsc", "--png", "x.png"}, &message), kExitBadInput);
  EXPECT_NE(message.find("/nonexistent.tsc"), std::string::npos);
  EXPECT_EQ(runRender({kExample, "--scene", "5", "--png", "x.png"}), kExitBadInput);
}

}  // namespace
}  // namespace tess::cli
