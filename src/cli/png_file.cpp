#include "cli/png_file.hpp"

#include <png.h>

#include <string>
#include <vector>

namespace tess::cli {

namespace {

void appendToString(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

}  // namespace

Status writeStagePng(const std::filesystem::path& path, const std::uint8_t* stage, int size) {
  std::string encoded;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return Status::failure("'" + path.string() + "': cannot start the PNG encoder");
  }
  std::vector<png_byte> row(static_cast<std::size_t>(size) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return Status::failure("'" + path.string() + "': PNG encoding failed");
  }
  png_set_write_fn(png, &encoded, appendToString, flushNothing);
  png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = size - 1; y >= 0; --y) {
    const std::uint8_t* pixel = stage + static_cast<std::size_t>(y) * size * 4;
    for (int x = 0; x < size; ++x, pixel += 4) {
      row[x * 3 + 0] = pixel[2];
      row[x * 3 + 1] = pixel[1];
      row[x * 3 + 2] = pixel[0];
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return writeFileAtomically(path, encoded);
}

}  // namespace tess::cli
