// Sums, differences and products of a whole batch, four points at a time in
// vector registers: the plain double operation, kept only when a test
// without branches shows that at every point it already is the doubly
// rounded extended result (see Arithmetic.h). The test may refuse more than
// the scalar one does; a refused batch goes point by point through the full
// operation, so the bits never depend on which way was taken.
#pragma once

#include "SolveExp/Internal/Arithmetic.h"

#include <cstdint>
#include <cstring>

namespace SolveExp::Batch {

// GCC and Clang vector extensions: plain C++ expressions on four lanes,
// compiled to whatever vector instructions the target has. Everything here
// is inlined into the interpreter, whose copy for processors with fused
// multiply-add also has 256-bit vectors; the baseline copy splits or
// unrolls the lanes, slower but the same bits.
using TLanes = double __attribute__((vector_size(32)));
using TMask = int64_t __attribute__((vector_size(32)));

constexpr int LaneCount = 4;
constexpr int64_t ExponentBits = 0x7FF0000000000000;

[[gnu::always_inline]] inline TLanes Load(const double* From)
{
    TLanes V;
    std::memcpy(&V, From, sizeof V);
    return V;
}

[[gnu::always_inline]] inline void Store(double* Into, TLanes V)
{
    std::memcpy(Into, &V, sizeof V);
}

[[gnu::always_inline]] inline TLanes Splat(double V) { return TLanes{V, V, V, V}; }

[[gnu::always_inline]] inline TLanes Abs(TLanes V)
{
    return reinterpret_cast<TLanes>(reinterpret_cast<TMask>(V) & (TMask{} + INT64_MAX));
}

// 2^exponent of every lane; 0 for zero and subnormal lanes.
[[gnu::always_inline]] inline TLanes Binade(TLanes V)
{
    return reinterpret_cast<TLanes>(reinterpret_cast<TMask>(V) & (TMask{} + ExponentBits));
}

// The lanes where R is final given its exact error (DoubleRoundingSafe).
[[gnu::always_inline]] inline TMask RoundingSafe(TLanes R, TLanes Error)
{
    return Abs(Error) < Binade(R) * Splat(0x1p-53 - 0x1p-63);
}

// The lanes where s = a + b is final and finite: either both operands are
// normal with exponents at most 10 apart (the exact sum fits in extended),
// or the TwoSum error shows that no midpoint is near.
[[gnu::always_inline]] inline TMask SumFinal(TLanes a, TLanes b, TLanes s)
{
    const TLanes BinadeA = Binade(a), BinadeB = Binade(b);
    const TMask Close = (BinadeA <= BinadeB * Splat(0x1p10)) &
                        (BinadeB <= BinadeA * Splat(0x1p10)) & (BinadeA != Splat(0.0)) &
                        (BinadeB != Splat(0.0)) & (Abs(s) <= Splat(1.7976931348623157e308));
    const TLanes bVirtual = s - a;
    const TLanes Error = (a - (s - bVirtual)) + (b - bVirtual);
    return Close | RoundingSafe(s, Error);
}

// The lanes where p = a * b is final and finite. The exact error comes from
// Dekker's product (no fused multiply-add needed), which is exact when the
// splitting cannot overflow and the partial products cannot underflow:
// operands below 2^995 and a product of at least 2^-960. Other lanes are
// refused.
[[gnu::always_inline]] inline TMask ProductFinal(TLanes a, TLanes b, TLanes p)
{
    const TLanes Split = Splat(0x1p27 + 1);  // a = High + Low, each of 26 bits or fewer
    const TLanes ta = Split * a, tb = Split * b;
    const TLanes aHigh = ta - (ta - a), aLow = a - aHigh;
    const TLanes bHigh = tb - (tb - b), bLow = b - bHigh;
    const TLanes Error = ((aHigh * bHigh - p) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
    const TMask InRange =
        (Abs(a) <= Splat(0x1p995)) & (Abs(b) <= Splat(0x1p995)) & (Abs(p) >= Splat(0x1p-960));
    return InRange & RoundingSafe(p, Error);
}

enum class TKind { Add, Subtract, Multiply };

// The plain double operation, on lanes or on one value.
template <TKind Kind, typename T> [[gnu::always_inline]] inline T Plain(T a, T b)
{
    if constexpr (Kind == TKind::Add)
        return a + b;
    else if constexpr (Kind == TKind::Subtract)
        return a - b;
    else
        return a * b;
}

template <TKind Kind> [[gnu::always_inline]] inline TMask Final(TLanes a, TLanes b, TLanes r)
{
    if constexpr (Kind == TKind::Multiply)
        return ProductFinal(a, b, r);
    else if constexpr (Kind == TKind::Subtract)
        return SumFinal(a, -b, r);  // a - b is a + (-b), bit for bit
    else
        return SumFinal(a, b, r);
}

template <TKind Kind> [[gnu::always_inline]] inline bool ScalarFinal(double a, double b, double r)
{
    if constexpr (Kind == TKind::Multiply)
        return ProductIsFinal(a, b, r);
    else if constexpr (Kind == TKind::Subtract)
        return SumIsFinal(a, -b, r);
    else
        return SumIsFinal(a, b, r);
}

// True when Test holds for some value of Values[0..Count): Test takes a
// TLanes (giving a TMask) as well as a double (giving a bool), as a generic
// lambda with comparisons does.
template <typename TTest>
[[gnu::always_inline]] inline bool AnyLane(const double* Values, int Count, TTest Test)
{
    TMask Hit{};
    int i = 0;
    for (; i + LaneCount <= Count; i += LaneCount)
        Hit |= Test(Load(Values + i));
    bool Any = (Hit[0] | Hit[1] | Hit[2] | Hit[3]) != 0;
    for (; i < Count; ++i)
        Any |= Test(Values[i]);
    return Any;
}

// Values[i] = |Values[i]| for i < Count.
[[gnu::always_inline]] inline void AbsAll(double* Values, int Count)
{
    int i = 0;
    for (; i + LaneCount <= Count; i += LaneCount)
        Store(Values + i, Abs(Load(Values + i)));
    for (; i < Count; ++i)
        Values[i] = std::fabs(Values[i]);
}

// Left[i] = Left[i] (op) Right[i] for i < Count (at most Capacity, a
// multiple of four) when the plain operation is final at every point; false,
// with Left untouched, otherwise.
template <TKind Kind, int Capacity>
[[gnu::always_inline]] inline bool TryPlain(double* Left, const double* Right, int Count)
{
    double Result[Capacity];
    TMask Refused{};
    int i = 0;
    for (; i + LaneCount <= Count; i += LaneCount) {
        const TLanes a = Load(Left + i), b = Load(Right + i), r = Plain<Kind>(a, b);
        Refused |= ~Final<Kind>(a, b, r);
        Store(Result + i, r);
    }
    bool AllFinal = !(Refused[0] | Refused[1] | Refused[2] | Refused[3]);
    for (; i < Count; ++i) {
        Result[i] = Plain<Kind>(Left[i], Right[i]);
        AllFinal &= ScalarFinal<Kind>(Left[i], Right[i], Result[i]);
    }
    if (AllFinal) std::memcpy(Left, Result, sizeof(double) * static_cast<size_t>(Count));
    return AllFinal;
}

}  // namespace SolveExp::Batch
