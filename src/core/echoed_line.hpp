#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tess {

inline constexpr std::size_t kEchoedCharacters = 60;

// A line of a file as a message may quote it: at most 60 characters, then "..."; control
// characters (C0, DEL, C1), bytes that are not valid UTF-8 and the backslash written as \xNN
// (\\ for the backslash, \u0080..\u009f for C1), so that nothing a file holds reaches the terminal
// or a message box as a control sequence.
std::string echoedLine(std::string_view line);

}  // namespace tess
