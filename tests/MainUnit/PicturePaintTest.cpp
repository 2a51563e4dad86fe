// The one picture step: its plan frames every size as the window's picture,
// and its painting carries the box, the background and the axes' layout to
// every way a picture leaves the program.
#include "MainUnit/Picture/PicturePaint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace MainUnit;
using Proc3D::TPoint3D;

namespace {

// A small cloud, wider in X than in Z and much taller than both.
TResultSet Cloud()
{
    TResultSet R;
    R.XIntervalFrom = -4, R.XIntervalTo = 4;
    R.YIntervalFrom = -100, R.YIntervalTo = 100;
    R.ZIntervalFrom = -1, R.ZIntervalTo = 1;
    for (double X = -4; X <= 4; X += 0.5)
        for (double Z = -1; Z <= 1; Z += 0.25)
            R.Points.push_back({X, 25 * X * Z, Z});
    R.PointCount = static_cast<int32_t>(R.Points.size());
    R.BoundingRadius = std::sqrt(16.0 + 10000.0 + 1.0);
    return R;
}

TPictureRequest RequestFor(const TResultSet& R, int32_t Width, int32_t Height)
{
    TPictureRequest Request;
    Request.Results = &R;
    Request.View = {0.6, 0.4, 3 * R.BoundingRadius, 100};
    Request.Width = Width;
    Request.Height = Height;
    return Request;
}

TEST(PicturePlan, FramesEveryPictureAsTheWindowsAndRefusesAViewWithoutPlane)
{
    const TResultSet R = Cloud();
    // The same point lies the same share of the picture off its centre
    // whatever the picture's size (the smaller ratio scales the zoom).
    const struct {
        int32_t Width, Height;
        double Scale;
    } Sizes[] = {{GraphWidth, GraphHeight, 1},
                 {2 * GraphWidth, 2 * GraphHeight, 2},
                 {3 * GraphWidth, GraphHeight, 1},
                 {GraphWidth / 2, 4 * GraphHeight, 0.5}};
    const TPoint3D Far{4, 50, 1};
    int32_t WindowX = 0, WindowY = 0;
    for (const auto& Size : Sizes) {
        TPicturePlan Plan;
        ASSERT_EQ(PlanPicture(RequestFor(R, Size.Width, Size.Height), Plan), TRefusal::None);
        int32_t X = 0, Y = 0;
        ASSERT_TRUE(Proc3D::ProjectPoint(Plan.ViewPlane, Far, X, Y));
        if (Size.Scale == 1 && Size.Width == GraphWidth) WindowX = X, WindowY = Y;
        EXPECT_NEAR(X - Size.Width / 2.0, Size.Scale * (WindowX - GraphWidth / 2.0), 2 * Size.Scale)
            << Size.Width << "x" << Size.Height;
        EXPECT_NEAR(Y - Size.Height / 2.0, Size.Scale * (WindowY - GraphHeight / 2.0),
                    2 * Size.Scale)
            << Size.Width << "x" << Size.Height;
    }
    TPictureRequest Flat = RequestFor(R, GraphWidth, GraphHeight);
    Flat.View.Zoom = 0;
    TPicturePlan Plan;
    EXPECT_EQ(PlanPicture(Flat, Plan), TRefusal::ViewPlane);
}

struct TPainted {
    std::vector<uint32_t> Pixels;
    std::vector<int32_t> Indexes;
    TPaintedPicture Result;
};

TPainted Paint(const TPictureRequest& Request, const TAxesStyle& Axes = {})
{
    TPainted P;
    const auto Size = static_cast<std::size_t>(Request.Width * Request.Height);
    P.Pixels.assign(Size, 0x12345678);
    P.Indexes.assign(Size, 7);
    TPicturePlan Plan;
    TDepthBuffer Depth;
    EXPECT_EQ(PlanPicture(Request, Plan), TRefusal::None);
    EXPECT_TRUE(PrepareDepthBuffer(Request, Depth));
    P.Result = PaintPicture(Request, Plan,
                            {P.Pixels.data(), Request.Width, Request.Height, P.Indexes.data()},
                            Depth, Axes);
    return P;
}

TEST(PicturePaint, TheBoxAndTheBackgroundReachThePixelsAndTheRecord)
{
    const TResultSet R = Cloud();
    const struct {
        const TResultSet* Results;
        bool Box, Light, Depth;
    } Cases[] = {{&R, false, false, false},
                 {&R, true, false, true},
                 {&R, true, true, false},
                 {nullptr, false, true, false},
                 {nullptr, true, false, false}};
    for (const auto& Case : Cases) {
        TPictureRequest Request = RequestFor(R, 200, 150);
        Request.Results = Case.Results;
        Request.Options.Box = Case.Box;
        Request.Options.LightBackground = Case.Light;
        Request.UseDepthBuffer = Case.Depth;
        const TPainted P = Paint(Request);
        // The step's record is the one the reference painter keeps for the
        // same style: the cube when asked for, the true places otherwise.
        std::vector<uint32_t> Pixels(P.Pixels.size());
        std::vector<int32_t> Indexes(P.Indexes.size());
        TPicturePlan Plan;
        PlanPicture(Request, Plan);
        TDepthBuffer Depth;
        PrepareDepthBuffer(Request, Depth);
        const TBoxMapping Cube = MakeBoxMapping(R);
        if (Case.Results)
            PaintGraphReference(R, Plan.ViewPlane, {Pixels.data(), 200, 150, Indexes.data()},
                                Request.ShowUndefined, Case.Depth ? &Depth : nullptr,
                                PointStyleFor(Request.Options, Cube));
        EXPECT_EQ(P.Result.Painted, Case.Results != nullptr);
        const uint32_t Background = Case.Light ? 0xFFFFFF : 0x000000;
        std::size_t Drawn = 0;
        for (std::size_t I = 0; I < P.Pixels.size(); ++I) {
            if (Case.Results) {
                EXPECT_EQ(P.Indexes[I], Indexes[I]) << I;
            }
            if (P.Pixels[I] != Background) ++Drawn;
        }
        EXPECT_EQ(Drawn > 0, Case.Results != nullptr) << Case.Box << Case.Light;
    }
}

TEST(PicturePaint, LaysOutTheAxesOnlyWhenAskedAndMeasurable)
{
    const TResultSet R = Cloud();
    TAxesStyle Measured;
    Measured.Measure = [](const std::string& Text) {
        return TTextSize{static_cast<int32_t>(6 * Text.size()), 10};
    };
    Measured.TickLength = 5;
    Measured.Gap = 3;
    const struct {
        bool Ticks, Measure;
    } Cases[] = {{true, true}, {true, false}, {false, true}};
    for (const auto& Case : Cases) {
        TPictureRequest Request = RequestFor(R, GraphWidth, GraphHeight);
        Request.Options.Ticks = Case.Ticks;
        const TPainted P = Paint(Request, Case.Measure ? Measured : TAxesStyle{});
        const bool Laid = Case.Ticks && Case.Measure;
        EXPECT_EQ(!P.Result.Axes.Lines.empty(), Laid) << Case.Ticks << Case.Measure;
        EXPECT_EQ(!P.Result.Axes.Labels.empty(), Laid) << Case.Ticks << Case.Measure;
    }
    // With the box, the values still name the true heights, not the cube's.
    TPictureRequest Request = RequestFor(R, GraphWidth, GraphHeight);
    Request.Options.Ticks = Request.Options.Box = true;
    bool TrueEnd = false;
    for (const TAxesLabel& Label : Paint(Request, Measured).Result.Axes.Labels)
        TrueEnd = TrueEnd || Label.Text == "-100";
    EXPECT_TRUE(TrueEnd);
}

TEST(SketchedBox, TheResultBoxOrTheCubeTheGraphIsDrawnIn)
{
    const TResultSet R = Cloud();
    for (const bool Box : {false, true}) {
        TPictureRequest Request = RequestFor(R, GraphWidth, GraphHeight);
        Request.Options.Box = Box;
        TPicturePlan Plan;
        ASSERT_EQ(PlanPicture(Request, Plan), TRefusal::None);
        const TResultSet S = SketchedBox(R, Request, Plan);
        EXPECT_TRUE(S.Points.empty());
        // The cube is as wide as X, the wider, about the origin; so is its Z.
        const double X = 4, Z = Box ? 4 : 1;
        EXPECT_DOUBLE_EQ(S.XIntervalFrom, -X);
        EXPECT_DOUBLE_EQ(S.XIntervalTo, X);
        EXPECT_DOUBLE_EQ(S.ZIntervalFrom, -Z);
        EXPECT_DOUBLE_EQ(S.ZIntervalTo, Z);
        EXPECT_NEAR(S.BoundingRadius, Box ? 4 * std::sqrt(3.0) : R.BoundingRadius, 1e-6);
    }
}

}  // namespace
