#include "core/msvc_random.hpp"

namespace tess {

MsvcRandom& sharedRandom() {
  static MsvcRandom generator;
  return generator;
}

}  // namespace tess
