#include "editor/modifier_menu_tree.hpp"

#include <algorithm>

namespace tess {

namespace {

ModifierMenuNode& subMenu(ModifierMenuNode& menu, std::string_view caption) {
  const auto found = std::ranges::find_if(menu.entries, [&](const ModifierMenuNode& entry) {
    return entry.isSubMenu() && entry.caption == caption;
  });
  if (found != menu.entries.end()) return *found;
  return menu.entries.emplace_back(ModifierMenuNode{caption, kClearGroupEntry, {}});
}

}  // namespace

ModifierMenuNode modifierMenuTree() {
  ModifierMenuNode root{"modifers", kClearGroupEntry, {}};
  for (std::string_view group : kModifierGroupCaptions)
    root.entries.push_back({group, kClearGroupEntry, {{"...", kClearGroupEntry, {}}}});
  for (int code = 0; code < kModifierCodeCount; ++code) {
    const ModifierCodeInfo& info = kModifierCodes[code];
    ModifierMenuNode& group = root.entries[static_cast<int>(info.group)];
    ModifierMenuNode& menu = info.subMenu.empty() ? group : subMenu(group, info.subMenu);
    menu.entries.push_back({info.caption, code, {}});
  }
  return root;
}

}  // namespace tess
