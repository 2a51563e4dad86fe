#include "MainUnit/PointStorage.h"

#include "Proc3D/Proc3D.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace MainUnit {

TGridPlan PlanGrid(int32_t Count, double XFrom, double XTo, double ZFrom, double ZTo)
{
    // Widths of ordered finite ends are >= 0, but may overflow a double.
    const double XWidth = static_cast<double>(static_cast<long double>(XTo) - XFrom);
    const double ZWidth = static_cast<double>(static_cast<long double>(ZTo) - ZFrom);
    TGridPlan Plan;
    Proc3D::CalcGridSize(Count, Plan.Cols, Plan.Rows, XWidth, ZWidth);
    const int64_t Entries = int64_t{Plan.Cols} * Plan.Rows;
    Plan.Ok = std::isfinite(XWidth) && std::isfinite(ZWidth) && Entries >= 1 &&
              Entries <= int64_t{INT32_MAX};
    return Plan;
}

bool ReservePoints(TResultSet& Results, const TGridPlan& Plan) noexcept
{
    if (!Plan.Ok) {
        ReleasePoints(Results);
        return false;
    }
    const int32_t Entries = Plan.Cols * Plan.Rows;  // checked to fit by PlanGrid
    Results.PointCount = Entries;
    if (Results.Points.size() == static_cast<size_t>(Entries)) return true;
    // The old entries are overwritten anyway; giving them back first keeps the
    // peak memory at the new size instead of old plus new.
    ReleasePoints(Results);
    try {
        Results.Points.resize(static_cast<size_t>(Entries));
    } catch (const std::bad_alloc&) {
        ReleasePoints(Results);
        return false;
    } catch (const std::length_error&) {
        ReleasePoints(Results);
        return false;
    }
    return true;
}

bool GridFitsMemory(const TGridPlan& Plan, uint64_t AvailableBytes)
{
    const uint64_t Needed = uint64_t(int64_t{Plan.Cols} * Plan.Rows) * sizeof(Proc3D::TPoint3D);
    return AvailableBytes == 0 || Needed <= AvailableBytes / 2;
}

}  // namespace MainUnit
