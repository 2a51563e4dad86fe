// The fast filling of cells and squares: each triangle walks only the
// pixels of its bounding box, its edge functions stepped by exact integer
// additions, so every pixel gets the values the reference computes for it
// from scratch.
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/SurfaceJob.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace MainUnit {

namespace {

struct TVertex {
    int32_t X = 0;
    int32_t Y = 0;
    double Depth = 0;
    double Height = 0;  // the point's Y, for its colour
};

// The four corners of a cell in the order (i, j), (i + 1, j), (i, j + 1),
// (i + 1, j + 1), and their entries.
struct TCell {
    TVertex Corner[4];
    size_t Index[4] = {};
};

// The edge from U to V as a function of the pixel: positive on the inside
// of a triangle whose corners are in positive order. Pixels on the edge
// belong to the triangle when it owns the edge.
struct TEdge {
    int64_t StepX = 0, StepY = 0;  // change per column and per row
    int64_t AtOrigin = 0;          // value at pixel (0, 0)
    int64_t Bias = 0;              // 0 when the edge is owned, 1 when not

    TEdge(const TVertex& U, const TVertex& V)
        : StepX(-(static_cast<int64_t>(V.Y) - U.Y)), StepY(static_cast<int64_t>(V.X) - U.X)
    {
        AtOrigin = -StepY * U.Y - StepX * U.X;
        const bool Owned = StepX > 0 || (StepX == 0 && StepY > 0);  // up, or right along a row
        Bias = Owned ? 0 : 1;
    }
    int64_t At(int64_t X, int64_t Y) const { return AtOrigin + StepX * X + StepY * Y; }
};

// The corner of Cell nearest to pixel (X, Y), the first among equally near.
size_t NearestCorner(const TCell& Cell, int32_t X, int32_t Y)
{
    size_t Best = 0;
    int64_t BestDistance = INT64_MAX;
    for (size_t I = 0; I < 4; ++I) {
        const int64_t DX = static_cast<int64_t>(Cell.Corner[I].X) - X;
        const int64_t DY = static_cast<int64_t>(Cell.Corner[I].Y) - Y;
        if (DX * DX + DY * DY < BestDistance) {
            BestDistance = DX * DX + DY * DY;
            Best = I;
        }
    }
    return Cell.Index[Best];
}

struct TTriangle {
    const TVertex* A;
    const TVertex* B;
    const TVertex* C;
    uint32_t Share;
};

void FillTriangle(const TSurfaceJob& Job, const TSurfaceTarget& Target, const TCell& Cell,
                  TTriangle T)
{
    int64_t Area =
        (static_cast<int64_t>(T.B->X) - T.A->X) * (static_cast<int64_t>(T.C->Y) - T.A->Y) -
        (static_cast<int64_t>(T.B->Y) - T.A->Y) * (static_cast<int64_t>(T.C->X) - T.A->X);
    if (Area == 0) return;
    if (Area < 0) {
        std::swap(T.B, T.C);
        Area = -Area;
    }
    const TPixelArray& P = Target.Picture;
    const int32_t X0 = std::max(std::min({T.A->X, T.B->X, T.C->X}), 0);
    const int32_t X1 = std::min(std::max({T.A->X, T.B->X, T.C->X}), P.Width - 1);
    const int32_t Y0 = std::max(std::min({T.A->Y, T.B->Y, T.C->Y}), 0);
    const int32_t Y1 = std::min(std::max({T.A->Y, T.B->Y, T.C->Y}), P.Height - 1);
    if (X0 > X1 || Y0 > Y1) return;
    const TEdge WeightA(*T.B, *T.C), WeightB(*T.C, *T.A), WeightC(*T.A, *T.B);
    const double Inverse = 1.0 / static_cast<double>(Area);
    const double DepthB = T.B->Depth - T.A->Depth, DepthC = T.C->Depth - T.A->Depth;
    const double HeightB = T.B->Height - T.A->Height, HeightC = T.C->Height - T.A->Height;
    for (int32_t Y = Y0; Y <= Y1; ++Y) {
        int64_t EA = WeightA.At(X0, Y) - WeightA.Bias, EB = WeightB.At(X0, Y),
                EC = WeightC.At(X0, Y);
        for (int32_t X = X0; X <= X1;
             ++X, EA += WeightA.StepX, EB += WeightB.StepX, EC += WeightC.StepX) {
            if ((EA | (EB - WeightB.Bias) | (EC - WeightC.Bias)) < 0) continue;
            const double WB = static_cast<double>(EB), WC = static_cast<double>(EC);
            const double Depth = T.A->Depth + (WB * DepthB + WC * DepthC) * Inverse;
            if (!(Depth > 0)) continue;
            const float Stored = DepthEntryValue(Depth);
            if (Stored == 0.0f || !DepthTestAndStoreValue(*Target.Depth, X, Y, Stored)) continue;
            const double Height = T.A->Height + (WB * HeightB + WC * HeightC) * Inverse;
            const size_t Pixel =
                static_cast<size_t>(Y) * static_cast<size_t>(P.Width) + static_cast<size_t>(X);
            P.Pixels[Pixel] = SurfaceColor(Job, Height, T.Share, Depth);
            if (P.Indexes != nullptr)
                P.Indexes[Pixel] = static_cast<int32_t>(NearestCorner(Cell, X, Y));
        }
    }
}

bool LoadCell(const TSurfaceJob& Job, size_t Column, size_t Row, TCell& Cell)
{
    const size_t Rows = static_cast<size_t>(Job.Grid.Rows);
    const size_t First = Column * Rows + Row;
    const size_t Entries[4] = {First, First + Rows, First + 1, First + Rows + 1};
    for (size_t I = 0; I < 4; ++I) {
        const TCorner& C = Job.Corners[Entries[I]];
        if (C.Depth < 0) return false;
        Cell.Corner[I] = {C.X, C.Y, C.Depth, Job.Results.Points[Entries[I]].Y};
        Cell.Index[I] = Entries[I];
    }
    return true;
}

// All four corners on one pixel: nothing to fill.
bool Collapsed(const TCell& Cell)
{
    for (size_t I = 1; I < 4; ++I)
        if (Cell.Corner[I].X != Cell.Corner[0].X || Cell.Corner[I].Y != Cell.Corner[0].Y)
            return false;
    return true;
}

uint32_t CellLight(const TSurfaceJob& Job, const TCell& Cell, size_t A, size_t B, size_t C)
{
    if (!Job.Choices.Light) return FullLightShare;
    Proc3D::TPoint3D Places[3];
    bool Undefined = false;
    const size_t Which[3] = {A, B, C};
    for (size_t I = 0; I < 3; ++I)
        SurfacePlace(Job, Cell.Index[Which[I]], Places[I], Undefined);
    return LightShare(Places[0], Places[1], Places[2], Job.Light);
}

}  // namespace

void PaintCells(const TSurfaceJob& Job, size_t First, size_t Last, const TSurfaceTarget& Target)
{
    const size_t Rows = static_cast<size_t>(Job.Grid.Rows);
    TCell Cell;
    for (size_t Column = First; Column < Last; ++Column) {
        for (size_t Row = 0; Row + 1 < Rows; ++Row) {
            if (!LoadCell(Job, Column, Row, Cell) || Collapsed(Cell)) continue;
            FillTriangle(
                Job, Target, Cell,
                {&Cell.Corner[0], &Cell.Corner[1], &Cell.Corner[2], CellLight(Job, Cell, 0, 1, 2)});
            FillTriangle(
                Job, Target, Cell,
                {&Cell.Corner[3], &Cell.Corner[2], &Cell.Corner[1], CellLight(Job, Cell, 3, 2, 1)});
        }
    }
}

void PaintSquares(const TSurfaceJob& Job, size_t First, size_t Last, int32_t Side,
                  const TSurfaceTarget& Target)
{
    const TPixelArray& P = Target.Picture;
    for (size_t K = First; K < Last; ++K) {
        const TCorner& C = Job.Corners[K];
        if (!(C.Depth > 0)) continue;
        const float Stored = DepthEntryValue(C.Depth);
        if (Stored == 0.0f) continue;
        const int32_t X0 = std::max(SquareStart(C.X, Side), 0);
        const int32_t Y0 = std::max(SquareStart(C.Y, Side), 0);
        const int32_t X1 = std::min(SquareStart(C.X, Side) + Side - 1, P.Width - 1);
        const int32_t Y1 = std::min(SquareStart(C.Y, Side) + Side - 1, P.Height - 1);
        const Proc3D::TPoint3D& Point = Job.Results.Points[K];
        bool Colored = false;
        uint32_t Color = 0;
        for (int32_t Y = Y0; Y <= Y1; ++Y) {
            for (int32_t X = X0; X <= X1; ++X) {
                if (!DepthTestAndStoreValue(*Target.Depth, X, Y, Stored)) continue;
                if (!Colored) {
                    Color = PointColor(Job, Point.Y, C.Depth);
                    Colored = true;
                }
                const size_t Pixel =
                    static_cast<size_t>(Y) * static_cast<size_t>(P.Width) + static_cast<size_t>(X);
                P.Pixels[Pixel] = Color;
                if (P.Indexes != nullptr) P.Indexes[Pixel] = static_cast<int32_t>(K);
            }
        }
    }
}

}  // namespace MainUnit
