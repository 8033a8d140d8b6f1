#pragma once

// The player's window: SDL2 video with an OpenGL 3.3 core context, presented in step with the
// display's refresh, the pointer hidden.

#include <memory>
#include <optional>
#include <string>

#include "core/frame_size.hpp"

struct SDL_Window;

namespace tess {

class PlayerWindow {
 public:
  // Full screen on the desktop's display mode, or a window of `size`; its context current on this
  // thread. Nothing, with error saying why, without a display or an OpenGL 3.3 core context.
  static std::unique_ptr<PlayerWindow> open(const std::string& title,
                                            std::optional<FrameSize> size, std::string& error);
  ~PlayerWindow();
  PlayerWindow(const PlayerWindow&) = delete;
  PlayerWindow& operator=(const PlayerWindow&) = delete;

  // The size of the drawing area in pixels.
  FrameSize drawableSize() const;
  // Shows what was drawn: at the next refresh with vertical sync, else no sooner than one
  // refresh interval after the last frame.
  void present();

 private:
  PlayerWindow() = default;

  SDL_Window* window_ = nullptr;
  void* context_ = nullptr;
  bool initialised_ = false;
  bool synced_ = false;        // swap interval 1 took
  double refreshMs_ = 1000.0 / 60;
  double lastPresent_ = 0;
};

}  // namespace tess
