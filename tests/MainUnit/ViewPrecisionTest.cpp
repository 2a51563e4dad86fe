// A view through which nothing projects names the setting to change, and
// still has a view for the axes sketch.
#include "MainUnit/Picture/ViewPrecision.h"

#include "MainUnit/Calculation/Statistics.h"

#include <gtest/gtest.h>

namespace {

using namespace MainUnit;

TEST(ViewPrecision, NamesTheCauseAndKeepsAViewForTheSketch)
{
    const struct {
        const char* Name;
        double YFrom, YTo;
        double DistanceInRadii;  // the distance as a multiple of the bounding radius
        double Zoom;
        TRefusal Refusal;
    } Cases[] = {
        {"1e18*x", -1e19, 1e19, 1.5, 100, TRefusal::ResultsBeyondPrecision},
        {"a Gaussian typed the usual way", 0, 1.2e39, 1.5, 100, TRefusal::ResultsBeyondPrecision},
        {"a zoom that vanishes", -10, 10, 1.5, 1e-20, TRefusal::ViewBeyondPrecision},
        {"large results and a zoom that vanishes", -1e19, 1e19, 1.5, 1e-20,
         TRefusal::ViewBeyondPrecision},
        {"a distance typed far away", -100, 100, 1e23, 100, TRefusal::ViewBeyondPrecision},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TResultSet Results;
        Results.XIntervalFrom = Results.ZIntervalFrom = -10;
        Results.XIntervalTo = Results.ZIntervalTo = 10;
        Results.YIntervalFrom = Case.YFrom;
        Results.YIntervalTo = Case.YTo;
        Results.BoundingRadius = CalcBoundingRadius(Results);
        const TViewSettings View{0.7, 0.5, Case.DistanceInRadii * Results.BoundingRadius,
                                 Case.Zoom};
        Proc3D::TPoint3D Camera{0, 0, 0};
        Proc3D::TViewPlane Plane{};
        ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, 505, 404, View.VerAngle, View.HorAngle, View.Zoom,
                                          View.Distance, Plane));
        ASSERT_FALSE(Proc3D::CanProject(Plane));
        EXPECT_EQ(CannotDrawRefusal(Results, View, 505, 404), Case.Refusal);
        Proc3D::TViewPlane Sketch{};
        ASSERT_TRUE(SketchViewPlane(Results, View, 505, 404, Sketch));
        EXPECT_TRUE(Proc3D::CanProject(Sketch));
        // The sketch looks from the same side as the view would.
        EXPECT_GT(Sketch.Camera.Y, 0);
    }
}

}  // namespace
