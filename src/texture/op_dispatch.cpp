#include "texture/op_dispatch.hpp"

#include <array>

#include "texture/operation_table.hpp"
#include "texture/ops/channel_ops.hpp"
#include "texture/ops/colour_ops.hpp"
#include "texture/ops/cross_fade.hpp"
#include "texture/ops/mixer.hpp"
#include "texture/ops/neighbourhood_filters.hpp"
#include "texture/ops/pixel_shift_ops.hpp"
#include "texture/ops/radial_blur.hpp"
#include "texture/ops/scratch_blur.hpp"
#include "texture/ops/sine_noise_ops.hpp"
#include "texture/ops/solid_fill.hpp"

namespace tess {

namespace {

using DispatchTable = std::array<OpImplementation, kOperationRowCount>;

DispatchTable buildDispatchTable() {
  DispatchTable table{};
  table[texop::Clear] = {opClear};
  table[texop::ClearRGB] = {opClearRGB};
  table[texop::CopyBlueToAlfa] = {opCopyBlueToAlfa};
  table[texop::InvertAlfa] = {opInvertAlfa};
  table[texop::ClearAlfa] = {opClearAlfa};
  table[texop::Invert] = {opInvert};
  table[texop::Empty] = {nullptr};  // the copy alone
  table[texop::SolidFill] = {opSolidFill};
  table[texop::AddNoise] = {opAddNoise};
  table[texop::AddStars] = {opAddStars};
  table[texop::Blur] = {opBlur, false};
  table[texop::MotionBlur] = {opMotionBlur, false};
  table[texop::RadialBlur] = {opRadialBlur};
  table[texop::Sharpen] = {opSharpen, false};
  table[texop::PShift] = {opPShift, false};
  table[texop::RadialPShift] = {opRadialPShift, false};
  table[texop::Map2dPShift] = {opMap2dPShift, false};
  table[texop::Median] = {opMedian, false};
  table[texop::Dilate] = {opDilate, false};
  table[texop::Erode] = {opErode, false};
  table[texop::Edge] = {opEdge, false};
  table[texop::Emboss] = {opEmboss, false};
  table[texop::Mixer] = {opMixer, false};
  table[texop::CrossFade] = {opCrossFade};
  table[texop::ScaleColor] = {opScaleColor};
  table[texop::AdjustColor] = {opAdjustColor};
  table[texop::SinColor] = {opSinColor};
  return table;
}

}  // namespace

const OpImplementation& opImplementation(int op) {
  static const DispatchTable table = buildDispatchTable();
  return table[op];
}

}  // namespace tess
