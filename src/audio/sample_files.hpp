#pragma once

// The binary sample files: raw little-endian copies of the command table.
//
// Sample pack (.tsp, 2,884,608 bytes): all 256 rows x 256 slots of 11 int32 words (op, seven
// parameters, three zero words), then the current command index, then the 255 command counts.
// Single sample (.tsm, 11,272 bytes): the current sample's row, the current command index and
// its command count. Lengths are not stored: SetSize commands set them when a list runs.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "audio/sample_store.hpp"
#include "core/file_io.hpp"

namespace tess {

inline constexpr std::size_t kCommandBytes = 44;
inline constexpr std::size_t kRowBytes = kCommandSlots * kCommandBytes;
inline constexpr std::size_t kSamplePackBytes = kCommandRows * kRowBytes + 4 + kSampleCount * 4;
inline constexpr std::size_t kSampleFileBytes = kRowBytes + 4 + 4;

std::string samplePackBytes(const SampleStore& store);
std::string sampleFileBytes(const SampleStore& store);

// Reading refuses (store unchanged, message naming the file and the problem) a file of the wrong
// size, a command count outside 0..255 and a current command index outside -1..254. A pack
// replaces every list, every count and the current command; a sample file replaces the current
// sample's row, count and current command. Either way a current command beyond the current
// sample's list then becomes its last command, so the cursor always names a command or none.
Status readSamplePack(SampleStore& store, std::string_view bytes,
                      const std::filesystem::path& name);
Status readSampleFile(SampleStore& store, std::string_view bytes,
                      const std::filesystem::path& name);

// Reads the whole file at path and hands its bytes to read.
using SampleFileReader = Status (*)(SampleStore&, std::string_view, const std::filesystem::path&);
Status loadWith(SampleStore& store, const std::filesystem::path& path, SampleFileReader read);

Status loadSamplePack(SampleStore& store, const std::filesystem::path& path);
Status loadSampleFile(SampleStore& store, const std::filesystem::path& path);
Status saveSamplePack(const SampleStore& store, const std::filesystem::path& path);
Status saveSampleFile(const SampleStore& store, const std::filesystem::path& path);

}  // namespace tess
