#include "MainUnit/Calculation/Calculation.h"

#include "MainUnit/Calculation/Evaluation.h"
#include "MainUnit/Calculation/PointStorage.h"
#include "MainUnit/Calculation/Sampling.h"
#include "MainUnit/Calculation/Statistics.h"
#include "SolveExp/SolveExp.h"
#include "tests/Support/SanitizerBuild.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sys/resource.h>

using namespace MainUnit;
using SolveExp::SameBits;

namespace {

TEST(PlanGrid, SizesAndRefusals)
{
    struct {
        int32_t Count;
        double XFrom, XTo, ZFrom, ZTo;
        bool Ok;
        int32_t Cols, Rows;
    } const Cases[] = {
        {5000, -10, 10, -10, 10, true, 71, 71},
        {1000, -10, 10, -5, 5, true, 45, 23},
        {100, 0, 1, 0, 1000, true, 1, 317},
        {999999, -10, 10, -10, 10, true, 1000, 1000},
        {1000, 3, 3, 3, 3, true, 1, 1000},
        {1000, 0, 1, 0, 1e-300, true, 2147483647, 1},  // saturated; memory decides
        {1000, -1e308, 1e308, 0, 1, false, 0, 0},      // the width overflows to infinity
        {1000, 0, 1, -1.7e308, 1.7e308, false, 0, 0},
    };
    for (const auto& C : Cases) {
        const TGridPlan Plan = PlanGrid(C.Count, C.XFrom, C.XTo, C.ZFrom, C.ZTo);
        EXPECT_EQ(Plan.Ok, C.Ok) << C.Count << " " << C.XTo << " " << C.ZTo;
        if (!C.Ok) continue;
        EXPECT_EQ(Plan.Cols, C.Cols);
        EXPECT_EQ(Plan.Rows, C.Rows);
    }
}

TEST(ReservePoints, ResizesAndReportsRefusalAsAValue)
{
    TResultSet R;
    R.Points.resize(10, {1, 2, 3});
    ASSERT_TRUE(ReservePoints(R, {true, 71, 71}));
    EXPECT_EQ(R.Points.size(), 5041u);
    EXPECT_EQ(R.PointCount, 5041);
    EXPECT_FALSE(ReservePoints(R, {false, 0, 0}));
    EXPECT_TRUE(R.Points.empty());
}

// A grid that memory cannot hold (51 GB for 2^31 - 1 entries, refused here by
// an address-space limit of the child process) comes back as false with the
// set empty; no exception escapes.
void ReserveUnderOneGigabyte()
{
    const rlimit Limit{1u << 30, 1u << 30};
    setrlimit(RLIMIT_AS, &Limit);
    TResultSet R;
    R.Points.resize(100);
    const TGridPlan Plan = PlanGrid(1000, 0, 1, 0, 1e-300);
    const bool Ok = ReservePoints(R, Plan);
    std::exit(!Ok && R.Points.empty() && Plan.Ok ? 7 : 1);
}

TEST(ReservePointsDeathTest, MemoryRefusedIsAValue)
{
    if (ShadowSanitizerBuild)
        GTEST_SKIP() << "the sanitizer needs more address space than the limit allows";
    EXPECT_EXIT(ReserveUnderOneGigabyte(), ::testing::ExitedWithCode(7), "");
}

TEST(Sampling, SeedIsMillisecondsSinceMidnight)
{
    EXPECT_EQ(RandomSeedFromClock(0, 0, 0, 0), 0u);
    EXPECT_EQ(RandomSeedFromClock(1, 2, 3, 4), 3723004u);
    EXPECT_EQ(RandomSeedFromClock(23, 59, 59, 999), 86399999u);
}

TEST(Sampling, GeneratorIsTheLinearCongruentialOne)
{
    for (uint32_t Seed : {0u, 1u, 86399999u, 0xFFFFFFFFu}) {
        TRandomGenerator G{Seed};
        uint64_t State = Seed;
        for (int K = 0; K < 1000; ++K) {
            State = (State * 134775813u + 1u) % 4294967296u;
            const double Draw = NextRandom(G);
            ASSERT_EQ(Draw, static_cast<double>(State) / 4294967296.0);
            ASSERT_GE(Draw, 0.0);
            ASSERT_LT(Draw, 1.0);
        }
    }
}

TEST(Sampling, SquareOrderRunsThroughZFastest)
{
    TResultSet R;
    R.XIntervalFrom = -1;
    R.XIntervalTo = 1;
    R.ZIntervalFrom = 0;
    R.ZIntervalTo = 10;
    R.Points.resize(6);
    FillSquareOrder(R, 3, 2);
    const double Expected[6][2] = {{-1, 0}, {-1, 10}, {0, 0}, {0, 10}, {1, 0}, {1, 10}};
    ASSERT_EQ(R.PointCount, 6);
    for (int I = 0; I < 6; ++I) {
        EXPECT_EQ(R.Points[I].X, Expected[I][0]) << I;
        EXPECT_EQ(R.Points[I].Z, Expected[I][1]) << I;
    }
    FillSquareOrder(R, 1, 6);  // a single column stays at X From although X has a width
    for (const auto& P : R.Points)
        EXPECT_EQ(P.X, -1.0);
    EXPECT_EQ(R.Points[5].Z, 10.0);
}

TEST(Sampling, RandomOrderDrawsXThenZ)
{
    TResultSet R;
    R.XIntervalFrom = -10;
    R.XIntervalTo = 10;
    R.ZIntervalFrom = 5;
    R.ZIntervalTo = 5;  // equal ends: every Z is that end
    R.Points.resize(5041, {7, 7, 7});
    FillRandomOrder(R, 5000, 12345);
    ASSERT_EQ(R.PointCount, 5000);
    TRandomGenerator G{12345};
    for (int I = 0; I < 5000; ++I) {
        const double X = static_cast<double>(NextRandom(G) * 20.0L - 10.0L);
        NextRandom(G);
        ASSERT_EQ(R.Points[I].X, X) << I;
        ASSERT_EQ(R.Points[I].Z, 5.0) << I;
        ASSERT_GE(R.Points[I].X, -10.0);
        ASSERT_LT(R.Points[I].X, 10.0);
    }
    for (int I = 5000; I < 5041; ++I)
        EXPECT_EQ(R.Points[I].X, 7.0);  // beyond N: untouched
}

TResultSet Grid(double From, double To, int32_t Cols, int32_t Rows)
{
    TResultSet R;
    R.XIntervalFrom = R.ZIntervalFrom = From;
    R.XIntervalTo = R.ZIntervalTo = To;
    R.Points.resize(static_cast<size_t>(Cols) * Rows);
    FillSquareOrder(R, Cols, Rows);
    return R;
}

TEST(EvaluatePoints, StoresValuesAndTracksTheDefinedRange)
{
    TResultSet R = Grid(-2, 2, 5, 5);
    TYRange Range;
    ASSERT_TRUE(EvaluatePoints(R, "x+z", Range));
    EXPECT_TRUE(Range.AnyDefined);
    EXPECT_EQ(Range.Ymin, -4.0);
    EXPECT_EQ(Range.Ymax, 4.0);
    for (const auto& P : R.Points)
        EXPECT_EQ(P.Y, P.X + P.Z);

    ASSERT_TRUE(EvaluatePoints(R, "1/(x-z)", Range));  // undefined on the diagonal
    int Undefined = 0;
    for (const auto& P : R.Points)
        Undefined += SameBits(P.Y, SolveExp::UndefinedValue);
    EXPECT_EQ(Undefined, 5);
    EXPECT_EQ(Range.Ymax, 1.0);
    EXPECT_EQ(Range.Ymin, -1.0);

    ASSERT_TRUE(EvaluatePoints(R, "sqrt(0-1-abs(x))", Range));
    EXPECT_FALSE(Range.AnyDefined);
    EXPECT_EQ(Range.Ymin, 0.0);
    EXPECT_EQ(Range.Ymax, 0.0);
}

// A value that happens to carry SyntaxErrorValue's bit pattern cannot be
// told from a syntax error; it is stored as undefined, never as a Y.
TEST(EvaluatePoints, ReservedSyntaxPatternIsStoredAsUndefined)
{
    TResultSet R = Grid(0, 1, 2, 2);
    TYRange Range;
    ASSERT_TRUE(EvaluatePoints(R, "x*0+0-5.3708672518493e-131", Range));
    for (const auto& P : R.Points)
        EXPECT_TRUE(SameBits(P.Y, SolveExp::UndefinedValue));
    EXPECT_FALSE(Range.AnyDefined);
}

TEST(EvaluatePoints, RefusesWhatDoesNotFit)
{
    TResultSet R = Grid(0, 1, 2, 2);
    TYRange Range;
    const std::string Long(256, '1');
    EXPECT_FALSE(EvaluatePoints(R, Long.c_str(), Range));
    R.PointCount = 5;
    EXPECT_FALSE(EvaluatePoints(R, "x", Range));
    R.PointCount = 4;
    EXPECT_TRUE(EvaluatePoints(R, std::string(255, '1').c_str(), Range));
}

TEST(Statistics, YRangeAndBoundingRadius)
{
    struct {
        double YFrom, YTo;
        TYRange Range;
        double XZ;  // X and Z intervals [-XZ, XZ]
        double ClippedFrom, ClippedTo, Radius;
    } const Cases[] = {
        {-1.7e308, 1.7e308, {-20, 20, true}, 10, -20, 20, std::sqrt(600.0)},
        {-1.7e308, 1.7e308, {0, 0, false}, 10, 0, 0, std::sqrt(200.0)},
        {2, 5, {0, 0, false}, 10, 2, 0, std::sqrt(204.0)},
        {-5, 1.7e308, {-20, 20, true}, 10, -5, 20, std::sqrt(600.0)},
        {-1.7e308, 1.7e308, {0, 0, true}, 0, 0, 0, 0.001},
        {-1.7e308, 1.7e308, {-1e300, 1e300, true}, 1e300, -1e300, 1e300, std::sqrt(3.0) * 1e300},
    };
    for (const auto& C : Cases) {
        TResultSet R;
        R.XIntervalFrom = R.ZIntervalFrom = -C.XZ;
        R.XIntervalTo = R.ZIntervalTo = C.XZ;
        R.YIntervalFrom = C.YFrom;
        R.YIntervalTo = C.YTo;
        ClipYInterval(R, C.Range);
        EXPECT_EQ(R.YIntervalFrom, C.ClippedFrom);
        EXPECT_EQ(R.YIntervalTo, C.ClippedTo);
        EXPECT_DOUBLE_EQ(CalcBoundingRadius(R), C.Radius);
    }
}

TEST(Statistics, CameraDistanceCorrection)
{
    const double R = std::sqrt(300.0);
    struct {
        double Radius;
        bool Valid;
        double Distance;
        bool Replace;
        double NewDistance;
    } const Cases[] = {
        {0.001, false, 0, true, 0.0015},  {0.001, true, 0.5, false, 0},
        {0.001, true, 1.0, true, 0.0015}, {0.001, true, 0.001, true, 0.0015},
        {R, true, R, true, 1.5 * R},      {R, true, 1000 * R, true, 1.5 * R},
        {R, true, 999 * R, false, 0},     {R, true, -5, true, 1.5 * R},
        {R, true, 18, false, 0},
    };
    for (const auto& C : Cases) {
        const TDistanceCorrection Fix = CorrectCameraDistance(C.Radius, C.Valid, C.Distance);
        EXPECT_EQ(Fix.Replace, C.Replace) << C.Radius << " " << C.Distance;
        if (C.Replace) {
            EXPECT_EQ(Fix.Distance, C.NewDistance);
        }
    }
}

TEST(CalculateResults, DefaultSettingsInBothOrders)
{
    for (bool Square : {true, false}) {
        TResultSet R;
        const TGridPlan Plan = PlanGrid(5000, -10, 10, -10, 10);
        ASSERT_TRUE(ReservePoints(R, Plan));
        TCalculationRequest Request;
        Request.RequestedCount = 5000;
        Request.XIntervalFrom = Request.ZIntervalFrom = -10;
        Request.XIntervalTo = Request.ZIntervalTo = 10;
        Request.YIntervalFrom = -1.7e308;
        Request.YIntervalTo = 1.7e308;
        Request.SquareOrder = Square;
        Request.RandomSeed = 4242;
        Request.Expression = "x+z";
        ASSERT_TRUE(CalculateResults(R, Request, Plan));
        EXPECT_EQ(R.Points.size(), 5041u);
        EXPECT_EQ(R.PointCount, Square ? 5041 : 5000);
        if (Square) {
            EXPECT_EQ(R.YIntervalFrom, -20.0);
            EXPECT_EQ(R.YIntervalTo, 20.0);
            EXPECT_DOUBLE_EQ(R.BoundingRadius, std::sqrt(600.0));
        } else {
            EXPECT_GT(R.YIntervalFrom, -20.0);
            EXPECT_LT(R.YIntervalTo, 20.0);
        }
        Request.RequestedCount = 6000;  // more than was reserved
        EXPECT_EQ(CalculateResults(R, Request, Plan), Square);
    }
}

}  // namespace
