#pragma once

#include <QAbstractButton>
#include <QColor>

namespace tess {

// A small field filled with one colour that is clicked (or pressed with Space) to change it.
class ColourSwatch : public QAbstractButton {
  Q_OBJECT
 public:
  static constexpr int kWidth = 20;
  static constexpr int kHeight = 12;

  explicit ColourSwatch(QWidget* parent = nullptr);
  QColor colour() const { return colour_; }
  void setColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_ = Qt::black;
};

}  // namespace tess
