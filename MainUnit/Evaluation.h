// The evaluation loop of a calculation: Y = F(X, Z) for every point of the
// result set, through the expression unit's text path.
#pragma once

#include <cstdint>

#include "MainUnit/ResultSet.h"

namespace MainUnit {

// The longest blank-free expression, and the work buffer that receives a
// copy of it with up to ten parameter letters written out as numbers.
inline constexpr int32_t MaxBlankFreeLength = 255;
inline constexpr int32_t WorkBufferSize = 476;  // 255 + 10 * ParamTextGrowth + 1

// Smallest and largest defined Y of an evaluation; both 0 when no Y was defined.
struct TYRange {
  double Ymin = 0;
  double Ymax = 0;
  bool AnyDefined = false;
};

// Evaluates Expression (blank-free, well formed as a whole, at most 255
// characters) at X and Z of entries 0 .. PointCount - 1 and stores each result
// as that entry's Y: a value, or UndefinedValue. False, with nothing
// evaluated, for a longer text or a PointCount beyond Points.
bool EvaluatePoints(TResultSet& Results, const char* Expression, TYRange& Range);

}  // namespace MainUnit
