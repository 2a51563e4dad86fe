// RoundParameter: the value a parameter takes after it has been written with
// 14 significant digits and read back, without the text in between where
// exact integer arithmetic can do it.
#include "SolveExp/CompiledExpression.h"
#include "SolveExp/Internal/Arithmetic.h"
#include "SolveExp/Internal/NumberConversion.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace SolveExp {
namespace {

using U128 = unsigned __int128;

constexpr uint64_t Pow5(int n) { return n == 0 ? 1 : 5 * Pow5(n - 1); }
constexpr uint64_t Ten13 = 10000000000000;
constexpr uint64_t Ten14 = 100000000000000;

// 10^j, exact in extended for j <= 27 (5^27 < 2^64).
constexpr long double Pow10L(int j) { return j == 0 ? 1.0L : 10.0L * Pow10L(j - 1); }
constexpr int MaxExactPow10 = 27;
constexpr long double Pow10Table[MaxExactPow10 + 1] = {
    Pow10L(0),  Pow10L(1),  Pow10L(2),  Pow10L(3),  Pow10L(4),  Pow10L(5),  Pow10L(6),
    Pow10L(7),  Pow10L(8),  Pow10L(9),  Pow10L(10), Pow10L(11), Pow10L(12), Pow10L(13),
    Pow10L(14), Pow10L(15), Pow10L(16), Pow10L(17), Pow10L(18), Pow10L(19), Pow10L(20),
    Pow10L(21), Pow10L(22), Pow10L(23), Pow10L(24), Pow10L(25), Pow10L(26), Pow10L(27)};

// a * 10^k as the exact fraction Num / (Odd * 2^Shift), a = M * 2^E with
// M < 2^53. False when the numbers would not fit 128 bits.
bool ScaledFraction(uint64_t M, int E, int k, U128& Num, uint64_t& Odd, int& Shift)
{
    if (k > 32 || k < -MaxExactPow10) return false;  // 5^32 * 2^53 < 2^128; 5^27 < 2^63
    Num = k >= 0 ? U128{M} * Pow5(k) : U128{M};
    Odd = k >= 0 ? 1 : Pow5(-k);
    Shift = 0;
    const int P = E + k;  // the power of two left over
    if (P >= 0) {
        if (P >= 128 || (Num >> (127 - P)) != 0) return false;
        Num <<= P;
    } else {
        Shift = -P;
        if (Shift > (Odd == 1 ? 126 : 64))
            return false;  // keeps Odd * 2^Shift below 2^127 (Odd < 2^63)
    }
    return true;
}

// Quotient and remainder of Num / (Odd * 2^Shift); a shift alone in the
// common case of a power of two.
void DivideScaled(U128 Num, uint64_t Odd, int Shift, U128& Quotient, U128& Remainder, U128& Divisor)
{
    Divisor = U128{Odd} << Shift;
    if (Odd == 1) {
        Quotient = Num >> Shift;
        Remainder = Num & (Divisor - 1);
    } else {
        Quotient = Num / Divisor;
        Remainder = Num - Quotient * Divisor;
    }
}

// The 14 significant digits Q (10^13 <= Q <= 10^14 - 1) and decimal exponent
// of a normal a > 0, rounded to nearest with ties to even as number
// formatting does.
bool RoundTo14Digits(double a, uint64_t& Q, int& Exponent10)
{
    const uint64_t Bits = std::bit_cast<uint64_t>(a);
    const int Field = static_cast<int>(Bits >> 52);  // a > 0: no sign bit
    if (Field == 0) return false;  // subnormal: far outside the range handled here
    const uint64_t M = (Bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int E = Field - 1075;  // a = M * 2^E, 2^52 <= M < 2^53
    // About floor(log10(a)): floor((E + 52) * log10(2)) with log10(2) taken
    // as 78913 / 2^18; the loop corrects an estimate one off either way.
    int e10 = ((E + 52) * 78913) >> 18;
    for (int Attempt = 0; Attempt < 3; ++Attempt) {
        U128 Num = 0, q = 0, r = 0, Divisor = 1;
        uint64_t Odd = 1;
        int Shift = 0;
        if (!ScaledFraction(M, E, 13 - e10, Num, Odd, Shift)) return false;
        DivideScaled(Num, Odd, Shift, q, r, Divisor);
        if (q < Ten13) {
            --e10;
            continue;
        }  // the estimate was one too high
        if (q >= Ten14) {
            ++e10;
            continue;
        }  // one too low
        if (r > Divisor - r || (r == Divisor - r && (q & 1) != 0)) ++q;
        if (q == Ten14) {  // 99999999999999.5 and the like carry into a new digit
            q = Ten13;
            ++e10;
        }
        Q = static_cast<uint64_t>(q);
        Exponent10 = e10;
        return true;
    }
    return false;
}

// The literal of a > 0 read back in extended: Q * 10^(e10 - 13) with one
// rounding, since Q and the power of ten are exact in extended.
bool ReadBack(double a, long double& Value)
{
    uint64_t Q = 0;
    int e10 = 0;
    if (!RoundTo14Digits(a, Q, e10)) return false;
    const int j = e10 - 13;
    if (j > MaxExactPow10 || j < -MaxExactPow10) return false;
    const long double q = static_cast<long double>(Q);
    Value = j >= 0 ? q * Pow10Table[j] : q / Pow10Table[-j];
    return true;
}

// The same through the text itself, for the magnitudes the fast way leaves.
bool ReadBackAsText(double a, long double& Value)
{
    char Text[MaxParamValueChars];
    const int32_t n = WriteParamValue(Text, a);
    return n > 0 && ConvertLiteral(Text, Text + n, Value);
}

}  // namespace

TParamValue RoundParameter(double V)
{
    TParamValue Result;
    Result.Raw = V;
    if (!std::isfinite(V)) {
        Result.Finite = false;
        return Result;
    }
    const double a = std::fabs(V);
    long double Literal = 0.0L;
    if (a != 0.0 && !ReadBack(a, Literal) && !ReadBackAsText(a, Literal)) {
        Result.Finite = false;  // cannot happen for a finite value; the text path decides
        return Result;
    }
    if (!(Literal < MaxNumberMagnitude)) {
        Result.Stops = true;
        Result.Value = UndefinedValue;
        return Result;
    }
    const double d = static_cast<double>(Literal);
    // The bracketed text is '(d)' or '(-d)': 0 + d or 0 - d, never -0.
    Result.Value = std::signbit(V) ? 0.0 - d : 0.0 + d;
    Result.Stops = IsReserved(Result.Value);
    return Result;
}

}  // namespace SolveExp
