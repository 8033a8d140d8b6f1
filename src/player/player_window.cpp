#include "player/player_window.hpp"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace tess {

namespace {

double steadyMilliseconds() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

std::unique_ptr<PlayerWindow> PlayerWindow::open(const std::string& title,
                                                 std::optional<FrameSize> size,
                                                 std::string& error) {
  std::unique_ptr<PlayerWindow> window(new PlayerWindow);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = std::string("no display (") + SDL_GetError() + ")";
    return nullptr;
  }
  window->initialised_ = true;
  // SDL falls back on drivers that show nothing when there is no display.
  const std::string driver = SDL_GetCurrentVideoDriver();
  if (driver == "offscreen" || driver == "dummy" || driver == "evdev") {
    error = "no display (only SDL's " + driver + " video driver)";
    return nullptr;
  }
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);  // the renderer draws into its own buffers
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI;
  FrameSize area = size.value_or(FrameSize{640, 480});
  SDL_DisplayMode desktop{};
  if (!size) {
    // Desktop-sized and borderless as well, for window managers (or none) that ignore the
    // full-screen request.
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) area = {desktop.w, desktop.h};
  }
  window->window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     area.width, area.height, flags);
  if (window->window_ == nullptr) {
    error = std::string("no OpenGL 3.3 window (") + SDL_GetError() + ")";
    return nullptr;
  }
  window->context_ = SDL_GL_CreateContext(window->window_);
  if (window->context_ == nullptr) {
    error = std::string("no OpenGL 3.3 core context (") + SDL_GetError() + ")";
    return nullptr;
  }
  window->synced_ = SDL_GL_SetSwapInterval(1) == 0;
  SDL_DisplayMode mode{};
  if (SDL_GetWindowDisplayMode(window->window_, &mode) == 0 && mode.refresh_rate > 0)
    window->refreshMs_ = 1000.0 / mode.refresh_rate;
  SDL_ShowCursor(SDL_DISABLE);
  return window;
}

PlayerWindow::~PlayerWindow() {
  if (context_ != nullptr) SDL_GL_DeleteContext(context_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

FrameSize PlayerWindow::drawableSize() const {
  FrameSize size;
  SDL_GL_GetDrawableSize(window_, &size.width, &size.height);
  return size;
}

void PlayerWindow::present() {
  SDL_GL_SwapWindow(window_);
  if (synced_) return;
  // Without vertical sync (a virtual display, a driver that refuses it) frames are paced so as
  // not to draw more of them than the display can show.
  const double next = lastPresent_ + refreshMs_;
  const double now = steadyMilliseconds();
  if (now < next)
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(next - now));
  lastPresent_ = std::max(now, next);
}

}  // namespace tess
