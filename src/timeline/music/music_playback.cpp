#include "timeline/music/music_playback.hpp"

namespace tess {

std::filesystem::path modulePathFor(const std::filesystem::path& sound,
                                    const std::filesystem::path& pack) {
  if (sound.empty() || sound.is_absolute() || pack.empty()) return sound;
  return pack.parent_path() / sound;
}

Status playWithMusic(Timeline& timeline, const SceneStore& store,
                     const std::filesystem::path& module, MusicPlayer& music, double now) {
  startPlayback(timeline, store, 0, now);
  music.unload();
  if (module.empty()) return Status::failure("no music file chosen");
  if (Status loaded = music.load(module); !loaded.ok()) return loaded;
  if (!music.hasOutput()) return Status::failure("no audio output");
  music.play();
  return Status::success();
}

void stopWithMusic(Timeline& timeline, SceneStore& store, MusicPlayer& music) {
  music.unload();
  stopPlayback(timeline, store);
}

}  // namespace tess
