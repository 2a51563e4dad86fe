// Where the two cores split the picture: each paints a band of rows, the
// upper one down to the split row and the lower one from there, and the
// split is chosen where both have about as much to do, from what the
// projection tallied per row. The projection also notes which rows each
// stretch of a grid column reaches, so that a core passes over the cells
// that lie wholly in the other's band without looking at them.
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

// The cells of a grid column are taken in stretches of this many rows.
inline constexpr size_t StretchRows = 64;

// The rows of the picture the corners of a stretch reach: the corners of
// its cells in one column of the grid (the last row of corners belongs to
// the next stretch as well).
struct TReach {
    int32_t Top = INT32_MAX;
    int32_t Bottom = INT32_MIN;
};

// For each half of the projection the reach of every stretch, column by
// column; empty when the painting is not split.
struct TGridReaches {
    size_t Stretches = 0;  // a column
    std::array<std::vector<TReach>, 2> Halves;
};

inline size_t StretchesOf(size_t GridRows) { return (GridRows - 2) / StretchRows + 1; }

inline bool PrepareGridReaches(size_t Cols, size_t GridRows, TGridReaches& Reaches) noexcept
{
    Reaches.Stretches = StretchesOf(GridRows);
    try {
        for (std::vector<TReach>& Half : Reaches.Halves)
            Half.assign(Cols * Reaches.Stretches, TReach{});
    } catch (...) {
        Reaches.Halves[0].clear();
        return false;
    }
    return true;
}

// A corner of column Column and row Row of the grid placed on row Y.
inline void ReachCorner(TReach* Half, size_t Stretches, size_t Column, size_t Row, int32_t Y)
{
    TReach* Stretch = Half + Column * Stretches;
    const auto Reach = [Stretch, Y](size_t S) {
        Stretch[S].Top = std::min(Stretch[S].Top, Y);
        Stretch[S].Bottom = std::max(Stretch[S].Bottom, Y);
    };
    const size_t S = Row / StretchRows;
    if (S < Stretches) Reach(S);
    if (Row % StretchRows == 0 && Row > 0) Reach(S - 1);
}

// Whether the cells of stretch S between columns Column and Column + 1 can
// reach rows Top .. Bottom - 1.
inline bool StretchReaches(const TGridReaches& Reaches, size_t Column, size_t S, int32_t Top,
                           int32_t Bottom)
{
    int32_t Highest = INT32_MAX, Lowest = INT32_MIN;
    for (const std::vector<TReach>& Half : Reaches.Halves) {
        for (size_t C = Column; C <= Column + 1; ++C) {
            const TReach& R = Half[C * Reaches.Stretches + S];
            Highest = std::min(Highest, R.Top);
            Lowest = std::max(Lowest, R.Bottom);
        }
    }
    return Lowest >= Top && Highest < Bottom;
}

// A corner at pixel (X, Y), Y a row of the picture, X held within it;
// with Weight, that many corners near it taken as lying on it.
inline void TallyCorner(TRowTally* Rows, int32_t X, int32_t Y, int32_t Width, uint32_t Weight = 1)
{
    TRowTally& Row = Rows[Y];
    X = std::clamp(X, 0, Width - 1);
    Row.Corners += Weight;
    Row.Left = std::min(Row.Left, X);
    Row.Right = std::max(Row.Right, X);
}

// The corners tallied on row Y and the pixels between its leftmost and
// rightmost, which are likely covered.
struct TRowLoad {
    uint64_t Corners = 0;
    uint64_t Span = 0;
};

inline TRowLoad RowLoad(const TRowTallies& Tallies, size_t Y)
{
    const TRowTally &A = Tallies[0][Y], &B = Tallies[1][Y];
    const int32_t Left = std::min(A.Left, B.Left), Right = std::max(A.Right, B.Right);
    const uint64_t Corners = static_cast<uint64_t>(A.Corners) + B.Corners;
    return {Corners, Corners == 0 ? 0 : static_cast<uint64_t>(Right - Left + 1)};
}

// What a corner and a covered pixel cost, roughly. Where the cells are
// smaller than a pixel (many more corners than covered pixels) each corner
// is a cell of its own to sort and offer, and the far rows, densest, cost
// the most; where they are a few pixels across the pixels between the
// corners are most of the work. Measured on a million points: with the
// weights of the one on the other picture, one band got a tenth (small
// picture) or a third (large) more than the other.
struct TWorkWeights {
    uint64_t Corner = 1;
    uint64_t Pixel = 2;
};

inline TWorkWeights WorkWeights(uint64_t Corners, uint64_t Span)
{
    return Corners >= 2 * Span ? TWorkWeights{4, 1} : TWorkWeights{1, 2};
}

inline uint64_t RowWork(const TRowTallies& Tallies, size_t Y, const TWorkWeights& W)
{
    const TRowLoad L = RowLoad(Tallies, Y);
    return W.Corner * L.Corners + W.Pixel * L.Span;
}

// The first row of the lower band: the rows above it hold half the work.
inline int32_t SplitRow(const TRowTallies& Tallies)
{
    const size_t Height = Tallies[0].size();
    TRowLoad Whole;
    for (size_t Y = 0; Y < Height; ++Y) {
        const TRowLoad L = RowLoad(Tallies, Y);
        Whole.Corners += L.Corners, Whole.Span += L.Span;
    }
    const TWorkWeights W = WorkWeights(Whole.Corners, Whole.Span);
    const uint64_t Total = W.Corner * Whole.Corners + W.Pixel * Whole.Span;
    uint64_t Above = 0;
    size_t Y = 0;
    while (Y < Height && 2 * Above < Total)
        Above += RowWork(Tallies, Y++, W);
    return static_cast<int32_t>(Y);
}

}  // namespace MainUnit
