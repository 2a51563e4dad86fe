// The cells of a stretch sorted four at a time in AVX2 vectors: the pixels
// of their corners loaded as pairs of 32-bit lanes (X below, Y above),
// their spans and the picture's and band's bounds compared lane by lane. A
// cell with an unused corner is neither small nor larger: UnusedCorner lies
// farther out than any placed corner can.
#include "MainUnit/Picture/Internal/SurfaceStretch.h"

#ifdef TESSEL_WIDE_SURFACE_CORNERS

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <immintrin.h>

namespace MainUnit {

namespace {

// The pixel of corner C as one word, X in the low half.
[[gnu::always_inline]] inline long long PixelWord(const TCorner& C)
{
    static_assert(offsetof(TCorner, X) == 0 && offsetof(TCorner, Y) == 4);
    long long Word = 0;
    std::memcpy(&Word, &C.X, sizeof Word);
    return Word;
}

// The pixels of corners First[Rows[0]] .. First[Rows[3]], one lane each:
// four loads, not a gather, which is slow on some processors.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i PixelsOf(const TCorner* First,
                                                                    const size_t (&Rows)[4])
{
    return _mm256_setr_epi64x(PixelWord(First[Rows[0]]), PixelWord(First[Rows[1]]),
                              PixelWord(First[Rows[2]]), PixelWord(First[Rows[3]]));
}

// Lanes where both halves of a 64-bit lane are set.
[[gnu::target("avx2"), gnu::always_inline]] inline unsigned BothHalves(__m256i V)
{
    return static_cast<unsigned>(
        _mm256_movemask_pd(_mm256_castsi256_pd(_mm256_and_si256(V, _mm256_slli_epi64(V, 32)))));
}

// The offsets of corners 0 to 3 from Least, corner N's in bits Bits x N of
// each word: X's in the lower half, Y's in the upper. Folded into one
// number per cell, corner N's field holds X's offset plus 2^(Bits / 2)
// times Y's: its pixel within a block of that width.
template <int Bits>
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i
CornerOffsets(__m256i C0, __m256i C1, __m256i C2, __m256i C3, __m256i Least)
{
    const __m256i Packed = _mm256_add_epi32(
        _mm256_add_epi32(_mm256_sub_epi32(C0, Least),
                         _mm256_slli_epi32(_mm256_sub_epi32(C1, Least), Bits)),
        _mm256_add_epi32(_mm256_slli_epi32(_mm256_sub_epi32(C2, Least), 2 * Bits),
                         _mm256_slli_epi32(_mm256_sub_epi32(C3, Least), 3 * Bits)));
    return _mm256_add_epi64(Packed, _mm256_srli_epi64(Packed, 32 - Bits / 2));
}

}  // namespace

// The bounds the cells of a stretch are sorted by, lane by lane.
struct TSortBounds {
    __m256i Low, High, BlockHigh, Unreached;
};

// Four cells of rows From + Shift on whose corners 0 to 3 ((i, j),
// (i + 1, j), (i, j + 1), (i + 1, j + 1)) are C0 to C3, those of Cells4
// counted.
[[gnu::target("avx2"), gnu::always_inline]] inline void
SortFour(__m256i C0, __m256i C1, __m256i C2, __m256i C3, unsigned Cells4, unsigned Shift,
         const TSortBounds& B, TStretchCells& Cells)
{
    const __m256i Low = B.Low, High = B.High, BlockHigh = B.BlockHigh, Unreached = B.Unreached;
    const __m256i One = _mm256_set1_epi32(1);
    const __m256i Least = _mm256_min_epi32(_mm256_min_epi32(C0, C1), _mm256_min_epi32(C2, C3));
    const __m256i Most = _mm256_max_epi32(_mm256_max_epi32(C0, C1), _mm256_max_epi32(C2, C3));
    // Spans stay 32-bit: placed corners lie within CornerReach, unused
    // ones at twice that.
    const __m256i Wide = _mm256_cmpgt_epi32(_mm256_sub_epi32(Most, Least), One);
    const __m256i Inside =
        _mm256_and_si256(_mm256_cmpgt_epi32(Most, Low), _mm256_cmpgt_epi32(High, Least));
    const unsigned In =
        BothHalves(_mm256_and_si256(Inside, _mm256_cmpgt_epi32(Least, Unreached))) & Cells4;
    const unsigned Small = BothHalves(_mm256_andnot_si256(Wide, Inside)) & Cells4;
    Cells.Small |= static_cast<uint64_t>(Small) << Shift;
    Cells.Larger |= static_cast<uint64_t>(In & ~Small) << Shift;
    if ((In & ~Small) != 0) {
        Cells.Whole |= static_cast<uint64_t>(
                           BothHalves(_mm256_and_si256(_mm256_cmpgt_epi32(Least, Low),
                                                       _mm256_cmpgt_epi32(BlockHigh, Least))) &
                           In & ~Small)
                       << Shift;
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(Cells.Least + Shift), Least);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(Cells.Most + Shift), Most);
        // Within a block each offset is at most 3: four bits a corner,
        // its pixel there X's plus 4 times Y's.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(Cells.Blocks + Shift),
                            CornerOffsets<4>(C0, C1, C2, C3, Least));
    }
    if (Small == 0) return;
    Cells.Inside |=
        static_cast<uint64_t>(BothHalves(_mm256_and_si256(_mm256_cmpgt_epi32(Least, Low),
                                                          _mm256_cmpgt_epi32(High, Most))) &
                              Small)
        << Shift;
    // A small cell's offsets are 0 or 1: two bits a corner, its way X's
    // plus twice Y's.
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(Cells.Ways + Shift),
                        CornerOffsets<2>(C0, C1, C2, C3, Least));
}

// The pixels of the corners one row on from those of Pixels (First's rows
// R .. R + 3): its last three and that of First[4].
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i RowOn(__m256i Pixels,
                                                                 const TCorner* First)
{
    return _mm256_blend_epi32(_mm256_permute4x64_epi64(Pixels, 0b00111001),
                              _mm256_set1_epi64x(PixelWord(First[4])), 0xC0);
}

[[gnu::target("avx2")]] void SortStretchWide(const TCorner* Left, const TCorner* Right, size_t From,
                                             size_t End, int32_t Width, const TSurfaceBand& Band,
                                             TStretchCells& Cells)
{
    Cells.Small = Cells.Larger = Cells.Inside = Cells.Whole = 0;
    // Inside: the span's greatest X, Y above Low and least below High.
    const __m256i Low =
        _mm256_setr_epi32(-1, Band.Top - 1, -1, Band.Top - 1, -1, Band.Top - 1, -1, Band.Top - 1);
    const __m256i High = _mm256_setr_epi32(Width, Band.Bottom, Width, Band.Bottom, Width,
                                           Band.Bottom, Width, Band.Bottom);
    // A block from the least X and Y wholly inside: its X and Y above Low,
    // and below High less the block's side less 1.
    const __m256i BlockHigh = _mm256_sub_epi32(High, _mm256_set1_epi32(BlockSide - 1));
    // Placed corners lie within CornerReach, unused ones beyond it.
    const __m256i Unreached = _mm256_set1_epi32(-CornerReach);
    const TSortBounds Bounds{Low, High, BlockHigh, Unreached};
    size_t Row = From;
    for (; Row + 4 <= End; Row += 4) {
        constexpr size_t Rows[4] = {0, 1, 2, 3};
        const __m256i C0 = PixelsOf(Left + Row, Rows), C1 = PixelsOf(Right + Row, Rows);
        SortFour(C0, C1, RowOn(C0, Left + Row), RowOn(C1, Right + Row), 15u,
                 static_cast<unsigned>(Row - From), Bounds, Cells);
    }
    if (Row < End) {
        // Cells past End read the corners of row End instead; they are
        // dropped.
        const size_t Last = End - Row;
        const size_t Upper[4] = {0, std::min<size_t>(1, Last), std::min<size_t>(2, Last),
                                 std::min<size_t>(3, Last)};
        const size_t Lower[4] = {Upper[1], Upper[2], Upper[3], std::min<size_t>(4, Last)};
        SortFour(PixelsOf(Left + Row, Upper), PixelsOf(Right + Row, Upper),
                 PixelsOf(Left + Row, Lower), PixelsOf(Right + Row, Lower), (1u << Last) - 1,
                 static_cast<unsigned>(Row - From), Bounds, Cells);
    }
}

}  // namespace MainUnit

#endif
