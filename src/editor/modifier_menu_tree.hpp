#pragma once

#include <string_view>
#include <vector>

#include "scene/modifier_codes.hpp"

namespace tess {

// What choosing an entry of the modifier pop-up does: set a code (0..62) or, for the "..." entry
// that starts each group, clear the group mode.
inline constexpr int kClearGroupEntry = -1;

// An entry of the modifier pop-up: an item with its code, or a sub-menu with its entries.
struct ModifierMenuNode {
  std::string_view caption;
  int code = kClearGroupEntry;  // items only
  std::vector<ModifierMenuNode> entries;  // sub-menus only; never empty

  bool isSubMenu() const { return !entries.empty(); }
};

// The pop-up "modifers": the sub-menus "form", "selection", "texture" and "anima" in
// ModifierGroup order, each starting with "..."; items and nested sub-menus follow in the order
// of the first code they hold.
ModifierMenuNode modifierMenuTree();

}  // namespace tess
