#pragma once

#include <array>

#include "editor/modifiers_model.hpp"
#include "ui/tool_window_content.hpp"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace tess {

class EditorSession;

// The "Modifiers" tool window: the current object's modifier list, the current entry's code and
// five values, the list operations and the group buttons that open the modifier pop-up. It
// forwards everything to its model and reads its fields again when the session reports changes
// to objects, modifiers or the scene.
class ModifiersWindow : public ToolWindowContent {
  Q_OBJECT
 public:
  explicit ModifiersWindow(EditorSession& session, QWidget* parent = nullptr);
  ~ModifiersWindow() override;

  const ModifiersModel& model() const { return model_; }
  // The pop-up "modifers" the group buttons and a right click open parts of.
  QMenu* modifierMenu() const { return menu_; }
  // What the 3D view's right click opens: the chosen group's sub-menu, or the whole menu.
  QMenu* popupMenu() const;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct ValueEdit {
    ModifierField field;
    QLineEdit* edit = nullptr;
  };

  void buildControls();
  QLineEdit* addValueEdit(ModifierField field, const char* name);
  QPushButton* addButton(const char* caption, void (ModifiersWindow::*command)());
  void refresh();
  void refreshGroupButtons();
  void openGroupMenu(ModifierGroup group);
  void typed(const ValueEdit& value, const QString& entered);

  // Commands behind the buttons.
  void create() { model_.create(); }
  void remove() { model_.remove(); }
  void moveUp() { model_.moveUp(); }
  void moveDown() { model_.moveDown(); }
  void previous() { model_.previous(); }
  void next() { model_.next(); }
  void last() { model_.last(); }
  void firstMinus() { model_.stepFirst(-1); }
  void firstPlus() { model_.stepFirst(1); }
  void secondMinus() { model_.stepSecond(-1); }
  void secondPlus() { model_.stepSecond(1); }

  EditorSession& session_;
  ModifiersModel model_;
  int subscription_ = 0;

  QLineEdit* number_ = nullptr;
  QLineEdit* count_ = nullptr;
  QListWidget* typeList_ = nullptr;
  QListWidget* log_ = nullptr;
  std::array<ValueEdit, 5> values_{};
  QLineEdit* typing_ = nullptr;  // the edit whose typing is being stored: refreshes leave it
  QLabel* firstLabel_ = nullptr;
  QLabel* secondLabel_ = nullptr;
  QPushButton *previous_ = nullptr, *next_ = nullptr, *last_ = nullptr;
  QPushButton *create_ = nullptr, *delete_ = nullptr, *up_ = nullptr, *down_ = nullptr;
  std::array<QPushButton*, 4> steps_{};  // first "-", "+", second "-", "+"
  std::array<QPushButton*, 4> groups_{};
  QMenu* menu_ = nullptr;
};

}  // namespace tess
