#include "texture/ops/text_op.hpp"

#include <algorithm>

#include "texture/bitmap_font.hpp"
#include "texture/ops/colour_writes.hpp"
#include "texture/texture_store.hpp"

namespace tess {

namespace {

// Glyph index of a character: "!", "?", ".", ",", then "0".."9", then "A".."Z"; -1 for any other
// character (space included), which draws nothing but still advances the pen.
int glyphIndex(char c) {
  switch (c) {
    case '!': return 0;
    case '?': return 1;
    case '.': return 2;
    case ',': return 3;
    default: break;
  }
  if (c >= '0' && c <= '9') return 4 + (c - '0');
  if (c >= 'A' && c <= 'Z') return 14 + (c - 'A');
  return -1;
}

// Glyph row 0 goes to image row bottom + 15 and glyph row 15 to bottom, so the text reads
// upright in the view, which shows row 0 at the bottom.
void drawGlyph(const BitmapFont& font, int glyph, std::uint8_t* out, int size, int bottom, int left) {
  const std::uint8_t* rows = font.bytes.data() + BitmapFont::kHeaderBytes + glyph * 2 * BitmapFont::kGlyphSize;
  for (int glyphRow = 0; glyphRow < BitmapFont::kGlyphSize; ++glyphRow) {
    const int bits = rows[2 * glyphRow] << 8 | rows[2 * glyphRow + 1];
    const int row = bottom + BitmapFont::kGlyphSize - 1 - glyphRow;
    for (int glyphColumn = 0; glyphColumn < BitmapFont::kGlyphSize; ++glyphColumn)
      if (bits & (0x8000 >> glyphColumn)) setGrey(pixelAt(out, size, row, left + glyphColumn), 255);
  }
}

}  // namespace

void opDrwTxt(const OpInvocation& op) {
  const int size = op.size;
  const int kerning = op.p[2];
  const int lastLeft = size - 17;  // a glyph drawn at pen x covers columns x + 1 .. x + 16
  const int bottom = std::min(op.p[1] * size / 256, lastLeft) + 1;
  int x = op.p[0] * size / 256;
  for (char c : op.text.substr(0, kCommandTextMax)) {
    if (c == '\0') break;  // the text field ends at its terminator
    const int glyph = glyphIndex(c);
    if (glyph >= 0 && x <= lastLeft) drawGlyph(op.store.font, glyph, op.out, size, bottom, x + 1);
    x += kerning;
  }
}

}  // namespace tess
