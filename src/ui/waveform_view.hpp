#pragma once

#include <QWidget>

namespace tess {

class SampleGeneratorModel;

// The sample generator's waveform: the current command's stage as its model draws it, at the
// view's own size.
class WaveformView : public QWidget {
  Q_OBJECT
 public:
  explicit WaveformView(const SampleGeneratorModel& model, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const SampleGeneratorModel& model_;
};

}  // namespace tess
