#include "ui/tracker_window.hpp"

#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/editor_session.hpp"
#include "timeline/tracker_rows.hpp"

namespace tess {
namespace {

std::optional<std::filesystem::path> askForMusicFile(QWidget* parent,
                                                     const std::filesystem::path& folder) {
  const QString filter = "Music modules (" + QString::fromStdString(MusicPlayer::filePatterns()) +
                         ");;All files (*)";
  const QString chosen = QFileDialog::getOpenFileName(
      parent, "Load sound file", QString::fromStdString(folder.string()), filter);
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.toStdString());
}

QPushButton* button(const QString& caption, QWidget* parent) {
  auto* made = new QPushButton(caption, parent);
  made->setAccessibleName(caption);
  made->setAutoDefault(false);
  return made;
}

}  // namespace

TrackerWindow::TrackerWindow(EditorSession& session, FileChooser chooseFile, QWidget* parent)
    : ToolWindowContent(parent),
      session_(session),
      model_(session),
      chooseFile_(chooseFile ? std::move(chooseFile) : askForMusicFile) {
  build();
  refreshRows();
  showSelectedRow();
  sound_->setText(QString::fromStdString(model_.soundFile()));
  connectControls();
  subscription_ = session_.subscribe([this](Changes changes) { refresh(changes); });
}

TrackerWindow::~TrackerWindow() { session_.unsubscribe(subscription_); }

void TrackerWindow::build() {
  rows_ = new QListWidget(this);
  rows_->setAccessibleName("rows");
  rows_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  rows_->setUniformItemSizes(true);
  rows_->setMinimumWidth(260);

  command_ = new QComboBox(this);
  command_->setAccessibleName("command");
  for (std::string_view name : kTrackerCommandNames)
    command_->addItem(QString::fromUtf8(name.data(), static_cast<int>(name.size())));

  auto* parameterRow = new QHBoxLayout;
  for (int k = 0; k < 4; ++k) {
    const QString name = QString("p%1").arg(k + 1);
    parameters_[k] = new QLineEdit(this);
    parameters_[k]->setAccessibleName(name);
    parameters_[k]->setToolTip(name);
    parameterRow->addWidget(parameters_[k]);
  }

  sound_ = new QLineEdit(this);
  sound_->setAccessibleName("sound");
  sound_->setMaxLength(static_cast<int>(kSoundTextMax));
  QPushButton* browse = button("...", this);
  browse->setToolTip("click to load sound file");
  browse->setFixedWidth(32);
  connect(browse, &QPushButton::clicked, this, &TrackerWindow::chooseSoundFile);
  auto* soundRow = new QHBoxLayout;
  auto* soundLabel = new QLabel("sound", this);
  soundLabel->setBuddy(sound_);
  soundRow->addWidget(soundLabel);
  soundRow->addWidget(sound_, 1);
  soundRow->addWidget(browse);

  status_ = new QLabel(this);
  status_->setAccessibleName("status");
  status_->setWordWrap(true);
  status_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

  auto* edits = new QGridLayout;
  const std::array<std::pair<QString, void (TrackerModel::*)()>, 4> rowEdits = {{
      {"ins", &TrackerModel::insertRow},
      {"del", &TrackerModel::deleteRow},
      {"clr", &TrackerModel::clearRow},
      {"x2", &TrackerModel::stretch},
  }};
  for (int k = 0; k < 4; ++k) {
    QPushButton* edit = button(rowEdits[k].first, this);
    connect(edit, &QPushButton::clicked, this, [this, act = rowEdits[k].second] { (model_.*act)(); });
    edits->addWidget(edit, 0, k);
  }
  const std::array<std::pair<QString, void (TrackerModel::*)()>, 3> playback = {{
      {"play", &TrackerModel::play},
      {"stop", &TrackerModel::stop},
      {"play with music", &TrackerModel::playWithMusic},
  }};
  for (int k = 0; k < 3; ++k) {
    QPushButton* control = button(playback[k].first, this);
    connect(control, &QPushButton::clicked, this, [this, act = playback[k].second] {
      (model_.*act)();
      showStatus();
    });
    edits->addWidget(control, 1, k, 1, k == 2 ? 2 : 1);
  }
  button("STD", this)->hide();  // never shown, does nothing

  auto* side = new QVBoxLayout;
  side->addWidget(command_);
  side->addLayout(parameterRow);
  side->addLayout(edits);
  side->addLayout(soundRow);
  side->addWidget(status_, 1);

  auto* whole = new QHBoxLayout(this);
  whole->setContentsMargins(6, 6, 6, 6);
  whole->addWidget(rows_, 1);
  whole->addLayout(side);
}

void TrackerWindow::connectControls() {
  connect(rows_, &QListWidget::currentRowChanged, this, [this](int row) {
    model_.selectRow(row);
    showRowEditor();
  });
  connect(command_, &QComboBox::activated, this,
          [this](int command) { model_.chooseCommand(command, parameterTexts()); });
  for (QLineEdit* edit : parameters_)
    connect(edit, &QLineEdit::textEdited, this, [this] {
      typing_ = true;
      model_.typeParameters(parameterTexts());
      typing_ = false;
    });
  connect(sound_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.typeSoundFile(text.toStdString());
    showStatus();
  });
}

TrackerModel::ParameterTexts TrackerWindow::parameterTexts() const {
  TrackerModel::ParameterTexts texts;
  for (int k = 0; k < 4; ++k) texts[k] = parameters_[k]->text().toStdString();
  return texts;
}

void TrackerWindow::refresh(Changes changes) {
  if (changes.has(Change::Playback)) model_.followPlayback();
  if (changes.has(Change::TimelineRows)) {
    refreshRows();
    const QString sound = QString::fromStdString(model_.soundFile());
    if (sound_->text() != sound) sound_->setText(sound);
  }
  if (changes.any(TrackerModel::kShown)) showSelectedRow();
}

void TrackerWindow::refreshRows() {
  const QSignalBlocker blocker(rows_);
  if (rows_->count() != kTrackerRows) {
    rows_->clear();
    for (int row = 0; row < kTrackerRows; ++row)
      rows_->addItem(QString::fromStdString(model_.rowText(row)));
    return;
  }
  // Only the rows whose text changed: an edit touches a few, and the view keeps its place.
  for (int row = 0; row < kTrackerRows; ++row) {
    const QString text = QString::fromStdString(model_.rowText(row));
    if (rows_->item(row)->text() != text) rows_->item(row)->setText(text);
  }
}

void TrackerWindow::showSelectedRow() {
  const QSignalBlocker blocker(rows_);
  rows_->setCurrentRow(model_.selectedRow());
  // While playing, the rows to come stay in sight.
  rows_->scrollToItem(rows_->currentItem(), session_.playing()
                                                ? QAbstractItemView::PositionAtCenter
                                                : QAbstractItemView::EnsureVisible);
  showRowEditor();
}

void TrackerWindow::showRowEditor() {
  const TrackerEvent& event = model_.selectedEvent();
  {
    const QSignalBlocker blocker(command_);
    command_->setCurrentIndex(event.command < kTrackerCommandCount ? event.command : -1);
  }
  if (typing_) return;  // the edits keep what the user typed (300 stays 300; the row holds 44)
  const std::array<int, 4> values = {event.p1, event.p2, event.p3, event.p4};
  for (int k = 0; k < 4; ++k) {
    const QSignalBlocker blocker(parameters_[k]);
    parameters_[k]->setText(QString::number(values[k]));
  }
}

void TrackerWindow::showStatus() { status_->setText(QString::fromStdString(model_.status())); }

void TrackerWindow::chooseSoundFile() {
  choosingFile_ = true;
  // Modules usually lie beside the pack.
  const auto chosen = chooseFile_(this, session_.packPath().parent_path());
  choosingFile_ = false;
  if (!chosen) return;  // cancelling keeps the file named before
  model_.chooseSoundFile(*chosen);
  showStatus();
}

void TrackerWindow::enterEvent(QEnterEvent* event) {
  if (!choosingFile_ && session_.setFocusedWindow(focusValue(ToolWindow::Tracker)))
    rows_->setFocus();
  ToolWindowContent::enterEvent(event);
}

}  // namespace tess
