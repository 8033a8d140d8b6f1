#pragma once

#include <array>

#include "audio/sample_types.hpp"
#include "editor/sample_generator_model.hpp"
#include "ui/sample_window_dialogs.hpp"
#include "ui/tool_window_content.hpp"

class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;
class QToolButton;

namespace tess {

class EditorSession;
class WaveformView;

// "Sample generator [BETA!]": steps through the samples, edits the current sample's command list
// and the current command's parameters, shows its stage as a waveform, plays the sample and saves
// and loads it. Controls forward to the model and are refreshed from it when samples change.
class SampleGeneratorWindow : public ToolWindowContent {
  Q_OBJECT
 public:
  // Without dialogs, Qt's are used.
  explicit SampleGeneratorWindow(EditorSession& session, SampleWindowDialogs dialogs = {},
                                 QWidget* parent = nullptr);
  ~SampleGeneratorWindow() override;

  // Takes everything shown from the model again.
  void refresh();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  struct Row {
    QLabel* label = nullptr;
    QSlider* slider = nullptr;
    QToolButton* plus = nullptr;
    QToolButton* minus = nullptr;
    QLineEdit* edit = nullptr;
  };

  void buildControls();
  void buildRow(int j);
  void refreshCommandList();
  void refreshRows();
  void report(const Status& status);

  EditorSession& session_;
  SampleGeneratorModel model_;
  SampleWindowDialogs dialogs_;
  int subscription_ = 0;

  QLineEdit* sampleNumber_ = nullptr;
  QSlider* scroll_ = nullptr;
  QSlider* zoom_ = nullptr;
  WaveformView* view_ = nullptr;
  QListWidget* operations_ = nullptr;
  QListWidget* commands_ = nullptr;
  QLabel* operationName_ = nullptr;
  QLabel* status_ = nullptr;
  std::array<Row, kSampleParamCount> rows_;
};

}  // namespace tess
