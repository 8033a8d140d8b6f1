#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

namespace tess {

// A drop-down list of slots whose entries are read again each time it opens, so that it always
// offers the current names. The index of an entry is its slot.
class RefillingComboBox : public QComboBox {
  Q_OBJECT
 public:
  using Entries = std::function<std::vector<std::string>()>;

  explicit RefillingComboBox(Entries entries, QWidget* parent = nullptr);
  // Takes the entries again when they changed, keeping the selection, without signals.
  void refill();
  void showPopup() override;

 private:
  Entries entries_;
};

}  // namespace tess
