// The point loop of a repaint split over two cores: each half of the
// points painted apart, the second put over the first as painting it
// afterwards would have.
#include "MainUnit/Picture/Internal/GraphPaintHalves.h"

#include "MainUnit/Internal/TwoCores.h"
#include "MainUnit/Picture/Internal/FillWords.h"
#include "MainUnit/Picture/Internal/PointPlace.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace MainUnit {

namespace {

// Buffer with Size entries, in the memory it had unless that is more than
// twice as much as needed.
template <class T> T* Resized(std::vector<T>& Buffer, size_t Size)
{
    if (Buffer.capacity() > 2 * Size) std::vector<T>().swap(Buffer);
    Buffer.resize(Size);
    return Buffer.data();
}

// Sizes the second half's buffers; each thread fills its own later.
bool SizeSecondHalf(const TPaintJob& Job, TPaintScratch& Second) noexcept
{
    const TPixelArray& P = Job.Picture;
    const size_t Size = static_cast<size_t>(P.Width) * static_cast<size_t>(P.Height);
    try {
        Resized(Second.Pixels, Size);
        // Read only where the second half drew, which sets them: never cleared.
        if (P.Indexes != nullptr) Resized(Second.Indexes, Size);
        if (Job.DepthBuffer != nullptr) {
            Resized(Second.Depth.Depths, Size);
            Second.Depth.Width = P.Width;
            Second.Depth.Height = P.Height;
        }
    } catch (...) {
        return false;
    }
    return true;
}

#if defined(__SSE2__)
// Four words at a time, where the compiler would take them one by one.
inline __m128i Load(const void* Words)
{
    return _mm_loadu_si128(static_cast<const __m128i*>(Words));
}

inline void Store(void* Words, __m128i Value)
{
    _mm_storeu_si128(static_cast<__m128i*>(Words), Value);
}

// A where Mask is set, B elsewhere.
inline __m128i Select(__m128i Mask, __m128i A, __m128i B)
{
    return _mm_or_si128(_mm_and_si128(Mask, A), _mm_andnot_si128(Mask, B));
}
#endif

// In the order of the points the halves mostly draw apart: most pixels
// take nothing from the second half, and neither their pixels nor their
// record need be read or written. Whole cache lines of sixteen pixels are
// passed over at once, the rest four at a time.
inline constexpr size_t Line = 16;

#if defined(__SSE2__)
// Whether the second half drew none of Line pixels: only Untouched has a
// top byte of all ones, so their AND is Untouched exactly when each is.
inline bool NoneDrawn(const uint32_t* Pixels)
{
    const __m128i All = _mm_and_si128(_mm_and_si128(Load(Pixels), Load(Pixels + 4)),
                                      _mm_and_si128(Load(Pixels + 8), Load(Pixels + 12)));
    const __m128i Alone = _mm_set1_epi32(static_cast<int32_t>(Untouched));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(All, Alone)) == 0xFFFF;
}

// Whether Line depth entries are all +0, left alone: their OR is 0 exactly
// then (a -0 goes on to the test four at a time, where it counts as 0).
inline bool NoneEntered(const float* Depths)
{
    const __m128i All = _mm_or_si128(_mm_or_si128(Load(Depths), Load(Depths + 4)),
                                     _mm_or_si128(Load(Depths + 8), Load(Depths + 12)));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(All, _mm_setzero_si128())) == 0xFFFF;
}

// CombineDrawn for pixels I .. I + 3.
inline void TakeDrawn(const TPixelArray& P, const TPaintScratch& Second, size_t I)
{
    const __m128i Later = Load(Second.Pixels.data() + I);
    const __m128i Keep = _mm_cmpeq_epi32(Later, _mm_set1_epi32(static_cast<int32_t>(Untouched)));
    if (_mm_movemask_epi8(Keep) == 0xFFFF) return;
    Store(P.Pixels + I, Select(Keep, Load(P.Pixels + I), Later));
    if (P.Indexes != nullptr)
        Store(P.Indexes + I, Select(Keep, Load(P.Indexes + I), Load(Second.Indexes.data() + I)));
}

// CombineNearer for pixels I .. I + 3: the scalar test lane by lane (== is
// ordered as in C++).
inline void TakeNearer(const TPaintJob& Job, const TPaintScratch& Second, size_t I)
{
    const TPixelArray& P = Job.Picture;
    float* Earlier = Job.DepthBuffer->Depths.data() + I;
    const __m128 Zero = _mm_setzero_ps();
    const __m128 L = _mm_loadu_ps(Second.Depth.Depths.data() + I);
    const __m128 Drawn = _mm_cmpneq_ps(L, Zero);
    if (_mm_movemask_ps(Drawn) == 0) return;
    const __m128 E = _mm_loadu_ps(Earlier);
    const __m128i Pixels = Load(Second.Pixels.data() + I);
    const __m128i Below = _mm_set1_epi32(static_cast<int32_t>(BelowMark));
    const __m128 Marked = _mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(Pixels, Below), Below));
    const __m128 Wins =
        _mm_or_ps(_mm_cmpeq_ps(E, Zero),
                  _mm_or_ps(_mm_cmplt_ps(L, E), _mm_and_ps(_mm_cmpeq_ps(L, E), Marked)));
    const __m128 Takes = _mm_and_ps(Drawn, Wins);
    if (_mm_movemask_ps(Takes) == 0) return;
    const __m128i Take = _mm_castps_si128(Takes);
    const __m128i Colour = _mm_set1_epi32(static_cast<int32_t>(ColorBits));
    Store(Earlier, Select(Take, _mm_castps_si128(L), _mm_castps_si128(E)));
    Store(P.Pixels + I, Select(Take, _mm_and_si128(Pixels, Colour), Load(P.Pixels + I)));
    if (P.Indexes != nullptr)
        Store(P.Indexes + I, Select(Take, Load(Second.Indexes.data() + I), Load(P.Indexes + I)));
}
#endif

// CombineHalves without the depth buffer: every pixel the second half drew
// wins.
void CombineDrawn(const TPaintJob& Job, const TPaintScratch& Second, size_t First, size_t Last)
{
    const TPixelArray& P = Job.Picture;
    size_t I = First;
#if defined(__SSE2__)
    for (; I + Line <= Last; I += Line) {
        if (NoneDrawn(Second.Pixels.data() + I)) continue;
        for (size_t J = I; J < I + Line; J += 4)
            TakeDrawn(P, Second, J);
    }
    for (; I + 4 <= Last; I += 4)
        TakeDrawn(P, Second, I);
#endif
    for (; I < Last; ++I) {
        if (Second.Pixels[I] == Untouched) continue;
        P.Pixels[I] = Second.Pixels[I];
        if (P.Indexes != nullptr) P.Indexes[I] = Second.Indexes[I];
    }
}

// CombineHalves with the depth buffer, whose entries run as the pixels; a
// pixel the second half did not draw has an entry of 0 there.
void CombineNearer(const TPaintJob& Job, const TPaintScratch& Second, size_t First, size_t Last)
{
    const TPixelArray& P = Job.Picture;
    float* Earlier = Job.DepthBuffer->Depths.data();
    const float* Later = Second.Depth.Depths.data();
    size_t I = First;
#if defined(__SSE2__)
    for (; I + Line <= Last; I += Line) {
        if (NoneEntered(Later + I)) continue;
        for (size_t J = I; J < I + Line; J += 4)
            TakeNearer(Job, Second, J);
    }
    for (; I + 4 <= Last; I += 4)
        TakeNearer(Job, Second, I);
#endif
    for (; I < Last; ++I) {
        if (Later[I] == 0.0f || (Earlier[I] != 0.0f &&
                                 !(Later[I] < Earlier[I] || (Later[I] == Earlier[I] &&
                                                             (Second.Pixels[I] & BelowMark) != 0))))
            continue;
        Earlier[I] = Later[I];
        P.Pixels[I] = Second.Pixels[I] & ColorBits;
        if (P.Indexes != nullptr) P.Indexes[I] = Second.Indexes[I];
    }
}

// Puts pixels First .. Last - 1 of the second half over the first as
// painting it afterwards would have: without the depth buffer every pixel it
// drew wins; with it, the point it left on a pixel wins where its distance
// lies below the first half's entry. Its entry decides that unless both
// entries are equal; then the distance lies below exactly when it lies below
// its own entry (BelowMark), since any later point of the second half that
// its painting let through would have passed the first half's entry too.
// This holds as long as no point recorded a depth of 0 or a huge one.
void CombineHalves(const TPaintJob& Job, const TPaintScratch& Second, size_t First, size_t Last)
{
    if (Job.DepthBuffer == nullptr)
        CombineDrawn(Job, Second, First, Last);
    else
        CombineNearer(Job, Second, First, Last);
}

// One half of the points, after clearing the buffers that half paints into:
// the first half straight into the picture, the second into the scratch.
// True when the halves cannot be combined.
bool PaintHalf(const TPaintJob& Job, TPaintScratch& Second, size_t First, size_t Last, int Part)
{
    const TPixelArray& P = Job.Picture;
    const size_t Size = static_cast<size_t>(P.Width) * static_cast<size_t>(P.Height);
    if (Part == 0) {
        if (Job.DepthBuffer != nullptr) ClearDepthBuffer(*Job.DepthBuffer);
        ClearPointRecord(P);
        return PaintRange(Job, First, Last, P, Job.DepthBuffer, {true, false});
    }
    FillWords(Second.Pixels.data(), Size, Untouched);
    TDepthBuffer* Depth = nullptr;
    if (Job.DepthBuffer != nullptr) {
        ClearDepthBuffer(Second.Depth);
        Depth = &Second.Depth;
    }
    const TPixelArray Scratch{Second.Pixels.data(), P.Width, P.Height,
                              P.Indexes != nullptr ? Second.Indexes.data() : nullptr};
    return PaintRange(Job, First, Last, Scratch, Depth, {true, true});
}

}  // namespace

bool PaintOnTwoCores(const TPaintJob& Job, size_t Count, TCores Cores,
                     TPaintScratch& Second) noexcept
{
    if (!SplitOverTwoCores(Count, Cores) || !SizeSecondHalf(Job, Second)) return false;
    bool Unmergeable[2] = {false, false};
    RunInTwoHalves(Count, true, [&](size_t First, size_t Last, int Part) noexcept {
        Unmergeable[Part] = PaintHalf(Job, Second, First, Last, Part);
    });
    // The loop in order then paints again every pixel the first half drew
    // (it paints those points first, into the same empty buffers), so
    // nothing of the first half's pixels needs to be kept.
    if (Unmergeable[0] || Unmergeable[1]) return false;
    const TPixelArray& P = Job.Picture;
    const size_t Size = static_cast<size_t>(P.Width) * static_cast<size_t>(P.Height);
    RunInTwoHalves(Size, true, [&](size_t First, size_t Last, int) noexcept {
        CombineHalves(Job, Second, First, Last);
    });
    return true;
}

}  // namespace MainUnit
