#pragma once

// What the editor does before a command would drop unsaved changes (closing, loading or merging
// a pack, opening a recent file): it asks "Save changes to NAME?" and acts on the answer.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editor/editor_session.hpp"

namespace tess {

enum class SaveChoice { Save, Discard, Cancel };

// The main window's title: the pack's path, or the program's title for a project never saved,
// with "*" in front while the project has unsaved changes.
std::string documentTitle(const EditorSession& session, std::string_view programTitle);

// "Save changes to NAME?", NAME being the pack's file name ("Untitled" before the first save).
std::string saveChangesQuestion(const EditorSession& session);

struct UnsavedChangesPrompts {
  std::function<SaveChoice(const std::string& question)> ask;
  // The path "Save pack as…" chooses for a project never saved; none when cancelled.
  std::function<std::optional<std::filesystem::path>()> choosePackPath;
  // Tells the user how a save went.
  std::function<void(const Outcome&)> report;
};

// Whether the command may go on: the project has no unsaved changes, the user discarded them,
// or saved them successfully. Cancel, a cancelled path dialog or a failed save keep everything.
bool settleUnsavedChanges(EditorSession& session, const UnsavedChangesPrompts& prompts);

}  // namespace tess
