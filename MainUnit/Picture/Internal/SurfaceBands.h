// Where the two cores split the picture: each paints a band of rows, the
// upper one down to the split row and the lower one from there, and the
// split is chosen where both have about as much to do, from what the
// projection tallied per row.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace MainUnit {

// The corners placed on one row of the picture and the columns they span.
struct TRowTally {
    uint32_t Corners = 0;
    int32_t Left = INT32_MAX;
    int32_t Right = INT32_MIN;
};

// One tally a row for each half of the projection; empty when the painting
// is not split.
using TRowTallies = std::array<std::vector<TRowTally>, 2>;

inline bool PrepareRowTallies(int32_t Height, TRowTallies& Tallies) noexcept
{
    try {
        for (std::vector<TRowTally>& Half : Tallies)
            Half.assign(static_cast<size_t>(Height), TRowTally{});
    } catch (...) {
        Tallies[0].clear();
        return false;
    }
    return true;
}

// A corner at pixel (X, Y), Y a row of the picture, X held within it.
inline void TallyCorner(TRowTally* Rows, int32_t X, int32_t Y, int32_t Width)
{
    TRowTally& Row = Rows[Y];
    X = std::clamp(X, 0, Width - 1);
    ++Row.Corners;
    Row.Left = std::min(Row.Left, X);
    Row.Right = std::max(Row.Right, X);
}

// What painting row Y costs, roughly: each corner starts a cell, and each
// pixel between the leftmost and rightmost corner is likely covered.
inline uint64_t RowWork(const TRowTallies& Tallies, size_t Y)
{
    const TRowTally &A = Tallies[0][Y], &B = Tallies[1][Y];
    const int32_t Left = std::min(A.Left, B.Left), Right = std::max(A.Right, B.Right);
    const uint64_t Corners = static_cast<uint64_t>(A.Corners) + B.Corners;
    return Corners == 0 ? 0 : 2 * Corners + static_cast<uint64_t>(Right - Left + 1);
}

// The first row of the lower band: the rows above it hold half the work.
inline int32_t SplitRow(const TRowTallies& Tallies)
{
    const size_t Height = Tallies[0].size();
    uint64_t Total = 0;
    for (size_t Y = 0; Y < Height; ++Y)
        Total += RowWork(Tallies, Y);
    uint64_t Above = 0;
    size_t Y = 0;
    while (Y < Height && 2 * Above < Total)
        Above += RowWork(Tallies, Y++);
    return static_cast<int32_t>(Y);
}

}  // namespace MainUnit
