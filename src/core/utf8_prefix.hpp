#pragma once

#include <cstddef>
#include <string_view>

namespace tess {

// The longest start of text that fits in maxBytes without splitting a UTF-8 character, so that a
// name cut to its field's size stays valid text.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace tess
