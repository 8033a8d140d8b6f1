#pragma once

#include <array>
#include <string_view>

#include "audio/sample_types.hpp"

namespace tess {

// Operation codes of the synthesiser: the row numbers of its operation table.
namespace sampleop {
enum : int {
  Sinus = 0,
  AbsSinus,
  Square,
  Triangle,
  Saw,
  SoftSaw,
  Noise,
  Mixer,
  Morf,
  Env,
  Flanger,
  Eq,
  Reverse,
  SinPack,
  Pluck,
  VRoll,
  Reverb,
  SinPackSlide,
  BaseDrum,
  Resample,
  Invert,
  Compress,
  Compress2,
  SinPack2,
  SSawPack,
  Vibrato,
  Shift,
  Roll,
  SetSize,
};
}  // namespace sampleop

inline constexpr int kSampleOpCount = 29;

// Name, parameter labels (Russian, as the editor shows them), defaults and maxima of one
// operation. Every parameter's minimum is 0.
struct SampleOpInfo {
  std::string_view name;
  int count = 0;
  std::array<std::string_view, kSampleParamCount> labels{};
  SampleParams defaults{};
  SampleParams maxima{};
};

const std::array<SampleOpInfo, kSampleOpCount>& sampleOperations();

inline bool isSampleOp(int op) {
  return op >= 0 && op < kSampleOpCount;
}

// The operation called name, or -1.
int sampleOpByName(std::string_view name);

}  // namespace tess
