#pragma once

#include <cstddef>

// Vectors of W floats for the loudness measure. Each kernel is built twice: for 16 lanes where
// the processor has AVX-512, and for 8 lanes (AVX2, or plain x86-64) elsewhere; widestLanes()
// says which one this processor runs. Sixteen lanes do not fit AVX2's registers.

#define LANES_INLINE inline __attribute__((always_inline))

template <int W> struct Vector {
    typedef float type __attribute__((vector_size(W * sizeof(float))));
    // The same from any float address (vector types may alias their elements).
    typedef float unaligned
        __attribute__((vector_size(W * sizeof(float)), aligned(alignof(float))));
    typedef int bits __attribute__((vector_size(W * sizeof(float))));
};

template <int W> LANES_INLINE void load(const float* from, typename Vector<W>::type& into) {
    into = *reinterpret_cast<const typename Vector<W>::unaligned*>(from);
}

// The magnitudes, by clearing the sign bits.
template <int W>
LANES_INLINE void magnitudes(const typename Vector<W>::type& x, typename Vector<W>::type& out) {
    out = (typename Vector<W>::type)((typename Vector<W>::bits)x & 0x7fffffff);
}

template <int W>
LANES_INLINE void keepLarger(const typename Vector<W>::type& x, typename Vector<W>::type& largest) {
    largest = x > largest ? x : largest;
}

// 16 with AVX-512, else 8.
int widestLanes();

// WIDE_BUILD marks the 16-lane kernels, NARROW_BUILD the 8-lane ones (built for AVX2 and for
// plain x86-64, the better picked when the program loads). A kernel must not call out of
// itself: a call would leave the wide registers in use after it and slow every system call.
// Under the sanitizers, which start too late for a choice made at load, both are plain.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) &&                             \
    !defined(__SANITIZE_ADDRESS__)
#define WIDE_BUILD __attribute__((target("arch=x86-64-v4")))
#define NARROW_BUILD __attribute__((target_clones("arch=x86-64-v3", "default")))
#define PICKS_VECTOR_UNIT 1
#else
#define WIDE_BUILD
#define NARROW_BUILD
#define PICKS_VECTOR_UNIT 0
#endif
