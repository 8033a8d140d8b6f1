// The editor's frames with a real renderer: one after each change, and frame after frame only
// while the clock moves the picture.
#include <QTest>
#include <stdlib.h>

#include "app/main_window.hpp"
#include "scene/modifier_codes.hpp"
#include "scripted_dialogs.hpp"
#include "test_folder.hpp"

namespace tess {

class FramePacingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestFolder> folder_;
  ScriptedDialogs::Shared dialogs_;

  // Frames drawn over a while with nothing happening.
  static long framesDuring(const MainWindow& window, int milliseconds) {
    const long before = window.framesDrawn();
    QTest::qWait(milliseconds);
    return window.framesDrawn() - before;
  }

 private Q_SLOTS:
  void init() {
    folder_ = std::make_unique<TestFolder>();
    ::setenv("XDG_CONFIG_HOME", (folder_->path() / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (folder_->path() / "share").c_str(), 1);
  }
  void cleanup() { folder_.reset(); }

  void stillScenesRestAndMovingOnesKeepDrawing() {
    EditorServices services;
    services.dialogs = std::make_unique<ScriptedDialogs>(dialogs_);
    MainWindow window(std::move(services));
    window.show();
    window.start(std::nullopt);
    if (!window.graphics()) QSKIP("no headless OpenGL 3.3 here");
    EditorSession& session = window.session();

    // The first frame, then nothing while the still sphere stays as it is.
    QTRY_COMPARE(window.framesDrawn(), 1L);
    QCOMPARE(framesDuring(window, 300), 0L);
    // Changes draw once; changes that do not show draw nothing.
    session.publish(Change::Materials);
    session.publish(Change::Materials);
    QTRY_COMPARE(window.framesDrawn(), 2L);
    QCOMPARE(framesDuring(window, 300), 0L);
    session.publish(Change::RecentFiles | Change::Samples);
    QCOMPARE(framesDuring(window, 300), 0L);

    // An animated list moves the picture with the clock.
    ModifierList& list = session.scenes().activeScene().modifiers[0];
    list.entries[list.count++] = Modifier{64, 64, 64, 0, 0, modcode::AnimaSine};
    session.publish(Change::Modifiers);
    QTRY_VERIFY_WITH_TIMEOUT(framesDuring(window, 500) >= 2, 20000);

    // Frozen animation (key A in the 3D view) rests again; playback draws whatever the switch says.
    window.view3dController().keyDown(View3dKey::A, {});
    QVERIFY(window.view3dDisplay().toggles().animationFrozen);
    QTRY_VERIFY_WITH_TIMEOUT(framesDuring(window, 300) == 0, 20000);
    session.play(0);
    QTRY_VERIFY_WITH_TIMEOUT(framesDuring(window, 500) >= 2, 20000);
    session.stopPlayback();
    QTRY_VERIFY_WITH_TIMEOUT(framesDuring(window, 300) == 0, 20000);
  }
};

}  // namespace tess

QTEST_MAIN(tess::FramePacingTest)
#include "frame_pacing_test.moc"
