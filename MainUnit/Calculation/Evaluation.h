// The evaluation loop of a calculation: Y = F(X, Z) for every point of the
// result set. The fast loop compiles the expression once and rounds each
// distinct X and Z once; the text loop copies, substitutes and evaluates the
// text at every point. Both store the same bits.
#pragma once

#include "MainUnit/Calculation/ExpressionLimits.h"
#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Cores.h"

#include <cstdint>

namespace MainUnit {

// Smallest and largest defined Y of an evaluation; both 0 when no Y was defined.
struct TYRange {
    double Ymin = 0;
    double Ymax = 0;
    bool AnyDefined = false;
};

// Evaluates Expression (blank-free, well formed as a whole, at most 255
// characters) at X and Z of entries 0 .. PointCount - 1 and stores each result
// as that entry's Y: a value, or UndefinedValue. ZPeriod > 0 tells that the Z
// values repeat with that period (the Rows of a square grid), so that each is
// rounded once; it changes nothing but the speed, as do the Cores. False,
// with nothing evaluated, for a longer text or a PointCount beyond Points.
bool EvaluatePoints(TResultSet& Results, const char* Expression, TYRange& Range,
                    int32_t ZPeriod = 0, TCores Cores = TCores::Machine);

// The same results through the text path, point by point.
bool EvaluatePointsByText(TResultSet& Results, const char* Expression, TYRange& Range);

}  // namespace MainUnit
