#pragma once

// Number and search helpers with the semantics of the C runtime calls the file formats were
// written with (atoi, _itoa, strstr), over bounded text instead of terminated buffers.

#include <cstddef>
#include <string>
#include <string_view>

namespace tess {

inline constexpr std::size_t kNotFound = std::string_view::npos;

// atoi at text[pos]: leading white space skipped, an optional sign, then decimal digits up to the
// first other character; no digits give 0. Values beyond the int range saturate. A position at or
// past the end reads as 0.
int atoiAt(std::string_view text, std::size_t pos = 0);

// _itoa(value, buffer, 10): signed decimal without leading zeros or plus sign.
std::string itoa10(int value);

// strstr from text[from]: the position of the first occurrence of key, or kNotFound.
std::size_t findFrom(std::string_view text, std::string_view key, std::size_t from);

// The position of the first character at or after pos that is not white space (or text.size()).
std::size_t skipWhiteSpace(std::string_view text, std::size_t pos);

}  // namespace tess
