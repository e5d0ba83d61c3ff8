#include "render/Random.h"

namespace vx {

RandomSource& EngineRandom() {
    static RandomSource source;
    return source;
}

}  // namespace vx
