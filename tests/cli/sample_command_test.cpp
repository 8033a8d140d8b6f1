#include "cli/sample_command.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "audio/sample_files.hpp"
#include "audio/sample_operation_table.hpp"
#include "audio/synthesiser.hpp"
#include "audio/wav_file.hpp"
#include "cli/arguments.hpp"
#include "cli_test_support.hpp"
#include "core/file_io.hpp"
#include "test_folder.hpp"

namespace tess::cli {
namespace {

namespace fs = std::filesystem;

CliRun runSample(const std::vector<std::string>& args) { return runCli(runSampleCommand, args); }

const std::string kLog = "SetSize(2);\nSaw(440,255,0);\nReverse();\n";

class SampleCommandTest : public ::testing::Test {
 protected:
  fs::path file(const char* name) const { return folder_.path() / name; }
  TestFolder folder_;
};

TEST_F(SampleCommandTest, LogInWavRawLogAndResaveOut) {
  ASSERT_TRUE(writeFileAtomically(file("in.slog"), kLog).ok());
  CliRun run = runSample({file("in.slog"), "--wav", file("out.wav"), "--raw", file("out.raw"),
                          "--log", file("out.slog"), "--resave", file("again.slog")});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_NE(run.out.find("3 commands, 8820 values"), std::string::npos) << run.out;
  const std::string wav = readFile(file("out.wav"));
  const std::string raw = readFile(file("out.raw"));
  ASSERT_EQ(raw.size(), 2u * 8'820);
  EXPECT_EQ(wav.substr(kWavHeaderBytes), raw);
  EXPECT_EQ(raw.substr(2 * 8'819), std::string("\x7f\x7f", 2));  // reversed saw ends at 32,639
  EXPECT_EQ(readFile(file("out.slog")), kLog);
  EXPECT_EQ(readFile(file("again.slog")), kLog);
}

TEST_F(SampleCommandTest, PackPicksItsSampleAndResavesByteForByte) {
  auto store = std::make_unique<SampleStore>();
  store->rows[7][0].op = sampleop::Noise;
  store->rows[7][0].p = {1, 255};
  store->counts[7] = 1;
  store->currentCommand = 0;
  ASSERT_TRUE(saveSamplePack(*store, file("all.tsp")).ok());

  CliRun run = runSample({file("all.tsp"), "--sample", "7", "--raw", file("seven.raw"), "--resave",
                          file("again.tsp")});
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(readFile(file("again.tsp")), readFile(file("all.tsp")));
  store->currentSample = 7;
  runSampleList(*store);
  EXPECT_EQ(readFile(file("seven.raw")), soundBytes(*store));
}

TEST_F(SampleCommandTest, BadFilesExitWithOneNamingTheProblem) {
  ASSERT_TRUE(writeFileAtomically(file("bad.slog"), "Sinus(1,2,3);\nSinsu(1);\n").ok());
  CliRun run = runSample({file("bad.slog")});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(run.err,
            "'" + file("bad.slog").string() + "': line 2: unknown command \"Sinsu(1);\"\n");

  ASSERT_TRUE(writeFileAtomically(file("short.tsm"), "abc").ok());
  run = runSample({file("short.tsm")});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_NE(run.err.find("short.tsm"), std::string::npos);
  EXPECT_EQ(runSample({file("missing.tsp")}).status, kExitBadInput);
}

TEST_F(SampleCommandTest, UsageErrorsExitWithTwo) {
  ASSERT_TRUE(writeFileAtomically(file("in.slog"), kLog).ok());
  EXPECT_EQ(runSample({}).status, kExitUsage);
  EXPECT_EQ(runSample({file("in.slog"), file("in.slog")}).status, kExitUsage);
  EXPECT_EQ(runSample({file("in.wav")}).status, kExitUsage);
  EXPECT_EQ(runSample({file("in.slog"), "--sample", "255"}).status, kExitUsage);
  EXPECT_EQ(runSample({file("in.slog"), "--sample", "-1"}).status, kExitUsage);
  EXPECT_EQ(runSample({file("in.slog"), "--png", "x"}).status, kExitUsage);
}

}  // namespace
}  // namespace tess::cli
