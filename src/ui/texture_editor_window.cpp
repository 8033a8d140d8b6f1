#include "ui/texture_editor_window.hpp"

#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>

namespace tess {
namespace {

// The window is laid out like a dialog, in pixels: when the collapsing layout shortens it to its
// first rows, the rest is cut off rather than squeezed.
constexpr int kRowHeight = 22;
constexpr int kParameterTop = 284;
constexpr int kParameterHeight = 18;

template <typename Widget>
Widget* placed(Widget* widget, int x, int y, int width, int height = kRowHeight) {
  widget->setGeometry(x, y, width, height);
  return widget;
}

QString text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TextureEditorWindow::TextureEditorWindow(EditorSession& session, TextureEditorPrompts prompts,
                                         QWidget* parent)
    : ToolWindowContent(parent), session_(session), model_(session), prompts_(std::move(prompts)) {
  setWindowTitle("Texture editor");
  setAccessibleName("Texture editor");
  resize(257, 414);
  previewTimer_.setSingleShot(true);
  previewTimer_.setInterval(0);
  connect(&previewTimer_, &QTimer::timeout, this, [this] { model_.runDuePreview(); });

  buildTextureFields();
  buildOperationList();
  buildParameterRows();
  buildStageCommands();
  refresh();
  subscription_ = session_.subscribe([this](Changes changes) {
    if (changes.any(TextureEditorModel::kShown)) refresh();
  });
}

TextureEditorWindow::~TextureEditorWindow() { session_.unsubscribe(subscription_); }

QPushButton* TextureEditorWindow::button(const char* caption, int x, int y, int width,
                                         std::function<void()> command) {
  auto* button = placed(new QPushButton(caption, this), x, y, width);
  button->setAccessibleName(caption);
  connect(button, &QPushButton::clicked, this, std::move(command));
  return button;
}

void TextureEditorWindow::buildTextureFields() {
  button("<", 4, 4, 22, [this] { model_.stepSlot(-1); });
  slot_ = placed(new QLineEdit(this), 28, 4, 36);
  slot_->setAccessibleName("slot");
  slot_->setValidator(new QIntValidator(0, kTextureSlotCount - 1, slot_));
  connect(slot_, &QLineEdit::textEdited, this,
          [this](const QString& typed) { model_.typeSlot(typed.toStdString()); });
  button(">", 66, 4, 22, [this] { model_.stepSlot(1); });

  name_ = placed(new QLineEdit(this), 92, 4, 161);
  name_->setAccessibleName("name");
  name_->setMaxLength(98);
  // A ";" would end the name early when the texture is read back.
  name_->setValidator(new QRegularExpressionValidator(QRegularExpression("[^;]*"), name_));
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& typed) { model_.setName(typed.toStdString()); });

  placed(new QLabel("Type", this), 4, 30, 32);
  type_ = placed(new QComboBox(this), 36, 30, 100);
  type_->setAccessibleName("Type");
  for (std::string_view type : TextureEditorModel::kTypes) type_->addItem(text(type));
  connect(type_, &QComboBox::activated, this, [this](int index) {
    if (!model_.setTypeIndex(index)) refreshTextureFields();
  });

  placed(new QLabel("Size", this), 142, 30, 28);
  size_ = placed(new QComboBox(this), 170, 30, 83);
  size_->setAccessibleName("Size");
  for (int size : kTextureSizes) size_->addItem(QString::number(size));
  // A size whose stages would not fit is refused: the box goes back to the size in use.
  connect(size_, &QComboBox::activated, this, [this](int index) {
    if (!model_.setSizeIndex(index)) refreshTextureFields();
  });
}

void TextureEditorWindow::buildOperationList() {
  tabs_ = placed(new QTabBar(this), 4, 56, 249, 24);
  tabs_->setAccessibleName("operation groups");
  tabs_->setExpanding(false);
  tabs_->setDrawBase(false);
  // Narrow tabs, so that the four groups fit the window side by side without scroll buttons.
  tabs_->setStyleSheet(
      "QTabBar::tab { padding: 3px 5px; margin-right: 1px; border: 1px solid palette(mid);"
      " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
      " background: palette(button); }"
      "QTabBar::tab:selected { background: palette(base); }");
  for (std::string_view tab : TextureEditorModel::kTabs) tabs_->addTab(text(tab));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) { model_.selectTab(tab); });

  operations_ = placed(new QListWidget(this), 4, 82, 128, 150);
  operations_->setAccessibleName("operations");
  for (const std::string& entry : TextureEditorModel::operationListTexts())
    operations_->addItem(QString::fromStdString(entry));
  connect(operations_, &QListWidget::currentRowChanged, this,
          [this](int row) { model_.selectOperation(row); });
  connect(operations_, &QListWidget::itemDoubleClicked, this,
          [this] { model_.commitByDoubleClick(); });

  function_ = placed(new QLabel("function", this), 4, 236, 128);
  function_->setAccessibleName("function");
}

void TextureEditorWindow::buildParameterRows() {
  for (int k = 0; k < kParamCount; ++k) {
    const int y = kParameterTop + k * kParameterHeight;
    const QString name = QString("p%1").arg(k + 1);
    ParameterRow& row = rows_[k];
    row.label = placed(new QLabel(this), 4, y, 74, kParameterHeight);
    row.slider = placed(new QSlider(Qt::Horizontal, this), 80, y, 96, kParameterHeight);
    row.slider->setRange(0, 255);
    row.slider->setAccessibleName(name);
    row.minus = placed(new QPushButton("-", this), 178, y, 18, kParameterHeight);
    row.plus = placed(new QPushButton("+", this), 198, y, 18, kParameterHeight);
    row.number = placed(new QLineEdit("0", this), 218, y, 35, kParameterHeight);
    row.number->setAccessibleName(name);
    row.number->setValidator(new QIntValidator(0, 255, row.number));
    for (QPushButton* step : {row.minus, row.plus}) {
      step->setAccessibleName(step->text());
      step->setAccessibleDescription(name);
    }

    connect(row.slider, &QSlider::valueChanged, this, [this, k](int value) {
      model_.setParameter(k, value);
      rows_[k].number->setText(QString::number(model_.parameterValue(k)));
      runPreviewSoon();
    });
    connect(row.minus, &QPushButton::clicked, this, [this, k] { model_.stepParameter(k, -1); });
    connect(row.plus, &QPushButton::clicked, this, [this, k] { model_.stepParameter(k, 1); });
    connect(row.number, &QLineEdit::textEdited, this,
            [this, k](const QString& typed) { model_.typeParameter(k, typed.toStdString()); });
  }
}

void TextureEditorWindow::buildStageCommands() {
  stages_ = placed(new QListWidget(this), 136, 82, 117, 102);
  stages_->setAccessibleName("stages");
  connect(stages_, &QListWidget::currentRowChanged, this,
          [this](int position) { model_.showStage(position); });
  connect(stages_, &QListWidget::itemClicked, this,
          [this] { model_.showStage(stages_->currentRow()); });
  connect(stages_, &QListWidget::itemDoubleClicked, this,
          [this] { model_.changeByDoubleClick(stages_->currentRow()); });

  button("OK", 136, 188, 57, [this] { model_.commit(); });
  change_ = button("Change", 196, 188, 57, [this] { model_.change(stages_->currentRow()); });
  insert_ = button("Insert", 136, 212, 57, [this] { model_.insert(stages_->currentRow()); });
  delete_ = button("Delete", 196, 212, 57, [this] { model_.remove(stages_->currentRow()); });
  clearAll_ = button("Clear All", 136, 236, 57, [this] {
    if (prompts_.confirm && prompts_.confirm("Attention!!!", "Clear texture?")) model_.clearAll();
  });
  button("defP", 196, 236, 57, [this] { model_.restoreDefaults(); });
  prerender_ = button("prerender", 4, 260, 128, [this] { model_.prerender(); });
  QPushButton* timing = button("T", 136, 260, 22, [this] {
    const std::string elapsed = model_.timingTest(clock_);
    if (prompts_.message) prompts_.message("timetest", elapsed);
  });
  timing->hide();
}

void TextureEditorWindow::runPreviewSoon() {
  if (model_.previewDue()) previewTimer_.start();
}

void TextureEditorWindow::refresh() {
  refreshTextureFields();
  refreshOperation();
  refreshStageList();
  change_->setEnabled(model_.listEditsEnabled());
  insert_->setEnabled(model_.listEditsEnabled());
  delete_->setEnabled(model_.listEditsEnabled());
  clearAll_->setEnabled(model_.listEditsEnabled());
  prerender_->setVisible(model_.prerenderShown());
}

void TextureEditorWindow::refreshTextureFields() {
  const QSignalBlocker slotBlocker(slot_), nameBlocker(name_), typeBlocker(type_),
      sizeBlocker(size_);
  const QString slot = QString::fromStdString(model_.slotText());
  if (slot_->text() != slot) slot_->setText(slot);
  const QString name = QString::fromStdString(model_.name());
  if (name_->text() != name) name_->setText(name);
  type_->setCurrentIndex(model_.typeIndex());
  size_->setCurrentIndex(model_.sizeIndex());
}

void TextureEditorWindow::refreshOperation() {
  const int selected = model_.selectedOperation();
  {
    const QSignalBlocker listBlocker(operations_), tabBlocker(tabs_);
    operations_->setCurrentRow(selected);
    tabs_->setCurrentIndex(TextureEditorModel::tabOfRow(selected));
  }
  // A group header shows where its group starts: at the top of the list.
  if (QListWidgetItem* item = operations_->item(selected))
    operations_->scrollToItem(item, isGroupHeader(selected) ? QAbstractItemView::PositionAtTop
                                                            : QAbstractItemView::EnsureVisible);
  function_->setText(QString::fromStdString(model_.functionCaption()));

  for (int k = 0; k < kParamCount; ++k) {
    ParameterRow& row = rows_[k];
    const bool shown = k < model_.parameterRowCount();
    for (QWidget* control : {static_cast<QWidget*>(row.label), static_cast<QWidget*>(row.slider),
                             static_cast<QWidget*>(row.minus), static_cast<QWidget*>(row.plus),
                             static_cast<QWidget*>(row.number)})
      control->setVisible(shown);
    if (!shown) continue;
    const QString label = text(model_.parameterLabel(k));
    row.label->setText(label);
    row.label->setAccessibleName(label);
    row.slider->setAccessibleDescription(label);
    row.number->setAccessibleDescription(label);
    const QSignalBlocker sliderBlocker(row.slider), numberBlocker(row.number);
    row.slider->setValue(model_.parameterValue(k));
    const QString value = QString::number(model_.parameterValue(k));
    if (row.number->text() != value) row.number->setText(value);
  }
}

void TextureEditorWindow::refreshStageList() {
  const QSignalBlocker blocker(stages_);
  const std::vector<std::string> entries = model_.stageListTexts();
  bool same = static_cast<std::size_t>(stages_->count()) == entries.size();
  for (int k = 0; same && k < stages_->count(); ++k)
    same = stages_->item(k)->text().toStdString() == entries[k];
  // Rebuilt after an edit, nothing stays selected: the positions now name other stages.
  if (!same) {
    stages_->clear();
    for (const std::string& entry : entries) stages_->addItem(QString::fromStdString(entry));
  }
  if (model_.changedStagePosition() >= 0) stages_->setCurrentRow(model_.changedStagePosition());
}

}  // namespace tess
