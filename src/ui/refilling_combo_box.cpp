#include "ui/refilling_combo_box.hpp"

#include <QSignalBlocker>

namespace tess {

RefillingComboBox::RefillingComboBox(Entries entries, QWidget* parent)
    : QComboBox(parent), entries_(std::move(entries)) {
  // Long names widen the opened list, not the window.
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(2);
  refill();
}

void RefillingComboBox::refill() {
  const std::vector<std::string> entries = entries_();
  bool same = count() == static_cast<int>(entries.size());
  for (int k = 0; same && k < count(); ++k)
    same = itemText(k) == QString::fromStdString(entries[k]);
  if (same) return;
  const QSignalBlocker blocker(this);
  const int selected = currentIndex();
  clear();
  for (const std::string& entry : entries) addItem(QString::fromStdString(entry));
  setCurrentIndex(selected < count() ? selected : -1);
}

void RefillingComboBox::showPopup() {
  refill();
  QComboBox::showPopup();
}

}  // namespace tess
