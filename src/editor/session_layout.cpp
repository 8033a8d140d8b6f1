// The session's window schemes, layout modes and recent packs.
#include "core/folders.hpp"
#include "editor/editor_session.hpp"

namespace tess {

bool EditorSession::chooseScheme(int scheme) {
  if (scheme < 0 || scheme >= kSchemeCount) return false;
  layout_.schemeNumber = static_cast<std::int8_t>(scheme);
  return loadScheme();
}

bool EditorSession::loadScheme() {
  std::string bytes;
  WindowLayout read = layout_;
  if (!readWholeFile(userOrDataFile(schemeFileName(layout_.schemeNumber)), bytes).ok() ||
      !decodeScheme(bytes, read))
    return false;
  layout_ = read;
  publish(Change::Layout);
  return true;
}

Outcome EditorSession::saveScheme() {
  return {writeFileAtomically(userFolder() / schemeFileName(layout_.schemeNumber),
                              encodeScheme(layout_)),
          std::nullopt};
}

void EditorSession::setWindowsOpened(bool opened) {
  layout_.windowsOpened = opened ? 1 : 0;
  publish(Change::Layout);
}

void EditorSession::setAutofocusOff(bool off) {
  layout_.autofocusOff = off ? 1 : 0;
  publish(Change::Layout);
}

void EditorSession::toggleTextureMaterialAutofocus() {
  scenes_->textureMaterialAutofocus = !scenes_->textureMaterialAutofocus;
  publish(Change::Layout);
}

void EditorSession::setWindowShown(ToolWindow window, bool shown) {
  layout_.windowHidden[hiddenSlot(window)] = shown ? 0 : 1;
  publish(Change::Layout);
}

bool EditorSession::setFocusedWindow(int focus) {
  if (layout_.focusedWindow == focus) return false;
  layout_.focusedWindow = focus;
  publish(Change::Layout);
  return true;
}

void EditorSession::readRecentFiles() {
  std::string bytes;
  readWholeFile(userOrDataFile(kRecentFilesName), bytes);
  recent_ = decodeRecentFiles(bytes);
  publish(Change::RecentFiles);
}

Outcome EditorSession::writeRecentFiles() {
  return {writeFileAtomically(userFolder() / kRecentFilesName, encodeRecentFiles(recent_)),
          std::nullopt};
}

}  // namespace tess
