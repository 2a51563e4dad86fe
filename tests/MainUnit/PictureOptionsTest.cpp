// The picture choices without a window: the tick steps and their labels,
// the mapping onto the cube, the fit that frames the drawn points, and the
// command-line values of the size and the background.
#include "MainUnit/CommandLine/CommandLineJob.h"
#include "MainUnit/Picture/AxisTicks.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace MainUnit;
using Proc3D::TPoint3D;

namespace {

std::string TickTexts(double From, double To)
{
    std::string Joined;
    for (const TTick& T : AxisTicks(From, To))
        Joined += (Joined.empty() ? "" : " ") + T.Text;
    return Joined;
}

TEST(AxisTicks, StepsOfOneTwoFiveWithTheShortestDistinctLabels)
{
    struct TCase {
        double From, To;
        const char* Texts;
    };
    const TCase Cases[] = {
        {-10, 10, "-10 -5 0 5 10"},
        // Results that stop just short of a round value keep their end tick.
        {-99.9998997996996, 99.9998997996996, "-100 -50 0 50 100"},
        {2.06115362243856e-9, 0.999979960140721, "0 0.2 0.4 0.6 0.8 1"},
        {0, 7, "0 2 4 6"},
        {-1, 1, "-1 -0.5 0 0.5 1"},
        {0.001, 0.0042, "0.001 0.002 0.003 0.004"},
        {1e6, 4e6, "1E6 2E6 3E6 4E6"},
        {0, 2.5e6, "0 5E5 1E6 1.5E6 2E6 2.5E6"},
        {1234567, 1234571, "1234567 1234568 1234569 1234570 1234571"},
        {-3e-7, 3e-7, "-3E-7 -2E-7 -1E-7 0 1E-7 2E-7 3E-7"},
        // Between two steps: 5 would give 3 ticks, so 2 gives 9.
        {0.1, 18.1, "2 4 6 8 10 12 14 16 18"},
        {5, 5, ""},
        {1, -1, ""},
        {0, INFINITY, ""},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(TickTexts(Case.From, Case.To), Case.Texts) << Case.From << " " << Case.To;
}

TResultSet Box(double X0, double X1, double Y0, double Y1, double Z0, double Z1)
{
    TResultSet R;
    R.XIntervalFrom = X0, R.XIntervalTo = X1, R.YIntervalFrom = Y0, R.YIntervalTo = Y1;
    R.ZIntervalFrom = Z0, R.ZIntervalTo = Z1;
    return R;
}

TEST(BoxMapping, XAndZSpanTheLargerWidthAndYItsFraction)
{
    // Y spans h L: the cube at h 1, the default and a tall box.
    struct TCase {
        TResultSet R;
        double Half;        // L / 2
        TAxisSpan Y;        // the Y edge's true span at h 1
        double UndefinedY;  // where height 0 lands at h 1
        bool Constant;      // Y without width: its span grows with h about its value
    };
    const TCase Cases[] = {
        // The saddle: Y 10 times the width squeezed, the X and Z as they are.
        {Box(-10, 10, -100, 100, -10, 10), 10, {-100, 100}, 0, false},
        // The Gaussian: Y stretched 20 times; height 0 is the box's floor.
        {Box(-10, 10, 0, 1, -10, 10), 10, {0, 1}, -10, false},
        // Unequal widths: L is Z's; X stretched.
        {Box(0, 2, 3, 4, -4, 4), 4, {3, 4}, -4, false},
        // A constant function: unit scale, given the height hL about its value.
        {Box(-10, 10, 5, 5, -10, 10), 10, {-5, 15}, -5, true},
        // Degenerate X and Z: L is 1.
        {Box(2, 2, 0, 8, 3, 3), 0.5, {0, 8}, -0.5, false},
    };
    for (const double H : {1.0, DefaultBoxHeight, 2.5}) {
        for (const TCase& Case : Cases) {
            const TBoxMapping B = MakeBoxMapping(Case.R, H);
            SCOPED_TRACE(testing::Message() << Case.Half << " at height " << H);
            const double Middle = (Case.Y.From + Case.Y.To) / 2, Reach = (Case.Y.To - Middle) * H;
            const TAxisSpan Y = Case.Constant ? TAxisSpan{Middle - Reach, Middle + Reach} : Case.Y;
            EXPECT_DOUBLE_EQ(B.Half, Case.Half);
            EXPECT_DOUBLE_EQ(B.HalfY, Case.Half * H);
            EXPECT_DOUBLE_EQ(B.Y.From, Y.From);
            EXPECT_DOUBLE_EQ(B.Y.To, Y.To);
            EXPECT_NEAR(B.UndefinedY, Case.Constant ? Case.UndefinedY : Case.UndefinedY * H, 1e-12);
            const TPoint3D Low = MapToBox(B, {B.X.From, B.Y.From, B.Z.From});
            const TPoint3D High = MapToBox(B, {B.X.To, B.Y.To, B.Z.To});
            for (double C : {Low.X, Low.Z})
                EXPECT_NEAR(C, -Case.Half, 1e-12 * Case.Half);
            for (double C : {High.X, High.Z})
                EXPECT_NEAR(C, Case.Half, 1e-12 * Case.Half);
            EXPECT_NEAR(Low.Y, -Case.Half * H, 1e-12 * Case.Half);
            EXPECT_NEAR(High.Y, Case.Half * H, 1e-12 * Case.Half);
            EXPECT_GE(B.Radius, std::sqrt(2.0 + H * H) * Case.Half);
            EXPECT_LE(B.Radius, std::sqrt(2.0 + H * H) * Case.Half * (1 + 1e-8));
            EXPECT_EQ(ViewRadius(Case.R, true, H), B.Radius);
        }
    }
    // Without a fraction, heights span three quarters of the width.
    EXPECT_EQ(MakeBoxMapping(Cases[0].R).HalfY, 7.5);
}

TEST(BoxMapping, SuggestedWhenHeightsAndWidthDifferMoreThanFourTimes)
{
    const struct {
        TResultSet R;
        const char *Text, *Detail;
    } Cases[] = {{Box(-10, 10, -100, 100, -10, 10), "Heights 10x the width: try the box",
                  "Heights 10x the width: right-click, Scale axes to a box"},
                 {Box(-10, 10, 0, 1, -10, 10), "Heights 1/20 of width: try the box",
                  "Heights 1/20 of width: right-click, Scale axes to a box"},
                 {Box(-10, 10, -40, 40, -10, 10), "", ""},
                 {Box(-10, 10, 5, 5, -10, 10), "", ""}};
    for (const auto& C : Cases) {
        EXPECT_EQ(BoxSuggestion(C.R).Text, C.Text);
        EXPECT_EQ(BoxSuggestion(C.R).Detail, C.Detail);
    }
}

// A grid of the saddle or the Gaussian over -10 .. 10.
TResultSet Surface(bool Saddle)
{
    TResultSet R = Box(-10, 10, 0, 0, -10, 10);
    R.YIntervalFrom = 1e300, R.YIntervalTo = -1e300;
    for (int I = 0; I <= 100; ++I) {
        for (int J = 0; J <= 100; ++J) {
            const double X = -10 + I * 0.2, Z = -10 + J * 0.2;
            const double Y = Saddle ? X * X - Z * Z : std::exp(-(X * X + Z * Z) / 10);
            R.Points.push_back({X, Y, Z});
            R.YIntervalFrom = std::min(R.YIntervalFrom, Y);
            R.YIntervalTo = std::max(R.YIntervalTo, Y);
        }
    }
    R.PointCount = static_cast<int32_t>(R.Points.size());
    R.BoundingRadius = std::sqrt(200 + R.YIntervalTo * R.YIntervalTo);
    return R;
}

// The lit pixels of a picture painted at the fitted zoom: the first and last
// column and row.
struct TLit {
    int Left = 1 << 30, Right = -1, Top = 1 << 30, Bottom = -1;
};

TLit Painted(const TResultSet& R, const TViewSettings& V, const TPointStyle& Style, int W, int H,
             TPan Pan = {})
{
    TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    EXPECT_TRUE(
        Proc3D::CalcViewPlane(Camera, W, H, V.VerAngle, V.HorAngle, V.Zoom, V.Distance, View));
    View.HalfWidth = static_cast<uint16_t>(View.HalfWidth + Pan.X);
    View.HalfHeight = static_cast<uint16_t>(View.HalfHeight + Pan.Y);
    std::vector<uint32_t> Pixels(static_cast<size_t>(W) * H, 0);
    PaintGraph(R, View, {Pixels.data(), W, H}, true, nullptr, TCores::One, Style);
    TLit Lit;
    for (int Y = 0; Y < H; ++Y) {
        for (int X = 0; X < W; ++X) {
            if (Pixels[static_cast<size_t>(Y) * W + X] == 0) continue;
            Lit.Left = std::min(Lit.Left, X), Lit.Right = std::max(Lit.Right, X);
            Lit.Top = std::min(Lit.Top, Y), Lit.Bottom = std::max(Lit.Bottom, Y);
        }
    }
    return Lit;
}

TEST(FramePoints, TheDrawnPointsFillThePictureFromAnyCameraDistance)
{
    struct TCase {
        bool Saddle, Boxed;
        double Ver, Hor, DistanceInRadii;  // 1.001: right after "Min->"
    };
    const TCase Cases[] = {{true, false, 0.5, 0.7, 1.001},  {true, false, 0.5, 0.7, 1.5},
                           {true, true, 0.5, 0.7, 1.001},   {false, true, 0.3, -2.0, 1.001},
                           {false, false, 0.0, 0.0, 1.001}, {false, true, -0.6, 0.4, 40}};
    const int W = 505, H = 404;
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Saddle << Case.Boxed << " " << Case.Hor << " "
                                        << Case.DistanceInRadii);
        const TResultSet R = Surface(Case.Saddle);
        const TBoxMapping Box = MakeBoxMapping(R);
        const TPointStyle Style{Case.Boxed ? &Box : nullptr, UndefinedColor};
        TViewSettings V{Case.Hor, Case.Ver, Case.DistanceInRadii * ViewRadius(R, Case.Boxed), 1};
        TPan Pan;
        ASSERT_TRUE(FramePointsZoom(R, V, true, Style, W, H, 16, V.Zoom, Pan));
        const TLit Lit = Painted(R, V, Style, W, H, Pan);
        // Inside the margin on every side, and at it (within a pixel of
        // rounding) on one side at least.
        EXPECT_GE(Lit.Left, 15);
        EXPECT_GE(Lit.Top, 15);
        EXPECT_LE(Lit.Right, W - 16);
        EXPECT_LE(Lit.Bottom, H - 16);
        const int Slack =
            std::min({Lit.Left - 16, Lit.Top - 16, W - 17 - Lit.Right, H - 17 - Lit.Bottom});
        EXPECT_LE(Slack, 1);
    }
}

TEST(CommandLineValues, SizeAndBackground)
{
    struct TSizeCase {
        const char* Text;
        bool Accepted;
        int32_t Width, Height;
    };
    const TSizeCase Sizes[] = {
        {"3840x2160", true, 3840, 2160}, {"64x64", true, 64, 64},   {"7680x4320", true, 7680, 4320},
        {"63x64", false, 0, 0},          {"7681x100", false, 0, 0}, {"800x4321", false, 0, 0},
        {"800X600", false, 0, 0},        {"800x", false, 0, 0},     {"+800x600", false, 0, 0},
        {"800x600 ", false, 0, 0},       {"", false, 0, 0}};
    for (const TSizeCase& Case : Sizes) {
        int32_t Width = 7, Height = 7;
        const TRefusal Refusal = ReadSizeOption(Case.Text, Width, Height);
        EXPECT_EQ(Refusal == TRefusal::None, Case.Accepted) << Case.Text;
        if (Case.Accepted) {
            EXPECT_EQ(Width, Case.Width);
            EXPECT_EQ(Height, Case.Height);
        } else {
            EXPECT_EQ(RefusalMessage(Refusal),
                      "'--size' must be WIDTHxHEIGHT in pixels, from 64x64 to 7680x4320.");
            EXPECT_EQ(Width, 7);
        }
    }
    bool Light = false;
    EXPECT_EQ(ReadBackgroundOption("white", Light), TRefusal::None);
    EXPECT_TRUE(Light);
    EXPECT_EQ(RefusalMessage(ReadBackgroundOption("Black", Light)),
              "'--background' must be black or white.");
    EXPECT_TRUE(Light);
    EXPECT_EQ(FramedZoom(100, 505, 404), 100);
    EXPECT_DOUBLE_EQ(FramedZoom(100, 3840, 2160), 100 * 2160.0 / 404);
}

}  // namespace
