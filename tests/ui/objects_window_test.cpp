// The objects window's controls reach the model, and the window follows what the session reports.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "editor/editor_session.hpp"
#include "scene/scene_codes.hpp"
#include "ui/objects_window.hpp"

namespace tess {

class ObjectsWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<EditorSession> session_;
  std::unique_ptr<ObjectsWindow> window_;

  template <typename Control = QWidget>
  Control* control(const QString& name, int which = 0) {
    int seen = 0;
    for (auto* found : window_->findChildren<Control*>())
      if (found->accessibleName() == name && seen++ == which) return found;
    [&] { QFAIL(qPrintable("no control named " + name)); }();
    return nullptr;
  }
  SceneObject& current() { return session_->scenes().activeObject(); }

 private Q_SLOTS:
  void init() {
    session_ = std::make_unique<EditorSession>();
    session_->startBlankProject();
    session_->layout().focusedWindow = kFocusObjects;
    window_ = std::make_unique<ObjectsWindow>(*session_);
    window_->resize(480, 560);
    window_->show();
  }
  void cleanup() {
    window_.reset();
    session_.reset();
  }

  void everyControlHasItsName() {
    for (const char* name : {"№", "<", ">", "|<", ">|", "type", "Create", "Copy", "Delete", "posX",
                             "posY", "posZ", "x", "y", "z", "all", "size", "normal", "segU", "segV",
                             "blend", "mosaic1", "mosaic2", "texture", "material", "clone type",
                             "cloneCount", "–", "+", "cloneCoeff1", "cloneCoeff2", "Set ctrl obj",
                             "Reset ctrl obj", "locCS", "glCS", "objects list/log:", "up", "down"})
      QVERIFY(control(name));
    QCOMPARE(control<QComboBox>("type")->count(), kObjectTypeCount);
    QCOMPARE(control<QComboBox>("blend")->count(), kBlendModeCount);
    QCOMPARE(control<QComboBox>("clone type")->count(), kCloneTypeCount);
    QCOMPARE(control<QComboBox>("texture")->count(), kTextureSlotCount);
    QCOMPARE(control<QSlider>("size", 0)->maximum(), 127);
    QCOMPARE(control<QSlider>("size", 1)->maximum(), 255);
    QCOMPARE(control<QPushButton>("x")->text(), QString("[x]"));
  }

  void buttonsAndListSelectObjects() {
    QTest::mouseClick(control("Create"), Qt::LeftButton);
    QTest::mouseClick(control("Copy"), Qt::LeftButton);
    auto* list = control<QListWidget>("objects list/log:");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QString("2:sphere"));
    QCOMPARE(control<QLabel>("№")->text(), QString("2"));
    QTest::mouseClick(control("|<"), Qt::LeftButton);
    QCOMPARE(list->currentRow(), 2);
    QTest::mouseClick(control(">"), Qt::LeftButton);
    QCOMPARE(control<QLabel>("№")->text(), QString("1"));
    list->setCurrentRow(0);
    QCOMPARE(session_->scenes().activeObjectIndex(), 2);
    Q_EMIT control<QComboBox>("type")->activated(objtype::Torus);
    QCOMPARE(list->item(0)->text(), QString("2:torus"));
  }

  void typedValuesApplyAndUndoShowsTheFormerOnes() {
    session_->undoSnapshots().restart(session_->scenes());
    auto* x = control<QLineEdit>("posX");
    x->clear();
    QTest::keyClicks(x, "-4a");  // "-" and "-4a" are not numbers
    QCOMPARE(current().posX, -4);
    QCOMPARE(x->text(), QString("-4a"));
    auto* count = control<QLineEdit>("cloneCount");
    count->clear();
    QTest::keyClicks(count, "3");
    QCOMPARE(session_->scenes().activeClone().cloneCount, 3);
    QTest::mouseClick(control("–"), Qt::LeftButton);
    QCOMPARE(count->text(), QString("2"));

    QVERIFY(session_->undo());
    QCOMPARE(count->text(), QString("3"));
    while (session_->undo()) {
    }
    QCOMPARE(x->text(), QString("0"));
  }

  void sizeControlsFollowTheAxis() {
    current().sizeY = 300;
    QTest::mouseClick(control("y"), Qt::LeftButton);
    QCOMPARE(control<QPushButton>("y")->text(), QString("[y]"));
    QCOMPARE(control<QPushButton>("x")->text(), QString("x"));
    QCOMPARE(control<QSlider>("size", 0)->value(), 1);
    QCOMPARE(control<QSlider>("size", 1)->value(), 44);
    control<QSlider>("size", 1)->setValue(0);
    QCOMPARE(current().sizeY, 256);
    QCOMPARE(control<QLineEdit>("size")->text(), QString("256"));
  }

  void draggingTheBackgroundMovesTheWindow() {
    QWidget area;
    auto* host = new QWidget(&area);  // stands for the sub-window frame that moves
    window_->setParent(host);
    area.resize(600, 700);
    area.show();
    QWidget* background = nullptr;
    for (auto* box : window_->findChildren<QGroupBox*>())
      if (box->title() == "size:") background = box;
    QVERIFY(background);
    const QPoint before = host->pos();
    QTest::mousePress(background, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(background, QPoint(22, 12));
    QTest::mouseRelease(background, Qt::LeftButton, {}, QPoint(22, 12));
    QCOMPARE(host->pos(), before + QPoint(20, 10));
    window_->setParent(nullptr);  // the test still owns it
  }

  void groupButtonsShowTheControlMode() {
    QVERIFY(!control("Reset ctrl obj")->isVisibleTo(window_.get()));
    QTest::mouseClick(control("locCS"), Qt::LeftButton);
    QCOMPARE(control<QPushButton>("locCS")->text(), QString("*locCS"));
    QVERIFY(control("Reset ctrl obj")->isVisibleTo(window_.get()));
    QTest::mouseClick(control("Reset ctrl obj"), Qt::LeftButton);
    QCOMPARE(control<QPushButton>("locCS")->text(), QString("locCS"));
    QVERIFY(!control("Reset ctrl obj")->isVisibleTo(window_.get()));
  }
};

}  // namespace tess

QTEST_MAIN(tess::ObjectsWindowTest)
#include "objects_window_test.moc"
