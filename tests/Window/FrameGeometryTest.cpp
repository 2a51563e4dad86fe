// The frame of the graph picture: the fit centres and fills it from any
// camera distance, the box's edges behind the graph stay under its points,
// and the axes sketch shows the same view at every picture size.
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/FramePoints.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Text/NumberText.h"
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

}  // namespace
