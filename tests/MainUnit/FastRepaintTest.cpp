// The fast point loop must paint exactly the picture of the straightforward
// one: every pixel, every depth entry and the point recorded for every pixel,
// at any view and for any result set.
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/FillWords.h"
#include "MainUnit/Picture/Internal/PaintPath.h"
#include "SolveExp/SolveExp.h"
#include "tests/Support/SanitizerBuild.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <malloc.h>
#include <random>
#include <utility>
#include <vector>

using namespace MainUnit;
using Proc3D::TPoint3D;

namespace {

// Paints R the straightforward way and the fast way, on one thread and
// split over two whatever the machine has, through the best copy of the
// loop and the baseline one, and counts the pixels, depth entries and
// recorded points in which any fast picture differs.
int CountDifferences(const TResultSet& R, const Proc3D::TViewPlane& View, int32_t Width,
                     int32_t Height, bool ShowUndefined, bool UseDepth,
                     const TPointStyle& Style = {})
{
    const size_t Size = static_cast<size_t>(Width) * static_cast<size_t>(Height);
    std::vector<uint32_t> Reference(Size, 0x123456);
    // Whatever was recorded before must not survive the repaint.
    std::vector<int32_t> ReferenceIndexes(Size, 8);
    TDepthBuffer ReferenceDepth;
    EXPECT_TRUE(CreateDepthBuffer(Width, Height, ReferenceDepth));
    EXPECT_TRUE(PaintGraphReference(R, View,
                                    {Reference.data(), Width, Height, ReferenceIndexes.data()},
                                    ShowUndefined, UseDepth ? &ReferenceDepth : nullptr, Style));
    int Differences = 0;
    for (const auto& [Cores, Path] :
         {std::pair{TCores::One, TPaintPath::Best}, std::pair{TCores::Two, TPaintPath::Best},
          std::pair{TCores::One, TPaintPath::Baseline},
          std::pair{TCores::Two, TPaintPath::Baseline}}) {
        std::vector<uint32_t> Fast(Size, 0x123456);
        std::vector<int32_t> FastIndexes(Size, 7);
        TDepthBuffer FastDepth;
        EXPECT_TRUE(CreateDepthBuffer(Width, Height, FastDepth));
        EXPECT_TRUE(PaintGraphOn(Path, R, View, {Fast.data(), Width, Height, FastIndexes.data()},
                                 ShowUndefined, UseDepth ? &FastDepth : nullptr, Cores, Style,
                                 nullptr));
        for (size_t I = 0; I < Size; ++I) {
            Differences += Fast[I] != Reference[I];
            Differences += FastDepth.Depths[I] != ReferenceDepth.Depths[I];
            Differences += FastIndexes[I] != ReferenceIndexes[I];
        }
    }
    return Differences;
}

TResultSet RandomResults(std::mt19937_64& Random, double Scale, int Count)
{
    std::uniform_real_distribution<double> Unit(-1.0, 1.0);
    TResultSet R;
    R.XIntervalFrom = R.YIntervalFrom = R.ZIntervalFrom = -Scale;
    R.XIntervalTo = R.YIntervalTo = R.ZIntervalTo = Scale;
    R.YIntervalFrom = -0.8 * Scale;  // some defined points lie outside the Y range
    R.Points.resize(static_cast<size_t>(Count));
    for (auto& P : R.Points) {
        P = {Unit(Random) * Scale, Unit(Random) * Scale, Unit(Random) * Scale};
        if (Unit(Random) > 0.9) P.Y = SolveExp::UndefinedValue;
    }
    R.PointCount = Count;
    R.BoundingRadius = std::sqrt(3.0) * Scale;
    return R;
}

struct TView {
    double Ver, Hor, Zoom;
};

// Paints R both ways at each view from Distance, with and without the depth
// buffer, and expects no difference.
void ExpectSamePictures(const TResultSet& R, std::initializer_list<TView> Views, double Distance)
{
    for (const TView& V : Views) {
        TPoint3D Camera{};
        Proc3D::TViewPlane View{};
        ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, GraphWidth, GraphHeight, V.Ver, V.Hor, V.Zoom,
                                          Distance, View));
        for (bool Depth : {false, true}) {
            EXPECT_EQ(CountDifferences(R, View, GraphWidth, GraphHeight, true, Depth), 0)
                << V.Ver << " " << V.Hor << " " << Depth;
        }
    }
}

TEST(FastRepaint, SamePictureAtRandomViews)
{
    std::mt19937_64 Random(99);
    std::uniform_real_distribution<double> Angle(-1.5707, 1.5707), Wide(-999.0, 999.0);
    std::uniform_real_distribution<double> LogZoom(-1.0, 4.0), Factor(1.001, 30.0),
        LogScale(-6.0, 9.0);
    for (int Case = 0; Case < 120; ++Case) {
        const double Scale = std::pow(10.0, LogScale(Random));
        const TResultSet R = RandomResults(Random, Scale, 20000);
        TPoint3D Camera{};
        Proc3D::TViewPlane View{};
        const double H = Case % 3 == 0 ? Wide(Random) : Angle(Random) * 2.0;
        ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, GraphWidth, GraphHeight, Angle(Random), H,
                                          std::pow(10.0, LogZoom(Random)),
                                          Factor(Random) * R.BoundingRadius, View));
        const bool Depth = Case % 2 == 0, Show = Case % 4 < 2;
        EXPECT_EQ(CountDifferences(R, View, GraphWidth, GraphHeight, Show, Depth), 0)
            << "case " << Case;
    }
}

// Points on a fine lattice of the front view fall exactly on half pixels, the
// ties that rounding to even decides; views almost along an axis make a
// component of the normal pure rounding noise.
TEST(FastRepaint, SamePictureOnTiesAndNearAxisViews)
{
    TResultSet R;
    R.XIntervalFrom = R.YIntervalFrom = R.ZIntervalFrom = -5;
    R.XIntervalTo = R.YIntervalTo = R.ZIntervalTo = 5;
    for (int I = -100; I <= 100; ++I) {
        for (int J = -100; J <= 100; ++J)
            R.Points.push_back({I * 0.05, J * 0.05, (I + J) % 3 * 0.5});
    }
    R.PointCount = static_cast<int32_t>(R.Points.size());
    R.BoundingRadius = std::sqrt(75.0);
    ExpectSamePictures(R,
                       {{0, 0, 100},
                        {0, 3.14159265358979, 100},
                        {0, 1.5707963267949, 250},
                        {1e-15, 0, 50},
                        {0.3, -1.5707963267949, 77},
                        {1.5707, 0.2, 300}},
                       10.0);
}

// Many points on the same pixels, so that any change of order between the
// halves would show.
TEST(FastRepaint, SamePictureWhenSplitOverTwoCores)
{
    std::mt19937_64 Random(4);
    const TResultSet R = RandomResults(Random, 2.0, 150000);
    ExpectSamePictures(R, {{0.5, 0.7, 100}, {-0.3, 2.5, 30}, {0.0, 3.14159265358979, 200}}, 6.0);
}

// Points in the order of a grid, as a calculation leaves them: the halves
// draw apart and meet along a line, so most of the picture takes nothing
// from the second half and some pixels and cache lines take part of it.
TEST(FastRepaint, SamePictureWhenTheHalvesDrawApart)
{
    TResultSet R;
    R.XIntervalFrom = R.YIntervalFrom = R.ZIntervalFrom = -1;
    R.XIntervalTo = R.YIntervalTo = R.ZIntervalTo = 1;
    for (int I = 0; I < 300; ++I) {
        for (int J = 0; J < 300; ++J)
            R.Points.push_back({I / 150.0 - 1, (I - J) * (I + J) / 90000.0, J / 150.0 - 1});
    }
    R.PointCount = static_cast<int32_t>(R.Points.size());
    R.BoundingRadius = std::sqrt(3.0);
    ExpectSamePictures(R, {{0.5, 0.7, 100}, {-0.3, 2.5, 300}, {1.2, -0.4, 60}}, 4.0);
}

TEST(FastRepaint, TiesBetweenTheHalvesOfTwoCoresDecideAsInOneOrder)
{
    // The second half repeats the first half's places as undefined points:
    // the same pixels at the same depths, but white instead of coloured: the
    // later point wins exactly where its distance was rounded up when stored.
    std::mt19937_64 Random(5);
    TResultSet R = RandomResults(Random, 2.0, 120000);
    for (size_t I = 0; I < 60000; ++I) {
        R.Points[I].Y = 0.0;
        R.Points[I + 60000] = {R.Points[I].X, SolveExp::UndefinedValue, R.Points[I].Z};
    }
    ExpectSamePictures(R, {{0.5, 0.7, 150}}, 6.0);
    // So small that depths round to 0, which also means "nothing drawn yet":
    // the halves cannot be combined and are painted one after the other.
    const TResultSet Tiny = RandomResults(Random, 1e-50, 120000);
    ExpectSamePictures(Tiny, {{0.5, 0.7, 1e-48}}, 6e-50);
}

// Scaled to a box: flat and tall result sets become cubes, the points are
// moved before they are projected, the depth range is the cube's, and
// undefined points sit at the cube's height for 0 in their own colour.
// Result sets far from the origin have large shifts, whose roundings the
// mapping folded into the sight lines must allow for, and a camera close to
// the cube sees some points at a slant.
TEST(FastRepaint, SamePictureScaledToABox)
{
    std::mt19937_64 Random(6);
    struct TBoxCase {
        double XZScale, YScale, Offset, Distance;
    };
    const TBoxCase Cases[] = {{10, 1e-3, 5, 1.001},  {1, 400, 5, 1.001},     {1e-4, 1e5, 5, 1.001},
                              {3e5, 3e5, 5, 1.001},  {1, 1, 1e7, 1.001},     {1e-3, 10, -3e9, 1.2},
                              {0.5, 0.5, 4e15, 1.5}, {2, 1e-6, 1e12, 1.0001}};
    for (const TBoxCase& Case : Cases) {
        TResultSet R = RandomResults(Random, Case.XZScale, 150000);
        for (auto& P : R.Points) {
            if (P.Y != SolveExp::UndefinedValue)
                P.Y = P.Y / Case.XZScale * Case.YScale + Case.Offset;
            P.X += Case.Offset;
            P.Z -= Case.Offset;
        }
        R.XIntervalFrom += Case.Offset;
        R.XIntervalTo += Case.Offset;
        R.ZIntervalFrom -= Case.Offset;
        R.ZIntervalTo -= Case.Offset;
        R.YIntervalFrom = -0.8 * Case.YScale + Case.Offset;
        R.YIntervalTo = Case.YScale + Case.Offset;
        const TBoxMapping Box = MakeBoxMapping(R);
        const TPointStyle Style{&Box, UndefinedOnLightColor};
        for (const TView V : {TView{0.5, 0.7, 200}, TView{-0.4, 2.9, 60}, TView{0, 0, 100}}) {
            TPoint3D Camera{};
            Proc3D::TViewPlane View{};
            ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, GraphWidth, GraphHeight, V.Ver, V.Hor, V.Zoom,
                                              Case.Distance * Box.Radius, View));
            for (bool Depth : {false, true})
                EXPECT_EQ(CountDifferences(R, View, GraphWidth, GraphHeight, true, Depth, Style), 0)
                    << Case.XZScale << " " << Case.YScale << " " << Case.Offset << " " << V.Hor
                    << " " << Depth;
        }
    }
}

// Points beyond the box their result set declares (their sight lines lie
// beyond the view's one margin), heights that are not numbers, and point
// counts that do not fill the last block of the vector loop, or give a half
// fewer blocks than the loop estimates ahead of drawing, with and without
// the box, undefined points shown or not.
TEST(FastRepaint, SamePictureWithPointsBeyondTheirBox)
{
    std::mt19937_64 Random(11);
    for (const int Count : {20003, 4097, 12, 9, 5, 3}) {
        TResultSet R = RandomResults(Random, 2.0, Count);
        for (size_t I = 0; I < R.Points.size(); I += 7)
            R.Points[I] = {R.Points[I].X * 40.0, R.Points[I].Y, R.Points[I].Z * -25.0};
        for (size_t I = 3; I < R.Points.size(); I += 11)
            R.Points[I].Y = I % 2 == 0 ? NAN : R.Points[I].Y * 1.5;
        const TBoxMapping Box = MakeBoxMapping(R);
        for (const TPointStyle& Style : {TPointStyle{}, TPointStyle{&Box, UndefinedOnLightColor}}) {
            TPoint3D Camera{};
            Proc3D::TViewPlane View{};
            ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, GraphWidth, GraphHeight, 0.6, -2.1, 90.0,
                                              3.0 * R.BoundingRadius, View));
            for (const auto& [Show, Depth] : {std::pair{true, false}, std::pair{false, true},
                                              std::pair{true, true}, std::pair{false, false}})
                EXPECT_EQ(CountDifferences(R, View, GraphWidth, GraphHeight, Show, Depth, Style), 0)
                    << Count << " " << (Style.Box != nullptr) << " " << Show << " " << Depth;
        }
    }
}

// Points at the distances where the depth factor of the box's depth range
// is a whole number, each reached through a rounded place: only the exact
// distance decides their shade.
TEST(FastRepaint, SamePictureAtWholeDepthFactors)
{
    std::mt19937_64 Random(12);
    TResultSet R = RandomResults(Random, 2.0, 40001);
    TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, GraphWidth, GraphHeight, 0.4, 0.8, 120.0,
                                      3.0 * R.BoundingRadius, View));
    const TDepthRange Range = CalcDepthRange(View.Camera, R);
    const double Near = static_cast<double>(Range.Near), Far = static_cast<double>(Range.Far);
    for (size_t I = 0; I < R.Points.size(); ++I) {
        TPoint3D& P = R.Points[I];
        const TPoint3D C = View.Camera;
        const TPoint3D Toward{P.X - C.X, (P.Y == SolveExp::UndefinedValue ? 0.0 : P.Y) - C.Y,
                              P.Z - C.Z};
        const double Length =
            std::sqrt(Toward.X * Toward.X + Toward.Y * Toward.Y + Toward.Z * Toward.Z);
        const double Whole = Near + (Far - Near) * static_cast<double>(I % 206) / 205.0;
        const double K = Whole / Length;
        const bool Undefined = P.Y == SolveExp::UndefinedValue;
        P = {C.X + Toward.X * K, C.Y + Toward.Y * K, C.Z + Toward.Z * K};
        if (Undefined) P.Y = SolveExp::UndefinedValue;
    }
    for (bool Show : {false, true})
        EXPECT_EQ(CountDifferences(R, View, GraphWidth, GraphHeight, Show, true), 0) << Show;
}

TEST(FastRepaint, SamePictureAtOddPictureSizes)
{
    std::mt19937_64 Random(5);
    const TResultSet R = RandomResults(Random, 3.0, 5000);
    const int32_t Sizes[][2] = {{10, 10}, {11, 13}, {64, 1000}, {1000, 17}};
    for (const auto& Size : Sizes) {
        TPoint3D Camera{};
        Proc3D::TViewPlane View{};
        ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, Size[0], Size[1], 0.4, 0.9, 40.0, 8.0, View));
        for (bool Depth : {false, true})
            EXPECT_EQ(CountDifferences(R, View, Size[0], Size[1], true, Depth), 0)
                << Size[0] << " x " << Size[1] << " " << Depth;
    }
}

// The fills of the picture, the record and the second half's pixels: every
// word of any count and start, and not one beyond.
TEST(FastRepaint, FillsEveryWordAndNoMore)
{
    for (size_t Start = 0; Start < 4; ++Start) {
        for (size_t Count = 0; Count < 11; ++Count) {
            std::vector<uint32_t> Words(16, 7);
            FillWords(Words.data() + Start, Count, 0xFF000000u);
            for (size_t I = 0; I < Words.size(); ++I)
                EXPECT_EQ(Words[I], I >= Start && I < Start + Count ? 0xFF000000u : 7u)
                    << Start << " " << Count << " " << I;
        }
    }
}

size_t HeapInUse()
{
    const struct mallinfo2 Info = mallinfo2();
    return Info.uordblks + Info.hblkhd;
}

// A repaint on two cores keeps its memory only in the scratch it is given,
// which gives it all back on Release: nothing stays behind otherwise.
TEST(FastRepaint, TwoCoreMemoryStaysWithTheCaller)
{
    if (ShadowSanitizerBuild) GTEST_SKIP() << "the sanitizer keeps its own heap";
    std::mt19937_64 Random(8);
    const TResultSet R = RandomResults(Random, 2.0, 60000);
    TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, 1000, 1000, 0.5, 0.7, 300, 6.0, View));
    std::vector<uint32_t> Pixels(1000000);
    std::vector<int32_t> Indexes(1000000);
    TDepthBuffer Depth;
    ASSERT_TRUE(CreateDepthBuffer(1000, 1000, Depth));
    const TPixelArray Picture{Pixels.data(), 1000, 1000, Indexes.data()};
    // Twelve bytes a pixel at least in the second half: far above the slack.
    const size_t Slack = 1000000;
    for (bool WithScratch : {false, true}) {
        TPaintScratch Scratch;
        const size_t Before = HeapInUse();
        ASSERT_TRUE(PaintGraph(R, View, Picture, true, &Depth, TCores::Two, {},
                               WithScratch ? &Scratch : nullptr));
        EXPECT_EQ(HeapInUse() > Before + Slack, WithScratch) << WithScratch;
        Scratch.Release();
        EXPECT_LT(HeapInUse(), Before + Slack) << WithScratch;
    }
}

}  // namespace
