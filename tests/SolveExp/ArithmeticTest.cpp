// The arithmetic shortcuts (one point, and four at a time in vector lanes)
// against plain extended arithmetic rounded to double, above all where the
// two roundings part: results next to a midpoint between two doubles.
#include "SolveExp/Internal/Arithmetic.h"

#include "ExpectBits.h"
#include "SolveExp/Internal/BatchArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {
using namespace SolveExp;
using U128 = unsigned __int128;

void ExpectSameAsExtended(uint16_t Op, double a, double b, int& Mismatches)
{
    double Fast = 0, Slow = 0;
    const bool FastOk = ApplyOperator(Op, a, b, Fast);
    const bool SlowOk = ApplyOperatorExtended(Op, a, b, Slow);
    if (FastOk != SlowOk ||
        (SlowOk && std::bit_cast<uint64_t>(Fast) != std::bit_cast<uint64_t>(Slow))) {
        if (++Mismatches <= 5)
            ADD_FAILURE() << "op " << Op << ": " << SolveExpTest::Describe(a) << ", "
                          << SolveExpTest::Describe(b) << " gives " << SolveExpTest::Describe(Fast)
                          << " instead of " << SolveExpTest::Describe(Slow);
    }
}

// The batch form on five points (four in vector lanes, one after them): the
// pair under test at place Place, ordinary operands elsewhere. A batch taken
// plainly must hold the extended results; a refused one must be untouched.
void ExpectBatchSameAsExtended(uint16_t Op, double a, double b, int Place, std::mt19937_64& Rng,
                               int& Mismatches)
{
    constexpr int Count = 5;
    std::uniform_real_distribution<double> Ordinary(-3.0, 3.0);
    double Left[Count], Right[Count], Before[Count];
    for (int i = 0; i < Count; ++i) {
        Before[i] = Left[i] = i == Place ? a : Ordinary(Rng);
        Right[i] = i == Place ? b : Ordinary(Rng);
    }
    using Batch::TKind;
    const bool Plain = Op == opAdd        ? Batch::TryPlain<TKind::Add, 8>(Left, Right, Count)
                       : Op == opSubtract ? Batch::TryPlain<TKind::Subtract, 8>(Left, Right, Count)
                                          : Batch::TryPlain<TKind::Multiply, 8>(Left, Right, Count);
    for (int i = 0; i < Count; ++i) {
        double Expected = Before[i];
        const bool Ok = !Plain || ApplyOperatorExtended(Op, Before[i], Right[i], Expected);
        if (!Ok || std::bit_cast<uint64_t>(Left[i]) != std::bit_cast<uint64_t>(Expected)) {
            if (++Mismatches <= 5)
                ADD_FAILURE() << "batch op " << Op << (Plain ? " taken plainly" : " refused")
                              << ": " << SolveExpTest::Describe(Before[i]) << ", "
                              << SolveExpTest::Describe(Right[i]) << " gives "
                              << SolveExpTest::Describe(Left[i]) << " instead of "
                              << SolveExpTest::Describe(Expected);
        }
    }
}

uint64_t InverseMod2To64(uint64_t a)  // a odd; Newton's iteration doubles the bits
{
    uint64_t x = a;
    for (int i = 0; i < 6; ++i)
        x *= 2 - a * x;
    return x;
}

// Mantissas whose 105-bit product lies near a midpoint between two doubles:
// the 52 discarded bits are 2^51 + Offset.
bool MidpointProduct(std::mt19937_64& Rng, uint64_t& A, uint64_t& B)
{
    A = (Rng() | 1 | (uint64_t{1} << 52)) & ((uint64_t{1} << 53) - 1);
    const int64_t Offset = static_cast<int64_t>(Rng() % (uint64_t{1} << 44)) - (int64_t{1} << 43);
    const uint64_t Target = (uint64_t{1} << 51) + static_cast<uint64_t>(Offset);
    const uint64_t Mask = (uint64_t{1} << 52) - 1;
    B = ((Target * InverseMod2To64(A)) & Mask) | (uint64_t{1} << 52);
    const U128 P = U128{A} * B;
    return (P >> 105) == 0 && (P >> 104) != 0;  // 105 bits: 52 of them discarded
}

TEST(Arithmetic, ProductsNearMidpoints)
{
    std::mt19937_64 Rng(3);
    int Mismatches = 0, Accepted = 0;
    for (int i = 0; i < 400000; ++i) {
        uint64_t A = 0, B = 0;
        if (!MidpointProduct(Rng, A, B)) continue;
        ++Accepted;
        const int ea = static_cast<int>(Rng() % 1000) - 500 - 52;
        const int eb = static_cast<int>(Rng() % 1200) - 600 - 52;  // some products leave the range
        const double a = std::ldexp(static_cast<double>(A), ea) * (Rng() % 2 ? -1 : 1);
        const double b = std::ldexp(static_cast<double>(B), eb) * (Rng() % 2 ? -1 : 1);
        ExpectSameAsExtended(opMultiply, a, b, Mismatches);
        ExpectBatchSameAsExtended(opMultiply, a, b, i % 5, Rng, Mismatches);
    }
    EXPECT_GT(Accepted, 100000);
    EXPECT_EQ(Mismatches, 0);
}

TEST(Arithmetic, SumsNearMidpoints)
{
    std::mt19937_64 Rng(5);
    int Mismatches = 0;
    for (int i = 0; i < 400000; ++i) {
        const double a = std::ldexp(1.0 + static_cast<double>(Rng() >> 12) * 0x1p-52,
                                    static_cast<int>(Rng() % 2100) - 1070);
        // Half an ulp of a, give or take a few extended spacings.
        const double Ulp = std::nextafter(a, INFINITY) - a;
        const double Offset = static_cast<double>(static_cast<int>(Rng() % 17) - 8) * 0x1p-13;
        const double b = Ulp * (0.5 + Offset) * (Rng() % 2 ? -1 : 1);
        ExpectSameAsExtended(opAdd, a, b, Mismatches);
        ExpectSameAsExtended(opSubtract, a, b, Mismatches);
        ExpectSameAsExtended(opAdd, -a, b, Mismatches);
        ExpectBatchSameAsExtended(opAdd, a, b, i % 5, Rng, Mismatches);
        ExpectBatchSameAsExtended(opSubtract, a, b, (i + 2) % 5, Rng, Mismatches);
    }
    EXPECT_EQ(Mismatches, 0);
    // The classic case: 1 + (2^-53 + 2^-70) rounds to 1 + 2^-53 in extended,
    // then to even, where one rounding gives 1 + 2^-52.
    double r = 0;
    ASSERT_TRUE(ApplyOperator(opAdd, 1.0, 0x1p-53 + 0x1p-70, r));
    EXPECT_SAME_BITS(r, 1.0);
}

TEST(Arithmetic, RandomOperandsAndLimits)
{
    std::mt19937_64 Rng(11);
    const auto AnyFinite = [&Rng] { return SolveExpTest::RandomFiniteDouble(Rng); };
    int Mismatches = 0;
    for (int i = 0; i < 300000; ++i) {
        const double a = AnyFinite();
        const double b = i % 3 == 0 ? AnyFinite()
                                    : a * std::ldexp(1.0 + static_cast<double>(Rng() % 1000) * 1e-3,
                                                     static_cast<int>(Rng() % 120) - 60);
        for (uint16_t Op = opAdd; Op <= opDivide; ++Op)
            ExpectSameAsExtended(Op, a, b, Mismatches);
        for (uint16_t Op = opAdd; Op <= opMultiply; ++Op)
            ExpectBatchSameAsExtended(Op, a, b, i % 5, Rng, Mismatches);
    }
    const double Max = std::numeric_limits<double>::max();
    const double Edge[][2] = {{Max, Max},
                              {Max, -Max},
                              {Max, 1.0000000000000002},
                              {0x1p-537, 0x1p-537},
                              {0x1p-1074, 0.5},
                              {0x1p-1074, 1.5},
                              {0.0, -0.0},
                              {-0.0, -0.0},
                              {1e308, 10},
                              {0x1.fffffffffffffp1023, 0x1p-53},
                              {3, 0},
                              {0, 0}};
    for (const auto& e : Edge)
        for (uint16_t Op = opAdd; Op <= opDivide; ++Op) {
            ExpectSameAsExtended(Op, e[0], e[1], Mismatches);
            for (int Place = 0; Place < 5 && Op != opDivide; ++Place)
                ExpectBatchSameAsExtended(Op, e[0], e[1], Place, Rng, Mismatches);
        }
    EXPECT_EQ(Mismatches, 0);
}

// Where no rounding is near a midpoint the batch must take the plain
// operation, or the vector form buys nothing: exact products of short
// mantissas, and sums of operands of like size.
TEST(BatchArithmetic, OrdinaryBatchesTakenPlainly)
{
    std::mt19937_64 Rng(13);
    constexpr int Count = 61;  // fifteen vectors and a tail
    for (int Round = 0; Round < 100; ++Round) {
        double Short[2][Count], Alike[2][Count];
        for (int Side = 0; Side < 2; ++Side)
            for (int i = 0; i < Count; ++i) {
                Short[Side][i] = std::ldexp(static_cast<double>(Rng() % (1u << 20)) + 1,
                                            static_cast<int>(Rng() % 40) - 20);
                Alike[Side][i] = std::ldexp(1.0 + static_cast<double>(Rng() >> 12) * 0x1p-52,
                                            static_cast<int>(Rng() % 6));
                if (Rng() % 2) Alike[Side][i] = -Alike[Side][i];
            }
        using Batch::TKind;
        EXPECT_TRUE((Batch::TryPlain<TKind::Multiply, 64>(Short[0], Short[1], Count)));
        EXPECT_TRUE((Batch::TryPlain<TKind::Add, 64>(Alike[0], Alike[1], Count)));
        EXPECT_TRUE((Batch::TryPlain<TKind::Subtract, 64>(Alike[0], Alike[1], Count)));
    }
}

}  // namespace
