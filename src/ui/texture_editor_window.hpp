#pragma once

#include <QTimer>
#include <array>
#include <functional>
#include <string>

#include "core/clock.hpp"
#include "editor/editor_session.hpp"
#include "editor/texture_editor_model.hpp"
#include "ui/tool_window_content.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTabBar;

namespace tess {

// The questions the texture editor asks: "Clear All" asks to confirm (OK / Cancel; true for OK),
// "T" reports its time.
struct TextureEditorPrompts {
  std::function<bool(const std::string& title, const std::string& text)> confirm;
  std::function<void(const std::string& title, const std::string& text)> message;
};

// The "Texture editor" window: slot, name, type and size; the operations by group; seven
// parameter rows; the stage list and its commands. Its behaviour is TextureEditorModel's.
class TextureEditorWindow : public ToolWindowContent {
  Q_OBJECT
 public:
  TextureEditorWindow(EditorSession& session, TextureEditorPrompts prompts,
                      QWidget* parent = nullptr);
  ~TextureEditorWindow() override;

 private:
  struct ParameterRow {
    QLabel* label;
    QSlider* slider;
    QPushButton* minus;
    QPushButton* plus;
    QLineEdit* number;
  };

  void buildTextureFields();
  void buildOperationList();
  void buildParameterRows();
  void buildStageCommands();
  void refresh();
  void refreshTextureFields();
  void refreshOperation();
  void refreshStageList();
  QPushButton* button(const char* caption, int x, int y, int width, std::function<void()> command);
  // Slider moves run once the events waiting are handled, so a drag never queues runs.
  void runPreviewSoon();

  EditorSession& session_;
  TextureEditorModel model_;
  TextureEditorPrompts prompts_;
  SteadyClock clock_;
  QTimer previewTimer_;
  int subscription_ = 0;

  QLineEdit* slot_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* type_ = nullptr;
  QComboBox* size_ = nullptr;
  QTabBar* tabs_ = nullptr;
  QListWidget* operations_ = nullptr;
  QLabel* function_ = nullptr;
  std::array<ParameterRow, kParamCount> rows_{};
  QListWidget* stages_ = nullptr;
  QPushButton* change_ = nullptr;
  QPushButton* insert_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* clearAll_ = nullptr;
  QPushButton* prerender_ = nullptr;
};

}  // namespace tess
