// The floor that a repaint is measured against: a bare loop over the same
// million points that rotates each into the camera's frame, divides by its
// depth, looks its colour up, writes a 32-bit pixel and, optionally, tests
// and stores a 32-bit float depth. It knows nothing of exactness: the
// pictures it paints are compared with Tessel's for the views used here and
// the number of pixels that differ is reported with its figures (it should
// be 0). Beside it, Tessel's own repaint of the same picture, so that each
// pair of lines reads as a ratio measured in one run. This file is built
// with -O3 -march=native, the best the compiler can do for a bare loop.
#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"
#include "MillionPoints.h"
#include "Proc3D/Proc3D.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

struct TFloorSize {
    int32_t Width, Height;
};
const TFloorSize FloorSizes[3] = {{505, 404}, {1920, 1080}, {3840, 2160}};

// The repaint benchmarks' first view, framed for the picture's size.
Proc3D::TViewPlane FloorView(const TFloorSize& Size)
{
    Proc3D::TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    Proc3D::CalcViewPlane(Camera, Size.Width, Size.Height, 0.5, 0.7,
                          MainUnit::FramedZoom(600, Size.Width, Size.Height),
                          1.5 * MillionPoints().BoundingRadius, View);
    return View;
}

// The view as a rotation scaled by the zoom: a point's offset from the
// camera dotted with Right and Up gives its place on the view plane times
// its depth along Forward.
struct TFloorView {
    double Camera[3], Right[3], Up[3], Forward[3];
    double HalfWidth, HalfHeight, YFrom, Scale, YTo, A, B;
    int32_t Width, Height;
    std::array<uint32_t, 1537> Ramp;
};

TFloorView MakeFloorView(const Proc3D::TViewPlane& V, int32_t Width, int32_t Height)
{
    TFloorView F{};
    const Proc3D::TPoint3D N = V.Plane.Normal;
    const double Zoom = std::sqrt(N.X * N.X + N.Y * N.Y + N.Z * N.Z);
    const double UpLength = std::sqrt(V.Up.X * V.Up.X + V.Up.Y * V.Up.Y + V.Up.Z * V.Up.Z);
    const double HLength =
        std::sqrt(V.Horizontal.X * V.Horizontal.X + V.Horizontal.Z * V.Horizontal.Z);
    // Right is the horizontal direction on the right of the picture: Up,
    // Right and the line of sight make a right-handed frame.
    const Proc3D::TPoint3D H = V.Horizontal;
    const double Turn = (V.Up.Y * H.Z - V.Up.Z * H.Y) * N.X + (V.Up.Z * H.X - V.Up.X * H.Z) * N.Y +
                        (V.Up.X * H.Y - V.Up.Y * H.X) * N.Z;
    const double RightSign = Turn < 0 ? 1.0 : -1.0;
    const double Cam[3] = {V.Camera.X, V.Camera.Y, V.Camera.Z};
    const double R[3] = {H.X, H.Y, H.Z}, U[3] = {V.Up.X, V.Up.Y, V.Up.Z}, Nv[3] = {N.X, N.Y, N.Z};
    for (int I = 0; I < 3; ++I) {
        F.Camera[I] = Cam[I];
        F.Right[I] = RightSign * Zoom * R[I] / HLength;
        F.Up[I] = Zoom * U[I] / UpLength;
        F.Forward[I] = -Nv[I] / Zoom;
    }
    F.HalfWidth = V.HalfWidth;
    F.HalfHeight = V.HalfHeight;
    F.Width = Width;
    F.Height = Height;
    const MainUnit::TResultSet& R0 = MillionPoints();
    F.YFrom = R0.YIntervalFrom;
    F.YTo = R0.YIntervalTo;
    F.Scale = static_cast<double>(MainUnit::HeightScale(R0.YIntervalFrom, R0.YIntervalTo));
    const MainUnit::TDepthRange Range = MainUnit::CalcDepthRange(V.Camera, R0);
    F.A = static_cast<double>(Range.A);
    F.B = static_cast<double>(Range.B);
    for (uint32_t I = 0; I < F.Ramp.size(); ++I)
        F.Ramp[I] = Proc3D::HeightColor(I);
    return F;
}

// Points First .. Last - 1 into Pixels (and Depths, row by row like the
// pixels, when not null).
void FloorLoop(const TFloorView& F, size_t First, size_t Last, uint32_t* Pixels, float* Depths)
{
    const Proc3D::TPoint3D* Points = MillionPoints().Points.data();
    for (size_t I = First; I < Last; ++I) {
        const Proc3D::TPoint3D P = Points[I];
        if (P.Y > F.YTo || P.Y < F.YFrom) continue;
        const double DX = P.X - F.Camera[0], DY = P.Y - F.Camera[1], DZ = P.Z - F.Camera[2];
        const double Along = DX * F.Forward[0] + DY * F.Forward[1] + DZ * F.Forward[2];
        const double Inverse = 1.0 / Along;
        const double Across = (DX * F.Right[0] + DY * F.Right[1] + DZ * F.Right[2]) * Inverse;
        const double Above = (DX * F.Up[0] + DY * F.Up[1] + DZ * F.Up[2]) * Inverse;
        const int32_t X =
            static_cast<int32_t>(std::nearbyint(Across)) + static_cast<int32_t>(F.HalfWidth);
        const int32_t Y =
            static_cast<int32_t>(F.HalfHeight) - static_cast<int32_t>(std::nearbyint(Above));
        if (static_cast<uint32_t>(X) >= static_cast<uint32_t>(F.Width) ||
            static_cast<uint32_t>(Y) >= static_cast<uint32_t>(F.Height))
            continue;
        const size_t Pixel =
            static_cast<size_t>(Y) * static_cast<size_t>(F.Width) + static_cast<size_t>(X);
        uint32_t Color = F.Ramp[static_cast<uint32_t>((P.Y - F.YFrom) * F.Scale)];
        if (Depths != nullptr) {
            const double Distance = std::sqrt(DX * DX + DY * DY + DZ * DZ);
            const float Depth = static_cast<float>(Distance);
            if (Depths[Pixel] != 0.0f && Depth >= Depths[Pixel]) continue;
            Depths[Pixel] = Depth;
            const double Factor = std::clamp(F.A * Distance - F.B, 0.0, 255.0);
            const uint32_t K = 255 - static_cast<uint32_t>(Factor);
            Color = (((Color & 0xFF) * K) >> 8) | ((((Color >> 8) & 0xFF) * K >> 8) << 8) |
                    ((((Color >> 16) & 0xFF) * K >> 8) << 16);
        }
        Pixels[Pixel] = Color;
    }
}

// The floor's buffers: the picture, its depths, and the second thread's own.
struct TFloorPicture {
    std::vector<uint32_t> Pixels, SecondPixels;
    std::vector<float> Depths, SecondDepths;
    explicit TFloorPicture(size_t Size)
        : Pixels(Size), SecondPixels(Size), Depths(Size), SecondDepths(Size)
    {
    }
};

// Rows First .. Last - 1 of the second half over the first.
void FloorCombine(TFloorPicture& P, bool UseDepth, size_t First, size_t Last)
{
    for (size_t I = First; I < Last; ++I) {
        const uint32_t Later = P.SecondPixels[I];
        if (Later == 0xFF000000u) continue;
        if (UseDepth) {
            const float Near = P.SecondDepths[I], Now = P.Depths[I];
            if (Now != 0.0f && !(Near < Now)) continue;
            P.Depths[I] = Near;
        }
        P.Pixels[I] = Later;
    }
}

void FloorPaint(const TFloorView& F, TFloorPicture& P, bool UseDepth, bool TwoCores)
{
    const size_t Size = P.Pixels.size(), Count = MillionPoints().Points.size();
    if (!TwoCores) {
        std::fill(P.Pixels.begin(), P.Pixels.end(), 0u);
        if (UseDepth) std::fill(P.Depths.begin(), P.Depths.end(), 0.0f);
        FloorLoop(F, 0, Count, P.Pixels.data(), UseDepth ? P.Depths.data() : nullptr);
        return;
    }
    // Each thread clears its own buffers, paints its half of the points, and
    // combines half of the rows.
    std::thread Second([&] {
        std::fill(P.SecondPixels.begin(), P.SecondPixels.end(), 0xFF000000u);
        if (UseDepth) std::fill(P.SecondDepths.begin(), P.SecondDepths.end(), 0.0f);
        FloorLoop(F, Count / 2, Count, P.SecondPixels.data(),
                  UseDepth ? P.SecondDepths.data() : nullptr);
    });
    std::fill(P.Pixels.begin(), P.Pixels.end(), 0u);
    if (UseDepth) std::fill(P.Depths.begin(), P.Depths.end(), 0.0f);
    FloorLoop(F, 0, Count / 2, P.Pixels.data(), UseDepth ? P.Depths.data() : nullptr);
    Second.join();
    std::thread Combine([&] { FloorCombine(P, UseDepth, Size / 2, Size); });
    FloorCombine(P, UseDepth, 0, Size / 2);
    Combine.join();
}

// Tessel's picture of the same view, painted as the repaint benchmarks do.
struct TTesselPicture {
    std::vector<uint32_t> Pixels;
    MainUnit::TDepthBuffer Depth;
    MainUnit::TPixelArray Picture;
    MainUnit::TPaintScratch Scratch;  // kept from one repaint to the next, as a window keeps it
    TTesselPicture(const TFloorSize& Size, bool UseDepth)
        : Pixels(static_cast<size_t>(Size.Width) * static_cast<size_t>(Size.Height)),
          Picture{Pixels.data(), Size.Width, Size.Height, nullptr}
    {
        if (UseDepth) MainUnit::CreateDepthBuffer(Size.Width, Size.Height, Depth);
    }
    void Paint(const Proc3D::TViewPlane& View, MainUnit::TCores Cores)
    {
        MainUnit::FillPicture(Picture, 0);
        MainUnit::PaintGraph(MillionPoints(), View, Picture, true,
                             Depth.Depths.empty() ? nullptr : &Depth, Cores, {}, &Scratch);
    }
};

// Floor (Tessel 0) and Tessel (1) in turn for each picture.
void BM_Floor(benchmark::State& State)
{
    const TFloorSize& Size = FloorSizes[State.range(0)];
    const bool UseDepth = State.range(1) != 0, TwoCores = State.range(2) != 0;
    const Proc3D::TViewPlane View = FloorView(Size);
    TTesselPicture T(Size, UseDepth);
    if (State.range(3) != 0) {
        for (auto _ : State) {
            T.Paint(View, TwoCores ? MainUnit::TCores::Two : MainUnit::TCores::One);
            benchmark::DoNotOptimize(T.Pixels.data());
        }
        return;
    }
    const TFloorView F = MakeFloorView(View, Size.Width, Size.Height);
    TFloorPicture P(static_cast<size_t>(Size.Width) * static_cast<size_t>(Size.Height));
    for (auto _ : State) {
        FloorPaint(F, P, UseDepth, TwoCores);
        benchmark::DoNotOptimize(P.Pixels.data());
    }
    T.Paint(View, MainUnit::TCores::One);
    size_t Differ = 0;
    for (size_t I = 0; I < P.Pixels.size(); ++I)
        Differ += P.Pixels[I] != T.Pixels[I];
    State.counters["differ"] = static_cast<double>(Differ);
}

}  // namespace

// Arguments: picture size (0: 505 x 404, 1: 1920 x 1080, 2: 3840 x 2160),
// depth buffer, two cores, and 0 for the floor loop or 1 for Tessel's
// repaint of the same picture, so that the two lines of a pair are side by
// side. The floor's line counts the pixels in which its picture differs
// from Tessel's.
BENCHMARK(BM_Floor)
    ->Apply([](benchmark::internal::Benchmark* B) {
        for (int64_t Size : {0, 1, 2})
            for (int64_t Depth : {0, 1})
                for (int64_t Two : {0, 1})
                    for (int64_t Tessel : {0, 1})
                        B->Args({Size, Depth, Two, Tessel});
    })
    ->ArgNames({"size", "zbuffer", "twocores", "tessel"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
