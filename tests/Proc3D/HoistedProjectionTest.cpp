// The projections used by the repaint loop against ProjectPoint, point by
// point: the hoisted one must give the same result always, the screened
// estimate must never claim a pixel (or that a point is off the picture)
// unless ProjectPoint agrees.
#include "Proc3D/HoistedProjection.h"

#include "Proc3D/Proc3D.h"
#include "Proc3D/ScreenedProjection.h"
#include "TestPicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>

using namespace Proc3D;
using Proc3DTest::PictureHeight;
using Proc3DTest::PictureWidth;

namespace {

struct TTally {
    long Pixel = 0, Outside = 0, Unsure = 0, Wrong = 0;
};

void CheckPoint(const TViewPlane& View, const TProjector& Projector, const TScreen& Screen,
                const TPoint3D& P, int32_t Width, int32_t Height, TTally& Tally)
{
    int32_t RX = 0, RY = 0, HX = 0, HY = 0, SX = 0, SY = 0;
    const bool Ok = ProjectPoint(View, P, RX, RY);
    const bool HoistedOk = Project(Projector, P, HX, HY);
    const bool Inside = Ok && RX >= 0 && RX < Width && RY >= 0 && RY < Height;
    bool Right = HoistedOk == Ok && (!Ok || (HX == RX && HY == RY));
    switch (Screen.Usable ? ScreenPoint(Screen, P, SX, SY) : TScreenResult::Unsure) {
    case TScreenResult::Pixel:
        ++Tally.Pixel;
        Right = Right && Inside && SX == RX && SY == RY;
        break;
    case TScreenResult::Outside:
        ++Tally.Outside;
        Right = Right && !Inside;
        break;
    case TScreenResult::Unsure:
        ++Tally.Unsure;
        break;
    }
    if (!Right && ++Tally.Wrong <= 3) {
        ADD_FAILURE() << "point (" << P.X << ", " << P.Y << ", " << P.Z << "): exact " << Ok << " ("
                      << RX << ", " << RY << "), hoisted " << HoistedOk << " (" << HX << ", " << HY
                      << "), estimate (" << SX << ", " << SY << ")";
    }
}

TEST(ScreenedProjection, AgreesWithProjectPointAtRandomViews)
{
    std::mt19937_64 Random(31337);
    std::uniform_real_distribution<double> Angle(-1.5707, 1.5707), Unit(-1.0, 1.0);
    std::uniform_real_distribution<double> LogZoom(-1.0, 4.5), Factor(1.0001, 50.0),
        LogScale(-8.0, 12.0);
    TTally Tally, Ordinary;  // Ordinary: scenes up to a million units across
    int Bounded = 0;         // views with one margin for the whole scene
    for (int Case = 0; Case < 300; ++Case) {
        const double Scale = std::pow(10.0, LogScale(Random));
        TPoint3D Camera{};
        TViewPlane View{};
        const double H =
            Case % 5 == 0 ? 3.14159265358979 * (Case % 2 ? 1 : -1) : 2.0 * Angle(Random);
        ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, Angle(Random), H,
                                  std::pow(10.0, LogZoom(Random)),
                                  Factor(Random) * Scale * std::sqrt(3.0), View));
        const TProjector Projector = MakeProjector(View);
        TScreen Screen = MakeScreen(Projector, PictureWidth, PictureHeight);
        // Every other view with one margin over a box, part of the scene.
        if (Case % 2 == 1) BoundScreenMargin(Screen, {-Scale, -Scale, -Scale}, {Scale, Scale, 0});
        Bounded += Screen.ViewMargin > 0.0;
        for (int K = 0; K < 5000; ++K) {
            CheckPoint(View, Projector, Screen,
                       {Unit(Random) * Scale, Unit(Random) * Scale, Unit(Random) * Scale},
                       PictureWidth, PictureHeight, Scale <= 1e6 ? Ordinary : Tally);
        }
    }
    EXPECT_EQ(Tally.Wrong + Ordinary.Wrong, 0);
    // In ordinary scenes the estimate must decide nearly every point, or the
    // repaint is not fast.
    EXPECT_GT(Ordinary.Pixel + Ordinary.Outside, 1000 * Ordinary.Unsure)
        << Ordinary.Unsure << " unsure";
    EXPECT_GT(Ordinary.Pixel, 10000);
    EXPECT_GT(Bounded, 60);
}

// Half-pixel ties of the front view, points in the camera's parallel plane
// and points far outside: the estimate must step aside for all of them.
TEST(ScreenedProjection, StepsAsideOnTiesAndDegenerateSightLines)
{
    TPoint3D Camera{};
    TViewPlane View{};
    ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.0, 0.0, 100.0, 10.0, View));
    const TProjector Projector = MakeProjector(View);
    for (bool Bounded : {false, true}) {
        TScreen Screen = MakeScreen(Projector, PictureWidth, PictureHeight);
        ASSERT_TRUE(Screen.Usable);
        if (Bounded) BoundScreenMargin(Screen, {-15, -12.5, 0}, {15, 12.5, 0});
        EXPECT_EQ(Screen.ViewMargin > 0.0, Bounded);
        TTally Tally;
        for (int I = -300; I <= 300; ++I) {
            for (int J = -250; J <= 250; J += 5)
                CheckPoint(View, Projector, Screen, {I * 0.05, J * 0.05, 0}, PictureWidth,
                           PictureHeight, Tally);
        }
        const TPoint3D Odd[] = {
            {0, 0, 10}, {3, 4, 10}, {1e300, 0, 0}, {0, -1e300, 5}, {1, 0, 10 - 1e-12}};
        for (const TPoint3D& P : Odd)
            CheckPoint(View, Projector, Screen, P, PictureWidth, PictureHeight, Tally);
        EXPECT_EQ(Tally.Wrong, 0);
        EXPECT_GT(Tally.Unsure, 1000);  // every odd multiple of 0.05 on either axis is a tie
    }
}

// Sight lines folded from points before a per-axis scale and shift, as a
// box maps them: the estimate must still name only the pixel ProjectPoint
// gives the mapped place, here with shifts far larger than the mapped cube
// (a result set far from the origin) and cameras close to it.
TEST(ScreenedProjection, FoldedSightLinesAgreeWithTheMappedPlace)
{
    struct TFoldCase {
        double Centre, Width, Distance;
        bool Bounded;
    };
    const TFoldCase Cases[] = {{5, 2, 3, true},          {1e4, 2, 2, true},
                               {-3e3, 1e-3, 1.5, true},  {0.0, 10, 1.5, true},
                               {-7e5, 1e4, 1.2, true},   {250, 1e-6, 2, true},
                               {1e7, 2, 2, true},        {4e15, 0.5, 1.5, true},
                               {1e12, 3, 1.0001, false}, {2.5e8, 1e-6, 1.05, false}};
    std::mt19937_64 Random(77);
    std::uniform_real_distribution<double> Unit(-1.0, 1.0);
    int Folds = 0;
    for (const TFoldCase& C : Cases) {
        // The points' own span C.Width about C.Centre onto [-1, 1].
        const TPoint3D Scale{2.0 / C.Width, 1.0 / C.Width, 2.0 / C.Width};
        const TPoint3D Shift{-C.Centre * Scale.X, -C.Centre * Scale.Y, -C.Centre * Scale.Z};
        TPoint3D Camera{};
        TViewPlane View{};
        ASSERT_TRUE(CalcViewPlane(Camera, PictureWidth, PictureHeight, 0.4, 2.2, 300.0,
                                  C.Distance * std::sqrt(2.25), View));
        TScreen Screen = MakeScreen(MakeProjector(View), PictureWidth, PictureHeight);
        FoldSights(Screen, Shift);
        if (C.Bounded) BoundScreenMargin(Screen, {-1, -0.5, -1}, {1, 0.5, 1});
        TTally Tally;
        for (int K = 0; K < 20000; ++K) {
            const TPoint3D P{C.Centre + Unit(Random) * C.Width / 2,
                             C.Centre + Unit(Random) * C.Width / 2,
                             C.Centre + Unit(Random) * C.Width / 2};
            const TPoint3D Place{P.X * Scale.X + Shift.X, P.Y * Scale.Y + Shift.Y,
                                 P.Z * Scale.Z + Shift.Z};
            const TPoint3D Sight{P.X * Scale.X + (Shift.X - Screen.Camera.X),
                                 P.Y * Scale.Y + (Shift.Y - Screen.Camera.Y),
                                 P.Z * Scale.Z + (Shift.Z - Screen.Camera.Z)};
            int32_t RX = 0, RY = 0, SX = 0, SY = 0;
            const bool Ok = ProjectPoint(View, Place, RX, RY);
            const bool Inside = Ok && RX >= 0 && RX < PictureWidth && RY >= 0 && RY < PictureHeight;
            const TScreenResult Result =
                Screen.Usable ? ScreenSight<true>(Screen, Sight, SX, SY) : TScreenResult::Unsure;
            Tally.Pixel += Result == TScreenResult::Pixel;
            Tally.Wrong += (Result == TScreenResult::Pixel && !(Inside && SX == RX && SY == RY)) ||
                           (Result == TScreenResult::Outside && Inside);
        }
        EXPECT_EQ(Tally.Wrong, 0) << C.Centre << " " << C.Width << " " << C.Distance;
        // Where the view's margin holds, the estimate still decides; the
        // painter folds only then.
        if (Screen.ViewMargin > 0.0) {
            EXPECT_GT(Tally.Pixel, 10000) << C.Centre << " " << C.Width;
        }
        Folds += Screen.ViewMargin > 0.0;
    }
    EXPECT_GE(Folds, 4);  // the ordinary centres
}

}  // namespace
