#include "texture/texture_file.hpp"

#include "texture/interpreter.hpp"
#include "texture/texture_text.hpp"

namespace tess {

Status loadTextureFile(TextureStore& store, const std::filesystem::path& path,
                       std::vector<std::string>& unknownLines) {
  std::string text;
  if (Status read = readWholeFile(path, text); !read.ok()) return read;
  TextureTextRead parsed = readTextureText(text);
  if (!parsed.error.empty()) return Status::failure("'" + path.string() + "': " + parsed.error);
  unknownLines = std::move(parsed.unknownLines);
  store.currentTexture() = std::move(parsed.texture);
  selectTexture(store, store.current);
  return Status::success();
}

Status saveTextureFile(const TextureStore& store, const std::filesystem::path& path) {
  return writeFileAtomically(path, textureText(store.currentTexture()));
}

}  // namespace tess
