#include "editor/editor_session.hpp"

#include "core/folders.hpp"
#include "scene/object_operations.hpp"
#include "texture/bitmap_font.hpp"

namespace tess {

EditorSession::EditorSession(std::ostream& diagnostics) : diagnostics_(diagnostics) {}

EditorSession::~EditorSession() {
  // The music stops before the stores it plays along with go.
  music_.reset();
  sound_.reset();
}

void EditorSession::startBlankProject() {
  loadBitmapFont(dataFolder() / scenes_->fontName, textures_->font);
  undo_.take(*scenes_);
}

MusicPlayer& EditorSession::music() {
  if (!music_) music_ = std::make_unique<MusicPlayer>(diagnostics_);
  return *music_;
}

SoundOutput& EditorSession::sound() {
  if (!sound_) sound_ = std::make_unique<SoundOutput>(diagnostics_);
  return *sound_;
}

int EditorSession::subscribe(Subscriber subscriber) {
  const int id = nextSubscriber_++;
  subscribers_.emplace(id, std::move(subscriber));
  return id;
}

void EditorSession::unsubscribe(int id) { subscribers_.erase(id); }

void EditorSession::publish(Changes changes) {
  if (changes.any(kDocumentContent) && !modified_) {
    modified_ = true;
    changes |= Change::Document;
  }
  deliver(changes);
}

void EditorSession::deliver(Changes changes) {
  if (changes.empty()) return;
  // A subscriber may unsubscribe (a window closing) while it is called.
  const auto subscribers = subscribers_;
  for (const auto& [id, subscriber] : subscribers)
    if (subscribers_.contains(id)) subscriber(changes);
}

bool EditorSession::act(Changes changes, bool acted) {
  if (acted) publish(changes);
  return acted;
}

bool EditorSession::undo() {
  return act(kObjectEdit | Change::Scenes | Change::CurrentScene, undo_.undo(*scenes_));
}

std::filesystem::path withExtension(const std::filesystem::path& chosen,
                                    std::string_view extension) {
  if (extension.empty() || chosen.string().ends_with(extension)) return chosen;
  std::filesystem::path named = chosen;
  named += std::string(extension);
  return named;
}

}  // namespace tess
