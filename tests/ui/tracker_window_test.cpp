// The tracker window's controls wired to its model, on Qt's offscreen platform.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <stdlib.h>

#include "core/clock.hpp"
#include "editor/editor_session.hpp"
#include "test_folder.hpp"
#include "ui/tracker_window.hpp"

namespace tess {

class TrackerWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestFolder> folder_;
  std::unique_ptr<EditorSession> session_;
  std::unique_ptr<TrackerWindow> window_;
  ManualClock clock_;
  std::vector<std::filesystem::path> chosen_;  // what the file dialog answers, in turn
  bool dialogOpenSeen_ = false;

  template <typename Control>
  Control* control(const QString& name) const {
    for (Control* found : window_->findChildren<Control*>())
      if (found->accessibleName() == name) return found;
    return nullptr;
  }
  QListWidget* rows() const { return control<QListWidget>("rows"); }
  QLineEdit* edit(const QString& name) const { return control<QLineEdit>(name); }
  void click(const QString& caption) {
    QPushButton* button = control<QPushButton>(caption);
    QVERIFY2(button, qPrintable("no button " + caption));
    QTest::mouseClick(button, Qt::LeftButton);
  }

 private Q_SLOTS:
  void init() {
    folder_ = std::make_unique<TestFolder>();
    ::setenv("XDG_CONFIG_HOME", (folder_->path() / "config").c_str(), 1);
    session_ = std::make_unique<EditorSession>();
    session_->useClock(clock_);
    session_->tracker().events[5] = {trackcmd::SetScn, 3, 0, 0, 0};
    window_ = std::make_unique<TrackerWindow>(*session_, [this](QWidget*, const std::filesystem::path&) {
      // The pointer over the window does not take the focus while the dialog is open.
      session_->setFocusedWindow(kFocusMainFrame);
      QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
      QCoreApplication::sendEvent(window_.get(), &enter);
      dialogOpenSeen_ = session_->layout().focusedWindow == kFocusMainFrame;
      std::optional<std::filesystem::path> answer;
      if (!chosen_.empty()) answer = chosen_.front(), chosen_.erase(chosen_.begin());
      return answer;
    });
    window_->resize(640, 300);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() {
    window_.reset();
    session_.reset();
    folder_.reset();
  }

  void controlsAreNamedAndTheListShowsEveryRow() {
    for (const char* name : {"p1", "p2", "p3", "p4", "sound"}) QVERIFY2(edit(name), name);
    for (const char* caption : {"play", "stop", "play with music", "...", "ins", "del", "clr", "x2"})
      QVERIFY2(control<QPushButton>(caption) && control<QPushButton>(caption)->isVisible(), caption);
    QVERIFY(!control<QPushButton>("STD")->isVisible());
    QCOMPARE(control<QPushButton>("...")->toolTip(), QString("click to load sound file"));
    QCOMPARE(rows()->count(), 1000);
    QCOMPARE(rows()->item(5)->text(), QString(" 0005\tSetScn\t3,0,0,0"));
    QCOMPARE(control<QComboBox>("command")->count(), 12);

    // The pointer over the window makes it the active tool window.
    session_->setFocusedWindow(kFocusMainFrame);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(window_.get(), &enter);
    QCOMPARE(session_->layout().focusedWindow, focusValue(ToolWindow::Tracker));
  }

  void editingTheSelectedRowAndInserting() {
    rows()->setCurrentRow(5);
    QCOMPARE(control<QComboBox>("command")->currentText(), QString("SetScn"));
    QCOMPARE(edit("p1")->text(), QString("3"));

    edit("p1")->setFocus();
    edit("p1")->selectAll();
    QTest::keyClicks(edit("p1"), "300");
    QCOMPARE(rows()->item(5)->text(), QString(" 0005\tSetScn\t44,0,0,0"));
    QCOMPARE(edit("p1")->text(), QString("300"));  // what was typed stays while typing

    click("ins");
    QCOMPARE(rows()->item(5)->text(), QString(" 0005\t.......\t0,0,0,0"));
    QCOMPARE(rows()->item(6)->text(), QString(" 0006\tSetScn\t44,0,0,0"));
    QCOMPARE(rows()->currentRow(), 5);
    QCOMPARE(edit("p1")->text(), QString("0"));

    Q_EMIT control<QComboBox>("command")->activated(2);
    QCOMPARE(rows()->item(5)->text(), QString(" 0005\tSetCam\t0,0,0,0"));
  }

  void theSelectionFollowsThePlayingRowWithoutTakingTheFocus() {
    rows()->setCurrentRow(3);
    click("play");
    edit("p2")->setFocus();
    for (int ms = 16; ms <= 1024; ms += 16) session_->advancePlayback(ms);
    QCOMPARE(rows()->currentRow(), 5);
    QCOMPARE(edit("p1")->text(), QString("3"));
    QCOMPARE(QApplication::focusWidget(), edit("p2"));
    click("stop");
    QVERIFY(!session_->playing());

    // A pack load refreshes the rows and keeps the selected row.
    session_->tracker().events[5] = {};
    session_->publish(kWholeProject);
    QCOMPARE(rows()->item(5)->text(), QString(" 0005\t.......\t0,0,0,0"));
    QCOMPARE(rows()->currentRow(), 5);
  }

  void theSoundFileAndWhyMusicDoesNotPlay() {
    chosen_ = {"/music/tune.xm"};
    click("...");
    QVERIFY(dialogOpenSeen_);
    QCOMPARE(edit("sound")->text(), QString("/music/tune.xm"));
    click("...");  // cancelled: the file stays
    QCOMPARE(edit("sound")->text(), QString("/music/tune.xm"));

    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    click("play with music");
    QVERIFY(session_->playing());
    QVERIFY(control<QLabel>("status")->text().contains("playing without music"));
    QCOMPARE(rows()->currentRow(), 0);
  }
};

}  // namespace tess

QTEST_MAIN(tess::TrackerWindowTest)
#include "tracker_window_test.moc"
