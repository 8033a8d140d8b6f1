#pragma once

#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "editor/tracker_model.hpp"
#include "ui/tool_window_content.hpp"

class QComboBox;
class QEnterEvent;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tess {

class EditorSession;

// The "Tracker (timeline)" window: the 1000 rows, the editor of the selected row, the row edits,
// playback with or without music and the music file. It forwards what the user does to its model
// and shows the rows again when the session says they or the playing row changed.
class TrackerWindow : public ToolWindowContent {
  Q_OBJECT
 public:
  // Asks for an existing music file, starting in a folder; nothing when cancelled. Tests script
  // it.
  using FileChooser = std::function<std::optional<std::filesystem::path>(
      QWidget* parent, const std::filesystem::path& folder)>;

  explicit TrackerWindow(EditorSession& session, FileChooser chooseFile = {},
                         QWidget* parent = nullptr);
  ~TrackerWindow() override;

 protected:
  void enterEvent(QEnterEvent* event) override;

 private:
  void build();
  void connectControls();
  void refresh(Changes changes);
  void refreshRows();
  void showSelectedRow();
  void showRowEditor();
  void showStatus();
  TrackerModel::ParameterTexts parameterTexts() const;
  void chooseSoundFile();

  EditorSession& session_;
  TrackerModel model_;
  FileChooser chooseFile_;
  int subscription_ = 0;
  bool typing_ = false;        // a typed value is being stored: the edits keep what was typed
  bool choosingFile_ = false;  // the file dialog is open

  QListWidget* rows_ = nullptr;
  QComboBox* command_ = nullptr;
  std::array<QLineEdit*, 4> parameters_{};
  QLineEdit* sound_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace tess
