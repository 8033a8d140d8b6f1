// Texture regeneration and whole-stage copies.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "texture/interpreter.hpp"
#include "texture/operation_table.hpp"
#include "texture/texture_store.hpp"

namespace tess {
namespace {

// A texture of ten commands at the given size, regenerated once.
std::unique_ptr<TextureStore> storeWithCommands(int size, const std::array<TextureCommand, 10>& commands) {
  auto store = std::make_unique<TextureStore>();
  Texture& texture = store->currentTexture();
  texture.size = size;
  std::copy(commands.begin(), commands.end(), texture.commands.begin() + 1);
  texture.stageCount = 11;
  selectTexture(*store, 0);
  return store;
}

TextureCommand command(int op, OpParams params = {}) { return TextureCommand{op, params, {}}; }

// Channel operations only: what the interpreter itself costs (copies, dispatch).
const std::array<TextureCommand, 10> kChannelCommands = {
    command(texop::ClearAlfa), command(texop::Invert),     command(texop::CopyBlueToAlfa), command(texop::InvertAlfa),
    command(texop::Invert),    command(texop::ClearRGB),   command(texop::InvertAlfa),     command(texop::Invert),
    command(texop::Empty),     command(texop::ClearAlfa)};

// A typical texture: pattern generators, a mix, a blur, distortion and colour work.
const std::array<TextureCommand, 10> kTypicalCommands = {
    command(texop::Plasm, {255, 0, 255, 0}),      command(texop::Cells, {166, 233, 166, 233}),
    command(texop::Mixer, {1, 2, 128, 128, 4}),   command(texop::Blur, {1, 0}),
    command(texop::Twirl, {128, 128, 160, 192, 64}), command(texop::ScaleColor, {255, 128, 40}),
    command(texop::Emboss),                       command(texop::Mixer, {7, 5, 128, 128, 0}),
    command(texop::SinColor, {128, 128, 128, 128}), command(texop::ClearAlfa)};

void regenerate(benchmark::State& state, const std::array<TextureCommand, 10>& commands) {
  auto store = storeWithCommands(static_cast<int>(state.range(0)), commands);
  for (auto _ : state) {
    regenerateTexture(*store);
    benchmark::DoNotOptimize(store->stage(10)[0]);
  }
}

void BM_RegenerateTenChannelCommands(benchmark::State& state) { regenerate(state, kChannelCommands); }
BENCHMARK(BM_RegenerateTenChannelCommands)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_RegenerateTenTypicalCommands(benchmark::State& state) { regenerate(state, kTypicalCommands); }
BENCHMARK(BM_RegenerateTenTypicalCommands)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_StageCopy1024(benchmark::State& state) {
  auto store = storeWithCommands(1024, kChannelCommands);
  for (auto _ : state) {
    copyStage(store->stage(2), store->stage(1), 1024);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * StageArea::stageBytes(1024));
}
BENCHMARK(BM_StageCopy1024)->Unit(benchmark::kMicrosecond);

void BM_Memcpy4MiB(benchmark::State& state) {
  const std::size_t bytes = StageArea::stageBytes(1024);
  auto source = std::make_unique<std::uint8_t[]>(bytes);
  auto destination = std::make_unique<std::uint8_t[]>(bytes);
  std::memset(source.get(), 1, bytes);
  std::memset(destination.get(), 2, bytes);
  for (auto _ : state) {
    std::memcpy(destination.get(), source.get(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_Memcpy4MiB)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess
