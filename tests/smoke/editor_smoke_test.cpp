// The real editor on a real (virtual) X display: it opens the example project, renders frames
// into the 3D view and quits cleanly.
#include <QImage>
#include <QProcess>
#include <QTest>
#include <memory>
#include <set>
#include <stdlib.h>

#include "app/main_window.hpp"
#include "test_folder.hpp"
#include "ui/view3d_window.hpp"

namespace tess {
namespace {

const std::filesystem::path kExample = std::filesystem::path(TESS_SOURCE_DIR) / "data/examples/demo.tsc";

int distinctColours(const QImage& picture) {
  std::set<QRgb> colours;
  for (int y = 0; y < picture.height(); y += 2)
    for (int x = 0; x < picture.width(); x += 2) colours.insert(picture.pixel(x, y));
  return static_cast<int>(colours.size());
}

bool undoFolderLeft(const std::filesystem::path& runtime) {
  for (const auto& entry : std::filesystem::directory_iterator(runtime))
    if (entry.path().filename().string().starts_with("tessarine-undo")) return true;
  return false;
}

}  // namespace

class EditorSmokeTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Each run starts without a recovery copy from an earlier one, which would be offered first.
  void init() {
    state_ = std::make_unique<TestFolder>();
    ::setenv("XDG_STATE_HOME", state_->path().c_str(), 1);
  }

  void rendersTheExampleIntoThe3dView() {
    std::filesystem::path undoFolder;
    {
      MainWindow window{EditorServices{}};
      window.showMaximized();
      QVERIFY(window.start(kExample));
      undoFolder = window.project().undo.folder();
      QVERIFY(std::filesystem::exists(undoFolder / "1"));
      QTest::qWait(2000);  // idle frames
      const QImage picture = window.view3d()->grab().toImage();
      QVERIFY(picture.width() > 100 && picture.height() > 100);
      const int colours = distinctColours(picture);
      QVERIFY2(colours > 50, qPrintable(QString("only %1 colours in the 3D view").arg(colours)));
    }
    QVERIFY(!std::filesystem::exists(undoFolder));
  }

  void theProgramQuitsCleanlyWhenAskedTo() {
    TestFolder runtime;
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
    editor.setProcessEnvironment(environment);
    editor.setProcessChannelMode(QProcess::ForwardedChannels);
    editor.start(QString::fromStdString((std::filesystem::path(TESS_BINARY_DIR) / "bin/tessarine").string()),
                 {QString::fromStdString(kExample.string())});
    QVERIFY(editor.waitForStarted());
    QVERIFY(!editor.waitForFinished(5000));  // still running after loading and rendering
    QVERIFY(undoFolderLeft(runtime.path()));
    editor.terminate();
    QVERIFY(editor.waitForFinished(10000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);
    QVERIFY(!undoFolderLeft(runtime.path()));
    QVERIFY(!std::filesystem::exists(state_->path() / "tessarine" / "recovery.tsc"));  // unchanged
  }

 private:
  std::unique_ptr<TestFolder> state_;
};

}  // namespace tess

QTEST_MAIN(tess::EditorSmokeTest)
#include "editor_smoke_test.moc"
