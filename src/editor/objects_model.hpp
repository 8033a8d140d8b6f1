#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/changes.hpp"
#include "scene/scene_types.hpp"

namespace tess {

class EditorSession;

// Texts of the objects window.
// A type code's name in the type list; a code no type has reads as its number.
std::string objectTypeName(int type);
// A line of the object list: "3:sphere".
std::string objectListLine(int index, int type);
// The caption of a size axis button: bracketed for the selected axis ("[x]"), plain otherwise.
std::string sizeAxisCaption(int axis, int selectedAxis);
// A texture or material slot in a picker: its name, or its number when the name is empty.
std::string slotCaption(const std::string& name, int slot);

// The typed texts of the grid, mosaic and position edits, which apply together.
struct PlacementTexts {
  std::string_view segU, segV, mosaic1, mosaic2, posX, posY, posZ;
};

// The objects window's behaviour: which object of the current scene is current, its fields, its
// clone settings and its group, the object list, and the commands of the window's controls.
//
// Navigation and typed positions publish CurrentObject: the 3D view re-centres its marks on the
// current object when that flag arrives.
class ObjectsModel {
 public:
  // The window is made once, before any project is opened: the current scene's clone settings
  // start cleared.
  explicit ObjectsModel(EditorSession& session);

  // The changes after which the window shows its fields, lists and pickers again.
  static constexpr Changes kShown = Change::Objects | Change::CurrentObject | Change::Scenes |
                                    Change::CurrentScene | Change::TextureNames |
                                    Change::AllTextures | Change::Materials;

  static constexpr int kSliderHighMax = 127;  // upper size slider: size / 256
  static constexpr int kSliderLowMax = 255;   // lower size slider: size % 256
  static constexpr int kSizeMax = 32767;
  static constexpr int kCoefficientLimit = 20000;  // coefficients lie strictly inside +-limit
  static constexpr int kCloneSlotLimit = 254;      // current index + typed count stays below

  // What the window shows.
  bool hasObject() const;  // false only in an empty scene, which only a pack can hold
  int objectNumber() const;
  const SceneObject& object() const;
  const CloneSettings& clone() const;
  // One line per object, the highest index first, and the line of the current object.
  std::vector<std::string> objectLines() const;
  int selectedLine() const;  // -1 in an empty scene
  int sizeAxis() const;      // 0 x, 1 y, 2 z, 3 all
  // The size the sliders and the size edit show: the selected axis's, or for "all" the average
  // of the three (truncated).
  int shownSize() const;
  int sliderHigh() const;
  int sliderLow() const;
  std::string normalCaption() const;
  std::string localCaption() const;   // "*locCS" while controlMode is 1
  std::string globalCaption() const;  // "*glCS" while controlMode is 2
  bool resetControlVisible() const;   // while controlMode is not 0
  std::vector<std::string> textureEntries() const;   // the 255 texture slots
  std::vector<std::string> materialEntries() const;  // the 255 materials
  // Typed values apply while this is the active tool window, or whenever autofocus is off (then
  // no window becomes active by the pointer and the keyboard focus alone decides).
  bool acceptsTyping() const;

  // Navigation: "<", ">" (with texture and material autofocus), "|<", ">|" and the object list.
  // The new current object's last modifier becomes current.
  bool previous();
  bool next();
  bool first();
  bool last();
  bool selectLine(int line);

  // "Create" (a sphere), "Copy", "Delete", "up", "down".
  bool create();
  bool copy();
  bool remove();
  bool moveUp();
  bool moveDown();

  // Choices stored at once.
  bool chooseType(int type);
  bool chooseBlend(int blend);
  bool chooseTexture(int slot);
  bool chooseMaterial(int slot);
  bool chooseCloneType(int type);
  // "normal": the next normal mode, from 5 back to 0.
  bool cycleNormalMode();
  // Clone "–" while the count is above 0, "+" while it is below 254.
  bool lowerCloneCount();
  bool raiseCloneCount();

  // The size axis buttons: window state only, nothing is published.
  void chooseSizeAxis(int axis);
  // A slider moved: the selected size (all three for "all") becomes high * 256 + low.
  bool moveSizeSliders(int high, int low);

  // Typed edits; a text that is not a number in its field's range leaves the field as it was.
  bool typePlacement(const PlacementTexts& texts);  // grid, then mosaic, then position
  bool typeSize(std::string_view text);              // 0..32767
  // Coefficients strictly between -20000 and 20000; a count of 0 or more that keeps the current
  // index plus the count below 254.
  bool typeClones(std::string_view count, std::string_view coeff1, std::string_view coeff2);

  // The "groups" box.
  void armControlPick();  // "Set ctrl obj"
  bool resetControlObject();
  bool toLocalCoordinates();
  bool toGlobalCoordinates();

 private:
  bool goTo(int index);
  // Publishes changes when acted; returns acted.
  bool act(Changes changes, bool acted);
  // The current object's record after a stored choice; a snapshot keeps it for undo.
  bool storeObject(const SceneObject& changed);
  bool storeClone(const CloneSettings& changed);
  // Stores a choice from a list of count entries into one byte of the object's record.
  bool chooseField(std::uint8_t SceneObject::*field, int value, int count);
  bool sizeDiffers(int size) const;
  Changes autofocusChanges() const;

  EditorSession& session_;
};

}  // namespace tess
