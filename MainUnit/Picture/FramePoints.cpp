#include "MainUnit/Picture/FramePoints.h"

#include "MainUnit/Picture/BoxAxes.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/ViewPan.h"
#include "MainUnit/Text/NumberText.h"
#include "Proc3D/ExtendedMath.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace MainUnit {

namespace {

// The camera's frame as unit vectors: where it looks, up and right.
struct TCameraFrame {
    Proc3D::TPoint3D Camera{};
    Proc3D::TPoint3D Forward{}, Up{}, Right{};
};

Proc3D::TPoint3D Unit(const Proc3D::TExtendedVector& V)
{
    const long double L = Proc3D::Length(V);
    return Proc3D::Rounded((1.0L / L) * V);
}

bool MakeCameraFrame(const TViewSettings& View, int32_t Width, int32_t Height, TCameraFrame& F)
{
    Proc3D::TPoint3D Camera{0, 0, 0};
    Proc3D::TViewPlane Plane{};
    // Any zoom places the camera and turns it the same way.
    if (!Proc3D::CalcViewPlane(Camera, Width, Height, View.VerAngle, View.HorAngle, 1.0,
                               View.Distance, Plane))
        return false;
    const Proc3D::TExtendedVector Forward =
        Proc3D::TExtendedVector(Plane.Center) - Proc3D::TExtendedVector(Plane.Camera);
    if (!(Proc3D::Length(Forward) > 0.0L) || !(Proc3D::Length(Plane.Up) > 0.0L)) return false;
    F.Camera = Plane.Camera;
    F.Forward = Unit(Forward);
    F.Up = Unit(Plane.Up);
    // Looking along Forward with Up up, Forward x Up points to the right.
    F.Right = Unit(Proc3D::Cross(F.Forward, F.Up));
    return true;
}

// The tangents of the drawn points seen from the camera, across the line
// of sight (right positive) and along it upward (up positive): the least
// and the greatest of each.
struct TSpread {
    double Least[2] = {0, 0};
    double Most[2] = {0, 0};
    bool Any = false;
};

inline double DotOf(const Proc3D::TPoint3D& A, const Proc3D::TPoint3D& B)
{
    return A.X * B.X + A.Y * B.Y + A.Z * B.Z;
}

// Widens the spread to take in a place seen from the camera.
void TakeIn(TSpread& S, const TCameraFrame& F, const Proc3D::TPoint3D& Place)
{
    const Proc3D::TPoint3D D{Place.X - F.Camera.X, Place.Y - F.Camera.Y, Place.Z - F.Camera.Z};
    const double Depth = DotOf(D, F.Forward);
    // The camera stands outside the sphere of every drawn point, so each
    // lies ahead of it; anything else is left out rather than mirrored.
    if (!(Depth > 0.0)) return;
    const double Tangent[2] = {DotOf(D, F.Right) / Depth, DotOf(D, F.Up) / Depth};
    if (!std::isfinite(Tangent[0]) || !std::isfinite(Tangent[1])) return;
    for (int I = 0; I < 2; ++I) {
        S.Least[I] = S.Any ? std::min(S.Least[I], Tangent[I]) : Tangent[I];
        S.Most[I] = S.Any ? std::max(S.Most[I], Tangent[I]) : Tangent[I];
    }
    S.Any = true;
}

template <bool Boxed>
TSpread MeasureSpread(const TResultSet& Results, bool ShowUndefined, const TPointStyle& Style,
                      const TCameraFrame& F)
{
    TSpread S;
    const size_t Count =
        std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
    for (size_t I = 0; I < Count; ++I) {
        Proc3D::TPoint3D Place;
        bool Undefined = false;
        const Proc3D::TPoint3D& P = Results.Points[I];
        if constexpr (Boxed) {
            if (!BoxPlaceOfPoint(P, Results, ShowUndefined, *Style.Box, Place, Undefined)) continue;
        } else {
            if (!PlaceOfPoint(P, Results, ShowUndefined, Place, Undefined)) continue;
        }
        TakeIn(S, F, Place);
    }
    return S;
}

}  // namespace

int32_t FrameMargin(int32_t Side, bool Ticks)
{
    return std::max<int32_t>(4, Ticks ? Side / 10 : Side / 25);
}

namespace {

// The room the spread is framed in: a picture with a margin on every side,
// and pixels beyond the spread's own (right, left, up, down) drawn all the
// same, such as the axes' values.
struct TFrameRoom {
    int32_t Width = 0, Height = 0, Margin = 0;
    double Extra[4] = {0, 0, 0, 0};
};

// The largest zoom at which the spread, seen from a picture centre moved by
// Pan, keeps the margin and its extra pixels from every edge; 0 when none
// does.
long double ZoomWithPan(const TSpread& S, const TFrameRoom& R, TPan Pan)
{
    const int32_t CentreColumn = R.Width / 2 + Pan.X, CentreRow = R.Height / 2 + Pan.Y;
    const long double Column = CentreColumn, Row = CentreRow;
    // Pixels from the centre column and row to the last ones kept free,
    // each with the tangent that must reach no farther: right, left, up, down.
    const long double Room[4] = {R.Width - 1 - R.Margin - Column - R.Extra[0],
                                 Column - R.Margin - R.Extra[1], Row - R.Margin - R.Extra[2],
                                 R.Height - 1 - R.Margin - Row - R.Extra[3]};
    const double Reach[4] = {S.Most[0], -S.Least[0], S.Most[1], -S.Least[1]};
    long double Best = 0;
    bool Found = false;
    for (int I = 0; I < 4; ++I) {
        if (!(Reach[I] > 0.0)) continue;
        if (!(Room[I] > 0.0L)) return 0;
        const long double Fits = Room[I] / Reach[I];
        Best = Found ? std::min(Best, Fits) : Fits;
        Found = true;
    }
    return Found ? Best : 0;
}

// First the zoom at which the spread and its extra pixels span the room,
// then the whole pixels that put their middle on the picture's middle, then
// the zoom once more for that move, which rounding may have cost a fraction
// of a pixel on one side.
bool FitSpread(const TSpread& S, const TFrameRoom& R, double& Zoom, TPan& Pan)
{
    const long double Span[2] = {static_cast<long double>(S.Most[0]) - S.Least[0],
                                 static_cast<long double>(S.Most[1]) - S.Least[1]};
    const long double Room[2] = {R.Width - 1.0L - 2 * R.Margin - R.Extra[0] - R.Extra[1],
                                 R.Height - 1.0L - 2 * R.Margin - R.Extra[2] - R.Extra[3]};
    long double Spanning = 0;
    for (int I = 0; I < 2; ++I)
        if (Span[I] > 0.0L && Room[I] > 0.0L)
            Spanning = Spanning > 0.0L ? std::min(Spanning, Room[I] / Span[I]) : Room[I] / Span[I];
    TPan Centred;
    if (Spanning > 0.0L && std::isfinite(Spanning)) {
        const long double Middle[2] = {(static_cast<long double>(S.Most[0]) + S.Least[0]) / 2,
                                       (static_cast<long double>(S.Most[1]) + S.Least[1]) / 2};
        // From the plane's centre pixel (half the size, rounded down) to
        // the picture's middle.
        const int32_t HalfWidth = R.Width / 2, HalfHeight = R.Height / 2;
        const long double Column =
            (R.Width - 1) / 2.0L - HalfWidth - Spanning * Middle[0] - (R.Extra[0] - R.Extra[1]) / 2;
        const long double Row = (R.Height - 1) / 2.0L - HalfHeight + Spanning * Middle[1] +
                                (R.Extra[2] - R.Extra[3]) / 2;
        if (std::fabs(Column) < R.Width && std::fabs(Row) < R.Height)
            Centred = HeldPan(
                {static_cast<int32_t>(std::lround(Column)), static_cast<int32_t>(std::lround(Row))},
                R.Width, R.Height);
    }
    long double Best = ZoomWithPan(S, R, Centred);
    // A move that leaves no room (points all beyond the centre, held at the
    // edge) gives way to none.
    if (!(Best > 0.0L)) {
        Centred = {};
        Best = ZoomWithPan(S, R, Centred);
    }
    const double Result = static_cast<double>(Best);
    if (!(Result > 0.0) || !std::isfinite(Result)) return false;
    Zoom = Result;
    Pan = Centred;
    return true;
}

bool MeasureFrame(const TResultSet& Results, const TViewSettings& View, bool ShowUndefined,
                  const TPointStyle& Style, int32_t Width, int32_t Height,
                  std::span<const Proc3D::TPoint3D> AlsoFramed, TSpread& S)
{
    TCameraFrame Frame;
    if (Width < 10 || Height < 10 || !MakeCameraFrame(View, Width, Height, Frame)) return false;
    S = Style.Box ? MeasureSpread<true>(Results, ShowUndefined, Style, Frame)
                  : MeasureSpread<false>(Results, ShowUndefined, Style, Frame);
    for (const Proc3D::TPoint3D& Place : AlsoFramed)
        TakeIn(S, Frame, Place);
    return S.Any;
}

// How far the axes' lines and planned labels reach beyond the spread, in
// pixels on each side, in the picture fitted at Zoom and Pan.
bool AxesReach(const TViewSettings& View, const TBoxMapping& Edges, const TSpread& S, int32_t Width,
               int32_t Height, double Zoom, TPan Pan, double (&Extra)[4])
{
    Proc3D::TPoint3D Camera{0, 0, 0};
    Proc3D::TViewPlane Plane{};
    if (!Proc3D::CalcViewPlane(Camera, Width, Height, View.VerAngle, View.HorAngle, Zoom,
                               View.Distance, Plane))
        return false;
    Plane.HalfWidth = static_cast<uint16_t>(Plane.HalfWidth + Pan.X);
    Plane.HalfHeight = static_cast<uint16_t>(Plane.HalfHeight + Pan.Y);
    const TAxesSizes Sizes = AxesSizes(Width, Height);
    const TAxesDrawing Axes = LayOutBoxAxes(
        Plane, Edges, Width, Height,
        [&Sizes](const std::string& Text) { return PlannedTextSize(Text, Sizes); },
        Sizes.TickLength, Sizes.Gap);
    const double Column = Plane.HalfWidth, Row = Plane.HalfHeight;
    // The spread's own pixels: right, left, top, bottom.
    const double Own[4] = {Column + Zoom * S.Most[0], Column + Zoom * S.Least[0],
                           Row - Zoom * S.Most[1], Row - Zoom * S.Least[1]};
    double Far[4] = {Own[0], Own[1], Own[2], Own[3]};
    const auto TakePixel = [&Far](double X, double Y) {
        Far[0] = std::max(Far[0], X), Far[1] = std::min(Far[1], X);
        Far[2] = std::min(Far[2], Y), Far[3] = std::max(Far[3], Y);
    };
    for (const TAxesLine& L : Axes.Lines)
        TakePixel(L.X0, L.Y0), TakePixel(L.X1, L.Y1);
    const double Inset = InkInset(Sizes);
    for (const TAxesLabel& L : Axes.Labels)
        TakePixel(L.Left, L.Top + Inset), TakePixel(L.Left + L.Width - 1, L.Top + L.Height - Inset);
    Extra[0] = Far[0] - Own[0], Extra[1] = Own[1] - Far[1];
    Extra[2] = Own[2] - Far[2], Extra[3] = Far[3] - Own[3];
    return true;
}

}  // namespace

bool FramePointsZoom(const TResultSet& Results, const TViewSettings& View, bool ShowUndefined,
                     const TPointStyle& Style, int32_t Width, int32_t Height, int32_t Margin,
                     double& Zoom, TPan& Pan, std::span<const Proc3D::TPoint3D> AlsoFramed)
{
    TSpread S;
    if (!MeasureFrame(Results, View, ShowUndefined, Style, Width, Height, AlsoFramed, S))
        return false;
    return FitSpread(S, {Width, Height, Margin, {0, 0, 0, 0}}, Zoom, Pan);
}

TViewTexts FitViewToPoints(const TViewSettings& View, const TResultSet& Results, bool ShowUndefined,
                           const TPictureOptions& Options, int32_t Width, int32_t Height)
{
    const TBoxMapping Box = MakeBoxMapping(Results, Options.BoxHeight);
    const TPointStyle Style = PointStyleFor(Options, Box);
    // With the axes drawn, the corners their edges join are framed too,
    // so that the edges and their values stay in the picture. Which edges
    // are drawn depends on the camera alone, not on the zoom or the move.
    std::vector<Proc3D::TPoint3D> Corners;
    const TBoxMapping Edges = AxesBox(Box, Options.Box);
    Proc3D::TPoint3D Camera{0, 0, 0};
    Proc3D::TViewPlane Plane{};
    if (Options.Ticks && Proc3D::CalcViewPlane(Camera, Width, Height, View.VerAngle, View.HorAngle,
                                               View.Zoom, View.Distance, Plane))
        Corners =
            LayOutBoxAxes(
                Plane, Edges, Width, Height, [](const std::string&) { return TTextSize{}; }, 0, 0)
                .Corners;
    const int32_t Side = std::min(Width, Height);
    double Zoom = 0;
    TPan Pan;
    TSpread S;
    if (!MeasureFrame(Results, View, ShowUndefined, Style, Width, Height, Corners, S) ||
        !FitSpread(S, {Width, Height, FrameMargin(Side, Options.Ticks), {0, 0, 0, 0}}, Zoom, Pan)) {
        // The sphere fitted about the picture's centre: no move.
        TViewTexts Sphere =
            FitView(View, ViewRadius(Results, Options.Box, Options.BoxHeight), Width, Height);
        Sphere.Pan = TPan{};
        return Sphere;
    }
    // The axes' values reach past the box by their own pixels: laid out in
    // the first frame, wide enough to keep them all, their reach is framed
    // with the points' margin, and once more from the frame that gives.
    for (int Pass = 0; Options.Ticks && Pass < 2; ++Pass) {
        TFrameRoom Room{Width, Height, FrameMargin(Side, false), {0, 0, 0, 0}};
        double NextZoom = 0;
        TPan NextPan;
        if (!AxesReach(View, Edges, S, Width, Height, Zoom, Pan, Room.Extra) ||
            !FitSpread(S, Room, NextZoom, NextPan))
            break;
        Zoom = NextZoom;
        Pan = NextPan;
    }
    TViewTexts Texts;
    Texts.Pan = Pan;
    double Written = 0;
    // A zoom whose text would not read back as a usable zoom stays as it is.
    if (ReadReal(FormatReal(Zoom), Written) && Written > 0 && std::isfinite(Written))
        Texts.Zoom = FormatReal(Zoom);
    return Texts;
}

}  // namespace MainUnit
