#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/changes.hpp"
#include "scene/scene_types.hpp"

namespace tess {

class EditorSession;

// The three lighting colours, in the order of the window's rows.
enum class LightingColour { Ambient, Diffuse, Specular };
inline constexpr std::array<LightingColour, 3> kLightingColours = {
    LightingColour::Ambient, LightingColour::Diffuse, LightingColour::Specular};
// "ambient", "diffuse", "specular".
const char* lightingColourName(LightingColour colour);

// Red, green and blue as whole bytes: a swatch's fill or a colour the user picked.
struct ColourBytes {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const ColourBytes&) const = default;
};

// The blendings of the two multitexturing stages; the index is the stored code.
inline constexpr std::array<const char*, 10> kStageBlendingNames = {
    "none", "n-add", "n-sub", "n-mod", "sfere-add", "sfere-sub", "sfere-mod", "add", "sub", "mod"};

// The material editor's behaviour over the material in slot currentMaterial: what its sliders,
// swatches and pickers show, and the edits they make. Sliders run 0..255: a colour component is
// slider / 64, the specular power 255 - slider. Every edit that changes something publishes once;
// a refused or idle edit publishes nothing.
class MaterialEditorModel {
 public:
  explicit MaterialEditorModel(EditorSession& session) : session_(session) {}

  // The changes after which the window shows the material again.
  static constexpr Changes kShown =
      Change::Materials | Change::CurrentMaterial | Change::TextureNames | Change::AllTextures;
  static constexpr int kSliderMax = 255;

  int number() const;
  const Material& material() const;
  // Channel 0 red, 1 green, 2 blue: component x 64, truncated, within the slider's range.
  int colourSlider(LightingColour colour, int channel) const;
  int powerSlider() const;
  int depthSlider() const;
  // The swatch fill: each component x 256, truncated and limited to 0..255.
  ColourBytes swatch(LightingColour colour) const;
  // Stage 1 or 2: its blending code and texture slot.
  int stageBlend(int stage) const;
  int stageTexture(int stage) const;

  // A slider moved: only the value it shows is stored, so values the sliders cannot show (a depth
  // beyond 255 from a pack, a picked colour's 1/256 steps) stay as they are elsewhere.
  bool setColourSlider(LightingColour colour, int channel, int value);
  bool setPowerSlider(int value);
  bool setDepthSlider(int value);
  // A colour chosen from a swatch: each byte / 256 becomes a component.
  bool pickColour(LightingColour colour, ColourBytes picked);
  // "reset all params": colours, power, displace map and depth to 0; stages and name stay.
  bool resetAllParams();
  // "<" and ">": the neighbouring material within 0..254, whose displace map is raised to at
  // least 1.
  bool previous() { return step(-1); }
  bool next() { return step(+1); }
  // The typed name, cut to kMaterialNameMax bytes.
  bool setName(std::string_view text);
  bool setStageBlend(int stage, int code);
  bool setStageTexture(int stage, int slot);
  bool setDisplaceMap(int slot);

 private:
  Material& current();
  bool step(int delta);
  // Publishes a change to the current material when there was one.
  bool edited(bool changed);

  EditorSession& session_;
};

}  // namespace tess
