// Inline helpers of the projection engine: vector arithmetic carried out in
// long double and rounded to double where a vector is stored, and the
// rounding of a pixel offset. Shared by the plain functions of Proc3D and by
// the hoisted projection of the repaint, so that both compute the same bits.
#pragma once

#include "Proc3D.h"

#include <cmath>
#include <cstdint>

namespace Proc3D {

// A . B, summed in the order X, Y, Z in extended precision.
inline long double Dot(const TPoint3D& A, const TPoint3D& B)
{
    return static_cast<long double>(A.X) * B.X + static_cast<long double>(A.Y) * B.Y +
           static_cast<long double>(A.Z) * B.Z;
}

// A - B component by component, each difference rounded to double.
inline TPoint3D Subtract(const TPoint3D& A, const TPoint3D& B)
{
    return {static_cast<double>(static_cast<long double>(A.X) - B.X),
            static_cast<double>(static_cast<long double>(A.Y) - B.Y),
            static_cast<double>(static_cast<long double>(A.Z) - B.Z)};
}

// Euclidean length of A - B, without rounding the differences.
inline long double DistanceBetween(const TPoint3D& A, const TPoint3D& B)
{
    const long double DX = static_cast<long double>(A.X) - B.X;
    const long double DY = static_cast<long double>(A.Y) - B.Y;
    const long double DZ = static_cast<long double>(A.Z) - B.Z;
    return std::sqrt(DX * DX + DY * DY + DZ * DZ);
}

// Round a pixel offset 0 <= Value <= 2147483647 to the nearest integer, ties
// to even. Adding 2^52 pushes the fraction out of the double's significand,
// and the addition itself rounds to nearest even; subtracting it back is
// exact. Callers have checked the range, so the conversion is exact too.
inline int32_t RoundOffset(double Value)
{
    constexpr double Shift = 4503599627370496.0;  // 2^52
    const double Shifted = Value + Shift;
    return static_cast<int32_t>(Shifted - Shift);
}

}  // namespace Proc3D
