// tessarine-player: shows a pack's timeline with its music, as "play with music" plays it in
// the editor, on a window of its own without the editor's guides.

#include <SDL.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "core/clock.hpp"
#include "demo/demo_show.hpp"
#include "player/player_options.hpp"
#include "player/player_window.hpp"
#include "scene/pack_files.hpp"
#include "timeline/music/music_playback.hpp"

namespace tess {
namespace {

constexpr int kExitBadInput = 1;
constexpr int kExitUsage = 2;

// Reads the pack without regenerating it, so that a missing or damaged one is refused before a
// window opens.
Status checkPack(const std::filesystem::path& pack) {
  EditorSession scratch;
  PackLoadOptions options;
  options.regenerateTextures = false;
  return loadPack(scratch.project(), pack, options).status;
}

// The largest 4:3 picture in the window: the projection is made for a 4:3 screen, so other window
// shapes get black borders instead of a stretched picture.
FrameSize pictureSize(FrameSize window) {
  if (window.width * 3 > window.height * 4) return {window.height * 4 / 3, window.height};
  return {window.width, window.width * 3 / 4};
}

class Player {
 public:
  Player(DemoShow& show, gl::RenderDevice& device, PlayerWindow& window, bool loop)
      : show_(show), device_(device), window_(window), loop_(loop), clock_(steady_),
        music_(show.session().music()) {}

  // Plays until a quit key, the window's close or (without looping) the end of the show.
  void run() {
    start();
    const double length = show_.length(music_.durationSeconds());
    while (handleEvents()) {
      if (!clock_.paused()) {
        double now = playback_.at(clock_.milliseconds() - origin_, &music_);
        if (length > 0 && now >= length) {
          if (!loop_) return;
          start();
          now = 0;
        }
        show_.advanceTo(now);
        show_.drawFrame(now);
      }
      const FrameSize size = window_.drawableSize();
      device_.presentToWindow(size.width, size.height);
      window_.present();
    }
  }

 private:
  void start() {
    show_.rewind();
    playMusic();
    origin_ = clock_.milliseconds();
    playback_.start(0);
  }

  void playMusic() {
    EditorSession& session = show_.session();
    const std::filesystem::path module = show_.musicPath();
    const Status music = playWithMusic(session.timeline(), session.scenes(), module, music_, 0);
    if (!music.ok() && !module.empty() && !musicFailureTold_) {
      std::cerr << music.message << "; playing without music\n";
      musicFailureTold_ = true;
    }
  }

  // False once the player should quit.
  bool handleEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      if (event.type == SDL_QUIT) return false;
      if (event.type != SDL_KEYDOWN || event.key.repeat) continue;
      const SDL_Keycode key = event.key.keysym.sym;
      if (key == SDLK_ESCAPE || key == SDLK_q) return false;
      if (key == SDLK_SPACE) {
        const bool pause = !clock_.paused();
        clock_.setPaused(pause);
        music_.setPaused(pause);
      }
    }
    return true;
  }

  DemoShow& show_;
  gl::RenderDevice& device_;
  PlayerWindow& window_;
  bool loop_;
  SteadyClock steady_;
  PausableClock clock_;  // frame clock: stands still while paused
  MusicPlayer& music_;
  PlaybackClock playback_;
  double origin_ = 0;
  bool musicFailureTold_ = false;
};

int play(const PlayerOptions& options) {
  const std::string pack = options.pack.string();
  if (Status checked = checkPack(options.pack); !checked.ok()) {
    std::cerr << checked.message << "\n";
    return kExitBadInput;
  }
  std::string error;
  const auto window = PlayerWindow::open("Tessarine: " + options.pack.filename().string(),
                                         options.window, error);
  const FrameSize size = window ? pictureSize(window->drawableSize()) : FrameSize{};
  const auto device = window ? gl::CreateRenderDevice(size.width, size.height, error) : nullptr;
  if (!device) {
    std::cerr << "tessarine-player: cannot show '" << pack << "': " << error << "\n";
    return kExitBadInput;
  }
  Status opened;
  const auto show = DemoShow::open(options.pack, *device, std::cerr, ::isatty(STDERR_FILENO), opened);
  if (!show) {
    std::cerr << opened.message << "\n";
    return kExitBadInput;
  }
  Player(*show, *device, *window, options.loop).run();
  return 0;
}

}  // namespace
}  // namespace tess

int main(int argc, char** argv) {
  std::string message;
  const auto options = tess::readPlayerOptions(std::vector<std::string>(argv + 1, argv + argc), message);
  if (!options) {
    std::cerr << "tessarine-player: " << message << "\n" << tess::kPlayerUsage;
    return tess::kExitUsage;
  }
  if (options->help) {
    std::cout << tess::kPlayerUsage;
    return 0;
  }
  return tess::play(*options);
}
