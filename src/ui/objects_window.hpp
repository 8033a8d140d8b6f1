#pragma once

#include <vector>

#include "editor/objects_model.hpp"
#include "ui/tool_window_content.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;

namespace tess {

class EditorSession;

// The "Objects" tool window: the current object of the current scene with its fields, clone
// settings and group, the object list, and the buttons that create, copy, delete and reorder
// objects. Controls forward to the model; the window shows the model again whenever the session
// reports a change to what it shows.
class ObjectsWindow : public ToolWindowContent {
  Q_OBJECT
 public:
  explicit ObjectsWindow(EditorSession& session, QWidget* parent = nullptr);

  ObjectsModel& model() { return model_; }

  // Every control from the current object, the lists and the pickers included.
  void refresh();
  // The clone type, count and coefficients.
  void refreshClones();
  // The three position edits.
  void refreshPosition();

 private:
  void build();
  QWidget* buildObjectRows();
  QWidget* buildSizeBox();
  QWidget* buildLookRows();
  QWidget* buildCloneBox();
  QWidget* buildGroupBox();
  QWidget* buildListColumn();
  void refreshSize();
  void typePlacement();
  void typeClones();

  EditorSession& session_;
  ObjectsModel model_;

  QLabel* number_ = nullptr;
  QComboBox* type_ = nullptr;
  QLineEdit *posX_ = nullptr, *posY_ = nullptr, *posZ_ = nullptr;
  std::vector<QPushButton*> axisButtons_;
  QSlider *sizeHigh_ = nullptr, *sizeLow_ = nullptr;
  QLineEdit* size_ = nullptr;
  QPushButton* normal_ = nullptr;
  QLineEdit *segU_ = nullptr, *segV_ = nullptr;
  QComboBox* blend_ = nullptr;
  QLineEdit *mosaic1_ = nullptr, *mosaic2_ = nullptr;
  QComboBox *texture_ = nullptr, *material_ = nullptr;
  QComboBox* cloneType_ = nullptr;
  QLineEdit *cloneCount_ = nullptr, *cloneCoeff1_ = nullptr, *cloneCoeff2_ = nullptr;
  QPushButton *resetControl_ = nullptr, *local_ = nullptr, *global_ = nullptr;
  QListWidget* list_ = nullptr;
  // The controls that edit the current object: disabled in an empty scene.
  std::vector<QWidget*> objectControls_;
};

}  // namespace tess
