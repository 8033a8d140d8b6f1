// The material editor's controls wired to the current material, on Qt's offscreen platform.
#include "ui/material_editor_window.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <deque>

#include "editor/editor_session.hpp"
#include "ui/colour_swatch.hpp"
#include "ui/mdi_window.hpp"

namespace tess {

class MaterialEditorWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<EditorSession> session_;
  std::unique_ptr<MaterialEditorWindow> window_;
  std::deque<std::optional<QColor>> answers_;  // what the colour chooser answers
  std::vector<QColor> starts_;                 // the colours it started from
  int notifications_ = 0;

  Material& material() { return session_->scenes().materials[session_->scenes().currentMaterial]; }

  template <typename Control>
  Control* control(const QString& name) {
    for (Control* found : window_->findChildren<Control*>())
      if (found->accessibleName() == name) return found;
    qFatal("no control named %s", qPrintable(name));
  }

 private Q_SLOTS:
  void init() {
    session_ = std::make_unique<EditorSession>();
    session_->subscribe([this](Changes) { ++notifications_; });
    notifications_ = 0;
    answers_.clear();
    starts_.clear();
    window_ =
        std::make_unique<MaterialEditorWindow>(*session_, [this](const QColor& start, QWidget*) {
          starts_.push_back(start);
          auto answer = answers_.front();
          answers_.pop_front();
          return answer;
        });
    window_->show();
  }
  void cleanup() {
    window_.reset();
    session_.reset();
  }

  void slidersAndListsEditTheMaterial() {
    control<QSlider>("diffuse red")->setValue(64);
    QCOMPARE(material().surface.diffuse.r, 1.0f);
    QCOMPARE(control<ColourSwatch>("diffuse colour")->colour(), QColor(255, 0, 0));

    auto* blending = control<QComboBox>("stage 2 blending");
    QCOMPARE(blending->currentText(), QString("none"));
    blending->setFocus();
    QTest::keyClick(blending, Qt::Key_Down);
    QCOMPARE(material().stage2Blend, 1);

    // Typing a name stores it; the objects window hears of it through the session.
    const int before = notifications_;
    QTest::keyClicks(control<QLineEdit>("name"), "gold");
    QCOMPARE(material().name, std::string("gold"));
    QCOMPARE(notifications_, before + 4);

    // The pickers offer the names the slots have when they open.
    session_->textures().slots[3].name = "bricks";
    auto* map = control<QComboBox>("map");
    QCOMPARE(map->itemText(3), QString("3"));
    map->showPopup();
    QCOMPARE(map->itemText(3), QString("bricks"));
    QCOMPARE(map->currentIndex(), 1);
    map->hidePopup();
  }

  void swatchesAskForAColour() {
    answers_ = {std::nullopt, QColor(255, 255, 255)};
    material().surface.ambient = {0.5f, 0.25f, 0.0f, 0.0f};
    session_->publish(Change::Materials);
    auto* swatch = control<ColourSwatch>("ambient colour");
    QCOMPARE(swatch->toolTip(), QString("click to select color"));

    const Material before = material();
    const int notified = notifications_;
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(starts_.at(0), QColor(128, 64, 0));
    QVERIFY(material() == before);
    QCOMPARE(notifications_, notified);

    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(material().surface.ambient.g, 0.99609375f);
    QCOMPARE(control<QSlider>("ambient green")->value(), 63);
  }

  void showsTheMaterialOtherCommandsSelect() {
    session_->scenes().materials[1].displaceDepth = 40;
    QTest::mouseClick(control<QPushButton>(">"), Qt::LeftButton);
    QCOMPARE(control<QLabel>("№")->text(), QString("1"));
    QCOMPARE(control<QSlider>("depth")->value(), 40);

    session_->scenes().currentMaterial = 7;
    session_->scenes().materials[7].name = "glass";
    session_->publish(Change::CurrentMaterial);
    QCOMPARE(control<QLineEdit>("name")->text(), QString("glass"));
  }

  // A collapsed window shows the top of its controls at their size, not squeezed.
  void collapsesToAStrip() {
    auto* name = control<QLineEdit>("name");
    MdiWindow frame(window_.release(), "Material editor");
    frame.show();
    frame.resize(300, 50);
    QCOMPARE(frame.height(), 50);
    QCOMPARE(name->height(), name->sizeHint().height());
  }
};

}  // namespace tess

QTEST_MAIN(tess::MaterialEditorWindowTest)
#include "material_editor_window_test.moc"
