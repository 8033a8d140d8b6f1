#include "ui/modifier_menu.hpp"

#include "editor/modifier_menu_tree.hpp"

namespace tess {

namespace {

QString captionOf(const ModifierMenuNode& node) {
  return QString::fromUtf8(node.caption.data(), static_cast<qsizetype>(node.caption.size()));
}

void addEntries(QMenu& menu, const ModifierMenuNode& node, const ModifierMenuActions& actions) {
  for (const ModifierMenuNode& entry : node.entries) {
    if (entry.isSubMenu()) {
      QMenu* sub = menu.addMenu(captionOf(entry));
      sub->setAccessibleName(captionOf(entry));
      addEntries(*sub, entry, actions);
    } else if (entry.code == kClearGroupEntry) {
      QObject::connect(menu.addAction(captionOf(entry)), &QAction::triggered, &menu,
                       [clear = actions.clearGroup] { clear(); });
    } else {
      QObject::connect(menu.addAction(captionOf(entry)), &QAction::triggered, &menu,
                       [set = actions.setCode, code = entry.code] { set(code); });
    }
  }
}

}  // namespace

QMenu* buildModifierMenu(const ModifierMenuActions& actions, QWidget* parent) {
  const ModifierMenuNode tree = modifierMenuTree();
  auto* menu = new QMenu(captionOf(tree), parent);
  menu->setAccessibleName(captionOf(tree));
  addEntries(*menu, tree, actions);
  return menu;
}

QMenu* modifierGroupMenu(const QMenu& menu, ModifierGroup group) {
  return menu.actions().at(static_cast<int>(group))->menu();
}

}  // namespace tess
