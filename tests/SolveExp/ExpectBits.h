// Exact comparison of doubles for the expression unit's tests: the reserved
// results and the arithmetic are defined to the bit.
#pragma once

#include "SolveExp/SolveExp.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace SolveExpTest {

inline std::string Describe(double v)
{
    if (std::bit_cast<uint64_t>(v) == std::bit_cast<uint64_t>(SolveExp::SyntaxErrorValue))
        return "SyntaxErrorValue";
    if (std::bit_cast<uint64_t>(v) == std::bit_cast<uint64_t>(SolveExp::UndefinedValue))
        return "UndefinedValue";
    char Text[64];
    std::snprintf(Text, sizeof Text, "%.17g (0x%016llx)", v,
                  static_cast<unsigned long long>(std::bit_cast<uint64_t>(v)));
    return Text;
}

// A double of uniformly random bits that is finite: every sign, exponent and
// subnormal is as likely as its share of the bit patterns.
template <class TRng> double RandomFiniteDouble(TRng& Rng)
{
    double v = 0;
    do {
        const uint64_t Bits = Rng();
        std::memcpy(&v, &Bits, sizeof v);
    } while (!std::isfinite(v));
    return v;
}

// Equal bits, printed readably on failure.
#define EXPECT_SAME_BITS(Actual, Expected)                                                         \
    EXPECT_EQ(SolveExpTest::Describe(Actual), SolveExpTest::Describe(Expected))

}  // namespace SolveExpTest
