#pragma once

// The modifier codes 0..62: the name each shows in the modifiers list, the labels of its two
// scalar parameters and the item of the modifier pop-up menu that sets it. Windows and menus are
// built by walking kModifierCodes in code order.

#include <array>
#include <string_view>

namespace tess {

namespace modcode {
enum : int {
  Breath = 0,
  Limiter,
  TwistX,
  TwistY,
  TwistZ,
  SinBendX,
  SinBendY,
  SinBendZ,
  RotateX,
  RotateY,
  RotateZ,
  GlobalRotateX,
  GlobalRotateY,
  GlobalRotateZ,
  GlobalFlipX,
  GlobalFlipY,
  GlobalFlipZ,
  Extract,
  ZoomXyz,
  GlobalZoomXyz,
  GlobalZoomX,
  GlobalZoomY,
  GlobalZoomZ,
  GlobalTrapezeY,
  GlobalTrapezeX,
  GlobalTrapezeZ,
  GlobalSkewX,
  GlobalSkewY,
  GlobalSkewZ,
  BendX,
  BendY,
  BendZ,
  Bottle,
  Bottle2,
  Move,
  GridWaves1,
  GridWaves2,
  GlobalWaves,
  GlobalRadialWaves,
  SelectionAdd,
  SelectionSubtract,
  SelectAll,
  RemoveSelection,
  InvertSelection,
  NoiseSelection,
  NewSelection,
  TextureRotate,
  TextureWaves,
  TextureRadialWaves,
  TextureRadialWavesZoom,
  TextureWavesU,
  TextureWavesV,
  FrontMappingXY,
  FrontMappingXZ,
  FrontMappingYZ,
  TextureZoom,
  TextureMove,
  Empty,
  AnimaSpeed,
  AnimaPhase,
  AnimaSine,
  AnimaAbsSine,
  AnimaCycle,
};
}  // namespace modcode

inline constexpr int kModifierCodeCount = 63;  // codes 0..62
static_assert(modcode::AnimaCycle + 1 == kModifierCodeCount);

// The first level of the modifier pop-up; the modifiers window's group mode is this plus 1.
enum class ModifierGroup : int { Form, Selection, Texture, Anima };

inline constexpr std::array<std::string_view, 4> kModifierGroupCaptions = {
    "form", "selection", "texture", "anima"};

struct ModifierCodeInfo {
  // In the list: "•" opens a run of related codes, two spaces indent the rest of the run; the
  // anima codes have no prefix.
  std::string_view listName;
  std::string_view firstLabel;   // next to the p5 edit; "n/u" where p5 means nothing
  std::string_view secondLabel;  // next to the p4 edit
  ModifierGroup group;
  std::string_view subMenu;  // empty: the item sits in the group's menu itself
  std::string_view caption;
};

inline constexpr std::array<ModifierCodeInfo, kModifierCodeCount> kModifierCodes = [] {
  using enum ModifierGroup;
  return std::array<ModifierCodeInfo, kModifierCodeCount>{{
      {"•breath/exhalation", "force", "rad", Form, "", "breath/exhalation"},
      {"•limiter", "n/u", "size", Form, "", "limiter"},
      {"•twist x", "force", "rad", Form, "twist/bend", "twist x"},
      {"  twist y", "force", "rad", Form, "twist/bend", "twist y"},
      {"  twist z", "force", "rad", Form, "twist/bend", "twist z"},
      {"•sin-bend x", "force", "rad", Form, "twist/bend", "sin-bend x"},
      {"  sin-bend y", "force", "rad", Form, "twist/bend", "sin-bend y"},
      {"  sin-bend z", "force", "rad", Form, "twist/bend", "sin-bend z"},
      {"•rotate x", "angle", "rad", Form, "rotate/flip", "rotate x"},
      {"  rotate y", "angle", "rad", Form, "rotate/flip", "rotate y"},
      {"  rotate z", "angle", "rad", Form, "rotate/flip", "rotate z"},
      {"•gl.rotate x", "angle", "n/u", Form, "rotate/flip", "global rotate x"},
      {"  gl.rotate y", "angle", "n/u", Form, "rotate/flip", "global rotate y"},
      {"  gl.rotate z", "angle", "n/u", Form, "rotate/flip", "global rotate z"},
      {"•gl.flip x", "n/u", "n/u", Form, "rotate/flip", "global flip x"},
      {"  gl.flip y", "n/u", "n/u", Form, "rotate/flip", "global flip y"},
      {"  gl.flip z", "n/u", "n/u", Form, "rotate/flip", "global flip z"},
      {"•extract", "force", "rad", Form, "", "extract"},
      {"  zoom xyz", "force", "rad", Form, "zoom", "xyz"},
      {"•gl.zoom xyz", "force", "n/u", Form, "zoom", "global xyz"},
      {"•gl.zoom x", "force", "n/u", Form, "zoom", "global x"},
      {"  gl.zoom y", "force", "n/u", Form, "zoom", "global y"},
      {"  gl.zoom z", "force", "n/u", Form, "zoom", "global z"},
      {"•gl.trapeze y", "force", "force", Form, "trapeze/skew", "global trapeze y"},
      {"  gl.trapeze x", "force", "force", Form, "trapeze/skew", "global trapeze x"},
      {"  gl.trapeze z", "force", "force", Form, "trapeze/skew", "global trapeze z"},
      {"•gl.skew x", "force", "n/u", Form, "trapeze/skew", "global skew x"},
      {"  gl.skew y", "force", "n/u", Form, "trapeze/skew", "global skew y"},
      {"  gl.skew z", "force", "n/u", Form, "trapeze/skew", "global skew z"},
      {"•bend x", "force", "rad", Form, "twist/bend", "bend x"},
      {"  bend y", "force", "rad", Form, "twist/bend", "bend y"},
      {"  bend z", "force", "rad", Form, "twist/bend", "bend z"},
      {"•erch in bottle", "force", "rad", Form, "", "erch in bottle"},
      {"  erch in bottle 2", "force", "rad", Form, "", "erch in bottle 2"},
      {"•move", "n/u", "n/u", Form, "", "move"},
      {"•is.gl.waves 1", "amp", "freq", Form, "waves", "waves 1"},
      {"  is.gl.waves 2", "amp", "freq", Form, "waves", "waves 2"},
      {"•gl.waves", "amp", "freq", Form, "waves", "global waves"},
      {"  gl.rad.waves", "amp", "freq", Form, "waves", "global radial waves"},
      {"•selection +", "n/u", "rad", Selection, "", "add"},
      {"  selection -", "n/u", "rad", Selection, "", "subtract"},
      {"  select all", "n/u", "n/u", Selection, "", "select all"},
      {"  remove selection", "n/u", "rad", Selection, "", "remove"},
      {"  inverse selection", "n/u", "n/u", Selection, "", "invert"},
      {"  noise selection", "n/u", "rad", Selection, "", "noise"},
      {"  new selection", "n/u", "rad", Selection, "", "new"},
      {"•tx.rotate", "angle", "n/u", Texture, "", "rotate"},
      {"•t.waves", "amp", "freq", Texture, "waves", "waves UV"},
      {"  t.rad.waves", "amp", "freq", Texture, "waves", "radial waves"},
      {"•t.rad.vawes/zoom", "amp", "freq", Texture, "waves", "radial waves with zoom"},
      {"  t.wawes/u", "amp", "freq", Texture, "waves", "waves - U"},
      {"  t.wawes/v", "amp", "freq", Texture, "waves", "waves - V"},
      {"•frontmapping xy", "scale", "scale", Texture, "front mapping", "xy"},
      {"  frontmapping xz", "scale", "scale", Texture, "front mapping", "xz"},
      {"  frontmapping yz", "scale", "scale", Texture, "front mapping", "yz"},
      {"•t.zoom uv", "cu", "cv", Texture, "", "zoom"},
      {"•t.move uv", "shift u", "shift v", Texture, "", "move"},
      {"•empty", "n/u", "n/u", Form, "", "empty"},
      {"anima-speed", "p1", "p2", Anima, "", "anima-speed"},
      {"anima-faze", "p1", "p2", Anima, "", "anima-faze"},
      {"anima-SINxyzP1P2", "p1", "p2", Anima, "", "anima-sin"},
      {"anima-ABSSINxyzP1P2", "p1", "p2", Anima, "", "anima-abssin"},
      {"anima-CYCLExyzP1P2", "p1", "p2", Anima, "", "anima-cycle"},
  }};
}();

}  // namespace tess
