#include "ui/texture_view_window.hpp"

#include <QImage>
#include <QPainter>

namespace tess {

TextureViewWindow::TextureViewWindow(const TextureStore& textures, QWidget* parent)
    : QWidget(parent), textures_(textures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(16, 16);
}

void TextureViewWindow::refresh() {
  setWindowTitle(QString::number(textures_.displayedStage) + " texture stage");
  update();
}

void TextureViewWindow::paintEvent(QPaintEvent*) {
  QImage picture(width(), height(), QImage::Format_RGB32);
  drawTextureView(textures_.stage(textures_.displayedStage), textures_.size(), view, width(),
                  height(), reinterpret_cast<std::uint32_t*>(picture.bits()));
  QPainter(this).drawImage(0, 0, picture);
}

}  // namespace tess
