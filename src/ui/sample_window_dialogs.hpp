#pragma once

#include <functional>
#include <string>

#include "editor/sample_generator_model.hpp"

class QWidget;

namespace tess {

// The file dialogs and the message box of the sample generator window; tests answer from a
// script.
struct SampleWindowDialogs {
  SampleFileChooser chooseFile;
  std::function<void(const std::string& text)> showError;
};

// Qt's file dialogs (asking before a save overwrites a file) and message box, over parent.
SampleWindowDialogs qtSampleWindowDialogs(QWidget* parent);

}  // namespace tess
