// The texture editor's and the texture view's controls wired to their models, on Qt's offscreen
// platform.
#include "ui/texture_editor_window.hpp"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <deque>
#include <memory>

#include "editor/editor_session.hpp"
#include "editor/texture_view_model.hpp"
#include "ui/texture_view_window.hpp"

namespace tess {

class TextureEditorWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<EditorSession> session_;
  std::unique_ptr<TextureEditorWindow> editor_;
  std::deque<bool> answers_;
  int published_ = 0;

  template <typename Control>
  Control* control(const QString& name) const {
    for (Control* child : editor_->findChildren<Control*>())
      if (child->accessibleName() == name) return child;
    return nullptr;
  }
  void click(const QString& caption) {
    QPushButton* button = control<QPushButton>(caption);
    QVERIFY2(button, qPrintable("no button " + caption));
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QListWidget* stages() const { return control<QListWidget>("stages"); }
  TextureStore& store() { return session_->textures(); }

 private Q_SLOTS:
  void init() {
    session_ = std::make_unique<EditorSession>();
    session_->subscribe([this](Changes) { ++published_; });
    TextureEditorPrompts prompts;
    prompts.confirm = [this](const std::string&, const std::string& text) {
      if (text != "Clear texture?" || answers_.empty()) return false;
      const bool ok = answers_.front();
      answers_.pop_front();
      return ok;
    };
    editor_ = std::make_unique<TextureEditorWindow>(*session_, prompts);
    editor_->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
    control<QListWidget>("operations")->setCurrentRow(texop::Circle);
    QCOMPARE(store().selectedOperation, static_cast<int>(texop::Circle));
  }
  void cleanup() {
    editor_.reset();
    session_.reset();
  }

  void sliderDragRunsTheNewestPositionOnce() {
    QSlider* radius = control<QSlider>("p3");
    QVERIFY(radius && radius->isVisible());
    QCOMPARE(radius->accessibleDescription(), QString("rad"));
    QVERIFY(!control<QSlider>("p7")->isVisible());  // Circle has six rows

    published_ = 0;
    for (int value : {40, 50, 60}) radius->setValue(value);
    QCOMPARE(published_, 0);
    QCOMPARE(control<QLineEdit>("p3")->text(), QString("60"));
    QTRY_COMPARE(published_, 1);
    QCOMPARE(store().sliders[2], 60);
    QCOMPARE(store().operations[texop::Circle].values[2], 60);
  }

  void okAddsAStageListLineAndChangeModeSwitchesButtons() {
    click("OK");
    click("OK");
    QCOMPARE(stages()->count(), 2);
    QCOMPARE(stages()->item(0)->text(), QString("2Circle"));

    stages()->setCurrentRow(1);
    QCOMPARE(store().displayedStage, 1);
    click("Change");
    QVERIFY(!control<QPushButton>("Insert")->isEnabled());
    QVERIFY(!control<QPushButton>("Clear All")->isEnabled());
    QVERIFY(control<QPushButton>("prerender")->isVisible());
    QCOMPARE(stages()->currentRow(), 1);
    click("OK");
    QVERIFY(control<QPushButton>("Delete")->isEnabled());
    QVERIFY(!control<QPushButton>("prerender")->isVisible());
    QCOMPARE(store().selectedOperation, 0);
  }

  void clearAllAsksFirst() {
    click("OK");
    answers_ = {false};
    click("Clear All");
    QCOMPARE(stages()->count(), 1);
    answers_ = {true};
    click("Clear All");
    QCOMPARE(stages()->count(), 0);
  }

  void slotFieldTakesOnlySlotNumbers() {
    QLineEdit* slot = control<QLineEdit>("slot");
    slot->clear();
    QTest::keyClicks(slot, "300");  // 3, 30, then a number no slot has
    QCOMPARE(store().current, 30);
    slot->selectAll();
    QTest::keyClicks(slot, "12");
    QCOMPARE(store().current, 12);
    click(">");
    QCOMPARE(slot->text(), QString("13"));
  }

  void viewKeysReachTheEditor() {
    TextureViewModel model(*session_);
    TextureViewWindow view(model);
    view.resize(256, 256);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::keyClick(&view, Qt::Key_Tab);
    QCOMPARE(store().selectedOperation, static_cast<int>(texop::AddParticle));
    QCOMPARE(control<QListWidget>("operations")->currentRow(),
             static_cast<int>(texop::AddParticle));

    // Holding "2" turns the wheel into the second parameter's control: 5 notches, 12 steps.
    QTest::keyPress(&view, Qt::Key_2);
    QWheelEvent wheel(QPointF(10, 10), view.mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, 120 * 5), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &wheel);
    QTest::keyRelease(&view, Qt::Key_2);
    QTRY_COMPARE(control<QLineEdit>("p2")->text(), QString("140"));
    QCOMPARE(model.view().zoom, 64);

    QTest::keyClick(&view, Qt::Key_M);
    QCOMPARE(control<QListWidget>("operations")->currentRow(), static_cast<int>(texop::Mixer));
  }
};

}  // namespace tess

QTEST_MAIN(tess::TextureEditorWindowTest)
#include "texture_editor_window_test.moc"
