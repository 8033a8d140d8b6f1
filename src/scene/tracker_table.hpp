#pragma once

// The timeline's stored data: 1000 rows of one event each and the music module's path. Playback
// lives with the timeline; the pack stores this table.

#include <array>
#include <cstdint>
#include <string>

namespace tess {

inline constexpr int kTrackerRows = 1000;
inline constexpr std::size_t kSoundTextMax = 99;  // a 100-byte field with its terminator

// Five bytes; an all-zero event is an empty row.
struct TrackerEvent {
  std::uint8_t command = 0;  // 0..11
  std::uint8_t p1 = 0;
  std::uint8_t p2 = 0;
  std::uint8_t p3 = 0;
  std::uint8_t p4 = 0;  // edited and stored; no command reads it

  bool operator==(const TrackerEvent&) const = default;
  bool empty() const { return *this == TrackerEvent{}; }
};

struct TrackerTable {
  std::array<TrackerEvent, kTrackerRows> events{};
  std::string sound;  // the "sound" field: path of the music module

  bool operator==(const TrackerTable&) const = default;
};

}  // namespace tess
