#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "audio/sample_store.hpp"
#include "core/file_io.hpp"

namespace tess {

inline constexpr std::size_t kWavHeaderBytes = 46;

// The current sample's sound as a WAV file: a 46-byte header (an 18-byte format chunk: PCM, one
// channel, 44,100 samples per second, 16 bits) and the first L values of its sound stage.
std::string wavBytes(const SampleStore& store);
Status saveWav(const SampleStore& store, const std::filesystem::path& path);

// The same values without the header (little-endian int16).
std::string soundBytes(const SampleStore& store);

}  // namespace tess
