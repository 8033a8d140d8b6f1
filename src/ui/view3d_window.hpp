#pragma once

#include <QImage>
#include <QWidget>

namespace tess {

// Shows the renderer's back buffer scaled to the window, or, when the renderer could not start,
// says so.
class View3dWindow : public QWidget {
  Q_OBJECT
 public:
  explicit View3dWindow(QWidget* parent = nullptr);
  // The picture of the last frame (blue, green, red, alpha bytes, row 0 at the top); the window
  // keeps no copy, so the pixels must stay until the next call.
  void showPicture(const std::uint8_t* pixels, int width, int height);
  void showError(const QString& text);

  // Heading in the x-z plane, in degrees.
  double viewAngle = 0;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QString error_;
};

}  // namespace tess
