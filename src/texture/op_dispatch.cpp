#include "texture/op_dispatch.hpp"

#include <array>

#include "texture/operation_table.hpp"
#include "texture/ops/channel_ops.hpp"

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
  return table;
}

}  // namespace

const OpImplementation& opImplementation(int op) {
  static const DispatchTable table = buildDispatchTable();
  return table[op];
}

}  // namespace tess
