#pragma once

#include <QColor>
#include <array>
#include <functional>
#include <optional>

#include "editor/material_editor_model.hpp"
#include "ui/tool_window_content.hpp"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSlider;

namespace tess {

class ColourSwatch;
class EditorSession;
class RefillingComboBox;

// Asks the user for a colour, starting from the given one; nothing when cancelled.
using ColourChooser = std::function<std::optional<QColor>(const QColor& start, QWidget* parent)>;
// Qt's colour dialog; its 16 custom colours stay for the whole run.
std::optional<QColor> chooseColourWithDialog(const QColor& start, QWidget* parent);

// The "Material editor" window: the current material's number and name, the three lighting
// colours as sliders and swatches, the specular power, the two multitexturing stages and the
// vertex-displace map and depth. Edits go to its model; it shows the material again whenever the
// session reports a change to what it shows.
class MaterialEditorWindow : public ToolWindowContent {
  Q_OBJECT
 public:
  explicit MaterialEditorWindow(EditorSession& session,
                                ColourChooser chooseColour = chooseColourWithDialog,
                                QWidget* parent = nullptr);
  ~MaterialEditorWindow() override;

  // Sets every control from the current material.
  void refresh();
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* buildHeader();
  QGridLayout* buildColourRows();
  QWidget* buildMultitexturing();
  QWidget* buildVertexDisplace();
  QSlider* addSlider(const QString& name, std::function<void(int)> moved);
  RefillingComboBox* addTexturePicker(const QString& name, std::function<void(int)> chosen);
  void chooseSwatchColour(LightingColour colour);

  EditorSession& session_;
  MaterialEditorModel model_;
  ColourChooser chooseColour_;
  int subscription_ = 0;

  QWidget* panel_ = nullptr;  // holds the controls
  QLabel* number_ = nullptr;
  QLineEdit* name_ = nullptr;
  std::array<std::array<QSlider*, 3>, 3> colourSliders_{};  // [colour][channel]
  std::array<ColourSwatch*, 3> swatches_{};
  QSlider* power_ = nullptr;
  std::array<QComboBox*, 2> stageBlends_{};
  std::array<RefillingComboBox*, 2> stageTextures_{};
  RefillingComboBox* map_ = nullptr;
  QSlider* depth_ = nullptr;
};

}  // namespace tess
