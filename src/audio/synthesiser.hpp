#pragma once

#include "audio/sample_store.hpp"

namespace tess {

// Runs the current command of the current sample into its stage. Does nothing while no command
// is current, for an unknown operation code, or when the command's stage would lie beyond the
// stage store at the current length.
void runCommand(SampleStore& store);

// Runs the current sample's list in order and restores the current command c; then, for c > 0,
// copies stage c over stage c + 1. A list whose stages do not all fit the stage store stops
// after the last command whose stage fits.
void runSampleList(SampleStore& store);

// The stage that holds the current sample's sound: that of its last command, or of the last
// command that could run when the list did not fit (stage -1, silence, for an empty list).
int soundStage(const SampleStore& store);

}  // namespace tess
