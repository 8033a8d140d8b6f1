#pragma once

#include <array>
#include <cstdint>

namespace tess {

inline constexpr int kSampleCount = 255;   // samples 0..254
inline constexpr int kCommandRows = 256;   // row 255 is no sample but is kept and saved
inline constexpr int kCommandSlots = 256;  // slots 0..254 hold commands
inline constexpr int kExchangeSlot = 255;  // the slot two neighbouring commands swap through
inline constexpr int kMaxSampleCommands = 255;
inline constexpr int kSampleParamCount = 7;

inline constexpr int kSampleRate = 44'100;
inline constexpr int kStartLength = 44'100;  // one second
inline constexpr int kMaxLength = 441'000;   // ten seconds

using SampleParams = std::array<std::int32_t, kSampleParamCount>;

// One command of a sample's list. In files it takes 11 little-endian int32 words: op, the seven
// parameters and three reserved words that are written as zero and never read.
struct SampleCommand {
  std::int32_t op = 0;
  SampleParams p{};

  bool operator==(const SampleCommand&) const = default;
};

using CommandRow = std::array<SampleCommand, kCommandSlots>;

}  // namespace tess
