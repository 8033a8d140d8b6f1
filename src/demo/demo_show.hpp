#pragma once

// A pack opened for showing, as the player and the video export show it: the session that holds
// the project, the device textures its regeneration filled and the renderer that draws its frames
// without the editor's guides.

#include <filesystem>
#include <iosfwd>
#include <memory>

#include "core/file_io.hpp"
#include "editor/editor_session.hpp"
#include "engine/gl/frame_renderer.hpp"
#include "engine/texture_images.hpp"

namespace tess {

class DemoShow {
 public:
  // Loads the pack on the device (its context current), regenerating every texture into it.
  // Notices go to err as lines naming the file; when regeneration takes longer than half a second
  // a progress line follows it there (rewritten in place when err is a terminal). Nothing, with
  // status saying why, when the pack does not load.
  static std::unique_ptr<DemoShow> open(const std::filesystem::path& pack, gl::RenderDevice& device,
                                        std::ostream& err, bool terminal, Status& status);
  ~DemoShow();
  DemoShow(const DemoShow&) = delete;
  DemoShow& operator=(const DemoShow&) = delete;

  EditorSession& session() { return session_; }
  gl::FrameRenderer& renderer() { return renderer_; }

  // The module the pack's "sound" field names (empty when it names none).
  std::filesystem::path musicPath();
  // Milliseconds the show lasts: until the last non-empty row of the timeline has played, or
  // the music (musicSeconds long) has, whichever is later.
  double length(double musicSeconds);
  // Starts the timeline from row 0 at show time 0, as "play with music" does (without the music).
  void start();
  // Back to the state the show starts from, as the pack loaded: playback stopped (what it changed
  // given back), the initial row speed and camera slot 0 live, so that a show played again
  // repeats exactly.
  void rewind();
  // Evaluates the playing timeline at show time `milliseconds`, as every frame starts.
  void advanceTo(double milliseconds);
  // The current scene through the live camera, with modifiers at `milliseconds` of the show.
  void drawFrame(double milliseconds);

 private:
  DemoShow(gl::RenderDevice& device, std::filesystem::path pack);

  std::filesystem::path pack_;
  EditorSession session_;
  TextureImages images_;
  gl::FrameRenderer renderer_;
};

}  // namespace tess
