// The 3D view controller's work per pointer event while dragging and turning: the arithmetic,
// the store write and the change notice (no window listens here).
#include <benchmark/benchmark.h>

#include "editor/editor_session.hpp"
#include "editor/view3d_controller.hpp"

namespace tess {
namespace {

struct View3dBench {
  View3dBench() {
    session.scenes().activeModifiers().count = 1;
    session.scenes().currentModifier = 0;
    view.setViewSize(800, 625);
    view.setBackBufferSize(1600, 1200);
    view.keyDown(View3dKey::Digit2, {});  // a heading off the axes' trivial case
  }

  // Pointer moves along a small loop, as a hand drags.
  void moveAround(benchmark::State& state, HeldInputs held) {
    int step = 0;
    for (auto _ : state) {
      ++step;
      view.pointerMove(400 + (step & 63), 300 + ((step >> 2) & 31), held);
    }
  }

  EditorSession session;
  View3dDisplay display{session};
  View3dController view{session, display};
};

void BM_DragObject(benchmark::State& state) {
  View3dBench bench;
  const HeldInputs held{.shift = true, .left = true};
  bench.view.keyDown(View3dKey::Shift, held);
  bench.view.buttonDown(MouseButton::Left, 400, 300, held);
  bench.moveAround(state, held);
}
BENCHMARK(BM_DragObject);

void BM_DragModifier(benchmark::State& state) {
  View3dBench bench;
  const HeldInputs held{.left = true};
  bench.view.buttonDown(MouseButton::Left, 400, 300, held);
  bench.moveAround(state, held);
}
BENCHMARK(BM_DragModifier);

void BM_TurnView(benchmark::State& state) {
  View3dBench bench;
  bench.moveAround(state, HeldInputs{.ctrl = true});
}
BENCHMARK(BM_TurnView);

}  // namespace
}  // namespace tess
