// Vector arithmetic of the projection engine, carried out in long double.
//
// A TPoint3D widens to a TExtendedVector by itself (that is exact); sums,
// differences, scalings, dot and cross products stay extended; and only
// Rounded() makes a TPoint3D again. So every place where a vector is rounded
// to double is written out in the formula, and the formulas give the same
// bits as the component-by-component arithmetic they stand for: each
// component is computed by the same operations in the same order.
//
// Shared by the plain functions of Proc3D, by the hoisted projection of the
// repaint and by the painter's depth, so that all of them compute the same bits.
#pragma once

#include "Proc3D/Proc3D.h"

#include <cmath>
#include <cstdint>

namespace Proc3D {

struct TExtendedVector {
    long double X = 0.0L;
    long double Y = 0.0L;
    long double Z = 0.0L;

    constexpr TExtendedVector() = default;
    constexpr TExtendedVector(long double VX, long double VY, long double VZ) : X(VX), Y(VY), Z(VZ)
    {
    }
    // Widening a stored vector loses nothing, so it needs no spelling out.
    constexpr TExtendedVector(const TPoint3D& A) : X(A.X), Y(A.Y), Z(A.Z) {}
};

// Each component rounded to double, to nearest.
inline TPoint3D Rounded(const TExtendedVector& A)
{
    return {static_cast<double>(A.X), static_cast<double>(A.Y), static_cast<double>(A.Z)};
}

inline TExtendedVector operator+(const TExtendedVector& A, const TExtendedVector& B)
{
    return {A.X + B.X, A.Y + B.Y, A.Z + B.Z};
}

inline TExtendedVector operator-(const TExtendedVector& A, const TExtendedVector& B)
{
    return {A.X - B.X, A.Y - B.Y, A.Z - B.Z};
}

inline TExtendedVector operator*(long double K, const TExtendedVector& A)
{
    return {K * A.X, K * A.Y, K * A.Z};
}

// A . B, summed in the order X, Y, Z.
inline long double Dot(const TExtendedVector& A, const TExtendedVector& B)
{
    return A.X * B.X + A.Y * B.Y + A.Z * B.Z;
}

inline TExtendedVector Cross(const TExtendedVector& A, const TExtendedVector& B)
{
    return {A.Y * B.Z - B.Y * A.Z, A.Z * B.X - B.Z * A.X, A.X * B.Y - B.X * A.Y};
}

inline long double Length(const TExtendedVector& A) { return std::sqrt(Dot(A, A)); }

// Euclidean length of A - B, without rounding the differences.
inline long double DistanceBetween(const TPoint3D& A, const TPoint3D& B) { return Length(A - B); }

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
