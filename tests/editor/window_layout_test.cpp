#include "editor/window_layout.hpp"

#include <gtest/gtest.h>

#include <cstring>

namespace tess {
namespace {

std::int32_t int32At(const std::string& bytes, std::size_t at) {
  std::int32_t value;
  std::memcpy(&value, bytes.data() + at, 4);  // the test machine is little-endian, like the file
  return value;
}

TEST(WindowScheme, FileLayoutAndRoundTrip) {
  WindowLayout layout = initialWindowLayout();
  layout.rects[rectSlot(ToolWindow::View3d)] = {-5, 7, 900, 512};
  layout.windowPinned[pinSlot(ToolWindow::Modifiers)] = 1;
  layout.windowHidden[hiddenSlot(ToolWindow::SampleGenerator)] = 1;
  layout.autofocusOff = 1;
  layout.windowsOpened = 1;

  const std::string bytes = encodeScheme(layout);
  ASSERT_EQ(bytes.size(), kSchemeFileBytes);
  EXPECT_EQ(int32At(bytes, 4 * 16), -5);  // the 3D view's rectangle is slot 4
  EXPECT_EQ(int32At(bytes, 4 * 16 + 12), 512);
  EXPECT_EQ(int32At(bytes, 2 * 16), 0);  // slots without a window are zero
  EXPECT_EQ(bytes[192 + 7], 1);          // pin flag of the modifiers window
  EXPECT_EQ(bytes[204 + 9], 1);          // window flag of the sample generator
  EXPECT_EQ(int32At(bytes, 216), 1);
  EXPECT_EQ(int32At(bytes, 220), 1);

  WindowLayout read;
  read.schemeNumber = 3;
  ASSERT_TRUE(decodeScheme(bytes, read));
  EXPECT_EQ(read.rects, layout.rects);
  EXPECT_EQ(read.windowPinned, layout.windowPinned);
  EXPECT_EQ(read.windowHidden, layout.windowHidden);
  EXPECT_EQ(read.autofocusOff, 1);
  EXPECT_EQ(read.windowsOpened, 1);
  EXPECT_EQ(read.schemeNumber, 3);  // not part of the file
}

TEST(WindowScheme, FileOfAnotherLengthChangesNothing) {
  const WindowLayout before = initialWindowLayout();
  WindowLayout layout = before;
  std::string bytes = encodeScheme(WindowLayout{});
  EXPECT_FALSE(decodeScheme(bytes.substr(0, 223), layout));
  EXPECT_FALSE(decodeScheme(bytes + "x", layout));
  EXPECT_EQ(layout.rects, before.rects);
  EXPECT_EQ(schemeFileName(0), "winpos1.twp");
  EXPECT_EQ(schemeFileName(4), "winpos5.twp");
}

WindowSize sizeIn(const std::vector<SizeChange>& changes, ToolWindow window) {
  WindowSize last{-1, -1};
  for (const SizeChange& change : changes)
    if (change.window == window) last = change.size;
  return last;
}

TEST(CollapsingLayout, ZoomedWindowsCollapseUnlessPinnedHiddenOrFocused) {
  WindowLayout layout = initialWindowLayout();
  layout.rects[rectSlot(ToolWindow::TextureEditor)] = {0, 300, 280, 740};
  layout.rects[rectSlot(ToolWindow::Objects)] = {900, 0, 1210, 280};
  layout.rects[rectSlot(ToolWindow::MaterialEditor)] = {900, 280, 1190, 500};
  layout.rects[rectSlot(ToolWindow::Modifiers)] = {900, 500, 1200, 900};
  layout.focusedWindow = kFocusMainFrame;

  auto changes = collapsingLayout(layout);
  EXPECT_EQ(sizeIn(changes, ToolWindow::TextureEditor), (WindowSize{280, 75}));
  EXPECT_EQ(sizeIn(changes, ToolWindow::Objects), (WindowSize{310, 100}));
  EXPECT_EQ(sizeIn(changes, ToolWindow::MaterialEditor), (WindowSize{290, 50}));
  EXPECT_EQ(sizeIn(changes, ToolWindow::Modifiers), (WindowSize{86, 237}));
  EXPECT_EQ(sizeIn(changes, ToolWindow::Tracker), (WindowSize{-1, -1}));

  layout.windowPinned[pinSlot(ToolWindow::Objects)] = 1;
  layout.windowHidden[hiddenSlot(ToolWindow::MaterialEditor)] = 1;
  layout.focusedWindow = kFocusModifiers;
  changes = collapsingLayout(layout);
  EXPECT_EQ(sizeIn(changes, ToolWindow::Objects), (WindowSize{-1, -1}));
  EXPECT_EQ(sizeIn(changes, ToolWindow::MaterialEditor), (WindowSize{-1, -1}));
  EXPECT_EQ(sizeIn(changes, ToolWindow::Modifiers), (WindowSize{300, 400}));  // expanded last

  layout.windowsOpened = 1;
  changes = collapsingLayout(layout);
  ASSERT_EQ(changes.size(), 1u);  // only the focused window
  EXPECT_EQ(changes[0].window, ToolWindow::Modifiers);
}

TEST(CollapsingLayout, LoadingASchemeSizesByPinsAlone) {
  WindowLayout layout = initialWindowLayout();
  layout.windowsOpened = 1;
  layout.windowPinned[pinSlot(ToolWindow::TextureEditor)] = 1;
  layout.windowHidden[hiddenSlot(ToolWindow::Objects)] = 1;
  const auto changes = loadedSchemeSizes(layout);
  EXPECT_EQ(sizeIn(changes, ToolWindow::TextureEditor), fullSize(layout, ToolWindow::TextureEditor));
  EXPECT_EQ(sizeIn(changes, ToolWindow::Modifiers), (WindowSize{86, 237}));
  EXPECT_EQ(sizeIn(changes, ToolWindow::Objects), (WindowSize{-1, -1}));
}

}  // namespace
}  // namespace tess
