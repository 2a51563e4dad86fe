#include "MainUnit/Calculation/Statistics.h"

#include <cmath>

namespace MainUnit {

void ClipYInterval(TResultSet& Results, const TYRange& Range)
{
    if (Range.Ymin > Results.YIntervalFrom) Results.YIntervalFrom = Range.Ymin;
    if (Range.Ymax < Results.YIntervalTo) Results.YIntervalTo = Range.Ymax;
}

namespace {

long double LargerMagnitude(double A, double B)
{
    return std::fmax(std::fabs(static_cast<long double>(A)),
                     std::fabs(static_cast<long double>(B)));
}

}  // namespace

double CalcBoundingRadius(const TIntervalBox& R)
{
    // Extended range: the squares of ends near the double limit do not overflow.
    const long double MX = LargerMagnitude(R.XIntervalFrom, R.XIntervalTo);
    const long double MZ = LargerMagnitude(R.ZIntervalFrom, R.ZIntervalTo);
    const long double MY = LargerMagnitude(R.YIntervalFrom, R.YIntervalTo);
    const double Radius = static_cast<double>(std::sqrt(MX * MX + MZ * MZ + MY * MY));
    return Radius == 0.0 ? 0.001 : Radius;
}

double IntervalBoundingRadius(const TIntervalBox& Source)
{
    TIntervalBox Box = Source;
    Box.YIntervalFrom = Box.YIntervalTo = 0;
    return CalcBoundingRadius(Box);
}

bool IsShowableRadius(double BoundingRadius)
{
    constexpr long double LargestDistance = 1.7e308;
    return NewDistanceRadii * BoundingRadius <= LargestDistance;
}

TDistanceCorrection CorrectCameraDistance(double BoundingRadius, bool DistanceValid,
                                          double Distance)
{
    // The upper limit is the double 1000 x BoundingRadius, so that a radius of
    // 0.001 admits exactly the open interval (0.001, 1).
    const double UpperLimit = 1000.0 * BoundingRadius;
    const bool InRange = DistanceValid && Distance > BoundingRadius && Distance < UpperLimit;
    if (InRange) return {false, Distance};
    return {true, static_cast<double>(NewDistanceRadii * BoundingRadius)};
}

}  // namespace MainUnit
