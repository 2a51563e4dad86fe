// Where a written picture puts its graph, the sketch and legend panel and
// the colour bar, and what the bar shows, without a window.
#include "MainUnit/Picture/PictureFrame.h"

#include "MainUnit/CommandLine/CommandLineJob.h"
#include "MainUnit/Picture/ColourBar.h"
#include "Proc3D/Proc3D.h"
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace MainUnit;

namespace {

bool Inside(const TFrameRect& Part, const TFrameRect& Whole)
{
    return Part.Left >= Whole.Left && Part.Top >= Whole.Top &&
           Part.Left + Part.Width <= Whole.Left + Whole.Width &&
           Part.Top + Part.Height <= Whole.Top + Whole.Height;
}

TEST(PictureFrame, ASizeAskedIsTheSizeWrittenForEveryLegendChoice)
{
    struct TCase {
        int32_t W, H;
        bool PanelAtOwnSize;
    };
    const TCase Cases[] = {{505, 526, true},  {1280, 720, true}, {7680, 4320, true},
                           {64, 64, false},   {400, 800, false}, {1800, 400, true},
                           {505, 243, false}, {64, 4320, false}, {7680, 64, false}};
    for (const TCase& C : Cases)
        for (const TLegendChoice Legend :
             {TLegendChoice::Panel, TLegendChoice::Bar, TLegendChoice::None}) {
            SCOPED_TRACE(std::to_string(C.W) + "x" + std::to_string(C.H) + " legend " +
                         std::to_string(int(Legend)));
            const TFrameLayout F = FrameOfSize(C.W, C.H, Legend, 9);
            const TFrameRect Whole{0, 0, C.W, C.H};
            EXPECT_EQ(F.Width, C.W);
            EXPECT_EQ(F.Height, C.H);
            // The view plane needs a graph of at least 10 pixels each way.
            EXPECT_GE(F.Graph.Width, 10);
            EXPECT_GE(F.Graph.Height, 10);
            EXPECT_TRUE(Inside(F.Graph, Whole));
            const bool Panel = Legend == TLegendChoice::Panel, Bar = Legend == TLegendChoice::Bar;
            EXPECT_EQ(F.Panel.Width > 0, Panel);
            EXPECT_EQ(F.Bar.Width > 0, Bar);
            if (Panel) {
                // Below the graph, centred, its own size or a shrunk copy.
                EXPECT_TRUE(Inside(F.Panel, Whole));
                EXPECT_EQ(F.Panel.Top, F.Graph.Height);
                EXPECT_EQ(F.Graph.Height + F.Panel.Height, C.H);
                EXPECT_LE(std::abs(2 * F.Panel.Left + F.Panel.Width - C.W), 1);
                EXPECT_EQ(F.PanelScale == 1, C.PanelAtOwnSize);
                EXPECT_LE(F.PanelScale, 1);
                EXPECT_LE(std::abs(F.Panel.Width - PanelWidth * F.PanelScale), 1);
                EXPECT_LE(std::abs(F.Panel.Height - PanelHeight * F.PanelScale), 1);
            }
            if (Bar) {
                // At the graph's right, as high as the picture, never more than half of it.
                EXPECT_EQ(F.Bar.Left, F.Graph.Width);
                EXPECT_EQ(F.Graph.Width + F.Bar.Width, C.W);
                EXPECT_EQ(F.Bar.Height, C.H);
                EXPECT_LE(F.Bar.Width, C.W / 2);
            }
            if (!Panel && !Bar) {
                EXPECT_EQ(F.Graph.Width * F.Graph.Height, C.W * C.H);
            }
        }
}

TEST(PictureFrame, AroundTheWindowsGraphThePanelMakesTheWindowsPicture)
{
    const struct {
        TLegendChoice Legend;
        int32_t W, H;
    } Cases[] = {{TLegendChoice::Panel, 505, 526},
                 {TLegendChoice::Bar, 505 + ColourBarWidth(1, 4), 404},
                 {TLegendChoice::None, 505, 404}};
    for (const auto& C : Cases) {
        const TFrameLayout F = FrameAroundGraph(GraphWidth, GraphHeight, C.Legend, 4);
        EXPECT_EQ(F.Width, C.W);
        EXPECT_EQ(F.Height, C.H);
        EXPECT_EQ(F.Graph.Left, 0);
        EXPECT_EQ(F.Graph.Top, 0);
        EXPECT_EQ(F.Graph.Width, GraphWidth);
        EXPECT_EQ(F.Graph.Height, GraphHeight);
        EXPECT_EQ(F.PanelScale, 1);
        EXPECT_EQ(F.BarScale, 1);
    }
    // A picture asked at the window's size is the same layout.
    const TFrameLayout Asked = FrameOfSize(505, 526, TLegendChoice::Panel, 0);
    const TFrameLayout Around = FrameAroundGraph(505, 404, TLegendChoice::Panel, 0);
    EXPECT_EQ(Asked.Graph.Height, Around.Graph.Height);
    EXPECT_EQ(Asked.Panel.Top, Around.Panel.Top);
    EXPECT_EQ(Asked.Panel.Left, Around.Panel.Left);
}

TEST(ColourBar, RampRunsFromTheIntervalsStartToItsEndWithTicksAtTheirHeights)
{
    struct TCase {
        double From, To;
        bool Undefined;
        const char* Bottom;  // the label nearest the ramp's bottom and its top
        const char* Top;
    };
    const TCase Cases[] = {{-1, 1, false, "-1", "1"},
                           {-10, 10, true, "-10", "10"},
                           {0, 7, false, "0", "6"},
                           {2.06115362243856e-9, 0.999979960140721, true, "0", "1"},
                           {5, 5, false, "5", "5"},
                           // An interval beside all results: its start stays at the bottom.
                           {1, -1, false, "1", "-1"}};
    for (const TCase& C : Cases) {
        SCOPED_TRACE(std::to_string(C.From) + " .. " + std::to_string(C.To));
        const TFrameRect Place{600, 0, ColourBarWidth(1, ColourBarChars(C.From, C.To, C.Undefined)),
                               404};
        const TColourBar B = LayoutColourBar(Place, 1, C.From, C.To, C.Undefined, 0x808080);
        ASSERT_GT(B.Ramp.Height, 300);
        EXPECT_TRUE(Inside(B.Ramp, Place));
        ASSERT_EQ(B.Colours.size(), std::size_t(B.Ramp.Height));
        const bool Flat = C.From == C.To;
        EXPECT_EQ(B.Colours.back(), Proc3D::HeightColor(0));
        EXPECT_EQ(B.Colours.front(), Proc3D::HeightColor(Flat ? 0 : Proc3D::HighestYStep));
        ASSERT_FALSE(B.Labels.empty());
        EXPECT_EQ(B.Labels.front().Text, C.Top);
        EXPECT_EQ(B.Labels.back().Text, C.Bottom);
        for (std::size_t I = 0; I < B.Labels.size(); ++I) {
            EXPECT_GE(B.Labels[I].Row, B.Ramp.Top);
            EXPECT_LT(B.Labels[I].Row, B.Ramp.Top + B.Ramp.Height);
            if (I > 0) {
                EXPECT_GE(B.Labels[I].Row - B.Labels[I - 1].Row, B.TextRow);
            }
        }
        // The ends of the interval label the ends of the ramp, a flat one its middle.
        const int32_t Last = B.Ramp.Top + B.Ramp.Height - 1;
        if (Flat) {
            EXPECT_LE(std::abs(2 * B.Labels[0].Row - B.Ramp.Top - Last), 1);
        }
        if (C.From == -1) {
            EXPECT_EQ(B.Labels.back().Row, Last);
            EXPECT_EQ(B.Labels.front().Row, B.Ramp.Top);
        }
        EXPECT_EQ(B.Undefined.Width > 0, C.Undefined);
        if (C.Undefined) {
            EXPECT_TRUE(Inside(B.Undefined, Place));
            EXPECT_GE(B.Undefined.Top, Last + B.TextRow);
            EXPECT_EQ(B.UndefinedColour, 0x808080u);
        }
    }
}

TEST(ColourBar, CrowdedLabelsAreLeftOutAndUndefinedPointsAreFound)
{
    const TColourBar Low = LayoutColourBar({0, 0, 60, 80}, 1, -10, 10, false, 0);
    ASSERT_FALSE(Low.Labels.empty());
    for (std::size_t I = 1; I < Low.Labels.size(); ++I)
        EXPECT_GE(Low.Labels[I].Row - Low.Labels[I - 1].Row, Low.TextRow);
    EXPECT_LT(Low.Labels.size(), 5u);

    TResultSet R;
    R.Points = {{0, 1, 0}, {1, SolveExp::UndefinedValue, 1}, {2, 3, 2}};
    const struct {
        int32_t Count;
        bool Show, Found;
    } Cases[] = {{3, true, true}, {3, false, false}, {1, true, false}, {2, true, true}};
    for (const auto& C : Cases) {
        R.PointCount = C.Count;
        EXPECT_EQ(ShowsUndefinedPoints(R, C.Show), C.Found) << C.Count << " " << C.Show;
    }
    EXPECT_EQ(ColourBarChars(-1, 1, true), 9);
    EXPECT_EQ(ColourBarChars(-1, 1, false), 4);
}

TEST(ColourBar, LegendOptionNamesOneOfThreeChoices)
{
    const struct {
        const char* Text;
        TRefusal Refusal;
        TLegendChoice Legend;
    } Cases[] = {{"panel", TRefusal::None, TLegendChoice::Panel},
                 {"bar", TRefusal::None, TLegendChoice::Bar},
                 {"none", TRefusal::None, TLegendChoice::None},
                 {"Bar", TRefusal::LegendOption, TLegendChoice::None},
                 {"", TRefusal::LegendOption, TLegendChoice::None},
                 {"panels", TRefusal::LegendOption, TLegendChoice::None}};
    for (const auto& C : Cases) {
        TLegendChoice Legend = TLegendChoice::None;
        EXPECT_EQ(ReadLegendOption(C.Text, Legend), C.Refusal) << C.Text;
        EXPECT_EQ(Legend, C.Legend) << C.Text;
    }
    EXPECT_EQ(RefusalMessage(TRefusal::LegendOption), "'--legend' must be panel, bar or none.");
}

}  // namespace
