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

// The distances whose depth entries the estimate decides: the normal float
// range below the clamp.
inline constexpr double DepthScreenLow = 1e-30, DepthScreenHigh = 3e38;
// The midpoint between two floats in the low bits of a double, and the
// margin kept from it and from the floats (see ScreenDepthEntry).
inline constexpr uint64_t EntryHalf = uint64_t{1} << 28, EntryMargin = uint64_t{1} << 13;
// The margin of a depth factor, relative to its magnitudes.
inline constexpr double FactorMargin = 0x1p-40;

struct TDepthScreen {
    double A = 0, B = 0;  // the coefficients of the depth factor, rounded to double
};

inline TDepthScreen MakeDepthScreen(const TDepthRange& Range)
{
    return {static_cast<double>(Range.A), static_cast<double>(Range.B)};
}

// The margins of the depth screens: of the entry in units of the distance's
// low bits, of the factor relative to its magnitudes, and the shortest
// distance decided.
struct TDepthMargins {
    uint64_t Entry = EntryMargin;
    double Factor = FactorMargin;
    double Shortest = DepthScreenLow;
};

// The margins for distances of sight lines folded from the point before the
// box's scale and shift (FoldSights in ScreenedProjection.h). Such a sight
// line differs from the place's own by at most 2^-53 of Norm1(Place) +
// Norm1(Shift - Camera) + Norm1(Dir), which is at most 2^-53 (2 Norm1(Dir) +
// FoldMagnitude) and so at most 2^-53 (2 sqrt(3) d + FoldMagnitude) for a
// distance d: for a distance of at least 2^-8 FoldMagnitude, less than
// 2^-44.9 d. Its distance moves by no more than that. Doubling both margins
// (2^14 units of the low bits, each at least 2^-53 of the value, and 2^-39 of
// the factor's magnitudes, of which A d is one) leaves the 2^-40 of the
// unfolded estimate for its own errors; shorter distances are taken exactly.
inline TDepthMargins FoldedDepthMargins(double FoldMagnitude)
{
    return {2 * EntryMargin, 2 * FactorMargin, std::fmax(DepthScreenLow, 0x1p-8 * FoldMagnitude)};
}

// The float nearest Distance, and whether the distance lies below it, when
// the double estimate leaves no doubt.
//
// For a double of the normal float range the rounding to float is decided
// by the low 29 bits of its significand: 0 is a float itself, 2^28 the
// midpoint to the next, below it the float is nearer and below the estimate,
// above it the float is the next one, above the estimate. One unit of those
// bits is at least 2^-53 of the value, so 2^13 units cover the margin of
// 2^-40 of the value that the estimate needs.
// Margin and Shortest are those of TDepthMargins.
inline bool ScreenDepthEntry(double Distance, float& Entry, bool& Below,
                             uint64_t Margin = EntryMargin, double Shortest = DepthScreenLow)
{
    if (!(Distance > Shortest && Distance < DepthScreenHigh))
        return false;  // subnormal floats and the clamp: exactly
    constexpr uint64_t Half = EntryHalf;
    const uint64_t Low = std::bit_cast<uint64_t>(Distance) & (2 * Half - 1);
    // Away from 0 (and 2 Half, the next float) and from the midpoint Half.
    if (Low - Margin > 2 * Half - 2 * Margin || Low - (Half - Margin) <= 2 * Margin) return false;
    Entry = static_cast<float>(Distance);
    Below = Low > Half;
    return true;
}

// Whether Fraction, the part of a value above its whole number (0 <= Fraction
// < 1), lies more than Margin away from both whole numbers: one comparison
// with the distance from the middle. Subtracting the half rounds by at most
// 2^-54, far below any margin here, so the test is as safe as two.
inline bool ClearOfWhole(double Fraction, double Margin)
{
    return std::fabs(Fraction - 0.5) < 0.5 - Margin;
}

// DepthFactor, when the double estimate leaves no doubt; Scale is the
// factor margin of TDepthMargins.
inline bool ScreenDepthFactor(const TDepthScreen& S, double Distance, uint8_t& Factor,
                              double Scale = FactorMargin)
{
    const double Product = S.A * Distance;
    const double F = Product - S.B;
    const double Margin = Scale * (std::fabs(Product) + std::fabs(S.B) + 1.0);
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
    if (!ClearOfWhole(F - Whole, Margin)) return false;
    Factor = static_cast<uint8_t>(Whole);
    return true;
}

// The margin of the largest estimate of a height index, taken for all: a
// larger margin only leaves more points to the exact path.
inline constexpr double HeightIndexMargin = 0x1p-40 * (Proc3D::TopRampStep + 1.0);

// HeightIndex of a Y inside the Y interval, when the double estimate leaves
// no doubt. Scale is the extended scale rounded to double.
inline bool ScreenHeightIndex(double Y, double YFrom, double Scale, uint32_t& Index)
{
    const double Estimate = (Y - YFrom) * Scale;
    constexpr double Margin = HeightIndexMargin;
    // The clamps and NaN are left to the exact path.
    if (!(Estimate > Margin && Estimate < static_cast<double>(Proc3D::TopRampStep))) return false;
    const int32_t Whole = static_cast<int32_t>(Estimate);
    if (!ClearOfWhole(Estimate - Whole, Margin)) return false;
    Index = static_cast<uint32_t>(Whole);
    return true;
}

}  // namespace MainUnit
