#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

namespace tess {

// A large work area allocated once and zero-filled. calloc hands out zero pages lazily, so the
// parts of a 100 MB area that are never touched cost no memory.
class ZeroedBuffer {
 public:
  explicit ZeroedBuffer(std::size_t bytes)
      : bytes_(bytes), memory_(static_cast<std::uint8_t*>(std::calloc(bytes, 1))) {
    if (!memory_) throw std::bad_alloc();
  }

  std::uint8_t* data() { return memory_.get(); }
  const std::uint8_t* data() const { return memory_.get(); }
  std::size_t size() const { return bytes_; }

 private:
  struct FreeDeleter {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };
  std::size_t bytes_;
  std::unique_ptr<std::uint8_t, FreeDeleter> memory_;
};

}  // namespace tess
