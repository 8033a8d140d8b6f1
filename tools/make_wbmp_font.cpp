// Build step: turns the ASCII-art glyphs of data/font/micra.txt into the 1285-byte WBMP font
// that DrwTxt reads (a 16 x 640 one-bit picture: the 40 glyphs stacked, in the font's order).
//
// usage: make_wbmp_font GLYPHS.txt OUT.wbmp

#include <array>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "core/file_io.hpp"

namespace {

constexpr std::string_view kGlyphOrder = "!?.,0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kGlyphSize = 16;
// WBMP type 0, fixed header 0, width 16, height 640 (multi-byte integer 0x85 0x00).
constexpr std::array<std::uint8_t, 5> kHeader = {0x00, 0x00, 0x10, 0x85, 0x00};

struct Font {
  std::array<std::uint8_t, kGlyphOrder.size() * kGlyphSize * 2> rows{};
  std::array<bool, kGlyphOrder.size()> seen{};
};

bool fail(const std::string& where, int line, const std::string& problem) {
  std::cerr << where << ":" << line << ": " << problem << "\n";
  return false;
}

// Reads every "glyph C" block: 16 rows of 16 characters, '#' ink and '.' blank. Lines starting
// with '#' outside a block and empty lines are comments.
bool parseGlyphs(const std::string& text, const std::string& where, Font& font) {
  std::istringstream lines(text);
  std::string line;
  int lineNumber = 0;
  while (std::getline(lines, line)) {
    ++lineNumber;
    if (line.empty() || line[0] == '#') continue;
    if (line.size() != 7 || !line.starts_with("glyph "))
      return fail(where, lineNumber, "expected \"glyph C\", found \"" + line + "\"");
    const std::size_t glyph = kGlyphOrder.find(line[6]);
    if (glyph == std::string_view::npos) return fail(where, lineNumber, "the font has no glyph for this character");
    if (font.seen[glyph]) return fail(where, lineNumber, "glyph drawn twice");
    font.seen[glyph] = true;
    for (int row = 0; row < kGlyphSize; ++row) {
      if (!std::getline(lines, line)) return fail(where, lineNumber, "glyph ends early");
      ++lineNumber;
      if (line.size() != kGlyphSize || line.find_first_not_of("#.") != std::string::npos)
        return fail(where, lineNumber, "a glyph row is 16 characters of '#' and '.'");
      std::uint16_t bits = 0;
      for (int column = 0; column < kGlyphSize; ++column)
        if (line[column] == '#') bits |= static_cast<std::uint16_t>(0x8000 >> column);
      font.rows[(glyph * kGlyphSize + row) * 2] = static_cast<std::uint8_t>(bits >> 8);
      font.rows[(glyph * kGlyphSize + row) * 2 + 1] = static_cast<std::uint8_t>(bits & 0xFF);
    }
  }
  for (std::size_t glyph = 0; glyph < kGlyphOrder.size(); ++glyph)
    if (!font.seen[glyph]) return fail(where, lineNumber, std::string("no glyph for \"") + kGlyphOrder[glyph] + "\"");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_wbmp_font GLYPHS.txt OUT.wbmp\n";
    return 2;
  }
  std::string text;
  tess::Status status = tess::readWholeFile(argv[1], text);
  Font font;
  if (!status.ok()) {
    std::cerr << status.message << "\n";
    return 1;
  }
  if (!parseGlyphs(text, argv[1], font)) return 1;

  std::string bytes(kHeader.begin(), kHeader.end());
  bytes.append(font.rows.begin(), font.rows.end());
  const std::filesystem::path output = argv[2];
  std::filesystem::create_directories(output.parent_path());
  status = tess::writeFileAtomically(output, bytes);
  if (!status.ok()) {
    std::cerr << status.message << "\n";
    return 1;
  }
  return 0;
}
