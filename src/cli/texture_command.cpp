#include "cli/texture_command.hpp"

#include <memory>
#include <ostream>
#include <string_view>

#include "cli/arguments.hpp"
#include "cli/commands.hpp"
#include "cli/png_file.hpp"
#include "cli/status_report.hpp"
#include "core/file_io.hpp"
#include "core/folders.hpp"
#include "texture/interpreter.hpp"
#include "texture/texture_store.hpp"
#include "texture/texture_text.hpp"

namespace tess::cli {

namespace {

// The font named on the command line must load; the default one may be missing (blank font).
bool loadFont(const Arguments& arguments, TextureStore& store, std::ostream& err) {
  if (auto font = arguments.option("font")) {
    Status status = loadBitmapFont(*font, store.font);
    if (!status.ok()) {
      err << status.message << "\n";
      return false;
    }
    return true;
  }
  loadBitmapFont(dataFolder() / "micra.wbmp", store.font);
  return true;
}

}  // namespace

int runTextureCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string message;
  auto arguments = parseArguments(args, {"font", "stage", "raw", "png", "resave"}, message);
  if (!arguments || arguments->positional.size() != 1) {
    if (arguments) message = "expected one texture file";
    err << "tessarine-cli texture: " << message << "\n" << usageLine("texture");
    return kExitUsage;
  }
  const std::string& input = arguments->positional[0];

  std::string text;
  if (!report(readWholeFile(input, text), err)) return kExitBadInput;
  TextureTextRead read = readTextureText(text);
  for (const std::string& warning : unknownCommandWarnings(read.unknownLines))
    err << "'" << input << "': " << warning << "\n";
  if (!read.error.empty()) {
    err << "'" << input << "': " << read.error << "\n";
    return kExitBadInput;
  }

  auto store = std::make_unique<TextureStore>();
  if (!loadFont(*arguments, *store, err)) return kExitBadInput;
  store->slots[0] = std::move(read.texture);
  selectTexture(*store, 0);
  const Texture& texture = store->currentTexture();

  int stage = texture.stageCount - 1;
  if (auto requested = arguments->option("stage")) {
    auto parsed = parseInteger(*requested, 0, texture.stageCount);
    if (!parsed) {
      err << "tessarine-cli texture: --stage must be 0.." << texture.stageCount << " for '" << input << "'\n";
      return kExitUsage;
    }
    stage = *parsed;
  }
  const std::uint8_t* pixels = store->stage(stage);

  if (auto raw = arguments->option("raw")) {
    std::string_view bytes(reinterpret_cast<const char*>(pixels), StageArea::stageBytes(texture.size));
    if (!report(writeFileAtomically(*raw, bytes), err)) return kExitBadInput;
  }
  if (auto png = arguments->option("png")) {
    if (!report(writeStagePng(*png, pixels, texture.size), err)) return kExitBadInput;
  }
  if (auto resave = arguments->option("resave")) {
    if (!report(writeFileAtomically(*resave, textureText(texture)), err)) return kExitBadInput;
  }
  out << "'" << input << "': " << texture.size << "x" << texture.size << ", " << texture.stageCount - 1
      << " commands, stage " << stage << "\n";
  return kExitSuccess;
}

}  // namespace tess::cli
