// Work spread over the cores gives the bytes of one thread: every operation at a size where its
// rows, or its blur passes, split into several tasks, and whole slots regenerated side by side.

#include <gtest/gtest.h>
#include <tbb/global_control.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "texture/operation_table.hpp"
#include "texture/slot_regeneration.hpp"
#include "texture/texture_text.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

using Bytes = std::vector<std::uint8_t>;

// More threads than this machine has cores, so that tasks interleave in as many ways as possible.
constexpr std::size_t kManyThreads = 4;

template <typename Work>
auto withThreads(std::size_t threads, Work work) {
  tbb::global_control limit(tbb::global_control::max_allowed_parallelism, threads);
  return work();
}

// A 256 x 256 store with content in stages 0 and 1 and working stage 2 (Mixer and Map2dPShift
// read real stages); runs op with params and hands back the working stage.
Bytes runAt256(int op, OpParams params) {
  auto store = testing::makeStore(256);
  store->font.bytes.fill(0x5A);
  testing::fillPattern(*store, 0, 3);
  testing::fillPattern(*store, 1, 9);
  store->currentTexture().commands[2].text = "PARALLEL 42!";
  store->workingStage = 2;
  runTextureOp(*store, op, params);
  return testing::stageBytes(*store, 2);
}

TEST(ParallelIdentity, EveryOperationGivesTheBytesOfOneThread) {
  std::vector<std::pair<int, OpParams>> runs;
  const OperationTable& table = pristineOperationTable();
  for (int op = 0; op < kOperationRowCount; ++op)
    if (isRunnableOperation(op)) runs.emplace_back(op, table[op].values);
  runs.emplace_back(texop::Blur, OpParams{64, 3});
  runs.emplace_back(texop::MotionBlur, OpParams{64, 3});
  runs.emplace_back(texop::RadialBlur, OpParams{3, 40});
  runs.emplace_back(texop::PShift, OpParams{255, 128, 60, 200});
  runs.emplace_back(texop::CrossFade, OpParams{255, 1});
  runs.emplace_back(texop::Tiling, OpParams{10, 200, 0, 0});
  runs.emplace_back(texop::Clouds, OpParams{32, 7, 200});
  for (const auto& [op, params] : runs) {
    const Bytes one = withThreads(1, [&] { return runAt256(op, params); });
    const Bytes many = withThreads(kManyThreads, [&] { return runAt256(op, params); });
    EXPECT_TRUE(one == many) << table[op].name;
  }
}

// Records, for each published slot, its stages 0..stage count as the store holds them then.
struct Publication {
  int current, workingStage, displayedStage;
  std::vector<Bytes> stages;
  bool operator==(const Publication&) const = default;
};

// Hands back a picture that tells how many slots were published before it was asked for.
class CountingRenderer : public SceneRenderer {
 public:
  const std::vector<Publication>* published = nullptr;
  bool renderSceneImage(int, int, int size, std::uint8_t* pixels) override {
    std::fill_n(pixels, StageArea::stageBytes(size), static_cast<std::uint8_t>(published->size()));
    return true;
  }
};

std::vector<Publication> regenerateAll(
    TextureStore& store, const std::vector<int>& slots,
    const std::function<void(TextureStore&, const std::vector<int>&,
                             const std::function<void(int)>&)>& regenerate) {
  std::vector<Publication> publications;
  CountingRenderer renderer;
  renderer.published = &publications;
  store.sceneRenderer = &renderer;
  regenerate(store, slots, [&](int slot) {
    EXPECT_EQ(store.current, slot);
    Publication p{store.current, store.workingStage, store.displayedStage, {}};
    for (int k = 0; k <= store.currentTexture().stageCount; ++k)
      p.stages.push_back(testing::stageBytes(store, k));
    publications.push_back(std::move(p));
  });
  store.sceneRenderer = nullptr;
  return publications;
}

// Slot k gets text k % 5 at size k % 6. Text 1 renders a scene; text 4 takes its sprite from
// stage 9, which it never writes: what earlier, larger slots left there.
constexpr const char* kTexts[] = {
    "Clouds(40,3,64);\nBlur(9,2);\nMixer(1,2,128,128,4);\nList(1,5,64,64,64,64,64);\n"
    "AddSprite(100,150,2,80,40);\n",
    "Plasm(128,9,200,40);\nRenderScene(0,0);\nTwirl(120,130,160,200,100);\nDrwTxt(10,20,14,HI);\n",
    "Cells(10,200,180,160);\nMotionBlur(20,0);\nClouds(20,9,32);\nMap2dPShift(1,140,90);\n",
    "Mandelbrot(120,200,150,180);\nJulia(150,200);\nSolidFill(10,10,200,30,30,40);\n"
    "Tiling(20,30,100,1);\n",
    "Plasm(30,9,20,40);\nAddSprite(128,128,9,64,0);\n"};
constexpr int kSizes[] = {512, 256, 64, 128, 256, 32};

std::unique_ptr<TextureStore> storeWithSlots(const std::vector<int>& slots) {
  auto store = std::make_unique<TextureStore>();
  store->font.bytes.fill(0x33);
  for (std::size_t k = 0; k < slots.size(); ++k) {
    const std::string text = std::string("texture generation log\ntsize=") +
                             std::to_string(kSizes[k % 6]) + ";\nttype=0;\ntname=;\n" +
                             kTexts[k % 5] + "end\n";
    TextureTextRead read = readTextureText(text);
    EXPECT_TRUE(read.error.empty() && read.unknownLines.empty());
    store->slots[slots[k]] = read.texture;
  }
  return store;
}

TEST(ParallelIdentity, SlotsRegeneratedSideBySidePublishWhatOneAfterAnotherGives) {
  const std::vector<int> slots = {0, 3, 4, 5, 9, 17, 18, 40, 41, 42, 100, 200, 201, 253};
  auto sequential = [](TextureStore& store, const std::vector<int>& order,
                       const std::function<void(int)>& published) {
    for (int slot : order) {
      selectTexture(store, slot);
      published(slot);
    }
  };
  auto reference = storeWithSlots(slots);
  const auto expected =
      withThreads(1, [&] { return regenerateAll(*reference, slots, sequential); });
  ASSERT_EQ(expected.size(), slots.size());
  // The scene rendered for slot 3 (the second) shows one slot published before it, and the
  // sprite of slot 9 (the fifth) shows what slot 0 left in stage 9: a fresh store gives another.
  EXPECT_EQ(expected[1].stages[2][0], 1);
  auto fresh = storeWithSlots(slots);
  selectTexture(*fresh, 9);
  EXPECT_NE(testing::stageBytes(*fresh, 2), expected[4].stages[2]);

  for (std::size_t threads : {std::size_t{1}, kManyThreads}) {
    auto store = storeWithSlots(slots);
    const auto published =
        withThreads(threads, [&] { return regenerateAll(*store, slots, regenerateSlots); });
    ASSERT_EQ(published.size(), expected.size());
    // The whole stage area as one slot after another leaves it, not only the published stages.
    const std::size_t reach = 6 * StageArea::stageBytes(512);
    const std::uint8_t* area = store->stages.stage(0, 32);
    EXPECT_TRUE(std::equal(area, area + reach, reference->stages.stage(0, 32)))
        << threads << " threads";
    for (std::size_t k = 0; k < expected.size(); ++k)
      EXPECT_TRUE(published[k] == expected[k])
          << "slot " << slots[k] << " on " << threads << " threads";
    // Nothing of the slots' command lists changed.
    auto untouched = storeWithSlots(slots);
    for (int slot : slots)
      EXPECT_EQ(textureText(store->slots[slot]), textureText(untouched->slots[slot])) << slot;
  }
}

}  // namespace
}  // namespace tess
