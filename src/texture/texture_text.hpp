#pragma once

// The texture generation log: a texture stored as its size, type, name and command list.
//
//   texture generation log
//   tsize=128;
//   ttype=0;
//   tname=bricks;
//   Cells(166,233,166,233);
//   DrwTxt(10,20,14,HELLO);
//   end
//
// The same text is a .ttx file and one entry of a pack's texture section.

#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.hpp"
#include "texture/texture_types.hpp"

namespace tess {

// Appends the text of texture (its commands 1..stageCount-1) to out.
void writeTextureText(const Texture& texture, std::string& out);
std::string textureText(const Texture& texture);

struct TextureTextRead {
  Texture texture;                        // stage count 1 plus one per command line
  std::vector<std::string> unknownLines;  // lines that name no operation, each as echoedLine gives it
  std::string error;                      // empty when the text was read
  std::size_t end = 0;                    // read position after the last thing read
};

// Reads a texture text starting at text[start]. With readCommands false only the tsize=, ttype=
// and tname= entries are read. Keys are found by forward search; numbers convert as atoi does.
// A line that names no operation leaves an Empty command in its place, so the stage numbers of
// later commands keep their meaning. Refused (error set): missing keys, a size that is not one of
// the six, a type other than 0 and 1, more commands than fit the slot or the stage area.
TextureTextRead readTextureText(std::string_view text, std::size_t start = 0, bool readCommands = true);

// The texture section of a pack: one entry per slot 0..253, each the slot's stage count, "," and
// its texture text.
inline constexpr int kPackTextureEntries = 254;
void writeTexturePackSection(const std::vector<Texture>& slots, std::string& out);

// Reads the 254 entries starting at text[start] into slots 0..253 (an entry whose count is below
// 2 gives an empty texture of its size, type and name). Unknown command lines are appended to
// unknownLines. On failure the message names the slot and the problem and slots may be partly
// filled: read into a copy and keep it only on success. sectionEnd, when given, receives the
// position just past the last entry's "end".
Status readTexturePackSection(std::string_view text, std::size_t start, std::vector<Texture>& slots,
                              std::vector<std::string>& unknownLines, std::size_t* sectionEnd = nullptr);

// What loading tells about the unknown command lines: one "unknown command: LINE" for each of the
// first 10, then one line counting the rest, so that a damaged file cannot flood the terminal.
inline constexpr std::size_t kShownUnknownCommands = 10;
std::vector<std::string> unknownCommandWarnings(const std::vector<std::string>& unknownLines);

}  // namespace tess
