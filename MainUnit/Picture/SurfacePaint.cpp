// The fast surface painter: every point projected once (on two cores the
// halves apart), then the cells column by column or the squares point by
// point, on two cores into two pictures combined as painting one after the
// other would have, then the loose points.
#include "MainUnit/Picture/SurfacePaint.h"

#include "MainUnit/Internal/TwoCores.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/SurfaceJob.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace MainUnit {

bool SurfacePlace(const TSurfaceJob& Job, size_t K, Proc3D::TPoint3D& Place, bool& Undefined)
{
    const Proc3D::TPoint3D& P = Job.Results.Points[K];
    const bool Shown = Job.Choices.ShowUndefined;
    const TBoxMapping* Box = Job.Choices.Style.Box;
    return Box != nullptr ? BoxPlaceOfPoint(P, Job.Results, Shown, *Box, Place, Undefined)
                          : PlaceOfPoint(P, Job.Results, Shown, Place, Undefined);
}

namespace {

uint32_t Darkened(const TSurfaceJob& Job, uint32_t Color, double Depth)
{
    if (!Job.Choices.Darken) return Color;
    uint8_t Factor = 0;
    if (!ScreenDepthFactor(Job.DepthScreen, Depth, Factor)) Factor = DepthFactor(Job.Range, Depth);
    return Proc3D::ShadeColor(Color, Factor);
}

uint32_t RampColor(const TSurfaceJob& Job, double Y)
{
    const double YFrom = Job.Results.YIntervalFrom;
    uint32_t Index = 0;
    if (!ScreenHeightIndex(Y, YFrom, Job.ScaleEstimate, Index))
        Index = HeightIndex(Y, YFrom, Job.Scale);
    return Job.Ramp[Index];
}

}  // namespace

uint32_t SurfaceColor(const TSurfaceJob& Job, double Y, uint32_t Share, double Depth)
{
    const uint32_t Color = RampColor(Job, Y);
    return Darkened(Job, Share == FullLightShare ? Color : LitColor(Color, Share), Depth);
}

uint32_t PointColor(const TSurfaceJob& Job, double Y, double Depth)
{
    return Darkened(Job, IsUndefinedY(Y) ? Job.Choices.Style.Undefined : RampColor(Job, Y), Depth);
}

namespace {

void PrepareJob(const Proc3D::TViewPlane& View, TSurfaceJob& Job)
{
    Job.Projector = Proc3D::MakeProjector(View);
    // A picture as much larger on every side, its centre as far from its
    // corner: the same rounded offsets from the centre, so pixels shifted
    // by the margin.
    Proc3D::TProjector Widened = Job.Projector;
    Widened.HalfWidth += CornerMargin;
    Widened.HalfHeight += CornerMargin;
    Job.Screen = Proc3D::MakeScreen(Widened, Job.Picture.Width + 2 * CornerMargin,
                                    Job.Picture.Height + 2 * CornerMargin);
    for (uint32_t I = 0; I < Job.Ramp.size(); ++I)
        Job.Ramp[I] = Proc3D::HeightColor(I);
    Job.Scale = HeightScale(Job.Results.YIntervalFrom, Job.Results.YIntervalTo);
    Job.ScaleEstimate = static_cast<double>(Job.Scale);
    const TBoxMapping* Box = Job.Choices.Style.Box;
    Job.Range = CalcDepthRange(View.Camera, Box ? CubeCorners(*Box) : Job.Results);
    Job.DepthScreen = MakeDepthScreen(Job.Range);
    Job.Light = LightPlace(View);
    Job.OnGrid = FindSurfaceGrid(Job.Results, Job.Count, Job.Grid);
}

// Entries First .. Last - 1 projected. On the grid only defined points are
// corners; a point taken at random is drawn whenever the picture shows it.
// Returns how many are neither.
size_t ProjectCorners(TSurfaceJob& Job, size_t First, size_t Last)
{
    size_t Unused = 0;
    for (size_t K = First; K < Last; ++K) {
        TCorner& Corner = Job.Corners[K];
        Corner = {0, 0, -1, 0};
        ++Unused;  // until it is placed
        Proc3D::TPoint3D Place;
        bool Undefined = false;
        if (!SurfacePlace(Job, K, Place, Undefined) || (Undefined && Job.OnGrid)) continue;
        const Proc3D::TScreenResult Estimate =
            Job.Screen.Usable ? Proc3D::ScreenPoint(Job.Screen, Place, Corner.X, Corner.Y)
                              : Proc3D::TScreenResult::Unsure;
        if (Estimate == Proc3D::TScreenResult::Pixel) {
            Corner.X -= CornerMargin;
            Corner.Y -= CornerMargin;
        } else if (!Proc3D::Project(Job.Projector, Place, Corner.X, Corner.Y) ||
                   !CornerWithinReach(Corner.X, Corner.Y)) {
            continue;
        }
        const double Depth = CornerDistance(Place, Job.Projector.Camera);
        if (!(Depth >= 0)) continue;  // NaN
        Corner.Depth = Depth;
        Corner.Height = Job.Results.Points[K].Y;
        --Unused;
    }
    return Unused;
}

// Whether a filled cell holds grid entry K.
bool Held(const TSurfaceJob& Job, size_t K)
{
    const size_t Rows = static_cast<size_t>(Job.Grid.Rows),
                 Cols = static_cast<size_t>(Job.Grid.Cols);
    const size_t Column = K / Rows, Row = K % Rows;
    for (size_t C = Column > 0 ? Column - 1 : 0; C <= Column && C + 1 < Cols; ++C) {
        for (size_t R = Row > 0 ? Row - 1 : 0; R <= Row && R + 1 < Rows; ++R) {
            const size_t E = C * Rows + R;
            if (Job.Corners[E].Depth >= 0 && Job.Corners[E + 1].Depth >= 0 &&
                Job.Corners[E + Rows].Depth >= 0 && Job.Corners[E + Rows + 1].Depth >= 0)
                return true;
        }
    }
    return false;
}

// The grid's points that no filled cell holds, each as one pixel.
void PaintLoosePoints(const TSurfaceJob& Job)
{
    const TPixelArray& P = Job.Picture;
    for (size_t K = 0; K < Job.Count; ++K) {
        if (Held(Job, K)) continue;
        Proc3D::TPoint3D Place;
        bool Undefined = false;
        if (!SurfacePlace(Job, K, Place, Undefined)) continue;
        int32_t X = 0, Y = 0;
        if (!Proc3D::Project(Job.Projector, Place, X, Y)) continue;
        if (static_cast<uint32_t>(X) >= static_cast<uint32_t>(P.Width) ||
            static_cast<uint32_t>(Y) >= static_cast<uint32_t>(P.Height))
            continue;
        const double Depth = CornerDistance(Place, Job.Projector.Camera);
        if (!(Depth > 0)) continue;
        const float Stored = DepthEntryValue(Depth);
        if (Stored == 0.0f || !DepthTestAndStoreValue(Job.DepthBuffer, X, Y, Stored)) continue;
        const size_t Pixel =
            static_cast<size_t>(Y) * static_cast<size_t>(P.Width) + static_cast<size_t>(X);
        P.Pixels[Pixel] = PointColor(Job, Job.Results.Points[K].Y, Depth);
        if (P.Indexes != nullptr) P.Indexes[Pixel] = static_cast<int32_t>(K);
    }
}

// What the second half of the work paints into until both halves are done.
struct TSecondHalf {
    std::vector<uint32_t> Pixels;
    std::vector<int32_t> Indexes;
    TDepthBuffer Depth;
};

bool PrepareSecondHalf(const TPixelArray& Picture, TSecondHalf& Second) noexcept
{
    const size_t Size = static_cast<size_t>(Picture.Width) * static_cast<size_t>(Picture.Height);
    try {
        Second.Pixels.resize(Size);
        if (Picture.Indexes != nullptr) Second.Indexes.resize(Size);
    } catch (...) {
        return false;
    }
    return CreateDepthBuffer(Picture.Width, Picture.Height, Second.Depth);
}

// The second half over the first where it is strictly nearer: what painting
// it afterwards would have left, since no entry records 0.
void CombineHalves(const TSurfaceJob& Job, const TSecondHalf& Second)
{
    const TPixelArray& P = Job.Picture;
    const size_t Width = static_cast<size_t>(P.Width), Height = static_cast<size_t>(P.Height);
    float* First = Job.DepthBuffer.Depths.data();
    const float* Later = Second.Depth.Depths.data();
    for (size_t X = 0; X < Width; ++X) {
        for (size_t Y = 0; Y < Height; ++Y) {
            const size_t Entry =
                DepthIndex(Job.DepthBuffer, static_cast<int32_t>(X), static_cast<int32_t>(Y));
            if (Later[Entry] == 0.0f || (First[Entry] != 0.0f && !(Later[Entry] < First[Entry])))
                continue;
            First[Entry] = Later[Entry];
            const size_t Pixel = Y * Width + X;
            P.Pixels[Pixel] = Second.Pixels[Pixel];
            if (P.Indexes != nullptr) P.Indexes[Pixel] = Second.Indexes[Pixel];
        }
    }
}

// Work(First, Last, Target) over [0, Count): on two cores the second half
// into a picture of its own, combined afterwards; otherwise in order.
template <class TWork>
void PaintInParts(const TSurfaceJob& Job, size_t Count, TCores Cores, TWork&& Work)
{
    const TSurfaceTarget Own{Job.Picture, &Job.DepthBuffer};
    TSecondHalf Second;
    if (!SplitOverTwoCores(Job.Count, Cores) || !PrepareSecondHalf(Job.Picture, Second)) {
        Work(0, Count, Own);
        return;
    }
    const TSurfaceTarget Scratch{{Second.Pixels.data(), Job.Picture.Width, Job.Picture.Height,
                                  Job.Picture.Indexes != nullptr ? Second.Indexes.data() : nullptr},
                                 &Second.Depth};
    RunInTwoHalves(Count, true, [&](size_t First, size_t Last, int Part) noexcept {
        Work(First, Last, Part == 0 ? Own : Scratch);
    });
    CombineHalves(Job, Second);
}

// The side of the squares: the mean distance between the drawn points.
int32_t SideOfSquares(const TSurfaceJob& Job)
{
    int64_t X0 = INT64_MAX, X1 = INT64_MIN, Y0 = INT64_MAX, Y1 = INT64_MIN;
    size_t Drawn = 0;
    for (size_t K = 0; K < Job.Count; ++K) {
        const TCorner& C = Job.Corners[K];
        if (C.Depth < 0) continue;
        ++Drawn;
        X0 = std::min<int64_t>(X0, C.X), X1 = std::max<int64_t>(X1, C.X);
        Y0 = std::min<int64_t>(Y0, C.Y), Y1 = std::max<int64_t>(Y1, C.Y);
    }
    return Drawn == 0 ? 1 : SquareWidth(X1 - X0 + 1, Y1 - Y0 + 1, Drawn);
}

}  // namespace

bool PaintSurface(const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPixelArray& Picture, const TSurfaceChoices& Choices,
                  TDepthBuffer& DepthBuffer, TCores Cores)
{
    if (!PaintArgumentsValid(Picture, &DepthBuffer)) return false;
    ClearPointRecord(Picture);
    ClearDepthBuffer(DepthBuffer);
    TSurfaceJob Job{Results, Choices, Picture, DepthBuffer, 0,  false, {}, {},
                    {},      {},      0,       0,           {}, {},    {}, {}};
    Job.Count =
        std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
    try {
        Job.Corners = std::make_unique_for_overwrite<TCorner[]>(Job.Count);
    } catch (...) {
        return false;
    }
    PrepareJob(View, Job);
    size_t Unused[2] = {0, 0};
    RunInTwoHalves(Job.Count, SplitOverTwoCores(Job.Count, Cores),
                   [&Job, &Unused](size_t First, size_t Last, int Part) noexcept {
                       Unused[Part] = ProjectCorners(Job, First, Last);
                   });
    if (Job.OnGrid) {
        PaintInParts(Job, static_cast<size_t>(Job.Grid.Cols - 1), Cores,
                     [&Job](size_t First, size_t Last, const TSurfaceTarget& Target) noexcept {
                         PaintCells(Job, First, Last, Target);
                     });
        // Every point a corner: every one held by a filled cell.
        if (Unused[0] + Unused[1] > 0) PaintLoosePoints(Job);
    } else {
        const int32_t Side = SideOfSquares(Job);
        PaintInParts(
            Job, Job.Count, Cores,
            [&Job, Side](size_t First, size_t Last, const TSurfaceTarget& Target) noexcept {
                PaintSquares(Job, First, Last, Side, Target);
            });
    }
    return true;
}

bool PaintSurfaceOfRequest(const TPictureRequest& Request, const Proc3D::TViewPlane& View,
                           const TPointStyle& Style, const TPixelArray& Picture,
                           TDepthBuffer& DepthBuffer, TCores Cores)
{
    if ((DepthBuffer.Width != Picture.Width || DepthBuffer.Height != Picture.Height) &&
        !CreateDepthBuffer(Picture.Width, Picture.Height, DepthBuffer))
        return false;
    return PaintSurface(
        *Request.Results, View, Picture,
        {Request.ShowUndefined, Request.UseDepthBuffer, Request.Options.Light, Style}, DepthBuffer,
        Cores);
}

}  // namespace MainUnit
