// A quick double-precision estimate of the pixel that ProjectPoint gives,
// with a bound on its error: the estimate is used only where no rounding
// error of either computation can change the pixel. Everywhere else (a
// distance close to a half pixel, a side or row decided by a quantity close
// to 0, a sight line nearly parallel to the view plane, coordinates so large
// that the bound is no longer small) the caller runs the exact projection.
// The pixels drawn are therefore those of ProjectPoint, bit for bit.
//
// Why the estimate agrees. Both computations approximate the same exact
// quantities: with v = Cut - Center = T Dir + (Camera - Center), the row
// offset is |v . Up|/|Up|, the column offset |v . Horizontal|/|Horizontal|,
// the row goes up when v.Y > 0 and the column goes right when v lies on the
// side of Horizontal that Up x Horizontal . Normal designates. ProjectPoint
// takes a longer way (a cut point, two perpendicular feet) in extended
// precision with intermediate values rounded to double; this estimate takes
// the short way in double. The difference between either result and the
// exact value is a small multiple of 2^-53 times the magnitudes involved
// (camera, centre, cut, the step along the sight line), times the factor
// |Normal| |Dir| / |Normal . Dir| by which a sight line at a slant amplifies
// errors of the cut, plus the view's own departure from orthogonality, which
// is of the same order. The margin below is 2^-36 times those magnitudes:
// over a hundred thousand times that error.
#pragma once

#include "Proc3D/HoistedProjection.h"
#include "Proc3D/Proc3D.h"

#include <cmath>
#include <cstdint>

namespace Proc3D {

struct TScreen {
    bool Usable;  // false: the view is too odd for estimates; always project exactly
    TPoint3D Camera, Center, Normal, Side;
    TPoint3D UpUnit, HorizontalUnit;
    double CutNumerator;    // the hoisted -(Normal . Camera + Offset), rounded to double
    double RightSign;       // sign of (Up x Horizontal) . Side: which side of Horizontal is right
    double FixedMagnitude;  // 1 + |Camera| + |Center| + |Side|, 1-norms
    double NormalLength;    // |Normal|, 1-norm
    double ReachX, ReachY;  // the largest column and row offsets that can stay in the picture
    int32_t HalfWidth, HalfHeight, Width, Height;
    // One margin for every point whose Norm1(Dir) / |Normal . Dir| is at
    // most RatioLimit and 1 / |Normal . Dir| at most InverseLimit
    // (BoundScreenMargin); a RatioLimit of -1: none.
    double ViewMargin, RatioLimit, InverseLimit;
    // For sight lines computed from a point before a per-axis scale and
    // shift (FoldSights): the magnitude their extra roundings scale with.
    double FoldMagnitude;
};

enum class TScreenResult { Outside, Pixel, Unsure };

inline double Norm1(const TPoint3D& A) { return std::fabs(A.X) + std::fabs(A.Y) + std::fabs(A.Z); }

inline TPoint3D Scaled(const TPoint3D& A, double K) { return {A.X * K, A.Y * K, A.Z * K}; }

inline TScreen MakeScreen(const TProjector& P, int32_t Width, int32_t Height)
{
    TScreen S{};
    const TPoint3D& Up = P.Up.Direction;
    const TPoint3D& H = P.Horizontal.Direction;
    const double UpLength = std::sqrt(Up.X * Up.X + Up.Y * Up.Y + Up.Z * Up.Z);
    const double HLength = std::sqrt(H.X * H.X + H.Y * H.Y + H.Z * H.Z);
    S.Camera = P.Camera;
    S.Center = P.Center;
    S.Normal = P.Normal;
    S.Side = P.Side;
    S.UpUnit = Scaled(Up, 1.0 / UpLength);
    S.HorizontalUnit = Scaled(H, 1.0 / HLength);
    S.CutNumerator = static_cast<double>(P.CutNumerator);
    const TPoint3D& U = S.UpUnit;
    const TPoint3D& W = S.HorizontalUnit;
    const double Handedness = (U.Y * W.Z - U.Z * W.Y) * S.Side.X +
                              (U.Z * W.X - U.X * W.Z) * S.Side.Y +
                              (U.X * W.Y - U.Y * W.X) * S.Side.Z;
    const double SideLength =
        std::sqrt(S.Side.X * S.Side.X + S.Side.Y * S.Side.Y + S.Side.Z * S.Side.Z);
    S.RightSign = Handedness < 0.0 ? 1.0 : -1.0;
    S.FixedMagnitude = 1.0 + Norm1(S.Camera) + Norm1(S.Center) + Norm1(S.Side);
    S.NormalLength = Norm1(S.Normal);
    S.HalfWidth = P.HalfWidth;
    S.HalfHeight = P.HalfHeight;
    S.Width = Width;
    S.Height = Height;
    S.ReachX = std::fmax(P.HalfWidth, Width - 1 - P.HalfWidth) + 0.5;
    S.ReachY = std::fmax(P.HalfHeight, Height - 1 - P.HalfHeight) + 0.5;
    S.ViewMargin = 0;
    S.RatioLimit = -1;
    S.InverseLimit = -1;
    S.FoldMagnitude = 0;
    // Up, Horizontal and the normal must be a sound, nearly orthogonal frame
    // with Up pointing up; |Handedness| is then close to |Side|.
    S.Usable = std::isfinite(S.FixedMagnitude) && std::isfinite(S.CutNumerator) && UpLength > 0.0 &&
               HLength > 0.0 && std::isfinite(UpLength * HLength) && U.Y > 1e-6 &&
               std::fabs(Handedness) > 0.99 * SideLength && std::fabs(W.Y) == 0.0;
    return S;
}

// The error margin of a sight line Dir whose step along it is Step =
// T Dir, T = CutNumerator / (Normal . Dir), and whose offset from the
// centre is V = Step + Side.
//
// A sight line folded from the point before its scale and shift
// (P Scale + (Shift - Camera) instead of (P Scale + Shift) - Camera) differs
// from the unfolded one by roundings of the place, of the folded shift and
// of itself: at most 2^-53 of Norm1(Place) + Norm1(Shift - Camera) +
// Norm1(Dir), that is of 2 Norm1(Dir) + FoldMagnitude. Moving the sight line
// by E moves the offset by at most |T| Norm1(E) (1 + NormalLength Ratio):
// two more steps and |T| FoldMagnitude join the magnitudes.
inline double SightMargin(const TScreen& S, double Ratio, double StepNorm, double VNorm, double T)
{
    const double Folded = S.FoldMagnitude > 0.0 ? 2.0 * StepNorm + T * S.FoldMagnitude : 0.0;
    return 0x1p-40 * (S.FixedMagnitude + VNorm + StepNorm + Folded) *
           (1.0 + S.NormalLength * Ratio);
}

// SightMargin of the sight line Dir for a point beyond the view's margin:
// out of line, so that the loop does not compute its terms for every point
// (Dir by its coordinates, which keeps it in registers there).
[[gnu::noinline, gnu::cold]] inline double OwnMargin(const TScreen& S, double DirX, double DirY,
                                                     double DirZ, double Inverse, double Ratio)
{
    const double T = S.CutNumerator * Inverse;
    const TPoint3D Step = Scaled({DirX, DirY, DirZ}, T);
    const TPoint3D V{Step.X + S.Side.X, Step.Y + S.Side.Y, Step.Z + S.Side.Z};
    return SightMargin(S, Ratio, Norm1(Step), Norm1(V), std::fabs(T));
}

// That margin grows with a point's Ratio, Norm1(Dir) / |Normal . Dir| for
// its sight line Dir = Point - Camera, and its |T| = |CutNumerator| /
// |Normal . Dir|, and with nothing else of the point: Norm1(Step) is
// |CutNumerator| Ratio and Norm1(V) is at most Norm1(Step) + Norm1(Side).
// The margin of any point up to a given Ratio and Inverse = 1 / |Normal .
// Dir| is therefore bounded by one value.
inline double MarginUpTo(const TScreen& S, double Ratio, double Inverse)
{
    const double Step = std::fabs(S.CutNumerator) * Ratio;
    return SightMargin(S, Ratio, Step, Step + Norm1(S.Side),
                       std::fabs(S.CutNumerator) * Inverse) *
           (1.0 + 0x1p-20);  // for the roundings of either
}

// Lets ScreenSight take sight lines folded from points before a per-axis
// Scale and Shift, as P Scale + (Shift - Camera): Shift is the shift, and
// Camera's own contribution is known. Call before BoundScreenMargin.
inline void FoldSights(TScreen& S, const TPoint3D& Shift)
{
    const TPoint3D Folded{Shift.X - S.Camera.X, Shift.Y - S.Camera.Y, Shift.Z - S.Camera.Z};
    S.FoldMagnitude = Norm1(S.Camera) + Norm1(Folded) + 1.0;
    if (!std::isfinite(S.FoldMagnitude)) S.Usable = false;
}

// Back to sight lines from the place itself. Call before BoundScreenMargin.
inline void UnfoldSights(TScreen& S) { S.FoldMagnitude = 0; }

// Sets one margin for every point up to the largest Ratio of the box [Low,
// High], when every corner lies in front of the camera and the margin is
// small: a convex function over a linear one that keeps its sign has its
// largest value over a box at a corner, so every point of the box is
// covered. A larger margin than a point's own only leaves more points to
// the exact projection.
inline void BoundScreenMargin(TScreen& S, const TPoint3D& Low, const TPoint3D& High)
{
    S.ViewMargin = 0;
    S.RatioLimit = -1;
    S.InverseLimit = -1;
    if (!S.Usable || !(Low.X <= High.X && Low.Y <= High.Y && Low.Z <= High.Z)) return;
    double Ratio = 0, Inverse = 0;
    for (int Corner = 0; Corner < 8; ++Corner) {
        const TPoint3D C{(Corner & 1) != 0 ? High.X : Low.X, (Corner & 2) != 0 ? High.Y : Low.Y,
                         (Corner & 4) != 0 ? High.Z : Low.Z};
        const TPoint3D Dir{C.X - S.Camera.X, C.Y - S.Camera.Y, C.Z - S.Camera.Z};
        const double D = S.Normal.X * Dir.X + S.Normal.Y * Dir.Y + S.Normal.Z * Dir.Z;
        if (!(D < 0.0)) return;  // beside or behind the camera
        Ratio = std::fmax(Ratio, Norm1(Dir) / -D);
        Inverse = std::fmax(Inverse, 1.0 / -D);
    }
    const double Bound = MarginUpTo(S, Ratio, Inverse);
    // A margin of 1e-4 pixel leaves a few points in ten thousand to the
    // exact projection.
    if (!(Bound < 1e-4)) return;
    S.ViewMargin = Bound;
    S.RatioLimit = Ratio;
    S.InverseLimit = Inverse;
}

// Rounds an offset known to be at least Margin away from a half pixel;
// Unsure when it is not. Offset is small here, so the conversion is safe.
inline bool RoundClearOfHalf(double Offset, double Margin, int32_t& Rounded)
{
    // Offset is not negative either, so truncation is its floor, and taking
    // the whole part off is exact.
    const int32_t Whole = static_cast<int32_t>(Offset);
    const double Fraction = Offset - Whole;
    if (std::fabs(Fraction - 0.5) <= Margin) return false;
    Rounded = Whole + (Fraction > 0.5 ? 1 : 0);
    return true;
}

// The pixel of the point at Dir from the camera, with the view's margin
// when its Ratio (and for a Folded sight line its Inverse) allows.
template <bool Folded>
[[gnu::always_inline]] inline TScreenResult ScreenSight(const TScreen& S, const TPoint3D& Dir,
                                                        int32_t& PixelX, int32_t& PixelY)
{
    const double D = S.Normal.X * Dir.X + S.Normal.Y * Dir.Y + S.Normal.Z * Dir.Z;
    // One division for both quotients; its extra rounding is one more unit
    // of 2^-53 in T, which the margin covers many times over.
    const double Inverse = 1.0 / D;
    const double T = S.CutNumerator * Inverse;
    const TPoint3D Step = Scaled(Dir, T);
    const TPoint3D V{Step.X + S.Side.X, Step.Y + S.Side.Y, Step.Z + S.Side.Z};
    const double Size = std::fabs(Inverse);
    const double Ratio = Norm1(Dir) * Size;
    const double Margin = Ratio <= S.RatioLimit && (!Folded || Size <= S.InverseLimit)
                              ? S.ViewMargin
                              : OwnMargin(S, Dir.X, Dir.Y, Dir.Z, Inverse, Ratio);
    if (!(Margin < 1e-3)) return TScreenResult::Unsure;  // also NaN and infinity: D = 0, overflow
    const double AlongUp = V.X * S.UpUnit.X + V.Y * S.UpUnit.Y + V.Z * S.UpUnit.Z;
    const double AlongH = V.X * S.HorizontalUnit.X + V.Z * S.HorizontalUnit.Z;
    const double OffsetY = std::fabs(AlongUp), OffsetX = std::fabs(AlongH);
    if (OffsetY - Margin > S.ReachY || OffsetX - Margin > S.ReachX) return TScreenResult::Outside;
    int32_t RowShift = 0, ColumnShift = 0;
    if (!RoundClearOfHalf(OffsetY, Margin, RowShift) ||
        !RoundClearOfHalf(OffsetX, Margin, ColumnShift)) {
        return TScreenResult::Unsure;
    }
    // A shift of 0 needs no side. Otherwise the quantity that decides it is at
    // least about half a pixel, far beyond the margin, but check anyway.
    if (RowShift != 0 && std::fabs(V.Y) <= Margin) return TScreenResult::Unsure;
    PixelY = V.Y > 0.0 ? S.HalfHeight - RowShift : S.HalfHeight + RowShift;
    PixelX = AlongH * S.RightSign > 0.0 ? S.HalfWidth + ColumnShift : S.HalfWidth - ColumnShift;
    if (PixelX < 0 || PixelX >= S.Width || PixelY < 0 || PixelY >= S.Height)
        return TScreenResult::Outside;
    return TScreenResult::Pixel;
}

// The pixel of Point.
[[gnu::always_inline]] inline TScreenResult ScreenPoint(const TScreen& S, const TPoint3D& Point,
                                                        int32_t& PixelX, int32_t& PixelY)
{
    return ScreenSight<false>(S, {Point.X - S.Camera.X, Point.Y - S.Camera.Y, Point.Z - S.Camera.Z},
                              PixelX, PixelY);
}

}  // namespace Proc3D
