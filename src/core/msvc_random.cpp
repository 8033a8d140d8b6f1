#include "core/msvc_random.hpp"

namespace tess {

MsvcRandom& sharedRandom() {
  // One per thread: textures regenerating side by side each reseed their own.
  thread_local MsvcRandom generator;
  return generator;
}

}  // namespace tess
