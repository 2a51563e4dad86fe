// Literal conversion and parameter formatting through std::from_chars and
// std::to_chars, which never consult the locale.
#include "SolveExp/Internal/NumberConversion.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace SolveExp {
namespace {

const char* SkipDigits(const char* p, const char* Last)
{
    while (p != Last && IsDigit(*p))
        ++p;
    return p;
}

// Decimal order of magnitude of the mantissa First..Last-1 (which holds a
// non-zero digit) scaled by Exponent: within one of log10 of the value.
int64_t DecimalOrder(const char* First, const char* Last, int64_t Exponent)
{
    const char* p = First;
    while (p != Last && (*p == '0' || *p == '.'))
        ++p;  // p: the first non-zero digit
    int64_t Order = 0;
    const char* Point = First;
    while (Point != Last && *Point != '.')
        ++Point;
    if (p < Point)
        Order = Point - p;  // integer digits from the first significant one
    else
        Order = -(p - Point - 1);  // zeros between the point and that digit
    return Order + Exponent;
}

// Exponent digits, saturated far beyond any value that could convert.
int64_t ReadExponent(const char* p, const char* Last)
{
    bool Negative = false;
    if (p != Last && (*p == '+' || *p == '-')) Negative = *p++ == '-';
    int64_t e = 0;
    for (; p != Last; ++p)
        e = e < 1000000000 ? e * 10 + (*p - '0') : e;
    return Negative ? -e : e;
}

}  // namespace

bool ConvertLiteral(const char* First, const char* Last, long double& Value)
{
    const char* p = SkipDigits(First, Last);
    bool MantissaDigits = p != First;
    if (p != Last && *p == '.') {
        const char* Fraction = ++p;
        p = SkipDigits(p, Last);
        MantissaDigits = MantissaDigits || p != Fraction;
    } else if (p == First) {
        return false;  // neither a digit nor the point before the exponent
    }
    const char* MantissaEnd = p;
    bool ExponentDigits = false;
    if (p != Last && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != Last && (*p == '+' || *p == '-')) ++p;
        const char* Digits = p;
        p = SkipDigits(p, Last);
        ExponentDigits = p != Digits;
    }
    if (p != Last) return false;  // something left over: '1.2.3', '1e5e', '1e2.5'
    if (!MantissaDigits) {
        Value = 0.0L;  // a lone '.', with or without an exponent
        return true;
    }
    const char* End = ExponentDigits ? Last : MantissaEnd;  // '1e' is 1
    long double v = 0.0L;
    const auto Result = std::from_chars(First, End, v, std::chars_format::general);
    if (Result.ptr != End) return false;
    if (Result.ec == std::errc::result_out_of_range) {
        const int64_t e = ExponentDigits ? ReadExponent(MantissaEnd + 1, Last) : 0;
        if (DecimalOrder(First, MantissaEnd, e) > 0) return false;  // beyond the extended range
        v = 0.0L;  // an underflow: far below anything a double keeps
    } else if (Result.ec != std::errc()) {
        return false;
    }
    Value = v;
    return true;
}

int32_t WriteParamValue(char* Dest, double V)
{
    if (!std::isfinite(V)) return 0;
    // to_chars gives '-d.ddddddddddddde+dd' with at least two exponent digits.
    char Text[40];
    const auto Result =
        std::to_chars(Text, Text + sizeof Text, V, std::chars_format::scientific, 13);
    if (Result.ec != std::errc()) return 0;
    const char* e = Result.ptr - 1;
    while (e != Text && *e != 'e')
        --e;
    if (*e != 'e' || Result.ptr - e < 3) return 0;
    int32_t n = 0;
    for (const char* p = Text; p != e; ++p)
        Dest[n++] = *p;
    Dest[n++] = 'E';
    Dest[n++] = e[1];  // the exponent's sign
    const char* Digits = e + 2;
    const int32_t Count = static_cast<int32_t>(Result.ptr - Digits);
    for (int32_t Pad = Count; Pad < 3; ++Pad)
        Dest[n++] = '0';
    for (const char* p = Digits; p != Result.ptr; ++p)
        Dest[n++] = *p;
    return n;
}

}  // namespace SolveExp
