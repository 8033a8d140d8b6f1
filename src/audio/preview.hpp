#pragma once

#include <filesystem>

#include "audio/sample_store.hpp"
#include "core/file_io.hpp"

namespace tess {

// The file "Play" writes: "template.wav" in the user's cache folder.
std::filesystem::path previewWavPath();

// What "Play" does before playing: runs the list twice (so a command that reads a later stage
// hears the first run's result) and writes the sound to previewWavPath().
Status writePreviewWav(SampleStore& store);

}  // namespace tess
