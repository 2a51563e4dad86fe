#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "SolveExp/SolveExp.h"
#include "tests/Support/SanitizerBuild.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sys/resource.h>
#include <vector>

using namespace MainUnit;
using Proc3D::HeightColor;
using Proc3D::ShadeColor;
using Proc3D::TPoint3D;

namespace {

TEST(HeightIndex, ScaleAndIndex)
{
    const long double Scale = HeightScale(0.0, 2.0);
    EXPECT_EQ(Scale, 737.5L);
    struct {
        double Y;
        uint32_t Index;
    } const Cases[] = {{0.0, 0},
                       {2.0, 1475},
                       {1.0, 737},
                       {0.2, 147},
                       {-1.0, 0},
                       {1e300, 1536},
                       {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& C : Cases)
        EXPECT_EQ(HeightIndex(C.Y, 0.0, Scale), C.Index) << C.Y;
    EXPECT_EQ(HeightScale(3.0, 3.0), 0.0L);  // a constant function: every Y at index 0
    EXPECT_EQ(HeightScale(5.0, 2.0), 0.0L);
    EXPECT_EQ(HeightIndex(3.0, 3.0, HeightScale(3.0, 3.0)), 0u);
    EXPECT_EQ(HeightColor(HeightIndex(-1.7e308, -1.7e308, HeightScale(-1.7e308, 1.7e308))),
              0xFF00FFu);
    EXPECT_EQ(HeightColor(HeightIndex(1.7e308, -1.7e308, HeightScale(-1.7e308, 1.7e308))),
              0xC3C3FFu);
}

TResultSet Box(double XZ, double YFrom, double YTo)
{
    TResultSet R;
    R.XIntervalFrom = R.ZIntervalFrom = -XZ;
    R.XIntervalTo = R.ZIntervalTo = XZ;
    R.YIntervalFrom = YFrom;
    R.YIntervalTo = YTo;
    return R;
}

TEST(DepthRange, CornersAndFactor)
{
    const TDepthRange Range = CalcDepthRange({0, 0, 10}, Box(1, -1, 1));
    EXPECT_DOUBLE_EQ(static_cast<double>(Range.Near), std::sqrt(83.0));
    EXPECT_DOUBLE_EQ(static_cast<double>(Range.Far), std::sqrt(123.0));
    struct {
        long double Distance;
        uint8_t Factor;
    } const Cases[] = {
        {Range.Near, 0},
        {Range.Near - 1, 0},  // nearer than the nearest corner
        {(Range.Near + Range.Far) / 2, 102},
        {Range.Near + (Range.Far - Range.Near) * (100.9L / 205), 100},  // truncated
        {Range.Far + 100, 255},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(DepthFactor(Range, C.Distance), C.Factor);
    const uint8_t AtFar = DepthFactor(Range, Range.Far);
    EXPECT_TRUE(AtFar == 205 || AtFar == 204) << +AtFar;
}

TEST(DepthRange, NoSpreadGivesFactorZero)
{
    const TDepthRange Point = CalcDepthRange({3, 4, 5}, Box(0, 0, 0));
    const TDepthRange Segment = CalcDepthRange({0, 0, 10}, Box(1, 0, 0));  // Z [-1, 1]: not equal
    TResultSet Symmetric;
    Symmetric.XIntervalFrom = -1;
    Symmetric.XIntervalTo = 1;  // Y and Z [0, 0]: both ends equally far from (0, 0, 10)
    const TDepthRange Flat = CalcDepthRange({0, 0, 10}, Symmetric);
    for (long double D : {0.0L, 1.0L, 7.0710678L, 1e30L}) {
        EXPECT_EQ(DepthFactor(Point, D), 0);
        EXPECT_EQ(DepthFactor(Flat, D), 0);
    }
    EXPECT_GT(Segment.Far, Segment.Near);
}

TEST(DepthBuffer, TestAndStoreSequence)
{
    TDepthBuffer Buffer;
    ASSERT_TRUE(CreateDepthBuffer(4, 3, Buffer));
    struct {
        int32_t X, Y;
        long double Distance;
        bool Drawn;
        float Stored;
    } const Steps[] = {
        {1, 2, 5.0L, true, 5.0f},
        {1, 2, 5.0L, false, 5.0f},  // equal keeps the first
        {1, 2, 6.0L, false, 5.0f},
        {1, 2, 4.5L, true, 4.5f},
        {2, 1, 1e39L, true, 3.4e38f},
        {2, 1, 3.5e38L, false, 3.4e38f},
        {2, 1, 1e30L, true, 1e30f},
        {0, 0, 1.00000001L, true, 1.0f},
        {0, 0, 1.000000005L, false, 1.0f},  // beyond the stored float: hidden
        {0, 0, 0.99999999L, true, 1.0f},    // below it, though stored as the same float
        {0, 0, 0.9999999L, true, 0.9999999f},
        {3, 0, 9.50473565L, true, 9.50473565f},       // the float rounds up ...
        {3, 0, 9.50473565L, true, 9.50473565f},       // ... so the same distance lies below it
        {3, 1, 9.7546142927L, true, 9.7546142927f},   // the float rounds down ...
        {3, 1, 9.7546142927L, false, 9.7546142927f},  // ... and the same distance is hidden
    };
    for (const auto& S : Steps) {
        EXPECT_EQ(DepthTestAndStore(Buffer, S.X, S.Y, S.Distance), S.Drawn)
            << static_cast<double>(S.Distance);
        EXPECT_EQ(Buffer.Depths[S.Y * 4 + S.X], S.Stored);  // row by row, as the pixels
    }
    ClearDepthBuffer(Buffer);
    for (float E : Buffer.Depths)
        EXPECT_EQ(E, 0.0f);
}

TEST(DepthBuffer, CreationFailsAsAValue)
{
    TDepthBuffer Buffer;
    EXPECT_FALSE(CreateDepthBuffer(0, GraphHeight, Buffer));
    EXPECT_FALSE(CreateDepthBuffer(GraphWidth, -1, Buffer));
    ASSERT_TRUE(CreateDepthBuffer(GraphWidth, GraphHeight, Buffer));
    EXPECT_EQ(Buffer.Depths.size(), 204020u);
}

void CreateUnderOneGigabyte()
{
    const rlimit Limit{1u << 30, 1u << 30};
    setrlimit(RLIMIT_AS, &Limit);
    TDepthBuffer Buffer;
    const bool Ok = CreateDepthBuffer(65535, 65535, Buffer);  // 17 GB
    std::exit(!Ok && Buffer.Depths.empty() ? 7 : 1);
}

TEST(DepthBufferDeathTest, MemoryRefusedIsAValue)
{
    if (ShadowSanitizerBuild)
        GTEST_SKIP() << "the sanitizer needs more address space than the limit allows";
    EXPECT_EXIT(CreateUnderOneGigabyte(), ::testing::ExitedWithCode(7), "");
}

// The front view of the worked examples: camera (0, 0, 10) looking at the
// origin, zoom 100, picture 505 x 404; a point (x, y, 0) lands at
// (252 + 10x, 202 - 10y).
struct TPainter {
    Proc3D::TViewPlane View{};
    std::vector<uint32_t> Pixels = std::vector<uint32_t>(GraphWidth * GraphHeight, 0);
    TPainter()
    {
        TPoint3D Camera{};
        EXPECT_TRUE(
            Proc3D::CalcViewPlane(Camera, GraphWidth, GraphHeight, 0.0, 0.0, 100.0, 10.0, View));
    }
    bool Paint(const TResultSet& R, bool ShowUndefined, TDepthBuffer* Depth)
    {
        FillPicture({Pixels.data(), GraphWidth, GraphHeight}, 0);
        return PaintGraph(R, View, {Pixels.data(), GraphWidth, GraphHeight}, ShowUndefined, Depth);
    }
    uint32_t At(int X, int Y) const { return Pixels[static_cast<size_t>(Y) * GraphWidth + X]; }
};

TResultSet WithPoints(std::vector<TPoint3D> Points)
{
    TResultSet R = Box(10, 0, 2);
    R.PointCount = static_cast<int32_t>(Points.size());
    R.Points = std::move(Points);
    return R;
}

TEST(PaintGraph, VisibilityColoursAndClipping)
{
    const double U = SolveExp::UndefinedValue;
    const TResultSet R = WithPoints({{0, 0, 0},        // lowest Y: magenta at the centre
                                     {1, 2, 0},        // highest Y: pale red
                                     {-1, 3, 0},       // above the Y range: not drawn
                                     {0.5, U, 0},      // undefined: white at height 0 when shown
                                     {-1, -0.5, 0},    // below the range
                                     {30, 1, 0},       // column 552: outside
                                     {25.3, 0, 0},     // column 505: one past the picture
                                     {-25.3, 0, 0}});  // column -1
    TPainter P;
    for (bool Show : {false, true}) {
        ASSERT_TRUE(P.Paint(R, Show, nullptr));
        EXPECT_EQ(P.At(252, 202), 0xFF00FFu);
        EXPECT_EQ(P.At(262, 182), 0xC3C3FFu);
        EXPECT_EQ(P.At(242, 172), 0u);
        EXPECT_EQ(P.At(242, 207), 0u);
        EXPECT_EQ(P.At(257, 202), Show ? 0xFFFFFFu : 0u);
        size_t Lit = 0;
        for (uint32_t C : P.Pixels)
            Lit += C != 0;
        EXPECT_EQ(Lit, Show ? 3u : 2u);
    }
    TResultSet Partial = R;
    Partial.PointCount = 1;  // only entries below PointCount are painted
    ASSERT_TRUE(P.Paint(Partial, true, nullptr));
    EXPECT_EQ(P.At(262, 182), 0u);
}

TEST(PaintGraph, LaterOverwritesWithoutDepthNearerWinsWithIt)
{
    // Both on one line of sight, pixel (252, 200): the first is nearer.
    const TPoint3D Near{0, 0.2, 0}, Far{0, 0.4, -10};
    const uint32_t NearColor = HeightColor(147), FarColor = HeightColor(295);
    TPainter P;
    TDepthBuffer Depth;
    ASSERT_TRUE(CreateDepthBuffer(GraphWidth, GraphHeight, Depth));
    for (bool NearFirst : {true, false}) {
        const TResultSet R = NearFirst ? WithPoints({Near, Far}) : WithPoints({Far, Near});
        ASSERT_TRUE(P.Paint(R, false, nullptr));
        EXPECT_EQ(P.At(252, 200), NearFirst ? FarColor : NearColor);
        ASSERT_TRUE(P.Paint(R, false, &Depth));
        const TDepthRange Range = CalcDepthRange(P.View.Camera, R);
        const long double D = std::sqrt(0.04L + 100.0L);
        EXPECT_EQ(P.At(252, 200), ShadeColor(NearColor, DepthFactor(Range, D)));
        EXPECT_EQ(Depth.Depths[200 * GraphWidth + 252], static_cast<float>(D));
    }
}

TEST(PaintGraph, EqualDistanceWinsOnlyBelowTheStoredEntry)
{
    // An undefined point is measured and drawn at (X, 0, Z): the same place as
    // a defined point of height 0 there. The later of the two is drawn when
    // their distance lies below the float that the earlier one stored.
    struct {
        double X, Z;
        bool RoundsUp;  // float(distance) > distance, from a 50-digit computation
    } const Cases[] = {{0.3, 0.5, true}, {0.3, 0.25, false}, {0.1, 0.5, true}, {0.2, 0.5, false}};
    TPainter P;
    TDepthBuffer Depth;
    ASSERT_TRUE(CreateDepthBuffer(GraphWidth, GraphHeight, Depth));
    for (const auto& C : Cases) {
        const TPoint3D Defined{C.X, 0, C.Z}, Undefined{C.X, SolveExp::UndefinedValue, C.Z};
        const long double D = std::sqrt(C.X * C.X + (10.0L - C.Z) * (10.0L - C.Z));
        for (bool DefinedFirst : {true, false}) {
            const TResultSet R =
                DefinedFirst ? WithPoints({Defined, Undefined}) : WithPoints({Undefined, Defined});
            ASSERT_TRUE(P.Paint(R, true, &Depth));
            int32_t X = 0, Y = 0;
            ASSERT_TRUE(Proc3D::ProjectPoint(P.View, {C.X, 0, C.Z}, X, Y));
            const uint8_t F = DepthFactor(CalcDepthRange(P.View.Camera, R), D);
            const bool DefinedShown = DefinedFirst != C.RoundsUp;
            EXPECT_EQ(P.At(X, Y), ShadeColor(DefinedShown ? 0xFF00FFu : 0xFFFFFFu, F))
                << C.X << " " << C.Z << " " << DefinedFirst;
        }
    }
}

TEST(PaintGraph, RefusesMismatchedBuffers)
{
    TPainter P;
    TDepthBuffer Depth;
    ASSERT_TRUE(CreateDepthBuffer(GraphHeight, GraphWidth, Depth));
    const TResultSet R = WithPoints({{0, 0, 0}});
    EXPECT_FALSE(P.Paint(R, false, &Depth));
    EXPECT_EQ(P.At(252, 202), 0u);
    EXPECT_FALSE(PaintGraph(R, P.View, {nullptr, GraphWidth, GraphHeight}, false, nullptr));
    EXPECT_FALSE(PaintGraph(R, P.View, {P.Pixels.data(), 0, GraphHeight}, false, nullptr));
}

}  // namespace
