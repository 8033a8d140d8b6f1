#include "texture/bitmap_font.hpp"

#include <algorithm>
#include <string>

namespace tess {

Status loadBitmapFont(const std::filesystem::path& path, BitmapFont& font) {
  font.bytes.fill(0);
  std::string contents;
  Status status = readWholeFile(path, contents);
  if (!status.ok()) return status;
  if (contents.size() < BitmapFont::kFileBytes)
    return Status::failure("'" + path.string() + "': font file has " + std::to_string(contents.size()) +
                           " bytes, a font needs " + std::to_string(BitmapFont::kFileBytes));
  std::copy_n(contents.begin(), BitmapFont::kFileBytes, font.bytes.begin());
  return Status::success();
}

}  // namespace tess
