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
#include "texture/ops/clouds_op.hpp"
#include "texture/ops/distortion_ops.hpp"
#include "texture/ops/fractal_ops.hpp"
#include "texture/ops/pattern_ops.hpp"
#include "texture/ops/render_scene_op.hpp"
#include "texture/ops/roll_tiling_ops.hpp"
#include "texture/ops/shape_ops.hpp"
#include "texture/ops/sprite_op.hpp"
#include "texture/ops/text_op.hpp"

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
  table[texop::Cells] = {opCells, false};
  table[texop::Plasm] = {opPlasm, false};
  table[texop::ChessField] = {opChessField, false};
  table[texop::Mandelbrot] = {opMandelbrot, false};
  table[texop::Julia] = {opJulia, false};
  table[texop::List] = {opList};
  table[texop::Clouds] = {opClouds};
  table[texop::LGradient] = {opLGradient, false};
  table[texop::RenderScene] = {opRenderScene, false};
  table[texop::Box] = {opBox};
  table[texop::Circle] = {opCircle};
  table[texop::AddParticle] = {opAddParticle};
  table[texop::AddSprite] = {opAddSprite};
  table[texop::DrwTxt] = {opDrwTxt};
  table[texop::SinDistort] = {opSinDistort};
  table[texop::Twirl] = {opTwirl};
  table[texop::Lenz] = {opLenz};
  table[texop::RotorZoom] = {opRotorZoom};
  table[texop::Roll] = {opRoll};
  table[texop::Tiling] = {opTiling};
  table[texop::Mozaic] = {opMozaic};
  return table;
}

}  // namespace

const OpImplementation& opImplementation(int op) {
  static const DispatchTable table = buildDispatchTable();
  return table[op];
}

}  // namespace tess
