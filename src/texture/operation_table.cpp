#include "texture/operation_table.hpp"

namespace tess {

namespace {

// The labels are shown as written, "heith" and "saturnation" included.
OperationTable buildTable() {
  return OperationTable{{
      {"::Generators", 0, {}, {}},
      {"Cells", 4, {"alfa", "density", "brightness", "complexity"}, {166, 233, 166, 233}},
      {"Plasm", 4, {"freq x", "disp x", "freq y", "disp y"}, {255, 0, 255, 0}},
      {"ChessField", 2, {"cells by x", "cells by y"}, {128, 128}},
      {"Mandelbrot", 4, {"x", "zoom by x", "y", "zoom by y"}, {164, 22, 164, 13}},
      {"Julia", 2, {"p 1", "p 2"}, {183, 231}},
      {"List", 7, {"type (0-2)", "iterations", "p1", "p2", "p3", "p4", "p5"}, {0, 64, 64, 64, 64, 64, 64}},
      {"Clouds", 3, {"scale", "rnd-ofs", "layers"}, {32, 32, 32}},
      {"LGradient", 6, {"r1", "g1", "b1", "r2", "g2", "b2"}, {0, 0, 0, 255, 255, 255}},
      {"RenderScene", 2, {"scene-id", "cam-id"}, {0, 0}},
      {"::Geometry", 0, {}, {}},
      {"Box", 7, {"x", "y", "width", "heith", "r", "g", "b"}, {0, 0, 32, 32, 128, 128, 128}},
      {"Circle", 6, {"x", "y", "rad", "r", "g", "b"}, {0, 0, 32, 128, 128, 128}},
      {"AddParticle", 7, {"x", "y", "r", "g", "b", "rad", "fade-out"}, {128, 128, 255, 255, 255, 128, 255}},
      {"AddSprite", 5, {"x", "y", "stage-num", "rad", "rotation"}, {128, 128, 1, 128, 128}},
      {"DrwTxt", 3, {"x", "y", "kerning"}, {0, 0, 14}},
      {"::Filters", 0, {}, {}},
      {"SolidFill", 6, {"x", "y", "r", "g", "b", "color range"}, {126, 126, 255, 255, 255, 1}},
      {"AddNoise", 1, {"amp"}, {255}},
      {"AddStars", 2, {"count", "brightness"}, {255, 255}},
      {"SinDistort", 4, {"amp x", "freq x", "amp y", "freq y"}, {0, 0, 0, 0}},
      {"Twirl", 5, {"x", "y", "rotation", "force", "rad"}, {128, 128, 128, 192, 64}},
      {"Lenz", 4, {"x", "y", "force", "rad"}, {128, 128, 192, 64}},
      {"Blur", 2, {"blur", "add.brightness"}, {1, 0}},
      {"MotionBlur", 2, {"blur", "add.brightness"}, {1, 0}},
      {"RadialBlur", 2, {"iterations", "zoom"}, {1, 1}},
      {"Sharpen", 0, {}, {}},
      {"PShift", 4, {"r-shift", "g-shift", "b-shift", "saturnation"}, {0, 0, 0, 0}},
      {"RadialPShift", 4, {"r-shift", "g-shift", "b-shift", "saturnation"}, {0, 0, 0, 0}},
      {"Map2dPShift", 3, {"stage-num", "x-scale", "y-scale"}, {99, 128, 128}},
      {"Median", 0, {}, {}},
      {"Dilate", 0, {}, {}},
      {"Erode", 0, {}, {}},
      {"Edge", 0, {}, {}},
      {"Emboss", 0, {}, {}},
      {"RotorZoom", 6, {"x", "y", "rotation", "zoom", "x-deform", "y-deform"}, {128, 128, 128, 64, 64, 64}},
      {"Roll", 3, {"x", "y", "flip"}, {0, 0, 0}},
      {"Tiling", 4, {"x", "y", "anglestep", "mixtype"}, {0, 0, 128, 1}},
      {"Mozaic", 1, {"order"}, {128}},
      {"Mixer", 5, {"source 1", "source 2", "brightness 1", "brightness 2", "type (0-5)"}, {99, 99, 128, 128, 0}},
      {"CrossFade", 2, {"crossfade zone", "direction (0-1)"}, {32, 0}},
      {"Clear", 0, {}, {}},
      {"ClearRGB", 0, {}, {}},
      {"CopyBlueToAlfa", 0, {}, {}},
      {"InvertAlfa", 0, {}, {}},
      {"ClearAlfa", 0, {}, {}},
      {"::Color", 0, {}, {}},
      {"Invert", 0, {}, {}},
      {"ScaleColor", 3, {"r", "g", "b"}, {128, 128, 128}},
      {"AdjustColor", 3, {"hue", "brightness", "contrast"}, {128, 128, 128}},
      {"SinColor", 4, {"r", "g", "b", "all"}, {128, 128, 128, 128}},
      {"Empty", 0, {}, {}},
      {"end", 0, {}, {}},
  }};
}

}  // namespace

const OperationTable& pristineOperationTable() {
  static const OperationTable table = buildTable();
  return table;
}

bool isGroupHeader(int op) {
  return op >= 0 && op < kOperationRowCount && pristineOperationTable()[op].name.starts_with(":");
}

bool isRunnableOperation(int op) {
  return op > 0 && op < kOperationRowCount && !isGroupHeader(op);
}

bool isStageReference(int op, int paramIndex) {
  switch (op) {
    case texop::Mixer: return paramIndex == 0 || paramIndex == 1;
    case texop::Map2dPShift: return paramIndex == 0;
    case texop::AddSprite: return paramIndex == 2;
    default: return false;
  }
}

}  // namespace tess
