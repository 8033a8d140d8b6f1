#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "editor/unsaved_changes.hpp"

class QWidget;

namespace tess {

// A file-dialog filter: "Tessarine Texture" with pattern "*.ttx".
struct FileFilter {
  std::string name;
  std::string pattern;
};

// The dialogs and message boxes the main window asks the user with. The editor shows Qt's; tests
// answer from a script.
class UserDialogs {
 public:
  enum class Icon { Information, Error };
  virtual ~UserDialogs() = default;
  // The chosen existing file; nothing when cancelled.
  virtual std::optional<std::filesystem::path> openFile(const std::string& caption,
                                                        const FileFilter& filter) = 0;
  // The chosen file name, after the user agreed to overwrite an existing file; nothing when
  // cancelled.
  virtual std::optional<std::filesystem::path> saveFile(const std::string& caption,
                                                        const FileFilter& filter) = 0;
  virtual void message(const std::string& title, const std::string& text, Icon icon) = 0;
  // OK / Cancel; true for OK.
  virtual bool confirm(const std::string& title, const std::string& text) = 0;
  // Save / Discard / Cancel before unsaved changes would be lost.
  virtual SaveChoice askSaveChanges(const std::string& question) = 0;
  // "Restore" / "Discard" for the recovery copy found at start; true for "Restore", which closing
  // the box also means, so that no copy is lost by a slip.
  virtual bool offerRecovery(const std::string& question) = 0;
};

// The real dialogs, parented to a window.
std::unique_ptr<UserDialogs> makeQtDialogs(QWidget* parent);

}  // namespace tess
