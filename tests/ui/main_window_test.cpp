// The main window driven through its menus and keys, on Qt's offscreen platform without OpenGL.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QTest>
#include <stdlib.h>

#include <csignal>

#include "app/help_window.hpp"
#include "app/main_window.hpp"
#include "app/termination_watch.hpp"
#include "core/file_io.hpp"
#include "core/folders.hpp"
#include "scene/pack_files.hpp"
#include "scene/project_reports.hpp"
#include "scripted_dialogs.hpp"
#include "test_folder.hpp"
#include "ui/mdi_window.hpp"
#include "ui/texture_view_window.hpp"
#include "ui/view3d_window.hpp"

namespace tess {

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestFolder> folder_;
  ScriptedDialogs::Shared dialogs_;
  std::unique_ptr<MainWindow> window_;

  std::filesystem::path file(const std::string& name) const { return folder_->path() / name; }

  MainWindow& started(const std::optional<std::filesystem::path>& pack = std::nullopt) {
    EditorServices services;
    services.dialogs = std::make_unique<ScriptedDialogs>(dialogs_);
    services.graphics = [](Project&, int, int, std::string& error) {
      error = "no OpenGL on the offscreen platform";
      return std::unique_ptr<View3dGraphics>();
    };
    window_ = std::make_unique<MainWindow>(std::move(services));
    window_->resize(1280, 1000);
    window_->show();
    window_->activateWindow();  // shortcuts go to the active window
    [&] { QVERIFY(QTest::qWaitForWindowActive(window_.get())); }();
    window_->start(pack);
    return *window_;
  }

  void trigger(const QString& caption) {
    QAction* entry = window_->action(caption);
    QVERIFY2(entry, qPrintable("no menu entry " + caption));
    entry->trigger();
  }

  // Writes a pack with `scenes` scenes, so that loads can be told apart.
  std::filesystem::path packWithScenes(const std::string& name, int scenes) {
    EditorSession project;
    project.scenes().sceneCount = static_cast<std::uint8_t>(scenes);
    for (int s = 0; s < scenes; ++s) project.scenes().scenes[s].objectCount = 1;
    const auto path = file(name);
    [&] { QVERIFY(savePack(project.project(), path).ok()); }();
    return path;
  }

  static void moveOver(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
  }

  std::string lastMessage() const {
    return dialogs_.messages.empty() ? std::string() : dialogs_.messages.back().text;
  }

 private Q_SLOTS:
  void init() {
    folder_ = std::make_unique<TestFolder>();
    ::setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", file("share").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", file("system").c_str(), 1);  // no installed desktop entry
    ::setenv("XDG_STATE_HOME", file("state").c_str(), 1);
    dialogs_ = {};
  }
  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void startsWithoutOpenGLAndStaysUsable() {
    MainWindow& window = started();
    QCOMPARE(window.windowTitle(), QString("Tessarine v.2.4 beta 5"));
    QCOMPARE(dialogs_.messages.size(), std::size_t{1});
    QVERIFY(lastMessage().find("OpenGL") != std::string::npos);
    QVERIFY(window.graphics() == nullptr);
    const QStringList titles = {"3d view: normal mode", "Objects", "Modifiers", "Texture editor",
                                "1 texture stage", "Material editor", "Tracker (timeline)",
                                "Sample generator [BETA!]"};
    for (int w = 0; w < kToolWindowCount; ++w) {
      QCOMPARE(window.window(kToolWindows[w])->windowTitle(), titles[w]);
      QVERIFY(window.window(kToolWindows[w])->isVisible());
    }
    QCOMPARE(window.window(ToolWindow::View3d)->geometry(), QRect(265, 0, 640, 480));
    QCOMPARE(window.window(ToolWindow::TextureView)->geometry(), QRect(0, 0, 265, 302));
    QVERIFY(std::filesystem::exists(window.project().undo.folder() / "1"));
    QVERIFY(std::filesystem::exists(file("share") / "applications" / "tessarine.desktop"));

    trigger("Add");  // the menus work without a renderer
    QCOMPARE(int(window.project().scenes.sceneCount), 2);
  }

  void commandLinePackOpensAfterEverythingExists() {
    const auto pack = packWithScenes("three.tsc", 3);
    MainWindow& window = started(pack);
    QCOMPARE(int(window.project().scenes.sceneCount), 3);
    QCOMPARE(window.windowTitle(), QString::fromStdString(pack.string()));
    QCOMPARE(window.recentFiles().count, 1);
    QCOMPARE(window.recentFiles().names[0], pack.string());
    QCOMPARE(window.scenesMenu()->actions().size(), 3 + 3);  // Add, Del last scene, separator
  }

  void missingOrDamagedPackOpensNothing() {
    MainWindow& window = started(file("missing.tsc"));
    QCOMPARE(dialogs_.messages.size(), std::size_t{2});  // no OpenGL, then the pack
    QVERIFY(lastMessage().find("missing.tsc") != std::string::npos);
    QCOMPARE(window.windowTitle(), QString("Tessarine v.2.4 beta 5"));
    QCOMPARE(window.recentFiles().count, 0);

    const auto damaged = file("damaged.tsc");
    QVERIFY(writeFileAtomically(damaged, "fontname:[micra.wbmp]\nsection:geometry_\n999\n").ok());
    trigger("Add");
    dialogs_.files.push_back(damaged);
    trigger("Load pack…");
    QVERIFY(lastMessage().find("damaged.tsc") != std::string::npos);
    QCOMPARE(int(window.project().scenes.sceneCount), 2);  // the project as it was
    QCOMPARE(window.scenesMenu()->actions().size(), 3 + 2);
  }

  void saveFailureSaysSoAndKeepsThePath() {
    MainWindow& window = started();
    dialogs_.files.push_back(file("no/such/folder/pack"));
    trigger("Save pack as…");
    QVERIFY(lastMessage().find("no/such/folder/pack.tsc") != std::string::npos);
    QCOMPARE(window.windowTitle(), QString("Tessarine v.2.4 beta 5"));

    dialogs_.files.push_back(file("saved"));
    trigger("Save pack as…");
    QVERIFY(std::filesystem::exists(file("saved.tsc")));
    QCOMPARE(window.windowTitle(), QString::fromStdString(file("saved.tsc").string()));
    const auto asked = dialogs_.fileCaptions.size();
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // Ctrl+S saves without asking
    QCOMPARE(dialogs_.fileCaptions.size(), asked);
  }

  void fileDialogsSwitchAutofocusOffWhileOpen() {
    MainWindow& window = started();
    int seen = -1;
    dialogs_.whileFileDialogOpen = [&] { seen = window.layout().autofocusOff; };
    trigger("Load texture");  // cancelled
    QCOMPARE(seen, 1);
    QCOMPARE(window.layout().autofocusOff, 0);
    seen = -1;
    trigger("Change Font...");  // the one dialog that leaves autofocus alone
    QCOMPARE(seen, 0);
  }

  void scenesMenuAndObjectCommands() {
    MainWindow& window = started();
    SceneStore& scenes = window.project().scenes;
    trigger("Add");
    trigger("Add");
    QCOMPARE(int(scenes.sceneCount), 3);
    QCOMPARE(int(scenes.currentScene), 2);
    QCOMPARE(window.window(ToolWindow::View3d)->windowTitle(),
             QString("3d view : angle xz: 0 scene:2 camera:0"));
    window.scenesMenu()->actions()[3 + 1]->trigger();  // scene "1"
    QCOMPARE(int(scenes.currentScene), 1);
    QVERIFY(window.scenesMenu()->actions()[3 + 1]->isChecked());
    QVERIFY(!window.scenesMenu()->actions()[3 + 2]->isChecked());

    trigger("torus");
    QCOMPARE(int(scenes.activeScene().objectCount), 2);
    QCOMPARE(int(scenes.activeObject().type), 13);
    trigger("Copy object");
    QCOMPARE(int(scenes.activeScene().objectCount), 3);
    trigger("Delete object");
    QCOMPARE(int(scenes.activeScene().objectCount), 2);

    dialogs_.confirmations = {false};
    trigger("Clear scene");
    QCOMPARE(int(scenes.activeScene().objectCount), 2);
    dialogs_.confirmations = {true};
    trigger("Clear scene");
    QCOMPARE(int(scenes.activeScene().objectCount), 1);

    trigger("Del last scene");
    QCOMPARE(int(scenes.sceneCount), 2);
    QCOMPARE(window.scenesMenu()->actions().size(), 3 + 2);
  }

  void windowTogglesAndTextureMaterialAutofocus() {
    MainWindow& window = started();
    for (const char* caption : {"Texture view", "Modifers", "Sample generator"}) {
      QAction* entry = window.action(caption);
      QVERIFY(entry->isChecked());
      entry->trigger();
      QVERIFY(!entry->isChecked());
      entry->trigger();
      QVERIFY(entry->isChecked());
    }
    trigger("3d");
    QVERIFY(!window.window(ToolWindow::View3d)->isVisible());
    QVERIFY(window.layout().hidden(ToolWindow::View3d));
    window.window(ToolWindow::Tracker)->close();  // closing a window hides it like the menu
    QVERIFY(!window.window(ToolWindow::Tracker)->isVisible());
    QVERIFY(window.layout().hidden(ToolWindow::Tracker));

    trigger("Texture and Material autofocus");
    QVERIFY(window.project().scenes.textureMaterialAutofocus);
    QVERIFY(window.action("Texture and Material autofocus")->isChecked());
  }

  void tabFiveTimesReturnsToSchemeZero() {
    MainWindow& window = started();
    WindowLayout layout = initialWindowLayout();
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
      layout.rects[rectSlot(ToolWindow::TextureView)] = {10 * scheme, 5, 10 * scheme + 200, 205};
      QVERIFY(writeFileAtomically(userFolder() / schemeFileName(scheme), encodeScheme(layout)).ok());
    }
    for (int press = 1; press <= 5; ++press) {
      QTest::keyClick(&window, Qt::Key_Tab);
      const int scheme = press % kSchemeCount;
      QCOMPARE(int(window.layout().schemeNumber), scheme);
      QCOMPARE(window.window(ToolWindow::TextureView)->geometry(), QRect(10 * scheme, 5, 200, 200));
    }
    QTest::keyClick(&window, Qt::Key_F3);
    QCOMPARE(int(window.layout().schemeNumber), 2);
  }

  void textureViewKeysGoToTheViewInsideTheMainWindow() {
    MainWindow& window = started();
    TextureViewWindow* view = window.textureView();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Tab, Qt::ControlModifier);  // not the window switcher
    QCOMPARE(window.session().textures().selectedOperation, int(texop::Empty));
    QTest::keyClick(view, Qt::Key_Tab);  // not the next window scheme
    QCOMPARE(window.session().textures().selectedOperation, int(texop::Cells));
    QCOMPARE(int(window.layout().schemeNumber), 0);
    QTest::keyClick(view, Qt::Key_F4);
    QCOMPARE(int(window.layout().schemeNumber), 3);
    QTest::keyClick(view, Qt::Key_9);  // a 32-pixel texture
    QCOMPARE(window.window(ToolWindow::TextureView)->size(), QSize(52, 92));
  }

  void view3dKeysReachItsControllerAndTitle() {
    MainWindow& window = started();
    View3dWindow* view = window.view3d();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_3);
    QCOMPARE(view->windowTitle(), QString("3d view | angle xz: 180"));
    QCOMPARE(view->accessibleName(), view->windowTitle());
    QCOMPARE(window.window(ToolWindow::View3d)->windowTitle(), view->windowTitle());

    // Tab and Ctrl+Tab step the current modifier's type: neither a scheme nor a window switch.
    SceneStore& scenes = window.project().scenes;
    scenes.activeModifiers().count = 1;
    scenes.currentModifier = 0;
    QTest::keyClick(view, Qt::Key_Tab);
    QTest::keyClick(view, Qt::Key_Tab);
    QTest::keyClick(view, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(int(scenes.activeModifiers().entries[0].code), 1);
    QCOMPARE(int(window.layout().schemeNumber), 0);
    QVERIFY(view->hasFocus());
  }

  void savedSchemeRestoresPlacesSizesAndShownWindows() {
    MainWindow& window = started();
    window.window(ToolWindow::View3d)->setGeometry(300, 20, 400, 300);
    window.window(ToolWindow::TextureView)->setGeometry(5, 6, 250, 280);
    window.window(ToolWindow::Objects)->move(950, 40);
    window.toggleAction(ToolWindow::Objects)->trigger();  // hidden
    window.action("Reset windows autofocus")->trigger();
    window.action("Opened windows")->trigger();  // puts the tracker at its scheme position
    window.window(ToolWindow::Tracker)->move(310, 520);
    const QRect view = window.window(ToolWindow::View3d)->geometry();
    trigger("Save scheme");
    QVERIFY(std::filesystem::file_size(userFolder() / "winpos1.twp") == 224);

    window.window(ToolWindow::View3d)->setGeometry(0, 0, 200, 200);
    window.window(ToolWindow::TextureView)->setGeometry(400, 400, 100, 100);
    window.window(ToolWindow::Tracker)->move(0, 0);
    window.toggleAction(ToolWindow::Objects)->trigger();  // shown again
    window.action("Set windows autofocus")->trigger();
    window.action("Zoomed windows")->trigger();
    trigger("Load scheme");

    QCOMPARE(window.window(ToolWindow::View3d)->geometry(), view);
    QCOMPARE(window.window(ToolWindow::TextureView)->geometry(), QRect(5, 6, 250, 280));
    QCOMPARE(window.window(ToolWindow::Tracker)->pos(), QPoint(310, 520));
    QCOMPARE(window.layout().autofocusOff, 1);
    QVERIFY(window.action("Reset windows autofocus")->isChecked());
    QVERIFY(window.action("Opened windows")->isChecked());
    QVERIFY(!window.action("Zoomed windows")->isChecked());
    QVERIFY(!window.window(ToolWindow::Objects)->isVisible());
    QVERIFY(!window.toggleAction(ToolWindow::Objects)->isChecked());
    QVERIFY(window.window(ToolWindow::Modifiers)->isVisible());
  }

  void collapsingLayoutFollowsThePointer() {
    MainWindow& window = started();
    QWidget* background = window.findChild<QMdiArea*>()->viewport();
    const QSize editor = window.window(ToolWindow::TextureEditor)->size();
    moveOver(background, QPoint(1100, 950));
    QCOMPARE(window.layout().focusedWindow, kFocusMainFrame);
    QCOMPARE(window.window(ToolWindow::TextureEditor)->size(), QSize(editor.width(), 75));
    QCOMPARE(window.window(ToolWindow::Modifiers)->size(), QSize(86, 237));

    QEvent enter(QEvent::Enter);  // the pointer comes to the texture editor
    QCoreApplication::sendEvent(window.window(ToolWindow::TextureEditor), &enter);
    QCOMPARE(window.layout().focusedWindow, kFocusTextureEditor);
    QCOMPARE(window.window(ToolWindow::TextureEditor)->size(), editor);
    QCOMPARE(window.window(ToolWindow::Modifiers)->size(), QSize(86, 237));

    window.action("Opened windows")->trigger();
    QCOMPARE(window.window(ToolWindow::Modifiers)->size(), QSize(300, 330));
    window.setFocus();
    moveOver(background, QPoint(1000, 900));
    QCOMPARE(window.window(ToolWindow::TextureEditor)->size(), editor);
  }

  void recentFileThreeSwapsWithNameOne() {
    MainWindow& window = started();
    const auto a = packWithScenes("a.tsc", 1), b = packWithScenes("b.tsc", 2),
               c = packWithScenes("c.tsc", 3);
    for (const auto& pack : {a, b, c}) {
      dialogs_.files.push_back(pack);
      trigger("Load pack…");
    }
    QCOMPARE(window.recentFiles().names[0], c.string());
    trigger(QString::fromStdString(a.string()));  // recent file 3
    QCOMPARE(int(window.project().scenes.sceneCount), 1);
    QCOMPARE(window.recentFiles().names[0], a.string());
    QCOMPARE(window.recentFiles().names[1], b.string());
    QCOMPARE(window.recentFiles().names[2], c.string());
    QCOMPARE(window.recentFiles().count, 3);

    std::string stored;
    QVERIFY(readWholeFile(userFolder() / "rf.tmp", stored).ok());
    QCOMPARE(stored, encodeRecentFiles(window.recentFiles()));
    const QList<QAction*> entries = qobject_cast<QMenu*>(window.action("Load pack…")->parent())->actions();
    QCOMPARE(entries.back()->text(), QString::fromStdString(c.string()));
  }

  void mergeAndCancelledMerge() {
    MainWindow& window = started();
    trigger("Merge packs");  // cancelled: nothing happens
    QCOMPARE(int(window.project().scenes.sceneCount), 1);
    dialogs_.files.push_back(packWithScenes("two.tsc", 2));
    trigger("Merge packs");
    QCOMPARE(int(window.project().scenes.sceneCount), 3);
    QCOMPARE(dialogs_.messages.back().title, std::string("Merging complete"));
    QCOMPARE(window.scenesMenu()->actions().size(), 3 + 3);
  }

  void reportsTexturesAndSmallFiles() {
    MainWindow& window = started();
    trigger("Statistics...");
    QCOMPARE(dialogs_.messages.back().title, std::string("Statistic"));
    QCOMPARE(lastMessage(), statisticText(window.project().scenes, window.project().textures.slots));
    QVERIFY(lastMessage().rfind("unused texture commands:", 0) == 0);

    dialogs_.files.push_back(std::filesystem::path(TESS_SOURCE_DIR) / "data/examples/lava.ttx");
    trigger("Load texture");
    const Texture& texture = window.project().textures.currentTexture();
    QVERIFY(texture.stageCount > 1);
    QCOMPARE(window.window(ToolWindow::TextureView)->windowTitle(),
             QString::number(texture.stageCount) + " texture stage");
    dialogs_.files.push_back(file("copy"));
    trigger("Save texture");
    std::string original, copy;
    QVERIFY(readWholeFile(std::filesystem::path(TESS_SOURCE_DIR) / "data/examples/lava.ttx", original).ok());
    QVERIFY(readWholeFile(file("copy.ttx"), copy).ok());
    QCOMPARE(copy.substr(copy.find("tsize")), original.substr(original.find("tsize")));

    dialogs_.files.push_back(file("textures"));
    trigger("Export texrures pack");
    std::string exported;
    QVERIFY(readWholeFile(file("textures"), exported).ok());
    QCOMPARE(exported, texturesPackText(window.project().scenes, window.project().textures.slots));

    dialogs_.files = {file("layer"), file("layer.tsl"), file("stone"), file("stone.tmt")};
    trigger("Save Scene");
    trigger("Load scene");
    trigger("Save material");
    trigger("Load material");
    QVERIFY(std::filesystem::exists(file("layer.tsl")) && std::filesystem::exists(file("stone.tmt")));
    dialogs_.files = {file("missing.tsl")};
    const auto before = dialogs_.messages.size();
    trigger("Load scene");
    QCOMPARE(dialogs_.messages.size(), before + 1);
    QVERIFY(lastMessage().find("missing.tsl") != std::string::npos);
  }

  void unsavedChangesAreAskedAbout() {
    const auto other = packWithScenes("other.tsc", 1);
    std::filesystem::create_directory(file("work"));
    const auto pack = packWithScenes("work/two.tsc", 2);
    MainWindow& window = started(pack);
    trigger("Add");
    QCOMPARE(window.windowTitle(), QString::fromStdString("*" + pack.string()));

    // Cancel leaves everything: no file dialog, no load, no merge.
    dialogs_.saveChoices = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Cancel};
    dialogs_.files = {other, other};
    trigger("Load pack…");
    trigger("Merge packs");
    window.openRecentFile(1);
    QCOMPARE(dialogs_.saveQuestions, std::vector<std::string>(3, "Save changes to two.tsc?"));
    QCOMPARE(dialogs_.files.size(), std::size_t{2});
    QCOMPARE(int(window.project().scenes.sceneCount), 3);
    QVERIFY(window.session().modified());

    // Discard loads.
    dialogs_.saveChoices = {SaveChoice::Discard};
    trigger("Load pack…");
    QCOMPARE(int(window.project().scenes.sceneCount), 1);
    QCOMPARE(window.windowTitle(), QString::fromStdString(other.string()));

    // A save that fails keeps the editor open with its changes; one that works closes it.
    window.openRecentFile(2);
    trigger("Add");
    std::filesystem::remove_all(file("work"));
    dialogs_.saveChoices = {SaveChoice::Save};
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(lastMessage().find("two.tsc") != std::string::npos);
    QVERIFY(window.session().modified());
    std::filesystem::create_directory(file("work"));
    window.writeRecovery();
    QVERIFY(std::filesystem::exists(file("state") / "tessarine" / "recovery.tsc"));
    dialogs_.saveChoices = {SaveChoice::Save};
    QVERIFY(window.close());
    EditorSession reread;
    QVERIFY(reread.openPack(pack).ok());
    QCOMPARE(int(reread.scenes().sceneCount), 3);
    QVERIFY(!std::filesystem::exists(file("state") / "tessarine" / "recovery.tsc"));
  }

  void recoveryIsOfferedAtTheNextStart() {
    const auto pack = packWithScenes("two.tsc", 2);
    const auto recovery = file("state") / "tessarine" / "recovery.tsc";
    const auto endWithChanges = [&] {
      MainWindow& first = started(pack);
      trigger("Add");
      first.writeRecovery();
      window_.reset();  // as if the editor crashed
    };

    endWithChanges();
    dialogs_.recoveryAnswers = {true};
    MainWindow& restored = started(pack);
    QCOMPARE(dialogs_.recoveryQuestions.size(), std::size_t{1});
    QVERIFY(dialogs_.recoveryQuestions[0].find(pack.string()) != std::string::npos);
    QVERIFY(dialogs_.saveQuestions.empty());  // the same pack is not loaded over the copy
    QCOMPARE(int(restored.project().scenes.sceneCount), 3);
    QCOMPARE(restored.windowTitle(), QString::fromStdString("*" + pack.string()));
    trigger("Save pack");
    QVERIFY(!std::filesystem::exists(recovery));

    endWithChanges();
    dialogs_.recoveryAnswers = {false};
    MainWindow& discarded = started();
    QCOMPARE(int(discarded.project().scenes.sceneCount), 1);
    QVERIFY(!std::filesystem::exists(recovery));

    // A copy older than its pack is not offered; a clean exit removes it.
    endWithChanges();
    packWithScenes("two.tsc", 2);
    const auto questions = dialogs_.recoveryQuestions.size();
    MainWindow& newer = started();
    QCOMPARE(dialogs_.recoveryQuestions.size(), questions);
    QVERIFY(newer.close());
    QVERIFY(!std::filesystem::exists(recovery));
  }

  void terminationKeepsUnsavedChanges() {
    const auto pack = packWithScenes("two.tsc", 2);
    MainWindow& window = started(pack);
    TerminationWatch watch;
    connect(&watch, &TerminationWatch::requested, &window, &MainWindow::terminate);
    trigger("Add");
    ::raise(SIGTERM);
    QTRY_VERIFY(!window.isVisible());
    QVERIFY(dialogs_.saveQuestions.empty());
    const auto state = file("state") / "tessarine";
    std::string note;
    QVERIFY(readWholeFile(state / "recovery.info", note).ok());
    QVERIFY(note.ends_with("pack " + pack.string() + "\n"));
    EditorSession reread;
    QVERIFY(reread.openPack(state / "recovery.tsc").ok());
    QCOMPARE(int(reread.scenes().sceneCount), 3);
  }

  void helpOpensInItsOwnWindowAndFollowsLinks() {
    started();
    openHelp();
    HelpWindow* help = window_->helpWindow();
    QVERIFY(help && help->isVisible());
    HelpBrowser* browser = help->browser();
    QVERIFY(browser->source().toLocalFile().endsWith("help/index.html"));
    QCOMPARE(help->windowTitle(), QString("Contents – Tessarine help"));
    QAction* back = helpAction(*help, "Back");
    QAction* forward = helpAction(*help, "Forward");
    QVERIFY(!back->isEnabled() && !forward->isEnabled());

    // The keyboard reaches the first link and follows it, as a click would.
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    const QUrl linked = browser->source();
    QVERIFY2(linked.toLocalFile().endsWith("help/files.html"), qPrintable(linked.toString()));
    QVERIFY(browser->toPlainText().contains("Complex pack"));
    QVERIFY(back->isEnabled());
    back->trigger();
    QVERIFY(browser->source().toLocalFile().endsWith("help/index.html"));
    forward->trigger();
    QCOMPARE(browser->source(), linked);

    openHelp();  // the same window again
    QCOMPARE(window_->helpWindow(), help);
  }

  void missingHelpSaysWhereItLooked() {
    const QByteArray data = qgetenv("TESSARINE_DATA_DIR");
    ::setenv("TESSARINE_DATA_DIR", file("empty").c_str(), 1);
    started();
    openHelp();
    ::setenv("TESSARINE_DATA_DIR", data.constData(), 1);
    const QString page = window_->helpWindow()->browser()->toPlainText();
    QVERIFY2(page.contains("Help page missing"), qPrintable(page));
    QVERIFY(page.contains(QString::fromStdString((file("empty") / "help" / "index.html").string())));
  }

 private:
  // "Help" of the menu "Help" (whose own entry in the menu bar has the same caption).
  void openHelp() {
    QAction* menu = window_->action("Help");
    QVERIFY(menu && menu->menu());
    menu->menu()->actions().value(0)->trigger();
  }
  static QAction* helpAction(const HelpWindow& help, const QString& caption) {
    for (QAction* action : help.findChildren<QAction*>())
      if (action->text() == caption) return action;
    return nullptr;
  }
};

}  // namespace tess

QTEST_MAIN(tess::MainWindowTest)
#include "main_window_test.moc"
