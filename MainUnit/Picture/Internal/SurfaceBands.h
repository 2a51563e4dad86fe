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

// What painting row Y costs, roughly: each corner starts a cell, and each
// pixel between the leftmost and rightmost corner is likely covered. A
// covered pixel weighs twice a corner: where cells are a few pixels across
// the pixels between corners are most of the work, and with the weights
// the other way round the lower band of a large picture got a third more
// than the upper; where cells are smaller than a pixel the corners
// outnumber the pixels many times over whatever their weight.
inline uint64_t RowWork(const TRowTallies& Tallies, size_t Y)
{
    const TRowTally &A = Tallies[0][Y], &B = Tallies[1][Y];
    const int32_t Left = std::min(A.Left, B.Left), Right = std::max(A.Right, B.Right);
    const uint64_t Corners = static_cast<uint64_t>(A.Corners) + B.Corners;
    return Corners == 0 ? 0 : Corners + 2 * static_cast<uint64_t>(Right - Left + 1);
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
