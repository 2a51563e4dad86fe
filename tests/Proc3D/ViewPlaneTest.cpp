#include "Proc3D/Proc3D.h"
#include "TestPicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace Proc3D;
using Proc3DTest::PictureHeight;
using Proc3DTest::PictureWidth;

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

void ExpectPoint(const TPoint3D& Got, double X, double Y, double Z, double Tolerance = 0.0)
{
    EXPECT_NEAR(Got.X, X, Tolerance);
    EXPECT_NEAR(Got.Y, Y, Tolerance);
    EXPECT_NEAR(Got.Z, Z, Tolerance);
}

TEST(FloatMod, TruncatedRemainder)
{
    struct {
        double Divisor, Value, Expected;
    } const Cases[] = {
        {6.283185307179586, 7.0, 7.0 - 6.283185307179586},
        {6.283185307179586, -7.0, -(7.0 - 6.283185307179586)},
        {3.0, 7.5, 1.5},
        {3.0, -7.5, -1.5},  // sign of Value, not floor-based
        {-3.0, 7.5, 1.5},
        {3.0, 2.0, 2.0},
        {3.0, 6.0, 0.0},
    };
    for (const auto& C : Cases)
        EXPECT_NEAR(FloatMod(C.Divisor, C.Value), C.Expected, 1e-15);
    EXPECT_TRUE(std::isnan(FloatMod(3.0, Inf)));
    EXPECT_TRUE(std::isnan(FloatMod(3.0, NaN)));
}

TEST(IntersectLinePlane, CutsOrRefusesParallel)
{
    const TPlane3D Plane{{0, 0, 2}, 4};  // z = -2
    TPoint3D P{9, 9, 9};
    ASSERT_TRUE(IntersectLinePlane({{1, 1, 5}, {0, 0, -1}}, Plane, P));
    ExpectPoint(P, 1, 1, -2);
    ASSERT_TRUE(IntersectLinePlane({{1, 1, 5}, {0, 0, 3}}, Plane, P));  // plane behind the origin
    ExpectPoint(P, 1, 1, -2);
    P = {9, 9, 9};
    EXPECT_FALSE(IntersectLinePlane({{1, 1, 5}, {1, 0, 0}}, Plane, P));
    EXPECT_FALSE(IntersectLinePlane({{1, 1, 5}, {NaN, 0, 1}}, Plane, P));
    ExpectPoint(P, 9, 9, 9);  // untouched
}

TEST(PointLineDistance, FootOfThePerpendicular)
{
    TPoint3D Foot{};
    EXPECT_DOUBLE_EQ(PointLineDistance({{0, 0, 0}, {2, 0, 0}}, {3, 4, 0}, Foot), 4.0);
    ExpectPoint(Foot, 3, 0, 0);
    EXPECT_NEAR(PointLineDistance({{1, 1, 1}, {1, 1, 0}}, {1, 1, 4}, Foot), 3.0, 1e-15);
    ExpectPoint(Foot, 1, 1, 1, 1e-15);
    EXPECT_TRUE(std::isnan(PointLineDistance({{1, 2, 3}, {0, 0, 0}}, {3, 4, 0}, Foot)));
    ExpectPoint(Foot, 1, 2, 3);
}

TEST(CalcViewPlane, FrontViewExample)
{
    TPoint3D Camera{7, 7, 7};
    TViewPlane V{};
    ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.0, 0.0, 100.0, 10.0, V));
    ExpectPoint(Camera, 0, 0, 10);
    ExpectPoint(V.Camera, 0, 0, 10);
    ExpectPoint(V.Center, 0, 0, -90);
    ExpectPoint(V.Plane.Normal, 0, 0, 100);
    EXPECT_EQ(V.Plane.Offset, 9000.0);
    ExpectPoint(V.Horizontal, 1, 0, 0);
    ExpectPoint(V.Up, 0, 100, 0);
    EXPECT_EQ(V.HalfWidth, 252);
    EXPECT_EQ(V.HalfHeight, 202);
}

TEST(CalcViewPlane, QuarterTurnNegatesUp)
{
    TPoint3D Camera{};
    TViewPlane V{};
    ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.0, M_PI / 2, 1.0, 10.0, V));
    ExpectPoint(V.Camera, 10, 0, 6.1e-16, 1e-16);
    ExpectPoint(V.Center, 9, 0, 5.5e-16, 1e-15);
    ExpectPoint(V.Horizontal, -6.1e-17, 0, 1, 1e-17);
    ExpectPoint(V.Up, 0, 1, 0, 1e-15);
    EXPECT_EQ(V.Horizontal.Y, 0.0);
}

TEST(CalcViewPlane, VerticalAngleIsReducedModuloTwoPi)
{
    struct {
        double Angle, Reduced;
    } const Cases[] = {{7.0, 7.0 - 6.283185307179586}, {-7.0, 6.283185307179586 - 7.0}};
    for (const auto& C : Cases) {
        TPoint3D Camera{}, Expected{};
        TViewPlane V{}, W{};
        ASSERT_TRUE(
            CalcViewPlane(Camera, PictureWidth, PictureHeight, C.Angle, 0.4, 50.0, 10.0, V));
        ASSERT_TRUE(
            CalcViewPlane(Expected, PictureWidth, PictureHeight, C.Reduced, 0.4, 50.0, 10.0, W));
        ExpectPoint(Camera, Expected.X, Expected.Y, Expected.Z, 1e-13);
    }
}

TEST(CalcViewPlane, RefusalsWriteNothing)
{
    struct {
        int32_t Width, Height;
        double Ver, Zoom;
        bool Ok;
        uint16_t HalfWidth, HalfHeight;
    } const Cases[] = {
        {505, 404, Inf, 100, false, 0, 0}, {505, 404, -Inf, 100, false, 0, 0},
        {505, 404, NaN, 100, false, 0, 0}, {505, 404, 0, 0, false, 0, 0},
        {505, 404, 0, -1, false, 0, 0},    {505, 404, 0, NaN, false, 0, 0},
        {9, 404, 0, 100, false, 0, 0},     {505, 9, 0, 100, false, 0, 0},
        {65536, 404, 0, 100, false, 0, 0}, {505, 65536, 0, 100, false, 0, 0},
        {10, 10, 0, 100, true, 5, 5},      {65535, 65535, 0, 100, true, 32767, 32767},
        {11, 13, 0, 100, true, 5, 6},
    };
    for (const auto& C : Cases) {
        TPoint3D Camera{1, 2, 3};
        TViewPlane V;
        std::memset(&V, 0xAB, sizeof V);
        TViewPlane Before;
        std::memcpy(&Before, &V, sizeof V);
        ASSERT_EQ(CalcViewPlane(Camera, C.Width, C.Height, C.Ver, 0.0, C.Zoom, 10.0, V), C.Ok)
            << C.Width << " x " << C.Height << " ver " << C.Ver << " zoom " << C.Zoom;
        if (C.Ok) {
            EXPECT_EQ(V.HalfWidth, C.HalfWidth);
            EXPECT_EQ(V.HalfHeight, C.HalfHeight);
        } else {
            EXPECT_EQ(std::memcmp(&V, &Before, sizeof V), 0);
            ExpectPoint(Camera, 1, 2, 3);
        }
    }
}

TEST(CalcViewPlane, ZoomBeyondDistancePutsCenterPastOrigin)
{
    TPoint3D Camera{};
    TViewPlane V{};
    ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.0, 0.0, 30.0, 10.0, V));
    ExpectPoint(V.Center, 0, 0, -20);
}

TEST(CalcViewPlane, NonPositiveDistanceKeepsTheCamera)
{
    TPoint3D Camera{0, 0, 0};
    TViewPlane V{};
    ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.0, 0.0, 1.0, 0.0, V));
    ExpectPoint(Camera, 0, 0, 0);
    ExpectPoint(V.Center, 0, 0, 1);
    Camera = {1, 2, 3};
    ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, M_PI / 6, 0.0, 2.0, -5.0, V));
    ExpectPoint(V.Camera, 1, 2, 3);
    ExpectPoint(V.Center, 1, 3, 3 + std::sqrt(3.0), 1e-15);
}

}  // namespace
