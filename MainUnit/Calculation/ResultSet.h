// The result set of a calculation: the points, the box that frames them and
// the radius of the sphere round the origin that holds that box. The window
// owns one; the calculation core writes it, the repaint core reads it.
#pragma once

#include "Proc3D/Proc3D.h"

#include <cstdint>
#include <vector>

namespace MainUnit {

// The six ends of the X, Y and Z intervals: of the checked settings, of a
// calculation request and of a result set alike, under the names the result
// set is known by.
struct TIntervalBox {
    double XIntervalFrom = 0, XIntervalTo = 0;
    double YIntervalFrom = 0, YIntervalTo = 0;
    double ZIntervalFrom = 0, ZIntervalTo = 0;
};

struct TResultSet : TIntervalBox {
    int32_t PointCount = 0;                // valid entries of Points, from entry 0
    std::vector<Proc3D::TPoint3D> Points;  // empty: there is no result set
    double BoundingRadius = 0;
};

// Copies the six interval ends, and nothing else, between two records that
// hold them: checked settings, a calculation request, a result set.
inline void CopyIntervals(const TIntervalBox& Source, TIntervalBox& Target) { Target = Source; }

// Empties Points and gives its memory back (clear() alone would keep it).
inline void ReleasePoints(TResultSet& Results) noexcept
{
    std::vector<Proc3D::TPoint3D>().swap(Results.Points);
}

}  // namespace MainUnit
