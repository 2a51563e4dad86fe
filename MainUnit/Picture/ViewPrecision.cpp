#include "MainUnit/Picture/ViewPrecision.h"

#include "MainUnit/Calculation/Statistics.h"

#include <algorithm>
#include <cmath>

namespace MainUnit {

namespace {

// The radius of the X and Z intervals alone, with Y at 0.
double IntervalRadius(const TResultSet& Results) { return IntervalBoundingRadius(Results); }

bool Projects(const TViewSettings& View, double Distance, double Zoom, int32_t Width,
              int32_t Height, Proc3D::TViewPlane& Plane)
{
    Proc3D::TPoint3D Camera{0, 0, 0};
    return std::isfinite(Distance) && Distance > 0 &&
           Proc3D::CalcViewPlane(Camera, Width, Height, View.VerAngle, View.HorAngle, Zoom,
                                 Distance, Plane) &&
           Proc3D::CanProject(Plane);
}

// The view's distance shrunk as the radius shrinks when the results are
// taken within the intervals.
double ShrunkDistance(const TResultSet& Results, const TViewSettings& View)
{
    return static_cast<double>(static_cast<long double>(View.Distance) * IntervalRadius(Results) /
                               Results.BoundingRadius);
}

}  // namespace

TRefusal CannotDrawRefusal(const TResultSet& Results, const TViewSettings& View, int32_t Width,
                           int32_t Height)
{
    const long double Reach = std::max(std::fabs(static_cast<long double>(Results.YIntervalFrom)),
                                       std::fabs(static_cast<long double>(Results.YIntervalTo)));
    Proc3D::TViewPlane Plane{};
    if (Reach > IntervalRadius(Results) &&
        Projects(View, ShrunkDistance(Results, View), View.Zoom, Width, Height, Plane))
        return TRefusal::ResultsBeyondPrecision;
    return TRefusal::ViewBeyondPrecision;
}

bool SketchViewPlane(const TResultSet& Results, const TViewSettings& View, int32_t Width,
                     int32_t Height, Proc3D::TViewPlane& Plane)
{
    return Projects(View, ShrunkDistance(Results, View), View.Zoom, Width, Height, Plane) ||
           Projects(View, static_cast<double>(NewDistanceRadii * IntervalRadius(Results)), 100.0,
                    Width, Height, Plane);
}

}  // namespace MainUnit
