#pragma once

#include <QImage>
#include <QWidget>

#include "editor/view3d_display.hpp"

namespace tess {

// Shows the renderer's back buffer scaled to the window, or, when the renderer could not start,
// says so. Its title comes from the display model.
class View3dWindow : public QWidget {
  Q_OBJECT
 public:
  explicit View3dWindow(const View3dDisplay& display, QWidget* parent = nullptr);
  // The picture of the last frame (blue, green, red, alpha bytes, row 0 at the top); the window
  // keeps no copy, so the pixels must stay until the next call.
  void showPicture(const std::uint8_t* pixels, int width, int height);
  void showError(const QString& text);
  // Takes the title from the model again.
  void refreshTitle();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const View3dDisplay& display_;
  QImage picture_;
  QString error_;
};

}  // namespace tess
