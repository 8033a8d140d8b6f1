// The modifiers window's controls and pop-up wired to its model, on Qt's offscreen platform.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "editor/editor_session.hpp"
#include "ui/modifiers_window.hpp"

namespace tess {

class ModifiersWindowTest : public QObject {
  Q_OBJECT

 private:
  EditorSession session_;
  std::unique_ptr<ModifiersWindow> window_;

  template <typename Control>
  Control* named(const QString& name, QObject* in = nullptr) {
    for (Control* control : (in ? in : window_.get())->findChildren<Control*>())
      if (control->accessibleName() == name) return control;
    return nullptr;
  }

  void click(const QString& caption) {
    QPushButton* button = named<QPushButton>(caption);
    QVERIFY2(button, qPrintable("no button " + caption));
    QTest::mouseClick(button, Qt::LeftButton);
  }

  const Modifier& current() {
    return session_.scenes().activeModifiers().entries[session_.scenes().currentModifier];
  }

 private Q_SLOTS:
  void init() {
    session_.scenes().activeModifiers().count = 0;
    session_.scenes().currentModifier = -1;
    window_ = std::make_unique<ModifiersWindow>(session_);
    window_->show();
  }

  void groupButtonOpensItsPopUpWhoseItemsSetTheCode() {
    click("Create");
    QCOMPARE(named<QLineEdit>("count")->text(), "1");
    QCOMPARE(named<QLineEdit>("№")->text(), "0");

    click("F");
    QVERIFY(named<QPushButton>("•F•"));
    QMenu* form = named<QMenu>("form", window_->modifierMenu());
    QVERIFY(form);
    QTRY_VERIFY(form->isVisible());
    QMenu* twistBend = named<QMenu>("twist/bend", form);
    QVERIFY(twistBend);
    for (QAction* item : twistBend->actions())
      if (item->text() == "twist y") item->trigger();
    QCOMPARE(int(current().code), int(modcode::TwistY));
    QCOMPARE(named<QListWidget>("code")->currentRow(), int(modcode::TwistY));
    QVERIFY(named<QLabel>("force"));
    QCOMPARE(named<QListWidget>("Log:")->item(0)->text(), "0   twist y");

    form->actions().front()->trigger();  // "..."
    QVERIFY(named<QPushButton>("F"));
  }

  void typingStoresValuesInsideTheirRangeOnly() {
    click("Create");
    QLineEdit* p5 = named<QLineEdit>("p5");
    QVERIFY(p5);
    p5->setFocus();
    p5->selectAll();
    QTest::keyClicks(p5, "12");
    QCOMPARE(int(current().p5), 12);
    QTest::keyClicks(p5, "8");  // 128 is out of range
    QCOMPARE(int(current().p5), 12);
    QCOMPARE(p5->text(), "128");
    QTest::keyClick(p5, Qt::Key_Return);
    QCOMPARE(p5->text(), "12");

    click("+");  // the first "+" steps p5
    QCOMPARE(int(current().p5), 13);
    QCOMPARE(p5->text(), "13");
  }

  void showsWhatOtherCommandsChange() {
    ModifiersModel elsewhere(session_);
    elsewhere.create();
    elsewhere.create();
    QCOMPARE(named<QLineEdit>("count")->text(), "2");
    QCOMPARE(named<QListWidget>("Log:")->count(), 2);
    QCOMPARE(named<QListWidget>("Log:")->currentRow(), 0);

    named<QListWidget>("Log:")->setCurrentRow(1);
    QCOMPARE(session_.scenes().currentModifier, 0);
    click("Delete");
    click("Delete");
    QCOMPARE(named<QLineEdit>("count")->text(), "");
    QCOMPARE(named<QLineEdit>("№")->text(), "");
    QVERIFY(!named<QLineEdit>("p1")->isEnabled());
  }
};

}  // namespace tess

QTEST_MAIN(tess::ModifiersWindowTest)
#include "modifiers_window_test.moc"
