// The point under a pixel: the repaint's record names the point drawn there,
// the pick finds it or the nearest drawn pixel, and both are written as the
// status line and the command line write them.
#include "MainUnit/Picture/PointPick.h"

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "Proc3D/ExtendedMath.h"
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace MainUnit;

namespace {

TResultSet Cloud(int Count)
{
    std::mt19937_64 Random(12);
    std::uniform_real_distribution<double> Unit(-2.0, 2.0);
    TResultSet R;
    R.XIntervalFrom = R.YIntervalFrom = R.ZIntervalFrom = -2;
    R.XIntervalTo = R.YIntervalTo = R.ZIntervalTo = 2;
    for (int I = 0; I < Count; ++I) {
        R.Points.push_back({Unit(Random), Unit(Random), Unit(Random)});
        if (I % 10 == 0) R.Points.back().Y = SolveExp::UndefinedValue;
    }
    R.PointCount = Count;
    R.BoundingRadius = std::sqrt(12.0);
    return R;
}

// Every drawn pixel names a point that projects to it; with the depth buffer
// no point projecting there is nearer (nor as near and earlier), without it
// none projecting there comes later. Enough points for two cores, at a size
// other than the window's.
TEST(PointPick, RecordNamesThePointDrawnAtEachPixel)
{
    const TResultSet R = Cloud(160000);
    constexpr int32_t Width = 640, Height = 360;
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, Width, Height, 0.4, 0.9,
                                      FramedZoom(500.0, Width, Height), 9.0, View));
    for (const bool UseDepth : {false, true}) {
        std::vector<uint32_t> Pixels(Width * Height);
        std::vector<int32_t> Indexes(Pixels.size());
        TDepthBuffer Depth;
        ASSERT_TRUE(CreateDepthBuffer(Width, Height, Depth));
        ASSERT_TRUE(PaintGraph(R, View, {Pixels.data(), Width, Height, Indexes.data()}, true,
                               UseDepth ? &Depth : nullptr));
        std::vector<int32_t> Expected(Pixels.size(), NoPoint);
        std::vector<float> Nearest(Pixels.size(), 0.0f);
        for (int32_t I = 0; I < R.PointCount; ++I) {
            Proc3D::TPoint3D Place{};
            bool Undefined = false;
            int32_t X = 0, Y = 0;
            if (!PlaceOfPoint(R.Points[I], R, true, Place, Undefined) ||
                !Proc3D::ProjectPoint(View, Place, X, Y) || X < 0 || Y < 0 || X >= Width ||
                Y >= Height)
                continue;
            const size_t Pixel = static_cast<size_t>(Y) * Width + X;
            const float D = DepthEntryValue(Proc3D::DistanceBetween(Place, Camera));
            if (UseDepth && Expected[Pixel] != NoPoint && !(D < Nearest[Pixel])) continue;
            Expected[Pixel] = I;
            Nearest[Pixel] = D;
        }
        int Drawn = 0, Wrong = 0;
        for (size_t Pixel = 0; Pixel < Pixels.size(); ++Pixel) {
            Drawn += Indexes[Pixel] != NoPoint;
            Wrong += Indexes[Pixel] != Expected[Pixel];
        }
        EXPECT_EQ(Wrong, 0) << UseDepth;
        EXPECT_GT(Drawn, 20000) << UseDepth << " " << Drawn;
    }
}

TEST(PointPick, PixelElseNearestWithinThreePixels)
{
    constexpr int32_t Width = 20, Height = 10;
    std::vector<int32_t> Indexes(Width * Height, NoPoint);
    const auto Set = [&](int32_t X, int32_t Y, int32_t Index) { Indexes[Y * Width + X] = Index; };
    Set(5, 5, 1);
    Set(7, 5, 2);
    Set(0, 0, 3);
    Set(15, 2, 4);
    Set(17, 4, 5);  // as near to (16, 3) as point 4: later in row order
    const struct {
        int32_t X, Y, Index;
    } Cases[] = {{5, 5, 1},        {7, 5, 2},        {6, 5, 1},        {6, 6, 1},
                 {8, 7, 2},        {10, 5, 2},       {11, 5, NoPoint}, {3, 0, 3},
                 {3, 1, NoPoint},  {2, 2, 3},        {16, 3, 4},       {-1, 0, NoPoint},
                 {20, 0, NoPoint}, {0, 10, NoPoint}, {12, 8, NoPoint}};
    for (const auto& C : Cases)
        EXPECT_EQ(PickPoint(Indexes.data(), Width, Height, C.X, C.Y), C.Index) << C.X << "," << C.Y;
    EXPECT_EQ(PickPoint(nullptr, Width, Height, 5, 5), NoPoint);
}

TEST(PointPick, TextsInShortestForm)
{
    TResultSet R;
    R.Points = {{0.1, -2.5e-300, 3}, {-1e21, SolveExp::UndefinedValue, 1.0 / 3}};
    EXPECT_EQ(PointReading(R.Points[0]), "x = 0.1, y = -2.5e-300, z = 3");
    EXPECT_EQ(PointReading(R.Points[1]), "x = -1e+21, y = undefined, z = 0.3333333333333333");
    EXPECT_EQ(PickLine(4, 9, R, 0), "pick 4,9: x=0.1 y=-2.5e-300 z=3");
    EXPECT_EQ(PickLine(0, 0, R, 1), "pick 0,0: x=-1e+21 y=undefined z=0.3333333333333333");
    EXPECT_EQ(PickLine(504, 403, R, NoPoint), "pick 504,403: none");
    EXPECT_EQ(PickLine(1, 1, R, 2), "pick 1,1: none");
}

TEST(PointPick, ReadsAndPlacesTheOption)
{
    const struct {
        const char* Text;
        bool Read;
        int32_t X, Y;
    } Cases[] = {{"10,20", true, 10, 20},       {"0,0", true, 0, 0},    {"-1,5", true, -1, 5},
                 {"10", false, 0, 0},           {"10,", false, 0, 0},   {",3", false, 0, 0},
                 {"1.5,2", false, 0, 0},        {"1,2,3", false, 0, 0}, {" 1,2", false, 0, 0},
                 {"99999999999,1", false, 0, 0}};
    for (const auto& C : Cases) {
        int32_t X = 0, Y = 0;
        EXPECT_EQ(ReadPickOption(C.Text, X, Y) == TRefusal::None, C.Read) << C.Text;
        if (C.Read) {
            EXPECT_EQ(X, C.X) << C.Text;
            EXPECT_EQ(Y, C.Y) << C.Text;
        }
    }
    const auto Outside = [](int32_t X, int32_t Y) {
        const TPickRefusal Refusal = CheckPickInside(X, Y, 505, 404);
        return RefusalMessage(Refusal.Refusal, Refusal.Figures);
    };
    EXPECT_EQ(Outside(504, 403), "");
    EXPECT_EQ(Outside(505, 0), "'--pick' 505,0 lies outside the 505 x 404 picture.");
    EXPECT_EQ(Outside(0, -1), "'--pick' 0,-1 lies outside the 505 x 404 picture.");
}

}  // namespace
