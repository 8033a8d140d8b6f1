#include "app/main_window.hpp"

#include <QKeyEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

#include "app/file_association.hpp"
#include "core/folders.hpp"
#include "editor/frame_demand.hpp"
#include "ui/material_editor_window.hpp"
#include "ui/mdi_window.hpp"
#include "ui/modifiers_window.hpp"
#include "ui/objects_window.hpp"
#include "ui/sample_generator_window.hpp"
#include "ui/texture_editor_window.hpp"
#include "ui/texture_view_window.hpp"
#include "ui/tracker_window.hpp"
#include "ui/view3d_window.hpp"

namespace tess {
namespace {

// The name a window goes by: its caption, and "3d view" for the view whose title reports its
// state.
const char* nameOf(ToolWindow window) {
  switch (window) {
    case ToolWindow::View3d: return "3d view";
    case ToolWindow::Objects: return "Objects";
    case ToolWindow::Modifiers: return "Modifiers";
    case ToolWindow::TextureEditor: return "Texture editor";
    case ToolWindow::TextureView: return "Texture view";
    case ToolWindow::MaterialEditor: return "Material editor";
    case ToolWindow::Tracker: return "Tracker (timeline)";
    case ToolWindow::SampleGenerator: return "Sample generator [BETA!]";
  }
  return "";
}

// The back buffer is as large as the screen; the view shows it scaled.
QSize screenSize(const QWidget& widget) {
  const QScreen* screen = widget.screen();
  return screen ? screen->size() : QSize(640, 480);
}

}  // namespace

MainWindow::MainWindow(EditorServices services) : services_(std::move(services)) {
  session_.music();  // the music output opens first
  if (!services_.dialogs) services_.dialogs = makeQtDialogs(this);
  setWindowTitle(kProgramTitle);
  setAccessibleName(kProgramTitle);
  setFocusPolicy(Qt::StrongFocus);
  createWindows();
  buildMenus();
  session_.subscribe([this](Changes changes) { sessionChanged(changes); });
  session_.textureRegenerated = [this] {
    if (graphics_) graphics_->textureChanged();
    requestFrame();
  };
  session_.startBlankProject();
  session_.keepRecoveryIn(stateFolder());

  frameTimer_.setSingleShot(true);
  frameTimer_.setTimerType(Qt::PreciseTimer);
  connect(&frameTimer_, &QTimer::timeout, this, &MainWindow::drawFrame);
  view3dController_.displayChanged = [this] { requestFrame(); };
  recoveryTimer_.setInterval(kRecoveryIntervalMs);
  connect(&recoveryTimer_, &QTimer::timeout, this, &MainWindow::writeRecovery);
}

MainWindow::~MainWindow() {
  frameTimer_.stop();
  graphics_.reset();
  // The windows unsubscribe from the session when they go, so they go before it.
  delete area_;
}

void MainWindow::createWindows() {
  area_ = new QMdiArea(this);
  area_->setBackground(palette().button());
  area_->viewport()->setMouseTracking(true);
  area_->viewport()->installEventFilter(this);
  area_->setAccessibleName("windows");
  setCentralWidget(area_);

  for (ToolWindow window : kToolWindows) {
    QWidget* content = createContent(window);
    auto* frame = new MdiWindow(
        content, content->windowTitle().isEmpty() ? nameOf(window) : content->windowTitle());
    frame->setAccessibleName(nameOf(window));
    area_->addSubWindow(frame);
    frame->installEventFilter(this);
    windows_[static_cast<int>(window)] = frame;
    connect(frame, &MdiWindow::closeRequested, this, [this, window] { toggleWindow(window); });
    // Windows whose title reports their state.
    connect(content, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
  }
  textureView_->refresh();
  for (ToolWindow window : kToolWindows) {
    if (rectSlot(window) != kNoSlot) placeWindow(window, layout().rect(window), true);
    this->window(window)->show();
  }
  // No scheme places the sample generator: it starts right of the objects window, as large as its
  // controls need.
  MdiWindow* sampleGenerator = window(ToolWindow::SampleGenerator);
  sampleGenerator->setGeometry(QRect(QPoint(1205, 0), sampleGenerator->sizeHint()));
}

QWidget* MainWindow::createContent(ToolWindow window) {
  switch (window) {
    case ToolWindow::View3d:
      view3d_ = new View3dWindow(view3dController_);
      view3d_->pointerArrived = [this] { focusMainFrame(); };
      return view3d_;
    case ToolWindow::TextureView: return textureView_ = new TextureViewWindow(textureViewModel_);
    case ToolWindow::Objects: return new ObjectsWindow(session_);
    case ToolWindow::Modifiers: {
      auto* modifiers = new ModifiersWindow(session_);
      view3d_->modifierMenu = [modifiers] { return modifiers->popupMenu(); };
      return modifiers;
    }
    case ToolWindow::TextureEditor: return new TextureEditorWindow(session_, textureEditorPrompts());
    case ToolWindow::MaterialEditor: return new MaterialEditorWindow(session_);
    case ToolWindow::Tracker: return new TrackerWindow(session_);
    case ToolWindow::SampleGenerator: return new SampleGeneratorWindow(session_);
  }
  return new QWidget;
}

TextureEditorPrompts MainWindow::textureEditorPrompts() {
  return {[this](const std::string& title, const std::string& text) {
            return services_.dialogs->confirm(title, text);
          },
          [this](const std::string& title, const std::string& text) {
            services_.dialogs->message(title, text, UserDialogs::Icon::Information);
          }};
}

bool MainWindow::start(const std::optional<std::filesystem::path>& pack) {
  const QSize backBuffer = screenSize(*this);
  std::string error;
  graphics_ = services_.graphics(project(), backBuffer.width(), backBuffer.height(), error);
  if (graphics_) {
    graphics_->uploadAllTextures();
    view3dController_.pick = [this](int x, int y) {
      return graphics_->renderer().PickObject(x, y, gl::currentView(project().scenes));
    };
    window(ToolWindow::View3d)->heightRule = [width = backBuffer.width()](int w) {
      return View3dDisplay::heightFor(width, w);
    };
  } else {
    const std::string text = "OpenGL 3.3 init error: " + error;
    view3d_->showError(QString::fromStdString(text));
    services_.dialogs->message("Tessarine", text, UserDialogs::Icon::Error);
  }

  loadScheme();
  session_.readRecentFiles();
  registerPackFileType(services_.program);
  openAtStart(pack);
  recoveryTimer_.start();
  requestFrame();
  return graphics_ != nullptr;
}

void MainWindow::requestFrame() {
  if (graphics_ && !frameTimer_.isActive()) frameTimer_.start(0);
}

bool MainWindow::drawsContinuously() {
  const SceneStore& scenes = session_.scenes();
  ClockDependence dependence;
  dependence.playing = session_.timeline().playing;
  dependence.animationFrozen = view3dDisplay_.toggles().animationFrozen;
  dependence.sliding = view3dController_.sliding();
  dependence.sceneAnimated = sceneReadsClock(scenes, scenes.currentScene);
  return tess::drawsContinuously(dependence);
}

void MainWindow::drawFrame() {
  const double now = clock_.milliseconds();
  session_.advancePlayback(now);
  frameTimer_.stop();  // what the timeline changed is drawn now
  view3dController_.slideStep();
  graphics_->showDisplay(view3dDisplay_);
  graphics_->renderFrame(static_cast<std::uint64_t>(now));
  view3d_->showPicture(graphics_->picture(), graphics_->width(), graphics_->height());
  ++framesDrawn_;
  if (!drawsContinuously()) return;
  const QScreen* display = screen();
  const double interval = frameInterval(display ? display->refreshRate() : 0);
  const double delay = nextFrameDelay(interval, clock_.milliseconds() - now);
  frameTimer_.start(static_cast<int>(delay));
}

void MainWindow::sessionChanged(Changes changes) {
  if (changes.any(kPictureChanges)) requestFrame();
  if (graphics_) {
    if (changes.has(Change::AllTextures))
      graphics_->uploadAllTextures();
    else if (changes.any(Change::Stages | Change::CurrentTexture))
      graphics_->textureChanged();
  }
  if (changes.any(TextureViewModel::kShown)) textureView_->refresh();
  if (changes.any(Change::Scenes | Change::CurrentScene)) rebuildScenesMenu();
  if (changes.any(View3dDisplay::kTitled)) view3d_->refreshTitle();
  if (changes.has(Change::RecentFiles)) rebuildRecentFilesMenu();
  if (changes.has(Change::Document))
    setWindowTitle(QString::fromStdString(documentTitle(session_, kProgramTitle)));
  if (changes.has(Change::Layout)) {
    updateLayoutChecks();
    for (ToolWindow which : kToolWindows) {
      const bool shown = !layout().hidden(which);
      window(which)->setVisible(shown);
      windowActions_[static_cast<int>(which)]->setChecked(shown);
    }
  }
}

void MainWindow::report(const Outcome& outcome) {
  if (!outcome.ok())
    services_.dialogs->message("Tessarine", outcome.status.message, UserDialogs::Icon::Error);
  else if (outcome.notice)
    services_.dialogs->message(outcome.notice->title, outcome.notice->text,
                               UserDialogs::Icon::Information);
}

void MainWindow::placeWindow(ToolWindow which, const LayoutRect& rect, bool withSize) {
  MdiWindow* frame = window(which);
  if (withSize)
    frame->setGeometry(rect.left, rect.top, rect.width(), rect.height());
  else
    frame->move(rect.left, rect.top);
}

void MainWindow::resizeWindow(ToolWindow which, WindowSize size) {
  window(which)->resize(size.width, size.height);
}

bool MainWindow::event(QEvent* event) {
  // Tab picks the next window scheme before Qt would move the keyboard focus with it.
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
      chooseScheme((layout().schemeNumber + 1) % kSchemeCount);
      return true;
    }
  }
  return QMainWindow::event(event);
}

void MainWindow::focusMainFrame() {
  if (layout().autofocusOff == 0 && session_.setFocusedWindow(kFocusMainFrame))
    applyCollapsingLayout();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_->viewport()) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      loadPack();
      return true;
    }
    if (event->type() == QEvent::MouseMove && layout().autofocusOff == 0 &&
        session_.setFocusedWindow(kFocusMainFrame)) {
      setFocus();
      applyCollapsingLayout();
    }
  }
  // The pointer entering a collapsing tool window expands it and collapses the others.
  if (event->type() == QEvent::Enter && layout().autofocusOff == 0) {
    for (ToolWindow which : kToolWindows)
      if (watched == window(which) && collapses(which) &&
          session_.setFocusedWindow(focusValue(which))) {
        window(which)->setFocus();
        applyCollapsingLayout();
      }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tess
