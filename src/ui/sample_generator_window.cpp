#include "ui/sample_generator_window.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include "audio/sample_operation_table.hpp"
#include "editor/editor_session.hpp"
#include "editor/waveform_picture.hpp"
#include "ui/waveform_view.hpp"

namespace tess {

namespace {

// Positions and sizes in dialog units: a quarter of the font's average character width across
// and an eighth of its height down, so the arrangement keeps its proportions with any font.
class DialogUnits {
 public:
  explicit DialogUnits(const QFontMetrics& metrics)
      : x_(metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") /
           52.0 / 4),
        y_(metrics.height() / 8.0) {}

  QRect rect(int x, int y, int width, int height) const {
    return {qRound(x * x_), qRound(y * y_), qRound(width * x_), qRound(height * y_)};
  }

 private:
  double x_, y_;
};

// The rows of the parameter table, in dialog units from the top.
constexpr int kRowTops[kSampleParamCount] = {115, 132, 149, 167, 184, 201, 218};

// The selected row of a single-selection list, -1 for none.
int selectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

void showSelected(QListWidget* list, int row) {
  const QSignalBlocker blocker(list);
  if (row < 0) {
    list->clearSelection();
    return;
  }
  list->setCurrentRow(row);
  list->scrollToItem(list->currentItem());
}

// The controls of a parameter row besides its label.
template <typename Row>
std::array<QWidget*, 4> rowControls(const Row& row) {
  return {row.slider, row.plus, row.minus, row.edit};
}

QSlider* horizontalSlider(const QString& name, int maximum) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(0, maximum);
  slider->setAccessibleName(name);
  return slider;
}

}  // namespace

SampleGeneratorWindow::SampleGeneratorWindow(EditorSession& session, SampleWindowDialogs dialogs,
                                             QWidget* parent)
    : ToolWindowContent(parent), session_(session), model_(session), dialogs_(std::move(dialogs)) {
  if (!dialogs_.chooseFile) dialogs_ = qtSampleWindowDialogs(this);
  setWindowTitle("Sample generator [BETA!]");
  setMouseTracking(true);
  buildControls();
  subscription_ = session_.subscribe([this](Changes changes) {
    if (changes.any(SampleGeneratorModel::kShown)) refresh();
  });
  refresh();
}

SampleGeneratorWindow::~SampleGeneratorWindow() {
  session_.unsubscribe(subscription_);
}

void SampleGeneratorWindow::buildControls() {
  const DialogUnits units(fontMetrics());
  auto place = [&](QWidget* control, int x, int y, int width, int height) {
    control->setParent(this);
    control->setGeometry(units.rect(x, y, width, height));
  };
  auto staticText = [&](const QString& text, int x, int y, int width, int height) {
    auto* label = new QLabel(text);
    place(label, x, y, width, height);
    return label;
  };
  auto button = [&](const QString& caption, int x, int y, int width, int height, auto action) {
    auto* pushButton = new QPushButton;
    // Tall buttons carry their caption a word a line.
    pushButton->setText(height > 20 ? QString(caption).replace(' ', '\n') : caption);
    pushButton->setAccessibleName(caption);
    place(pushButton, x, y, width, height);
    connect(pushButton, &QPushButton::clicked, this, action);
    return pushButton;
  };
  auto smallButton = [&](const QString& caption, int x, int y, int width, int height, auto action) {
    auto* toolButton = new QToolButton;
    toolButton->setText(caption);
    toolButton->setAccessibleName(caption);
    place(toolButton, x, y, width, height);
    connect(toolButton, &QToolButton::clicked, this, action);
    return toolButton;
  };

  staticText("Sample \u2116", 4, 4, 38, 8);
  smallButton("<", 1, 16, 11, 12, [this] { model_.previousSample(); });
  sampleNumber_ = new QLineEdit;
  sampleNumber_->setReadOnly(true);
  sampleNumber_->setAlignment(Qt::AlignCenter);
  sampleNumber_->setAccessibleName("Sample \u2116");
  place(sampleNumber_, 12, 16, 16, 12);
  smallButton(">", 28, 16, 11, 12, [this] { model_.nextSample(); });

  struct FileButton {
    SampleFileCommand command;
    int x, y, width, height;
  };
  for (const FileButton& file : {FileButton{SampleFileCommand::SaveWave, 42, 1, 26, 27},
                                 FileButton{SampleFileCommand::LoadSample, 69, 1, 29, 27},
                                 FileButton{SampleFileCommand::SaveSample, 99, 1, 29, 27},
                                 FileButton{SampleFileCommand::LoadSamplePack, 129, 1, 30, 27},
                                 FileButton{SampleFileCommand::SaveSamplePack, 160, 1, 29, 27},
                                 FileButton{SampleFileCommand::SaveLog, 142, 101, 46, 12}}) {
    const auto caption = SampleGeneratorModel::fileRequest(file.command, 0).caption;
    button(QString::fromStdString(caption), file.x, file.y, file.width, file.height,
           [this, command = file.command] {
             report(model_.runFileCommand(command, dialogs_.chooseFile));
           });
  }

  staticText("scroll", 1, 31, 19, 10);
  scroll_ = horizontalSlider("scroll", kScrollSliderMaximum);
  place(scroll_, 21, 32, 101, 10);
  staticText("zoom", 125, 31, 18, 10);
  zoom_ = horizontalSlider("zoom", kZoomSliderMaximum);
  place(zoom_, 145, 32, 44, 10);
  view_ = new WaveformView(model_);
  place(view_, 0, 44, 189, 56);
  connect(scroll_, &QSlider::valueChanged, this, [this](int position) {
    model_.setScrollPosition(position);
    view_->update();
  });
  connect(zoom_, &QSlider::valueChanged, this, [this](int position) {
    model_.setZoomPosition(position);
    view_->update();
  });

  operations_ = new QListWidget;
  operations_->setAccessibleName("operations");
  for (const SampleOpInfo& info : sampleOperations())
    operations_->addItem(QString::fromUtf8(info.name.data(), int(info.name.size())));
  place(operations_, 0, 103, 57, 133);
  connect(operations_, &QListWidget::itemSelectionChanged, this, [this] {
    if (const int op = selectedRow(operations_); op >= 0) model_.pickOperation(op);
    // Without a current command the pick changes nothing, and the list shows no operation.
    if (model_.selectedEntry() < 0) showSelected(operations_, -1);
  });
  connect(operations_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { model_.insertOperation(operations_->row(item)); });

  operationName_ = staticText({}, 62, 103, 76, 8);
  operationName_->setAccessibleName("fname");
  for (int j = 0; j < kSampleParamCount; ++j) buildRow(j);

  button("Add", 0, 238, 37, 27, [this] { model_.add(); });
  button("Play", 39, 238, 18, 54, [this] { report(model_.play()); });
  button("up", 0, 266, 37, 13, [this] { model_.moveUp(selectedRow(commands_)); });
  button("down", 0, 280, 37, 12, [this] { model_.moveDown(selectedRow(commands_)); });
  button("Del", 0, 296, 58, 13, [this] { model_.remove(selectedRow(commands_)); });
  commands_ = new QListWidget;
  commands_->setAccessibleName("commands");
  place(commands_, 59, 238, 129, 72);
  connect(commands_, &QListWidget::itemSelectionChanged, this, [this] {
    if (const int entry = selectedRow(commands_); entry >= 0) model_.selectEntry(entry);
  });

  status_ = staticText({}, 1, 311, 188, 10);
  status_->setAccessibleName("status");
  setMinimumSize(units.rect(0, 0, 190, 322).size());
}

void SampleGeneratorWindow::buildRow(int j) {
  const DialogUnits units(fontMetrics());
  const int y = kRowTops[j];
  const QString name = "p" + QString::number(j + 1);
  Row& row = rows_[j];
  row.label = new QLabel(this);
  row.label->setGeometry(units.rect(62, j == 0 ? y - 1 : y, 75, 9));
  row.slider = horizontalSlider(name, 0);
  row.slider->setParent(this);
  row.slider->setGeometry(units.rect(59, y + 8, 82, 9));
  row.edit = new QLineEdit(this);
  row.edit->setAccessibleName(name);
  row.edit->setGeometry(j == kSampleParamCount - 1 ? units.rect(142, y, 25, 13)
                                                   : units.rect(141, y, 26, 13));
  auto stepButton = [&](const QString& caption, int x, int step) {
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setAccessibleName(name + " " + caption);
    button->setAutoRepeat(true);
    button->setGeometry(units.rect(x, y, 10, 14));
    connect(button, &QToolButton::clicked, this,
            [this, j, step] { model_.stepParameter(j, step); });
    return button;
  };
  row.minus = stepButton("-", 167, -1);
  row.plus = stepButton("+", 178, 1);
  connect(row.slider, &QSlider::valueChanged, this,
          [this, j](int value) { model_.slideParameter(j, value); });
  connect(row.edit, &QLineEdit::textEdited, this,
          [this, j](const QString& text) { model_.typeParameter(j, text.toStdString()); });
}

void SampleGeneratorWindow::refresh() {
  sampleNumber_->setText(QString::fromStdString(model_.sampleNumber()));
  showSelected(operations_, model_.selectedOperation());
  refreshCommandList();
  operationName_->setText(QString::fromStdString(model_.operationName()));
  refreshRows();
  status_->setText(QString::fromStdString(model_.status()));
  view_->update();
}

void SampleGeneratorWindow::refreshCommandList() {
  const std::vector<std::string> entries = model_.commandEntries();
  {
    const QSignalBlocker blocker(commands_);
    if (commands_->count() != static_cast<int>(entries.size())) {
      commands_->clear();
      for (const std::string& entry : entries) commands_->addItem(QString::fromStdString(entry));
    } else {
      for (int i = 0; i < commands_->count(); ++i) {
        const QString text = QString::fromStdString(entries[i]);
        if (commands_->item(i)->text() != text) commands_->item(i)->setText(text);
      }
    }
  }
  showSelected(commands_, model_.selectedEntry());
}

void SampleGeneratorWindow::refreshRows() {
  const auto shown = model_.parameterRows();
  for (int j = 0; j < kSampleParamCount; ++j) {
    const ParameterRow& parameter = shown[j];
    const Row& row = rows_[j];
    row.label->setVisible(parameter.shown);
    for (QWidget* control : rowControls(row)) control->setVisible(parameter.shown);
    if (!parameter.shown) continue;
    const QString label = QString::fromStdString(parameter.label);
    row.label->setText(label);
    for (QWidget* control : rowControls(row)) control->setAccessibleDescription(label);
    {
      const QSignalBlocker blocker(row.slider);
      row.slider->setRange(0, parameter.maximum);
      row.slider->setValue(parameter.value);
    }
    const QString text =
        QString::fromStdString(parameterEditText(row.edit->text().toStdString(), parameter.value));
    if (row.edit->text() != text) row.edit->setText(text);
  }
}

void SampleGeneratorWindow::report(const Status& status) {
  if (!status.ok()) dialogs_.showError(status.message);
}

void SampleGeneratorWindow::mouseMoveEvent(QMouseEvent* event) {
  ToolWindowContent::mouseMoveEvent(event);
  view_->update();
}

}  // namespace tess
