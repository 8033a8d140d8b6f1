#include "core/echoed_line.hpp"

#include <cstdio>

namespace tess {

namespace {

// The length of the valid UTF-8 sequence at text[pos] (shortest form, no surrogates, at most
// U+10FFFF) and its code point; 0 when the byte there starts none.
std::size_t utf8Sequence(std::string_view text, std::size_t pos, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC0 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || pos + length > text.size()) return 0;
  code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return length;
}

void appendEscape(std::string& out, const char* format, unsigned value) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, format, value);
  out += escaped;
}

}  // namespace

std::string echoedLine(std::string_view line) {
  std::string out;
  std::size_t pos = 0;
  for (std::size_t shown = 0; pos < line.size() && shown < kEchoedCharacters; ++shown) {
    char32_t code = 0;
    const std::size_t length = utf8Sequence(line, pos, code);
    if (length == 0) {
      appendEscape(out, "\\x%02x", static_cast<unsigned char>(line[pos]));
      pos += 1;
      continue;
    }
    if (code == '\\')
      out += "\\\\";
    else if (code < 0x20 || code == 0x7F)
      appendEscape(out, "\\x%02x", static_cast<unsigned>(code));
    else if (code >= 0x80 && code <= 0x9F)
      appendEscape(out, "\\u%04x", static_cast<unsigned>(code));
    else
      out.append(line.substr(pos, length));
    pos += length;
  }
  if (pos < line.size()) out += "...";
  return out;
}

}  // namespace tess
