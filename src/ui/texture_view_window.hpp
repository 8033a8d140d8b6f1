#pragma once

#include <QWidget>

#include "texture/texture_store.hpp"
#include "ui/texture_view_picture.hpp"

namespace tess {

// Shows the displayed stage of the current texture, row 0 at the bottom, zoomed and panned; its
// title names the stage ("4 texture stage").
class TextureViewWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TextureViewWindow(const TextureStore& textures, QWidget* parent = nullptr);
  // Redraws after the texture or the displayed stage changed.
  void refresh();
  TextureViewState view;

 Q_SIGNALS:
  void titleChanged(const QString& title);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TextureStore& textures_;
};

}  // namespace tess
