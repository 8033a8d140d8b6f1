#include "ui/material_editor_window.hpp"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "editor/editor_session.hpp"
#include "editor/texture_picker_names.hpp"
#include "ui/colour_swatch.hpp"
#include "ui/refilling_combo_box.hpp"

namespace tess {
namespace {

constexpr const char* kChannelNames[] = {"red", "green", "blue"};

QColor qColour(ColourBytes bytes) {
  return QColor(bytes.red, bytes.green, bytes.blue);
}

void showValue(QSlider* slider, int value) {
  const QSignalBlocker blocker(slider);
  slider->setValue(value);
}

void showSelection(QComboBox* box, int index) {
  const QSignalBlocker blocker(box);
  box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

QPushButton* smallButton(const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setAccessibleName(caption);
  button->setFixedWidth(button->fontMetrics().horizontalAdvance("<<") + 12);
  return button;
}

// A captioned box and the grid its controls go in.
std::pair<QGroupBox*, QGridLayout*> captionedBox(const QString& caption) {
  auto* box = new QGroupBox(caption);
  box->setAccessibleName(caption);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(4, 2, 4, 4);
  grid->setSpacing(2);
  return {box, grid};
}

}  // namespace

std::optional<QColor> chooseColourWithDialog(const QColor& start, QWidget* parent) {
  // The dialog's custom colours are shared by every use in the process.
  const QColor chosen = QColorDialog::getColor(start, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

MaterialEditorWindow::MaterialEditorWindow(EditorSession& session, ColourChooser chooseColour,
                                           QWidget* parent)
    : ToolWindowContent(parent),
      session_(session),
      model_(session),
      chooseColour_(std::move(chooseColour)) {
  setAccessibleName("Material editor");
  panel_ = new QWidget(this);
  auto* layout = new QVBoxLayout(panel_);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(3);
  layout->addWidget(buildHeader());
  layout->addLayout(buildColourRows());
  auto* boxes = new QHBoxLayout;
  // The texture pickers need the room more than the map.
  boxes->addWidget(buildMultitexturing(), 3);
  auto* right = new QVBoxLayout;
  right->addWidget(buildVertexDisplace());
  auto* reset = new QPushButton("reset all params");
  reset->setAccessibleName("reset all params");
  connect(reset, &QPushButton::clicked, this, [this] { model_.resetAllParams(); });
  right->addWidget(reset);
  boxes->addLayout(right, 2);
  layout->addLayout(boxes);
  layout->addStretch(1);

  subscription_ = session_.subscribe([this](Changes changes) {
    if (changes.any(MaterialEditorModel::kShown)) refresh();
  });
  refresh();
}

MaterialEditorWindow::~MaterialEditorWindow() {
  session_.unsubscribe(subscription_);
}

QSize MaterialEditorWindow::sizeHint() const {
  return panel_->sizeHint();
}

void MaterialEditorWindow::resizeEvent(QResizeEvent*) {
  // A collapsed window shows the top of the controls at their size instead of squeezing them.
  const QSize least = panel_->minimumSizeHint();
  panel_->setGeometry(0, 0, std::max(width(), least.width()), std::max(height(), least.height()));
}

QWidget* MaterialEditorWindow::buildHeader() {
  auto* header = new QWidget;
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(3);
  row->addWidget(new QLabel("№"));
  number_ = new QLabel;
  number_->setAccessibleName("№");
  number_->setMinimumWidth(number_->fontMetrics().horizontalAdvance("000") + 4);
  row->addWidget(number_);
  QPushButton* previous = smallButton("<");
  QPushButton* next = smallButton(">");
  connect(previous, &QPushButton::clicked, this, [this] { model_.previous(); });
  connect(next, &QPushButton::clicked, this, [this] { model_.next(); });
  row->addWidget(previous);
  row->addWidget(next);
  name_ = new QLineEdit;
  name_->setAccessibleName("name");
  name_->setMaxLength(static_cast<int>(kMaterialNameMax));
  // textEdited comes from the user only, never from refresh.
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.setName(text.toStdString()); });
  row->addWidget(name_, 1);
  return header;
}

QSlider* MaterialEditorWindow::addSlider(const QString& name, std::function<void(int)> moved) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(0, MaterialEditorModel::kSliderMax);
  slider->setPageStep(16);
  slider->setAccessibleName(name);
  slider->setMinimumWidth(30);
  connect(slider, &QSlider::valueChanged, this, std::move(moved));
  return slider;
}

QGridLayout* MaterialEditorWindow::buildColourRows() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(1);
  for (LightingColour colour : kLightingColours) {
    const int row = static_cast<int>(colour);
    const QString name = lightingColourName(colour);
    grid->addWidget(new QLabel(name), row, 0);
    for (int channel = 0; channel < 3; ++channel) {
      QSlider* slider = addSlider(
          name + " " + kChannelNames[channel],
          [this, colour, channel](int value) { model_.setColourSlider(colour, channel, value); });
      colourSliders_[row][channel] = slider;
      grid->addWidget(slider, row, 1 + channel);
    }
    auto* swatch = new ColourSwatch;
    swatch->setAccessibleName(name + " colour");
    swatch->setToolTip("click to select color");
    connect(swatch, &ColourSwatch::clicked, this, [this, colour] { chooseSwatchColour(colour); });
    swatches_[row] = swatch;
    grid->addWidget(swatch, row, 4);
  }
  grid->addWidget(new QLabel("specular power"), 3, 0, 1, 2);
  power_ = addSlider("specular power", [this](int value) { model_.setPowerSlider(value); });
  grid->addWidget(power_, 3, 2, 1, 2);
  return grid;
}

RefillingComboBox* MaterialEditorWindow::addTexturePicker(const QString& name,
                                                          std::function<void(int)> chosen) {
  auto* picker = new RefillingComboBox([this] { return texturePickerNames(session_.textures()); });
  picker->setAccessibleName(name);
  connect(picker, &QComboBox::activated, this, std::move(chosen));
  return picker;
}

QWidget* MaterialEditorWindow::buildMultitexturing() {
  auto [box, grid] = captionedBox("multitexturing");
  grid->addWidget(new QLabel("st. blending/texture"), 0, 0, 1, 3);
  for (int stage = 1; stage <= 2; ++stage) {
    const QString prefix = QString("stage %1 ").arg(stage);
    auto* blending = new QComboBox;
    blending->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    blending->setMinimumContentsLength(2);
    for (const char* entry : kStageBlendingNames) blending->addItem(entry);
    blending->setAccessibleName(prefix + "blending");
    if (stage == 1) blending->setToolTip("multitexturing type");
    connect(blending, &QComboBox::activated, this,
            [this, stage](int code) { model_.setStageBlend(stage, code); });
    stageBlends_[stage - 1] = blending;
    RefillingComboBox* texture = addTexturePicker(
        prefix + "texture", [this, stage](int slot) { model_.setStageTexture(stage, slot); });
    stageTextures_[stage - 1] = texture;
    grid->addWidget(new QLabel(QString::number(stage)), stage, 0);
    grid->addWidget(blending, stage, 1);
    grid->addWidget(texture, stage, 2);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  return box;
}

QWidget* MaterialEditorWindow::buildVertexDisplace() {
  auto [box, grid] = captionedBox("vertex-displace");
  map_ = addTexturePicker("map", [this](int slot) { model_.setDisplaceMap(slot); });
  depth_ = addSlider("depth", [this](int value) { model_.setDepthSlider(value); });
  depth_->setToolTip("landscape depth for landcape-objects");
  grid->addWidget(new QLabel("map"), 0, 0);
  grid->addWidget(map_, 0, 1);
  grid->addWidget(new QLabel("depth"), 1, 0);
  grid->addWidget(depth_, 1, 1);
  return box;
}

void MaterialEditorWindow::chooseSwatchColour(LightingColour colour) {
  const std::optional<QColor> chosen = chooseColour_(qColour(model_.swatch(colour)), this);
  if (!chosen) return;
  model_.pickColour(
      colour, {static_cast<std::uint8_t>(chosen->red()), static_cast<std::uint8_t>(chosen->green()),
               static_cast<std::uint8_t>(chosen->blue())});
}

void MaterialEditorWindow::refresh() {
  number_->setText(QString::number(model_.number()));
  const QString name = QString::fromStdString(model_.material().name);
  if (name_->text() != name) {
    const QSignalBlocker blocker(name_);
    name_->setText(name);
  }
  for (LightingColour colour : kLightingColours) {
    const int row = static_cast<int>(colour);
    for (int channel = 0; channel < 3; ++channel)
      showValue(colourSliders_[row][channel], model_.colourSlider(colour, channel));
    swatches_[row]->setColour(qColour(model_.swatch(colour)));
  }
  showValue(power_, model_.powerSlider());
  showValue(depth_, model_.depthSlider());
  for (int stage = 1; stage <= 2; ++stage) {
    showSelection(stageBlends_[stage - 1], model_.stageBlend(stage));
    stageTextures_[stage - 1]->refill();
    showSelection(stageTextures_[stage - 1], model_.stageTexture(stage));
  }
  map_->refill();
  showSelection(map_, model_.material().displaceMap);
}

}  // namespace tess
