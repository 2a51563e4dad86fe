// The arithmetic shared by the text and the compiled evaluation, so that
// both give the same bits: every step in extended precision, rounded to
// double, with invalid operations, division by zero and overflow reported as
// failures. Checking the values keeps the floating-point state untouched.
#pragma once

#include "SolveExp.h"

#include <cmath>
#include <cstdint>

namespace SolveExp {

// Accumulator (op) Operand for a pending operator opAdd..opDivide. The sum,
// difference, product or quotient of two doubles is formed in extended and
// then rounded to double; a non-finite double means the rounding overflowed
// (the operands are always finite).
inline bool ApplyOperator(uint16_t Op, double Accumulator, double Operand, double& Result)
{
    const long double a = Accumulator;
    switch (Op) {
    case opAdd: Result = static_cast<double>(a + Operand); break;
    case opSubtract: Result = static_cast<double>(a - Operand); break;
    case opMultiply: Result = static_cast<double>(a * Operand); break;
    case opDivide:
        if (Operand == 0.0)
            return false;  // x/0 and 0/0 alike
        Result = static_cast<double>(a / Operand);
        break;
    default: return false;
    }
    return std::isfinite(Result);
}

// Sine and cosine treat arguments of magnitude 2^63 and more as having lost
// every digit of their phase.
inline constexpr double TrigLimit = 0x1p63;

// The function of token Code applied to V. The library's double functions
// are within one ulp of the true value; the domains and limits are checked
// on the argument or on the result.
inline bool ApplyFunction(uint16_t Code, double V, double& Result)
{
    switch (Code) {
    case tkBracket: Result = V; return true;
    case tkExp: Result = std::exp(V); return std::isfinite(Result);  // overflow above ~709.78
    case tkSin: Result = std::fabs(V) >= TrigLimit ? 0.0 : std::sin(V); return true;
    case tkCos: Result = std::fabs(V) >= TrigLimit ? 0.0 : std::cos(V); return true;
    case tkLoge:
        if (!(V > 0.0))
            return false;
        Result = std::log(V);
        return true;
    case tkFac: Result = Factorial(V); return Result != -1.0;
    case tkArcSin:
        if (std::fabs(V) > 1.0)
            return false;
        Result = std::asin(V);
        return true;
    case tkArcCos:
        if (std::fabs(V) > 1.0)
            return false;
        Result = std::acos(V);
        return true;
    case tkAbs: Result = std::fabs(V); return true;
    case tkSqrt:
        if (V < 0.0)
            return false;
        Result = std::sqrt(V);  // sqrt(-0) is -0, no error
        return true;
    default: return false;
    }
}

// A value that equals one of the reserved results ends the evaluation with it.
inline bool IsReserved(double V) { return V == SyntaxErrorValue || V == UndefinedValue; }

}  // namespace SolveExp
