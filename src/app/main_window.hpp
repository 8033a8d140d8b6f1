#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "app/user_dialogs.hpp"
#include "core/clock.hpp"
#include "editor/editor_session.hpp"
#include "editor/texture_view_model.hpp"
#include "editor/view3d_controller.hpp"
#include "editor/view3d_display.hpp"
#include "ui/texture_editor_window.hpp"
#include "ui/view3d_graphics.hpp"

class QMdiArea;
class QMenu;

namespace tess {

class HelpWindow;
class MdiWindow;
class TextureViewWindow;
class View3dWindow;

inline constexpr const char* kProgramTitle = "Tessarine v.2.4 beta 5";

// What the main window is built with: the program's dialogs (tests script them) and the way the
// renderer starts (tests use one that fails, as on a machine without OpenGL).
struct EditorServices {
  std::unique_ptr<UserDialogs> dialogs;  // none: Qt's dialogs
  GraphicsFactory graphics = View3dGraphics::create;
  std::filesystem::path program;  // the executable, for the desktop file association
};

// The main frame: the editor session, the windows inside it, the menu bar and the window schemes.
// It turns menu commands into session commands, shows their dialogs and messages, and places the
// windows as the session's layout says. The renderer draws into the 3D view when what it shows
// changed, and frame after frame, at the display's pace, while the picture moves with the clock.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(EditorServices services);
  ~MainWindow() override;

  // The rest of start-up once the window is shown: the renderer (false when it failed, after
  // saying so: the program then ends), the saved window scheme, the file association, the offer
  // to restore a recovery copy and the pack named on the command line.
  bool start(const std::optional<std::filesystem::path>& pack);

  // While the project has unsaved changes, a copy of it goes to the recovery file once a minute.
  static constexpr int kRecoveryIntervalMs = 60'000;
  // Writes the recovery copy now, as the timer does.
  void writeRecovery();
  // A termination request (SIGTERM, SIGINT): unsaved changes go to the recovery file, then every
  // window closes without asking.
  void terminate();

  EditorSession& session() { return session_; }
  Project& project() { return session_.project(); }
  const WindowLayout& layout() { return session_.layout(); }
  const RecentFiles& recentFiles() const { return session_.recentFiles(); }
  const View3dDisplay& view3dDisplay() const { return view3dDisplay_; }
  View3dController& view3dController() { return view3dController_; }
  MdiWindow* window(ToolWindow window) const { return windows_[static_cast<int>(window)]; }
  View3dWindow* view3d() const { return view3d_; }
  TextureViewWindow* textureView() const { return textureView_; }
  View3dGraphics* graphics() const { return graphics_.get(); }
  // The menu entry with this caption (the first one found, sub-menus included).
  QAction* action(const QString& caption) const;
  QMenu* scenesMenu() const { return scenesMenu_; }
  // The help window, once "Help" has opened it.
  HelpWindow* helpWindow() const { return help_; }
  // The "Windows" menu entry that shows and hides a window.
  QAction* toggleAction(ToolWindow window) const { return windowActions_[static_cast<int>(window)]; }

  // Menu commands, also reached from keys and other windows.
  void loadPack();
  void openRecentFile(int k);
  void savePack();
  void savePackAs();
  void mergePacks();
  void loadTexture();
  void saveTexture();
  void exportTexturesPack();
  void loadSceneLayer();
  void saveSceneLayer();
  void clearSceneAsked();
  void loadMaterial();
  void saveMaterial();
  void changeFont();
  void showStatistics();
  void addScene();
  void deleteLastScene();
  void selectScene(int scene);
  void loadScheme();
  void saveScheme();
  void chooseScheme(int scheme);
  void setWindowsOpened(bool opened);
  void setAutofocusOff(bool off);
  void toggleTextureMaterialAutofocus();
  void toggleWindow(ToolWindow window);
  void applyCollapsingLayout();
  void showHelp();

  // Asks for a frame of the 3D view at the next chance; requests before it is drawn make one.
  void requestFrame();
  // Frames drawn since start-up.
  long framesDrawn() const { return framesDrawn_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createWindows();
  // The widget a window shows, built over the session or its model.
  QWidget* createContent(ToolWindow window);
  // The texture editor asks and tells through the program's message boxes.
  TextureEditorPrompts textureEditorPrompts();
  void buildMenus();
  void buildFileMenu();
  void buildObjectsMenu();
  void buildWindowsMenu();
  QAction* addCommand(QMenu* menu, const QString& caption, std::function<void()> command);
  void rebuildScenesMenu();
  // The 3D view's title after a command of the "Scenes" menu.
  void showSceneTitle();
  void rebuildRecentFilesMenu();
  void updateLayoutChecks();

  // Brings the windows, menus and device textures up to date with what a command changed.
  void sessionChanged(Changes changes);
  // Says how a command went: its failure or its notice, if any.
  void report(const Outcome& outcome);
  // Asks "Save changes to NAME?" when the project is modified; whether the command may go on.
  bool settleUnsavedChanges();
  // Offers the recovery copy left by a run that ended with unsaved changes; whether it was
  // restored.
  bool offerRecovery();
  // The recovery copy, then the pack named on the command line.
  void openAtStart(const std::optional<std::filesystem::path>& pack);
  // Runs a file dialog with window autofocus off, restoring the setting afterwards.
  template <typename Dialog>
  auto withoutAutofocus(Dialog dialog);
  std::optional<std::filesystem::path> askOpen(const std::string& caption, const FileFilter& filter);
  std::optional<std::filesystem::path> askSave(const std::string& caption, const FileFilter& filter,
                                               std::string_view extension);
  std::optional<std::filesystem::path> askPackPath();  // "Save pack as…"
  void placeWindow(ToolWindow window, const LayoutRect& rect, bool withSize);
  void placeSchemeWindows();
  void resizeWindow(ToolWindow window, WindowSize size);
  // The pointer over the main frame or the 3D view: with autofocus the tool windows collapse.
  void focusMainFrame();
  void drawFrame();
  bool drawsContinuously();

  EditorServices services_;
  EditorSession session_;
  TextureViewModel textureViewModel_{session_};
  View3dDisplay view3dDisplay_{session_};
  View3dController view3dController_{session_, view3dDisplay_};
  std::unique_ptr<View3dGraphics> graphics_;
  SteadyClock clock_;
  QTimer frameTimer_;
  long framesDrawn_ = 0;
  QTimer recoveryTimer_;
  bool terminating_ = false;

  QMdiArea* area_ = nullptr;
  std::array<MdiWindow*, kToolWindowCount> windows_{};
  View3dWindow* view3d_ = nullptr;
  TextureViewWindow* textureView_ = nullptr;
  HelpWindow* help_ = nullptr;

  QMenu* fileMenu_ = nullptr;
  QMenu* scenesMenu_ = nullptr;
  std::vector<QAction*> recentActions_;
  std::vector<QAction*> sceneActions_;
  std::array<QAction*, kToolWindowCount> windowActions_{};
  QAction* openedAction_ = nullptr;
  QAction* zoomedAction_ = nullptr;
  QAction* autofocusOffAction_ = nullptr;
  QAction* autofocusOnAction_ = nullptr;
  QAction* textureMaterialAction_ = nullptr;
};

}  // namespace tess
