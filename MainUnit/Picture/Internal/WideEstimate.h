// The screened estimate of four consecutive points at once in AVX2 vectors:
// which are kept, their pixels, height indexes, depth entries and depth
// factors, each lane computed operation for operation as the scalar steps
// compute it (the same roundings in the same order, and no fused
// multiply-add, so every lane has the scalar bits). A lane is Drawn when the
// estimate decides it and it lands in the picture, Unsure when any step would
// leave it to the exact rules (the caller runs the scalar steps for it),
// and neither when it is skipped. The tests of the scalar steps become masks;
// a lane whose sight line lies beyond the view's margin is Unsure.
#pragma once

#if defined(__GNUC__) && defined(__x86_64__)

#include "MainUnit/Picture/Internal/GraphPaintHalves.h"
#include "MainUnit/Picture/Internal/PaintContext.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/ScreenedShading.h"
#include "Proc3D/Proc3D.h"
#include "SolveExp/SolveExp.h"

#include <bit>
#include <cstdint>
#include <immintrin.h>

namespace MainUnit {

// How a lane's sight line is made from its point: from its place (Plain),
// from its place mapped into the box (Mapped), or folded from the point
// with the box's scale and shift (Folded, ScreenSight<true>).
enum class TSight { Plain, Mapped, Folded };

// Four lanes' results; the bits of Drawn, Unsure, Undefined and Below are
// lane 0 in bit 0 on.
struct TWideBlock {
    int32_t X[4], Y[4], Index[4], Factor[4];
    float Depth[4];
    unsigned Drawn, Unsure, Undefined, Below;
};

// What the estimate takes from the view, one double per lane.
struct TWideView {
    // The sight line: P - Camera (Plain), P Scale + Shift - Camera (Mapped)
    // or P Scale + Shift (Folded); UndefinedSightY that of an undefined point.
    __m256d Scale[3], Shift[3], Camera[3], UndefinedSightY;
    __m256d YFrom, YTo, ShowUndefined;  // ShowUndefined: all bits or none
    __m256d Normal[3], CutNumerator, Side[3], Up[3], Horizontal[2], RightSign;
    __m256d RatioLimit, InverseLimit, Margin, ReachX, ReachY;
    __m256d HalfWidth, HalfHeight, Width, Height;
    __m256d HeightScale, DepthA, DepthB, FactorMargin, Shortest;
    __m256i EntryMargin;
};

[[gnu::target("avx2")]] inline __m256d Broadcast(double Value) { return _mm256_set1_pd(Value); }

[[gnu::target("avx2")]] inline __m256i Every(uint64_t Value)
{
    return _mm256_set1_epi64x(static_cast<int64_t>(Value));
}

// The sight line of an undefined point, as the scalar steps make it.
template <TSight Sight> double UndefinedSight(const TPaintJob& Job)
{
    const double CameraY = Job.Context.Screen.Camera.Y;
    if constexpr (Sight == TSight::Plain) return 0.0 - CameraY;
    if constexpr (Sight == TSight::Mapped) return Job.Style.Box->UndefinedY - CameraY;
    return Job.Context.UndefinedSightY;
}

// The constants every estimate takes from the screen: the sight lines'
// scale K and shift O (see TWideView), the kept points' Y interval and the
// picture's estimate.
// The point painter adds its shading's constants; the surface needs none.
[[gnu::target("avx2")]] inline TWideView
MakeWideScreenView(const Proc3D::TScreen& S, const Proc3D::TPoint3D& K, const Proc3D::TPoint3D& O,
                   double UndefinedSightY, const TResultSet& Results, bool ShowUndefined)
{
    TWideView W{};
    const double Scales[3] = {K.X, K.Y, K.Z}, Shifts[3] = {O.X, O.Y, O.Z};
    const double Camera[3] = {S.Camera.X, S.Camera.Y, S.Camera.Z};
    const double Normal[3] = {S.Normal.X, S.Normal.Y, S.Normal.Z};
    const double Side[3] = {S.Side.X, S.Side.Y, S.Side.Z};
    const double Up[3] = {S.UpUnit.X, S.UpUnit.Y, S.UpUnit.Z};
    for (int A = 0; A < 3; ++A) {
        W.Scale[A] = Broadcast(Scales[A]);
        W.Shift[A] = Broadcast(Shifts[A]);
        W.Camera[A] = Broadcast(Camera[A]);
        W.Normal[A] = Broadcast(Normal[A]);
        W.Side[A] = Broadcast(Side[A]);
        W.Up[A] = Broadcast(Up[A]);
    }
    W.UndefinedSightY = Broadcast(UndefinedSightY);
    W.YFrom = Broadcast(Results.YIntervalFrom);
    W.YTo = Broadcast(Results.YIntervalTo);
    W.ShowUndefined = _mm256_castsi256_pd(_mm256_set1_epi64x(ShowUndefined ? -1 : 0));
    W.CutNumerator = Broadcast(S.CutNumerator);
    W.Horizontal[0] = Broadcast(S.HorizontalUnit.X);
    W.Horizontal[1] = Broadcast(S.HorizontalUnit.Z);
    W.RightSign = Broadcast(S.RightSign);
    W.RatioLimit = Broadcast(S.RatioLimit);
    W.InverseLimit = Broadcast(S.InverseLimit);
    W.Margin = Broadcast(S.ViewMargin);
    W.ReachX = Broadcast(S.ReachX);
    W.ReachY = Broadcast(S.ReachY);
    W.HalfWidth = Broadcast(S.HalfWidth);
    W.HalfHeight = Broadcast(S.HalfHeight);
    W.Width = Broadcast(S.Width);
    W.Height = Broadcast(S.Height);
    return W;
}

// The view's constants for sight lines made as Sight says.
template <TSight Sight> [[gnu::target("avx2")]] inline TWideView MakeWideView(const TPaintJob& Job)
{
    const TPaintContext& C = Job.Context;
    const Proc3D::TScreen& S = C.Screen;
    Proc3D::TPoint3D K{1, 1, 1}, O{0, 0, 0};
    if constexpr (Sight != TSight::Plain) K = C.BoxScale;
    if constexpr (Sight == TSight::Mapped) O = Job.Style.Box->Shift;
    if constexpr (Sight == TSight::Folded) O = C.FoldedShift;
    TWideView W =
        MakeWideScreenView(S, K, O, UndefinedSight<Sight>(Job), Job.Results, Job.ShowUndefined);
    W.HeightScale = Broadcast(C.ScaleEstimate);
    W.DepthA = Broadcast(C.DepthScreen.A);
    W.DepthB = Broadcast(C.DepthScreen.B);
    W.FactorMargin = Broadcast(C.DepthMargins.Factor);
    W.Shortest = Broadcast(C.DepthMargins.Shortest);
    W.EntryMargin = Every(C.DepthMargins.Entry);
    return W;
}

[[gnu::target("avx2")]] inline __m256d Abs(__m256d A)
{
    return _mm256_andnot_pd(_mm256_set1_pd(-0.0), A);
}

[[gnu::target("avx2")]] inline __m256d Truncated(__m256d A)
{
    return _mm256_round_pd(A, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
}

[[gnu::target("avx2")]] inline __m256d AllLanes()
{
    return _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
}

// Lanes where A > B, A <= B ...: ordered comparisons, false on NaN as in C++
// (Differs too, unlike C++'s !=: it only ever compares whole numbers).
#define TESSEL_WIDE_COMPARE(Name, Predicate)                                                       \
    [[gnu::target("avx2")]] inline __m256d Name(__m256d A, __m256d B)                              \
    {                                                                                              \
        return _mm256_cmp_pd(A, B, Predicate);                                                     \
    }
TESSEL_WIDE_COMPARE(Greater, _CMP_GT_OQ)
TESSEL_WIDE_COMPARE(Less, _CMP_LT_OQ)
TESSEL_WIDE_COMPARE(AtMost, _CMP_LE_OQ)
TESSEL_WIDE_COMPARE(AtLeast, _CMP_GE_OQ)
TESSEL_WIDE_COMPARE(Differs, _CMP_NEQ_OQ)
#undef TESSEL_WIDE_COMPARE

// Four points from P on as X, Y and Z of each lane: three loads and a
// transpose of their twelve consecutive doubles.
[[gnu::target("avx2")]] inline void LoadPoints(const Proc3D::TPoint3D* P, __m256d (&Axis)[3])
{
    static_assert(sizeof(Proc3D::TPoint3D) == 3 * sizeof(double));
    const double* D = &P->X;
    const __m256d A = _mm256_loadu_pd(D), B = _mm256_loadu_pd(D + 4), C = _mm256_loadu_pd(D + 8);
    // A = x0 y0 z0 x1, B = y1 z1 x2 y2, C = z2 x3 y3 z3.
    Axis[0] =
        _mm256_permute4x64_pd(_mm256_blend_pd(_mm256_blend_pd(A, B, 0b0100), C, 0b0010), 0x6C);
    Axis[1] =
        _mm256_permute4x64_pd(_mm256_blend_pd(_mm256_blend_pd(A, B, 0b1001), C, 0b0100), 0xB1);
    Axis[2] =
        _mm256_permute4x64_pd(_mm256_blend_pd(_mm256_blend_pd(A, B, 0b0010), C, 0b1001), 0xC6);
}

// Lanes where Value, whose whole part is Whole, lies more than Margin from
// both whole numbers, as ClearOfWhole decides.
[[gnu::target("avx2")]] inline __m256d WideClearOfWhole(__m256d Value, __m256d Whole,
                                                        __m256d Margin)
{
    const __m256d Half = Broadcast(0.5);
    return Less(Abs(_mm256_sub_pd(_mm256_sub_pd(Value, Whole), Half)), _mm256_sub_pd(Half, Margin));
}

// A lane's offset rounded as RoundClearOfHalf rounds it, and where that is
// unsure; Offset is checked to be small before the result is used.
[[gnu::target("avx2")]] inline __m256d WideRound(__m256d Offset, __m256d Margin, __m256d& Unsure)
{
    const __m256d Whole = Truncated(Offset), Fraction = _mm256_sub_pd(Offset, Whole);
    const __m256d Half = Broadcast(0.5);
    Unsure = _mm256_or_pd(Unsure, AtMost(Abs(_mm256_sub_pd(Fraction, Half)), Margin));
    return _mm256_add_pd(Whole, _mm256_and_pd(Greater(Fraction, Half), Broadcast(1.0)));
}

// One axis of the sight lines of the lanes P of that axis.
template <TSight Sight>
[[gnu::target("avx2"), gnu::always_inline]] inline __m256d SightAxis(const TWideView& W, __m256d P,
                                                                     int A)
{
    if constexpr (Sight == TSight::Plain) return _mm256_sub_pd(P, W.Camera[A]);
    const __m256d Mapped = _mm256_add_pd(_mm256_mul_pd(P, W.Scale[A]), W.Shift[A]);
    if constexpr (Sight == TSight::Mapped) return _mm256_sub_pd(Mapped, W.Camera[A]);
    return Mapped;
}

// Which of four points P (by axis) are kept and their sight lines Dir, as
// KeepsPoint and the scalar steps make them.
template <TSight Sight>
[[gnu::target("avx2"), gnu::always_inline]] inline __m256d
WideSight(const TWideView& W, const __m256d (&P)[3], __m256d (&Dir)[3], __m256d& Undefined)
{
    const __m256i Bits = _mm256_set1_epi64x(std::bit_cast<int64_t>(SolveExp::UndefinedValue));
    Undefined = _mm256_castsi256_pd(_mm256_cmpeq_epi64(_mm256_castpd_si256(P[1]), Bits));
    const __m256d Beyond = _mm256_or_pd(Greater(P[1], W.YTo), Less(P[1], W.YFrom));
    const __m256d Kept =
        _mm256_or_pd(_mm256_andnot_pd(Undefined, _mm256_xor_pd(Beyond, AllLanes())),
                     _mm256_and_pd(Undefined, W.ShowUndefined));
    // Axis by axis, written out: a loop here leaves the lanes in memory.
    Dir[0] = SightAxis<Sight>(W, P[0], 0);
    Dir[1] = SightAxis<Sight>(W, P[1], 1);
    Dir[2] = SightAxis<Sight>(W, P[2], 2);
    Dir[1] = _mm256_blendv_pd(Dir[1], W.UndefinedSightY, Undefined);
    return Kept;
}

// The pixels (X, Y) of kept lanes by ScreenSight<Folded>, with the view's
// margin: Drawn where it decides a pixel in the picture, Unsure where it
// leaves the lane to the exact projection or the lane lies beyond the
// margin's limits.
template <bool Folded>
[[gnu::target("avx2"), gnu::always_inline]] inline void
WideScreen(const TWideView& W, const __m256d (&Dir)[3], __m256d Kept, __m256d& X, __m256d& Y,
           __m256d& Drawn, __m256d& Unsure)
{
    const __m256d D = _mm256_add_pd(
        _mm256_add_pd(_mm256_mul_pd(W.Normal[0], Dir[0]), _mm256_mul_pd(W.Normal[1], Dir[1])),
        _mm256_mul_pd(W.Normal[2], Dir[2]));
    const __m256d Inverse = _mm256_div_pd(Broadcast(1.0), D);
    const __m256d T = _mm256_mul_pd(W.CutNumerator, Inverse);
    const __m256d V[3] = {_mm256_add_pd(_mm256_mul_pd(Dir[0], T), W.Side[0]),
                          _mm256_add_pd(_mm256_mul_pd(Dir[1], T), W.Side[1]),
                          _mm256_add_pd(_mm256_mul_pd(Dir[2], T), W.Side[2])};
    const __m256d Size = Abs(Inverse);
    const __m256d Ratio =
        _mm256_mul_pd(_mm256_add_pd(_mm256_add_pd(Abs(Dir[0]), Abs(Dir[1])), Abs(Dir[2])), Size);
    __m256d InLimits = AtMost(Ratio, W.RatioLimit);
    if constexpr (Folded) InLimits = _mm256_and_pd(InLimits, AtMost(Size, W.InverseLimit));
    const __m256d AlongUp =
        _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(V[0], W.Up[0]), _mm256_mul_pd(V[1], W.Up[1])),
                      _mm256_mul_pd(V[2], W.Up[2]));
    const __m256d AlongH =
        _mm256_add_pd(_mm256_mul_pd(V[0], W.Horizontal[0]), _mm256_mul_pd(V[2], W.Horizontal[1]));
    const __m256d OffsetY = Abs(AlongUp), OffsetX = Abs(AlongH), M = W.Margin;
    const __m256d Beyond = _mm256_or_pd(Greater(_mm256_sub_pd(OffsetY, M), W.ReachY),
                                        Greater(_mm256_sub_pd(OffsetX, M), W.ReachX));
    __m256d Doubt = _mm256_setzero_pd();
    const __m256d Row = WideRound(OffsetY, M, Doubt), Column = WideRound(OffsetX, M, Doubt);
    const __m256d Zero = _mm256_setzero_pd();
    Doubt = _mm256_or_pd(Doubt, _mm256_and_pd(Differs(Row, Zero), AtMost(Abs(V[1]), M)));
    Y = _mm256_blendv_pd(_mm256_add_pd(W.HalfHeight, Row), _mm256_sub_pd(W.HalfHeight, Row),
                         Greater(V[1], Zero));
    X = _mm256_blendv_pd(_mm256_sub_pd(W.HalfWidth, Column), _mm256_add_pd(W.HalfWidth, Column),
                         Greater(_mm256_mul_pd(AlongH, W.RightSign), Zero));
    const __m256d OffPicture = _mm256_or_pd(_mm256_or_pd(Less(X, Zero), AtLeast(X, W.Width)),
                                            _mm256_or_pd(Less(Y, Zero), AtLeast(Y, W.Height)));
    Unsure = _mm256_and_pd(Kept, _mm256_or_pd(_mm256_andnot_pd(InLimits, AllLanes()),
                                              _mm256_andnot_pd(Beyond, Doubt)));
    Drawn = _mm256_and_pd(
        _mm256_and_pd(Kept, InLimits),
        _mm256_andnot_pd(_mm256_or_pd(_mm256_or_pd(Beyond, Doubt), OffPicture), AllLanes()));
}

// The ramp indexes of Y by ScreenHeightIndex; the lanes where it fails.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256d WideIndex(const TWideView& W, __m256d Y,
                                                                     __m256d& Index)
{
    const __m256d Estimate = _mm256_mul_pd(_mm256_sub_pd(Y, W.YFrom), W.HeightScale);
    const __m256d Margin = Broadcast(HeightIndexMargin);
    const __m256d Inside =
        _mm256_and_pd(Greater(Estimate, Margin), Less(Estimate, Broadcast(Proc3D::TopRampStep)));
    Index = Truncated(Estimate);
    return _mm256_andnot_pd(_mm256_and_pd(Inside, WideClearOfWhole(Estimate, Index, Margin)),
                            AllLanes());
}

// The depth entries (Entry, Below) of the distances of the sight lines Dir by
// ScreenDepthEntry, and the distances; the lanes where it fails.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256d
WideDepthEntry(const TWideView& W, const __m256d (&Dir)[3], __m256d& Distance, __m128& Entry,
               __m256d& Below)
{
    Distance = _mm256_sqrt_pd(
        _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(Dir[0], Dir[0]), _mm256_mul_pd(Dir[1], Dir[1])),
                      _mm256_mul_pd(Dir[2], Dir[2])));
    const __m256d Inside =
        _mm256_and_pd(Greater(Distance, W.Shortest), Less(Distance, Broadcast(DepthScreenHigh)));
    const __m256i Low =
        _mm256_and_si256(_mm256_castpd_si256(Distance), _mm256_set1_epi64x(2 * EntryHalf - 1));
    // Near 0 (or 2 EntryHalf), or near EntryHalf.
    const __m256i M = W.EntryMargin, Half = Every(EntryHalf);
    const __m256i NearWhole =
        _mm256_or_si256(_mm256_cmpgt_epi64(M, Low),
                        _mm256_cmpgt_epi64(Low, _mm256_sub_epi64(Every(2 * EntryHalf), M)));
    const __m256i AwayFromHalf =
        _mm256_or_si256(_mm256_cmpgt_epi64(_mm256_sub_epi64(Half, M), Low),
                        _mm256_cmpgt_epi64(Low, _mm256_add_epi64(Half, M)));
    const __m256d Fails = _mm256_castsi256_pd(
        _mm256_or_si256(NearWhole, _mm256_andnot_si256(AwayFromHalf, _mm256_set1_epi64x(-1))));
    Below = _mm256_castsi256_pd(_mm256_cmpgt_epi64(Low, Half));
    Entry = _mm256_cvtpd_ps(Distance);
    return _mm256_or_pd(Fails, _mm256_andnot_pd(Inside, AllLanes()));
}

// The depth factors of Distance by ScreenDepthFactor; the lanes where it
// fails.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256d
WideDepthFactor(const TWideView& W, __m256d Distance, __m256d& Factor)
{
    const __m256d Product = _mm256_mul_pd(W.DepthA, Distance);
    const __m256d F = _mm256_sub_pd(Product, W.DepthB);
    const __m256d Margin = _mm256_mul_pd(
        W.FactorMargin, _mm256_add_pd(_mm256_add_pd(Abs(Product), Abs(W.DepthB)), Broadcast(1.0)));
    const __m256d Usable = Less(Margin, Broadcast(1e-3));
    const __m256d None = AtMost(F, _mm256_sub_pd(_mm256_setzero_pd(), Margin));
    const __m256d Full = AtLeast(F, _mm256_add_pd(Broadcast(255.0), Margin));
    const __m256d Whole = Truncated(F);
    const __m256d Between = _mm256_and_pd(Greater(F, Margin), WideClearOfWhole(F, Whole, Margin));
    Factor = _mm256_blendv_pd(_mm256_andnot_pd(None, Whole), Broadcast(255.0), Full);
    const __m256d Decided = _mm256_or_pd(_mm256_or_pd(None, Full), Between);
    return _mm256_andnot_pd(_mm256_and_pd(Usable, Decided), AllLanes());
}

}  // namespace MainUnit

#endif
