// The main frame's menu bar: every command with its caption as the menus show it.
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "app/main_window.hpp"
#include "scene/scene_codes.hpp"
#include "ui/mdi_window.hpp"
#include "ui/view3d_window.hpp"

namespace tess {
namespace {

constexpr const char* windowMenuCaption(ToolWindow window) {
  switch (window) {
    case ToolWindow::View3d: return "3d";
    case ToolWindow::Objects: return "Objects";
    case ToolWindow::Modifiers: return "Modifers";
    case ToolWindow::TextureEditor: return "Texture editor";
    case ToolWindow::TextureView: return "Texture view";
    case ToolWindow::MaterialEditor: return "Material editor";
    case ToolWindow::Tracker: return "Tracker";
    case ToolWindow::SampleGenerator: return "Sample generator";
  }
  return "";
}

// A file name as a menu caption: "&" would mark a shortcut letter.
QString menuText(const std::string& name) {
  return QString::fromStdString(name).replace("&", "&&");
}

QAction* findAction(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* entry : actions) {
    if (entry->text() == caption) return entry;
    if (entry->menu())
      if (QAction* found = findAction(entry->menu()->actions(), caption)) return found;
  }
  return nullptr;
}

// A menu of the menu bar, named for screen readers by its caption.
QMenu* addMenu(QMenuBar* bar, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setAccessibleName(caption);
  return menu;
}

QMenu* addSubMenu(QMenu* parent, const QString& caption) {
  QMenu* menu = parent->addMenu(caption);
  menu->setAccessibleName(caption);
  return menu;
}

}  // namespace

QAction* MainWindow::addCommand(QMenu* menu, const QString& caption, std::function<void()> command) {
  QAction* entry = menu->addAction(caption);
  connect(entry, &QAction::triggered, this, [command = std::move(command)] { command(); });
  return entry;
}

QAction* MainWindow::action(const QString& caption) const {
  return findAction(menuBar()->actions(), caption);
}

void MainWindow::buildMenus() {
  buildFileMenu();

  scenesMenu_ = addMenu(menuBar(), "Scenes");
  addCommand(scenesMenu_, "Add", [this] { addScene(); });
  addCommand(scenesMenu_, "Del last scene", [this] { deleteLastScene(); });
  scenesMenu_->addSeparator();
  rebuildScenesMenu();

  buildObjectsMenu();
  buildWindowsMenu();

  QMenu* help = addMenu(menuBar(), "Help");
  addCommand(help, "Help", [this] { showHelp(); });

  // F1..F5 choose a window scheme wherever the keyboard focus is.
  for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1 + scheme), this);
    key->setContext(Qt::ApplicationShortcut);
    connect(key, &QShortcut::activated, this, [this, scheme] { chooseScheme(scheme); });
  }
}

void MainWindow::buildFileMenu() {
  fileMenu_ = addMenu(menuBar(), "File");
  addCommand(fileMenu_, "Load pack…", [this] { loadPack(); });
  addCommand(fileMenu_, "Save pack", [this] { savePack(); })->setShortcut(QKeySequence("Ctrl+S"));
  addCommand(fileMenu_, "Save pack as…", [this] { savePackAs(); });
  addCommand(fileMenu_, "Merge packs", [this] { mergePacks(); });
  fileMenu_->addSeparator();
  QMenu* textures = addSubMenu(fileMenu_, "Textures");
  addCommand(textures, "Load texture", [this] { loadTexture(); });
  addCommand(textures, "Save texture", [this] { saveTexture(); });
  addCommand(textures, "Export texrures pack", [this] { exportTexturesPack(); });
  QMenu* geometry = addSubMenu(fileMenu_, "Geometry");
  addCommand(geometry, "Load scene", [this] { loadSceneLayer(); });
  addCommand(geometry, "Save Scene", [this] { saveSceneLayer(); });
  addCommand(geometry, "Clear scene", [this] { clearSceneAsked(); });
  QMenu* materials = addSubMenu(fileMenu_, "Materials");
  addCommand(materials, "Load material", [this] { loadMaterial(); });
  addCommand(materials, "Save material", [this] { saveMaterial(); });
  fileMenu_->addSeparator();
  addCommand(fileMenu_, "Change Font...", [this] { changeFont(); });
  addCommand(fileMenu_, "Statistics...", [this] { showStatistics(); });
  fileMenu_->addSeparator();
}

void MainWindow::buildObjectsMenu() {
  QMenu* objects = addMenu(menuBar(), "Objects");
  QMenu* create = addSubMenu(objects, "Create object");
  for (int type = 0; type < kObjectTypeCount; ++type)
    addCommand(create, QString::fromUtf8(kObjectTypeMenuCaptions[type].data(), kObjectTypeMenuCaptions[type].size()),
               [this, type] { session_.createObject(type); });
  addCommand(objects, "Delete object", [this] { session_.deleteObject(); });
  addCommand(objects, "Copy object", [this] { session_.copyObject(); });
  objects->addSeparator();
  addCommand(objects, "Clone group (current level)", [this] { session_.cloneGroup(); });
  addCommand(objects, "Ungroup", [this] { session_.ungroup(); });
  objects->addSeparator();
  addCommand(objects, "Set control object", [this] { session_.armControlPick(); });
  addCommand(objects, "Reset control object", [this] { session_.resetControlObject(); });
  view3d_->objectsMenu = objects;  // also the 3D view's Shift + right click
}

void MainWindow::buildWindowsMenu() {
  QMenu* windows = addMenu(menuBar(), "Windows");
  addCommand(windows, "Load scheme", [this] { loadScheme(); });
  addCommand(windows, "Save scheme", [this] { saveScheme(); });
  windows->addSeparator();
  openedAction_ = addCommand(windows, "Opened windows", [this] { setWindowsOpened(true); });
  zoomedAction_ = addCommand(windows, "Zoomed windows", [this] { setWindowsOpened(false); });
  windows->addSeparator();
  autofocusOffAction_ =
      addCommand(windows, "Reset windows autofocus", [this] { setAutofocusOff(true); });
  autofocusOnAction_ =
      addCommand(windows, "Set windows autofocus", [this] { setAutofocusOff(false); });
  textureMaterialAction_ = addCommand(windows, "Texture and Material autofocus",
                                      [this] { toggleTextureMaterialAutofocus(); });
  for (QAction* entry : {openedAction_, zoomedAction_, autofocusOffAction_, autofocusOnAction_,
                         textureMaterialAction_})
    entry->setCheckable(true);
  updateLayoutChecks();
  windows->addSeparator();
  for (ToolWindow window : kToolWindows) {
    QAction* entry = addCommand(windows, windowMenuCaption(window), [this, window] {
      toggleWindow(window);
    });
    entry->setCheckable(true);
    entry->setChecked(true);
    windowActions_[static_cast<int>(window)] = entry;
  }
}

void MainWindow::updateLayoutChecks() {
  const WindowLayout& layout = session_.layout();
  openedAction_->setChecked(layout.windowsOpened != 0);
  zoomedAction_->setChecked(layout.windowsOpened == 0);
  autofocusOffAction_->setChecked(layout.autofocusOff != 0);
  autofocusOnAction_->setChecked(layout.autofocusOff == 0);
  textureMaterialAction_->setChecked(project().scenes.textureMaterialAutofocus);
}

void MainWindow::rebuildScenesMenu() {
  for (QAction* entry : sceneActions_) delete entry;
  sceneActions_.clear();
  const SceneStore& scenes = project().scenes;
  for (int scene = 0; scene < scenes.sceneCount; ++scene) {
    QAction* entry = addCommand(scenesMenu_, QString::number(scene), [this, scene] {
      selectScene(scene);
    });
    entry->setCheckable(true);
    entry->setChecked(scene == scenes.currentScene);
    sceneActions_.push_back(entry);
  }
}

void MainWindow::rebuildRecentFilesMenu() {
  for (QAction* entry : recentActions_) delete entry;
  recentActions_.clear();
  const RecentFiles& recent = session_.recentFiles();
  for (int k = 1; k <= recent.count; ++k)
    recentActions_.push_back(addCommand(fileMenu_, menuText(recent.names[k - 1]),
                                        [this, k] { openRecentFile(k); }));
}

}  // namespace tess
