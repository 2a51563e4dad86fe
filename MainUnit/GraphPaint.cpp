// The fast point loop of a repaint. It paints the picture of
// PaintGraphReference bit for bit: the view is prepared once (the hoisted
// projection), each point is first estimated in double precision and computed
// exactly only where the estimate could be wrong (the screened projection and
// shading), and the order of the points is kept wherever it matters.
#include "MainUnit/GraphPaint.h"

#include "MainUnit/Internal/PointPlace.h"
#include "MainUnit/Internal/ScreenedShading.h"
#include "MainUnit/Internal/TwoCores.h"
#include "Proc3D/HoistedProjection.h"
#include "Proc3D/ScreenedProjection.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <thread>
#include <vector>

namespace MainUnit {

long double HeightScale(double YFrom, double YTo)
{
    const long double Width = static_cast<long double>(YTo) - YFrom;
    if (!(Width > 0.0L)) return 0.0L;
    return static_cast<long double>(1535 - Proc3D::ColorIndexReserve) / Width;
}

void FillPicture(const TPicture& Picture, uint32_t Color)
{
    if (Picture.Pixels == nullptr || Picture.Width < 1 || Picture.Height < 1) return;
    std::fill_n(Picture.Pixels,
                static_cast<size_t>(Picture.Width) * static_cast<size_t>(Picture.Height), Color);
}

namespace {

// Everything the loop needs that is the same for every point of a repaint.
struct TPaintContext {
    Proc3D::TProjector Projector;
    Proc3D::TScreen Screen;
    std::array<uint32_t, 1537> Ramp;  // HeightColor of every index HeightIndex gives
    long double Scale;
    double ScaleEstimate;  // Scale rounded to double
    TDepthRange Range;
    TDepthScreen DepthScreen;
};

void PreparePaint(const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPicture& Picture, TDepthBuffer* DepthBuffer, TPaintContext& Context)
{
    Context.Projector = Proc3D::MakeProjector(View);
    Context.Screen = Proc3D::MakeScreen(Context.Projector, Picture.Width, Picture.Height);
    for (uint32_t I = 0; I < Context.Ramp.size(); ++I)
        Context.Ramp[I] = Proc3D::HeightColor(I);
    Context.Scale = HeightScale(Results.YIntervalFrom, Results.YIntervalTo);
    Context.ScaleEstimate = static_cast<double>(Context.Scale);
    Context.Range = TDepthRange{};
    if (DepthBuffer != nullptr) {
        ClearDepthBuffer(*DepthBuffer);
        Context.Range = CalcDepthRange(View.Camera, Results);
        Context.DepthScreen = MakeDepthScreen(Context.Range);
    }
}

// One point ready to be drawn: its pixel, its colour (shaded when the depth
// buffer is used) and the value its depth entry would record. Everything in
// it depends on the point alone, so it can be worked out ahead, in any order.
struct TDot {
    int32_t X = -1;  // -1: the point is not drawn
    int32_t Y = 0;
    uint32_t Color = 0;
    float Depth = 0;
};

// The depth entry and the shaded colour of a point drawn at Place.
void ShadeByDepth(const TPaintContext& Context, const Proc3D::TPoint3D& Place, TDot& Dot)
{
    const Proc3D::TPoint3D& Eye = Context.Projector.Camera;
    const double DX = Place.X - Eye.X, DY = Place.Y - Eye.Y, DZ = Place.Z - Eye.Z;
    const double Estimate = std::sqrt(DX * DX + DY * DY + DZ * DZ);
    uint8_t Factor = 0;
    if (!ScreenDepthEntry(Estimate, Dot.Depth) ||
        !ScreenDepthFactor(Context.DepthScreen, Estimate, Factor)) {
        const long double Distance = Proc3D::DistanceBetween(Place, Eye);
        Dot.Depth = DepthEntryValue(Distance);
        Factor = DepthFactor(Context.Range, Distance);
    }
    Dot.Color = Proc3D::ShadeColor(Dot.Color, Factor);
}

void PrepareDot(const TResultSet& Results, const TPaintContext& Context, const TPicture& Picture,
                bool ShowUndefined, bool UseDepth, const Proc3D::TPoint3D& P, TDot& Dot)
{
    Dot.X = -1;
    Proc3D::TPoint3D Place;
    bool Undefined = false;
    if (!PlaceOfPoint(P, Results, ShowUndefined, Place, Undefined)) return;
    int32_t X = 0, Y = 0;
    const Proc3D::TScreenResult Estimate = Context.Screen.Usable
                                               ? Proc3D::ScreenPoint(Context.Screen, Place, X, Y)
                                               : Proc3D::TScreenResult::Unsure;
    if (Estimate == Proc3D::TScreenResult::Outside) return;
    if (Estimate == Proc3D::TScreenResult::Unsure) {
        if (!Proc3D::Project(Context.Projector, Place, X, Y)) return;
        // One unsigned comparison per axis also rejects negative coordinates.
        if (static_cast<uint32_t>(X) >= static_cast<uint32_t>(Picture.Width) ||
            static_cast<uint32_t>(Y) >= static_cast<uint32_t>(Picture.Height)) {
            return;
        }
    }
    if (Undefined) {
        Dot.Color = UndefinedColor;
    } else {
        uint32_t Index = 0;
        if (!ScreenHeightIndex(P.Y, Results.YIntervalFrom, Context.ScaleEstimate, Index)) {
            Index = HeightIndex(P.Y, Results.YIntervalFrom, Context.Scale);
        }
        Dot.Color = Context.Ramp[Index];
    }
    if (UseDepth) ShadeByDepth(Context, Place, Dot);
    Dot.X = X;
    Dot.Y = Y;
}

// The part that depends on the order: the depth test and the pixel itself.
inline void CommitDot(const TDot& Dot, const TPicture& Picture, TDepthBuffer* DepthBuffer)
{
    if (Dot.X < 0) return;
    if (DepthBuffer != nullptr && !DepthTestAndStoreValue(*DepthBuffer, Dot.X, Dot.Y, Dot.Depth))
        return;
    Picture.Pixels[static_cast<size_t>(Dot.Y) * static_cast<size_t>(Picture.Width) +
                   static_cast<size_t>(Dot.X)] = Dot.Color;
}

struct TPaintJob {
    const TResultSet& Results;
    const TPaintContext& Context;
    const TPicture& Picture;
    bool ShowUndefined;
    TDepthBuffer* DepthBuffer;

    void Prepare(size_t First, size_t Last, TDot* Dots) const
    {
        for (size_t I = First; I < Last; ++I) {
            PrepareDot(Results, Context, Picture, ShowUndefined, DepthBuffer != nullptr,
                       Results.Points[I], Dots[I - First]);
        }
    }
};

// All points on the calling thread, one after the other.
void PaintInOrder(const TPaintJob& Job, size_t Count)
{
    for (size_t I = 0; I < Count; ++I) {
        TDot Dot;
        Job.Prepare(I, I + 1, &Dot);
        CommitDot(Dot, Job.Picture, Job.DepthBuffer);
    }
}

// Waits until Counter has reached Target.
void WaitFor(const std::atomic<size_t>& Counter, size_t Target) noexcept
{
    for (size_t Seen = Counter.load(); Seen < Target; Seen = Counter.load())
        Counter.wait(Seen);
}

constexpr size_t ChunkSize = 16384;

// The points in chunks: both threads prepare parts of each chunk ahead (the
// work that depends on the point alone), and the calling thread commits every
// chunk in index order, so later points overwrite earlier ones and the depth
// buffer sees them in the same order as in one pass. Two buffers let the
// second thread run one chunk ahead. False, with nothing painted, when the
// loop is short, the machine has one core, or no memory or thread is to be had.
bool PaintOnTwoCores(const TPaintJob& Job, size_t Count) noexcept
{
    if (Count < TwoCoreThreshold || std::thread::hardware_concurrency() < 2) return false;
    std::vector<TDot> Dots;
    try {
        Dots.resize(2 * ChunkSize);
    } catch (...) {
        return false;
    }
    const size_t Chunks = (Count + ChunkSize - 1) / ChunkSize;
    // The calling thread also commits, so it prepares the smaller part.
    auto Split = [Count](size_t K) { return std::min(K * ChunkSize + ChunkSize * 2 / 5, Count); };
    auto Buffer = [&Dots](size_t K) { return Dots.data() + (K % 2) * ChunkSize; };
    std::atomic<size_t> Prepared{0},
        Committed{0};  // chunks the second thread prepared, the first committed
    std::thread Second;
    try {
        Second = std::thread([&] {
            for (size_t K = 0; K < Chunks; ++K) {
                if (K >= 2) WaitFor(Committed, K - 1);  // chunk K - 2 has left this buffer
                const size_t First = K * ChunkSize, Last = std::min(First + ChunkSize, Count);
                Job.Prepare(Split(K), Last, Buffer(K) + (Split(K) - First));
                Prepared.store(K + 1);
                Prepared.notify_one();
            }
        });
    } catch (...) {
        return false;
    }
    for (size_t K = 0; K < Chunks; ++K) {
        const size_t First = K * ChunkSize, Last = std::min(First + ChunkSize, Count);
        Job.Prepare(First, Split(K), Buffer(K));
        WaitFor(Prepared, K + 1);
        for (size_t I = 0; I < Last - First; ++I)
            CommitDot(Buffer(K)[I], Job.Picture, Job.DepthBuffer);
        Committed.store(K + 1);
        Committed.notify_one();
    }
    Second.join();
    return true;
}

}  // namespace

bool PaintGraph(const TResultSet& Results, const Proc3D::TViewPlane& View, const TPicture& Picture,
                bool ShowUndefined, TDepthBuffer* DepthBuffer, bool UseTwoCores)
{
    if (!PaintArgumentsValid(Picture, DepthBuffer)) return false;
    TPaintContext Context;
    PreparePaint(Results, View, Picture, DepthBuffer, Context);
    const size_t Count =
        std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
    const TPaintJob Job{Results, Context, Picture, ShowUndefined, DepthBuffer};
    if (!UseTwoCores || !PaintOnTwoCores(Job, Count)) PaintInOrder(Job, Count);
    return true;
}

}  // namespace MainUnit
