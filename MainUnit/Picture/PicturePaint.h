// The one picture step: every graph picture (the window's, the large view's,
// the exported and the command line's, and the painting behind --pick) is
// planned and painted here. The plan builds the view plane for the picture's
// size and the box mapping, each once; the painting fills the background,
// paints the points (and the record of which point set each pixel) and lays
// out the axes with values. What needs a font or a canvas, the texts, the
// lines of the axes, the sketch and the legend, is the caller's.
#pragma once

#include "MainUnit/Picture/BoxAxes.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureRequest.h"
#include "MainUnit/Text/Refusal.h"
#include "Proc3D/Proc3D.h"

namespace MainUnit {

// What a request's picture is seen through: made by PlanPicture only.
struct TPicturePlan {
    Proc3D::TPoint3D Camera{0, 0, 0};
    Proc3D::TViewPlane ViewPlane{};  // for the request's size, with the framed zoom
    TBoxMapping Box;                 // the cube of the result set; unused without the box
};

// The view plane for the request's size, framed as the window's picture (the
// zoom scaled with the size), and the box mapping when the request asks for
// the box. ViewPlane when no plane can be built for the view; the caller
// judges whether anything projects through it.
TRefusal PlanPicture(const TPictureRequest& Request, TPicturePlan& Plan);

// How the box's edges are laid out in pixels: a text measure of the
// caller's font and the tick length and gap for the picture's size.
struct TAxesStyle {
    TMeasureText Measure;  // empty: no axes are laid out
    int32_t TickLength = 0;
    int32_t Gap = 0;
};

// Fills Picture with the background of the request's choices; with a result
// set paints its points as the plan sees them (through DepthBuffer, of
// PrepareDepthBuffer, when the request asks for it; into Picture.Indexes when
// given) and, when the request asks for the axes with values and Axes can
// measure, returns their lines and labels for the caller to draw. Scratch,
// when given, is the memory the point loop keeps between repaints. Painted is
// false when no point could be painted (no result set, no pixels).
struct TPaintedPicture {
    bool Painted = false;
    TAxesDrawing Axes;
};
TPaintedPicture PaintPicture(const TPictureRequest& Request, const TPicturePlan& Plan,
                             const TPixelArray& Picture, TDepthBuffer& DepthBuffer,
                             const TAxesStyle& Axes = {}, TPaintScratch* Scratch = nullptr);

// The result box the axes sketch shows: the result set's own intervals and
// radius, or with the box the plan's cube (its base about the origin, its
// sphere's radius); no points.
TResultSet SketchedBox(const TResultSet& Results, const TPictureRequest& Request,
                       const TPicturePlan& Plan);

}  // namespace MainUnit
