#include "PinHoleCamera.h"
#include "Proc3D/Proc3D.h"
#include "TestPicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace Proc3D;
using Proc3DTest::PictureHeight;
using Proc3DTest::PictureWidth;

namespace {

// Both angles 0, Zoom 100, Distance 10, picture 505 x 404.
TViewPlane FrontView()
{
    TPoint3D Camera{};
    TViewPlane View{};
    EXPECT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.0, 0.0, 100.0, 10.0, View));
    return View;
}

struct TProjectCase {
    TPoint3D Point;
    bool Ok;
    int32_t X, Y;
};

TEST(ProjectPoint, FrontViewExamples)
{
    const TViewPlane View = FrontView();
    const TProjectCase Cases[] = {
        {{0, 0, 0}, true, 252, 202},
        {{1, 2, 0}, true, 262, 182},
        {{-1, -2, 0}, true, 242, 222},
        {{0.25, 0, 0}, true, 254, 202},  // 2.5 rounds to 2
        {{0.75, 0, 0}, true, 260, 202},  // 7.5 rounds to 8
        {{-0.25, 0, 0}, true, 250, 202},
        {{0, 0.25, 0}, true, 252, 200},   // 2.5 rounds to 2, above the centre
        {{0, -0.75, 0}, true, 252, 210},  // 7.5 rounds to 8, below it
        {{0, 0, 10}, false, 0, 0},        // the camera itself
        {{3, -4, 10}, false, 0, 0},       // in the camera's parallel plane
        {{1, 0, 20}, true, 242, 202},     // behind the camera: mirrored
        // Offsets exactly at the 32-bit limit pass, one more fails.
        {{214748339.5, 0, 0}, true, 2147483647, 202},
        {{214748339.6, 0, 0}, false, 0, 0},
        {{0, 214748344.5, 0}, true, 252, 202 - 2147483445},
        {{0, -214748344.6, 0}, false, 0, 0},
    };
    for (const TProjectCase& Case : Cases) {
        int32_t X = 0, Y = 0;
        const bool Ok = ProjectPoint(View, Case.Point, X, Y);
        ASSERT_EQ(Ok, Case.Ok) << Case.Point.X << ", " << Case.Point.Y << ", " << Case.Point.Z;
        if (!Ok) continue;
        EXPECT_EQ(X, Case.X) << Case.Point.X << ", " << Case.Point.Y;
        EXPECT_EQ(Y, Case.Y) << Case.Point.X << ", " << Case.Point.Y;
    }
}

// Views that overflow inside the view plane (Offset becomes infinite) give NaN
// offsets; they must be refused, never rounded (UBSan checks the conversion).
TEST(ProjectPoint, OverflowingViewIsRefused)
{
    const double Zooms[] = {1e300, 1e308, std::numeric_limits<double>::max()};
    const TPoint3D Points[] = {{0, 0, 0}, {1, 2, 3}, {-5, 0, 0}, {0, 0, -7}, {1e-300, 0, 1}};
    for (double Zoom : Zooms) {
        TPoint3D Camera{};
        TViewPlane View{};
        ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.3, 0.2, Zoom, 10.0, View));
        for (const TPoint3D& P : Points) {
            int32_t X = 0, Y = 0;
            EXPECT_FALSE(ProjectPoint(View, P, X, Y)) << Zoom << " " << P.X << " " << P.Y;
        }
    }
}

TEST(ProjectPoint, LargeFiniteZoomStillProjectsTheCentre)
{
    TPoint3D Camera{};
    TViewPlane View{};
    ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.0, 0.0, 1e10, 10.0, View));
    int32_t X = 0, Y = 0;
    ASSERT_TRUE(ProjectPoint(View, {0, 0, 0}, X, Y));
    EXPECT_EQ(X, 252);
    EXPECT_EQ(Y, 202);
    ASSERT_TRUE(ProjectPoint(View, {1, 0, 0}, X, Y));  // 1e9 pixels right: within the limit
    EXPECT_EQ(X, 252 + 1000000000);
    EXPECT_FALSE(ProjectPoint(View, {3, 0, 0}, X, Y));  // 3e9 pixels: beyond it
}

struct TCameraSetting {
    double VerAngle, HorAngle, Zoom, DistanceFactor;
};

// Projects random points inside the radius with ProjectPoint and with the
// independent pin-hole camera; the rounded pixel must be the nearest one to
// the exact position, up to the rounding noise of the arithmetic.
void ExpectMatchesPinHole(const TCameraSetting& Setting, std::mt19937_64& Random, int Points)
{
    const double Radius = 10.0;
    const double Distance = Radius * Setting.DistanceFactor;
    TPoint3D Camera{};
    TViewPlane View{};
    ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, Setting.VerAngle,
                              Setting.HorAngle, Setting.Zoom, Distance, View));
    const Proc3DTest::TVec Eye{Distance * std::cos(Setting.VerAngle) * std::sin(Setting.HorAngle),
                               Distance * std::sin(Setting.VerAngle),
                               Distance * std::cos(Setting.VerAngle) * std::cos(Setting.HorAngle)};
    EXPECT_NEAR(Camera.X, Eye.X, 1e-9);
    EXPECT_NEAR(Camera.Y, Eye.Y, 1e-9);
    EXPECT_NEAR(Camera.Z, Eye.Z, 1e-9);
    const Proc3DTest::TPinHole PinHole(Eye, Setting.Zoom, 252.0, 202.0);
    std::uniform_real_distribution<double> Coordinate(-Radius, Radius);
    int Mismatches = 0;
    for (int K = 0; K < Points; ++K) {
        Proc3DTest::TVec P{};
        do {
            P = {Coordinate(Random), Coordinate(Random), Coordinate(Random)};
        } while (Proc3DTest::DotOf(P, P) >= Radius * Radius);
        double RefX = 0, RefY = 0;
        PinHole.Project(P, RefX, RefY);
        int32_t X = 0, Y = 0;
        const bool Ok = ProjectPoint(View, {P.X, P.Y, P.Z}, X, Y);
        const double Tolerance = 0.5 + 1e-6;
        if (!Ok || std::fabs(X - RefX) > Tolerance || std::fabs(Y - RefY) > Tolerance) {
            if (++Mismatches <= 3) {
                ADD_FAILURE() << "V " << Setting.VerAngle << " H " << Setting.HorAngle << " zoom "
                              << Setting.Zoom << " point (" << P.X << ", " << P.Y << ", " << P.Z
                              << "): got (" << X << ", " << Y << ") ok " << Ok << ", pin-hole ("
                              << RefX << ", " << RefY << ")";
            }
        }
    }
    EXPECT_EQ(Mismatches, 0);
}

TEST(ProjectPoint, AgreesWithPinHoleAtRandomViews)
{
    std::mt19937_64 Random(20240611);
    std::uniform_real_distribution<double> Angle(-1.5707, 1.5707);
    std::uniform_real_distribution<double> LogZoom(0.0, 3.5);
    std::uniform_real_distribution<double> Factor(1.05, 20.0);
    for (int View = 0; View < 200; ++View) {
        const TCameraSetting Setting{Angle(Random), 2.0 * Angle(Random),
                                     std::pow(10.0, LogZoom(Random)), Factor(Random)};
        ExpectMatchesPinHole(Setting, Random, 500);
    }
}

// Cameras that look almost along an axis: sin or cos of the typed angle is
// about 1e-15, so one component of the plane's normal is rounding noise. The
// side of a point must still come out right.
TEST(ProjectPoint, AgreesWithPinHoleLookingAlmostAlongAnAxis)
{
    const double NearAxis[] = {3.14159265358979,
                               -3.14159265358979,
                               1.5707963267949,
                               -1.5707963267949,
                               1.5707963267948966,
                               3.141592653589793,
                               0.0,
                               6.28318530717959,
                               4.71238898038469};
    const double Vertical[] = {0.0, 1e-15, -1e-15, 0.3, -1.2};
    std::mt19937_64 Random(7);
    for (double H : NearAxis) {
        for (double V : Vertical)
            ExpectMatchesPinHole({V, H, 400.0, 1.5}, Random, 2000);
    }
}

}  // namespace
