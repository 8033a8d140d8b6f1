#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/user_dialogs.hpp"

namespace tess {

// Dialogs that answer from a script and remember every message box, for driving the main window
// without a user.
class ScriptedDialogs final : public UserDialogs {
 public:
  struct Message {
    std::string title, text;
    Icon icon;
  };
  struct Shared {
    std::deque<std::optional<std::filesystem::path>> files;  // answers of open and save dialogs
    std::deque<bool> confirmations;
    // Answers to "Save changes to NAME?" (Discard when the script has none left) and the
    // questions asked.
    std::deque<SaveChoice> saveChoices;
    std::vector<std::string> saveQuestions;
    std::deque<bool> recoveryAnswers;  // true: "Restore"; "Discard" when none are left
    std::vector<std::string> recoveryQuestions;
    std::vector<Message> messages;
    std::vector<std::string> fileCaptions;
    std::function<void()> whileFileDialogOpen;
  };

  explicit ScriptedDialogs(Shared& shared) : shared_(shared) {}

  std::optional<std::filesystem::path> openFile(const std::string& caption,
                                                const FileFilter&) override {
    return answer(caption);
  }
  std::optional<std::filesystem::path> saveFile(const std::string& caption,
                                                const FileFilter&) override {
    return answer(caption);
  }
  void message(const std::string& title, const std::string& text, Icon icon) override {
    shared_.messages.push_back({title, text, icon});
  }
  bool confirm(const std::string&, const std::string&) override {
    return next(shared_.confirmations, false);
  }
  SaveChoice askSaveChanges(const std::string& question) override {
    shared_.saveQuestions.push_back(question);
    return next(shared_.saveChoices, SaveChoice::Discard);
  }
  bool offerRecovery(const std::string& question) override {
    shared_.recoveryQuestions.push_back(question);
    return next(shared_.recoveryAnswers, false);
  }

 private:
  template <typename Answer>
  static Answer next(std::deque<Answer>& script, Answer otherwise) {
    if (script.empty()) return otherwise;
    const Answer answer = script.front();
    script.pop_front();
    return answer;
  }
  std::optional<std::filesystem::path> answer(const std::string& caption) {
    shared_.fileCaptions.push_back(caption);
    if (shared_.whileFileDialogOpen) shared_.whileFileDialogOpen();
    if (shared_.files.empty()) return std::nullopt;
    auto chosen = shared_.files.front();
    shared_.files.pop_front();
    return chosen;
  }
  Shared& shared_;
};

}  // namespace tess
