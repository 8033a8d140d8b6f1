// Unsaved work: the recovery copy, the offer to restore it, and ending the program without losing
// changes.
#include <QApplication>
#include <QCloseEvent>
#include <iostream>

#include "app/main_window.hpp"

namespace tess {

bool MainWindow::offerRecovery() {
  const std::optional<RecoveryNote> pending = session_.pendingRecovery();
  if (!pending) return false;
  if (!services_.dialogs->offerRecovery(recoveryQuestion(*pending))) {
    session_.discardRecovery();
    return false;
  }
  const Outcome restored = session_.restoreRecovery(*pending);
  report(restored);
  return restored.ok();
}

void MainWindow::openAtStart(const std::optional<std::filesystem::path>& pack) {
  const bool restored = offerRecovery();
  // A restored copy of the same pack is newer than the file; another pack is opened after the
  // question about the restored changes.
  std::error_code missing;
  if (restored && pack && std::filesystem::equivalent(*pack, session_.packPath(), missing)) return;
  if (pack && settleUnsavedChanges()) report(session_.openPack(*pack));
}

void MainWindow::writeRecovery() {
  if (const Status written = session_.writeRecovery(); !written.ok())
    std::cerr << "tessarine: recovery copy: " << written.message << "\n";
}

void MainWindow::terminate() {
  if (session_.modified())
    writeRecovery();
  else
    session_.discardRecovery();
  terminating_ = true;
  QApplication::closeAllWindows();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A termination request that arrives while the question is open still ends the program.
  if (terminating_ || settleUnsavedChanges() || terminating_) {
    if (!terminating_) session_.discardRecovery();
    recoveryTimer_.stop();
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace tess
