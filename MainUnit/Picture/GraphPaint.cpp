// The fast point loop of a repaint. It paints the picture of
// PaintGraphReference bit for bit: the view is prepared once (the hoisted
// projection), each point is first estimated in double precision and computed
// exactly only where the estimate could be wrong (the screened projection and
// shading); on two cores the halves of the points are painted apart and
// combined as painting them one after the other would have.
#include "MainUnit/Picture/GraphPaint.h"

#include "MainUnit/Picture/Internal/FillWords.h"
#include "MainUnit/Picture/Internal/GraphPaintHalves.h"
#include "MainUnit/Picture/Internal/PaintContext.h"
#include "MainUnit/Picture/Internal/PaintPath.h"
#include "MainUnit/Picture/Internal/PointLoop.h"
#include "MainUnit/Picture/Internal/PointPlace.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

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
    FillWords(Picture.Pixels,
              static_cast<size_t>(Picture.Width) * static_cast<size_t>(Picture.Height), Color);
}

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
        Context.Folded = false;
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
        // Distances are then taken from the folded sight lines too.
        Context.DepthMargins = Style.Box != nullptr && Context.Folded
                                   ? FoldedDepthMargins(Context.Screen.FoldMagnitude)
                                   : TDepthMargins{};
    }
}

bool PaintRangeBaseline(const TPaintJob& Job, size_t First, size_t Last, const TPixelArray& Picture,
                        TDepthBuffer* Depth, THalfDuty Duty)
{
    return Job.Style.Box != nullptr ? PaintRangeOf<true>(Job, First, Last, Picture, Depth, Duty)
                                    : PaintRangeOf<false>(Job, First, Last, Picture, Depth, Duty);
}

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
