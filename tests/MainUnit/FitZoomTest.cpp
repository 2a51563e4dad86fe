// The fitting zoom against the projection itself: the outline of the
// bounding sphere must touch the picture's shorter side.
#include "MainUnit/Picture/FitZoom.h"

#include "Proc3D/Proc3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Proc3D::TPoint3D;

TPoint3D Along(const TPoint3D& From, const TPoint3D& A, double KA, const TPoint3D& B, double KB)
{
    return {From.X + KA * A.X + KB * B.X, From.Y + KA * A.Y + KB * B.Y,
            From.Z + KA * A.Z + KB * B.Z};
}

TPoint3D Unit(const TPoint3D& V, double Sign = 1)
{
    const double Length = std::sqrt(V.X * V.X + V.Y * V.Y + V.Z * V.Z);
    return {Sign * V.X / Length, Sign * V.Y / Length, Sign * V.Z / Length};
}

struct TFitCase {
    double Radius, DistanceFactor, Ver, Hor;
};

}  // namespace

TEST(FitZoom, TheOutlineOfTheSphereTouchesTheShorterSide)
{
    const TFitCase Cases[] = {{std::sqrt(201.0), 1.5, 0.5, 0.7},
                              {1, 1.001, 0, 0},
                              {1e-3, 1000, -1.2, 3},
                              {5e6, 2, 1.5, -2},
                              {17.3, 10, 0.3, 999}};
    for (const TFitCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Radius << " " << Case.DistanceFactor);
        const double Distance = Case.Radius * Case.DistanceFactor;
        double Zoom = 0;
        ASSERT_TRUE(MainUnit::FitZoom(Case.Radius, Distance, 404, Zoom));
        TPoint3D Camera{};
        Proc3D::TViewPlane View{};
        ASSERT_TRUE(
            Proc3D::CalcViewPlane(Camera, 505, 404, Case.Ver, Case.Hor, Zoom, Distance, View));
        // A tangent point of the sight cone: it lies on the sphere, seen at
        // the cone's half-angle off the axis, above, below, left and right.
        const TPoint3D Axis = Unit(Camera, -1);
        const double Length = std::sqrt(Distance * Distance - Case.Radius * Case.Radius);
        const double Cos = Length / Distance, Sin = Case.Radius / Distance;
        const struct {
            TPoint3D Side;
            int ExpectedX, ExpectedY;
        } Touches[] = {{Unit(View.Up), -1, 0},
                       {Unit(View.Up, -1), -1, 404},
                       {Unit(View.Horizontal), 252 - 202, -1},
                       {Unit(View.Horizontal, -1), 252 + 202, -1}};
        int Seen = 0;
        for (const auto& Touch : Touches) {
            const TPoint3D P = Along(Camera, Axis, Length * Cos, Touch.Side, Length * Sin);
            EXPECT_NEAR(std::sqrt(P.X * P.X + P.Y * P.Y + P.Z * P.Z), Case.Radius,
                        1e-9 * Case.Radius);
            int32_t X = 0, Y = 0;
            ASSERT_TRUE(Proc3D::ProjectPoint(View, P, X, Y));
            if (Touch.ExpectedY >= 0) {
                EXPECT_NEAR(Y, Touch.ExpectedY, 1);
                EXPECT_NEAR(X, 252, 1);
            } else {
                // Left or right: which one depends on the way Horizontal points.
                EXPECT_NEAR(std::abs(X - 252), 202, 1);
                EXPECT_NEAR(Y, 202, 1);
                Seen += X < 252 ? 1 : 2;
            }
        }
        EXPECT_EQ(Seen, 3);  // one on each side
    }
}

TEST(FitZoom, NoZoomFitsACameraOnOrInsideTheSphereOrNonFiniteValues)
{
    const double Inf = std::numeric_limits<double>::infinity();
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const double Refused[][2] = {{10, 10}, {10, 9},  {0, 5},     {-1, 5},        {NaN, 5},
                                 {1, NaN}, {1, Inf}, {Inf, Inf}, {1e-320, 1e300}};
    for (const auto& [Radius, Distance] : Refused) {
        double Zoom = 7;
        EXPECT_FALSE(MainUnit::FitZoom(Radius, Distance, 404, Zoom)) << Radius << " " << Distance;
        EXPECT_EQ(Zoom, 7);
    }
}
