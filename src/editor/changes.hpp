#pragma once

#include <cstdint>

namespace tess {

// What a session command changed. Every command reports a set of these once; each window re-reads
// what it shows when one of its flags arrives, so no command needs to know which windows exist.
enum class Change : std::uint32_t {
  TextureNames = 1u << 0,     // names, sizes or types of texture slots (the pickers list them)
  CurrentTexture = 1u << 1,   // which slot is current
  Stages = 1u << 2,           // the current texture's commands, stage images or displayed stage
  Objects = 1u << 3,          // object records, clone settings or the count of a scene
  CurrentObject = 1u << 4,    // which object is current
  Modifiers = 1u << 5,        // modifier lists
  CurrentModifier = 1u << 6,  // which modifier is current
  Materials = 1u << 7,        // material contents
  CurrentMaterial = 1u << 8,  // which material is current
  Cameras = 1u << 9,          // camera slots
  CurrentCamera = 1u << 10,   // which slot is current
  LiveCamera = 1u << 11,      // the camera the 3D view draws with
  Scenes = 1u << 12,          // scenes added or deleted
  TimelineRows = 1u << 13,    // tracker rows or the sound file
  Playback = 1u << 14,        // tracker playing or stopped, its current row
  Samples = 1u << 15,         // sample command lists or the current sample
  Font = 1u << 16,            // the bitmap font DrwTxt draws with
  Layout = 1u << 17,          // window scheme, shown and pinned windows, autofocus modes
  RecentFiles = 1u << 18,     // the recent packs list
  Document = 1u << 19,        // the pack's path or its modified state
  AllTextures = 1u << 20,     // every texture slot was replaced (a pack load or merge)
  CurrentScene = 1u << 21,    // which scene is current
};

class Changes {
 public:
  constexpr Changes() = default;
  constexpr Changes(Change change) : bits_(static_cast<std::uint32_t>(change)) {}

  constexpr bool has(Change change) const { return (bits_ & static_cast<std::uint32_t>(change)) != 0; }
  constexpr bool any(Changes other) const { return (bits_ & other.bits_) != 0; }
  constexpr bool empty() const { return bits_ == 0; }
  constexpr Changes operator|(Changes other) const { return Changes(bits_ | other.bits_); }
  constexpr Changes& operator|=(Changes other) { return *this = *this | other; }
  constexpr bool operator==(const Changes&) const = default;

 private:
  constexpr explicit Changes(std::uint32_t bits) : bits_(bits) {}
  std::uint32_t bits_ = 0;
};

constexpr Changes operator|(Change a, Changes b) { return Changes(a) | b; }

// Changes to what a pack file holds: they make the document modified.
inline constexpr Changes kDocumentContent =
    Change::TextureNames | Change::Stages | Change::Objects | Change::Modifiers |
    Change::Materials | Change::Cameras | Change::Scenes | Change::TimelineRows | Change::Font;

// Everything a whole project holds and selects: what a pack load or merge changes.
inline constexpr Changes kWholeProject =
    kDocumentContent | Change::AllTextures | Change::CurrentScene | Change::CurrentTexture | Change::CurrentObject | Change::CurrentModifier |
    Change::CurrentMaterial | Change::CurrentCamera | Change::LiveCamera;

// Selecting another scene selects its current object and that object's modifiers too.
inline constexpr Changes kSceneSwitch =
    Change::CurrentScene | Change::CurrentObject | Change::CurrentModifier;

// What an object operation may change in the current scene.
inline constexpr Changes kObjectEdit = Change::Objects | Change::CurrentObject |
                                       Change::Modifiers | Change::CurrentModifier;

}  // namespace tess
