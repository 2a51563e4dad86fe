#include "MainUnit/Picture/PicturePaint.h"

#include "MainUnit/Picture/PictureFrame.h"
#include "MainUnit/Picture/SurfacePaint.h"
#include "MainUnit/Picture/ViewPan.h"

namespace MainUnit {

TRefusal PlanPicture(const TPictureRequest& Request, TPicturePlan& Plan)
{
    const TViewSettings& View = Request.View;
    if (!Proc3D::CalcViewPlane(Plan.Camera, Request.Width, Request.Height, View.VerAngle,
                               View.HorAngle, FramedZoom(View.Zoom, Request.Width, Request.Height),
                               View.Distance, Plan.ViewPlane))
        return TRefusal::ViewPlane;
    MoveViewPlane(Plan.ViewPlane, Request.Options.Pan, Request.Width, Request.Height);
    Plan.Box = Request.Results ? MakeBoxMapping(*Request.Results, Request.Options.BoxHeight)
                               : TBoxMapping{};
    return TRefusal::None;
}

TPaintedPicture PaintPicture(const TPictureRequest& Request, const TPicturePlan& Plan,
                             const TPixelArray& Picture, TDepthBuffer& DepthBuffer,
                             const TAxesStyle& Axes, TPaintScratch* Scratch)
{
    const TPictureOptions& Options = Request.Options;
    FillPicture(Picture, BackgroundColor(Options));
    TPaintedPicture Painted;
    if (Request.Results == nullptr) return Painted;
    if (Options.Ticks && Axes.Measure) {
        Painted.Axes = LayOutBoxAxes(Plan.ViewPlane, AxesBox(Plan.Box, Options.Box), Picture.Width,
                                     Picture.Height, Axes.Measure, Axes.TickLength, Axes.Gap);
        if (Axes.BeforePoints) Axes.BeforePoints(Painted.Axes);
    }
    const TPointStyle Style = PointStyleFor(Options, Plan.Box);
    Painted.Painted =
        Options.Surface
            ? PaintSurfaceOfRequest(Request, Plan.ViewPlane, Style, Picture, DepthBuffer,
                                    TCores::Machine, Scratch ? &Scratch->Surface : nullptr)
            : PaintGraph(*Request.Results, Plan.ViewPlane, Picture, Request.ShowUndefined,
                         Request.UseDepthBuffer ? &DepthBuffer : nullptr, TCores::Machine, Style,
                         Scratch);
    return Painted;
}

TResultSet SketchedBox(const TResultSet& Results, const TPictureRequest& Request,
                       const TPicturePlan& Plan)
{
    TResultSet Sketched;
    CopyIntervals(Results, Sketched);
    Sketched.BoundingRadius = Results.BoundingRadius;
    if (!Request.Options.Box) return Sketched;
    // The cube as the graph shows it: its base about the origin, the axes
    // as long as the cube's sphere is wide.
    const Proc3D::TPoint3D From =
        MapToBox(Plan.Box, {Results.XIntervalFrom, 0, Results.ZIntervalFrom});
    const Proc3D::TPoint3D To = MapToBox(Plan.Box, {Results.XIntervalTo, 0, Results.ZIntervalTo});
    Sketched.XIntervalFrom = From.X;
    Sketched.XIntervalTo = To.X;
    Sketched.ZIntervalFrom = From.Z;
    Sketched.ZIntervalTo = To.Z;
    Sketched.YIntervalFrom = Sketched.YIntervalTo = 0;
    Sketched.BoundingRadius = Plan.Box.Radius;
    return Sketched;
}

}  // namespace MainUnit
