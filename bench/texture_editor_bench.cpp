// "Slider moved" in the texture editor: the selected operation runs again on the working stage
// and the texture view draws its picture, for every operation at 256 and 512 pixels. The working
// stage starts from a plasma, so distortions and filters move real content.

#include <benchmark/benchmark.h>

#include <vector>

#include "editor/editor_session.hpp"
#include "editor/texture_editor_model.hpp"
#include "editor/texture_view_model.hpp"

namespace tess {
namespace {

constexpr int kViewSize = 512;  // a view that shows a 512-pixel texture whole

void BM_SliderMoved(benchmark::State& state) {
  const int op = static_cast<int>(state.range(0));
  const int size = static_cast<int>(state.range(1));
  EditorSession session;
  TextureEditorModel editor(session);
  TextureViewModel view(session);
  std::vector<std::uint32_t> picture(kViewSize * kViewSize);
  TextureStore& store = session.textures();
  store.currentTexture().size = size;
  editor.selectOperation(texop::Plasm);
  editor.commit();
  store.currentTexture().commands[store.workingStage].text = "TESSARINE 2024!";
  editor.selectOperation(op);
  state.SetLabel(std::string(pristineOperationTable()[op].name));

  for (auto _ : state) {
    setSlider(store, 0, store.sliders[0]);
    runPreview(session);
    view.draw(kViewSize, kViewSize, picture.data());
    benchmark::DoNotOptimize(picture[0]);
  }
}

void everyOperationAt256And512(benchmark::internal::Benchmark* benchmark) {
  for (int op = 0; op < kOperationRowCount; ++op)
    if (isRunnableOperation(op))
      for (int size : {256, 512}) benchmark->Args({op, size});
}

BENCHMARK(BM_SliderMoved)
    ->Apply(everyOperationAt256And512)
    ->ArgNames({"op", "size"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess
