#pragma once

#include "audio/output/sound_output.hpp"
#include "audio/sample_store.hpp"

namespace tess {

// The "Play" button: runs the current sample's list twice, writes "template.wav" in the cache
// folder and starts playing it; returns at once.
Status playPreview(SampleStore& store, SoundOutput& output);

}  // namespace tess
