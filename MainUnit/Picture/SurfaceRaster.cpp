// The fast filling of cells. A cell within a 2 x 2 block of pixels is the
// pixels of its corners, painted as points are; any other is walked triangle
// by triangle over the pixels of its bounding box, the edge functions
// stepped by exact integer additions, so every pixel gets the values the
// reference computes for it from scratch. A corner's own pixel is offered
// to a picture once, by the first cell that puts it.
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/SurfaceBlockRun.h"
#include "MainUnit/Picture/Internal/SurfaceCellPut.h"
#include "MainUnit/Picture/Internal/SurfaceJob.h"
#include "MainUnit/Picture/Internal/SurfacePutMarks.h"
#include "MainUnit/Picture/Internal/SurfaceSmallCells.h"
#include "MainUnit/Picture/Internal/SurfaceStretch.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace MainUnit {

namespace {

// The edge from U to V as a function of the pixel: positive on the inside
// of a triangle whose corners are in positive order, 0 on the edge, which
// belongs to the triangle.
struct TEdge {
    int64_t StepX = 0, StepY = 0;  // change per column and per row
    int64_t AtOrigin = 0;          // value at pixel (0, 0)

    TEdge(const TVertex& U, const TVertex& V)
        : StepX(-(static_cast<int64_t>(V.Y) - U.Y)), StepY(static_cast<int64_t>(V.X) - U.X)
    {
        AtOrigin = -StepY * U.Y - StepX * U.X;
    }
    int64_t At(int64_t X, int64_t Y) const { return AtOrigin + StepX * X + StepY * Y; }
};

int64_t Gcd(int64_t A, int64_t B)
{
    while (B != 0)
        A = std::exchange(B, A % B);
    return A;
}

// The steps K (from 0 to Last) of Start + K x Step that lie within
// 0 .. Limit - 1, narrowed into First .. Last.
void NarrowSteps(int64_t Start, int64_t Step, int64_t Limit, int64_t& First, int64_t& Last)
{
    if (Step == 0) {
        if (Start < 0 || Start >= Limit) Last = -1;
        return;
    }
    // Start + K Step >= 0 and <= Limit - 1, K whole.
    int64_t Low = Step > 0 ? -Start : Start - (Limit - 1),
            High = Step > 0 ? Limit - 1 - Start : Start;
    const int64_t Size = Step > 0 ? Step : -Step;
    Low = Low <= 0 ? -(-Low / Size) : (Low + Size - 1) / Size;
    High = High >= 0 ? High / Size : -((-High + Size - 1) / Size);
    First = std::max(First, Low);
    Last = std::min(Last, High);
}

}  // namespace

// A triangle without area is the segment between its two corners farthest
// apart (the first such pair of A-B, B-C, C-A), or the pixel of A: its
// pixels are the whole pixels on it, with values along it from the first
// end to the second.
void FillSegment(const TSurfaceJob& Job, const TSurfaceBand& Band, const TCell& Cell,
                 const TTriangle& T)
{
    const TVertex *P = T.A, *Q = T.B;
    uint32_t NumberP = T.NumberA, NumberQ = T.NumberB;
    int64_t Length = Distance2(*T.A, *T.B);
    if (const int64_t BC = Distance2(*T.B, *T.C); BC > Length)
        Length = BC, P = T.B, Q = T.C, NumberP = T.NumberB, NumberQ = T.NumberC;
    if (const int64_t CA = Distance2(*T.C, *T.A); CA > Length)
        Length = CA, P = T.C, Q = T.A, NumberP = T.NumberC, NumberQ = T.NumberA;
    const int64_t DX = static_cast<int64_t>(Q->X) - P->X, DY = static_cast<int64_t>(Q->Y) - P->Y;
    // Most segments join neighbouring pixels: no division to find the step.
    const int64_t AX = DX < 0 ? -DX : DX, AY = DY < 0 ? -DY : DY;
    const int64_t Steps = Length == 0 ? 0 : (AX <= 1 && AY <= 1 ? 1 : Gcd(AX, AY));
    const int64_t SX = Steps <= 1 ? DX : DX / Steps, SY = Steps <= 1 ? DY : DY / Steps;
    int64_t First = 0, Last = Steps;
    if (Steps > 2) {
        NarrowSteps(P->X, SX, Job.Picture.Width, First, Last);
        NarrowSteps(P->Y - Band.Top, SY, Band.Bottom - Band.Top, First, Last);
    }
    for (int64_t K = First; K <= Last; ++K) {
        const int64_t X = P->X + K * SX, Y = P->Y + K * SY;
        if (static_cast<uint64_t>(X) >= static_cast<uint64_t>(Job.Picture.Width) ||
            static_cast<uint64_t>(Y - Band.Top) >= static_cast<uint64_t>(Band.Bottom - Band.Top))
            continue;
        const int64_t Dot = (X - P->X) * DX + (Y - P->Y) * DY;
        if (Dot == 0 || Dot == Length) {  // an end: its own values
            PutCorner(Job, Cell, Dot == 0 ? *P : *Q, Dot == 0 ? NumberP : NumberQ, T);
            continue;
        }
        const double Along = static_cast<double>(Dot) / static_cast<double>(Length);
        const double HeightP = CornerHeight(Job, *P), HeightQ = CornerHeight(Job, *Q);
        PutPixel(Job, Cell, static_cast<int32_t>(X), static_cast<int32_t>(Y),
                 P->Depth + (Q->Depth - P->Depth) * Along, HeightP + (HeightQ - HeightP) * Along,
                 T.Share);
    }
}

namespace {

// A pixel of the walk on a corner of the triangle (the corner's weight is
// the whole area) takes the corner's own values; false elsewhere.
[[gnu::always_inline]] inline bool PutIfCorner(const TSurfaceJob& Job, const TCell& Cell,
                                               const TTriangle& T, int64_t Area, int64_t EA,
                                               int64_t EB, int64_t EC)
{
    if (EA == Area) {
        PutCorner(Job, Cell, *T.A, T.NumberA, T);
    } else if (EB == Area) {
        PutCorner(Job, Cell, *T.B, T.NumberB, T);
    } else if (EC == Area) {
        PutCorner(Job, Cell, *T.C, T.NumberC, T);
    } else {
        return false;
    }
    return true;
}

// Triangle I, J, K of Cell.
void FillTriangle(const TSurfaceJob& Job, const TSurfaceBand& Band, const TCell& Cell, uint32_t I,
                  uint32_t J, uint32_t K, uint32_t Share, uint32_t& Done)
{
    TTriangle T{&Cell.Corner(I), &Cell.Corner(J), &Cell.Corner(K), I, J, K, Share, Done};
    int64_t Area =
        (static_cast<int64_t>(T.B->X) - T.A->X) * (static_cast<int64_t>(T.C->Y) - T.A->Y) -
        (static_cast<int64_t>(T.B->Y) - T.A->Y) * (static_cast<int64_t>(T.C->X) - T.A->X);
    if (Area == 0) {
        FillSegment(Job, Band, Cell, T);
        return;
    }
    if (Area < 0) {
        std::swap(T.B, T.C);
        std::swap(T.NumberB, T.NumberC);
        Area = -Area;
    }
    const TPixelArray& P = Job.Picture;
    const int32_t X0 = std::max(std::min({T.A->X, T.B->X, T.C->X}), 0);
    const int32_t X1 = std::min(std::max({T.A->X, T.B->X, T.C->X}), P.Width - 1);
    const int32_t Y0 = std::max(std::min({T.A->Y, T.B->Y, T.C->Y}), Band.Top);
    const int32_t Y1 = std::min(std::max({T.A->Y, T.B->Y, T.C->Y}), Band.Bottom - 1);
    if (X0 > X1 || Y0 > Y1) return;
    const TEdge WeightA(*T.B, *T.C), WeightB(*T.C, *T.A), WeightC(*T.A, *T.B);
    double Inverse = 0;  // worked out at the first pixel inside: most small triangles have none
    const double DepthB = T.B->Depth - T.A->Depth, DepthC = T.C->Depth - T.A->Depth;
    const double HeightA = CornerHeight(Job, *T.A);
    const double HeightB = CornerHeight(Job, *T.B) - HeightA,
                 HeightC = CornerHeight(Job, *T.C) - HeightA;
    int64_t RowA = WeightA.At(X0, Y0), RowB = WeightB.At(X0, Y0), RowC = WeightC.At(X0, Y0);
    for (int32_t Y = Y0; Y <= Y1;
         ++Y, RowA += WeightA.StepY, RowB += WeightB.StepY, RowC += WeightC.StepY) {
        int64_t EA = RowA, EB = RowB, EC = RowC;
        // The triangle is convex: its pixels on a row are side by side, and
        // the first outside after them ends the row.
        bool Entered = false;
        for (int32_t X = X0; X <= X1;
             ++X, EA += WeightA.StepX, EB += WeightB.StepX, EC += WeightC.StepX) {
            if ((EA | EB | EC) < 0) {
                if (Entered) break;
                continue;
            }
            Entered = true;
            if (PutIfCorner(Job, Cell, T, Area, EA, EB, EC)) continue;
            if (Inverse == 0) Inverse = 1.0 / static_cast<double>(Area);
            const double WB = static_cast<double>(EB), WC = static_cast<double>(EC);
            PutPixel(Job, Cell, X, Y, T.A->Depth + (WB * DepthB + WC * DepthC) * Inverse,
                     HeightA + (WB * HeightB + WC * HeightC) * Inverse, T.Share);
        }
    }
}

}  // namespace

uint32_t CellLight(const TSurfaceJob& Job, const TCell& Cell, uint32_t A, uint32_t B, uint32_t C)
{
    Proc3D::TPoint3D Places[3];
    bool Undefined = false;
    const uint32_t Which[3] = {A, B, C};
    for (size_t I = 0; I < 3; ++I)
        SurfacePlace(Job, Cell.Index(Which[I]), Places[I], Undefined);
    return LightShare(Places[0], Places[1], Places[2], Job.Light);
}

namespace {

// The light of the triangle of a small cell of the way Way that puts its
// corner I, worked out the first time one of its pixels is painted (0 in
// Shares until then).
inline uint32_t SmallCellShare(const TSurfaceJob& Job, const TCell& Cell, uint32_t Way, uint32_t I,
                               uint32_t (&Shares)[2])
{
    const uint32_t Which = (Way >> (4 + I) & 1u) != 0 ? 0 : 1;
    if (Shares[Which] == 0)
        Shares[Which] = Which == 0 ? CellLight(Job, Cell, 0, 1, 2) : CellLight(Job, Cell, 3, 2, 1);
    return Shares[Which];
}

// A small cell of the way Key (Inside: its 2 x 2 block wholly in the picture
// and the band): the corners of its first triangle, then
// those of its second that the first did not put, leaving out those in
// Done. A corner is put with its own depth at its own pixel, so once put
// into a picture it cannot be strictly nearer there again, whatever cell
// puts it. The light of a triangle is worked out only when one of its
// pixels is painted (Lit: the job has the light). Returns the corners put.
template <bool Lit>
[[gnu::always_inline]] inline uint32_t
PaintSmallCell(const TSurfaceJob& Job, const TSurfaceBand& Band, const TCell& Cell,
               const TTargets& To, uint32_t Key, bool Inside, uint32_t Done)
{
    const uint32_t Way = SmallCellWays[Key];
    const uint32_t Put = Way & ~Done & 15u;
    uint32_t Shares[2] = {Lit ? 0 : FullLightShare, Lit ? 0 : FullLightShare};
    for (uint32_t Left = Put; Left != 0; Left &= Left - 1) {
        const uint32_t I = static_cast<uint32_t>(std::countr_zero(Left));
        const TVertex& At = Cell.Corner(I);
        if (!Inside && (static_cast<uint32_t>(At.X) >= To.Width || !Band.Holds(At.Y))) continue;
        // The depth buffer is as wide as the picture: one entry for both.
        const size_t Pixel = static_cast<size_t>(At.Y) * To.Width + static_cast<size_t>(At.X);
        if (At.Stored == 0.0f || !NearerEntry(To.Depths[Pixel], At.Stored)) continue;
        // Without the light a corner's colour is its own.
        To.Pixels[Pixel] =
            Lit ? CornerColour(Job, At, SmallCellShare(Job, Cell, Way, I, Shares)) : At.Colour;
        if (To.Indexes != nullptr)
            To.Indexes[Pixel] = static_cast<int32_t>(Cell.Index(Way >> (8 + 2 * I)));
    }
    return Put;
}

// The cell of Cell.First spanning S, in the picture, larger than a 2 x 2
// block of pixels, its corners lying in the block of its least X and Y the
// way Way when it is within one (Whole: one wholly in the picture and the
// band); Lit when the job has the light.
template <bool Marked, bool Lit>
[[gnu::always_inline]] inline void PaintLargerCell(const TSurfaceJob& Job, const TSurfaceBand& Band,
                                                   const TCell& Cell, const TSpan& S, uint32_t Way,
                                                   bool Whole, TPutMarks& Marks, size_t Row,
                                                   TBlockPrograms& Programs, const TTargets& To)
{
    const uint32_t Shares[2] = {Lit ? CellLight(Job, Cell, 0, 1, 2) : FullLightShare,
                                Lit ? CellLight(Job, Cell, 3, 2, 1) : FullLightShare};
    uint32_t Done = Marked ? Marks.Held(Row) : 0;
    if (S.X1 - S.X0 <= LargestBlockSpan && S.Y1 - S.Y0 <= LargestBlockSpan) {
        if (!RunBlockCell<Lit>(Job, Cell, S.X0, S.Y0, Way, Whole, Shares, Done, Programs, To))
            PaintBlockCell(Job, Band, Cell, S.X0, S.Y0, Shares, Done);
    } else {
        FillTriangle(Job, Band, Cell, 0, 1, 2, Shares[0], Done);
        FillTriangle(Job, Band, Cell, 3, 2, 1, Shares[1], Done);
    }
    if constexpr (Marked) Marks.Hold(Row, Done);
}

// The small cell of bit Bit of the sorted cells of stretch From, Cell.First
// on it, unless the cells before put all its corners.
template <bool Marked, bool Lit>
[[gnu::always_inline]] inline void
PaintSortedSmallCell(const TSurfaceJob& Job, const TSurfaceBand& Band, const TCell& Cell,
                     TPutMarks& Marks, const TTargets& To, size_t From, unsigned Bit,
                     const TStretchCells& Cells)
{
    const size_t Row = From + Bit;
    const uint32_t Done = Marked ? Marks.Held(Row) : 0;
    if (Done == 15u) return;
    const uint32_t Put =
        PaintSmallCell<Lit>(Job, Band, Cell, To, static_cast<uint32_t>(Cells.Ways[Bit] & 255u),
                            (Cells.Inside >> Bit & 1u) != 0, Done);
    // Where the cell's corners were all put by the cells before, it marks
    // nothing new.
    if constexpr (Marked)
        if (Put != 0) Marks.Hold(Row, Put);
}

// The cells of a stretch of small cells alone, the most of a small
// picture, as PaintStretch paints them: a loop of their own keeps the
// larger cells' work from crowding it.
template <bool Marked, bool Lit>
void PaintSmallStretch(const TSurfaceJob& Job, const TSurfaceBand& Band, TCell& Cell,
                       TPutMarks& Marks, const TTargets& To, size_t Column, size_t From,
                       const TStretchCells& Cells)
{
    for (uint64_t Each = Cells.Small; Each != 0; Each &= Each - 1) {
        const unsigned Bit = static_cast<unsigned>(std::countr_zero(Each));
        Cell.First = Column * Cell.Rows + From + Bit;
        PaintSortedSmallCell<Marked, Lit>(Job, Band, Cell, Marks, To, From, Bit, Cells);
    }
}

// The sorted cells of stretch From of the grid column Column, in order;
// Marked when the marks have their memory, Lit when the job has the light.
template <bool Marked, bool Lit>
void PaintStretch(const TSurfaceJob& Job, const TSurfaceBand& Band, TCell& Cell, TPutMarks& Marks,
                  TBlockPrograms& Programs, size_t Column, size_t From, const TStretchCells& Cells)
{
    const TTargets To{Job.Picture.Pixels, Job.Picture.Indexes, Job.DepthBuffer.Depths.data(),
                      static_cast<size_t>(Job.Picture.Width)};
    if (Cells.Larger == 0) {
        PaintSmallStretch<Marked, Lit>(Job, Band, Cell, Marks, To, Column, From, Cells);
        return;
    }
    for (uint64_t Each = Cells.Small | Cells.Larger; Each != 0; Each &= Each - 1) {
        const unsigned Bit = static_cast<unsigned>(std::countr_zero(Each));
        const size_t Row = From + Bit;
        Cell.First = Column * Cell.Rows + Row;
        if ((Cells.Small >> Bit & 1u) != 0) {
            PaintSortedSmallCell<Marked, Lit>(Job, Band, Cell, Marks, To, From, Bit, Cells);
            continue;
        }
        const uint64_t Least = Cells.Least[Bit], Most = Cells.Most[Bit];
        PaintLargerCell<Marked, Lit>(
            Job, Band, Cell, {true, PairX(Least), PairX(Most), PairY(Least), PairY(Most), 0, 0},
            static_cast<uint32_t>(Cells.Blocks[Bit] & 0xFFFFu), (Cells.Whole >> Bit & 1u) != 0,
            Marks, Row, Programs, To);
    }
}

// PaintStretch as the marks and the light have it.
void PaintSortedStretch(const TSurfaceJob& Job, const TSurfaceBand& Band, TCell& Cell,
                        TPutMarks& Marks, TBlockPrograms& Programs, size_t Column, size_t From,
                        const TStretchCells& Cells)
{
    const bool Marked = !Marks.Rows.empty(), Lit = Job.Choices.Light;
    if (Marked && Lit) {
        PaintStretch<true, true>(Job, Band, Cell, Marks, Programs, Column, From, Cells);
    } else if (Marked) {
        PaintStretch<true, false>(Job, Band, Cell, Marks, Programs, Column, From, Cells);
    } else if (Lit) {
        PaintStretch<false, true>(Job, Band, Cell, Marks, Programs, Column, From, Cells);
    } else {
        PaintStretch<false, false>(Job, Band, Cell, Marks, Programs, Column, From, Cells);
    }
}

}  // namespace

void PaintCells(const TSurfaceJob& Job, const TSurfaceBand& Band)
{
    const size_t Rows = static_cast<size_t>(Job.Grid.Rows);
    const size_t Columns = static_cast<size_t>(Job.Grid.Cols);
    const int32_t Width = Job.Picture.Width;
    TPutMarks Marks(Rows);
    // The blocks' steps with the vectors' copy: the other keeps the long
    // way, and the two are checked against each other.
    TBlockPrograms Programs(Job);
    TCell Cell(Job.Corners, Rows);
    TStretchCells Cells;
    for (size_t Column = 0; Column + 1 < Columns; ++Column, Marks.Next()) {
        const TCorner* Left = Job.Corners + Column * Rows;
        const TCorner* Right = Left + Rows;
        for (size_t From = 0, Stretch = 0; From + 1 < Rows; From += StretchRows, ++Stretch) {
            if (Band.Reaches != nullptr &&
                !StretchReaches(*Band.Reaches, Column, Stretch, Band.Top, Band.Bottom))
                continue;
            const size_t End = std::min(From + StretchRows, Rows - 1);
#ifdef TESSEL_WIDE_SURFACE_CORNERS
            if (Job.Wide) {
                SortStretchWide(Left, Right, From, End, Width, Band, Cells);
            } else
#endif
            {
                SortStretch(Left, Right, From, End, Width, Band, Cells);
            }
            PaintSortedStretch(Job, Band, Cell, Marks, Programs, Column, From, Cells);
        }
    }
}

}  // namespace MainUnit
