#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/changes.hpp"
#include "scene/modifier_codes.hpp"
#include "scene/scene_types.hpp"

namespace tess {

class EditorSession;

// The five values of a modifier as the window's edits show them.
enum class ModifierField { P1, P2, P3, P5, P4 };

// The entry Create makes in a list without a current modifier.
inline constexpr Modifier kFirstModifier{.p1 = 0, .p2 = 0, .p3 = 0, .p4 = 100, .p5 = 0, .code = 0};

// The type list's text for a code: its name with the "•" or two-space prefix; codes a damaged
// pack may hold beyond 62 show as "(code N)".
std::string modifierTypeName(int code);
// A "Log:" line: the index, a blank and the type name.
std::string modifierLogLine(int index, int code);

// The modifiers window's behaviour: the current object's modifier list, its current entry
// (`currentModifier`), the list operations, the five values and the group mode of the pop-up.
// Commands return whether they acted; those that act publish their changes once.
class ModifiersModel {
 public:
  explicit ModifiersModel(EditorSession& session) : session_(session) {}

  // The changes after which the window reads its fields again.
  static constexpr Changes kShown = Change::Objects | Change::CurrentObject | Change::Modifiers |
                                    Change::CurrentModifier | Change::CurrentScene;

  int count() const;
  // The current modifier inside the list: -1 when there is none.
  int current() const;
  bool hasCurrent() const { return current() >= 0; }
  // "№" and the count box: blank for no modifier and for an empty list.
  std::string numberText() const;
  std::string countText() const;
  // The code the type list selects; none without a current modifier or for an unknown code.
  std::optional<int> selectedCode() const;
  // A value edit's text; blank without a current modifier.
  std::string valueText(ModifierField field) const;
  // The captions next to the p5 and p4 edits: the current code's, else "p1" and "p2".
  std::string_view firstLabel() const;
  std::string_view secondLabel() const;
  // The "Log:" lines, highest index first, and the row of the current modifier (-1: none).
  std::vector<std::string> logLines() const;
  int logRow() const;

  bool canCreate() const { return count() < kModifierCapacity; }
  bool canMoveUp() const { return hasCurrent() && current() < count() - 1; }
  bool canMoveDown() const { return current() > 0; }
  bool canGoPrevious() const { return current() > 0; }
  bool canGoNext() const { return current() < count() - 1; }

  // List operations. Create inserts after the current modifier a copy of it (kFirstModifier
  // when there is none) and makes the copy current; refused at 64 entries.
  bool create();
  bool remove();
  bool moveUp();    // exchange with the next entry
  bool moveDown();  // exchange with the previous entry

  // Navigation: "<", ">", ">|" and a click on a "Log:" row.
  bool previous();
  bool next();
  bool last();
  bool selectLogRow(int row);

  // The current modifier's code, from the type list or the pop-up.
  bool setCode(int code);
  // "-" and "+": p5 within -128..127, p4 within -32767..32767.
  bool stepFirst(int delta) { return step(ModifierField::P5, delta); }
  bool stepSecond(int delta) { return step(ModifierField::P4, delta); }
  // The wheel on p4: the sum is stored only strictly inside -32767..32767.
  bool offsetSecond(int delta);
  // Typed text: stored only when it is a whole number strictly inside the field's range
  // (p1..p3: -12700..12700, p4: -32767..32767, p5: -129..128); anything else leaves the value.
  bool typeValue(ModifierField field, std::string_view text);

  // Group mode: 0 none, 1..4 the ModifierGroup chosen with "F", "S", "T" or "A".
  int groupMode() const { return groupMode_; }
  void chooseGroup(ModifierGroup group) { groupMode_ = static_cast<int>(group) + 1; }
  void clearGroup() { groupMode_ = 0; }
  // "F", "S", "T", "A"; the chosen one framed: "•F•".
  std::string groupCaption(ModifierGroup group) const;

 private:
  ModifierList& list();
  const ModifierList& list() const;
  Modifier& currentEntry();
  const Modifier* currentEntryIfAny() const;
  // Writes the limited current modifier back, as the fields show it, before a command acts.
  void limitCurrent();
  bool select(int index);
  bool step(ModifierField field, int delta);
  bool store(ModifierField field, int value);

  EditorSession& session_;
  int groupMode_ = 0;
};

}  // namespace tess
