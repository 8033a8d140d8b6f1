// tessarine [options] [PACK.tsc]: the editor.
#include <QApplication>
#include <QScreen>
#include <iostream>

#include "app/command_line.hpp"
#include "app/main_window.hpp"
#include "app/program_icon.hpp"
#include "app/termination_watch.hpp"

int main(int argc, char** argv) {
  const tess::EditorCommandLine commandLine = tess::readEditorCommandLine(argc, argv, std::cout, std::cerr);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  QApplication application(argc, argv);
  QApplication::setWindowIcon(tess::programIcon());

  tess::EditorServices services;
  services.program = std::filesystem::absolute(QApplication::applicationFilePath().toStdString());
  tess::MainWindow window(std::move(services));
  // A termination request (logout, kill) ends the program in order, so the undo folder goes and
  // unsaved changes are kept for recovery. Watched from the start, so a request also closes a
  // message box shown during start-up.
  tess::TerminationWatch termination;
  QObject::connect(&termination, &tess::TerminationWatch::requested, &window,
                   &tess::MainWindow::terminate);

  // Without a window manager (a bare X server) "maximised" means nothing: take the screen anyway.
  if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
  window.showMaximized();
  if (!window.start(commandLine.pack)) return 1;
  if (!window.isVisible()) return 0;  // ended during start-up
  return QApplication::exec();
}
