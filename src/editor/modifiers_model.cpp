#include "editor/modifiers_model.hpp"

#include <algorithm>
#include <charconv>
#include <utility>

#include "editor/editor_session.hpp"

namespace tess {

namespace {

struct FieldRange {
  int low, high;  // inclusive
};

// Typed values must lie strictly inside these bounds.
FieldRange typedRange(ModifierField field) {
  switch (field) {
    case ModifierField::P4: return {-32766, 32766};
    case ModifierField::P5: return {-128, 127};
    default: return {-12699, 12699};
  }
}

// What "-" and "+" may reach.
FieldRange steppedRange(ModifierField field) {
  return field == ModifierField::P5 ? FieldRange{-128, 127} : FieldRange{-32767, 32767};
}

template <typename M>
auto& valueOf(M& modifier, ModifierField field) {
  switch (field) {
    case ModifierField::P1: return modifier.p1;
    case ModifierField::P2: return modifier.p2;
    case ModifierField::P3: return modifier.p3;
    case ModifierField::P4: return modifier.p4;
    case ModifierField::P5: return modifier.p5;
  }
  return modifier.p1;
}

// A whole number, optionally signed and surrounded by blanks; none for anything else.
std::optional<int> parseWhole(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.starts_with('+')) text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool knownCode(int code) { return code >= 0 && code < kModifierCodeCount; }

}  // namespace

std::string modifierTypeName(int code) {
  if (!knownCode(code)) return "(code " + std::to_string(code) + ")";
  return std::string(kModifierCodes[code].listName);
}

std::string modifierLogLine(int index, int code) {
  return std::to_string(index) + " " + modifierTypeName(code);
}

ModifierList& ModifiersModel::list() { return session_.scenes().activeModifiers(); }

const ModifierList& ModifiersModel::list() const {
  const SceneStore& scenes = session_.scenes();
  return scenes.activeScene().modifiers[scenes.activeObjectIndex()];
}

int ModifiersModel::count() const { return list().count; }

int ModifiersModel::current() const {
  return std::clamp(session_.scenes().currentModifier, -1, count() - 1);
}

const Modifier* ModifiersModel::currentEntryIfAny() const {
  return hasCurrent() ? &list().entries[current()] : nullptr;
}

Modifier& ModifiersModel::currentEntry() { return list().entries[current()]; }

void ModifiersModel::limitCurrent() { session_.scenes().currentModifier = current(); }

std::string ModifiersModel::numberText() const {
  return hasCurrent() ? std::to_string(current()) : std::string();
}

std::string ModifiersModel::countText() const {
  return count() > 0 ? std::to_string(count()) : std::string();
}

std::optional<int> ModifiersModel::selectedCode() const {
  const Modifier* entry = currentEntryIfAny();
  if (!entry || !knownCode(entry->code)) return std::nullopt;
  return entry->code;
}

std::string ModifiersModel::valueText(ModifierField field) const {
  const Modifier* entry = currentEntryIfAny();
  return entry ? std::to_string(valueOf(*entry, field)) : std::string();
}

std::string_view ModifiersModel::firstLabel() const {
  const auto code = selectedCode();
  return code ? kModifierCodes[*code].firstLabel : "p1";
}

std::string_view ModifiersModel::secondLabel() const {
  const auto code = selectedCode();
  return code ? kModifierCodes[*code].secondLabel : "p2";
}

std::vector<std::string> ModifiersModel::logLines() const {
  std::vector<std::string> lines;
  for (int i = count() - 1; i >= 0; --i) lines.push_back(modifierLogLine(i, list().entries[i].code));
  return lines;
}

int ModifiersModel::logRow() const { return hasCurrent() ? count() - 1 - current() : -1; }

std::string ModifiersModel::groupCaption(ModifierGroup group) const {
  static constexpr std::string_view kLetters = "FSTA";
  const std::string letter(1, kLetters[static_cast<int>(group)]);
  return groupMode_ == static_cast<int>(group) + 1 ? "•" + letter + "•" : letter;
}

bool ModifiersModel::create() {
  if (!canCreate()) return false;
  limitCurrent();
  ModifierList& entries = list();
  const int at = current() + 1;
  const Modifier copied = hasCurrent() ? currentEntry() : kFirstModifier;
  std::shift_right(entries.entries.begin() + at, entries.entries.begin() + entries.count + 1, 1);
  entries.entries[at] = copied;
  ++entries.count;
  session_.scenes().currentModifier = at;
  session_.publish(Change::Modifiers | Change::CurrentModifier);
  return true;
}

bool ModifiersModel::remove() {
  if (!hasCurrent()) return false;
  limitCurrent();
  ModifierList& entries = list();
  const int at = current();
  std::shift_left(entries.entries.begin() + at, entries.entries.begin() + entries.count, 1);
  --entries.count;
  // The entry before the deleted one becomes current; -1 once the list is empty.
  session_.scenes().currentModifier = std::min(std::max(at - 1, 0), entries.count - 1);
  session_.publish(Change::Modifiers | Change::CurrentModifier);
  return true;
}

bool ModifiersModel::moveUp() {
  if (!canMoveUp()) return false;
  const int at = current();
  std::swap(list().entries[at], list().entries[at + 1]);
  session_.scenes().currentModifier = at + 1;
  session_.publish(Change::Modifiers | Change::CurrentModifier);
  return true;
}

bool ModifiersModel::moveDown() {
  if (!canMoveDown()) return false;
  const int at = current();
  std::swap(list().entries[at], list().entries[at - 1]);
  session_.scenes().currentModifier = at - 1;
  session_.publish(Change::Modifiers | Change::CurrentModifier);
  return true;
}

bool ModifiersModel::select(int index) {
  if (index < 0 || index >= count() || index == session_.scenes().currentModifier) return false;
  session_.scenes().currentModifier = index;
  session_.publish(Change::CurrentModifier);
  return true;
}

bool ModifiersModel::previous() { return canGoPrevious() && select(current() - 1); }
bool ModifiersModel::next() { return canGoNext() && select(current() + 1); }
bool ModifiersModel::last() { return select(count() - 1); }
bool ModifiersModel::selectLogRow(int row) { return select(count() - 1 - row); }

bool ModifiersModel::setCode(int code) {
  if (!hasCurrent() || !knownCode(code) || currentEntry().code == code) return false;
  limitCurrent();
  currentEntry().code = static_cast<std::uint8_t>(code);
  session_.publish(Change::Modifiers);
  return true;
}

bool ModifiersModel::step(ModifierField field, int delta) {
  if (!hasCurrent()) return false;
  const FieldRange range = steppedRange(field);
  return store(field, std::clamp(valueOf(currentEntry(), field) + delta, range.low, range.high));
}

bool ModifiersModel::offsetSecond(int delta) {
  if (!hasCurrent()) return false;
  const int sum = currentEntry().p4 + delta;
  const FieldRange range = typedRange(ModifierField::P4);
  return sum >= range.low && sum <= range.high && store(ModifierField::P4, sum);
}

bool ModifiersModel::typeValue(ModifierField field, std::string_view text) {
  const auto value = parseWhole(text);
  const FieldRange range = typedRange(field);
  if (!hasCurrent() || !value || *value < range.low || *value > range.high) return false;
  return store(field, *value);
}

bool ModifiersModel::store(ModifierField field, int value) {
  std::int16_t& stored = valueOf(currentEntry(), field);
  if (stored == value) return false;
  limitCurrent();
  stored = static_cast<std::int16_t>(value);
  session_.publish(Change::Modifiers);
  return true;
}

}  // namespace tess
