#include "MainUnit/Picture/FramePoints.h"

#include "MainUnit/Picture/BoxAxes.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
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

// The largest tangents of the drawn points seen from the camera, on each
// side of the line of sight: right, left, up, down.
struct TSpread {
    double Side[4] = {0, 0, 0, 0};
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
    const double X = DotOf(D, F.Right) / Depth, Y = DotOf(D, F.Up) / Depth;
    if (!std::isfinite(X) || !std::isfinite(Y)) return;
    S.Side[0] = std::max(S.Side[0], X);
    S.Side[1] = std::max(S.Side[1], -X);
    S.Side[2] = std::max(S.Side[2], Y);
    S.Side[3] = std::max(S.Side[3], -Y);
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

bool FramePointsZoom(const TResultSet& Results, const TViewSettings& View, bool ShowUndefined,
                     const TPointStyle& Style, int32_t Width, int32_t Height, int32_t Margin,
                     double& Zoom, std::span<const Proc3D::TPoint3D> AlsoFramed)
{
    TCameraFrame Frame;
    if (Width < 10 || Height < 10 || !MakeCameraFrame(View, Width, Height, Frame)) return false;
    TSpread S = Style.Box ? MeasureSpread<true>(Results, ShowUndefined, Style, Frame)
                          : MeasureSpread<false>(Results, ShowUndefined, Style, Frame);
    for (const Proc3D::TPoint3D& Place : AlsoFramed)
        TakeIn(S, Frame, Place);
    if (!S.Any) return false;
    // Pixels from the centre column and row to the last ones kept free of
    // the margin: right, left, up, down.
    const int32_t HalfWidth = Width / 2, HalfHeight = Height / 2;
    const double Room[4] = {static_cast<double>(Width - 1 - HalfWidth - Margin),
                            static_cast<double>(HalfWidth - Margin),
                            static_cast<double>(HalfHeight - Margin),
                            static_cast<double>(Height - 1 - HalfHeight - Margin)};
    long double Best = 0;
    bool Found = false;
    for (int I = 0; I < 4; ++I) {
        if (!(S.Side[I] > 0.0)) continue;
        const long double Fits = static_cast<long double>(Room[I]) / S.Side[I];
        Best = Found ? std::min(Best, Fits) : Fits;
        Found = true;
    }
    const double Result = static_cast<double>(Best);
    if (!Found || !(Result > 0.0) || !std::isfinite(Result)) return false;
    Zoom = Result;
    return true;
}

TViewTexts FitViewToPoints(const TViewSettings& View, const TResultSet& Results, bool ShowUndefined,
                           const TPictureOptions& Options, int32_t Width, int32_t Height)
{
    const TBoxMapping Box = MakeBoxMapping(Results);
    const TPointStyle Style = PointStyleFor(Options, Box);
    // With the axes drawn, the box's corners are framed too, so that its
    // edges and their values stay in the picture.
    std::vector<Proc3D::TPoint3D> Corners;
    if (Options.Ticks) {
        const TBoxMapping Edges = AxesBox(Box, Options.Box);
        for (const double X : {Edges.X.From, Edges.X.To})
            for (const double Y : {Edges.Y.From, Edges.Y.To})
                for (const double Z : {Edges.Z.From, Edges.Z.To})
                    Corners.push_back(MapToBox(Edges, {X, Y, Z}));
    }
    double Zoom = 0;
    if (!FramePointsZoom(Results, View, ShowUndefined, Style, Width, Height,
                         FrameMargin(std::min(Width, Height), Options.Ticks), Zoom, Corners))
        return FitView(View, ViewRadius(Results, Options.Box), Width, Height);
    TViewTexts Texts;
    double Written = 0;
    // A zoom whose text would not read back as a usable zoom stays as it is.
    if (ReadReal(FormatReal(Zoom), Written) && Written > 0 && std::isfinite(Written))
        Texts.Zoom = FormatReal(Zoom);
    return Texts;
}

}  // namespace MainUnit
