#include "MainUnit/Picture/DepthBuffer.h"

#include "Proc3D/ExtendedMath.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace MainUnit {

bool CreateDepthBuffer(int32_t Width, int32_t Height, TDepthBuffer& Buffer) noexcept
{
    Buffer = TDepthBuffer{};
    if (Width < 1 || Height < 1) return false;
    try {
        Buffer.Depths.assign(static_cast<size_t>(Width) * static_cast<size_t>(Height), 0.0f);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    Buffer.Width = Width;
    Buffer.Height = Height;
    return true;
}

void ClearDepthBuffer(TDepthBuffer& Buffer)
{
    std::fill(Buffer.Depths.begin(), Buffer.Depths.end(), 0.0f);
}

TDepthRange CalcDepthRange(const Proc3D::TPoint3D& Camera, const TResultSet& R)
{
    const double Xs[2] = {R.XIntervalFrom, R.XIntervalTo};
    const double Ys[2] = {R.YIntervalFrom, R.YIntervalTo};
    const double Zs[2] = {R.ZIntervalFrom, R.ZIntervalTo};
    TDepthRange Range;
    bool First = true;
    for (double X : Xs) {
        for (double Y : Ys) {
            for (double Z : Zs) {
                const long double D = Proc3D::DistanceBetween({X, Y, Z}, Camera);
                Range.Near = First ? D : std::min(Range.Near, D);
                Range.Far = First ? D : std::max(Range.Far, D);
                First = false;
            }
        }
    }
    const long double Spread = Range.Far - Range.Near;
    if (Spread > 0.0L) {
        Range.A = 205.0L / Spread;
        Range.B = Range.Near * 205.0L / Spread;
    }
    return Range;
}

uint8_t DepthFactor(const TDepthRange& Range, long double Distance)
{
    const long double F = Range.A * Distance - Range.B;
    if (!(F > 0.0L)) return 0;  // negative, or NaN from a distance that is not a number
    if (F > 255.0L) return 255;
    return static_cast<uint8_t>(F);  // truncates toward zero
}

}  // namespace MainUnit
