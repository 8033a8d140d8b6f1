#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/zeroed_buffer.hpp"

namespace tess {

// One stretch of stage memory seen from a stage's first value. Reads may fall before the stage or
// beyond its signal, as the operations' offsets allow: they see whatever the store holds there
// (silence unless an earlier length left values behind), and silence outside the store.
template <typename Value>
class BasicStageView {
 public:
  BasicStageView(Value* values, std::ptrdiff_t valueCount, std::ptrdiff_t start)
      : values_(values), valueCount_(valueCount), start_(start) {}

  int operator[](std::ptrdiff_t i) const {
    const std::ptrdiff_t at = start_ + i;
    return at >= 0 && at < valueCount_ ? values_[at] : 0;
  }

  // Writes go only to a stage that fits the store (StageStore::fits), at 0 <= i < its length.
  void set(std::ptrdiff_t i, std::int16_t value) const requires(!std::is_const_v<Value>) {
    values_[start_ + i] = value;
  }

 private:
  Value* values_;
  std::ptrdiff_t valueCount_;
  std::ptrdiff_t start_;
};

using StageView = BasicStageView<std::int16_t>;
using ConstStageView = BasicStageView<const std::int16_t>;

// The sound stages of the current sample, back to back in one zeroed block. Stage k (k >= -1)
// starts 2 * length * k values after the base and carries its signal in its first `length`
// values; the second half is never written, so reads a little beyond a signal are silent. The
// base lies one largest stage into the block, so stage -1 (the silent input of command 0) and the
// half stage before it exist at every length. Stage addresses follow the length: a new length
// moves every stage.
class StageStore {
 public:
  static constexpr std::size_t kBytes = 52'920'000;
  static constexpr std::ptrdiff_t kValueCount = kBytes / 2;
  static constexpr std::ptrdiff_t kBase = 882'000;
  static constexpr std::ptrdiff_t kUsableValues = kValueCount - kBase;

  StageStore() : buffer_(kBytes) {}

  // Whether stages 0..k all lie inside the store at this length.
  static bool fits(int k, int length) {
    return k >= -1 && length >= 0 &&
           (static_cast<std::ptrdiff_t>(k) + 1) * 2 * length <= kUsableValues;
  }

  StageView stage(int k, int length) { return {values(), kValueCount, start(k, length)}; }
  ConstStageView stage(int k, int length) const {
    return {values(), kValueCount, start(k, length)};
  }

 private:
  static std::ptrdiff_t start(int k, int length) { return kBase + std::ptrdiff_t{2} * length * k; }
  std::int16_t* values() { return reinterpret_cast<std::int16_t*>(buffer_.data()); }
  const std::int16_t* values() const {
    return reinterpret_cast<const std::int16_t*>(buffer_.data());
  }

  ZeroedBuffer buffer_;
};

}  // namespace tess
