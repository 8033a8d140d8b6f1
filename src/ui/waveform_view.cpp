#include "ui/waveform_view.hpp"

#include <QImage>
#include <QPainter>

#include "editor/sample_generator_model.hpp"

namespace tess {

WaveformView::WaveformView(const SampleGeneratorModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName("waveform");
}

void WaveformView::paintEvent(QPaintEvent*) {
  QImage picture(width(), height(), QImage::Format_RGB32);
  model_.drawWaveform(width(), height(), reinterpret_cast<std::uint32_t*>(picture.bits()));
  QPainter(this).drawImage(0, 0, picture);
}

}  // namespace tess
