#include "audio/sample_log.hpp"

#include <gtest/gtest.h>

#include "audio/command_text.hpp"
#include "audio_test_support.hpp"

namespace tess::testing {
namespace {

using namespace sampleop;

TEST(CommandTextTest, EntriesAreNumberedNewestOnTop) {
  auto store = storeWithList(
      {command(Sinus, {440, 255, 0}), command(Reverse), command(Mixer, {1, 2, 3, 4, 5, 6, 7})});
  EXPECT_EQ(
      commandListEntries(*store),
      (std::vector<std::string>{"02:Mixer(1,2,3,4,5,6,7)", "01:Reverse()", "00:Sinus(440,255,0)"}));
  EXPECT_EQ(commandListEntry(9, command(SetSize, {-4})), "09:SetSize(-4)");
  EXPECT_EQ(commandListEntry(10, command(Invert)), "10:Invert()");
  EXPECT_EQ(commandListEntry(123, command(Noise, {1, 2, 3})), "123:Noise(1,2)");  // Noise takes two
  EXPECT_EQ(commandText(command(37)), "op37()");
}

TEST(SampleLogTest, OneLinePerCommandInListOrder) {
  auto store =
      storeWithList({command(SetSize, {20}), command(Sinus, {440, 255, 0}), command(Reverse)});
  EXPECT_EQ(sampleLogText(*store), "SetSize(20);\nSinus(440,255,0);\nReverse();\n");
  EXPECT_EQ(sampleLogText(*storeWithList({})), "");
}

TEST(SampleLogTest, LongListsStillStartEveryLineWithTheName) {
  auto store = std::make_unique<SampleStore>();
  for (int v = 0; v < 120; ++v) store->currentRow()[v] = command(v % kSampleOpCount, {v, v + 1});
  store->counts[0] = 120;
  const std::string text = sampleLogText(*store);
  std::size_t start = 0;
  for (int v = 0; v < 120; ++v) {
    const std::string name(sampleOperations()[v % kSampleOpCount].name);
    EXPECT_EQ(text.compare(start, name.size() + 1, name + "("), 0) << v;
    start = text.find('\n', start) + 1;
  }
}

TEST(SampleLogTest, ReadsBackWhatItWrote) {
  auto written =
      storeWithList({command(SetSize, {20}), command(SinPack2, {220, 1, 2, 3, 4, 5, 6}),
                     command(Reverse), command(SinPack), command(SinPackSlide, {-3, 9})});
  const std::string text = sampleLogText(*written);
  auto read =
      storeWithList({command(Saw, {1, 1, 1}), command(Saw, {1, 1, 1}), command(Saw, {1, 1, 1}),
                     command(Saw, {1, 1, 1}), command(Saw, {1, 1, 1}), command(Saw, {1, 1, 1})});
  read->currentSample = 0;
  ASSERT_TRUE(readSampleLog(*read, text, "x.slog").ok());
  EXPECT_EQ(read->count(), 5);
  EXPECT_EQ(read->currentCommand, 4);
  EXPECT_EQ(sampleLogText(*read), text);
  EXPECT_EQ(read->currentRow()[5], SampleCommand{});  // the rest of the row is cleared
}

TEST(SampleLogTest, LenientWithinALine) {
  auto store = storeWithList({});
  ASSERT_TRUE(
      readSampleLog(*store, "\n  Sinus( 440 ,x,7);\r\n\nNoise();\r\nEnv(1,2)\n", "x.slog").ok());
  EXPECT_EQ(store->count(), 3);
  EXPECT_EQ(store->currentRow()[0], command(Sinus, {440, 0, 7}));
  EXPECT_EQ(store->currentRow()[1], command(Noise));
  EXPECT_EQ(store->currentRow()[2], command(Env, {1, 2}));
}

TEST(SampleLogTest, RefusesWhatItCannotReadNamingTheLine) {
  const struct {
    std::string text;
    const char* problem;
  } cases[] = {
      {"Sinus(1,2,3);\nSinsu(1,2,3);\n", "line 2: unknown command \"Sinsu(1,2,3);\""},
      {"\n\nReverse;\n", "line 3: expected Name(...);"},
      {"Noise(1,2,3);\n", "line 1: Noise takes 2 parameters"},
      {"Invert(0);\n", "line 1: Invert takes 0 parameters"},
  };
  for (const auto& bad : cases) {
    auto store = storeWithList({command(Saw, {1, 2, 3})});
    const Status status = readSampleLog(*store, bad.text, "bad.slog");
    EXPECT_EQ(status.message, std::string("'bad.slog': ") + bad.problem);
    EXPECT_EQ(store->count(), 1);
    EXPECT_EQ(store->currentRow()[0], command(Saw, {1, 2, 3}));
  }
  std::string tooLong;
  for (int v = 0; v < 256; ++v) tooLong += "Invert();\n";
  auto store = storeWithList({});
  EXPECT_EQ(readSampleLog(*store, tooLong, "long.slog").message,
            "'long.slog': line 256: more than 255 commands");
  EXPECT_TRUE(readSampleLog(*store, tooLong.substr(0, 255 * 10), "ok.slog").ok());
  EXPECT_EQ(store->count(), 255);
}

}  // namespace
}  // namespace tess::testing
