// Fills a buffer of 32-bit words with one value, sixteen bytes a store where
// the processor has them: the compiler, at the optimisation the project
// builds with, fills word by word, which a picture of millions of pixels
// feels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace MainUnit {

inline void FillWords(uint32_t* Words, size_t Count, uint32_t Value)
{
    size_t I = 0;
#if defined(__SSE2__)
    const __m128i Four = _mm_set1_epi32(static_cast<int32_t>(Value));
    for (; I + 4 <= Count; I += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Words + I), Four);
#endif
    for (; I < Count; ++I)
        Words[I] = Value;
}

inline void FillWords(int32_t* Words, size_t Count, int32_t Value)
{
    FillWords(reinterpret_cast<uint32_t*>(Words), Count, static_cast<uint32_t>(Value));
}

}  // namespace MainUnit
