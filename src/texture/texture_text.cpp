#include "texture/texture_text.hpp"

#include <algorithm>

#include "core/crt_text.hpp"
#include "core/echoed_line.hpp"
#include "texture/interpreter.hpp"
#include "texture/operation_table.hpp"

namespace tess {

namespace {

constexpr std::string_view kHeader = "texture generation log\n";

// Position just past the next occurrence of key, or the end of the text.
std::size_t pastNext(std::string_view text, std::string_view key, std::size_t from) {
  std::size_t found = findFrom(text, key, from);
  return found == kNotFound ? text.size() : found + key.size();
}

// The first row of 1..52 whose name stands at pos, followed by "(" unless it is "end"; the "("
// test keeps Clear from matching a ClearRGB line. 0 when no row matches.
int matchOperation(std::string_view text, std::size_t pos) {
  const OperationTable& table = pristineOperationTable();
  std::string_view rest = text.substr(pos);
  for (int row = 1; row <= kOperationRowCount; ++row) {
    std::string_view name = table[row].name;
    if (!rest.starts_with(name)) continue;
    if (row == texop::End || (rest.size() > name.size() && rest[name.size()] == '(')) return row;
  }
  return 0;
}

std::string echoedLineAt(std::string_view text, std::size_t pos) {
  std::string_view line = text.substr(pos, findFrom(text, "\n", pos) - pos);
  while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return echoedLine(line);
}

// Reads one command line at pos into command; returns the position of the line's end marker
// search (the caller continues after the next ";").
std::size_t readCommand(std::string_view text, std::size_t pos, int row, TextureCommand& command) {
  const OperationRow& operation = pristineOperationTable()[row];
  command.op = row;
  pos += operation.name.size();
  if (operation.count > 0) {
    pos = pastNext(text, "(", pos);
    for (int j = 0; j < operation.count; ++j) {
      command.params[j] = atoiAt(text, pos);
      if (j + 1 < operation.count) pos = pastNext(text, ",", pos);
    }
  }
  if (row == texop::DrwTxt) {
    // The text runs from after the next "," to the first ")": it may hold commas and ";".
    pos = pastNext(text, ",", pos);
    std::size_t close = std::min(findFrom(text, ")", pos), text.size());
    command.text = std::string(text.substr(pos, std::min(close - pos, kCommandTextMax)));
    pos = close;
  }
  return pos;
}

}  // namespace

void writeTextureText(const Texture& texture, std::string& out) {
  const OperationTable& table = pristineOperationTable();
  out += kHeader;
  if (texture.stageCount > 0) {
    out += "tsize=" + itoa10(texture.size) + ";\n";
    out += "ttype=" + itoa10(texture.type) + ";\n";
    out += "tname=" + texture.name + ";\n";
  }
  const int last = std::min(texture.stageCount, kCommandRecords);
  for (int k = 1; k < last; ++k) {
    const TextureCommand& command = texture.commands[k];
    const OperationRow& operation = table[command.op];
    out += operation.name;
    out += '(';
    for (int j = 0; j < operation.count; ++j) {
      if (j > 0) out += ',';
      out += itoa10(command.params[j]);
    }
    if (command.op == texop::DrwTxt) out += "," + command.text;
    out += ");\n";
  }
  out += "end\n";
}

std::string textureText(const Texture& texture) {
  std::string text;
  writeTextureText(texture, text);
  return text;
}

TextureTextRead readTextureText(std::string_view text, std::size_t start, bool readCommands) {
  TextureTextRead result;
  Texture& texture = result.texture;

  const std::size_t sizeKey = findFrom(text, "tsize=", start);
  const std::size_t typeKey = findFrom(text, "ttype=", sizeKey);
  const std::size_t nameKey = findFrom(text, "tname=", typeKey);
  const std::size_t nameEnd = findFrom(text, ";", nameKey == kNotFound ? kNotFound : nameKey + 6);
  if (sizeKey == kNotFound || typeKey == kNotFound || nameKey == kNotFound || nameEnd == kNotFound) {
    result.error = "not a texture text: the \"tsize=\", \"ttype=\" and \"tname=...;\" entries are missing";
    return result;
  }
  texture.size = atoiAt(text, sizeKey + 6);
  texture.type = atoiAt(text, typeKey + 6);
  texture.name = std::string(text.substr(nameKey + 6, std::min(nameEnd - nameKey - 6, kTextureNameMax)));
  if (!isTextureSize(texture.size)) {
    result.error = "tsize=" + itoa10(texture.size) + " is not one of 32, 64, 128, 256, 512, 1024";
    return result;
  }
  if (texture.type != kTextureNormal && texture.type != kTextureRenderTarget) {
    result.error = "ttype=" + itoa10(texture.type) + " is neither 0 (normal) nor 1 (render-target)";
    return result;
  }

  std::size_t pos = nameEnd + 1;
  int stageCount = 1;
  while (readCommands) {
    pos = skipWhiteSpace(text, pos);
    if (pos >= text.size()) break;  // a text cut short ends its command list here
    const int row = matchOperation(text, pos);
    if (row == texop::End) break;
    if (stageCount >= kMaxStageCount) {
      result.error = "more than " + itoa10(kMaxStageCount - 1) + " commands";
      return result;
    }
    TextureCommand& command = texture.commands[stageCount];
    if (row == 0) {
      result.unknownLines.push_back(echoedLineAt(text, pos));
      command.op = texop::Empty;
    } else {
      pos = readCommand(text, pos, row, command);
    }
    ++stageCount;
    pos = pastNext(text, ";", pos);
  }
  if (!stagesFit(stageCount, texture.size)) {
    result.error = itoa10(stageCount - 1) + " commands do not fit the stage area at size " + itoa10(texture.size);
    return result;
  }
  texture.stageCount = stageCount;
  result.end = pos;
  return result;
}

void writeTexturePackSection(const std::vector<Texture>& slots, std::string& out) {
  for (int t = 0; t < kPackTextureEntries; ++t) {
    out += itoa10(slots[t].stageCount);
    out += ',';
    writeTextureText(slots[t], out);
  }
}

Status readTexturePackSection(std::string_view text, std::size_t start, std::vector<Texture>& slots,
                              std::vector<std::string>& unknownLines, std::size_t* sectionEnd) {
  std::size_t pos = start;
  for (int t = 0; t < kPackTextureEntries; ++t) {
    const std::string slot = "texture slot " + itoa10(t) + ": ";
    if (skipWhiteSpace(text, pos) >= text.size())
      return Status::failure("the texture section ends before " + slot.substr(0, slot.size() - 2));
    const bool hasCommands = atoiAt(text, pos) >= 2;
    TextureTextRead read = readTextureText(text, pos, hasCommands);
    if (!read.error.empty()) return Status::failure(slot + read.error);
    for (std::string& line : read.unknownLines) unknownLines.push_back(slot + line);
    slots[t] = std::move(read.texture);

    const std::size_t end = findFrom(text, "end", read.end);
    if (end == kNotFound) return Status::failure(slot + "the entry has no \"end\"");
    pos = end + 3;
  }
  if (sectionEnd) *sectionEnd = pos;
  return Status::success();
}

std::vector<std::string> unknownCommandWarnings(const std::vector<std::string>& unknownLines) {
  std::vector<std::string> warnings;
  for (std::size_t i = 0; i < unknownLines.size() && i < kShownUnknownCommands; ++i)
    warnings.push_back("unknown command: " + unknownLines[i]);
  if (unknownLines.size() > kShownUnknownCommands)
    warnings.push_back(std::to_string(unknownLines.size() - kShownUnknownCommands) +
                       " more unknown commands");
  return warnings;
}

}  // namespace tess
