// The small vector library of the projection engine.
#include "Proc3D/ExtendedMath.h"
#include "Proc3D/Proc3D.h"

#include <cmath>
#include <limits>

namespace Proc3D {

double FloatMod(double Divisor, double Value)
{
    // truncl keeps the quotient a floating value: no integer conversion, so a
    // huge or non-finite quotient cannot overflow anything.
    const long double Quotient = std::trunc(static_cast<long double>(Value) / Divisor);
    return static_cast<double>(Value - Divisor * Quotient);
}

void CrossProduct(const TPoint3D& A, const TPoint3D& B, TPoint3D& C) { C = Rounded(Cross(A, B)); }

bool IntersectLinePlane(const TLine3D& Line, const TPlane3D& Plane, TPoint3D& Point)
{
    // The denominator is kept as a double, so a product too small for a double
    // counts as parallel.
    const double D = static_cast<double>(Dot(Plane.Normal, Line.Direction));
    if (D == 0.0 || std::isnan(D)) return false;
    // Line parameter of the cut: Normal . (Origin + t Direction) + Offset = 0.
    const long double T = -(Dot(Plane.Normal, Line.Origin) + Plane.Offset) / D;
    Point = Rounded(Line.Origin + T * Line.Direction);
    return true;
}

double PointLineDistance(const TLine3D& Line, const TPoint3D& Point, TPoint3D& Foot)
{
    // The foot is where the plane through Point perpendicular to the line cuts it.
    const TPlane3D Across{Line.Direction, static_cast<double>(-Dot(Line.Direction, Point))};
    if (!IntersectLinePlane(Line, Across, Foot)) {
        Foot = Line.Origin;
        return std::numeric_limits<double>::quiet_NaN();
    }
    return static_cast<double>(DistanceBetween(Point, Foot));
}

}  // namespace Proc3D
