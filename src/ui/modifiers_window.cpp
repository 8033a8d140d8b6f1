#include "ui/modifiers_window.hpp"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <tuple>

#include "editor/editor_session.hpp"
#include "ui/modifier_menu.hpp"

namespace tess {

namespace {

QString text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QLabel* label(const char* caption) {
  auto* shown = new QLabel(caption);
  shown->setAccessibleName(caption);
  return shown;
}

QLineEdit* display(const char* name) {
  auto* shown = new QLineEdit;
  shown->setReadOnly(true);
  shown->setFocusPolicy(Qt::NoFocus);
  shown->setFixedWidth(34);
  shown->setAccessibleName(name);
  return shown;
}

void setLabel(QLabel& shown, std::string_view caption) {
  shown.setText(text(caption));
  shown.setAccessibleName(text(caption));
}

}  // namespace

ModifiersWindow::ModifiersWindow(EditorSession& session, QWidget* parent)
    : ToolWindowContent(parent), session_(session), model_(session) {
  setAccessibleName("Modifiers");
  buildControls();
  menu_ = buildModifierMenu({.setCode = [this](int code) { model_.setCode(code); },
                             .clearGroup =
                                 [this] {
                                   model_.clearGroup();
                                   refreshGroupButtons();
                                 }},
                            this);
  subscription_ = session_.subscribe([this](Changes changes) {
    if (changes.any(ModifiersModel::kShown)) refresh();
  });
  refresh();
}

ModifiersWindow::~ModifiersWindow() { session_.unsubscribe(subscription_); }

QPushButton* ModifiersWindow::addButton(const char* caption, void (ModifiersWindow::*command)()) {
  auto* button = new QPushButton(caption);
  button->setAccessibleName(caption);
  button->setFocusPolicy(Qt::NoFocus);
  connect(button, &QPushButton::clicked, this, [this, command] { (this->*command)(); });
  return button;
}

QLineEdit* ModifiersWindow::addValueEdit(ModifierField field, const char* name) {
  auto* edit = new QLineEdit;
  edit->setAccessibleName(name);
  edit->setMinimumWidth(44);
  ValueEdit& value = values_[static_cast<int>(field)];
  value = {field, edit};
  connect(edit, &QLineEdit::textEdited, this, [this, &value](const QString& entered) {
    typed(value, entered);
  });
  // Leaving an edit shows the stored value again, whatever was refused.
  connect(edit, &QLineEdit::editingFinished, this, &ModifiersWindow::refresh);
  return edit;
}

void ModifiersWindow::buildControls() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(3);

  // "№", navigation and the count.
  auto* top = new QHBoxLayout;
  top->addWidget(label("№"));
  top->addWidget(number_ = display("№"));
  top->addWidget(previous_ = addButton("<", &ModifiersWindow::previous));
  top->addWidget(next_ = addButton(">", &ModifiersWindow::next));
  top->addWidget(last_ = addButton(">|", &ModifiersWindow::last));
  top->addWidget(count_ = display("count"));
  top->addStretch();
  for (QPushButton* button : {previous_, next_, last_}) button->setFixedWidth(26);
  grid->addLayout(top, 0, 0, 1, 2);

  typeList_ = new QListWidget;
  typeList_->setAccessibleName("code");
  for (int code = 0; code < kModifierCodeCount; ++code)
    typeList_->addItem(QString::fromStdString(modifierTypeName(code)));
  connect(typeList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) model_.setCode(row);
  });
  grid->addWidget(typeList_, 1, 0, 2, 1);

  grid->addWidget(label("Log:"), 1, 1);
  log_ = new QListWidget;
  log_->setAccessibleName("Log:");
  connect(log_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) model_.selectLogRow(row);
  });
  grid->addWidget(log_, 2, 1);
  grid->setRowStretch(2, 1);
  // The type names are the longer ones.
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);

  auto* position = new QHBoxLayout;
  for (auto [field, caption, name] : {std::tuple{ModifierField::P1, "x", "p1"},
                                      std::tuple{ModifierField::P2, "y", "p2"},
                                      std::tuple{ModifierField::P3, "z", "p3"}}) {
    position->addWidget(label(caption));
    position->addWidget(addValueEdit(field, name), 1);
  }
  grid->addLayout(position, 3, 0, 1, 2);

  // The two scalar parameters: label, edit, "-" and "+".
  auto* parameters = new QGridLayout;
  parameters->setSpacing(3);
  firstLabel_ = label("p1");
  secondLabel_ = label("p2");
  parameters->addWidget(firstLabel_, 0, 0);
  parameters->addWidget(addValueEdit(ModifierField::P5, "p5"), 0, 1);
  parameters->addWidget(steps_[0] = addButton("-", &ModifiersWindow::firstMinus), 0, 2);
  parameters->addWidget(steps_[1] = addButton("+", &ModifiersWindow::firstPlus), 0, 3);
  parameters->addWidget(secondLabel_, 1, 0);
  parameters->addWidget(addValueEdit(ModifierField::P4, "p4"), 1, 1);
  parameters->addWidget(steps_[2] = addButton("-", &ModifiersWindow::secondMinus), 1, 2);
  parameters->addWidget(steps_[3] = addButton("+", &ModifiersWindow::secondPlus), 1, 3);
  for (int k = 0; k < 4; ++k) {
    steps_[k]->setFixedWidth(24);
    steps_[k]->setAccessibleDescription(k < 2 ? "p5" : "p4");
  }
  parameters->setColumnMinimumWidth(0, 44);
  grid->addLayout(parameters, 4, 0);

  auto* operations = new QGridLayout;
  operations->setSpacing(3);
  operations->addWidget(create_ = addButton("Create", &ModifiersWindow::create), 0, 0);
  operations->addWidget(delete_ = addButton("Delete", &ModifiersWindow::remove), 0, 1);
  operations->addWidget(up_ = addButton("up", &ModifiersWindow::moveUp), 1, 0);
  operations->addWidget(down_ = addButton("down", &ModifiersWindow::moveDown), 1, 1);
  grid->addLayout(operations, 4, 1);

  auto* groupRow = new QHBoxLayout;
  for (int g = 0; g < 4; ++g) {
    const auto group = static_cast<ModifierGroup>(g);
    auto* button = new QPushButton(text(model_.groupCaption(group)));
    button->setAccessibleName(button->text());
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(36);
    connect(button, &QPushButton::clicked, this, [this, group] {
      model_.chooseGroup(group);
      refreshGroupButtons();
      openGroupMenu(group);
    });
    groupRow->addWidget(groups_[g] = button);
  }
  groupRow->addStretch();
  grid->addLayout(groupRow, 5, 0, 1, 2);
}

void ModifiersWindow::refresh() {
  number_->setText(QString::fromStdString(model_.numberText()));
  count_->setText(QString::fromStdString(model_.countText()));
  {
    const QSignalBlocker blocker(typeList_);
    const auto code = model_.selectedCode();
    typeList_->setCurrentRow(code.value_or(-1));
    if (!code) typeList_->clearSelection();
  }
  for (const ValueEdit& value : values_)
    if (value.edit != typing_)
      value.edit->setText(QString::fromStdString(model_.valueText(value.field)));
  setLabel(*firstLabel_, model_.firstLabel());
  setLabel(*secondLabel_, model_.secondLabel());
  {
    const QSignalBlocker blocker(log_);
    log_->clear();
    for (const std::string& line : model_.logLines()) log_->addItem(QString::fromStdString(line));
    log_->setCurrentRow(model_.logRow());
  }

  const bool current = model_.hasCurrent();
  typeList_->setEnabled(current);
  for (const ValueEdit& value : values_) value.edit->setEnabled(current);
  for (QPushButton* step : steps_) step->setEnabled(current);
  delete_->setEnabled(current);
  create_->setEnabled(model_.canCreate());
  up_->setEnabled(model_.canMoveUp());
  down_->setEnabled(model_.canMoveDown());
  previous_->setEnabled(model_.canGoPrevious());
  next_->setEnabled(model_.canGoNext());
  last_->setEnabled(model_.count() > 0);
}

void ModifiersWindow::refreshGroupButtons() {
  for (int g = 0; g < 4; ++g) {
    groups_[g]->setText(text(model_.groupCaption(static_cast<ModifierGroup>(g))));
    groups_[g]->setAccessibleName(groups_[g]->text());
  }
}

void ModifiersWindow::openGroupMenu(ModifierGroup group) {
  const QPushButton* button = groups_[static_cast<int>(group)];
  modifierGroupMenu(*menu_, group)->popup(button->mapToGlobal(QPoint(button->width(), 0)));
}

QMenu* ModifiersWindow::popupMenu() const {
  if (model_.groupMode() == 0) return menu_;
  return modifierGroupMenu(*menu_, static_cast<ModifierGroup>(model_.groupMode() - 1));
}

void ModifiersWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (model_.groupMode() > 0) openGroupMenu(static_cast<ModifierGroup>(model_.groupMode() - 1));
  event->accept();
}

void ModifiersWindow::typed(const ValueEdit& value, const QString& entered) {
  typing_ = value.edit;
  model_.typeValue(value.field, entered.toStdString());
  typing_ = nullptr;
}

}  // namespace tess
