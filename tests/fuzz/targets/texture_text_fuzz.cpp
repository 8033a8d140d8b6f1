#include <memory>

#include "fuzz_target.hpp"
#include "texture/texture_file.hpp"
#include "texture/texture_store.hpp"
#include "texture/texture_text.hpp"

namespace tess::fuzz {

namespace {

// Larger textures only parse: regenerating 254 stages at 1024 x 1024 takes far longer than an
// input may.
constexpr int kLargestRegenerated = 64;

void expectShortWarnings(const std::vector<std::string>& unknownLines) {
  const std::vector<std::string> warnings = unknownCommandWarnings(unknownLines);
  expect(warnings.size() <= kShownUnknownCommands + 1, "at most 10 warnings and a count");
  for (const std::string& warning : warnings)
    for (unsigned char c : warning)
      expect(c >= 0x20 && c != 0x7F, "warnings hold no control bytes");
}

void expectRoundTrip(const Texture& texture) {
  const std::string written = textureText(texture);
  const TextureTextRead again = readTextureText(written);
  expect(again.error.empty(), "a written texture reads again");
  expect(again.unknownLines.empty(), "a written texture names only known commands");
  expect(textureText(again.texture) == written,
         "a written texture reads again to the same texture");
}

}  // namespace

TESS_FUZZ_TARGET(texture_text) {
  static FuzzFiles files;
  static const std::unique_ptr<TextureStore> store = std::make_unique<TextureStore>();
  const TextureTextRead read = readTextureText(input);
  expectShortWarnings(read.unknownLines);
  if (read.error.empty()) expectRoundTrip(read.texture);
  if (read.error.empty() && read.texture.size > kLargestRegenerated) return;

  const std::string before = textureText(store->currentTexture());
  const std::filesystem::path file = files.write("input.ttx", input);
  std::vector<std::string> unknownLines;
  const Status loaded = loadTextureFile(*store, file, unknownLines);
  expect(loaded.ok() == read.error.empty(), "loading agrees with reading");
  if (!loaded.ok()) {
    expectRefusal(loaded, file);
    expect(textureText(store->currentTexture()) == before,
           "a refused texture leaves the slot as it was");
  }
}

}  // namespace tess::fuzz
