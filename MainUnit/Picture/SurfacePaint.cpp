// The fast surface painter: every point projected once (on two cores the
// halves apart), then the cells column by column or the squares point by
// point, on two cores the upper and lower rows of the picture side by side,
// then the loose points.
#include "MainUnit/Picture/SurfacePaint.h"

#include "MainUnit/Internal/TwoCores.h"
#include "MainUnit/Picture/Internal/FillWords.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/SurfaceBands.h"
#include "MainUnit/Picture/Internal/SurfaceCorners.h"
#include "MainUnit/Picture/Internal/SurfaceJob.h"
#include "MainUnit/Picture/Internal/SurfacePath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace MainUnit {

uint32_t PointColor(const TSurfaceJob& Job, double Y, double Depth)
{
    return SurfaceDarkened(
        Job, IsUndefinedY(Y) ? Job.Choices.Style.Undefined : SurfaceRampColor(Job, Y), Depth);
}

namespace {

// One error margin for the estimate of every place within the box the
// places lie in (the cube, or the result set's box with height 0 for the
// undefined), instead of one worked out point by point; a place beyond it
// still gets its own.
void BoundCornerMargin(TSurfaceJob& Job)
{
    const TBoxMapping* Box = Job.Choices.Style.Box;
    const TResultSet& R = Job.Results;
    if (Box != nullptr) {
        const double Half = std::max(Box->Half, Box->HalfY);
        Proc3D::BoundScreenMargin(Job.Screen, {-Half, -Half, -Half}, {Half, Half, Half});
    } else {
        Proc3D::BoundScreenMargin(
            Job.Screen, {R.XIntervalFrom, std::fmin(R.YIntervalFrom, 0.0), R.ZIntervalFrom},
            {R.XIntervalTo, std::fmax(R.YIntervalTo, 0.0), R.ZIntervalTo});
    }
}

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
    BoundCornerMargin(Job);
    for (uint32_t I = 0; I < Job.Ramp.size(); ++I)
        Job.Ramp[I] = Proc3D::HeightColor(I);
    Job.Scale = HeightScale(Job.Results.YIntervalFrom, Job.Results.YIntervalTo);
    Job.ScaleEstimate = static_cast<double>(Job.Scale);
    const TBoxMapping* Box = Job.Choices.Style.Box;
    // Two calls, not one on a conditional: the conditional's common type
    // would copy the whole result set.
    Job.Range = Box != nullptr ? CalcDepthRange(View.Camera, CubeCorners(*Box))
                               : CalcDepthRange(View.Camera, Job.Results);
    Job.DepthScreen = MakeDepthScreen(Job.Range);
    Job.Light = LightPlace(View);
    // Whether the entries lie on the grid is checked as they are projected.
    Job.OnGrid = SurfaceGridShape(Job.Results, Job.Count, Job.Grid);
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

// Work(Band) over the whole picture: on two cores the rows above the split
// and those below it side by side, each band painting its own pixels in the
// order the whole picture would have them.
template <class TWork>
void PaintInBands(const TSurfaceJob& Job, const TRowTallies& Tallies, const TGridReaches* Reaches,
                  TWork&& Work)
{
    const int32_t Height = Job.Picture.Height;
    if (Tallies[0].empty()) {
        Work(TSurfaceBand{0, Height});
        return;
    }
    const int32_t Split = SplitRow(Tallies);
    RunInTwoHalves(2, true, [&](size_t, size_t, int Part) noexcept {
        Work(Part == 0 ? TSurfaceBand{0, Split, Reaches} : TSurfaceBand{Split, Height, Reaches});
    });
}

// Memory for the job's corners: the scratch's when there is one, grown to
// the count if need be, otherwise the job's own. False when refused.
bool HoldCorners(TSurfaceJob& Job, TSurfaceScratch* Scratch) noexcept
{
    try {
        if (Scratch == nullptr) {
            Job.Owned = std::make_unique_for_overwrite<TCorner[]>(Job.Count);
            Job.Corners = Job.Owned.get();
            return true;
        }
        if (Scratch->Corners.size() < Job.Count) Scratch->Corners.resize(Job.Count);
    } catch (...) {
        return false;
    }
    Job.Corners = Scratch->Corners.data();
    return true;
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

// What the projection leaves for the painting: its notes for the split
// and how many entries are not corners.
struct TProjected {
    TRowTallies Tallies;
    TGridReaches Reaches;
    bool Reached = false;
    size_t Unused = 0;
};

// Half Half of the point record and of the depth buffer cleared: on two
// cores each clears one while it projects.
void ClearHalf(const TSurfaceJob& Job, size_t Half)
{
    const size_t Size = Job.DepthBuffer.Depths.size(), From = Half == 0 ? 0 : Size / 2,
                 To = Half == 0 ? Size / 2 : Size;
    std::fill(Job.DepthBuffer.Depths.begin() + static_cast<ptrdiff_t>(From),
              Job.DepthBuffer.Depths.begin() + static_cast<ptrdiff_t>(To), 0.0f);
    if (Job.Picture.Indexes != nullptr) FillWords(Job.Picture.Indexes + From, To - From, NoPoint);
}

// Every entry projected, on two cores the halves apart, each noting its
// corners for the split. On the grid each half checks that its entries
// lie on it. False, the projection unfinished, where one does not.
bool ProjectOnce(TSurfaceJob& Job, bool Split, TProjected& Out)
{
    const bool Tallied = Split && PrepareRowTallies(Job.Picture.Height, Out.Tallies);
    Out.Reached = Tallied && Job.OnGrid &&
                  PrepareGridReaches(static_cast<size_t>(Job.Grid.Cols),
                                     static_cast<size_t>(Job.Grid.Rows), Out.Reaches);
    size_t Unused[2] = {0, 0};
    bool OffGrid[2] = {false, false};
    RunInTwoHalves(Job.Count, Split, [&](size_t First, size_t Last, int Part) noexcept {
        const size_t Half = static_cast<size_t>(Part);
        ClearHalf(Job, Half);
        Unused[Half] = ProjectCorners(Job, First, Last,
                                      {Tallied ? Out.Tallies[Half].data() : nullptr,
                                       Out.Reached ? Out.Reaches.Halves[Half].data() : nullptr},
                                      Out.Reaches.Stretches, OffGrid[Half]);
    });
    Out.Unused = Unused[0] + Unused[1];
    return !OffGrid[0] && !OffGrid[1];
}

// The projection; where the entries turn out not to lie on the grid its
// shape promised, there is none and they are projected again as points
// taken at random.
void ProjectAll(TSurfaceJob& Job, bool Split, TProjected& Out)
{
    if (ProjectOnce(Job, Split, Out)) return;
    Job.OnGrid = false;
    ProjectOnce(Job, Split, Out);
}

}  // namespace

bool PaintSurface(const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPixelArray& Picture, const TSurfaceChoices& Choices,
                  TDepthBuffer& DepthBuffer, TCores Cores, TSurfaceScratch* Scratch)
{
    return PaintSurfaceOn(TPaintPath::Best, Results, View, Picture, Choices, DepthBuffer, Cores,
                          Scratch);
}

bool PaintSurfaceOn(TPaintPath Path, const TResultSet& Results, const Proc3D::TViewPlane& View,
                    const TPixelArray& Picture, const TSurfaceChoices& Choices,
                    TDepthBuffer& DepthBuffer, TCores Cores, TSurfaceScratch* Scratch)
{
    if (!PaintArgumentsValid(Picture, &DepthBuffer)) return false;
    TSurfaceJob Job{
        .Results = Results, .Choices = Choices, .Picture = Picture, .DepthBuffer = DepthBuffer};
    Job.Count =
        std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
    if (!HoldCorners(Job, Scratch)) {
        ClearPointRecord(Picture);
        ClearDepthBuffer(DepthBuffer);
        return false;
    }
    Job.Wide = Path == TPaintPath::Best && WidePaintPathAvailable();
    PrepareJob(View, Job);
    TProjected Projected;
    ProjectAll(Job, SplitOverTwoCores(Job.Count, Cores), Projected);
    const TGridReaches* Reaches = Projected.Reached ? &Projected.Reaches : nullptr;
    if (Job.OnGrid) {
        PaintInBands(Job, Projected.Tallies, Reaches,
                     [&Job](const TSurfaceBand& Band) noexcept { PaintCells(Job, Band); });
        // Every point a corner: every one held by a filled cell.
        if (Projected.Unused > 0) PaintLoosePoints(Job);
    } else {
        const int32_t Side = SideOfSquares(Job);
        PaintInBands(
            Job, Projected.Tallies, Reaches,
            [&Job, Side](const TSurfaceBand& Band) noexcept { PaintSquares(Job, Side, Band); });
    }
    return true;
}

bool PaintSurfaceOfRequest(const TPictureRequest& Request, const Proc3D::TViewPlane& View,
                           const TPointStyle& Style, const TPixelArray& Picture,
                           TDepthBuffer& DepthBuffer, TCores Cores, TSurfaceScratch* Scratch)
{
    if ((DepthBuffer.Width != Picture.Width || DepthBuffer.Height != Picture.Height) &&
        !CreateDepthBuffer(Picture.Width, Picture.Height, DepthBuffer))
        return false;
    return PaintSurface(
        *Request.Results, View, Picture,
        {Request.ShowUndefined, Request.UseDepthBuffer, Request.Options.Light, Style}, DepthBuffer,
        Cores, Scratch);
}

}  // namespace MainUnit
