#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// The eight windows the "Windows" menu toggles and window schemes place.
enum class ToolWindow {
  View3d,
  Objects,
  Modifiers,
  TextureEditor,
  TextureView,
  MaterialEditor,
  Tracker,
  SampleGenerator,
};
inline constexpr int kToolWindowCount = 8;
inline constexpr std::array<ToolWindow, kToolWindowCount> kToolWindows = {
    ToolWindow::View3d,      ToolWindow::Objects,        ToolWindow::Modifiers,
    ToolWindow::TextureEditor, ToolWindow::TextureView,  ToolWindow::MaterialEditor,
    ToolWindow::Tracker,     ToolWindow::SampleGenerator};

// A rectangle in pixels of the window area, right and bottom exclusive.
struct LayoutRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  // A scheme file may hold any coordinates: a span beyond the int range saturates.
  int width() const { return span(left, right); }
  int height() const { return span(top, bottom); }
  bool operator==(const LayoutRect&) const = default;

 private:
  static int span(std::int32_t from, std::int32_t to) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{to} - from, INT32_MIN, INT32_MAX));
  }
};

struct WindowSize {
  int width = 0, height = 0;
  bool operator==(const WindowSize&) const = default;
};

inline constexpr int kLayoutSlots = 12;
inline constexpr int kNoSlot = -1;
// Values of focusedWindow: the tool window autofocus expanded, or the main frame.
inline constexpr int kFocusNone = 0;
inline constexpr int kFocusTextureEditor = 2;
inline constexpr int kFocusObjects = 3;
inline constexpr int kFocusModifiers = 4;
inline constexpr int kFocusMaterialEditor = 6;
inline constexpr int kFocusMainFrame = 255;

// Where each window keeps its flags in the 12-slot tables of a scheme file.
int hiddenSlot(ToolWindow window);  // windowHidden
int rectSlot(ToolWindow window);    // scheme rectangles; kNoSlot for the sample generator
int pinSlot(ToolWindow window);     // windowPinned; kNoSlot for windows that never collapse
// The focusedWindow value that expands the window; kFocusNone for windows autofocus leaves.
int focusValue(ToolWindow window);

// Window schemes, the hidden and pinned windows and the two layout modes, as the main frame keeps
// them. A scheme file holds all of it but schemeNumber and focusedWindow.
struct WindowLayout {
  std::array<LayoutRect, kLayoutSlots> rects{};
  std::array<std::uint8_t, kLayoutSlots> windowPinned{};
  std::array<std::uint8_t, kLayoutSlots> windowHidden{};
  std::int32_t autofocusOff = 0;
  std::int32_t windowsOpened = 0;
  std::int8_t schemeNumber = 0;
  std::int32_t focusedWindow = kFocusNone;

  bool hidden(ToolWindow window) const { return windowHidden[hiddenSlot(window)] != 0; }
  bool pinned(ToolWindow window) const;
  const LayoutRect& rect(ToolWindow window) const { return rects[rectSlot(window)]; }
};

// The arrangement a first start shows before any scheme was saved: the 3D view at 265, 0 with
// 640 x 480, the texture view at 0, 0 with 265 x 302, the tool windows around them.
WindowLayout initialWindowLayout();

inline constexpr int kSchemeCount = 5;
inline constexpr std::size_t kSchemeFileBytes = 224;
// "winpos1.twp" .. "winpos5.twp" for schemes 0..4.
std::string schemeFileName(int scheme);
// The 224-byte scheme file: 12 rectangles (left, top, right, bottom as little-endian int32; slots
// without a window zero), pin flags, window flags, autofocusOff, windowsOpened.
std::string encodeScheme(const WindowLayout& layout);
// Reads a scheme file into layout; a file of another length changes nothing and returns false.
bool decodeScheme(std::string_view bytes, WindowLayout& layout);

// The size a window takes in the collapsing layout when it is not expanded: texture editor scheme
// width x 75, objects scheme width x 100, material editor scheme width x 50, modifiers 86 x 237.
// Windows that never collapse keep their scheme size.
WindowSize collapsedSize(const WindowLayout& layout, ToolWindow window);
WindowSize fullSize(const WindowLayout& layout, ToolWindow window);
// Whether a window is one of the four that collapse (texture editor, objects, material editor,
// modifiers).
bool collapses(ToolWindow window);

// The collapsing layout as sizes to give: with "Zoomed windows" every shown, unpinned collapsing
// window gets its collapsed size, then the window named by focusedWindow (2, 3, 4, 6) its full
// scheme size. Windows not listed keep their size.
struct SizeChange {
  ToolWindow window;
  WindowSize size;
};
std::vector<SizeChange> collapsingLayout(const WindowLayout& layout);
// The sizes "Load scheme" gives: each shown collapsing window its full scheme size when pinned,
// else its collapsed size, whatever windowsOpened says.
std::vector<SizeChange> loadedSchemeSizes(const WindowLayout& layout);

}  // namespace tess
