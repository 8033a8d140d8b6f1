#include "cli/png_sequence.hpp"

#include <cstdio>

#include "cli/png_file.hpp"

namespace tess::cli {

std::string PngSequence::fileName(std::int64_t index) {
  char name[32];
  std::snprintf(name, sizeof name, "frame_%06lld.png", static_cast<long long>(index));
  return name;
}

Status PngSequence::addFrame(const std::uint8_t* bgra) {
  return writePicturePng(folder_ / fileName(written_++), bgra, width_, height_);
}

}  // namespace tess::cli
