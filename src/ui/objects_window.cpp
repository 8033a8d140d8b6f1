#include "ui/objects_window.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <functional>

#include "editor/editor_session.hpp"
#include "editor/typed_number.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

constexpr int kNumberWidth = 42;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

// A picker that lists the current names each time it opens.
class RefillingComboBox : public QComboBox {
 public:
  std::function<void()> beforePopup;

  void showPopup() override {
    if (beforePopup) beforePopup();
    QComboBox::showPopup();
  }
};

template <typename Box = QComboBox>
Box* picker(const QString& name) {
  auto* box = new Box;
  box->setAccessibleName(name);
  box->setMaxVisibleItems(20);
  // Long names must not widen the window: the list opens wide enough instead.
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(6);
  return box;
}

QPushButton* button(const QString& caption) {
  auto* b = new QPushButton(caption);
  b->setAccessibleName(caption);
  b->setAutoDefault(false);
  // As narrow as the caption allows, so that the window fits its scheme width.
  b->setMinimumWidth(b->fontMetrics().horizontalAdvance(caption) + 10);
  return b;
}

QLineEdit* numberEdit(const QString& field) {
  auto* edit = new QLineEdit;
  edit->setAccessibleName(field);
  edit->setFixedWidth(kNumberWidth);
  return edit;
}

QSlider* sizeSlider(int maximum) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(0, maximum);
  slider->setAccessibleName("size");
  return slider;
}

// A layout with the small spacing of this crowded window; margin 4 inside group boxes.
template <typename Layout>
Layout* tight(QWidget* owner = nullptr, int margin = 0) {
  auto* layout = new Layout(owner);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(3);
  return layout;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
  auto* line = tight<QHBoxLayout>();
  for (QWidget* widget : widgets) line->addWidget(widget);
  line->addStretch();
  return line;
}

// Writes value unless the edit already reads it, so that what the user is typing ("+5", "012")
// stays as typed once it has been applied.
void showNumber(QLineEdit* edit, int value) {
  if (parseTypedNumber(edit->text().toStdString()) != value) edit->setText(QString::number(value));
}

// Replaces the entries when they changed, keeping the selection.
void fill(QComboBox* box, const std::vector<std::string>& entries) {
  bool same = box->count() == static_cast<int>(entries.size());
  for (int i = 0; same && i < box->count(); ++i) same = box->itemText(i) == text(entries[i]);
  if (same) return;
  const QSignalBlocker quiet(box);
  const int selected = box->currentIndex();
  box->clear();
  for (const std::string& entry : entries) box->addItem(text(entry));
  box->setCurrentIndex(selected);
}

template <std::size_t N>
void fill(QComboBox* box, const std::array<std::string_view, N>& names) {
  for (std::string_view name : names) box->addItem(text(name));
}

}  // namespace

ObjectsWindow::ObjectsWindow(EditorSession& session, QWidget* parent)
    : ToolWindowContent(parent), session_(session), model_(session) {
  setWindowTitle("Objects");
  setAccessibleName("Objects");
  build();
  // The main window's session is gone before the windows inside it are deleted, so the
  // subscription is never withdrawn: it checks that this window still exists instead.
  session_.subscribe([self = QPointer<ObjectsWindow>(this)](Changes changes) {
    if (self && changes.any(ObjectsModel::kShown)) self->refresh();
  });
  refresh();
}

void ObjectsWindow::build() {
  auto* fields = new QWidget;
  auto* column = tight<QVBoxLayout>(fields, 3);
  for (QWidget* part : {buildObjectRows(), buildSizeBox(), buildLookRows(), buildCloneBox(),
                        buildGroupBox()})
    column->addWidget(part);
  column->addStretch();

  // The fields scroll when the window is smaller than they are (a collapsed window); the object
  // list beside them always takes the window's height.
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(fields);
  auto* whole = tight<QHBoxLayout>(this);
  whole->addWidget(scroll, 2);
  whole->addWidget(buildListColumn(), 1);
}

QWidget* ObjectsWindow::buildObjectRows() {
  auto* box = new QWidget;
  auto* rows = tight<QVBoxLayout>(box);

  number_ = new QLabel;
  number_->setAccessibleName("№");
  number_->setMinimumWidth(24);
  QPushButton* previous = button("<");
  QPushButton* next = button(">");
  QPushButton* first = button("|<");
  QPushButton* last = button(">|");
  for (QPushButton* b : {previous, next, first, last}) b->setMaximumWidth(30);
  connect(previous, &QPushButton::clicked, this, [this] { model_.previous(); });
  connect(next, &QPushButton::clicked, this, [this] { model_.next(); });
  connect(first, &QPushButton::clicked, this, [this] { model_.first(); });
  connect(last, &QPushButton::clicked, this, [this] { model_.last(); });
  type_ = picker("type");
  fill(type_, kObjectTypeNames);
  connect(type_, &QComboBox::activated, this, [this](int type) { model_.chooseType(type); });
  rows->addLayout(row({new QLabel("№"), number_, previous, next, first, last}));
  rows->addWidget(type_);

  QPushButton* create = button("Create");
  QPushButton* copy = button("Copy");
  QPushButton* remove = button("Delete");
  connect(create, &QPushButton::clicked, this, [this] { model_.create(); });
  connect(copy, &QPushButton::clicked, this, [this] { model_.copy(); });
  connect(remove, &QPushButton::clicked, this, [this] { model_.remove(); });

  posX_ = numberEdit("posX");
  posY_ = numberEdit("posY");
  posZ_ = numberEdit("posZ");
  for (QLineEdit* edit : {posX_, posY_, posZ_})
    connect(edit, &QLineEdit::textEdited, this, [this] { typePlacement(); });
  rows->addLayout(row({create, copy, remove}));
  rows->addLayout(row({new QLabel("x"), posX_, new QLabel("y"), posY_, new QLabel("z"), posZ_}));
  objectControls_.insert(objectControls_.end(), {type_, copy, remove, posX_, posY_, posZ_});
  return box;
}

QWidget* ObjectsWindow::buildSizeBox() {
  auto* box = new QGroupBox("size:");
  auto* rows = tight<QVBoxLayout>(box, 4);
  auto* axes = tight<QHBoxLayout>();
  for (int axis = 0; axis < 4; ++axis) {
    QPushButton* b = button(text(sizeAxisCaption(axis, -1)));
    b->setMinimumWidth(b->fontMetrics().horizontalAdvance(text(sizeAxisCaption(axis, axis))) + 10);
    b->setCheckable(true);
    connect(b, &QPushButton::clicked, this, [this, axis] {
      model_.chooseSizeAxis(axis);
      refreshSize();
    });
    axes->addWidget(b);
    axisButtons_.push_back(b);
  }
  axes->addStretch();
  rows->addLayout(axes);

  sizeHigh_ = sizeSlider(ObjectsModel::kSliderHighMax);
  sizeLow_ = sizeSlider(ObjectsModel::kSliderLowMax);
  sizeHigh_->setToolTip("size / 256");
  sizeLow_->setToolTip("size % 256");
  for (QSlider* slider : {sizeHigh_, sizeLow_})
    connect(slider, &QSlider::valueChanged, this,
            [this] { model_.moveSizeSliders(sizeHigh_->value(), sizeLow_->value()); });
  size_ = numberEdit("size");
  connect(size_, &QLineEdit::textEdited, this,
          [this](const QString& typed) { model_.typeSize(typed.toStdString()); });
  rows->addWidget(sizeHigh_);
  rows->addWidget(sizeLow_);
  rows->addWidget(size_);
  objectControls_.push_back(box);
  return box;
}

QWidget* ObjectsWindow::buildLookRows() {
  auto* box = new QWidget;
  auto* grid = tight<QGridLayout>(box);

  normal_ = button("normal");  // shows the normal mode's caption
  connect(normal_, &QPushButton::clicked, this, [this] { model_.cycleNormalMode(); });
  grid->addWidget(normal_, 0, 0, 1, 4);

  segU_ = numberEdit("segU");
  segV_ = numberEdit("segV");
  mosaic1_ = numberEdit("mosaic1");
  mosaic2_ = numberEdit("mosaic2");
  mosaic1_->setToolTip("texture repeats");
  mosaic2_->setToolTip("texture repeats");
  for (QLineEdit* edit : {segU_, segV_, mosaic1_, mosaic2_})
    connect(edit, &QLineEdit::textEdited, this, [this] { typePlacement(); });
  grid->setColumnStretch(3, 1);
  grid->addWidget(new QLabel("grid"), 1, 0);
  grid->addWidget(segU_, 1, 1);
  grid->addWidget(segV_, 1, 2);
  grid->addWidget(new QLabel("Mosaic"), 2, 0);
  grid->addWidget(mosaic1_, 2, 1);
  grid->addWidget(mosaic2_, 2, 2);

  blend_ = picker("blend");
  fill(blend_, kBlendModeNames);
  blend_->setToolTip("how the object mixes with what lies behind it");
  connect(blend_, &QComboBox::activated, this, [this](int blend) { model_.chooseBlend(blend); });
  grid->addWidget(new QLabel("blend:"), 3, 0);
  grid->addWidget(blend_, 3, 1, 1, 3);

  // The texture and material pickers list the current names each time they open.
  auto* textures = picker<RefillingComboBox>("texture");
  textures->beforePopup = [this, textures] { fill(textures, model_.textureEntries()); };
  connect(textures, &QComboBox::activated, this, [this](int slot) { model_.chooseTexture(slot); });
  auto* materials = picker<RefillingComboBox>("material");
  materials->beforePopup = [this, materials] { fill(materials, model_.materialEntries()); };
  connect(materials, &QComboBox::activated, this,
          [this](int slot) { model_.chooseMaterial(slot); });
  texture_ = textures;
  material_ = materials;
  int line = 4;
  for (auto [caption, pickerBox] : {std::pair{"texure", texture_}, std::pair{"material", material_}}) {
    auto* group = new QGroupBox(caption);
    tight<QVBoxLayout>(group, 4)->addWidget(pickerBox);
    grid->addWidget(group, line++, 0, 1, 4);
  }
  objectControls_.push_back(box);
  return box;
}

QWidget* ObjectsWindow::buildCloneBox() {
  auto* box = new QGroupBox("clones");
  auto* grid = tight<QGridLayout>(box, 4);
  cloneType_ = picker("clone type");
  fill(cloneType_, kCloneTypeNames);
  connect(cloneType_, &QComboBox::activated, this,
          [this](int type) { model_.chooseCloneType(type); });
  grid->setColumnStretch(4, 1);
  grid->addWidget(new QLabel("type"), 0, 0);
  grid->addWidget(cloneType_, 0, 1, 1, 4);

  cloneCount_ = numberEdit("cloneCount");
  cloneCoeff1_ = numberEdit("cloneCoeff1");
  cloneCoeff2_ = numberEdit("cloneCoeff2");
  for (QLineEdit* edit : {cloneCount_, cloneCoeff1_, cloneCoeff2_})
    connect(edit, &QLineEdit::textEdited, this, [this] { typeClones(); });
  QPushButton* fewer = button("–");
  QPushButton* more = button("+");
  connect(fewer, &QPushButton::clicked, this, [this] { model_.lowerCloneCount(); });
  connect(more, &QPushButton::clicked, this, [this] { model_.raiseCloneCount(); });
  grid->addWidget(new QLabel("count"), 1, 0);
  grid->addWidget(cloneCount_, 1, 1);
  grid->addWidget(fewer, 1, 2);
  grid->addWidget(more, 1, 3);
  grid->addWidget(new QLabel("coeffs"), 2, 0);
  grid->addWidget(cloneCoeff1_, 2, 1);
  grid->addWidget(cloneCoeff2_, 2, 2, 1, 2);
  objectControls_.push_back(box);
  return box;
}

QWidget* ObjectsWindow::buildGroupBox() {
  auto* box = new QGroupBox("groups");
  auto* grid = tight<QGridLayout>(box, 4);
  QPushButton* setControl = button("Set ctrl obj");
  resetControl_ = button("Reset ctrl obj");
  local_ = button("locCS");
  global_ = button("glCS");
  connect(setControl, &QPushButton::clicked, this, [this] { model_.armControlPick(); });
  connect(resetControl_, &QPushButton::clicked, this, [this] { model_.resetControlObject(); });
  connect(local_, &QPushButton::clicked, this, [this] { model_.toLocalCoordinates(); });
  connect(global_, &QPushButton::clicked, this, [this] { model_.toGlobalCoordinates(); });
  grid->addWidget(setControl, 0, 0, 1, 2);
  grid->addWidget(resetControl_, 1, 0, 1, 2);
  grid->addWidget(local_, 2, 0);
  grid->addWidget(global_, 2, 1);
  // Hiding "Reset ctrl obj" leaves the others where they are.
  QSizePolicy keepPlace = resetControl_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  resetControl_->setSizePolicy(keepPlace);
  objectControls_.push_back(box);
  return box;
}

QWidget* ObjectsWindow::buildListColumn() {
  auto* box = new QWidget;
  auto* rows = tight<QVBoxLayout>(box, 3);
  list_ = new QListWidget;
  list_->setAccessibleName("objects list/log:");
  list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance("254:landscape"));
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long names end in "…"
  connect(list_, &QListWidget::currentRowChanged, this, [this](int line) {
    if (line >= 0) model_.selectLine(line);
  });
  QPushButton* up = button("up");
  QPushButton* down = button("down");
  connect(up, &QPushButton::clicked, this, [this] { model_.moveUp(); });
  connect(down, &QPushButton::clicked, this, [this] { model_.moveDown(); });
  rows->addWidget(new QLabel("objects list/log:"));
  rows->addWidget(list_, 1);
  rows->addLayout(row({up, down}));
  objectControls_.insert(objectControls_.end(), {up, down});
  return box;
}

void ObjectsWindow::refresh() {
  const bool hasObject = model_.hasObject();
  for (QWidget* control : objectControls_) control->setEnabled(hasObject);
  const SceneObject& o = model_.object();
  number_->setText(QString::number(model_.objectNumber()));
  type_->setCurrentIndex(o.type < type_->count() ? o.type : -1);
  refreshPosition();
  refreshSize();
  normal_->setText(text(model_.normalCaption()));
  showNumber(segU_, o.segU);
  showNumber(segV_, o.segV);
  showNumber(mosaic1_, o.mosaic1);
  showNumber(mosaic2_, o.mosaic2);
  blend_->setCurrentIndex(o.blend < blend_->count() ? o.blend : -1);
  fill(texture_, model_.textureEntries());
  texture_->setCurrentIndex(o.texture < texture_->count() ? o.texture : -1);
  fill(material_, model_.materialEntries());
  material_->setCurrentIndex(o.material < material_->count() ? o.material : -1);
  local_->setText(text(model_.localCaption()));
  global_->setText(text(model_.globalCaption()));
  resetControl_->setVisible(model_.resetControlVisible());
  refreshClones();

  const std::vector<std::string> lines = model_.objectLines();
  const QSignalBlocker quiet(list_);
  bool same = list_->count() == static_cast<int>(lines.size());
  for (int i = 0; same && i < list_->count(); ++i) same = list_->item(i)->text() == text(lines[i]);
  if (!same) {
    list_->clear();
    for (const std::string& line : lines) list_->addItem(text(line));
  }
  list_->setCurrentRow(model_.selectedLine());
}

void ObjectsWindow::refreshClones() {
  const CloneSettings& clone = model_.clone();
  cloneType_->setCurrentIndex(clone.cloneType < cloneType_->count() ? clone.cloneType : -1);
  showNumber(cloneCount_, clone.cloneCount);
  showNumber(cloneCoeff1_, clone.cloneCoeff1);
  showNumber(cloneCoeff2_, clone.cloneCoeff2);
}

void ObjectsWindow::refreshPosition() {
  const SceneObject& o = model_.object();
  showNumber(posX_, o.posX);
  showNumber(posY_, o.posY);
  showNumber(posZ_, o.posZ);
}

void ObjectsWindow::refreshSize() {
  const int axis = model_.sizeAxis();
  for (int k = 0; k < static_cast<int>(axisButtons_.size()); ++k) {
    axisButtons_[k]->setText(text(sizeAxisCaption(k, axis)));
    axisButtons_[k]->setChecked(k == axis);
  }
  const QSignalBlocker quietHigh(sizeHigh_), quietLow(sizeLow_);
  sizeHigh_->setValue(model_.sliderHigh());
  sizeLow_->setValue(model_.sliderLow());
  showNumber(size_, model_.shownSize());
}

void ObjectsWindow::typePlacement() {
  const std::string texts[] = {segU_->text().toStdString(),    segV_->text().toStdString(),
                               mosaic1_->text().toStdString(), mosaic2_->text().toStdString(),
                               posX_->text().toStdString(),    posY_->text().toStdString(),
                               posZ_->text().toStdString()};
  model_.typePlacement({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]});
}

void ObjectsWindow::typeClones() {
  model_.typeClones(cloneCount_->text().toStdString(), cloneCoeff1_->text().toStdString(),
                    cloneCoeff2_->text().toStdString());
}

}  // namespace tess
