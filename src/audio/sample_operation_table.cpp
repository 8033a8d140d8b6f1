#include "audio/sample_operation_table.hpp"

namespace tess {

namespace {

using Info = SampleOpInfo;

// The six oscillators share frequency, amplitude and phase.
constexpr Info oscillator(std::string_view name) {
  return {name, 3, {"частота", "амплитуда", "фаза"}, {440, 255, 0}, {1760, 255, 255}};
}

// SinPack2 and SSawPack: a base frequency and six harmonic amplitudes.
constexpr Info harmonicPack(std::string_view name) {
  return {name,
          7,
          {"частота", "a1", "a2", "a3", "a4", "a5", "a6"},
          {220, 128, 128, 128, 128, 128, 128},
          {1760, 255, 255, 255, 255, 255, 255}};
}

// Flanger and Vibrato: sweep speed and depth.
constexpr Info sweep(std::string_view name) {
  return {name, 2, {"скорость", "глубина"}, {1, 1}, {255, 255}};
}

constexpr Info strength(std::string_view name) {
  return {name, 1, {"сила"}, {128}, {255}};
}
constexpr Info offsetPercent(std::string_view name) {
  return {name, 1, {"смещение, в%"}, {1}, {100}};
}
constexpr Info noParameters(std::string_view name) {
  return {name, 0, {}, {}, {}};
}

constexpr std::array<Info, kSampleOpCount> kTable = {{
    oscillator("Sinus"),
    oscillator("AbsSinus"),
    oscillator("Square"),
    oscillator("Triangle"),
    oscillator("Saw"),
    oscillator("SoftSaw"),
    {"Noise", 2, {"частота", "амплитуда"}, {440, 255}, {1760, 255}},
    {"Mixer",
     7,
     {"стадия 1", "стадия 2", "амплитуда 1", "амплитуда 2", "оффсет 1", "оффсет 2",
      "режим смешивания"},
     {1, 1, 128, 128, 0, 0, 0},
     {255, 255, 255, 255, 8192, 8192, 255}},
    {"Morf", 2, {"стадия 1", "стадия 2"}, {1, 1}, {255, 255}},
    {"Env",
     4,
     {"амп1-оффсет", "амп1", "амп2-оффсет", "амп2"},
     {0, 255, 100, 0},
     {100, 255, 100, 255}},
    sweep("Flanger"),
    {"Eq",
     6,
     {"f1", "f2", "f3", "f4", "f5", "f6"},
     {128, 128, 128, 128, 128, 128},
     {255, 255, 255, 255, 255, 255}},
    noParameters("Reverse"),
    noParameters("SinPack"),
    {"Pluck", 3, {"f1", "f2", "ширина полосы"}, {23, 32, 10}, {100, 100, 50}},
    {"VRoll", 1, {"смещение"}, {0}, {255}},
    {"Reverb", 3, {"задержка", "ст.амп", "атака эха"}, {1, 22, 22}, {10000, 255, 255}},
    {"SinPackSlide", 2, {"скорость", "опорная ч-та"}, {1, 440}, {255, 1760}},
    noParameters("BaseDrum"),
    {"Resample", 1, {"частота,Гц*100"}, {1}, {2550}},
    noParameters("Invert"),
    strength("Compress"),
    strength("Compress2"),
    harmonicPack("SinPack2"),
    harmonicPack("SSawPack"),
    sweep("Vibrato"),
    offsetPercent("Shift"),
    offsetPercent("Roll"),
    {"SetSize", 1, {"десятых долей сек."}, {1}, {100}},
}};

}  // namespace

const std::array<SampleOpInfo, kSampleOpCount>& sampleOperations() {
  return kTable;
}

int sampleOpByName(std::string_view name) {
  for (int op = 0; op < kSampleOpCount; ++op)
    if (kTable[op].name == name) return op;
  return -1;
}

}  // namespace tess
