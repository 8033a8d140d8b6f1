#pragma once

#include <array>
#include <string_view>

#include "texture/texture_types.hpp"

namespace tess {

// Operation codes: row indices of the operation table.
namespace texop {
enum : int {
  GeneratorsHeader = 0, Cells, Plasm, ChessField, Mandelbrot, Julia, List, Clouds, LGradient,
  RenderScene,
  GeometryHeader = 10, Box, Circle, AddParticle, AddSprite, DrwTxt,
  FiltersHeader = 16, SolidFill, AddNoise, AddStars, SinDistort, Twirl, Lenz, Blur, MotionBlur,
  RadialBlur, Sharpen, PShift, RadialPShift, Map2dPShift, Median, Dilate, Erode, Edge, Emboss,
  RotorZoom, Roll, Tiling, Mozaic, Mixer, CrossFade, Clear, ClearRGB, CopyBlueToAlfa, InvertAlfa,
  ClearAlfa,
  ColorHeader = 46, Invert, ScaleColor, AdjustColor, SinColor, Empty,
  End = 52,
};
}  // namespace texop

inline constexpr int kOperationRowCount = 52;  // rows 0..51; row 52 "end" closes the table

struct OperationRow {
  std::string_view name;
  int count = 0;
  std::array<std::string_view, kParamCount> labels{};
  OpParams values{};  // the values the editor shows; start as the defaults
};

using OperationTable = std::array<OperationRow, kOperationRowCount + 1>;

// The table as filled at start: the defaults that "defP" restores.
const OperationTable& pristineOperationTable();

// A group header ("::Generators", ...) runs nothing and cannot be committed.
bool isGroupHeader(int op);

// Whether op is a row that runs (not a header, not "end", within the table).
bool isRunnableOperation(int op);

// Parameter indices (0-based) that name another stage of the same texture, or none.
// Mixer: sources 1 and 2; Map2dPShift: stage-num; AddSprite: stage-num.
bool isStageReference(int op, int paramIndex);

}  // namespace tess
