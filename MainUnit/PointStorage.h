// Sizing of a calculation: the grid for the requested count, and the one
// large allocation of the result set. Failures come back as values.
#pragma once

#include "MainUnit/ResultSet.h"

#include <cstdint>

namespace MainUnit {

struct TGridPlan {
    bool Ok = false;  // false: the grid cannot be held (the caller reports the memory failure)
    int32_t Cols = 0;
    int32_t Rows = 0;
};

// CalcGridSize for Count points over the ordered intervals. Not Ok when a
// width overflows to infinity, or Cols x Rows is 0 or beyond the 32-bit range.
TGridPlan PlanGrid(int32_t Count, double XFrom, double XTo, double ZFrom, double ZTo);

// Sets PointCount to Cols x Rows and resizes Points to as many entries.
// False when Plan is not Ok or the memory is refused; Points is then empty
// and its old memory released.
bool ReservePoints(TResultSet& Results, const TGridPlan& Plan) noexcept;

}  // namespace MainUnit
