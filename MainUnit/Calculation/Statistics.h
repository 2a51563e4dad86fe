// The statistics kept with a result set (its Y range and bounding radius)
// and the camera distance that suits a new result set.
#pragma once

#include "MainUnit/Calculation/Evaluation.h"
#include "MainUnit/Calculation/ResultSet.h"

namespace MainUnit {

// Clips the stored Y interval to the defined results:
// YIntervalFrom = max(YIntervalFrom, Ymin), YIntervalTo = min(YIntervalTo, Ymax).
void ClipYInterval(TResultSet& Results, const TYRange& Range);

// Distance from the origin to the farthest corner of the stored box,
// computed in extended precision; 0.001 when it comes out exactly 0.
double CalcBoundingRadius(const TIntervalBox& Results);

// The bounding radius of the X and Z intervals of Source alone, with Y at 0:
// what the intervals decide before any value is known.
double IntervalBoundingRadius(const TIntervalBox& Source);

// The camera distance the calculation writes for a new result set, in its
// bounding radii.
inline constexpr long double NewDistanceRadii = 1.5L;

// Whether a result set of this radius can be shown: the camera distance the
// calculation writes for it (NewDistanceRadii radii, the largest figure
// derived from the radius) must stay within 1.7E308, so that every field reads it back.
bool IsShowableRadius(double BoundingRadius);

struct TDistanceCorrection {
    bool Replace = false;
    double Distance = 0;  // the new distance when Replace
};

// The distance typed (DistanceValid false when the text did not parse) is kept
// when BoundingRadius < Distance < 1000 x BoundingRadius, and otherwise
// replaced by NewDistanceRadii x BoundingRadius.
TDistanceCorrection CorrectCameraDistance(double BoundingRadius, bool DistanceValid,
                                          double Distance);

}  // namespace MainUnit
