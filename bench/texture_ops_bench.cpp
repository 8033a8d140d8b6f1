// Generator, geometry and distortion operations with their default parameters, one run of the
// operation on the working stage per iteration (the copy of the previous stage included), on one
// thread and on every core.

#include <benchmark/benchmark.h>

#include <memory>

#include "texture/interpreter.hpp"
#include "texture/operation_table.hpp"
#include "texture/texture_store.hpp"
#include "thread_limit.hpp"

namespace tess {
namespace {

// Hands back a flat grey picture: measures RenderScene's own work, not a renderer's frame.
class FlatRenderer : public SceneRenderer {
 public:
  bool renderSceneImage(int, int, int size, std::uint8_t* pixels) override {
    std::fill_n(pixels, StageArea::stageBytes(size), std::uint8_t{90});
    return true;
  }
};

// A store at the given size whose stage 0 holds a plasma, so distortions move real content.
std::unique_ptr<TextureStore> storeWithPicture(int size) {
  auto store = std::make_unique<TextureStore>();
  store->currentTexture().size = size;
  selectTexture(*store, 0);
  OpParams plasma = pristineOperationTable()[texop::Plasm].values;
  runTextureOp(*store, texop::Plasm, plasma);
  copyStage(store->stage(0), store->stage(1), size);
  store->currentTexture().commands[1].text = "TESSARINE 2024!";
  return store;
}

void BM_Operation(benchmark::State& state, int op) {
  const ThreadLimit limit(static_cast<int>(state.range(1)));
  const int size = static_cast<int>(state.range(0));
  auto store = storeWithPicture(size);
  FlatRenderer renderer;
  store->sceneRenderer = &renderer;
  for (auto _ : state) {
    OpParams params = pristineOperationTable()[op].values;
    runTextureOp(*store, op, params);
    benchmark::DoNotOptimize(store->stage(1)[0]);
    benchmark::ClobberMemory();
  }
}

void registerOperations() {
  const int ops[] = {texop::Cells,      texop::Plasm,    texop::ChessField, texop::Mandelbrot, texop::Julia,
                     texop::List,       texop::Clouds,   texop::LGradient,  texop::RenderScene, texop::Box,
                     texop::Circle,     texop::AddParticle, texop::AddSprite, texop::DrwTxt,   texop::SinDistort,
                     texop::Twirl,      texop::Lenz,     texop::RotorZoom,  texop::Roll,       texop::Tiling,
                     texop::Mozaic};
  for (int op : ops) {
    benchmark::RegisterBenchmark(std::string(pristineOperationTable()[op].name).c_str(),
                                 BM_Operation, op)
        ->ArgsProduct({{256, 512, 1024}, {1, 0}})  // threads 1 and 0 (every core)
        ->ArgNames({"size", "threads"})
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace tess

int main(int argc, char** argv) {
  tess::registerOperations();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
