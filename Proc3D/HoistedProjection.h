// ProjectPoint for a loop over many points: everything that depends on the
// view alone is computed once into a TProjector, and the per-point work is
// inlined. The arithmetic is that of ProjectPoint, operation for operation
// and in the same precision, so both give the same pixel for every point;
// the hoisted terms are the very sub-expressions ProjectPoint evaluates, with
// the same operands in the same order, so their bits are the same too.
#pragma once

#include "Proc3D/ExtendedMath.h"
#include "Proc3D/Proc3D.h"

#include <cmath>
#include <cstdint>

namespace Proc3D {

// One centre line of the plane (through Center along Direction) with the
// terms of its point-line distance that do not depend on the point.
struct TCentreLine {
    TPoint3D Direction;
    double DirectionSquared;      // Direction . Direction, as IntersectLinePlane rounds it
    long double DirectionCenter;  // Direction . Center
    bool Usable;                  // DirectionSquared is neither 0 nor NaN
};

struct TProjector {
    TPoint3D Camera;
    TPoint3D Center;
    TPoint3D Normal;           // Plane.Normal, for the cut of the line of sight
    long double CutNumerator;  // -(Normal . Camera + Offset)
    TPoint3D Side;             // Camera - Center, for the side of a point
    TCentreLine Horizontal;
    TCentreLine Up;
    double LimitY;  // 2147483647 - HalfHeight
    double LimitX;  // 2147483647 - HalfWidth
    int32_t HalfWidth;
    int32_t HalfHeight;
};

inline TCentreLine MakeCentreLine(const TPoint3D& Direction, const TPoint3D& Center)
{
    const double Squared = static_cast<double>(Dot(Direction, Direction));
    return {Direction, Squared, Dot(Direction, Center), !(Squared == 0.0 || std::isnan(Squared))};
}

inline TProjector MakeProjector(const TViewPlane& View)
{
    TProjector P;
    P.Camera = View.Camera;
    P.Center = View.Center;
    P.Normal = View.Plane.Normal;
    P.CutNumerator = -(Dot(View.Plane.Normal, View.Camera) + View.Plane.Offset);
    P.Side = Rounded(View.Camera - View.Center);
    P.Horizontal = MakeCentreLine(View.Horizontal, View.Center);
    P.Up = MakeCentreLine(View.Up, View.Center);
    P.LimitY = 2147483647.0 - View.HalfHeight;
    P.LimitX = 2147483647.0 - View.HalfWidth;
    P.HalfWidth = View.HalfWidth;
    P.HalfHeight = View.HalfHeight;
    return P;
}

// PointLineDistance of Cut from a centre line, with its Foot; NaN when the
// line's direction has no usable length.
inline double CentreLineDistance(const TCentreLine& Line, const TPoint3D& Center,
                                 const TPoint3D& Cut, TPoint3D& Foot)
{
    if (!Line.Usable) {
        Foot = Center;
        return NAN;
    }
    const double Offset = static_cast<double>(-Dot(Line.Direction, Cut));
    const long double T = -(Line.DirectionCenter + Offset) / Line.DirectionSquared;
    Foot = Rounded(Center + T * Line.Direction);
    return static_cast<double>(DistanceBetween(Cut, Foot));
}

inline bool Project(const TProjector& P, const TPoint3D& Point, int32_t& PixelX, int32_t& PixelY)
{
    const TPoint3D Direction = Rounded(Point - P.Camera);
    const double D = static_cast<double>(Dot(P.Normal, Direction));
    if (D == 0.0 || std::isnan(D)) return false;
    const long double T = P.CutNumerator / D;
    const TPoint3D Cut = Rounded(P.Camera + T * Direction);
    TPoint3D Foot;
    const double OffsetY = CentreLineDistance(P.Horizontal, P.Center, Cut, Foot);
    if (!(OffsetY <= P.LimitY)) return false;
    const int32_t RowShift = RoundOffset(OffsetY);
    PixelY = Cut.Y > P.Center.Y ? P.HalfHeight - RowShift : P.HalfHeight + RowShift;
    const double OffsetX = CentreLineDistance(P.Up, P.Center, Cut, Foot);
    if (!(OffsetX <= P.LimitX)) return false;
    const TPoint3D Across = Rounded(Cross(P.Up.Direction, Rounded(Cut - Foot)));
    const int32_t ColumnShift = RoundOffset(OffsetX);
    PixelX = Dot(Across, P.Side) < 0.0L ? P.HalfWidth + ColumnShift : P.HalfWidth - ColumnShift;
    return true;
}

}  // namespace Proc3D
