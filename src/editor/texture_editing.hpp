#pragma once

// What the texture editor and the texture view both do to the texture being edited: choose the
// operation, set its sliders, preview it on the working stage and commit it. Each command
// publishes once; a refused one publishes nothing.

#include "texture/texture_store.hpp"

namespace tess {

class EditorSession;

// Selects operation row (0..51): its remembered values go to the sliders and it runs on the
// working stage. A group header shows no parameters and runs nothing.
bool selectOperation(EditorSession& session, int row);

// Slider index (0..6) takes value, clamped to 0..255, and the operation table remembers all slider
// positions for the selected row. Runs nothing: the caller previews once its changes are in.
void setSlider(TextureStore& store, int index, int value);

// Runs the selected operation with the sliders on the working stage and shows that stage.
void runPreview(EditorSession& session);

// "OK": the selected operation becomes a command. It runs once more first, so that the stored
// command always produces the picture committed, also when nothing was previewed since the last
// commit. A commit that ends change mode selects row 0.
bool commitSelected(EditorSession& session);
// The same without selecting row 0 or publishing, for commands that go on from there.
bool storeSelected(TextureStore& store);

// The number of sliders the selected operation uses (0 for a header).
int selectedParameterCount(const TextureStore& store);

// Parameter changes may arrive faster than the operation runs (a slider dragged over a large
// texture): each change only marks the preview due, and the window runs it once the events that
// are waiting have been handled, so only the newest values run.
class DuePreview {
 public:
  void mark() { due_ = true; }
  bool due() const { return due_; }
  // Runs the preview when one is due; false when none was.
  bool run(EditorSession& session);

 private:
  bool due_ = false;
};

}  // namespace tess
