// Texture regeneration and whole-stage copies.

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "texture/interpreter.hpp"
#include "texture/operation_table.hpp"
#include "texture/texture_store.hpp"

namespace tess {
namespace {

// Ten commands from the implemented operations, alternating so that every stage changes.
std::unique_ptr<TextureStore> storeWithTenCommands(int size) {
  auto store = std::make_unique<TextureStore>();
  Texture& texture = store->currentTexture();
  texture.size = size;
  const int ops[] = {texop::ClearAlfa, texop::Invert,     texop::CopyBlueToAlfa, texop::InvertAlfa, texop::Invert,
                     texop::ClearRGB,  texop::InvertAlfa, texop::Invert,         texop::Empty,      texop::ClearAlfa};
  for (int k = 0; k < 10; ++k) texture.commands[k + 1].op = ops[k];
  texture.stageCount = 11;
  selectTexture(*store, 0);
  return store;
}

void BM_RegenerateTenCommands(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto store = storeWithTenCommands(size);
  for (auto _ : state) {
    regenerateTexture(*store);
    benchmark::DoNotOptimize(store->stage(10)[0]);
  }
}
BENCHMARK(BM_RegenerateTenCommands)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_StageCopy1024(benchmark::State& state) {
  auto store = storeWithTenCommands(1024);
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
