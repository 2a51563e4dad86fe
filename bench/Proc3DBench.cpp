// The repaint core at a million points: the fast point loop and the
// straightforward one, without and with the depth buffer, at two views, with
// the axes as they are and scaled to a box (the camera then as far from the
// cube, in its radii, as from the sphere without it); the
// fast loop at the sizes of a large view, with and without the record of
// which point set each pixel; and the pick that reads that record.
#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/PointPick.h"
#include "MillionPoints.h"
#include "Proc3D/Proc3D.h"
#include "Timing.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// A picture of Width x Height to paint into, with its depth buffer when
// UseDepth and its record of the points when Record.
struct TBenchPicture {
    std::vector<uint32_t> Pixels;
    std::vector<int32_t> Indexes;
    MainUnit::TDepthBuffer Depth;
    MainUnit::TPixelArray Picture;
    MainUnit::TPaintScratch Scratch;  // kept from one repaint to the next, as a window keeps it

    TBenchPicture(int32_t Width, int32_t Height, bool UseDepth, bool Record = false)
        : Pixels(static_cast<size_t>(Width) * static_cast<size_t>(Height)),
          Indexes(Record ? Pixels.size() : 0), Picture{Pixels.data(), Width, Height,
                                                       Record ? Indexes.data() : nullptr}
    {
        if (UseDepth) MainUnit::CreateDepthBuffer(Width, Height, Depth);
    }
    MainUnit::TDepthBuffer* DepthOrNull() { return Depth.Depths.empty() ? nullptr : &Depth; }
};

using MainUnit::TResultSet;

struct TView {
    double Ver, Hor, Zoom, DistanceFactor;
};
const TView Views[2] = {{0.5, 0.7, 600, 1.5}, {-0.3, 2.5, 300, 3.0}};

template <bool Fast> void BM_Repaint(benchmark::State& State)
{
    const TResultSet& R = MillionPoints();
    const TView& V = Views[State.range(0)];
    const bool UseDepth = State.range(1) != 0;
    const MainUnit::TCores Cores =
        State.range(2) != 0 ? MainUnit::TCores::Machine : MainUnit::TCores::One;
    const bool Boxed = State.range(3) != 0;
    const MainUnit::TBoxMapping Box = MainUnit::MakeBoxMapping(R);
    const MainUnit::TPointStyle Style{Boxed ? &Box : nullptr, MainUnit::UndefinedColor};
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    Proc3D::CalcViewPlane(Camera, MainUnit::GraphWidth, MainUnit::GraphHeight, V.Ver, V.Hor, V.Zoom,
                          V.DistanceFactor * MainUnit::ViewRadius(R, Boxed), View);
    TBenchPicture P(MainUnit::GraphWidth, MainUnit::GraphHeight, UseDepth);
    const MainUnit::TPixelArray& Picture = P.Picture;
    for (auto _ : State) {
        MainUnit::FillPicture(Picture, 0);
        if (Fast) {
            MainUnit::PaintGraph(R, View, Picture, true, P.DepthOrNull(), Cores, Style, &P.Scratch);
        } else {
            MainUnit::PaintGraphReference(R, View, Picture, true, P.DepthOrNull(), Style);
        }
        benchmark::DoNotOptimize(P.Pixels.data());
    }
    State.SetItemsProcessed(State.iterations() * R.PointCount);
}

struct TSize {
    int32_t Width, Height;
};
const TSize Sizes[3] = {{MainUnit::GraphWidth, MainUnit::GraphHeight}, {1920, 1080}, {3840, 2160}};

// The first view framed for a picture of Size, as a large view frames it.
Proc3D::TViewPlane FramedView(const TSize& Size)
{
    const TView& V = Views[0];
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    Proc3D::CalcViewPlane(Camera, Size.Width, Size.Height, V.Ver, V.Hor,
                          MainUnit::FramedZoom(V.Zoom, Size.Width, Size.Height),
                          V.DistanceFactor * MillionPoints().BoundingRadius, View);
    return View;
}

void BM_LargeRepaint(benchmark::State& State)
{
    const TResultSet& R = MillionPoints();
    const TSize& Size = Sizes[State.range(0)];
    const bool UseDepth = State.range(1) != 0;
    const bool Record = State.range(2) != 0;
    const Proc3D::TViewPlane View = FramedView(Size);
    TBenchPicture P(Size.Width, Size.Height, UseDepth, Record);
    const MainUnit::TPixelArray& Picture = P.Picture;
    for (auto _ : State) {
        MainUnit::FillPicture(Picture, 0);
        MainUnit::PaintGraph(R, View, Picture, true, P.DepthOrNull(), MainUnit::TCores::Machine, {},
                             &P.Scratch);
        benchmark::DoNotOptimize(P.Pixels.data());
    }
    State.SetItemsProcessed(State.iterations() * R.PointCount);
}

// Picks over a 1920 x 1080 record, at pixels spread over the whole picture:
// drawn ones, empty ones near the graph and empty ones far from it.
void BM_Pick(benchmark::State& State)
{
    const TSize& Size = Sizes[1];
    const Proc3D::TViewPlane View = FramedView(Size);
    TBenchPicture P(Size.Width, Size.Height, true, true);
    MainUnit::PaintGraph(MillionPoints(), View, P.Picture, true, P.DepthOrNull());
    int32_t X = 0, Y = 0;
    for (auto _ : State) {
        X = (X + 97) % Size.Width;
        Y = (Y + 31) % Size.Height;
        benchmark::DoNotOptimize(
            MainUnit::PickPoint(P.Indexes.data(), Size.Width, Size.Height, X, Y));
    }
}

}  // namespace

// Arguments: view (0 or 1), depth buffer (0 off, 1 on), cores (1 or 2; the
// straightforward loop always runs on one), box (0 off, 1 on). Time is wall-clock time; CPU is
// that of all threads, so on a busy machine the one-core CPU time is the
// figure to read.
BENCHMARK_TEMPLATE(BM_Repaint, true)
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}, {0, 1}})
    ->ArgNames({"view", "zbuffer", "twocores", "box"})
    ->Apply(InMillisecondsOfWallAndProcessor);
BENCHMARK_TEMPLATE(BM_Repaint, false)
    ->ArgsProduct({{0, 1}, {0, 1}, {0}, {0, 1}})
    ->ArgNames({"view", "zbuffer", "twocores", "box"})
    ->Apply(InMillisecondsOfWallAndProcessor);

namespace {

// The same million points with Y stretched to the width of X and Z: the box
// then maps every point onto itself, so both pictures are the same and any
// difference in time is what the mapping costs per point.
void BM_RepaintCube(benchmark::State& State)
{
    static const TResultSet Cube = [] {
        TResultSet R = MillionPoints();
        for (auto& P : R.Points)
            P.Y *= 10;
        R.YIntervalFrom = -10;
        R.YIntervalTo = 10;
        R.BoundingRadius = std::sqrt(300.0);
        return R;
    }();
    const bool UseDepth = State.range(0) != 0;
    // Large: 1920 x 1080 on two cores, as the large view paints.
    const bool Large = State.range(2) != 0;
    const int32_t Width = Large ? 1920 : MainUnit::GraphWidth;
    const int32_t Height = Large ? 1080 : MainUnit::GraphHeight;
    const MainUnit::TBoxMapping Box = MainUnit::MakeBoxMapping(Cube);
    const MainUnit::TPointStyle Style{State.range(1) != 0 ? &Box : nullptr,
                                      MainUnit::UndefinedColor};
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    Proc3D::CalcViewPlane(Camera, Width, Height, 0.5, 0.7, 250,
                          1.5 * MainUnit::ViewRadius(Cube, true), View);
    TBenchPicture P(Width, Height, UseDepth);
    const MainUnit::TPixelArray& Picture = P.Picture;
    for (auto _ : State) {
        MainUnit::FillPicture(Picture, 0);
        MainUnit::PaintGraph(Cube, View, Picture, true, P.DepthOrNull(),
                             Large ? MainUnit::TCores::Two : MainUnit::TCores::One, Style,
                             &P.Scratch);
        benchmark::DoNotOptimize(P.Pixels.data());
    }
    State.SetItemsProcessed(State.iterations() * Cube.PointCount);
}

}  // namespace

// Arguments: depth buffer (0 off, 1 on), box (0 off, 1 on), size (0: 505 x 404
// on one core, 1: 1920 x 1080 on two).
BENCHMARK(BM_RepaintCube)
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->ArgNames({"zbuffer", "box", "large"})
    ->Apply(InMillisecondsOfWallAndProcessor);
// Arguments: picture size (0: 505 x 404, 1: 1920 x 1080, 2: 3840 x 2160),
// depth buffer, record of the points; always on two cores.
BENCHMARK(BM_LargeRepaint)
    ->ArgsProduct({{0, 1, 2}, {0, 1}, {0, 1}})
    ->ArgNames({"size", "zbuffer", "record"})
    ->Apply(InMillisecondsOfWallAndProcessor);
BENCHMARK(BM_Pick)->Unit(benchmark::kMicrosecond);
