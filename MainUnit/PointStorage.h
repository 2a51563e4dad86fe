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

// Whether the grid's points fit half of AvailableBytes (0: unknown, always
// fits). A grid the system has no free memory for is refused before it is
// reserved: the reservation would be granted on credit, and filling it would
// get the program killed instead of reported. The other half is left to the
// rest of the system, which may claim it while the grid is filled.
bool GridFitsMemory(const TGridPlan& Plan, uint64_t AvailableBytes);

}  // namespace MainUnit
