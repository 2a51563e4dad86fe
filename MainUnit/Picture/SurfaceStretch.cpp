// The cells of a stretch sorted one at a time: each row's pair of corners
// spanned once and carried to the next cell.
#include "MainUnit/Picture/Internal/SurfaceStretch.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace MainUnit {

namespace {

// The way of a small cell of pairs Top and Bottom spanning S: corner N's
// column less S.X0 (0 or 1) in bit 2N, its row less S.Y0 in bit 2N + 1.
// The corners are numbered in powers of 4, so the sum over them of
// (X - X0) 4^N is the pairs' sums less X0 (1 + 4 + 16 + 64), each term a
// bit of its own.
[[gnu::always_inline]] inline uint32_t SmallCellKey(const TSpan& Top, const TSpan& Bottom,
                                                    const TSpan& S)
{
    const uint32_t KeyX = Top.KeyX + 16 * Bottom.KeyX - 85 * static_cast<uint32_t>(S.X0);
    const uint32_t KeyY = Top.KeyY + 16 * Bottom.KeyY - 85 * static_cast<uint32_t>(S.Y0);
    return KeyX + 2 * KeyY;
}

}  // namespace

void SortStretch(const TCorner* Left, const TCorner* Right, size_t From, size_t End, int32_t Width,
                 const TSurfaceBand& Band, TStretchCells& Cells)
{
    Cells.Small = Cells.Larger = Cells.Inside = Cells.Whole = 0;
    TSpan Top = PairSpan(Left[From], Right[From]);
    for (size_t Row = From; Row < End; ++Row) {
        const TSpan Bottom = PairSpan(Left[Row + 1], Right[Row + 1]);
        const TSpan Above = std::exchange(Top, Bottom);
        if (!Above.Corners || !Bottom.Corners) continue;
        const TSpan S = CellSpan(Above, Bottom);
        if (S.X1 < 0 || S.X0 >= Width || S.Y1 < Band.Top || S.Y0 >= Band.Bottom) continue;
        const uint64_t Bit = uint64_t{1} << (Row - From);
        if (S.X1 - S.X0 <= 1 && S.Y1 - S.Y0 <= 1) {
            Cells.Small |= Bit;
            if (S.X0 >= 0 && S.X1 < Width && S.Y0 >= Band.Top && S.Y1 < Band.Bottom)
                Cells.Inside |= Bit;
            Cells.Ways[Row - From] = SmallCellKey(Above, Bottom, S);
        } else {
            Cells.Larger |= Bit;
            if (S.X0 >= 0 && S.X0 + BlockSide <= Width && S.Y0 >= Band.Top &&
                S.Y0 + BlockSide <= Band.Bottom)
                Cells.Whole |= Bit;
            Cells.Least[Row - From] = PixelPair(S.X0, S.Y0);
            Cells.Most[Row - From] = PixelPair(S.X1, S.Y1);
            Cells.Blocks[Row - From] =
                BlockWay(Left[Row], Right[Row], Left[Row + 1], Right[Row + 1], S.X0, S.Y0);
        }
    }
}

}  // namespace MainUnit
