// The frame of the graph picture: the fit centres and fills it from any
// camera distance, the box's edges behind the graph stay under its points,
// and the axes sketch shows the same view at every picture size.
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Window/Internal/BoxAxesPaint.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "MainUnit/Window/Internal/Outline.h"
#include "Proc3D/Proc3D.h"
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using namespace MainUnit;

// N x N points of F over [-10, 10]^2; an F that is not a number gives an
// undefined point. The result box and radius as a calculation sets them.
TResultSet Grid(const std::function<double(double, double)>& F, int N)
{
    TResultSet R;
    R.XIntervalFrom = R.ZIntervalFrom = -10, R.XIntervalTo = R.ZIntervalTo = 10;
    R.YIntervalFrom = 1e300, R.YIntervalTo = -1e300;
    double Radius = 0;
    for (int I = 0; I < N; ++I) {
        for (int J = 0; J < N; ++J) {
            const double X = -10 + 20.0 * I / (N - 1), Z = -10 + 20.0 * J / (N - 1);
            const double Y = F(X, Z);
            const bool Defined = std::isfinite(Y);
            R.Points.push_back({X, Defined ? Y : SolveExp::UndefinedValue, Z});
            if (Defined) {
                R.YIntervalFrom = std::min(R.YIntervalFrom, Y);
                R.YIntervalTo = std::max(R.YIntervalTo, Y);
            }
            Radius = std::max(Radius, std::sqrt(X * X + (Defined ? Y * Y : 0) + Z * Z));
        }
    }
    R.PointCount = static_cast<int32_t>(R.Points.size());
    R.BoundingRadius = Radius * (1 + 1e-12);
    return R;
}

const TResultSet& Surface(int Which)
{
    static const TResultSet Sets[] = {
        Grid([](double X, double Z) { return X * X - Z * Z; }, 120),
        Grid([](double X, double Z) { return std::exp(-(X * X + Z * Z) / 10); }, 120),
        Grid([](double X, double Z) { return std::sin(std::sqrt(X * X + Z * Z)); }, 120),
        Grid([](double X, double Z) { return std::sqrt(25 - X * X - Z * Z); }, 160),
        Grid([](double X, double Z) { return std::sin(X) * std::cos(Z); }, 120)};
    return Sets[Which];
}

struct TPainted {
    std::vector<uint32_t> Pixels;
    int Width = 0, Height = 0;
    uint32_t Background = 0;
    uint32_t At(int X, int Y) const
    {
        return Pixels[static_cast<size_t>(Y) * static_cast<size_t>(Width) + X] & 0xFFFFFFu;
    }
};

Proc3D::TViewPlane PlaneOf(const TViewSettings& V, int W, int H)
{
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane Plane{};
    EXPECT_TRUE(Proc3D::CalcViewPlane(Camera, W, H, V.VerAngle, V.HorAngle,
                                      FramedZoom(V.Zoom, W, H), V.Distance, Plane));
    return Plane;
}

TPainted Paint(const TResultSet& R, const TViewSettings& V, const TPictureOptions& Options,
               bool Depth, int W = GraphWidth, int H = GraphHeight)
{
    TPictureRequest Request;
    Request.Results = &R;
    Request.ViewPlane = PlaneOf(V, W, H);
    Request.UseDepthBuffer = Depth;
    Request.Options = Options;
    Request.Width = W, Request.Height = H;
    TPainted P{std::vector<uint32_t>(static_cast<size_t>(W) * H), W, H, BackgroundColor(Options)};
    TDepthBuffer Buffer;
    EXPECT_TRUE(PrepareDepthBuffer(Request, Buffer));
    QImage Sketch(145, 103, QImage::Format_RGBX8888);
    Platform::TCanvas Canvas(Sketch, {});
    PaintGraphAndSketch(Request, {P.Pixels.data(), W, H}, Buffer, Canvas);
    return P;
}

TEST(FrameGeometry, TheFitCentresAndFillsThePictureFromAnyDistance)
{
    struct TCase {
        int Surface;
        bool Box, Ticks;
        double Ver, Hor, DistanceInRadii;
    };
    const TCase Cases[] = {
        {4, false, false, 0.0, 0.0, 1.0016},  // --distance 14.2 for sin(x)*cos(z)
        {4, false, false, 0.5, 0.3, 1.01},   {0, false, false, 0.5, 0.7, 1.01},
        {0, true, true, 0.5, 0.7, 1.01},     {1, true, true, 0.4, 0.6, 1.5},
        {2, true, true, 0.5, 0.6, 3},        {3, false, true, 0.3, -2.0, 1.2},
        {3, true, false, -0.6, 0.4, 40},     {1, false, false, 1.2, 2.5, 1000},
        {2, true, true, 1.4, -0.8, 1000},    {0, false, true, -0.3, 3.0, 10},
        {1, true, true, 0.9, 1.2, 1.01},     {2, false, false, 0.1, 0.5, 2}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message()
                     << Case.Surface << " box " << Case.Box << " ticks " << Case.Ticks << " at "
                     << Case.Ver << ", " << Case.Hor << ", " << Case.DistanceInRadii << " radii");
        const TResultSet& R = Surface(Case.Surface);
        TPictureOptions Options;
        Options.Box = Case.Box, Options.Ticks = Case.Ticks;
        TViewSettings V{Case.Hor, Case.Ver,
                        Case.DistanceInRadii * ViewRadius(R, Case.Box, Options.BoxHeight), 100};
        const TViewTexts Fitted = FitViewToPoints(V, R, true, Options, GraphWidth, GraphHeight);
        ASSERT_TRUE(ReadReal(Fitted.Zoom, V.Zoom));
        ASSERT_TRUE(Fitted.Pan.has_value());
        Options.Pan = *Fitted.Pan;
        const TPainted P = Paint(R, V, Options, true);
        int Left = P.Width, Right = -1, Top = P.Height, Bottom = -1;
        for (int Y = 0; Y < P.Height; ++Y)
            for (int X = 0; X < P.Width; ++X)
                if (P.At(X, Y) != P.Background)
                    Left = std::min(Left, X), Right = std::max(Right, X), Top = std::min(Top, Y),
                    Bottom = std::max(Bottom, Y);
        ASSERT_GE(Right, Left);
        EXPECT_LE(std::fabs((Left + Right) / 2.0 - (P.Width - 1) / 2.0), 0.02 * P.Width)
            << Left << ".." << Right;
        EXPECT_LE(std::fabs((Top + Bottom) / 2.0 - (P.Height - 1) / 2.0), 0.02 * P.Height)
            << Top << ".." << Bottom;
        EXPECT_GE(std::max(double(Right - Left + 1) / P.Width, double(Bottom - Top + 1) / P.Height),
                  0.9)
            << Left << ".." << Right << " x " << Top << ".." << Bottom;
    }
}

// A plane across the whole box at height 0, dense enough to cover every
// pixel it spans, in a box from -1 to 1: the base edges and ticks on its
// far side lie behind it.
const TResultSet& Plane()
{
    static const TResultSet R = [] {
        TResultSet P = Grid([](double, double) { return 0.0; }, 400);
        P.YIntervalFrom = -1, P.YIntervalTo = 1;
        return P;
    }();
    return R;
}

TEST(FrameGeometry, NoBoxEdgeIsDrawnWhereTheGraphIsNearer)
{
    const struct {
        bool Box, Depth;
        double Ver, Hor;
    } Cases[] = {{false, false, 0.5, 0.7},
                 {true, true, 0.9, -2.2},
                 {true, false, -0.4, 2.6},
                 {false, true, 0.25, -0.3},
                 {true, true, 1.3, 0.1}};
    const TResultSet& R = Plane();
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message()
                     << Case.Box << Case.Depth << " " << Case.Ver << ", " << Case.Hor);
        TPictureOptions Options;
        Options.Box = Case.Box, Options.Ticks = true;
        TViewSettings V{Case.Hor, Case.Ver, 3 * ViewRadius(R, Case.Box), 100};
        const TViewTexts Fitted = FitViewToPoints(V, R, true, Options, GraphWidth, GraphHeight);
        ASSERT_TRUE(ReadReal(Fitted.Zoom, V.Zoom));
        Options.Pan = Fitted.Pan.value_or(TPan{});
        const TPainted Axes = Paint(R, V, Options, Case.Depth);
        Options.Ticks = false;
        const TPainted Bare = Paint(R, V, Options, Case.Depth);
        // The plane's corners on the picture, moved as the picture is.
        Proc3D::TViewPlane View = PlaneOf(V, GraphWidth, GraphHeight);
        View.HalfWidth = static_cast<uint16_t>(View.HalfWidth + Options.Pan.X);
        View.HalfHeight = static_cast<uint16_t>(View.HalfHeight + Options.Pan.Y);
        const TBoxMapping Box = MakeBoxMapping(R);
        // The values are text to read, drawn over everything: their places
        // are left out.
        QImage Scratch(GraphWidth, GraphHeight, QImage::Format_RGBX8888);
        Options.Ticks = true;
        const TAxesDrawing Layout = TBoxAxesPainter(Scratch, R, View, Options).Layout();
        const auto InLabel = [&Layout](int X, int Y) {
            return std::any_of(Layout.Labels.begin(), Layout.Labels.end(), [&](const auto& L) {
                return X >= L.Left - 2 && X < L.Left + L.Width + 2 && Y >= L.Top - 2 &&
                       Y < L.Top + L.Height + 2;
            });
        };
        double Corner[4][2];
        const double Ends[4][2] = {{-10, -10}, {-10, 10}, {10, 10}, {10, -10}};
        for (int I = 0; I < 4; ++I) {
            Proc3D::TPoint3D P{Ends[I][0], 0, Ends[I][1]};
            if (Case.Box) P = MapToBox(Box, P);
            int32_t X = 0, Y = 0;
            ASSERT_TRUE(Proc3D::ProjectPoint(View, P, X, Y));
            Corner[I][0] = X, Corner[I][1] = Y;
        }
        // Pixels more than 3 pixels inside the plane's outline, where every
        // line drawn belongs to the box behind it.
        int Inside = 0, Drawn = 0;
        for (int Y = 0; Y < GraphHeight; ++Y) {
            for (int X = 0; X < GraphWidth; ++X) {
                double Least = 1e9, Sign = 0;
                bool Mixed = false;
                for (int I = 0; I < 4; ++I) {
                    const double* A = Corner[I];
                    const double* B = Corner[(I + 1) % 4];
                    const double DX = B[0] - A[0], DY = B[1] - A[1];
                    const double Side = (DX * (Y - A[1]) - DY * (X - A[0])) / std::hypot(DX, DY);
                    if (Sign == 0) Sign = Side > 0 ? 1 : -1;
                    Mixed |= Side * Sign <= 0;
                    Least = std::min(Least, std::fabs(Side));
                }
                if (Mixed || Least <= 3 || InLabel(X, Y)) continue;
                ++Inside;
                Drawn += Axes.At(X, Y) != Bare.At(X, Y);
            }
        }
        EXPECT_GT(Inside, 5000);
        EXPECT_EQ(Drawn, 0);
    }
}

TEST(FrameGeometry, TheSketchIsTheWindowsAtEverySizeAndAspect)
{
    const TResultSet& R = Surface(0);
    const struct {
        double Ver, Hor;
        bool Outline3D;
    } Views[] = {{0.5, 0.7, false}, {-0.3, 2.1, true}, {1.1, -0.4, false}, {0.2, 0.2, true}};
    const int Sizes[][2] = {{1800, 400}, {400, 800}, {1600, 700}, {64, 64}, {3840, 2160}};
    const auto Sketch = [&R](const TViewSettings& V, bool Outline3D, int W, int H) {
        QImage Image(145, 103, QImage::Format_RGBX8888);
        Platform::TCanvas Canvas(Image, {});
        DrawOutlineSketch(Canvas, 145, 103, W, H, SketchedBox(R, false), PlaneOf(V, W, H),
                          Outline3D);
        return Image;
    };
    for (const auto& View : Views) {
        const TViewSettings V{View.Hor, View.Ver, 2 * R.BoundingRadius, 180};
        const QImage Window = Sketch(V, View.Outline3D, GraphWidth, GraphHeight);
        int Lit = 0;
        for (int Y = 0; Y < 103; ++Y)
            for (int X = 0; X < 145; ++X)
                Lit += (Window.pixel(X, Y) & 0xFFFFFF) != 0;
        for (const auto& Size : Sizes) {
            SCOPED_TRACE(testing::Message()
                         << View.Ver << ", " << View.Hor << " at " << Size[0] << "x" << Size[1]);
            const QImage Other = Sketch(V, View.Outline3D, Size[0], Size[1]);
            int Differ = 0;
            for (int Y = 0; Y < 103; ++Y)
                for (int X = 0; X < 145; ++X)
                    Differ += Other.pixel(X, Y) != Window.pixel(X, Y);
            EXPECT_LE(Differ, Lit / 100) << Lit;
        }
    }
}

}  // namespace
