// The sample generator window's controls reach its model and show what it says.
#include "ui/sample_generator_window.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "core/file_io.hpp"
#include "editor/editor_session.hpp"
#include "test_folder.hpp"

namespace tess {

class SampleGeneratorWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<EditorSession> session_;
  std::unique_ptr<SampleGeneratorWindow> window_;
  std::optional<std::filesystem::path> answer_;
  std::vector<std::int32_t> autofocusWhileAsking_;
  std::vector<std::string> errors_;

  template <typename Control>
  Control* control(const QString& name) {
    for (Control* found : window_->findChildren<Control*>())
      if (found->accessibleName() == name) return found;
    QTest::qFail(qPrintable("no control " + name), __FILE__, __LINE__);
    return nullptr;
  }

  QStringList entries() {
    QStringList texts;
    QListWidget* commands = control<QListWidget>("commands");
    for (int i = 0; i < commands->count(); ++i) texts << commands->item(i)->text();
    return texts;
  }

 private Q_SLOTS:
  void init() {
    session_ = std::make_unique<EditorSession>();
    SampleWindowDialogs dialogs;
    dialogs.chooseFile = [this](const SampleFileRequest&) {
      autofocusWhileAsking_.push_back(session_->layout().autofocusOff);
      return answer_;
    };
    dialogs.showError = [this](const std::string& text) { errors_.push_back(text); };
    window_ = std::make_unique<SampleGeneratorWindow>(*session_, std::move(dialogs));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    window_.reset();
    session_.reset();
  }

  void addShowsTheNewCommandWithItsRows() {
    QCOMPARE(window_->windowTitle(), QString("Sample generator [BETA!]"));
    QVERIFY(!control<QSlider>("p1")->isVisible());
    QTest::mouseClick(control<QPushButton>("Add"), Qt::LeftButton);
    QCOMPARE(entries(), QStringList{"00:Sinus(0,0,0)"});
    QCOMPARE(control<QListWidget>("commands")->currentRow(), 0);
    QCOMPARE(control<QLabel>("fname")->text(), QString("Sinus"));
    QCOMPARE(control<QListWidget>("operations")->currentRow(), 0);
    QVERIFY(control<QSlider>("p3")->isVisible());
    QVERIFY(!control<QSlider>("p4")->isVisible());
    QCOMPARE(control<QSlider>("p1")->maximum(), 1760);
    QCOMPARE(control<QSlider>("p1")->accessibleDescription(), QString("частота"));
    QCOMPARE(control<QListWidget>("operations")->count(), 29);
  }

  void slidersEditsAndButtonsChangeTheCurrentCommand() {
    QTest::mouseClick(control<QPushButton>("Add"), Qt::LeftButton);
    control<QSlider>("p1")->setValue(440);
    QCOMPARE(entries(), QStringList{"00:Sinus(440,0,0)"});
    QCOMPARE(control<QLineEdit>("p1")->text(), QString("440"));

    control<QSlider>("zoom")->setValue(40);  // the view only
    QCOMPARE(entries(), QStringList{"00:Sinus(440,0,0)"});

    QLineEdit* amplitude = control<QLineEdit>("p2");
    amplitude->setFocus();
    amplitude->selectAll();
    QTest::keyClicks(amplitude, "999");
    QCOMPARE(amplitude->text(), QString("255"));
    QCOMPARE(control<QSlider>("p2")->value(), 255);
    QTest::mouseClick(control<QToolButton>("p2 -"), Qt::LeftButton);
    QCOMPARE(entries(), QStringList{"00:Sinus(440,254,0)"});

    QListWidget* operations = control<QListWidget>("operations");
    operations->setCurrentRow(4);  // "Saw"
    QCOMPARE(entries(), QStringList{"00:Saw(440,255,0)"});
    QCOMPARE(control<QLabel>("fname")->text(), QString("Saw"));
  }

  void aRefusedLoadSaysWhyWithAutofocusOffWhileAsking() {
    TestFolder folder;
    QVERIFY(writeFileAtomically(folder.path() / "broken.tsp", "not a pack").ok());
    answer_ = folder.path() / "broken.tsp";
    QTest::mouseClick(control<QPushButton>("load sample pack"), Qt::LeftButton);
    QCOMPARE(autofocusWhileAsking_, std::vector<std::int32_t>{1});
    QCOMPARE(session_->layout().autofocusOff, 0);
    QCOMPARE(errors_.size(), std::size_t{1});
    QVERIFY(errors_[0].find("broken.tsp") != std::string::npos);
  }
};

}  // namespace tess

QTEST_MAIN(tess::SampleGeneratorWindowTest)
#include "sample_generator_window_test.moc"
