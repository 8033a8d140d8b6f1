#include "texture/ops/scratch_blur.hpp"

#include <algorithm>
#include <cstring>

#include "texture/ops/blur_pass_schedule.hpp"
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

// Pixels per walk block: the unit of work that one task blurs for one pass.
constexpr int kBlockPixels = 8192;

enum class BlurShape { kCross, kHorizontal };

// The offsets of one pass, in bytes from the pixel P.
struct PassReach {
  std::ptrdiff_t below, above, side;
};

PassReach passReach(BlurShape shape, int pass, std::ptrdiff_t rowBytes) {
  const bool cross = shape == BlurShape::kCross;
  return {cross ? ((pass + 1) / 8 + 1) * rowBytes : 0, cross ? (pass + 1) * rowBytes : 0,
          static_cast<std::ptrdiff_t>(pass) * 4};
}

// Blue, green and red of W consecutive pixels, each read before any of them is written: valid
// when every Lt lies before all W (Lt is P itself in pass 0, else W <= i). Byte lanes hold the
// sum exactly: X/2 + four eighths is at most 127 + 4 * 31 = 251, so only the added brightness can
// pass 255, and it saturates. Generic vectors: SSE2 or NEON as the target has them.
template <int W>
struct PixelBytes {
  typedef std::uint8_t type __attribute__((vector_size(4 * W)));
};

template <int W>
inline void blurPixels(std::uint8_t* pixel, const PassReach& reach, std::uint8_t add) {
  using Bytes = typename PixelBytes<W>::type;
  Bytes original, below, right, left, above, alpha{};
  std::memcpy(&original, pixel, sizeof original);
  std::memcpy(&below, pixel + reach.below, sizeof below);
  std::memcpy(&right, pixel + reach.side, sizeof right);
  std::memcpy(&left, pixel - reach.side, sizeof left);
  std::memcpy(&above, pixel - reach.above, sizeof above);
  for (int k = 0; k < W; ++k) alpha[4 * k + kAlpha] = 0xFF;
  const Bytes sum = (below >> 1) + (right >> 3) + (left >> 3) + (above >> 3) + (original >> 3);
  Bytes total = sum + add;
  total |= reinterpret_cast<Bytes>(total < sum);  // wrapped past 255: all ones
  const Bytes result = (total & ~alpha) | (original & alpha);
  std::memcpy(pixel, &result, sizeof result);
}

// The widest group that pass i may blur at once: any width in pass 0, one pixel in pass 1, else
// the largest power of two up to i (16 at most).
int groupWidth(int pass) {
  if (pass == 0) return 16;
  int width = 1;
  while (width * 2 <= std::min(pass, 16)) width *= 2;
  return width;
}

template <int W>
void blurRun(std::uint8_t* from, std::uint8_t* to, const PassReach& reach, std::uint8_t add) {
  for (std::uint8_t* pixel = from; pixel != to; pixel += 4 * W) blurPixels<W>(pixel, reach, add);
}

// Pixels [first, end) of the walk, in memory order, for one pass. Both ends are multiples of 16
// pixels (sizes from 32 up), so every group width divides the run.
void blurWalkRange(std::uint8_t* walk, std::ptrdiff_t first, std::ptrdiff_t end, const PassReach& reach,
                   int pass, std::uint8_t add) {
  std::uint8_t* from = walk + first * 4;
  std::uint8_t* to = walk + end * 4;
  switch (groupWidth(pass)) {
    case 16: return blurRun<16>(from, to, reach, add);
    case 8: return blurRun<8>(from, to, reach, add);
    case 4: return blurRun<4>(from, to, reach, add);
    case 2: return blurRun<2>(from, to, reach, add);
    default: return blurRun<1>(from, to, reach, add);
  }
}

// Each pass walks from the last row of image 0 to the first row of image 2 in memory order and
// replaces blue, green and red of each pixel P by X/2 + Rt/8 + Lt/8 + Y/8 + P/8 + add, saturated,
// where Rt and Lt lie i pixels after and before P. For the cross X is the pixel (i + 1) / 8 + 1
// rows below and Y the pixel i + 1 rows above; for the horizontal smear both are P itself.
// Pixels before P already hold this pass's values. Passes overlap on the cores, each one a fixed
// distance behind the one before (see BlurPassSchedule).
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

  const auto add = static_cast<std::uint8_t>(op.p[1]);
  std::uint8_t* walk = image1 - rowBytes;
  const std::ptrdiff_t walkPixels = static_cast<std::ptrdiff_t>(size + 2) * size;
  // How far past its own position a pass still touches the previous pass's pixels: its X and Rt,
  // and the previous pass's own Y and Lt, which must be read before this pass overwrites them.
  auto reachPixels = [&](int pass) {
    const PassReach own = passReach(shape, pass, rowBytes);
    const PassReach before = passReach(shape, pass - 1, rowBytes);
    return std::max({own.below, own.side, before.above, before.side}) / 4;
  };
  runPassSchedule(op.p[0], walkPixels, kBlockPixels, reachPixels,
                  [&](int pass, std::ptrdiff_t first, std::ptrdiff_t end) {
                    blurWalkRange(walk, first, end, passReach(shape, pass, rowBytes), pass, add);
                  });
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
