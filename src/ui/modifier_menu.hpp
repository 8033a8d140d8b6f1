#pragma once

#include <functional>

#include <QMenu>

#include "scene/modifier_codes.hpp"

namespace tess {

// What the modifier pop-up's entries do: an item passes its code, "..." clears the group mode.
struct ModifierMenuActions {
  std::function<void(int code)> setCode;
  std::function<void()> clearGroup;
};

// The pop-up "modifers" with the sub-menus "form", "selection", "texture" and "anima"; parent
// owns it. The modifiers window and the 3D view offer the same menu.
QMenu* buildModifierMenu(const ModifierMenuActions& actions, QWidget* parent);

// The sub-menu of one group of a menu buildModifierMenu made.
QMenu* modifierGroupMenu(const QMenu& menu, ModifierGroup group);

}  // namespace tess
