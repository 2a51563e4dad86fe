// The colour index, the depth entry and the depth factor of a point from
// double-precision arithmetic, where that cannot differ from the extended
// precision of the exact rules; the caller computes them exactly everywhere
// else. The pictures are therefore those of the exact rules, bit for bit.
//
// Why they agree. The extended distance is within about 2^-63 of the true
// one relative, the double distance within about 2^-51; the factor A d - B
// and the index (Y - YFrom) Scale computed in double are within about 2^-50
// of the magnitudes involved of the extended ones. Rounding to the float
// entry and truncating give the same result unless the value lies that close
// to a float rounding boundary or to an integer (or to a clamp): the margins
// below are 2^-40 of the magnitudes, a thousand times that.
#pragma once

#include "MainUnit/Picture/DepthBuffer.h"
#include "Proc3D/Proc3D.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace MainUnit {

struct TDepthScreen {
    double A = 0, B = 0;  // the coefficients of the depth factor, rounded to double
};

inline TDepthScreen MakeDepthScreen(const TDepthRange& Range)
{
    return {static_cast<double>(Range.A), static_cast<double>(Range.B)};
}

// The float nearest Distance, and whether the distance lies below it, when
// the double estimate leaves no doubt.
inline bool ScreenDepthEntry(double Distance, float& Entry, bool& Below)
{
    if (!(Distance > 1e-30 && Distance < 3e38))
        return false;  // subnormal floats and the clamp: exactly
    const float Rounded = static_cast<float>(Distance);
    // Rounded is a positive normal float: its neighbours are one unit of its
    // bit pattern away, and the rounding boundaries are the midpoints to them.
    const uint32_t Bits = std::bit_cast<uint32_t>(Rounded);
    const double Lower = std::bit_cast<float>(Bits - 1), Higher = std::bit_cast<float>(Bits + 1);
    const double Margin = 0x1p-40 * Distance;
    const double FromRounded = Distance - Rounded;
    if (Distance - (Lower + Rounded) * 0.5 <= Margin ||
        (Rounded + Higher) * 0.5 - Distance <= Margin || std::fabs(FromRounded) <= Margin)
        return false;
    Entry = Rounded;
    Below = FromRounded < 0.0;
    return true;
}

// DepthFactor, when the double estimate leaves no doubt.
inline bool ScreenDepthFactor(const TDepthScreen& S, double Distance, uint8_t& Factor)
{
    const double Product = S.A * Distance;
    const double F = Product - S.B;
    const double Margin = 0x1p-40 * (std::fabs(Product) + std::fabs(S.B) + 1.0);
    if (!(Margin < 1e-3)) return false;  // also NaN and infinity
    if (F <= -Margin) {
        Factor = 0;
        return true;
    }
    if (F >= 255.0 + Margin) {
        Factor = 255;
        return true;
    }
    if (F <= Margin) return false;                  // at the clamp to 0
    const int32_t Whole = static_cast<int32_t>(F);  // 0 < F < 256: truncation is safe
    if (F - Whole <= Margin || Whole + 1.0 - F <= Margin) return false;
    Factor = static_cast<uint8_t>(Whole);
    return true;
}

// HeightIndex of a Y inside the Y interval, when the double estimate leaves
// no doubt. Scale is the extended scale rounded to double.
inline bool ScreenHeightIndex(double Y, double YFrom, double Scale, uint32_t& Index)
{
    const double Estimate = (Y - YFrom) * Scale;
    const double Margin = 0x1p-40 * (Estimate + 1.0);
    // The clamps and NaN are left to the exact path.
    if (!(Estimate > Margin && Estimate < static_cast<double>(Proc3D::TopRampStep))) return false;
    const int32_t Whole = static_cast<int32_t>(Estimate);
    if (Estimate - Whole <= Margin || Whole + 1.0 - Estimate <= Margin) return false;
    Index = static_cast<uint32_t>(Whole);
    return true;
}

}  // namespace MainUnit
