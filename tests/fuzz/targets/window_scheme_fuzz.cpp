#include "editor/window_layout.hpp"
#include "fuzz_target.hpp"

namespace tess::fuzz {

TESS_FUZZ_TARGET(window_scheme) {
  static WindowLayout layout = initialWindowLayout();
  const std::string before = encodeScheme(layout);
  if (!decodeScheme(input, layout)) {
    expect(encodeScheme(layout) == before, "a refused scheme leaves the layout as it was");
    return;
  }
  // Every byte of a scheme file is stored: writing it back gives the file itself.
  expect(encodeScheme(layout) == input, "a scheme writes back as it was read");
  // What the main frame does with a scheme it read.
  for (ToolWindow window : kToolWindows) {
    if (rectSlot(window) == kNoSlot) continue;
    collapsedSize(layout, window);
    fullSize(layout, window);
  }
  collapsingLayout(layout);
  loadedSchemeSizes(layout);
}

}  // namespace tess::fuzz
