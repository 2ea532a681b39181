#pragma once

// Sixteen floats worked on at once, in the widest vector unit the processor has: functions
// marked WIDEST_VECTORS are built for several processor generations and the best one is picked
// when the program starts (not under the sanitizers, whose start-up runs later).
constexpr int kLanes = 16;
typedef float Lanes __attribute__((vector_size(kLanes * sizeof(float))));

// Sixteen floats from any float address (vector types may alias their elements).
typedef float UnalignedLanes __attribute__((vector_size(sizeof(Lanes)), aligned(alignof(float))));
#define LOAD_LANES(from) (*reinterpret_cast<const UnalignedLanes*>(from))

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) &&                             \
    !defined(__SANITIZE_ADDRESS__)
#define WIDEST_VECTORS __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define WIDEST_VECTORS
#endif
