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

// Encodes width x height pixels (blue, green, red, alpha) as RGB, picture row y taken from
// rowAt(y).
template <typename RowAt>
Status writeRgbPng(const std::filesystem::path& path, int width, int height, RowAt rowAt) {
  std::string encoded;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return Status::failure("'" + path.string() + "': cannot start the PNG encoder");
  }
  std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return Status::failure("'" + path.string() + "': PNG encoding failed");
  }
  png_set_write_fn(png, &encoded, appendToString, flushNothing);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* pixel = rowAt(y);
    for (int x = 0; x < width; ++x, pixel += 4) {
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

}  // namespace

Status writeStagePng(const std::filesystem::path& path, const std::uint8_t* stage, int size) {
  return writeRgbPng(path, size, size, [stage, size](int y) {
    return stage + static_cast<std::size_t>(size - 1 - y) * size * 4;
  });
}

Status writePicturePng(const std::filesystem::path& path, const std::uint8_t* pixels, int width,
                       int height) {
  return writeRgbPng(path, width, height, [pixels, width](int y) {
    return pixels + static_cast<std::size_t>(y) * width * 4;
  });
}

}  // namespace tess::cli
