#include "ui/sample_window_dialogs.hpp"

#include <QFileDialog>
#include <QMessageBox>

namespace tess {

SampleWindowDialogs qtSampleWindowDialogs(QWidget* parent) {
  SampleWindowDialogs dialogs;
  dialogs.chooseFile =
      [parent](const SampleFileRequest& request) -> std::optional<std::filesystem::path> {
    const QString caption = QString::fromStdString(request.caption);
    const QString filter =
        QString::fromStdString(request.filterName + " (" + request.pattern + ")");
    const QString name =
        request.save ? QFileDialog::getSaveFileName(
                           parent, caption, QString::fromStdString(request.suggestedName), filter)
                     : QFileDialog::getOpenFileName(parent, caption, {}, filter);
    if (name.isEmpty()) return std::nullopt;
    return std::filesystem::path(name.toStdString());
  };
  dialogs.showError = [parent](const std::string& text) {
    QMessageBox::critical(parent, "Sample generator", QString::fromStdString(text));
  };
  return dialogs;
}

}  // namespace tess
