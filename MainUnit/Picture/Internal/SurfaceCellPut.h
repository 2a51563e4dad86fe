// What the fast surface painter's cell filling shares between its files: a
// cell of the grid, a triangle of it, and the offer of one pixel to the
// picture through the depth test.
#pragma once

#include "MainUnit/Picture/Internal/SurfaceJob.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace MainUnit {

using TVertex = TCorner;

// The four corners of a cell in the order (i, j), (i + 1, j), (i, j + 1),
// (i + 1, j + 1): corner N is entry First + (N odd ? Rows : 0) + N / 2.
struct TCell {
    const TCorner* Corners = nullptr;  // the job's
    size_t First = 0;
    size_t Rows = 0;
    size_t Offsets[4] = {0, 0, 1, 1};  // of corner N from First

    TCell(const TCorner* Grid, size_t GridRows)
        : Corners(Grid), Rows(GridRows), Offsets{0, GridRows, 1, GridRows + 1}
    {
    }
    size_t Index(uint32_t N) const { return First + Offsets[N & 3u]; }
    const TCorner& Corner(uint32_t N) const { return Corners[Index(N)]; }
};

// The square of the distance from pixel (X, Y) to corner C.
[[gnu::always_inline]] inline int64_t DistanceTo(const TCorner& C, int32_t X, int32_t Y)
{
    const int64_t DX = static_cast<int64_t>(C.X) - X, DY = static_cast<int64_t>(C.Y) - Y;
    return DX * DX + DY * DY;
}

// The corner of Cell nearest to pixel (X, Y), the first among equally near.
[[gnu::always_inline]] inline size_t NearestCorner(const TCell& Cell, int32_t X, int32_t Y)
{
    const TCorner* First = Cell.Corners + Cell.First;
    const size_t Rows = Cell.Rows;
    size_t Best = 0;
    int64_t BestDistance = DistanceTo(First[0], X, Y);
    if (const int64_t D = DistanceTo(First[Rows], X, Y); D < BestDistance)
        BestDistance = D, Best = Rows;
    if (const int64_t D = DistanceTo(First[1], X, Y); D < BestDistance) BestDistance = D, Best = 1;
    if (DistanceTo(First[Rows + 1], X, Y) < BestDistance) Best = Rows + 1;
    return Cell.First + Best;
}

// The same for the pixel of corner Number: the first corner on it.
[[gnu::always_inline]] inline size_t CornerOnPixel(const TCell& Cell, uint32_t Number)
{
    const TCorner& On = Cell.Corner(Number);
    for (uint32_t N = 0; N < Number; ++N)
        if (Cell.Corner(N).X == On.X && Cell.Corner(N).Y == On.Y) return Cell.Index(N);
    return Cell.Index(Number);
}

// A triangle of a cell: its corners, their numbers in the cell, its light,
// and the cell's corners already put with their own values into the picture
// (see TPutMarks), which it adds to.
struct TTriangle {
    const TVertex* A;
    const TVertex* B;
    const TVertex* C;
    uint32_t NumberA, NumberB, NumberC;
    uint32_t Share;
    uint32_t& Done;
};

// The depth test of a pixel of the cell inside the picture offered with
// entry Stored: true, with it recorded, unless something at least as near is
// there (or the entry is 0: never drawn).
[[gnu::always_inline]] inline bool NearerStored(const TSurfaceJob& Job, int32_t X, int32_t Y,
                                                float Stored)
{
    return Stored != 0.0f && DepthTestAndStoreValue(Job.DepthBuffer, X, Y, Stored);
}

// The same at Depth.
[[gnu::always_inline]] inline bool Nearer(const TSurfaceJob& Job, int32_t X, int32_t Y,
                                          double Depth)
{
    return NearerStored(Job, X, Y, SurfaceStored(Depth));
}

// Color and the point Recorded given to a pixel that won.
[[gnu::always_inline]] inline void Paint(const TSurfaceJob& Job, int32_t X, int32_t Y,
                                         uint32_t Color, size_t Recorded)
{
    const TPixelArray& P = Job.Picture;
    const size_t Pixel =
        static_cast<size_t>(Y) * static_cast<size_t>(P.Width) + static_cast<size_t>(X);
    P.Pixels[Pixel] = Color;
    if (P.Indexes != nullptr) P.Indexes[Pixel] = static_cast<int32_t>(Recorded);
}

// The colour of Height and the point Recorded given to a pixel that won.
[[gnu::always_inline]] inline void Colour(const TSurfaceJob& Job, int32_t X, int32_t Y,
                                          double Depth, double Height, uint32_t Share,
                                          size_t Recorded)
{
    Paint(Job, X, Y, SurfaceColor(Job, Height, Share, Depth), Recorded);
}

// One pixel of the cell inside the picture, at Depth and of the colour of
// Height, unless something at least as near is there.
[[gnu::always_inline]] inline void PutPixel(const TSurfaceJob& Job, const TCell& Cell, int32_t X,
                                            int32_t Y, double Depth, double Height, uint32_t Share)
{
    if (!Nearer(Job, X, Y, Depth)) return;
    Colour(Job, X, Y, Depth, Height, Share,
           Job.Picture.Indexes != nullptr ? NearestCorner(Cell, X, Y) : 0);
}

// A pixel on corner Number of the cell, inside the picture, with the
// corner's own values, unless the cell's corner is already put there.
[[gnu::always_inline]] inline void PutCorner(const TSurfaceJob& Job, const TCell& Cell,
                                             const TVertex& On, uint32_t Number, const TTriangle& T)
{
    if ((T.Done >> Number & 1u) != 0) return;
    T.Done |= 1u << Number;
    if (!NearerStored(Job, On.X, On.Y, On.Stored)) return;
    Paint(Job, On.X, On.Y, CornerColour(Job, On, T.Share),
          Job.Picture.Indexes != nullptr ? CornerOnPixel(Cell, Number) : 0);
}

// The square of the distance between the pixels of U and V.
inline int64_t Distance2(const TVertex& U, const TVertex& V)
{
    const int64_t DX = static_cast<int64_t>(V.X) - U.X, DY = static_cast<int64_t>(V.Y) - U.Y;
    return DX * DX + DY * DY;
}

// A triangle without area: the segment between its two corners farthest
// apart, or the pixel of its first.
void FillSegment(const TSurfaceJob& Job, const TSurfaceBand& Band, const TCell& Cell,
                 const TTriangle& T);

// The share of its colour triangle A, B, C of Cell keeps in the light.
uint32_t CellLight(const TSurfaceJob& Job, const TCell& Cell, uint32_t A, uint32_t B, uint32_t C);

// The largest span of a cell's corners, across and down, that
// PaintBlockCell takes.
inline constexpr int32_t LargestBlockSpan = 3;

// One step of the painting of a cell within a 4 x 4 block of pixels (see
// TBlockPrograms): a corner put with its own values, or a pixel of a
// triangle or of a segment interpolated between corners.
struct TBlockStep {
    uint8_t Kind;      // TBlockStepKind
    uint8_t Pixel;     // of the block, column Pixel % 4, row Pixel / 4
    uint8_t Corners;   // corner numbers: the put one, or A | B << 2 | C << 4 (P | Q << 2)
    uint8_t Triangle;  // 0 or 1, whose light it takes
    uint8_t Recorded;  // the corner number the point record gives the pixel
    int8_t WB, WC;     // the weights of B and C (the segment's Dot in WB)
    uint8_t Divisor;   // twice the area, or the segment's squared length
};

// bsCorners, only ever a cell's first step: its corners in Corners as bits,
// in Triangle bit N set when the second triangle puts corner N; each on a
// pixel of its own where no other step puts anything, so that they are put
// at once, in any order.
enum TBlockStepKind : uint8_t { bsEnd, bsCorner, bsTriangle, bsSegment, bsCorners };

// The steps a cell within a 4 x 4 block of pixels takes when the whole
// block lies in the picture and the band, worked out once for each way its
// four corners lie in the block (4 bits each, 65536 ways) the first time a
// painting meets it: the steps in the order PaintBlockCell takes them, so
// that a cell painted by them gets exactly the same pixels. Their memory is
// taken when the first such cell comes; without it (or not Wanted) every
// cell goes the long way.
struct TBlockPrograms {
    bool Wanted = false;
    std::vector<uint32_t> Start;  // per way: 0 not yet worked out, else 1 + its first step
    std::vector<TBlockStep> Steps;
    // Of each pixel of a block, its entry in the picture (and the depth
    // buffer, as wide) less that of the block's top left, for the painting's
    // width.
    size_t Offsets[16] = {};

    explicit TBlockPrograms(const TSurfaceJob& Job) : Wanted(Job.Wide)
    {
        const auto Width = static_cast<size_t>(Job.Picture.Width);
        for (uint32_t P = 0; P < 16; ++P)
            Offsets[P] = P / 4 * Width + P % 4;
    }
};

// What the cells are painted into, kept apart from the job: a copy the
// compiler holds in registers, not read again after every mark.
struct TTargets {
    uint32_t* Pixels;
    int32_t* Indexes;  // null without a point record
    float* Depths;
    size_t Width;
};

// The steps of the cell whose corners lie in a block the way Way (corner
// N on pixel Way >> 4N & 15 of it, column % 4, row / 4), worked out;
// null when there was no memory for them.
const TBlockStep* WriteSteps(TBlockPrograms& Programs, uint32_t Way) noexcept;

// The first step of the cell whose corners lie in a block the way Way, its
// steps worked out if they are not yet; null when there was no memory.
inline const TBlockStep* StepsOf(TBlockPrograms& Programs, uint32_t Way) noexcept
{
    if (!Programs.Start.empty())
        if (const uint32_t Start = Programs.Start[Way]; Start != 0)
            return Programs.Steps.data() + (Start - 1);
    return WriteSteps(Programs, Way);
}

// A cell within the 4 x 4 block of pixels whose top left is (X0, Y0), its
// triangles lit by Shares, adding the corners it puts to Done: the long
// way, which the steps (RunBlockCell) follow.
void PaintBlockCell(const TSurfaceJob& Job, const TSurfaceBand& Band, const TCell& Cell, int32_t X0,
                    int32_t Y0, const uint32_t (&Shares)[2], uint32_t& Done);

}  // namespace MainUnit
