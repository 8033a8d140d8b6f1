#pragma once

#include <cstdint>
#include <string>

#include "editor/changes.hpp"
#include "editor/texture_view_picture.hpp"

namespace tess {

class EditorSession;

// The texture view's behaviour: which stage it shows (the current texture's displayed stage),
// its title, its zoom, pan and background, and its picture.
class TextureViewModel {
 public:
  explicit TextureViewModel(EditorSession& session) : session_(session) {}

  // The changes after which the view draws again.
  static constexpr Changes kShown = Change::Stages | Change::CurrentTexture;

  const TextureViewState& view() const { return view_; }
  // "4 texture stage": the stage shown.
  std::string title() const;
  // The picture for a width x height view (row 0 at the top, 0xAARRGGBB words).
  void draw(int width, int height, std::uint32_t* picture) const;

  // Key "0": one texture pixel per screen pixel.
  void resetZoom() { view_.zoom = 64; }
  // Key "8": the whole texture fits a width x height view.
  void fitZoom(int width, int height);
  // The wheel steps the zoom by 10 a notch (delta 120 up, -120 down), wrapping
  // from below 0 to 255 and from above 255 to 0.
  void wheel(int delta);
  // Key "W": mid-grey instead of black outside the texture.
  void toggleBackground() { view_.greyBackground = !view_.greyBackground; }
  // Panning: the picture follows the pointer from where the drag started.
  void startPan(int x, int y);
  void movePan(int x, int y);
  void endPan() { panning_ = false; }
  bool panning() const { return panning_; }

 private:
  EditorSession& session_;
  TextureViewState view_;
  bool panning_ = false;
  int grabX_ = 0, grabY_ = 0;        // pointer where the drag started
  int panStartX_ = 0, panStartY_ = 0;  // pan offset then
};

}  // namespace tess
