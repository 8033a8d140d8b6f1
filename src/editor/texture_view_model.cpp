#include "editor/texture_view_model.hpp"

#include "editor/editor_session.hpp"

namespace tess {

std::string TextureViewModel::title() const {
  return std::to_string(session_.textures().displayedStage) + " texture stage";
}

void TextureViewModel::draw(int width, int height, std::uint32_t* picture) const {
  const TextureStore& textures = session_.textures();
  drawTextureView(textures.stage(textures.displayedStage), textures.size(), view_, width, height,
                  picture);
}

void TextureViewModel::fitZoom(int width, int height) {
  view_.zoom = fittingZoom(session_.textures().size(), width, height);
}

void TextureViewModel::wheel(int delta) {
  if (delta == 0) return;
  view_.zoom += delta > 0 ? 10 : -10;
  if (view_.zoom < 0) view_.zoom = 255;
  if (view_.zoom > 255) view_.zoom = 0;
}

void TextureViewModel::startPan(int x, int y) {
  panning_ = true;
  grabX_ = x;
  grabY_ = y;
  panStartX_ = view_.panX;
  panStartY_ = view_.panY;
}

void TextureViewModel::movePan(int x, int y) {
  if (!panning_) return;
  // Row 0 is at the bottom: dragging down moves the picture down, towards higher source rows.
  view_.panX = panStartX_ + (x - grabX_);
  view_.panY = panStartY_ + (y - grabY_);
}

}  // namespace tess
