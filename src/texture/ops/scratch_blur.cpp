#include "texture/ops/scratch_blur.hpp"

#include <algorithm>
#include <cstring>

#include "texture/ops/pixel.hpp"
#include "texture/stage_area.hpp"
#include "texture/texture_store.hpp"

namespace tess {

namespace {

// Pass i reaches i + 1 <= 255 rows above the walked rows and (i + 1) / 8 + 1 <= 32 rows below;
// its side neighbours, at most 254 pixels away, stay within those rows. Rows past the zero images
// are held as further zero rows, so small sizes read zeros there too.
constexpr int kReachAboveRows = 255;
constexpr int kReachBelowRows = 32;

enum class BlurShape { kCross, kHorizontal };

// Two pixels at a time in 16-bit lanes (generic vectors: SSE2 or NEON as the target has them).
using Bytes8 = std::uint8_t __attribute__((vector_size(8)));
using Lanes8 = std::uint16_t __attribute__((vector_size(16)));
constexpr int kVectorPixels = 2;

// The offsets of one pass, in bytes from the pixel P.
struct PassReach {
  std::ptrdiff_t below, above, side;
};

inline void blurPixel(std::uint8_t* pixel, const PassReach& reach, int add) {
  for (int c = kBlue; c <= kRed; ++c) {
    const int value = pixel[reach.below + c] / 2 + pixel[reach.side + c] / 8 +
                      pixel[c - reach.side] / 8 + pixel[c - reach.above] / 8 + pixel[c] / 8 + add;
    pixel[c] = static_cast<std::uint8_t>(std::min(value, 255));
  }
}

// The same for two consecutive pixels, read before either is written: valid when their Lt lie
// before both (Lt is P itself in pass 0, or two or more pixels back).
inline void blurTwoPixels(std::uint8_t* pixel, const PassReach& reach, int add) {
  auto lanes = [](const std::uint8_t* at) {
    Bytes8 bytes;
    std::memcpy(&bytes, at, sizeof bytes);
    return __builtin_convertvector(bytes, Lanes8);
  };
  Bytes8 original;
  std::memcpy(&original, pixel, sizeof original);
  Lanes8 value = (lanes(pixel + reach.below) >> 1) + (lanes(pixel + reach.side) >> 3) +
                 (lanes(pixel - reach.side) >> 3) + (lanes(pixel - reach.above) >> 3) +
                 (__builtin_convertvector(original, Lanes8) >> 3) + static_cast<std::uint16_t>(add);
  value = value < 255 ? value : 255;
  const Bytes8 alpha = {0, 0, 0, 0xFF, 0, 0, 0, 0xFF};
  const Bytes8 result = (__builtin_convertvector(value, Bytes8) & ~alpha) | (original & alpha);
  std::memcpy(pixel, &result, sizeof result);
}

// Each pass walks from the last row of image 0 to the first row of image 2 in memory order and
// replaces blue, green and red of each pixel P by X/2 + Rt/8 + Lt/8 + Y/8 + P/8 + add, saturated,
// where Rt and Lt lie i pixels after and before P. For the cross X is the pixel (i + 1) / 8 + 1
// rows below and Y the pixel i + 1 rows above; for the horizontal smear both are P itself.
// Pixels before P already hold this pass's values.
void runBlurPasses(const OpInvocation& op, BlurShape shape) {
  const int size = op.size;
  const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(size) * 4;
  const std::size_t imageBytes = StageArea::stageBytes(size);
  const int zeroRowsAbove = std::max(0, kReachAboveRows + 1 - size);
  const int zeroRowsBelow = std::max(0, kReachBelowRows + 1 - size);

  std::uint8_t* top = op.store.scratch.working();
  std::uint8_t* image1 = top + zeroRowsAbove * rowBytes + imageBytes;
  std::memset(top, 0, zeroRowsAbove * rowBytes + imageBytes);
  std::memcpy(image1, op.prev, imageBytes);
  std::memset(image1 + imageBytes, 0, imageBytes + zeroRowsBelow * rowBytes);

  const int add = op.p[1];
  std::uint8_t* walkBegin = image1 - rowBytes;
  std::uint8_t* walkEnd = image1 + imageBytes + rowBytes;  // (S + 2) S pixels, an even count
  for (int pass = 0; pass < op.p[0]; ++pass) {
    const bool cross = shape == BlurShape::kCross;
    const PassReach reach{cross ? ((pass + 1) / 8 + 1) * rowBytes : 0,
                          cross ? (pass + 1) * rowBytes : 0, static_cast<std::ptrdiff_t>(pass) * 4};
    if (pass == 0 || pass >= kVectorPixels) {
      for (std::uint8_t* pixel = walkBegin; pixel != walkEnd; pixel += 4 * kVectorPixels)
        blurTwoPixels(pixel, reach, add);
    } else {
      for (std::uint8_t* pixel = walkBegin; pixel != walkEnd; pixel += 4)
        blurPixel(pixel, reach, add);
    }
  }
  std::memcpy(op.out, image1, imageBytes);
}

}  // namespace

void opBlur(const OpInvocation& op) {
  runBlurPasses(op, BlurShape::kCross);
}

void opMotionBlur(const OpInvocation& op) {
  runBlurPasses(op, BlurShape::kHorizontal);
}

}  // namespace tess
