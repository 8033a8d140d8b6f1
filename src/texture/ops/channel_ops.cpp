#include "texture/ops/channel_ops.hpp"

#include <cstring>

#include "texture/ops/parallel_rows.hpp"
#include "texture/ops/pixel.hpp"
#include "texture/stage_area.hpp"

namespace tess {

void opClear(const OpInvocation& op) { std::memset(op.out, 0, StageArea::stageBytes(op.size)); }

void opClearRGB(const OpInvocation& op) {
  forEachPixelInRows(op.out, op.size,
                     [](std::uint8_t* px) { px[kBlue] = px[kGreen] = px[kRed] = 0; });
}

void opCopyBlueToAlfa(const OpInvocation& op) {
  forEachPixelInRows(op.out, op.size, [](std::uint8_t* px) { px[kAlpha] = px[kBlue]; });
}

void opInvertAlfa(const OpInvocation& op) {
  forEachPixelInRows(op.out, op.size, [](std::uint8_t* px) {
    px[kAlpha] = static_cast<std::uint8_t>(255 - px[kAlpha]);
  });
}

void opClearAlfa(const OpInvocation& op) {
  forEachPixelInRows(op.out, op.size, [](std::uint8_t* px) { px[kAlpha] = 255; });
}

void opInvert(const OpInvocation& op) {
  forEachPixelInRows(op.out, op.size, [](std::uint8_t* px) {
    px[kBlue] = static_cast<std::uint8_t>(255 - px[kBlue]);
    px[kGreen] = static_cast<std::uint8_t>(255 - px[kGreen]);
    px[kRed] = static_cast<std::uint8_t>(255 - px[kRed]);
  });
}

}  // namespace tess
