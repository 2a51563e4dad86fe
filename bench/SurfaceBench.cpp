// The surface against the points at a million points, side by side in one
// run: the point repaint with the depth buffer and the surface repaint (plain,
// and darkened and lit), both recording the points and keeping their memory
// from one repaint to the next as the window does, at 505 x 404 and
// 1920 x 1080. Then, once each, the enclosed background of the
// command line's surface picture: background pixels of the graph that cannot
// be reached from its border through background, for three functions at four
// sizes on black and white.
#include "MainUnit/CommandLine/CommandLineJob.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Picture/SurfacePaint.h"
#include "MillionPoints.h"
#include "Proc3D/Proc3D.h"
#include "tests/Support/EnclosedBackground.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

struct TSize {
    int32_t Width, Height;
};
const TSize Sizes[4] = {{505, 404}, {1280, 720}, {1920, 1080}, {3840, 2160}};

// Size index, then 0: points with the depth buffer, 1: surface, 2: surface
// darkened and lit.
void BM_SurfaceAgainstPoints(benchmark::State& State)
{
    const MainUnit::TResultSet& R = MillionPoints();
    const TSize& Size = Sizes[State.range(0)];
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    Proc3D::CalcViewPlane(Camera, Size.Width, Size.Height, 0.5, 0.7,
                          MainUnit::FramedZoom(600, Size.Width, Size.Height),
                          1.5 * R.BoundingRadius, View);
    const size_t Count = static_cast<size_t>(Size.Width) * static_cast<size_t>(Size.Height);
    std::vector<uint32_t> Pixels(Count);
    std::vector<int32_t> Indexes(Count);
    MainUnit::TDepthBuffer Depth;
    MainUnit::CreateDepthBuffer(Size.Width, Size.Height, Depth);
    const MainUnit::TPixelArray Picture{Pixels.data(), Size.Width, Size.Height, Indexes.data()};
    const bool Shaded = State.range(1) == 2;
    // The memory the window keeps from one repaint to the next.
    MainUnit::TPaintScratch Scratch;
    for (auto _ : State) {
        MainUnit::FillPicture(Picture, 0);
        if (State.range(1) == 0) {
            MainUnit::PaintGraph(R, View, Picture, true, &Depth, MainUnit::TCores::Machine, {},
                                 &Scratch);
        } else {
            MainUnit::PaintSurface(R, View, Picture, {true, Shaded, Shaded, {}}, Depth,
                                   MainUnit::TCores::Machine, &Scratch.Surface);
        }
        benchmark::DoNotOptimize(Pixels.data());
    }
    State.SetItemsProcessed(State.iterations() * R.PointCount);
}

// The ripple as typed is read from left to right, ((x*x)+z)*z under the
// root, undefined over part of the square; the fourth is the ripple the
// usual way, defined everywhere.
const char* const Functions[4] = {"sin(x)*cos(z)", "sin(sqrt(x*x+z*z))", "(x*x)-(z*z)",
                                  "sin(sqrt((x*x)+(z*z)))"};

// Function, size, background (0 black, 1 white); the picture of
// --points 999999 --surface --box --fit --hor-angle 0.7 --ver-angle 0.5.
void BM_SurfaceEnclosedBackground(benchmark::State& State)
{
    MainUnit::TCommandLineSettings S;
    S.Function = Functions[State.range(0)];
    S.Points = "999999";
    S.HorAngle = "0.7", S.VerAngle = "0.5";
    S.Options.FitAfterCalculation = true;
    S.Options.Box = S.Options.Surface = true;
    S.Options.LightBackground = State.range(2) != 0;
    S.Width = Sizes[State.range(1)].Width, S.Height = Sizes[State.range(1)].Height;
    S.Output = MainUnit::TJobOutput::Picture;
    MainUnit::TCommandLineResult Result;
    size_t Enclosed = 0, EnclosedDiagonal = 0, Drawn = 0;
    for (auto _ : State) {
        if (MainUnit::CalculateForCommandLine(S, 0, 0, Result) != MainUnit::TRefusal::None) {
            State.SkipWithError("refused");
            return;
        }
        const MainUnit::TPictureRequest Request = MainUnit::PictureRequestOf(S, Result);
        std::vector<uint32_t> Pixels(static_cast<size_t>(S.Width) * static_cast<size_t>(S.Height));
        const uint32_t Background = MainUnit::BackgroundColor(S.Options);
        MainUnit::TPicturePlan Plan;
        MainUnit::PlanPicture(Request, Plan);
        MainUnit::TDepthBuffer Depth;
        MainUnit::PrepareDepthBuffer(Request, Depth);
        MainUnit::PaintPicture(Request, Plan, {Pixels.data(), S.Width, S.Height}, Depth);
        Enclosed = TestSupport::EnclosedBackground(Pixels, S.Width, S.Height, Background, false);
        EnclosedDiagonal =
            TestSupport::EnclosedBackground(Pixels, S.Width, S.Height, Background, true);
        Drawn = 0;
        for (uint32_t Pixel : Pixels)
            Drawn += Pixel != Background;
    }
    State.counters["enclosed"] = static_cast<double>(Enclosed);
    State.counters["enclosed8"] = static_cast<double>(EnclosedDiagonal);
    State.counters["drawn"] = static_cast<double>(Drawn);
}

}  // namespace

BENCHMARK(BM_SurfaceAgainstPoints)
    ->ArgsProduct({{0, 2}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SurfaceEnclosedBackground)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
