#pragma once

#include <string>
#include <vector>

#include "audio/sample_store.hpp"

namespace tess {

// "Sinus(440,255,0)": the operation's name and its parameters in decimal; "Reverse()" for one
// without parameters. An unknown operation code shows as "op37()".
std::string commandText(const SampleCommand& command);

// The command list entry of command number v: "00:Sinus(440,255,0)" (two digits at least).
std::string commandListEntry(int v, const SampleCommand& command);

// The command list of the current sample, newest on top: entry 0 is the last command, entry
// n - 1 - v is command v.
std::vector<std::string> commandListEntries(const SampleStore& store);

}  // namespace tess
