#include "editor/window_layout.hpp"

#include <cstring>

#include "core/little_endian.hpp"

namespace tess {
namespace {

struct WindowSlots {
  int hidden, rect, pin, focus;
};

constexpr WindowSlots slotsOf(ToolWindow window) {
  switch (window) {
    case ToolWindow::View3d: return {0, 4, kNoSlot, kFocusNone};
    case ToolWindow::Objects: return {1, 5, 5, kFocusObjects};
    case ToolWindow::Modifiers: return {2, 7, 7, kFocusModifiers};
    case ToolWindow::TextureEditor: return {4, 1, 1, kFocusTextureEditor};
    case ToolWindow::TextureView: return {5, 0, kNoSlot, kFocusNone};
    case ToolWindow::MaterialEditor: return {6, 6, 6, kFocusMaterialEditor};
    case ToolWindow::Tracker: return {8, 11, kNoSlot, kFocusNone};
    case ToolWindow::SampleGenerator: return {9, kNoSlot, kNoSlot, kFocusNone};
  }
  return {0, kNoSlot, kNoSlot, kFocusNone};
}

constexpr std::size_t kPinsAt = kLayoutSlots * 16;
constexpr std::size_t kHiddenAt = kPinsAt + kLayoutSlots;
constexpr std::size_t kAutofocusAt = kHiddenAt + kLayoutSlots;
constexpr std::size_t kOpenedAt = kAutofocusAt + 4;

}  // namespace

int hiddenSlot(ToolWindow window) { return slotsOf(window).hidden; }
int rectSlot(ToolWindow window) { return slotsOf(window).rect; }
int pinSlot(ToolWindow window) { return slotsOf(window).pin; }
int focusValue(ToolWindow window) { return slotsOf(window).focus; }

bool collapses(ToolWindow window) { return pinSlot(window) != kNoSlot; }

bool WindowLayout::pinned(ToolWindow window) const {
  const int slot = pinSlot(window);
  return slot != kNoSlot && windowPinned[slot] != 0;
}

WindowLayout initialWindowLayout() {
  WindowLayout layout;
  auto place = [&](ToolWindow window, int left, int top, int width, int height) {
    layout.rects[rectSlot(window)] = {left, top, left + width, top + height};
  };
  place(ToolWindow::TextureView, 0, 0, 265, 302);
  place(ToolWindow::View3d, 265, 0, 640, 480);
  place(ToolWindow::TextureEditor, 0, 302, 265, 440);
  place(ToolWindow::Objects, 905, 0, 300, 280);
  place(ToolWindow::MaterialEditor, 905, 280, 300, 250);
  place(ToolWindow::Modifiers, 905, 530, 300, 330);
  place(ToolWindow::Tracker, 265, 480, 640, 320);
  return layout;
}

std::string schemeFileName(int scheme) { return "winpos" + std::to_string(scheme + 1) + ".twp"; }

std::string encodeScheme(const WindowLayout& layout) {
  std::string out;
  out.reserve(kSchemeFileBytes);
  for (const LayoutRect& rect : layout.rects) {
    appendLittleEndian32(out, rect.left);
    appendLittleEndian32(out, rect.top);
    appendLittleEndian32(out, rect.right);
    appendLittleEndian32(out, rect.bottom);
  }
  out.append(reinterpret_cast<const char*>(layout.windowPinned.data()), kLayoutSlots);
  out.append(reinterpret_cast<const char*>(layout.windowHidden.data()), kLayoutSlots);
  appendLittleEndian32(out, layout.autofocusOff);
  appendLittleEndian32(out, layout.windowsOpened);
  return out;
}

bool decodeScheme(std::string_view bytes, WindowLayout& layout) {
  if (bytes.size() != kSchemeFileBytes) return false;
  for (int slot = 0; slot < kLayoutSlots; ++slot) {
    const std::size_t at = static_cast<std::size_t>(slot) * 16;
    layout.rects[slot] = {readLittleEndian32(bytes, at), readLittleEndian32(bytes, at + 4),
                          readLittleEndian32(bytes, at + 8), readLittleEndian32(bytes, at + 12)};
  }
  std::memcpy(layout.windowPinned.data(), bytes.data() + kPinsAt, kLayoutSlots);
  std::memcpy(layout.windowHidden.data(), bytes.data() + kHiddenAt, kLayoutSlots);
  layout.autofocusOff = readLittleEndian32(bytes, kAutofocusAt);
  layout.windowsOpened = readLittleEndian32(bytes, kOpenedAt);
  return true;
}

WindowSize fullSize(const WindowLayout& layout, ToolWindow window) {
  const LayoutRect& rect = layout.rect(window);
  return {rect.width(), rect.height()};
}

WindowSize collapsedSize(const WindowLayout& layout, ToolWindow window) {
  const int width = layout.rect(window).width();
  switch (window) {
    case ToolWindow::TextureEditor: return {width, 75};
    case ToolWindow::Objects: return {width, 100};
    case ToolWindow::MaterialEditor: return {width, 50};
    case ToolWindow::Modifiers: return {86, 237};
    default: return fullSize(layout, window);
  }
}

std::vector<SizeChange> collapsingLayout(const WindowLayout& layout) {
  std::vector<SizeChange> changes;
  if (layout.windowsOpened == 0) {
    for (ToolWindow window : kToolWindows)
      if (collapses(window) && !layout.hidden(window) && !layout.pinned(window))
        changes.push_back({window, collapsedSize(layout, window)});
  }
  for (ToolWindow window : kToolWindows)
    if (collapses(window) && focusValue(window) == layout.focusedWindow)
      changes.push_back({window, fullSize(layout, window)});
  return changes;
}

std::vector<SizeChange> loadedSchemeSizes(const WindowLayout& layout) {
  std::vector<SizeChange> changes;
  for (ToolWindow window : kToolWindows)
    if (collapses(window) && !layout.hidden(window))
      changes.push_back({window, layout.pinned(window) ? fullSize(layout, window)
                                                      : collapsedSize(layout, window)});
  return changes;
}

}  // namespace tess
