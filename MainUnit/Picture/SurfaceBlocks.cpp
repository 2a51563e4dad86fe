// Cells a few pixels across, the most of a large picture of many points. A
// triangle within a 4 x 4 block of pixels is not walked: which of the
// block's pixels it holds is looked up, its corners are put with their own
// values and only the few pixels left are interpolated, by the same integer
// edge functions as the walk, so every pixel gets the values the walk would
// give it. A triangle without area is the same few pixels of its segment.
#include "MainUnit/Picture/Internal/SurfaceBlockTables.h"
#include "MainUnit/Picture/Internal/SurfaceCellPut.h"
#include "MainUnit/Picture/Internal/SurfaceJob.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace MainUnit {

namespace {

// A cell's corners and their pixels as numbers in the block whose top left
// is (X0, Y0), and the block's pixels inside the picture and the band.
struct TBlock {
    int32_t X0, Y0;
    const TCorner* Corners[4];
    uint32_t Numbers[4];
    uint32_t Shown;
};

TBlock BlockOf(const TSurfaceJob& Job, const TSurfaceBand& Band, const TCell& Cell, int32_t X0,
               int32_t Y0)
{
    TBlock Block{X0, Y0, {}, {}, 0xFFFFu};
#pragma GCC unroll 4
    for (uint32_t N = 0; N < 4; ++N) {
        const TCorner& C = Cell.Corner(N);
        Block.Corners[N] = &C;
        Block.Numbers[N] = static_cast<uint32_t>(C.X - X0 + BlockSide * (C.Y - Y0));
    }
    if (X0 >= 0 && X0 + BlockSide <= Job.Picture.Width && Y0 >= Band.Top &&
        Y0 + BlockSide <= Band.Bottom)
        return Block;
    uint32_t Columns = 0;
    for (int32_t X = 0; X < BlockSide; ++X)
        if (X0 + X >= 0 && X0 + X < Job.Picture.Width) Columns |= 1u << X;
    Block.Shown = 0;
    for (int32_t Y = 0; Y < BlockSide; ++Y)
        if (Band.Holds(Y0 + Y)) Block.Shown |= Columns << (BlockSide * Y);
    return Block;
}

// The corner of the cell nearest to pixel P of Block, the first among
// equally near, as NearestCorner finds it.
size_t NearestInBlock(const TCell& Cell, const TBlock& Block, uint32_t P)
{
    uint32_t Best = 0;
    uint32_t BestDistance = BlockDistances[Block.Numbers[0] | P << 4];
#pragma GCC unroll 3
    for (uint32_t N = 1; N < 4; ++N) {
        const uint32_t D = BlockDistances[Block.Numbers[N] | P << 4];
        if (D < BestDistance) BestDistance = D, Best = N;
    }
    return Cell.Index(Best);
}

// Corner Number of the cell in Block on its pixel, as PutCorner puts it;
// the first corner on that pixel found by block numbers.
[[gnu::always_inline]] inline void PutBlockCorner(const TSurfaceJob& Job, const TCell& Cell,
                                                  const TBlock& Block, uint32_t Number,
                                                  const TTriangle& T)
{
    if ((T.Done >> Number & 1u) != 0) return;
    T.Done |= 1u << Number;
    const TVertex& On = *Block.Corners[Number];
    if (!NearerStored(Job, On.X, On.Y, On.Stored)) return;
    uint32_t First = 0;
    while (Block.Numbers[First] != Block.Numbers[Number])
        ++First;
    Paint(Job, On.X, On.Y, CornerColour(Job, On, T.Share),
          Job.Picture.Indexes != nullptr ? Cell.Index(First) : 0);
}

// One pixel P of the cell in Block, as PutPixel puts it.
[[gnu::always_inline]] inline void PutBlockPixel(const TSurfaceJob& Job, const TCell& Cell,
                                                 const TBlock& Block, uint32_t P, double Depth,
                                                 double Height, uint32_t Share)
{
    const int32_t X = Block.X0 + static_cast<int32_t>(P % 4),
                  Y = Block.Y0 + static_cast<int32_t>(P / 4);
    if (!Nearer(Job, X, Y, Depth)) return;
    Colour(Job, X, Y, Depth, Height, Share,
           Job.Picture.Indexes != nullptr ? NearestInBlock(Cell, Block, P) : 0);
}

// A triangle without area within Block, as FillSegment paints it: the
// segment between its two corners farthest apart (the first such pair), or
// the pixel of its first; the pixels on it from the first end to the
// second, the ends with their own values.
[[gnu::always_inline]] inline void BlockSegment(const TSurfaceJob& Job, const TCell& Cell,
                                                const TBlock& Block, const TTriangle& T)
{
    const TVertex *P = T.A, *Q = T.B;
    uint32_t NumberP = T.NumberA, NumberQ = T.NumberB;
    const uint32_t A = Block.Numbers[T.NumberA], B = Block.Numbers[T.NumberB],
                   C = Block.Numbers[T.NumberC];
    int32_t Length = BlockDistance2(A, B);
    if (const int32_t BC = BlockDistance2(B, C); BC > Length)
        Length = BC, P = T.B, Q = T.C, NumberP = T.NumberB, NumberQ = T.NumberC;
    if (const int32_t CA = BlockDistance2(C, A); CA > Length)
        Length = CA, P = T.C, Q = T.A, NumberP = T.NumberC, NumberQ = T.NumberA;
    if ((Block.Shown >> Block.Numbers[NumberP] & 1u) != 0)
        PutBlockCorner(Job, Cell, Block, NumberP, T);
    if (Length == 0) return;
    if ((Block.Shown >> Block.Numbers[NumberQ] & 1u) != 0)
        PutBlockCorner(Job, Cell, Block, NumberQ, T);
    // The whole pixels between the ends: as many steps as the greatest
    // common divisor of the sides, which are at most 3 here.
    const int32_t DX = Q->X - P->X, DY = Q->Y - P->Y;
    const int32_t AX = DX < 0 ? -DX : DX, AY = DY < 0 ? -DY : DY;
    const int32_t Steps = AX == 0 ? AY : (AY == 0 || AX == AY ? AX : 1);
    for (int32_t K = 1; K < Steps; ++K) {
        const int32_t X = P->X + K * (DX / Steps), Y = P->Y + K * (DY / Steps);
        const uint32_t Number = static_cast<uint32_t>(X - Block.X0 + BlockSide * (Y - Block.Y0));
        if ((Block.Shown >> Number & 1u) == 0) continue;
        const int64_t Dot =
            static_cast<int64_t>(X - P->X) * DX + static_cast<int64_t>(Y - P->Y) * DY;
        const double Along = static_cast<double>(Dot) / static_cast<double>(Length);
        const double HeightP = CornerHeight(Job, *P), HeightQ = CornerHeight(Job, *Q);
        PutBlockPixel(Job, Cell, Block, Number, P->Depth + (Q->Depth - P->Depth) * Along,
                      HeightP + (HeightQ - HeightP) * Along, T.Share);
    }
}

// Triangle I, J, K of a cell within Block, as the walk paints it: its
// corners with their own values, the other pixels inside it interpolated
// from its first corner by the weights of the other two.
[[gnu::always_inline]] inline void BlockTriangle(const TSurfaceJob& Job, const TCell& Cell,
                                                 const TBlock& Block, TTriangle T)
{
    uint32_t A = Block.Numbers[T.NumberA], B = Block.Numbers[T.NumberB],
             C = Block.Numbers[T.NumberC];
    int32_t Area = Edge(A, B, C);
    if (Area == 0) {
        BlockSegment(Job, Cell, Block, T);
        return;
    }
    if (Area < 0) {
        std::swap(T.B, T.C);
        std::swap(T.NumberB, T.NumberC);
        std::swap(B, C);
        Area = -Area;
    }
    const uint32_t Inside = BlockTriangles[A | B << 4 | C << 8] & Block.Shown;
    if ((Inside >> A & 1u) != 0) PutBlockCorner(Job, Cell, Block, T.NumberA, T);
    if ((Inside >> B & 1u) != 0) PutBlockCorner(Job, Cell, Block, T.NumberB, T);
    if ((Inside >> C & 1u) != 0) PutBlockCorner(Job, Cell, Block, T.NumberC, T);
    uint32_t Left = Inside & ~(1u << A | 1u << B | 1u << C);
    if (Left == 0) return;
    const double Inverse = 1.0 / static_cast<double>(Area);
    const double DepthB = T.B->Depth - T.A->Depth, DepthC = T.C->Depth - T.A->Depth;
    const double HeightA = CornerHeight(Job, *T.A);
    const double HeightB = CornerHeight(Job, *T.B) - HeightA,
                 HeightC = CornerHeight(Job, *T.C) - HeightA;
    for (; Left != 0; Left &= Left - 1) {
        const uint32_t P = static_cast<uint32_t>(std::countr_zero(Left));
        const double WB = static_cast<double>(Edge(C, A, P)),
                     WC = static_cast<double>(Edge(A, B, P));
        PutBlockPixel(Job, Cell, Block, P, T.A->Depth + (WB * DepthB + WC * DepthC) * Inverse,
                      HeightA + (WB * HeightB + WC * HeightC) * Inverse, T.Share);
    }
}

}  // namespace

void PaintBlockCell(const TSurfaceJob& Job, const TSurfaceBand& Band, const TCell& Cell, int32_t X0,
                    int32_t Y0, const uint32_t (&Shares)[2], uint32_t& Done)
{
    const TBlock Block = BlockOf(Job, Band, Cell, X0, Y0);
    const TCorner* const* K = Block.Corners;
    // The corners put kept here, where no pixel written can be taken to
    // change them.
    uint32_t Put = Done;
    BlockTriangle(Job, Cell, Block, {K[0], K[1], K[2], 0, 1, 2, Shares[0], Put});
    BlockTriangle(Job, Cell, Block, {K[3], K[2], K[1], 3, 2, 1, Shares[1], Put});
    Done = Put;
}

}  // namespace MainUnit
