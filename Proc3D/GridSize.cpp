// CalcGridSize: the nearly square sampling grid.
#include "Proc3D/Proc3D.h"

#include <cmath>
#include <cstdint>

namespace Proc3D {

namespace {

constexpr int32_t Int32Max = 2147483647;

// Ceiling of a non-negative value: integer part, plus 1 for a fraction. A
// value beyond the 32-bit range (or NaN) saturates instead of being converted.
int32_t CeilSaturated(long double Value)
{
    if (!(Value <= static_cast<long double>(Int32Max))) return Int32Max;
    if (!(Value > 0.0L)) return 0;
    const long double Whole = std::trunc(Value);
    return static_cast<int32_t>(Whole) + (Value > Whole ? 1 : 0);
}

}  // namespace

void CalcGridSize(int32_t Count, int32_t& Cols, int32_t& Rows, double XWidth, double ZWidth)
{
    XWidth = std::fabs(XWidth);
    ZWidth = std::fabs(ZWidth);
    if (Count <= 0) {
        Cols = 0;
        Rows = 0;
    } else if (XWidth == 0.0) {
        Cols = 1;
        Rows = Count;
    } else if (ZWidth == 0.0) {
        Cols = Count;
        Rows = 1;
    } else {
        // Cols : Rows follows XWidth : ZWidth and Cols * Rows >= Count. Rows comes
        // from the unrounded T, not from Cols. Extended range holds the ratio of
        // any two finite positive doubles times a 32-bit count.
        const long double T = std::sqrt(static_cast<long double>(Count) * XWidth / ZWidth);
        const long double U = Count / T;
        Cols = CeilSaturated(T);
        Rows = CeilSaturated(U);
    }
}

}  // namespace Proc3D
