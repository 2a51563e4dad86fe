// The frame of the graph picture: the fit centres and fills it from any
// camera distance, the box's edges behind the graph stay under its points,
// and the axes sketch shows the same view at every picture size.
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/ViewPan.h"
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Window/Internal/BoxAxesPaint.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "MainUnit/Window/Internal/Outline.h"
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace MainUnit;

// N x N points of F over [-10, 10]^2 (undefined where F is not a number),
// with Y's interval and the radius as a calculation sets them.
TResultSet Grid(const std::function<double(double, double)>& F, int N)
{
    TResultSet R;
    R.XIntervalFrom = R.ZIntervalFrom = -10, R.XIntervalTo = R.ZIntervalTo = 10;
    R.YIntervalFrom = 1e300, R.YIntervalTo = -1e300;
    for (int I = 0; I < N * N; ++I) {
        const double X = -10 + 20.0 * (I / N) / (N - 1), Z = -10 + 20.0 * (I % N) / (N - 1);
        const double Y = F(X, Z);
        const bool Defined = std::isfinite(Y);
        R.Points.push_back({X, Defined ? Y : SolveExp::UndefinedValue, Z});
        const double Height = Defined ? Y : 0;  // where an undefined point is drawn
        R.BoundingRadius =
            std::max(R.BoundingRadius, 1.000001 * std::sqrt(X * X + Height * Height + Z * Z));
        if (!Defined) continue;
        R.YIntervalFrom = std::min(R.YIntervalFrom, Y), R.YIntervalTo = std::max(R.YIntervalTo, Y);
    }
    R.PointCount = N * N;
    return R;
}

Proc3D::TViewPlane PlaneOf(const TViewSettings& V, int W, int H)
{
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane Plane{};
    EXPECT_TRUE(Proc3D::CalcViewPlane(Camera, W, H, V.VerAngle, V.HorAngle,
                                      FramedZoom(V.Zoom, W, H), V.Distance, Plane));
    return Plane;
}

// The 505 x 404 graph of the view, moved by Options.Pan, without the top bytes.
std::vector<uint32_t> Paint(const TResultSet& R, const TViewSettings& V, TPictureRequest Request)
{
    Request.Results = &R;
    Request.View = V;
    TPicturePlan Plan;
    EXPECT_EQ(PlanPicture(Request, Plan), TRefusal::None);
    std::vector<uint32_t> Pixels(size_t(GraphWidth) * GraphHeight);
    TDepthBuffer Buffer;
    EXPECT_TRUE(PrepareDepthBuffer(Request, Buffer));
    QImage Sketch(145, 103, QImage::Format_RGBX8888);
    Platform::TCanvas Canvas(Sketch, {});
    PaintGraphAndSketch(Request, Plan, {Pixels.data(), GraphWidth, GraphHeight}, Buffer, Canvas);
    for (uint32_t& Pixel : Pixels)
        Pixel &= 0xFFFFFFu;
    return Pixels;
}

// The view fitted for Options, its move put into Options.
TViewSettings Fit(const TResultSet& R, double Hor, double Ver, double Radii,
                  TPictureOptions& Options)
{
    TViewSettings V{Hor, Ver, Radii * ViewRadius(R, Options.Box, Options.BoxHeight), 100};
    const TViewTexts Fitted = FitViewToPoints(V, R, true, Options, GraphWidth, GraphHeight);
    EXPECT_TRUE(ReadReal(Fitted.Zoom, V.Zoom));
    Options.Pan = Fitted.Pan.value_or(TPan{1000, 1000});
    return V;
}

TEST(FrameGeometry, TheFitCentresAndFillsThePictureFromAnyDistance)
{
    const TResultSet Sets[] = {
        Grid([](double X, double Z) { return X * X - Z * Z; }, 120),
        Grid([](double X, double Z) { return std::exp(-(X * X + Z * Z) / 10); }, 120),
        Grid([](double X, double Z) { return std::sin(std::sqrt(X * X + Z * Z)); }, 120),
        Grid([](double X, double Z) { return std::sqrt(25 - X * X - Z * Z); }, 160),
        Grid([](double X, double Z) { return std::sin(X) * std::cos(Z); }, 120)};
    const struct {
        int Set;
        bool Box, Ticks;
        double Ver, Hor, Radii;
    } Cases[] = {{4, false, false, 0.0, 0.0, 1.0016},  // --distance 14.2, which zoomed out
                 {4, false, false, 0.5, 0.3, 1.01},   {0, false, false, 0.5, 0.7, 1.01},
                 {0, true, true, 0.5, 0.7, 1.01},     {1, true, true, 0.4, 0.6, 1.5},
                 {2, true, true, 0.5, 0.6, 3},        {3, false, true, 0.3, -2.0, 1.2},
                 {3, true, false, -0.6, 0.4, 40},     {1, false, false, 1.2, 2.5, 1000},
                 {2, true, true, 1.4, -0.8, 1000},    {0, false, true, -0.3, 3.0, 10},
                 {1, true, true, 0.9, 1.2, 1.01},     {2, false, false, 0.1, 0.5, 2}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Set << Case.Box << Case.Ticks << " " << Case.Ver
                                        << ", " << Case.Hor << ", " << Case.Radii);
        TPictureRequest Request;
        Request.UseDepthBuffer = true;
        Request.Options.Box = Case.Box, Request.Options.Ticks = Case.Ticks;
        const TViewSettings V =
            Fit(Sets[Case.Set], Case.Hor, Case.Ver, Case.Radii, Request.Options);
        const std::vector<uint32_t> P = Paint(Sets[Case.Set], V, Request);
        int Left = GraphWidth, Right = -1, Top = GraphHeight, Bottom = -1;
        for (int I = 0; I < GraphWidth * GraphHeight; ++I)
            if (P[size_t(I)] != 0)
                Left = std::min(Left, I % GraphWidth), Right = std::max(Right, I % GraphWidth),
                Top = std::min(Top, I / GraphWidth), Bottom = std::max(Bottom, I / GraphWidth);
        EXPECT_LE(std::abs(Left + Right - (GraphWidth - 1)), 2 * 0.02 * GraphWidth) << Left;
        EXPECT_LE(std::abs(Top + Bottom - (GraphHeight - 1)), 2 * 0.02 * GraphHeight)
            << Top << " " << Bottom << " " << Left << " " << Right;
        EXPECT_GE(std::max((Right - Left + 1.0) / GraphWidth, (Bottom - Top + 1.0) / GraphHeight),
                  0.9);
    }
}

TEST(FrameGeometry, NoBoxEdgeIsDrawnWhereTheGraphIsNearer)
{
    // A plane at height 0 in a box from -1 to 1, dense enough to cover every
    // pixel it spans: the base edges and ticks on its far side lie behind it.
    TResultSet R = Grid([](double, double) { return 0.0; }, 400);
    R.YIntervalFrom = -1, R.YIntervalTo = 1;
    const struct {
        bool Box, Depth;
        double Ver, Hor;
    } Cases[] = {{false, false, 0.5, 0.7},
                 {true, true, 0.9, -2.2},
                 {true, false, -0.4, 2.6},
                 {false, true, 0.25, -0.3},
                 {true, true, 1.3, 0.1}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Box << Case.Depth << " " << Case.Ver);
        TPictureRequest Request;
        Request.UseDepthBuffer = Case.Depth;
        Request.Options.Box = Case.Box, Request.Options.Ticks = true;
        const TViewSettings V = Fit(R, Case.Hor, Case.Ver, 3, Request.Options);
        const std::vector<uint32_t> Axes = Paint(R, V, Request);
        // The values are text to read, drawn over everything: left out.
        Request.Results = &R, Request.View = V;
        TPicturePlan Plan;
        ASSERT_EQ(PlanPicture(Request, Plan), TRefusal::None);
        std::vector<uint32_t> Scratch(size_t(GraphWidth) * GraphHeight);
        TDepthBuffer Buffer;
        const TAxesFont Font(GraphWidth, GraphHeight);
        const TAxesDrawing Layout =
            PaintPicture(Request, Plan, {Scratch.data(), GraphWidth, GraphHeight}, Buffer,
                         Font.Style())
                .Axes;
        Request.Options.Ticks = false;
        const std::vector<uint32_t> Bare = Paint(R, V, Request);
        const auto Lit = [&Bare](int X, int Y) { return Bare[size_t(Y * GraphWidth + X)] != 0; };
        int Inside = 0, Drawn = 0;
        for (int Y = 3; Y < GraphHeight - 3; ++Y) {
            for (int X = 3; X < GraphWidth - 3; ++X) {
                // Well inside the plane: its points all round.
                bool Deep = true;
                for (int D = -3; D <= 3 && Deep; ++D)
                    Deep = Lit(X + D, Y - 3) && Lit(X + D, Y + 3) && Lit(X - 3, Y + D) &&
                           Lit(X + 3, Y + D) && Lit(X, Y + D);
                for (const TAxesLabel& L : Layout.Labels)
                    Deep &= !(X >= L.Left - 2 && X < L.Left + L.Width + 2 && Y >= L.Top - 2 &&
                              Y < L.Top + L.Height + 2);
                Inside += Deep;
                Drawn +=
                    Deep && Axes[size_t(Y * GraphWidth + X)] != Bare[size_t(Y * GraphWidth + X)];
            }
        }
        EXPECT_GT(Inside, 5000);
        EXPECT_EQ(Drawn, 0);
    }
}

TEST(FrameGeometry, TheSketchIsTheWindowsAtEverySizeAndAspect)
{
    const TResultSet R = Grid([](double X, double Z) { return X * Z; }, 3);
    const struct {
        double Ver, Hor;
        bool Outline3D;
    } Views[] = {{0.5, 0.7, false}, {-0.3, 2.1, true}, {1.1, -0.4, false}, {0.2, 0.2, true}};
    const int Sizes[][2] = {{1800, 400}, {400, 800}, {1600, 700}, {64, 64}, {3840, 2160}};
    const auto Sketch = [&R](const TViewSettings& V, bool Outline3D, int W, int H) {
        QImage Image(145, 103, QImage::Format_RGBX8888);
        Platform::TCanvas Canvas(Image, {});
        DrawOutlineSketch(Canvas, 145, 103, W, H, R, PlaneOf(V, W, H), Outline3D);
        return Image;
    };
    for (const auto& View : Views) {
        const TViewSettings V{View.Hor, View.Ver, 2 * R.BoundingRadius, 180};
        const QImage Window = Sketch(V, View.Outline3D, GraphWidth, GraphHeight);
        for (const auto& Size : Sizes) {
            SCOPED_TRACE(testing::Message() << View.Ver << " at " << Size[0] << "x" << Size[1]);
            const QImage Other = Sketch(V, View.Outline3D, Size[0], Size[1]);
            int Differ = 0;
            for (int I = 0; I < 145 * 103; ++I)
                Differ += Other.pixel(I % 145, I / 145) != Window.pixel(I % 145, I / 145);
            EXPECT_LE(Differ, 3);
        }
    }
}

}  // namespace
