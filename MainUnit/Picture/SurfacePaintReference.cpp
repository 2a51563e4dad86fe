// The surface painted the slow, plain way: every pixel tested against every
// triangle (or square) from scratch, the nearest one kept, the first among
// equally near; then the loose points through the depth buffer's test.
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/SurfaceCells.h"
#include "MainUnit/Picture/SurfacePaint.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace MainUnit {

namespace {

struct TRefCorner {
    bool Placed = false;     // drawn at all
    bool Projected = false;  // and X, Y set
    bool Usable = false;     // a corner of cells, or a square
    int32_t X = 0, Y = 0;
    double Depth = 0;
    Proc3D::TPoint3D Place{};
};

struct TRefTriangle {
    size_t Entry[3] = {};  // corners in the order they were given
    size_t Cell[4] = {};   // the cell's entries, for the nearest corner
    uint32_t Share = FullLightShare;
};

struct TRefPaint {
    const TResultSet& Results;
    const TSurfaceChoices& Choices;
    std::vector<TRefCorner> Corners;
    TDepthRange Range;
    long double Scale = 0;
    // The best candidate of the pixel being decided.
    struct {
        bool Found = false;
        float Stored = 0;
        uint32_t Color = 0;
        int32_t Index = NoPoint;
    } Best;
};

uint32_t RefColor(const TRefPaint& R, double Y, uint32_t Share, double Depth)
{
    uint32_t Color = IsUndefinedY(Y)
                         ? R.Choices.Style.Undefined
                         : Proc3D::HeightColor(HeightIndex(Y, R.Results.YIntervalFrom, R.Scale));
    Color = LitColor(Color, Share);
    return R.Choices.Darken ? Proc3D::ShadeColor(Color, DepthFactor(R.Range, Depth)) : Color;
}

// Offers a candidate to the pixel: kept when strictly nearer than the best.
void Offer(TRefPaint& R, double Depth, double Y, uint32_t Share, int32_t Index)
{
    if (!(Depth > 0)) return;
    const float Stored = DepthEntryValue(Depth);
    if (Stored == 0.0f || (R.Best.Found && !(Stored < R.Best.Stored))) return;
    R.Best = {true, Stored, RefColor(R, Y, Share, Depth), Index};
}

int64_t EdgeValue(const TRefCorner& U, const TRefCorner& V, int64_t X, int64_t Y)
{
    return (static_cast<int64_t>(V.X) - U.X) * (Y - U.Y) -
           (static_cast<int64_t>(V.Y) - U.Y) * (X - U.X);
}

int32_t NearestOfCell(const TRefPaint& R, const size_t (&Cell)[4], int64_t X, int64_t Y)
{
    size_t Best = Cell[0];
    int64_t BestSquare = -1;
    for (size_t E : Cell) {
        const int64_t DX = R.Corners[E].X - X, DY = R.Corners[E].Y - Y;
        if (BestSquare < 0 || DX * DX + DY * DY < BestSquare) {
            BestSquare = DX * DX + DY * DY;
            Best = E;
        }
    }
    return static_cast<int32_t>(Best);
}

// A triangle without area: the segment between its two corners farthest
// apart, the first pair of A-B, B-C, C-A, or the pixel of A.
void TrySegment(TRefPaint& R, const TRefTriangle& T, int64_t X, int64_t Y)
{
    size_t P = T.Entry[0], Q = T.Entry[0];
    int64_t Length = -1;
    for (size_t I = 0; I < 3; ++I) {
        const TRefCorner &U = R.Corners[T.Entry[I]], &V = R.Corners[T.Entry[(I + 1) % 3]];
        const int64_t DX = static_cast<int64_t>(V.X) - U.X, DY = static_cast<int64_t>(V.Y) - U.Y;
        if (DX * DX + DY * DY > Length) {
            Length = DX * DX + DY * DY;
            P = T.Entry[I], Q = T.Entry[(I + 1) % 3];
        }
    }
    const TRefCorner &A = R.Corners[P], &B = R.Corners[Q];
    if (EdgeValue(A, B, X, Y) != 0 || X < std::min(A.X, B.X) || X > std::max(A.X, B.X) ||
        Y < std::min(A.Y, B.Y) || Y > std::max(A.Y, B.Y))
        return;
    const double YA = R.Results.Points[P].Y, YB = R.Results.Points[Q].Y;
    if (Length == 0) {
        Offer(R, A.Depth, YA, T.Share, NearestOfCell(R, T.Cell, X, Y));
        return;
    }
    const int64_t Dot = (X - A.X) * (static_cast<int64_t>(B.X) - A.X) +
                        (Y - A.Y) * (static_cast<int64_t>(B.Y) - A.Y);
    const int32_t Nearest = NearestOfCell(R, T.Cell, X, Y);
    if (Dot == 0 || Dot == Length) {  // an end: its own values
        Offer(R, Dot == 0 ? A.Depth : B.Depth, Dot == 0 ? YA : YB, T.Share, Nearest);
        return;
    }
    const double Along = static_cast<double>(Dot) / static_cast<double>(Length);
    Offer(R, A.Depth + (B.Depth - A.Depth) * Along, YA + (YB - YA) * Along, T.Share, Nearest);
}

void TryTriangle(TRefPaint& R, const TRefTriangle& T, int64_t X, int64_t Y)
{
    const TRefCorner* A = &R.Corners[T.Entry[0]];
    const TRefCorner* B = &R.Corners[T.Entry[1]];
    const TRefCorner* C = &R.Corners[T.Entry[2]];
    size_t EB = T.Entry[1], EC = T.Entry[2];
    int64_t Area = EdgeValue(*A, *B, C->X, C->Y);
    if (Area == 0) {
        TrySegment(R, T, X, Y);
        return;
    }
    if (Area < 0) {
        std::swap(B, C);
        std::swap(EB, EC);
        Area = -Area;
    }
    // Inside, or on an edge.
    const int64_t EA = EdgeValue(*B, *C, X, Y), EdgeB = EdgeValue(*C, *A, X, Y),
                  EdgeC = EdgeValue(*A, *B, X, Y);
    if (EA < 0 || EdgeB < 0 || EdgeC < 0) return;
    if (EA == Area || EdgeB == Area || EdgeC == Area) {  // on a corner: its own values
        const size_t On = EA == Area ? T.Entry[0] : EdgeB == Area ? EB : EC;
        Offer(R, R.Corners[On].Depth, R.Results.Points[On].Y, T.Share,
              NearestOfCell(R, T.Cell, X, Y));
        return;
    }
    const double WB = static_cast<double>(EdgeB), WC = static_cast<double>(EdgeC);
    const double Inverse = 1.0 / static_cast<double>(Area);
    const double Depth =
        A->Depth + (WB * (B->Depth - A->Depth) + WC * (C->Depth - A->Depth)) * Inverse;
    const double YA = R.Results.Points[T.Entry[0]].Y;
    const double Height =
        YA + (WB * (R.Results.Points[EB].Y - YA) + WC * (R.Results.Points[EC].Y - YA)) * Inverse;
    Offer(R, Depth, Height, T.Share, NearestOfCell(R, T.Cell, X, Y));
}

std::vector<TRefTriangle> TrianglesOf(const TRefPaint& R, const TSurfaceGrid& Grid,
                                      const Proc3D::TPoint3D& Light)
{
    std::vector<TRefTriangle> Triangles;
    const size_t Rows = static_cast<size_t>(Grid.Rows);
    for (size_t I = 0; I + 1 < static_cast<size_t>(Grid.Cols); ++I) {
        for (size_t J = 0; J + 1 < Rows; ++J) {
            const size_t E[4] = {I * Rows + J, (I + 1) * Rows + J, I * Rows + J + 1,
                                 (I + 1) * Rows + J + 1};
            if (!std::all_of(E, E + 4, [&R](size_t K) { return R.Corners[K].Usable; })) continue;
            for (const auto& Order :
                 {std::array<size_t, 3>{0, 1, 2}, std::array<size_t, 3>{3, 2, 1}}) {
                TRefTriangle T{{E[Order[0]], E[Order[1]], E[Order[2]]}, {E[0], E[1], E[2], E[3]}};
                if (R.Choices.Light)
                    T.Share = LightShare(R.Corners[T.Entry[0]].Place, R.Corners[T.Entry[1]].Place,
                                         R.Corners[T.Entry[2]].Place, Light);
                Triangles.push_back(T);
            }
        }
    }
    return Triangles;
}

bool HeldByCell(const TRefPaint& R, const TSurfaceGrid& Grid, size_t K)
{
    const int64_t Rows = Grid.Rows, I = static_cast<int64_t>(K) / Rows,
                  J = static_cast<int64_t>(K) % Rows;
    for (int64_t CI = I - 1; CI <= I; ++CI)
        for (int64_t CJ = J - 1; CJ <= J; ++CJ) {
            if (CI < 0 || CJ < 0 || CI + 1 >= Grid.Cols || CJ + 1 >= Rows) continue;
            const size_t E = static_cast<size_t>(CI * Rows + CJ), R1 = static_cast<size_t>(Rows);
            if (R.Corners[E].Usable && R.Corners[E + 1].Usable && R.Corners[E + R1].Usable &&
                R.Corners[E + R1 + 1].Usable)
                return true;
        }
    return false;
}

void Settle(TRefPaint& R, const TPixelArray& Picture, TDepthBuffer& Depth, int32_t X, int32_t Y)
{
    if (!R.Best.Found) return;
    const size_t Pixel =
        static_cast<size_t>(Y) * static_cast<size_t>(Picture.Width) + static_cast<size_t>(X);
    Picture.Pixels[Pixel] = R.Best.Color;
    if (Picture.Indexes != nullptr) Picture.Indexes[Pixel] = R.Best.Index;
    DepthEntry(Depth, X, Y) = R.Best.Stored;
}

void PlaceCorners(TRefPaint& R, const Proc3D::TViewPlane& View, bool OnGrid, size_t Count)
{
    const TBoxMapping* Box = R.Choices.Style.Box;
    const bool Shown = R.Choices.ShowUndefined;
    R.Corners.resize(Count);
    for (size_t K = 0; K < Count; ++K) {
        TRefCorner& C = R.Corners[K];
        const Proc3D::TPoint3D& P = R.Results.Points[K];
        bool Undefined = false;
        C.Placed = Box ? BoxPlaceOfPoint(P, R.Results, Shown, *Box, C.Place, Undefined)
                       : PlaceOfPoint(P, R.Results, Shown, C.Place, Undefined);
        if (!C.Placed) continue;
        C.Depth = CornerDistance(C.Place, View.Camera);
        C.Projected = Proc3D::ProjectPoint(View, C.Place, C.X, C.Y);
        C.Usable =
            !(OnGrid && Undefined) && C.Projected && CornerWithinReach(C.X, C.Y) && C.Depth >= 0;
    }
}

void PaintCellsOf(TRefPaint& R, const TSurfaceGrid& Grid, const Proc3D::TViewPlane& View,
                  const TPixelArray& Picture, TDepthBuffer& Depth)
{
    const std::vector<TRefTriangle> Triangles = TrianglesOf(R, Grid, LightPlace(View));
    for (int32_t Y = 0; Y < Picture.Height; ++Y)
        for (int32_t X = 0; X < Picture.Width; ++X) {
            R.Best.Found = false;
            for (const TRefTriangle& T : Triangles)
                TryTriangle(R, T, X, Y);
            Settle(R, Picture, Depth, X, Y);
        }
}

// The points no filled cell holds, one after the other through the depth
// buffer's test.
void PaintLooseOf(TRefPaint& R, const TSurfaceGrid& Grid, const TPixelArray& Picture,
                  TDepthBuffer& Depth)
{
    for (size_t K = 0; K < R.Corners.size(); ++K) {
        const TRefCorner& C = R.Corners[K];
        if (!C.Placed || !C.Projected || HeldByCell(R, Grid, K) || C.X < 0 ||
            C.X >= Picture.Width || C.Y < 0 || C.Y >= Picture.Height)
            continue;
        const float Entry = DepthEntry(Depth, C.X, C.Y);
        R.Best = {Entry != 0.0f, Entry, 0, NoPoint};
        Offer(R, C.Depth, R.Results.Points[K].Y, FullLightShare, static_cast<int32_t>(K));
        if (R.Best.Index == static_cast<int32_t>(K)) Settle(R, Picture, Depth, C.X, C.Y);
    }
}

void PaintSquaresOf(TRefPaint& R, const TPixelArray& Picture, TDepthBuffer& Depth)
{
    int64_t X0 = INT64_MAX, X1 = INT64_MIN, Y0 = INT64_MAX, Y1 = INT64_MIN;
    size_t Drawn = 0;
    for (const TRefCorner& C : R.Corners) {
        if (!C.Usable) continue;
        ++Drawn;
        X0 = std::min<int64_t>(X0, C.X), X1 = std::max<int64_t>(X1, C.X);
        Y0 = std::min<int64_t>(Y0, C.Y), Y1 = std::max<int64_t>(Y1, C.Y);
    }
    const int32_t Side = Drawn == 0 ? 1 : SquareWidth(X1 - X0 + 1, Y1 - Y0 + 1, Drawn);
    for (int32_t Y = 0; Y < Picture.Height; ++Y)
        for (int32_t X = 0; X < Picture.Width; ++X) {
            R.Best.Found = false;
            for (size_t K = 0; K < R.Corners.size(); ++K) {
                const TRefCorner& C = R.Corners[K];
                const int32_t SX = SquareStart(C.X, Side), SY = SquareStart(C.Y, Side);
                if (C.Usable && X >= SX && X < SX + Side && Y >= SY && Y < SY + Side)
                    Offer(R, C.Depth, R.Results.Points[K].Y, FullLightShare,
                          static_cast<int32_t>(K));
            }
            Settle(R, Picture, Depth, X, Y);
        }
}

}  // namespace

bool PaintSurfaceReference(const TResultSet& Results, const Proc3D::TViewPlane& View,
                           const TPixelArray& Picture, const TSurfaceChoices& Choices,
                           TDepthBuffer& DepthBuffer)
{
    if (!PaintArgumentsValid(Picture, &DepthBuffer)) return false;
    ClearPointRecord(Picture);
    ClearDepthBuffer(DepthBuffer);
    const TBoxMapping* Box = Choices.Style.Box;
    TRefPaint R{Results,
                Choices,
                {},
                Box != nullptr ? CalcDepthRange(View.Camera, CubeCorners(*Box))
                               : CalcDepthRange(View.Camera, Results),
                HeightScale(Results.YIntervalFrom, Results.YIntervalTo),
                {}};
    const size_t Count =
        std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
    TSurfaceGrid Grid;
    const bool OnGrid = FindSurfaceGrid(Results, Count, Grid);
    PlaceCorners(R, View, OnGrid, Count);
    if (OnGrid) {
        PaintCellsOf(R, Grid, View, Picture, DepthBuffer);
        PaintLooseOf(R, Grid, Picture, DepthBuffer);
    } else {
        PaintSquaresOf(R, Picture, DepthBuffer);
    }
    return true;
}

}  // namespace MainUnit
