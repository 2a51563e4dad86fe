// CalcViewPlane: the pin-hole camera of one repaint.
#include "Proc3D/ExtendedMath.h"
#include "Proc3D/Proc3D.h"

#include <cmath>

namespace Proc3D {

namespace {

constexpr double TwoPi = 6.283185307179586;  // 0x401921FB54442D18

// Camera and Center for a positive Distance: the camera sits on the sphere of
// radius Distance and looks at the origin; Center is Zoom ahead of it.
void PlaceCameraByAngles(long double SinA, long double CosA, double HorAngle, double Zoom,
                         double Distance, TPoint3D& Camera, TPoint3D& Center)
{
    const long double T =
        std::fabs(CosA) * Distance;  // |cos a| keeps the camera from passing over the top
    const long double H = HorAngle;
    Camera = Rounded({std::sin(H) * T, SinA * Distance, std::cos(H) * T});
    const long double K = 1.0L - Zoom / Length(Camera);
    Center = Rounded(K * Camera);
}

// Center for a camera kept where it is, looking along the angles' direction.
void AimKeptCamera(long double SinA, long double CosA, double HorAngle, double Zoom,
                   const TPoint3D& Camera, TPoint3D& Center)
{
    const long double T = std::fabs(CosA) * Zoom;
    const long double H = HorAngle;
    Center = Rounded(Camera + TExtendedVector{std::sin(H) * T, SinA * Zoom, std::cos(H) * T});
}

}  // namespace

bool CalcViewPlane(TPoint3D& Camera, int32_t Width, int32_t Height, double VerAngle,
                   double HorAngle, double Zoom, double Distance, TViewPlane& ViewPlane)
{
    const double A = FloatMod(TwoPi, VerAngle);
    if (!(std::fabs(A) < TwoPi)) return false;  // only a non-finite angle gets here
    if (!(Zoom > 0.0)) return false;
    if (Width < 10 || Width > 65535 || Height < 10 || Height > 65535) return false;

    const long double SinA = std::sin(static_cast<long double>(A));
    const long double CosA = std::cos(static_cast<long double>(A));
    TPoint3D Eye = Camera;
    TPoint3D Center{};
    if (Distance > 0.0) {
        PlaceCameraByAngles(SinA, CosA, HorAngle, Zoom, Distance, Eye, Center);
    } else {
        AimKeptCamera(SinA, CosA, HorAngle, Zoom, Eye, Center);
    }

    TViewPlane View{};
    View.Center = Center;
    View.Camera = Eye;
    const TExtendedVector Normal = Eye - Center;
    View.Plane.Normal = Rounded(Normal);
    View.Plane.Offset = static_cast<double>(-Dot(View.Plane.Normal, Center));
    // A horizontal vector h = (hx, 0, 1) in the plane satisfies Nx hx + Nz = 0;
    // hx is taken from the unrounded normal.
    View.Horizontal = Normal.X == 0.0L
                          ? TPoint3D{1.0, 0.0, 0.0}
                          : TPoint3D{static_cast<double>(-Normal.Z / Normal.X), 0.0, 1.0};
    View.Up = Rounded(Cross(View.Plane.Normal, View.Horizontal));
    if (!(View.Up.Y >= 0.0)) View.Up = {-View.Up.X, -View.Up.Y, -View.Up.Z};
    View.HalfWidth = static_cast<uint16_t>(Width / 2);
    View.HalfHeight = static_cast<uint16_t>(Height / 2);

    Camera = Eye;
    ViewPlane = View;
    return true;
}

namespace {

bool IsFinite(const TPoint3D& P)
{
    return std::isfinite(P.X) && std::isfinite(P.Y) && std::isfinite(P.Z);
}

}  // namespace

bool CanProject(const TViewPlane& ViewPlane)
{
    const TPoint3D& Normal = ViewPlane.Plane.Normal;
    return IsFinite(ViewPlane.Camera) && IsFinite(ViewPlane.Center) && IsFinite(Normal) &&
           IsFinite(ViewPlane.Up) && IsFinite(ViewPlane.Horizontal) &&
           std::isfinite(ViewPlane.Plane.Offset) && Dot(Normal, Normal) != 0.0L &&
           Dot(ViewPlane.Up, ViewPlane.Up) != 0.0L;
}

}  // namespace Proc3D
