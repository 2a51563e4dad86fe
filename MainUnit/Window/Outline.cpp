// The axes sketch: the base rectangle of the result box and the three axis
// arrows, in the current view, scaled down from the graph to the sketch.
#include "MainUnit/Window/Internal/Outline.h"

#include "Proc3D/Proc3D.h"

#include <QCheckBox>
#include <QPoint>

#include <cmath>
#include <limits>

namespace MainUnit {

namespace {

// The sketch leaves this much of its height free round the Y arrow.
constexpr int SketchMargin = 20;

struct TSketchScale {
    int64_t SketchWidth, SketchHeight, GraphWidth, GraphHeight;
};

// A point of space in sketch pixels: projected onto the graph, then scaled
// with the product taken first and the division truncating toward zero.
bool ProjectToSketch(const Proc3D::TViewPlane& View, const Proc3D::TPoint3D& Point,
                     const TSketchScale& Scale, QPoint& Pixel)
{
    int32_t X = 0;
    int32_t Y = 0;
    if (!Proc3D::ProjectPoint(View, Point, X, Y)) return false;
    Pixel = QPoint(int(X * Scale.SketchWidth / Scale.GraphWidth),
                   int(Y * Scale.SketchHeight / Scale.GraphHeight));
    return true;
}

template <std::size_t N>
bool ProjectAll(const Proc3D::TViewPlane& View, const Proc3D::TPoint3D (&Points)[N],
                const TSketchScale& Scale, QPoint (&Pixels)[N])
{
    for (std::size_t I = 0; I < N; ++I)
        if (!ProjectToSketch(View, Points[I], Scale, Pixels[I])) return false;
    return true;
}

// An axis at the fixed length Length through the centre, in the direction
// from From to To; none when that direction has no length on the sketch.
void DrawFixedArrow(Platform::TCanvas& Canvas, QPoint From, QPoint To, QPoint Centre, int Length)
{
    const long double DX = static_cast<long double>(To.x()) - From.x();
    const long double DY = static_cast<long double>(To.y()) - From.y();
    if (DX == 0 && DY == 0) return;
    // k scales the direction to half the length on either side of the centre.
    const long double K = Length / (2 * std::sqrt(DX * DX + DY * DY));
    const int32_t RX = RoundHalfEven(DX * K);
    const int32_t RY = RoundHalfEven(DY * K);
    DrawArrow(Canvas, Centre.x() - RX, Centre.y() - RY, Centre.x() + RX, Centre.y() + RY,
              ArrowHeadLength, ArrowHeadHalfWidth, true);
}

}  // namespace

int32_t RoundHalfEven(long double Value)
{
    constexpr long double Lowest = std::numeric_limits<int32_t>::min();
    constexpr long double Highest = std::numeric_limits<int32_t>::max();
    if (!(Value > Lowest)) return std::numeric_limits<int32_t>::min();
    if (!(Value < Highest)) return std::numeric_limits<int32_t>::max();
    long double Whole = std::floor(Value);
    const long double Fraction = Value - Whole;
    if (Fraction > 0.5L || (Fraction == 0.5L && std::fmod(Whole, 2.0L) != 0)) Whole += 1;
    return static_cast<int32_t>(Whole);
}

void DrawArrow(Platform::TCanvas& Canvas, int32_t TailX, int32_t TailY, int32_t TipX, int32_t TipY,
               long double HeadLength, long double HeadHalfWidth, bool Filled)
{
    const long double L = std::fabs(HeadLength);
    const long double W = std::fabs(HeadHalfWidth);
    const long double DX = static_cast<long double>(TailX) - TipX;
    const long double DY = static_cast<long double>(TailY) - TipY;
    const long double N = std::sqrt(DX * DX + DY * DY);
    if (N == 0) return;
    // The head's corners lie L back from the tip along the shaft (the unit
    // vector (DX, DY) / N) and W to either side of it (its normal).
    const QPoint Tip(TipX, TipY);
    const QPoint A(TipX + RoundHalfEven((L * DX + W * DY) / N),
                   TipY + RoundHalfEven((L * DY - W * DX) / N));
    const QPoint B(TipX + RoundHalfEven((L * DX - W * DY) / N),
                   TipY + RoundHalfEven((L * DY + W * DX) / N));

    const QPoint Remembered = Canvas.PenPos();
    Canvas.MoveTo(TailX, TailY);
    Canvas.LineTo(TipX, TipY);
    if (Filled) {
        Canvas.SetBrushColor(Canvas.PenColor());
        const QPoint Head[] = {Tip, A, B};
        Canvas.Polygon(Head);
    } else {
        Canvas.LineTo(A.x(), A.y());
        Canvas.MoveTo(TipX, TipY);
        Canvas.LineTo(B.x(), B.y());
    }
    Canvas.MoveTo(Remembered.x(), Remembered.y());
}

namespace {

// The three axes of the sketch once the rectangle is drawn: X and Z at their
// projected length with 3D outline, otherwise at the fixed length through
// the centre; none when their ends cannot be projected.
void DrawAxisArrows(Platform::TCanvas& Canvas, const TSketchScale& Scale, const TResultSet& Results,
                    const Proc3D::TViewPlane& ViewPlane, bool Outline3D)
{
    const auto Width = static_cast<int>(Scale.SketchWidth);
    const auto Height = static_cast<int>(Scale.SketchHeight);
    const double R = Results.BoundingRadius;
    const Proc3D::TPoint3D Ends[4] = {{-R, 0, 0}, {R, 0, 0}, {0, 0, -R}, {0, 0, R}};
    QPoint P[4];
    if (!ProjectAll(ViewPlane, Ends, Scale, P)) return;
    if (Outline3D) {
        Canvas.SetPenColor(XAxisColor);
        DrawArrow(Canvas, P[0].x(), P[0].y(), P[1].x(), P[1].y(), ArrowHeadLength,
                  ArrowHeadHalfWidth, true);
        Canvas.SetPenColor(ZAxisColor);
        DrawArrow(Canvas, P[2].x(), P[2].y(), P[3].x(), P[3].y(), ArrowHeadLength,
                  ArrowHeadHalfWidth, true);
    } else {
        const QPoint Centre(Width / 2, Height / 2);
        Canvas.SetPenColor(XAxisColor);
        DrawFixedArrow(Canvas, P[0], P[1], Centre, Height - SketchMargin);
        Canvas.SetPenColor(ZAxisColor);
        DrawFixedArrow(Canvas, P[2], P[3], Centre, Height - SketchMargin);
    }
}

}  // namespace

void DrawOutlineSketch(Platform::TCanvas& Canvas, int Width, int Height, int GraphWidth,
                       int GraphHeight, const TResultSet& Results,
                       const Proc3D::TViewPlane& ViewPlane, bool Outline3D, bool Light)
{
    const int Length = Height - SketchMargin;
    const QPoint Centre(Width / 2, Height / 2);
    const QPoint YTail(Width / 2, (Height + Length) / 2);
    const QPoint YTip(Width / 2, (Height - Length) / 2);
    const TSketchScale Scale{Width, Height, GraphWidth, GraphHeight};

    const uint32_t Background = Light ? LightBackgroundColor : DarkBackgroundColor;
    Canvas.SetBrushColor(Background);
    Canvas.FillRect(0, 0, Width, Height);
    const Proc3D::TPoint3D Base[4] = {{Results.XIntervalFrom, 0, Results.ZIntervalFrom},
                                      {Results.XIntervalFrom, 0, Results.ZIntervalTo},
                                      {Results.XIntervalTo, 0, Results.ZIntervalTo},
                                      {Results.XIntervalTo, 0, Results.ZIntervalFrom}};
    QPoint Corners[4];
    if (!ProjectAll(ViewPlane, Base, Scale, Corners)) return;

    Canvas.SetPenColor(YAxisColor);
    Canvas.SetPenWidth(1);
    DrawArrow(Canvas, YTail.x(), YTail.y(), YTip.x(), YTip.y(), ArrowHeadLength, ArrowHeadHalfWidth,
              true);
    Canvas.SetBrushColor(Background);
    Canvas.SetPenWidth(2);
    Canvas.SetPenColor(Light ? LightForegroundColor : DarkForegroundColor);
    Canvas.Polygon(Corners);
    // Seen from above, the whole Y arrow stands over the rectangle; from
    // below or level, only its lower half shows in front of it.
    Canvas.SetPenWidth(1);
    Canvas.SetPenColor(YAxisColor);
    if (ViewPlane.Camera.Y > 0) {
        DrawArrow(Canvas, YTail.x(), YTail.y(), YTip.x(), YTip.y(), ArrowHeadLength,
                  ArrowHeadHalfWidth, true);
    } else {
        Canvas.MoveTo(Centre.x(), Centre.y());
        Canvas.LineTo(YTail.x(), YTail.y());
    }

    DrawAxisArrows(Canvas, Scale, Results, ViewPlane, Outline3D);
}

}  // namespace MainUnit
