// tessarine [options] [PACK.tsc]: the editor.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <csignal>
#include <iostream>

#include "app/command_line.hpp"
#include "app/main_window.hpp"
#include "app/program_icon.hpp"

namespace {

volatile std::sig_atomic_t quitRequested = 0;

// A termination request (logout, kill) ends the program in order, so the undo folder goes too.
void requestQuit(int) { quitRequested = 1; }

}  // namespace

int main(int argc, char** argv) {
  const tess::EditorCommandLine commandLine = tess::readEditorCommandLine(argc, argv, std::cout, std::cerr);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  QApplication application(argc, argv);
  QApplication::setWindowIcon(tess::programIcon());
  std::signal(SIGTERM, requestQuit);
  std::signal(SIGINT, requestQuit);

  tess::EditorServices services;
  services.program = std::filesystem::absolute(QApplication::applicationFilePath().toStdString());
  tess::MainWindow window(std::move(services));
  // Watched from the start, so a request also closes a message box shown during start-up.
  QTimer quitWatch;
  QObject::connect(&quitWatch, &QTimer::timeout, [] {
    if (quitRequested) QApplication::closeAllWindows();
  });
  quitWatch.start(100);

  // Without a window manager (a bare X server) "maximised" means nothing: take the screen anyway.
  if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
  window.showMaximized();
  if (!window.start(commandLine.pack)) return 1;
  return QApplication::exec();
}
