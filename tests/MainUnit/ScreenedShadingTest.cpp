// The double-precision shortcuts of the fast loop against the exact rules:
// wherever a shortcut answers, its answer must be the exact one, and on
// ordinary values it must answer.
#include "MainUnit/Picture/Internal/ScreenedShading.h"

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "Proc3D/ExtendedMath.h"
#include "Proc3D/ScreenedProjection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

using namespace MainUnit;

namespace {

struct TCount {
    long Answered = 0, Wrong = 0;
};

// The distance of P from the origin as the fast loop estimates it and as the
// exact rule computes it.
double Estimate(const Proc3D::TPoint3D& P) { return std::sqrt(P.X * P.X + P.Y * P.Y + P.Z * P.Z); }
long double Exact(const Proc3D::TPoint3D& P) { return Proc3D::DistanceBetween(P, {0, 0, 0}); }

void CheckEntry(const Proc3D::TPoint3D& P, TCount& Count)
{
    float Entry = 0;
    bool Below = false;
    if (!ScreenDepthEntry(Estimate(P), Entry, Below)) return;
    ++Count.Answered;
    const float Stored = DepthEntryValue(Exact(P));
    Count.Wrong += Entry != Stored || Below != (Exact(P) < Stored);
}

void CheckFactor(const TDepthRange& Range, const Proc3D::TPoint3D& P, TCount& Count)
{
    uint8_t Factor = 0;
    if (!ScreenDepthFactor(MakeDepthScreen(Range), Estimate(P), Factor)) return;
    ++Count.Answered;
    Count.Wrong += Factor != DepthFactor(Range, Exact(P));
}

void CheckIndex(double Y, double YFrom, double YTo, TCount& Count)
{
    const long double Scale = HeightScale(YFrom, YTo);
    uint32_t Index = 0;
    if (!ScreenHeightIndex(Y, YFrom, static_cast<double>(Scale), Index)) return;
    ++Count.Answered;
    Count.Wrong += Index != HeightIndex(Y, YFrom, Scale);
}

TDepthRange RangeOf(double Near, double Far)
{
    const long double Spread = static_cast<long double>(Far) - Near;
    return {Near, Far, 205.0L / Spread, Near * 205.0L / Spread};
}

// Values aimed at the boundaries where rounding decides: distances at the
// midpoints between floats and on floats, at whole depth factors, heights at whole
// colour indices, each reached through arithmetic that rounds differently in
// double and in extended precision.
TEST(ScreenedShading, BoundariesAreLeftToTheExactRules)
{
    std::mt19937_64 Random(3);
    std::uniform_real_distribution<double> Angle(0.0, 1.5), Unit(0.0, 1.0);
    TCount Entries, Factors, Indices;
    for (int K = 0; K < 20000; ++K) {
        const float F = static_cast<float>(1 + 1000 * Unit(Random));
        const double Midpoint = (static_cast<double>(F) + std::nextafter(F, 1e30f)) / 2;
        const double A = Angle(Random), B = Angle(Random);
        CheckEntry({Midpoint * std::cos(A) * std::cos(B), Midpoint * std::sin(A),
                    Midpoint * std::cos(A) * std::sin(B)},
                   Entries);
        // On a float itself, where whether the distance lies below it is close.
        CheckEntry({F * std::cos(A) * std::cos(B), F * std::sin(A), F * std::cos(A) * std::sin(B)},
                   Entries);
        const double Near = 1 + 10 * Unit(Random), Far = Near + 0.5 + 3 * Unit(Random);
        const TDepthRange Range = RangeOf(Near, Far);
        const double Whole = Near + (Far - Near) * (K % 206) / 205.0;  // a factor of K % 206
        CheckFactor(Range, {Whole * std::cos(A), Whole * std::sin(A), 0}, Factors);
        const double YFrom = -3 * Unit(Random), YTo = YFrom + 0.1 + 7 * Unit(Random);
        CheckIndex(YFrom + (YTo - YFrom) * (K % 1476) / 1475.0, YFrom, YTo, Indices);
    }
    EXPECT_EQ(Entries.Wrong, 0);
    EXPECT_EQ(Factors.Wrong, 0);
    EXPECT_EQ(Indices.Wrong, 0);
}

TEST(ScreenedShading, OrdinaryValuesAreAnsweredRight)
{
    std::mt19937_64 Random(11);
    std::uniform_real_distribution<double> Unit(0.0, 1.0);
    TCount Entries, Factors, Indices;
    for (int K = 0; K < 200000; ++K) {
        const double Near = 1 + 100 * Unit(Random), Far = Near + 0.01 + 50 * Unit(Random);
        const double D = Near - 5 + (Far - Near + 10) * Unit(Random), A = 1.5 * Unit(Random);
        const Proc3D::TPoint3D P{D * std::cos(A), D * std::sin(A), 0};
        CheckEntry(P, Entries);
        CheckFactor(RangeOf(Near, Far), P, Factors);
        const double YFrom = -50 * Unit(Random), YTo = YFrom + 1e-3 + 100 * Unit(Random);
        CheckIndex(YFrom + (YTo - YFrom) * Unit(Random), YFrom, YTo, Indices);
    }
    EXPECT_EQ(Entries.Wrong + Factors.Wrong + Indices.Wrong, 0);
    EXPECT_GT(Entries.Answered, 199000);
    EXPECT_GT(Factors.Answered, 199000);
    EXPECT_GT(Indices.Answered, 199000);
}

// Distances of sight lines folded with a box's scale and shift (the shift
// less the camera rounded once), against the exact distance of the place the
// mapping gives, aimed at a float's midpoint and at a whole depth factor or near them:
// with the folded screen no answer may be wrong, and distances long beside
// the fold's magnitude must be answered.
TEST(ScreenedShading, FoldedDistancesAgreeWithTheMappedPlace)
{
    std::mt19937_64 Random(17);
    std::uniform_real_distribution<double> Unit(-1.0, 1.0);
    TCount Entries, Factors;
    for (int K = 0; K < 100000; ++K) {
        const double Size = std::pow(10.0, 2.0 + 3.0 * std::fabs(Unit(Random)));
        const Proc3D::TPoint3D Camera{Unit(Random), Unit(Random), Unit(Random)};
        const Proc3D::TPoint3D Scale{1.5 + Unit(Random), 1.5 + Unit(Random), 1.5 + Unit(Random)};
        const Proc3D::TPoint3D Shift{Size * Unit(Random), Size * Unit(Random), -Size};
        const float F = static_cast<float>(std::pow(10.0, 1.5 + 1.5 * Unit(Random)));
        // Half of them somewhere near the midpoint.
        const double Mid = (static_cast<double>(F) + std::nextafter(F, 1e30f)) / 2;
        const double D = Mid * (K % 2 == 0 ? 1.0 : 1.0 + 1e-4 * Unit(Random));
        const double A = 1.5 * Unit(Random), B = 3.0 * Unit(Random);
        const Proc3D::TPoint3D Target{Camera.X + D * std::cos(A) * std::cos(B),
                                      Camera.Y + D * std::sin(A),
                                      Camera.Z + D * std::cos(A) * std::sin(B)};
        const Proc3D::TPoint3D P{(Target.X - Shift.X) / Scale.X, (Target.Y - Shift.Y) / Scale.Y,
                                 (Target.Z - Shift.Z) / Scale.Z};
        const Proc3D::TPoint3D Folded{Shift.X - Camera.X, Shift.Y - Camera.Y, Shift.Z - Camera.Z};
        const Proc3D::TPoint3D Place{P.X * Scale.X + Shift.X, P.Y * Scale.Y + Shift.Y,
                                     P.Z * Scale.Z + Shift.Z};
        const Proc3D::TPoint3D Sight{P.X * Scale.X + Folded.X, P.Y * Scale.Y + Folded.Y,
                                     P.Z * Scale.Z + Folded.Z};
        const TDepthRange Range = RangeOf(Mid - 100, Mid + 105);  // a factor of 100 at Mid
        const TDepthScreen Screen = MakeDepthScreen(Range);
        const TDepthMargins Margins =
            FoldedDepthMargins(Proc3D::Norm1(Camera) + Proc3D::Norm1(Folded) + 1.0);
        const double Estimated = Estimate(Sight);
        const long double Exactly = Proc3D::DistanceBetween(Place, Camera);
        float Entry = 0;
        bool Below = false;
        if (ScreenDepthEntry(Estimated, Entry, Below, Margins.Entry, Margins.Shortest)) {
            ++Entries.Answered;
            const float Stored = DepthEntryValue(Exactly);
            Entries.Wrong += Entry != Stored || Below != (Exactly < Stored);
        }
        uint8_t Factor = 0;
        if (ScreenDepthFactor(Screen, Estimated, Factor, Margins.Factor)) {
            ++Factors.Answered;
            Factors.Wrong += Factor != DepthFactor(Range, Exactly);
        }
    }
    EXPECT_EQ(Entries.Wrong, 0);
    EXPECT_EQ(Factors.Wrong, 0);
    EXPECT_GT(Entries.Answered, 5000);
    EXPECT_GT(Factors.Answered, 5000);
}

}  // namespace
