#pragma once

#include <QWidget>

#include "editor/texture_view_model.hpp"

namespace tess {

// Shows what its model draws: the displayed stage of the current texture, zoomed and panned.
// Keys "0", "8" and "W", the wheel and dragging with the space bar held go to the model.
class TextureViewWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TextureViewWindow(TextureViewModel& model, QWidget* parent = nullptr);
  // Takes the title and picture from the model again.
  void refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  TextureViewModel& model_;
  bool spaceHeld_ = false;
};

}  // namespace tess
