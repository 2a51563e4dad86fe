// The result set of a calculation: the points, the box that frames them and
// the radius of the sphere round the origin that holds that box. The window
// owns one; the calculation core writes it, the repaint core reads it.
#pragma once

#include "Proc3D/Proc3D.h"

#include <cstdint>
#include <vector>

namespace MainUnit {

struct TResultSet {
    double XIntervalFrom = 0;
    double XIntervalTo = 0;
    double YIntervalFrom = 0;
    double YIntervalTo = 0;
    double ZIntervalFrom = 0;
    double ZIntervalTo = 0;
    int32_t PointCount = 0;                // valid entries of Points, from entry 0
    std::vector<Proc3D::TPoint3D> Points;  // empty: there is no result set
    double BoundingRadius = 0;
};

// Copies the six interval ends between two records that name them alike:
// checked settings, a calculation request, a result set.
template <class TSource, class TTarget> void CopyIntervals(const TSource& Source, TTarget& Target)
{
    Target.XIntervalFrom = Source.XIntervalFrom;
    Target.XIntervalTo = Source.XIntervalTo;
    Target.YIntervalFrom = Source.YIntervalFrom;
    Target.YIntervalTo = Source.YIntervalTo;
    Target.ZIntervalFrom = Source.ZIntervalFrom;
    Target.ZIntervalTo = Source.ZIntervalTo;
}

// Empties Points and gives its memory back (clear() alone would keep it).
inline void ReleasePoints(TResultSet& Results) noexcept
{
    std::vector<Proc3D::TPoint3D>().swap(Results.Points);
}

}  // namespace MainUnit
