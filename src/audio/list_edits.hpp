#pragma once

// The sample generator window's editing logic as plain functions on the store. List indices
// count from the top of the command list, where the newest command stands: list index
// n - 1 - v shows command v. Every function refuses silently at its limits.

#include <string_view>

#include "audio/sample_store.hpp"

namespace tess {

// The list index that shows the current command (-1 when none is current).
int currentListIndex(const SampleStore& store);

// "Add": inserts Sinus(0,0,0) after the current command (at the front when none is current),
// makes it current and runs it. Refused when the list holds 255 commands.
bool addCommand(SampleStore& store);

// "Del": deletes the command at list index selection (the last command when selection names
// none). The command that moves into its place becomes current, or the new last command when
// there is none. Returns the list index to select.
int deleteCommand(SampleStore& store, int selection);

// "up" / "down": swaps the command at list index selection with the one above / below it through
// the row's exchange slot, runs the current command (which stays where it was) and returns the
// selection that follows the moved command. Nothing happens at either end of the list.
int moveCommandUp(SampleStore& store, int selection);
int moveCommandDown(SampleStore& store, int selection);

// Picking a list entry: its command becomes current and runs. An index outside the list does
// nothing.
void selectCommand(SampleStore& store, int selection);

// "<" and ">": one sample down (not below 0) or up (not above 254); then the last command becomes
// current and the whole list runs.
void previousSample(SampleStore& store);
void nextSample(SampleStore& store);

// Picking operation op for the current command: its code becomes op and, for a known operation,
// its parameters get their defaults; then it runs.
void retypeCommand(SampleStore& store, int op);

// A typed parameter: text that is not a whole number gives 0; the value is limited to
// 0..maximum.
int typedParameterValue(std::string_view text, int maximum);

// Stores value as parameter j of the current command and runs it (used after typing).
void setParameter(SampleStore& store, int j, int value);

// "+" (step 1) and "-" (step -1): one step within 0..maximum; then the command runs.
void stepParameter(SampleStore& store, int j, int step);

}  // namespace tess
