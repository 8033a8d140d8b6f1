#include "cli/texture_command.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/arguments.hpp"
#include "cli_test_support.hpp"
#include "core/file_io.hpp"
#include "test_folder.hpp"
#include "texture/interpreter.hpp"
#include "texture/texture_text.hpp"

namespace tess::cli {
namespace {

namespace fs = std::filesystem;

CliRun runTexture(const std::vector<std::string>& args) { return runCli(runTextureCommand, args); }

const std::string kTexture =
    "texture generation log\ntsize=64;\nttype=0;\ntname=cli test;\nClearAlfa();\nInvert();\n"
    "DrwTxt(1,2,14,A B);\nCopyBlueToAlfa();\nend\n";

class TextureCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(writeFileAtomically(input(), kTexture).ok()); }
  fs::path input() const { return folder_.path() / "in.ttx"; }
  fs::path file(const char* name) const { return folder_.path() / name; }

  TestFolder folder_;
};

TEST_F(TextureCommandTest, ResaveReproducesTheTextByteForByte) {
  CliRun run = runTexture({input(), "--resave", file("out.ttx")});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(readFile(file("out.ttx")), kTexture);
}

TEST_F(TextureCommandTest, RawIsTheStageAsTheInterpreterHoldsIt) {
  ASSERT_EQ(runTexture({input(), "--raw", file("last.raw")}).status, kExitSuccess);
  ASSERT_EQ(runTexture({input(), "--stage", "1", "--raw", file("first.raw")}).status, kExitSuccess);
  const std::string last = readFile(file("last.raw"));
  const std::string first = readFile(file("first.raw"));
  ASSERT_EQ(last.size(), 64u * 64 * 4);
  // Stage 1: black with alpha 255; the last command (stage 4) copies blue 255 into alpha.
  EXPECT_EQ(first.substr(0, 4), std::string("\0\0\0\xff", 4));
  EXPECT_EQ(last.substr(0, 4), std::string("\xff\xff\xff\xff", 4));
  EXPECT_EQ(runTexture({input(), "--stage", "0", "--raw", file("zero.raw")}).status, kExitSuccess);
  EXPECT_EQ(readFile(file("zero.raw")), std::string(64 * 64 * 4, '\0'));
}

TEST_F(TextureCommandTest, PngIsAPngFile) {
  ASSERT_EQ(runTexture({input(), "--png", file("out.png")}).status, kExitSuccess);
  EXPECT_TRUE(readFile(file("out.png")).starts_with("\x89PNG\r\n\x1a\n"));
}

TEST_F(TextureCommandTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(runTexture({}).status, kExitUsage);
  EXPECT_EQ(runTexture({input(), "--stage", "6"}).status, kExitUsage);  // stages 0..5
  EXPECT_EQ(runTexture({input(), "--stage", "x"}).status, kExitUsage);
  EXPECT_EQ(runTexture({input(), "--bogus", "1"}).status, kExitUsage);
  EXPECT_EQ(runTexture({input(), "--raw"}).status, kExitUsage);
}

TEST_F(TextureCommandTest, BadInputExitsWithOneNamingTheFile) {
  CliRun missing = runTexture({file("missing.ttx").string()});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_NE(missing.err.find("missing.ttx"), std::string::npos);

  ASSERT_TRUE(writeFileAtomically(file("bad.ttx"), "texture generation log\ntsize=48;\nttype=0;\ntname=;\nend\n").ok());
  CliRun badSize = runTexture({file("bad.ttx").string()});
  EXPECT_EQ(badSize.status, kExitBadInput);
  EXPECT_NE(badSize.err.find("bad.ttx"), std::string::npos);
  EXPECT_NE(badSize.err.find("tsize=48"), std::string::npos);

  CliRun badFont = runTexture({input(), "--font", file("nofont.wbmp")});
  EXPECT_EQ(badFont.status, kExitBadInput);

  CliRun unwritable = runTexture({input(), "--raw", (folder_.path() / "no" / "x.raw").string()});
  EXPECT_EQ(unwritable.status, kExitBadInput);
}

TEST_F(TextureCommandTest, UnknownCommandsAreReportedAndLoadingGoesOn) {
  ASSERT_TRUE(writeFileAtomically(file("unknown.ttx"),
                                  "texture generation log\ntsize=32;\nttype=0;\ntname=;\nWobble(3);\nInvert();\nend\n")
                  .ok());
  CliRun run = runTexture({file("unknown.ttx").string(), "--resave", file("resaved.ttx")});
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_NE(run.err.find("unknown command"), std::string::npos);
  EXPECT_NE(run.err.find("Wobble(3);"), std::string::npos);
  EXPECT_NE(readFile(file("resaved.ttx")).find("Empty();\nInvert();\n"), std::string::npos);
}

TEST_F(TextureCommandTest, UnknownCommandWarningsAreShortSafeLinesAndCapped) {
  std::string text = "texture generation log\ntsize=32;\nttype=0;\ntname=;\n";
  text += "\x1b[2J\x1b[31mred\x07(1);\n";  // terminal controls
  text += "Bad\xff\xfe(2);\n";                  // not UTF-8
  text += std::string(1'000'000, 'A') + ";\n";   // a megabyte
  for (int i = 0; i < 11; ++i) text += "Wobble(" + std::to_string(i) + ");\n";
  ASSERT_TRUE(writeFileAtomically(file("noisy.ttx"), text + "end\n").ok());

  CliRun run = runTexture({file("noisy.ttx").string()});
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 11);
  EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
  EXPECT_EQ(run.err.find('\xff'), std::string::npos);
  EXPECT_NE(run.err.find("unknown command: \\x1b[2J\\x1b[31mred\\x07(1);\n"), std::string::npos);
  EXPECT_NE(run.err.find("unknown command: Bad\\xff\\xfe(2);\n"), std::string::npos);
  EXPECT_NE(run.err.find("unknown command: " + std::string(60, 'A') + "...\n"), std::string::npos);
  EXPECT_NE(run.err.find("'" + file("noisy.ttx").string() + "': 4 more unknown commands\n"),
            std::string::npos);
}

TEST(Arguments, ParsesOptionsAndIntegers) {
  std::string message;
  auto parsed = parseArguments({"a", "--x", "1", "b"}, {"x"}, message);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->positional, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(parsed->option("x"), "1");
  EXPECT_FALSE(parsed->option("y"));
  EXPECT_FALSE(parseArguments({"--x", "1", "--x", "2"}, {"x"}, message));
  EXPECT_EQ(parseInteger("12", 0, 12), 12);
  EXPECT_FALSE(parseInteger("13", 0, 12));
  EXPECT_FALSE(parseInteger("1x", 0, 12));
  EXPECT_FALSE(parseInteger("", 0, 12));
}

}  // namespace
}  // namespace tess::cli
