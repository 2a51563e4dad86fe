// The cells of a stretch of a grid column sorted before they are painted:
// those within a 2 x 2 block of pixels, with the way their corners lie in
// it, and those larger, leaving out every cell wholly beside the picture or
// the band. One at a time, or four at a time in AVX2 vectors where the
// processor has them; both sort every cell alike.
#pragma once

#include "MainUnit/Picture/Internal/SurfaceBands.h"
#include "MainUnit/Picture/Internal/SurfaceBlockTables.h"
#include "MainUnit/Picture/Internal/SurfaceCorners.h"
#include "MainUnit/Picture/Internal/SurfaceJob.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace MainUnit {

// The span of the pixels of two corners side by side on a row of the grid,
// whether both are corners, and their columns and rows summed as Left + 4
// Right (wrapping), from which a small cell's way is keyed; a cell is two
// such pairs.
struct TSpan {
    bool Corners;
    int32_t X0, X1, Y0, Y1;
    uint32_t KeyX, KeyY;
};

[[gnu::always_inline]] inline TSpan PairSpan(const TCorner& Left, const TCorner& Right)
{
    return {Left.Depth >= 0 && Right.Depth >= 0,
            std::min(Left.X, Right.X),
            std::max(Left.X, Right.X),
            std::min(Left.Y, Right.Y),
            std::max(Left.Y, Right.Y),
            static_cast<uint32_t>(Left.X) + 4 * static_cast<uint32_t>(Right.X),
            static_cast<uint32_t>(Left.Y) + 4 * static_cast<uint32_t>(Right.Y)};
}

[[gnu::always_inline]] inline TSpan CellSpan(const TSpan& Top, const TSpan& Bottom)
{
    return {true,
            std::min(Top.X0, Bottom.X0),
            std::max(Top.X1, Bottom.X1),
            std::min(Top.Y0, Bottom.Y0),
            std::max(Top.Y1, Bottom.Y1),
            0,
            0};
}

// The cells of rows From .. From + 63 at most between two columns of the
// grid, bit R for row From + R.
struct TStretchCells {
    uint64_t Small = 0;   // within a 2 x 2 block, in the picture and the band
    uint64_t Larger = 0;  // reaching into both, wider; all four corners used
    uint64_t Inside = 0;  // of the small, those whose corners all lie in both
    // Of the larger, those whose 4 x 4 block from their least X and Y lies
    // in both.
    uint64_t Whole = 0;
    uint64_t Ways[StretchRows];  // of each small cell, its way (SmallCellWays) in the low byte
    // Of each larger cell, the least and the greatest X and Y of its
    // corners' pixels, X in the low half, Y in the high (PixelPair).
    uint64_t Least[StretchRows], Most[StretchRows];
    // Of each larger cell within a 4 x 4 block of pixels, the way its
    // corners lie in the block whose top left is its least X and Y: corner
    // N's pixel of the block (column + 4 row) in bits 4N to 4N + 3 of the
    // low half (TBlockPrograms).
    uint64_t Blocks[StretchRows];
};

// X and Y as one word, as the vectors hold them: X in the low half.
inline uint64_t PixelPair(int32_t X, int32_t Y)
{
    return static_cast<uint64_t>(static_cast<uint32_t>(X)) |
           static_cast<uint64_t>(static_cast<uint32_t>(Y)) << 32;
}
inline int32_t PairX(uint64_t Pair) { return static_cast<int32_t>(static_cast<uint32_t>(Pair)); }
inline int32_t PairY(uint64_t Pair)
{
    return static_cast<int32_t>(static_cast<uint32_t>(Pair >> 32));
}

// The way of a cell whose corners are A, B, C and D in a 4 x 4 block of
// pixels whose top left is (X0, Y0).
inline uint32_t BlockWay(const TCorner& A, const TCorner& B, const TCorner& C, const TCorner& D,
                         int32_t X0, int32_t Y0)
{
    const auto Number = [X0, Y0](const TCorner& E) {
        return static_cast<uint32_t>(E.X - X0 + 4 * (E.Y - Y0));
    };
    return Number(A) | Number(B) << 4 | Number(C) << 8 | Number(D) << 12;
}

// The cells of rows From .. End - 1 (at most a stretch) between the
// corners Left and Right of two neighbouring columns, in the picture Width
// columns wide and Band.
void SortStretch(const TCorner* Left, const TCorner* Right, size_t From, size_t End, int32_t Width,
                 const TSurfaceBand& Band, TStretchCells& Cells);

#ifdef TESSEL_WIDE_SURFACE_CORNERS
// SortStretch four cells at a time, for processors with AVX2.
void SortStretchWide(const TCorner* Left, const TCorner* Right, size_t From, size_t End,
                     int32_t Width, const TSurfaceBand& Band, TStretchCells& Cells);
#endif

}  // namespace MainUnit
