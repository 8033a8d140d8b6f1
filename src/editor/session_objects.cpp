// The session's scene and object commands, as the "Scenes" and "Objects" menus and the 3D view
// call them.
#include "editor/editor_session.hpp"
#include "scene/object_operations.hpp"
#include "scene/scene_operations.hpp"

namespace tess {
namespace {

// A pick may also select the object's material and texture (autofocus).
constexpr Changes kPick = Change::Objects | Change::CurrentObject | Change::CurrentModifier |
                          Change::CurrentMaterial | Change::CurrentTexture | Change::Stages;

}  // namespace

bool EditorSession::addScene() {
  return act(Change::Scenes | kSceneSwitch, tess::addScene(*scenes_));
}

bool EditorSession::deleteLastScene() {
  return act(Change::Scenes | kSceneSwitch, tess::deleteLastScene(*scenes_));
}

bool EditorSession::selectScene(int scene) {
  return act(kSceneSwitch, tess::selectScene(*scenes_, scene));
}

bool EditorSession::createObject(int type) { return act(kObjectEdit, tess::createObject(project_, type)); }

bool EditorSession::copyObject() { return act(kObjectEdit, tess::copyObject(project_)); }

bool EditorSession::deleteObject() { return act(kObjectEdit | kPick, tess::deleteObject(project_)); }

bool EditorSession::cloneGroup() { return act(kObjectEdit, tess::cloneGroup(project_)); }

bool EditorSession::ungroup() { return act(kObjectEdit, tess::ungroup(project_)); }

void EditorSession::armControlPick() { tess::armControlPick(*scenes_); }

bool EditorSession::resetControlObject() {
  return act(Change::Objects, tess::resetControlObject(project_));
}

bool EditorSession::applyPick(std::optional<int> picked) {
  return picked && act(kPick, pickObject(project_, *picked));
}

}  // namespace tess
