#include "platform/audio/VectorLanes.h"

namespace {

bool hasAvx512() {
#if PICKS_VECTOR_UNIT
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
           __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq") &&
           __builtin_cpu_supports("avx512cd");
#else
    return false;
#endif
}

} // namespace

int widestLanes() {
    static const int lanes = hasAvx512() ? 16 : 8;
    return lanes;
}
