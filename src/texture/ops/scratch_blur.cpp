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
  std::uint8_t* walkEnd = image1 + imageBytes + rowBytes;
  for (int pass = 0; pass < op.p[0]; ++pass) {
    const std::ptrdiff_t side = static_cast<std::ptrdiff_t>(pass) * 4;
    const std::ptrdiff_t below = shape == BlurShape::kCross ? ((pass + 1) / 8 + 1) * rowBytes : 0;
    const std::ptrdiff_t above = shape == BlurShape::kCross ? (pass + 1) * rowBytes : 0;
    for (std::uint8_t* pixel = walkBegin; pixel != walkEnd; pixel += 4) {
      for (int c = kBlue; c <= kRed; ++c) {
        const int value = pixel[below + c] / 2 + pixel[side + c] / 8 + pixel[c - side] / 8 + pixel[c - above] / 8 +
                          pixel[c] / 8 + add;
        pixel[c] = static_cast<std::uint8_t>(std::min(value, 255));
      }
    }
  }
  std::memcpy(op.out, image1, imageBytes);
}

}  // namespace

void opBlur(const OpInvocation& op) { runBlurPasses(op, BlurShape::kCross); }

void opMotionBlur(const OpInvocation& op) { runBlurPasses(op, BlurShape::kHorizontal); }

}  // namespace tess
