#include "texture/ops/scratch_blur.hpp"

#include <algorithm>
#include <cstring>
#include <type_traits>

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

// Sixteen bytes hold four pixels, thirty-two eight: generic vectors wider than the target's
// registers are split into registers that it has, narrower ones fall back to byte-by-byte code,
// so groups of one and two pixels use the low part of sixteen bytes.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));
using Bytes32 = std::uint8_t __attribute__((vector_size(32)));
using Words64 = std::uint64_t __attribute__((vector_size(16)));
using Words32 = std::uint32_t __attribute__((vector_size(16)));
using Words32x8 = std::uint32_t __attribute__((vector_size(32)));

template <int W>
using PixelVector = std::conditional_t<W == 8, Bytes32, Bytes16>;
template <int W>
using PixelWords = std::conditional_t<W == 8, Words32x8, Words32>;

// The eight-pixel helpers are inlined into blurRunEight, whose AVX2 and baseline builds each pass
// the vectors in their own registers: the calling convention never meets them.
#pragma GCC diagnostic ignored "-Wpsabi"

// W (1, 2, 4 or 8) pixels into the low bytes of a vector, and back.
template <int W>
inline PixelVector<W> loadPixels(const std::uint8_t* at) {
  if constexpr (W >= 4) {
    PixelVector<W> bytes;
    std::memcpy(&bytes, at, sizeof bytes);
    return bytes;
  } else if constexpr (W == 2) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return reinterpret_cast<Bytes16>(Words64{word, 0});
  } else {
    std::uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return reinterpret_cast<Bytes16>(Words32{word, 0, 0, 0});
  }
}

template <int W>
inline void storePixels(std::uint8_t* at, PixelVector<W> bytes) {
  if constexpr (W >= 4) {
    std::memcpy(at, &bytes, sizeof bytes);
  } else if constexpr (W == 2) {
    const std::uint64_t word = reinterpret_cast<Words64>(bytes)[0];
    std::memcpy(at, &word, sizeof word);
  } else {
    const std::uint32_t word = reinterpret_cast<Words32>(bytes)[0];
    std::memcpy(at, &word, sizeof word);
  }
}

// Blue, green and red of W (1, 2, 4 or 8) consecutive pixels, each read before any of them is
// written: valid when every Lt lies before all W (Lt is P itself in pass 0, else W <= i). Byte
// lanes hold the sum exactly: X/2 + four eighths is at most 127 + 4 * 31 = 251, so only the added
// brightness can pass 255, and it saturates.
template <int W>
inline void blurPixels(std::uint8_t* pixel, const PassReach& reach, std::uint8_t add) {
  using Bytes = PixelVector<W>;
  const Bytes original = loadPixels<W>(pixel);
  const Bytes alpha = reinterpret_cast<Bytes>(PixelWords<W>{} + 0xFF000000u);
  const Bytes sum = (loadPixels<W>(pixel + reach.below) >> 1) +
                    (loadPixels<W>(pixel + reach.side) >> 3) +
                    (loadPixels<W>(pixel - reach.side) >> 3) +
                    (loadPixels<W>(pixel - reach.above) >> 3) + (original >> 3);
  Bytes total = sum + add;
  total |= reinterpret_cast<Bytes>(total < sum);  // wrapped past 255: all ones
  storePixels<W>(pixel, (total & ~alpha) | (original & alpha));
}

// The widest group that pass i may blur at once: eight pixels in pass 0 and from pass 8 on (each
// group still reads only pixels outside itself), four in passes 4 to 7, two in passes 2 and 3,
// one in pass 1.
int groupWidth(int pass) {
  if (pass == 0 || pass >= 8) return 8;
  return pass >= 4 ? 4 : pass;
}

template <int W>
void blurRun(std::uint8_t* from, std::uint8_t* to, const PassReach& reach, std::uint8_t add) {
  for (std::uint8_t* pixel = from; pixel != to; pixel += 4 * W) blurPixels<W>(pixel, reach, add);
}

// Most passes take groups of eight, in one AVX2 register where the processor has it.
__attribute__((target_clones("avx2", "default"))) void blurRunEight(
    std::uint8_t* from, std::uint8_t* to, const PassReach& reach, std::uint8_t add) {
  blurRun<8>(from, to, reach, add);
}

// Pixels [first, end) of the walk, in memory order, for one pass. Both ends are multiples of the
// size (32 and up), so every group width divides the run.
void blurWalkRange(std::uint8_t* walk, std::ptrdiff_t first, std::ptrdiff_t end,
                   const PassReach& reach, int pass, std::uint8_t add) {
  std::uint8_t* from = walk + first * 4;
  std::uint8_t* to = walk + end * 4;
  switch (groupWidth(pass)) {
    case 8:
      return blurRunEight(from, to, reach, add);
    case 4:
      return blurRun<4>(from, to, reach, add);
    case 2:
      return blurRun<2>(from, to, reach, add);
    default:
      return blurRun<1>(from, to, reach, add);
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
