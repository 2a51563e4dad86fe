// The fast point loop of a repaint. It paints the picture of
// PaintGraphReference bit for bit: the view is prepared once (the hoisted
// projection), each point is first estimated in double precision and computed
// exactly only where the estimate could be wrong (the screened projection and
// shading); on two cores the halves of the points are painted apart and
// combined as painting them one after the other would have.
#include "MainUnit/Picture/GraphPaint.h"

#include "MainUnit/Internal/TwoCores.h"
#include "MainUnit/Picture/Internal/GraphPaintHalves.h"
#include "MainUnit/Picture/Internal/PaintPath.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/ScreenedShading.h"
#include "Proc3D/HoistedProjection.h"
#include "Proc3D/ScreenedProjection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace MainUnit {

long double HeightScale(double YFrom, double YTo)
{
    const long double Width = static_cast<long double>(YTo) - YFrom;
    if (!(Width > 0.0L)) return 0.0L;
    return static_cast<long double>(Proc3D::HighestYStep) / Width;
}

void FillPicture(const TPixelArray& Picture, uint32_t Color)
{
    if (Picture.Pixels == nullptr || Picture.Width < 1 || Picture.Height < 1) return;
    std::fill_n(Picture.Pixels,
                static_cast<size_t>(Picture.Width) * static_cast<size_t>(Picture.Height), Color);
}

// Everything the loop needs that is the same for every point of a repaint.
struct TPaintContext {
    Proc3D::TProjector Projector;
    Proc3D::TScreen Screen;
    std::array<uint32_t, LargestHeightIndex + 1>
        Ramp;  // HeightColor of every index HeightIndex gives
    long double Scale;
    double ScaleEstimate;  // Scale rounded to double
    TDepthRange Range;
    TDepthScreen DepthScreen;
    // With the box, the sight line of a place p before the mapping is
    // p x BoxScale + FoldedShift (BoxScale the mapping's, FoldedShift its
    // shift less the camera), of an undefined point's Y UndefinedSightY.
    Proc3D::TPoint3D BoxScale, FoldedShift;
    double UndefinedSightY;
    bool Folded;  // the screen takes such sight lines
};

namespace {

void PreparePaint(const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPixelArray& Picture, TDepthBuffer* DepthBuffer, const TPointStyle& Style,
                  TPaintContext& Context)
{
    Context.Projector = Proc3D::MakeProjector(View);
    Context.Screen = Proc3D::MakeScreen(Context.Projector, Picture.Width, Picture.Height);
    // The box that holds every point drawn: the cube, or the result box
    // with the height 0 of undefined points.
    if (Style.Box != nullptr) {
        const TBoxMapping& Box = *Style.Box;
        const Proc3D::TPoint3D& Eye = Context.Screen.Camera;
        Context.BoxScale = Box.Scale;
        Context.FoldedShift = {Box.Shift.X - Eye.X, Box.Shift.Y - Eye.Y, Box.Shift.Z - Eye.Z};
        Context.UndefinedSightY = Box.UndefinedY - Eye.Y;
        const double Half = Box.Half;
        const Proc3D::TPoint3D Low{-Half, -Half, -Half}, High{Half, Half, Half};
        Proc3D::FoldSights(Context.Screen, Box.Shift);
        Proc3D::BoundScreenMargin(Context.Screen, Low, High);
        // A shift far larger than the cube (a result set far from the
        // origin) leaves the folded estimate too little precision to decide
        // points: the places are then mapped first, point by point.
        Context.Folded = Context.Screen.ViewMargin > 0.0;
        if (!Context.Folded) {
            Proc3D::UnfoldSights(Context.Screen);
            Proc3D::BoundScreenMargin(Context.Screen, Low, High);
        }
    } else {
        Proc3D::BoundScreenMargin(
            Context.Screen,
            {Results.XIntervalFrom, std::fmin(Results.YIntervalFrom, 0.0), Results.ZIntervalFrom},
            {Results.XIntervalTo, std::fmax(Results.YIntervalTo, 0.0), Results.ZIntervalTo});
    }
    for (uint32_t I = 0; I < Context.Ramp.size(); ++I)
        Context.Ramp[I] = Proc3D::HeightColor(I);
    Context.Scale = HeightScale(Results.YIntervalFrom, Results.YIntervalTo);
    Context.ScaleEstimate = static_cast<double>(Context.Scale);
    Context.Range = TDepthRange{};
    if (DepthBuffer != nullptr) {
        // Not Style.Box ? CubeCorners(...) : Results, which would copy the
        // result set into a temporary.
        Context.Range = Style.Box != nullptr ? CalcDepthRange(View.Camera, CubeCorners(*Style.Box))
                                             : CalcDepthRange(View.Camera, Results);
        Context.DepthScreen = MakeDepthScreen(Context.Range);
    }
}

// Where a point lands and how far it is, known before the order of the
// points matters; its colour is worked out only once it is drawn.
// Every field is set by PlaceDot before it is read (the depth fields only
// with the depth buffer): left without initial values, which would cost a
// store each for every point.
struct TDot {
    int32_t X;
    int32_t Y;
    bool Undefined;
    float Depth;             // the value its depth entry would record
    bool Below;              // whether its distance lies below Depth
    double Distance;         // the double estimate of its distance; -1: take the exact one
    Proc3D::TPoint3D Place;  // with the box, set only when the depth buffer is used or unsure
};

// The sight line from the camera to the place in the cube of a kept point
// P, made from P itself: the box's mapping folded into one multiplication
// and one addition per axis, which the screen's margin allows for.
[[gnu::always_inline]] inline Proc3D::TPoint3D SightOf(const TPaintContext& Context,
                                                       const Proc3D::TPoint3D& P, bool Undefined)
{
    const Proc3D::TPoint3D& K = Context.BoxScale;
    const Proc3D::TPoint3D& O = Context.FoldedShift;
    return {P.X * K.X + O.X, Undefined ? Context.UndefinedSightY : P.Y * K.Y + O.Y,
            P.Z * K.Z + O.Z};
}

// Where a kept point P lands by the estimate, or Unsure with its place in
// the cube set for the exact projection. Without the depth buffer the box
// needs no place of its own otherwise: the sight line is folded from P.
[[gnu::always_inline]] inline Proc3D::TScreenResult
EstimateFolded(const TPaintJob& Job, const Proc3D::TPoint3D& P, TDot& Dot)
{
    const Proc3D::TScreen& Screen = Job.Context.Screen;
    const Proc3D::TScreenResult Estimate =
        Screen.Usable ? Proc3D::ScreenSight<true>(Screen, SightOf(Job.Context, P, Dot.Undefined),
                                                  Dot.X, Dot.Y)
                      : Proc3D::TScreenResult::Unsure;
    if (Estimate == Proc3D::TScreenResult::Unsure) {
        Dot.Place = PlaceOf(P, Dot.Undefined);
        MovePlaceToBox(*Job.Style.Box, Dot.Undefined, Dot.Place);
    }
    return Estimate;
}

// The depth entry of a dot at its place, and the double estimate of its
// distance where that leaves no doubt.
[[gnu::always_inline]] inline void MeasureDot(const TPaintContext& Context, TDot& Dot)
{
    // The screen's copy of the camera: without the box the same differences
    // as its sight line, which the compiler can then reuse.
    const Proc3D::TPoint3D& Eye = Context.Screen.Camera;
    const Proc3D::TPoint3D& Place = Dot.Place;
    const Proc3D::TPoint3D D{Place.X - Eye.X, Place.Y - Eye.Y, Place.Z - Eye.Z};
    Dot.Distance = std::sqrt(D.X * D.X + D.Y * D.Y + D.Z * D.Z);
    if (!ScreenDepthEntry(Dot.Distance, Dot.Depth, Dot.Below)) {
        Dot.Distance = -1;
        const long double Exact = Proc3D::DistanceBetween(Place, Eye);
        Dot.Depth = DepthEntryValue(Exact);
        Dot.Below = Exact < Dot.Depth;
    }
}

// False when the point is not drawn at all: skipped, or outside the picture.
// Boxed is a template argument so that the plain loop carries no test of it.
template <bool Boxed>
[[gnu::always_inline]] inline bool PlaceDot(const TPaintJob& Job, const Proc3D::TPoint3D& P,
                                            bool UseDepth, TDot& Dot)
{
    const TPaintContext& Context = Job.Context;
    Proc3D::TScreenResult Estimate = Proc3D::TScreenResult::Unsure;
    if (Boxed && !UseDepth && Context.Folded) {
        if (!KeepsPoint(P, Job.Results, Job.ShowUndefined, Dot.Undefined)) return false;
        Estimate = EstimateFolded(Job, P, Dot);
    } else {
        if (!(Boxed ? BoxPlaceOfPoint(P, Job.Results, Job.ShowUndefined, *Job.Style.Box, Dot.Place,
                                      Dot.Undefined)
                    : PlaceOfPoint(P, Job.Results, Job.ShowUndefined, Dot.Place, Dot.Undefined)))
            return false;
        if (Context.Screen.Usable)
            Estimate = Proc3D::ScreenPoint(Context.Screen, Dot.Place, Dot.X, Dot.Y);
    }
    if (Estimate == Proc3D::TScreenResult::Outside) return false;
    if (Estimate == Proc3D::TScreenResult::Unsure) {
        if (!Proc3D::Project(Context.Projector, Dot.Place, Dot.X, Dot.Y)) return false;
        // One unsigned comparison per axis also rejects negative coordinates.
        if (static_cast<uint32_t>(Dot.X) >= static_cast<uint32_t>(Job.Picture.Width) ||
            static_cast<uint32_t>(Dot.Y) >= static_cast<uint32_t>(Job.Picture.Height)) {
            return false;
        }
    }
    if (UseDepth) MeasureDot(Context, Dot);
    return true;
}

// The colour of a dot that is drawn: by height (white when undefined), and
// darkened by its distance when the depth buffer is used.
[[gnu::always_inline]] inline uint32_t DotColor(const TPaintJob& Job, const Proc3D::TPoint3D& P,
                                                const TDot& Dot, bool UseDepth)
{
    const TPaintContext& Context = Job.Context;
    uint32_t Color = Job.Style.Undefined;
    if (!Dot.Undefined) {
        const double YFrom = Job.Results.YIntervalFrom;
        uint32_t Index = 0;
        if (!ScreenHeightIndex(P.Y, YFrom, Context.ScaleEstimate, Index))
            Index = HeightIndex(P.Y, YFrom, Context.Scale);
        Color = Context.Ramp[Index];
    }
    if (!UseDepth) return Color;
    uint8_t Factor = 0;
    if (Dot.Distance < 0 || !ScreenDepthFactor(Context.DepthScreen, Dot.Distance, Factor))
        Factor = DepthFactor(Context.Range,
                             Proc3D::DistanceBetween(Dot.Place, Context.Projector.Camera));
    return Proc3D::ShadeColor(Color, Factor);
}

// The depth test of a dot at its pixel's Entry.
[[gnu::always_inline]] inline bool DotDepthTest(const TPaintJob& Job, const TDot& Dot, float& Entry)
{
    if (Dot.Depth < MaxStoredDepth) return DepthTestAndStoreEntry(Entry, Dot.Depth, Dot.Below);
    return DepthTestAndStoreDistance(
        Entry, Proc3D::DistanceBetween(Dot.Place, Job.Context.Projector.Camera));
}

// Points First .. Last - 1, one after the other, into Picture and Depth
// (which may differ from the job's own). True when a drawn point recorded a
// depth of 0, the value that also means "nothing drawn yet", or a huge one.
// Everything it calls per point is inlined, so that each copy of the loop
// below has its own instructions.
template <bool Boxed>
[[gnu::always_inline]] inline bool PaintRangeOf(const TPaintJob& Job, size_t First, size_t Last,
                                                const TPixelArray& Picture, TDepthBuffer* Depth,
                                                THalfDuty Duty)
{
    const bool UseDepth = Depth != nullptr;
    bool Unmergeable = false;
    for (size_t I = First; I < Last; ++I) {
        const Proc3D::TPoint3D& P = Job.Results.Points[I];
        TDot Dot;
        if (!PlaceDot<Boxed>(Job, P, UseDepth, Dot)) continue;
        const size_t Pixel = static_cast<size_t>(Dot.Y) * static_cast<size_t>(Picture.Width) +
                             static_cast<size_t>(Dot.X);
        uint32_t Mark = 0;
        if (UseDepth) {
            if (Dot.Depth == 0.0f || Dot.Depth >= HugeDepth) {
                Unmergeable = true;
                if (Duty.Split) break;
            }
            float& Entry = Depth->Depths[Pixel];  // laid out as the pixels
            if (!DotDepthTest(Job, Dot, Entry)) continue;
            if (Duty.MarkBelow && Dot.Below) Mark = BelowMark;
        }
        Picture.Pixels[Pixel] = DotColor(Job, P, Dot, UseDepth) | Mark;
        if (Picture.Indexes != nullptr) Picture.Indexes[Pixel] = static_cast<int32_t>(I);
    }
    return Unmergeable;
}

bool PaintRangeBaseline(const TPaintJob& Job, size_t First, size_t Last, const TPixelArray& Picture,
                        TDepthBuffer* Depth, THalfDuty Duty)
{
    return Job.Style.Box != nullptr ? PaintRangeOf<true>(Job, First, Last, Picture, Depth, Duty)
                                    : PaintRangeOf<false>(Job, First, Last, Picture, Depth, Duty);
}

#if defined(__GNUC__) && defined(__x86_64__)
#define TESSEL_WIDE_PAINT_PATH
[[gnu::target("avx2")]] bool PaintRangeWide(const TPaintJob& Job, size_t First, size_t Last,
                                            const TPixelArray& Picture, TDepthBuffer* Depth,
                                            THalfDuty Duty)
{
    return Job.Style.Box != nullptr ? PaintRangeOf<true>(Job, First, Last, Picture, Depth, Duty)
                                    : PaintRangeOf<false>(Job, First, Last, Picture, Depth, Duty);
}
#endif

}  // namespace

bool PaintRange(const TPaintJob& Job, size_t First, size_t Last, const TPixelArray& Picture,
                TDepthBuffer* Depth, THalfDuty Duty)
{
#ifdef TESSEL_WIDE_PAINT_PATH
    if (Job.Wide) return PaintRangeWide(Job, First, Last, Picture, Depth, Duty);
#endif
    return PaintRangeBaseline(Job, First, Last, Picture, Depth, Duty);
}

namespace {

// All points on the calling thread, one after the other, into buffers it
// clears first.
void PaintInOrder(const TPaintJob& Job, size_t Count)
{
    if (Job.DepthBuffer != nullptr) ClearDepthBuffer(*Job.DepthBuffer);
    ClearPointRecord(Job.Picture);
    PaintRange(Job, 0, Count, Job.Picture, Job.DepthBuffer);
}

}  // namespace

bool WidePaintPathAvailable()
{
#ifdef TESSEL_WIDE_PAINT_PATH
    return __builtin_cpu_supports("avx2") != 0;
#else
    return false;
#endif
}

bool PaintGraph(const TResultSet& Results, const Proc3D::TViewPlane& View,
                const TPixelArray& Picture, bool ShowUndefined, TDepthBuffer* DepthBuffer,
                TCores Cores, const TPointStyle& Style, TPaintScratch* Scratch)
{
    return PaintGraphOn(TPaintPath::Best, Results, View, Picture, ShowUndefined, DepthBuffer, Cores,
                        Style, Scratch);
}

bool PaintGraphOn(TPaintPath Path, const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPixelArray& Picture, bool ShowUndefined, TDepthBuffer* DepthBuffer,
                  TCores Cores, const TPointStyle& Style, TPaintScratch* Scratch)
{
    if (!PaintArgumentsValid(Picture, DepthBuffer)) return false;
    TPaintContext Context;
    PreparePaint(Results, View, Picture, DepthBuffer, Style, Context);
    const size_t Count =
        std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
    const bool Wide = Path == TPaintPath::Best && WidePaintPathAvailable();
    const TPaintJob Job{Results, Context, Picture, ShowUndefined, DepthBuffer, Style, Wide};
    TPaintScratch Own;
    if (!PaintOnTwoCores(Job, Count, Cores, Scratch != nullptr ? *Scratch : Own))
        PaintInOrder(Job, Count);
    return true;
}

}  // namespace MainUnit
