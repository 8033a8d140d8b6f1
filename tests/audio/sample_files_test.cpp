#include "audio/sample_files.hpp"

#include <gtest/gtest.h>

#include "audio_test_support.hpp"
#include "core/file_io.hpp"
#include "core/little_endian.hpp"
#include "test_folder.hpp"

namespace tess::testing {
namespace {

namespace fs = std::filesystem;

// A store whose table has something in every corner that the files carry.
std::unique_ptr<SampleStore> busyStore() {
  auto store = storeWithList({});
  for (int s = 0; s < kCommandRows; s += 17) {
    for (int slot = 0; slot < kCommandSlots; slot += 5) {
      SampleCommand& c = store->rows[s][slot];
      c.op = (s + slot) % 31 - 1;
      for (int j = 0; j < kSampleParamCount; ++j) c.p[j] = s * 1'000 + slot * 10 + j - 50;
    }
  }
  store->rows[255][255].op = 28;  // row 255 and the exchange slot are carried as they stand
  for (int s = 0; s < kSampleCount; ++s) store->counts[s] = (s * 7) % 256;
  store->currentSample = 3;
  store->currentCommand = 20;  // sample 3 has 21 commands
  return store;
}

class SampleFilesTest : public ::testing::Test {
 protected:
  fs::path file(const char* name) const { return folder_.path() / name; }
  TestFolder folder_;
};

TEST_F(SampleFilesTest, PackHoldsEveryCommandSlotThenTheCurrentCommandAndCounts) {
  auto store = busyStore();
  const std::string bytes = samplePackBytes(*store);
  ASSERT_EQ(bytes.size(), 2'884'608u);
  const std::size_t command = (17 * 256 + 5) * 44;  // sample 17, slot 5
  EXPECT_EQ(readLittleEndian32(bytes, command), store->rows[17][5].op);
  EXPECT_EQ(readLittleEndian32(bytes, command + 4 * 7), store->rows[17][5].p[6]);
  EXPECT_EQ(readLittleEndian32(bytes, command + 4 * 8), 0);  // reserved words
  EXPECT_EQ(readLittleEndian32(bytes, 2'883'584), 20);
  EXPECT_EQ(readLittleEndian32(bytes, 2'883'588 + 4 * 254), store->counts[254]);
}

TEST_F(SampleFilesTest, PackRoundTripsThroughAFile) {
  auto store = busyStore();
  ASSERT_TRUE(saveSamplePack(*store, file("all.tsp")).ok());
  auto loaded = storeWithList({});
  loaded->currentSample = 3;
  ASSERT_TRUE(loadSamplePack(*loaded, file("all.tsp")).ok());
  EXPECT_EQ(loaded->rows, store->rows);
  EXPECT_EQ(loaded->counts, store->counts);
  EXPECT_EQ(loaded->currentCommand, 20);
  EXPECT_EQ(loaded->currentSample, 3);  // not part of the file
}

TEST_F(SampleFilesTest, SampleFileCarriesOnlyTheCurrentSample) {
  auto store = busyStore();
  const std::string bytes = sampleFileBytes(*store);
  ASSERT_EQ(bytes.size(), 11'272u);
  ASSERT_TRUE(saveSampleFile(*store, file("one.tsm")).ok());

  auto loaded = storeWithList({command(sampleop::Noise, {1, 2})});
  loaded->counts[4] = 9;
  loaded->currentSample = 4;
  ASSERT_TRUE(loadSampleFile(*loaded, file("one.tsm")).ok());
  EXPECT_EQ(loaded->rows[4], store->rows[3]);
  EXPECT_EQ(loaded->counts[4], store->counts[3]);
  EXPECT_EQ(loaded->currentCommand, 20);
  EXPECT_EQ(loaded->rows[0][0], command(sampleop::Noise, {1, 2}));  // other samples untouched
  EXPECT_EQ(loaded->counts[0], 1);
}

TEST_F(SampleFilesTest, ACurrentCommandBeyondTheCurrentListBecomesItsLast) {
  auto store = busyStore();  // saved while sample 3 (21 commands) was current, at command 20
  auto loaded = storeWithList({});
  loaded->currentSample = 1;  // 7 commands
  ASSERT_TRUE(readSamplePack(*loaded, samplePackBytes(*store), "p.tsp").ok());
  EXPECT_EQ(loaded->currentCommand, 6);
}

TEST_F(SampleFilesTest, BadFilesAreRefusedAndChangeNothing) {
  auto store = busyStore();
  const std::string pack = samplePackBytes(*store);
  auto patched = [&](std::size_t offset, std::int32_t value) {
    std::string bytes = pack;
    std::string word;
    appendLittleEndian32(word, value);
    bytes.replace(offset, 4, word);
    return bytes;
  };
  const struct {
    std::string bytes;
    const char* problem;
  } cases[] = {
      {pack.substr(0, pack.size() - 1), "2884607 bytes"},
      {pack + "x", "2884609 bytes"},
      {patched(2'883'588 + 4 * 9, 256), "sample 9 has 256 commands"},
      {patched(2'883'588, -1), "sample 0 has -1 commands"},
      {patched(2'883'584, 255), "current command 255"},
      {patched(2'883'584, -2), "current command -2"},
  };
  for (const auto& bad : cases) {
    auto target = storeWithList({command(sampleop::Saw, {1, 2, 3})});
    const std::string before = samplePackBytes(*target);
    const Status status = readSamplePack(*target, bad.bytes, "bad.tsp");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message.find("'bad.tsp'"), std::string::npos) << status.message;
    EXPECT_NE(status.message.find(bad.problem), std::string::npos) << status.message;
    EXPECT_EQ(samplePackBytes(*target), before);
  }
  auto target = storeWithList({command(sampleop::Saw, {1, 2, 3})});
  std::string one = sampleFileBytes(*store);
  EXPECT_FALSE(readSampleFile(*target, one.substr(1), "bad.tsm").ok());
  one.replace(11'268, 4, std::string("\x00\x01\x00\x00", 4));  // 256 commands
  EXPECT_FALSE(readSampleFile(*target, one, "bad.tsm").ok());
  EXPECT_EQ(target->count(), 1);
  EXPECT_FALSE(loadSamplePack(*target, file("missing.tsp")).ok());
}

TEST_F(SampleFilesTest, AFailedSaveSaysSo) {
  auto store = busyStore();
  const Status status = saveSamplePack(*store, file("no-such-folder") / "x.tsp");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message.find("x.tsp"), std::string::npos) << status.message;
}

}  // namespace
}  // namespace tess::testing
