#pragma once

#include <string>

namespace tess::testing {

// A 4-channel module: one looping square-wave sample started on the first row of its one
// pattern, which the song plays `orders` times, about 7.7 seconds each.
inline std::string squareWaveModule(int orders = 1) {
  auto putBigEndian16 = [](std::string& out, int value) {
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value & 0xFF);
  };
  constexpr int kSampleWords = 64;
  std::string mod(20, '\0');  // title
  for (int s = 0; s < 31; ++s) {
    mod += std::string(22, '\0');
    putBigEndian16(mod, s == 0 ? kSampleWords : 0);
    mod += '\0';                                // finetune
    mod += static_cast<char>(s == 0 ? 64 : 0);  // volume
    putBigEndian16(mod, 0);                     // loop start
    putBigEndian16(mod, s == 0 ? kSampleWords : 1);
  }
  mod += static_cast<char>(orders);  // song length
  mod += '\x7F';                     // restart position
  mod += std::string(128, '\0');     // every order plays pattern 0
  mod += "M.K.";
  std::string pattern(64 * 4 * 4, '\0');
  const int period = 428;
  pattern[0] = static_cast<char>(period >> 8);  // sample 1, period 428
  pattern[1] = static_cast<char>(period & 0xFF);
  pattern[2] = 0x10;
  mod += pattern;
  for (int i = 0; i < 2 * kSampleWords; ++i) mod += static_cast<char>(i % 32 < 16 ? 100 : -100);
  return mod;
}

}  // namespace tess::testing
