#include "editor/unsaved_changes.hpp"

namespace tess {

std::string documentTitle(const EditorSession& session, std::string_view programTitle) {
  const std::string name =
      session.hasPackPath() ? session.packPath().string() : std::string(programTitle);
  return session.modified() ? "*" + name : name;
}

std::string saveChangesQuestion(const EditorSession& session) {
  const std::string name =
      session.hasPackPath() ? session.packPath().filename().string() : "Untitled";
  return "Save changes to " + name + "?";
}

bool settleUnsavedChanges(EditorSession& session, const UnsavedChangesPrompts& prompts) {
  if (!session.modified()) return true;
  switch (prompts.ask(saveChangesQuestion(session))) {
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    case SaveChoice::Save: break;
  }
  Outcome saved;
  if (session.hasPackPath()) {
    saved = session.savePack();
  } else {
    const std::optional<std::filesystem::path> chosen = prompts.choosePackPath();
    if (!chosen) return false;
    saved = session.savePackAs(*chosen);
  }
  prompts.report(saved);
  return saved.ok();
}

}  // namespace tess
