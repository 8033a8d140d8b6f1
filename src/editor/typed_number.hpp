#pragma once

// Numbers typed into the edits of the tool windows.

#include <optional>
#include <string_view>

namespace tess {

// The whole of text as a decimal integer (surrounding spaces and a leading "+" or "-" allowed);
// nothing when it is empty, holds anything else or does not fit an int.
std::optional<int> parseTypedNumber(std::string_view text);

// The typed number when it lies in low..high.
std::optional<int> parseTypedNumber(std::string_view text, int low, int high);

}  // namespace tess
