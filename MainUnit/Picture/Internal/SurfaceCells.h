// What the fast surface painter and its reference take alike from the
// result set and the view: the grid of the points, the distance of a
// corner, the light, and the width of the squares of points taken at random.
// The rasterisation itself each writes on its own.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "Proc3D/Proc3D.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace MainUnit {

struct TSurfaceGrid {
    int32_t Cols = 0;  // columns along X
    int32_t Rows = 0;  // rows along Z: entry i x Rows + j is column i, row j
};

// The shape of the grid the square order would have written into entries
// 0 .. Count - 1: its rows counted down the first column (the entries with
// the first's X). False for a single column or row, which has no cell.
inline bool SurfaceGridShape(const TResultSet& Results, size_t Count, TSurfaceGrid& Grid)
{
    const Proc3D::TPoint3D* P = Results.Points.data();
    if (Count < 4 || Results.Points.size() < Count) return false;
    size_t Rows = 1;
    while (Rows < Count && P[Rows].X == P[0].X)
        ++Rows;
    if (Rows < 2 || Count % Rows != 0 || Count / Rows < 2 || Count / Rows > INT32_MAX) return false;
    Grid = {static_cast<int32_t>(Count / Rows), static_cast<int32_t>(Rows)};
    return true;
}

// Whether entries First .. Last - 1 lie on Grid: every entry of a column
// has the X of the column's first, every entry of a row the Z of the first
// column's.
inline bool GridHolds(const TResultSet& Results, const TSurfaceGrid& Grid, size_t First,
                      size_t Last)
{
    const Proc3D::TPoint3D* P = Results.Points.data();
    const size_t Rows = static_cast<size_t>(Grid.Rows);
    for (size_t K = First; K < Last;) {
        const size_t Column = K - K % Rows, End = std::min(Last, Column + Rows);
        const double X = P[Column].X;
        for (; K < End; ++K)
            if (!(P[K].X == X && P[K].Z == P[K - Column].Z)) return false;
    }
    return true;
}

// The grid the square order wrote into entries 0 .. Count - 1. False for
// points taken at random, and for a grid of a single column or row.
inline bool FindSurfaceGrid(const TResultSet& Results, size_t Count, TSurfaceGrid& Grid)
{
    TSurfaceGrid Shape;
    if (!SurfaceGridShape(Results, Count, Shape) || !GridHolds(Results, Shape, 0, Count))
        return false;
    Grid = Shape;
    return true;
}

// Corners farther than this from the picture's origin (in pixels) are not
// joined: the edge functions of their triangles stay exact in 64-bit integers.
inline constexpr int32_t CornerReach = 1 << 29;

inline bool CornerWithinReach(int32_t X, int32_t Y)
{
    return X > -CornerReach && X < CornerReach && Y > -CornerReach && Y < CornerReach;
}

// The distance of a place from the camera that the surface interpolates and
// records, in double precision.
inline double CornerDistance(const Proc3D::TPoint3D& Place, const Proc3D::TPoint3D& Camera)
{
    const double DX = Place.X - Camera.X, DY = Place.Y - Camera.Y, DZ = Place.Z - Camera.Z;
    return std::sqrt(DX * DX + DY * DY + DZ * DZ);
}

// The light: beside the camera, up and to the side by half the camera's
// distance, so that faces turned toward the viewer are lit unevenly enough
// to show their slopes.
inline Proc3D::TPoint3D LightPlace(const Proc3D::TViewPlane& View)
{
    const Proc3D::TPoint3D &C = View.Camera, &U = View.Up, &H = View.Horizontal;
    const double Reach = 0.5 * std::sqrt(C.X * C.X + C.Y * C.Y + C.Z * C.Z);
    const double UpLength = std::sqrt(U.X * U.X + U.Y * U.Y + U.Z * U.Z);
    const double HLength = std::sqrt(H.X * H.X + H.Y * H.Y + H.Z * H.Z);
    const double KU = UpLength > 0 ? Reach / UpLength : 0, KH = HLength > 0 ? Reach / HLength : 0;
    return {C.X + KU * U.X + KH * H.X, C.Y + KU * U.Y + KH * H.Y, C.Z + KU * U.Z + KH * H.Z};
}

// The shares of its colour a lit triangle keeps, in 256ths.
inline constexpr uint32_t DimmestLightShare = 86;  // a third, rounded up
inline constexpr uint32_t FullLightShare = 256;

// How squarely triangle A, B, C faces the light (either side): the cosine
// between its normal and the way to the light, from a third of the colour
// edge-on to all of it face-on. A triangle without a normal gets a third.
inline uint32_t LightShare(const Proc3D::TPoint3D& A, const Proc3D::TPoint3D& B,
                           const Proc3D::TPoint3D& C, const Proc3D::TPoint3D& Light)
{
    const double UX = B.X - A.X, UY = B.Y - A.Y, UZ = B.Z - A.Z;
    const double VX = C.X - A.X, VY = C.Y - A.Y, VZ = C.Z - A.Z;
    const double NX = UY * VZ - UZ * VY, NY = UZ * VX - UX * VZ, NZ = UX * VY - UY * VX;
    const double LX = Light.X - (A.X + B.X + C.X) / 3, LY = Light.Y - (A.Y + B.Y + C.Y) / 3,
                 LZ = Light.Z - (A.Z + B.Z + C.Z) / 3;
    const double Lengths = std::sqrt((NX * NX + NY * NY + NZ * NZ) * (LX * LX + LY * LY + LZ * LZ));
    const double Cosine = std::fabs(NX * LX + NY * LY + NZ * LZ) / Lengths;
    if (!(Cosine > 0)) return DimmestLightShare;  // also NaN: no normal
    const double Share = DimmestLightShare + (FullLightShare - DimmestLightShare) * Cosine;
    return static_cast<uint32_t>(std::min(Share, static_cast<double>(FullLightShare)));
}

// Each channel of Color scaled by Share 256ths.
inline uint32_t LitColor(uint32_t Color, uint32_t Share)
{
    const uint32_t R = (Color & 0xFFu) * Share >> 8, G = (Color >> 8 & 0xFFu) * Share >> 8,
                   B = (Color >> 16 & 0xFFu) * Share >> 8;
    return R | G << 8 | B << 16;
}

// The widest square a point taken at random is drawn as.
inline constexpr int32_t WidestSquare = 64;

// The mean distance between Count points spread over a Width x Height span
// of pixels, rounded up: the side of each point's square, 1 to WidestSquare.
inline int32_t SquareWidth(int64_t Width, int64_t Height, size_t Count)
{
    if (Count == 0) return 1;
    const double Side = std::ceil(std::sqrt(
        static_cast<double>(Width) * static_cast<double>(Height) / static_cast<double>(Count)));
    return static_cast<int32_t>(std::clamp(Side, 1.0, static_cast<double>(WidestSquare)));
}

// The first column (row) of the square of side Side round pixel X (Y).
inline int32_t SquareStart(int32_t X, int32_t Side) { return X - (Side - 1) / 2; }

}  // namespace MainUnit
