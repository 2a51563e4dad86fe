// The arithmetic shared by the text and the compiled evaluation, so that
// both give the same bits: every step in extended precision, rounded to
// double, with invalid operations, division by zero and overflow reported as
// failures. Checking the values keeps the floating-point state untouched.
#pragma once

#include "SolveExp/SolveExp.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace SolveExp {

// Rounding an exact result first to extended and then to double differs
// from rounding it to double once only when the extended value falls on a
// midpoint between two doubles. With the exact error Error of the double
// result R (R + Error is the exact result) that needs |Error| within half an
// extended spacing of half an ulp of R; below that, R is the answer and the
// slower extended operation is not needed. Zero, subnormal and infinite
// results (bound 0 or infinite, error 0, infinite or NaN) always fail the
// test and go the slow way.
inline bool DoubleRoundingSafe(double R, double Error)
{
    // 2^exponent(R), then half an ulp less 2^-10 of it.
    const double Binade = std::bit_cast<double>(std::bit_cast<uint64_t>(R) & 0x7FF0000000000000);
    return std::fabs(Error) < Binade * (0x1p-53 - 0x1p-63);
}

// The exact error a * b - p of the double product p once |p| >= 2^-1000
// (below, the error may not be representable). The fused multiply-add is
// one instruction where the processor has it (see InstructionSet.h)
// and exact, if slower, everywhere else.
inline double ProductError(double a, double b, double p) { return std::fma(a, b, -p); }

// One step of extended arithmetic: the sum, difference, product or quotient
// of two doubles formed in extended and rounded to double. A non-finite
// double means the rounding overflowed (the operands are always finite).
inline bool SumExtended(double a, double b, double& Result)
{
    Result = static_cast<double>(static_cast<long double>(a) + b);
    return std::isfinite(Result);
}

inline bool ProductExtended(double a, double b, double& Result)
{
    Result = static_cast<double>(static_cast<long double>(a) * b);
    return std::isfinite(Result);
}

inline bool Quotient(double a, double b, double& Result)
{
    if (b == 0.0) return false;  // x/0 and 0/0 alike
    Result = static_cast<double>(static_cast<long double>(a) / b);
    return std::isfinite(Result);
}

// The same results, mostly without extended arithmetic: the double
// operation and its exact error show when the double result already is the
// doubly rounded one.
// True when the double sum s = a + b is the doubly rounded extended sum and
// finite.
inline bool SumIsFinal(double a, double b, double s)
{
    // Exponents at most 10 apart (both operands normal): the exact sum has at
    // most 53 + 10 + 1 bits, so extended holds it and s is its one rounding.
    const uint64_t ExponentA = (std::bit_cast<uint64_t>(a) >> 52) & 0x7FF;
    const uint64_t ExponentB = (std::bit_cast<uint64_t>(b) >> 52) & 0x7FF;
    if (ExponentA - ExponentB + 10 <= 20 && ExponentA != 0 && ExponentB != 0 && std::isfinite(s))
        return true;
    const double bVirtual = s - a;  // TwoSum: s + Error is exactly a + b
    const double Error = (a - (s - bVirtual)) + (b - bVirtual);  // exact at every magnitude
    return DoubleRoundingSafe(s, Error);
}

// True when the double product p = a * b is the doubly rounded extended
// product and finite (an infinite p has a NaN error and fails the test).
inline bool ProductIsFinal(double a, double b, double p)
{
    return std::fabs(p) >= 0x1p-1000 && DoubleRoundingSafe(p, ProductError(a, b, p));
}

inline bool Sum(double a, double b, double& Result)
{
    const double s = a + b;
    if (SumIsFinal(a, b, s)) {
        Result = s;
        return true;
    }
    return SumExtended(a, b, Result);
}

inline bool Difference(double a, double b, double& Result) { return Sum(a, -b, Result); }

inline bool Product(double a, double b, double& Result)
{
    const double p = a * b;
    if (ProductIsFinal(a, b, p)) {
        Result = p;
        return true;
    }
    return ProductExtended(a, b, Result);
}

// Accumulator (op) Operand for a pending operator opAdd..opDivide.
inline bool ApplyOperator(uint16_t Op, double Accumulator, double Operand, double& Result)
{
    switch (Op) {
    case opAdd:
        return Sum(Accumulator, Operand, Result);
    case opSubtract:
        return Difference(Accumulator, Operand, Result);
    case opMultiply:
        return Product(Accumulator, Operand, Result);
    case opDivide:
        return Quotient(Accumulator, Operand, Result);
    default:
        return false;
    }
}

// The plain extended form of ApplyOperator, which it must always equal.
inline bool ApplyOperatorExtended(uint16_t Op, double Accumulator, double Operand, double& Result)
{
    switch (Op) {
    case opAdd:
        return SumExtended(Accumulator, Operand, Result);
    case opSubtract:
        return SumExtended(Accumulator, -Operand, Result);
    case opMultiply:
        return ProductExtended(Accumulator, Operand, Result);
    case opDivide:
        return Quotient(Accumulator, Operand, Result);
    default:
        return false;
    }
}

// Sine and cosine treat arguments of magnitude 2^63 and more as having lost
// every digit of their phase.
inline constexpr double TrigLimit = 0x1p63;

// The functions of the language. The library's double functions are within
// one ulp of the true value; domains and limits are checked on the argument
// or on the result.
inline bool ExpOf(double v, double& r)
{
    r = std::exp(v);
    return std::isfinite(r);
}  // overflow above ~709.78
inline bool SinOf(double v, double& r)
{
    r = std::fabs(v) >= TrigLimit ? 0.0 : std::sin(v);
    return true;
}
inline bool CosOf(double v, double& r)
{
    r = std::fabs(v) >= TrigLimit ? 0.0 : std::cos(v);
    return true;
}
inline bool LogeOf(double v, double& r)
{
    if (!(v > 0.0)) return false;
    r = std::log(v);
    return true;
}
inline bool FacOf(double v, double& r)
{
    r = Factorial(v);
    return r != -1.0;
}
inline bool ArcSinOf(double v, double& r)
{
    if (std::fabs(v) > 1.0) return false;
    r = std::asin(v);
    return true;
}
inline bool ArcCosOf(double v, double& r)
{
    if (std::fabs(v) > 1.0) return false;
    r = std::acos(v);
    return true;
}
inline bool AbsOf(double v, double& r)
{
    r = std::fabs(v);
    return true;
}
inline bool SqrtOf(double v, double& r)
{
    if (v < 0.0) return false;
    r = std::sqrt(v);  // sqrt(-0) is -0, no error
    return true;
}

// The functions of the tokens tkExp..tkSqrt, in token order.
using TFunction = bool (*)(double, double&);
inline constexpr TFunction Functions[] = {ExpOf,    SinOf,    CosOf, LogeOf, FacOf,
                                          ArcSinOf, ArcCosOf, AbsOf, SqrtOf};
static_assert(std::size(Functions) == tkSqrt - tkExp + 1);

// The function of token Code applied to V.
inline bool ApplyFunction(uint16_t Code, double V, double& Result)
{
    if (Code == tkBracket) {
        Result = V;
        return true;
    }
    return Code >= tkExp && Code <= tkSqrt && Functions[Code - tkExp](V, Result);
}

// A value that equals one of the reserved results ends the evaluation with it.
inline bool IsReserved(double V) { return V == SyntaxErrorValue || V == UndefinedValue; }

}  // namespace SolveExp
