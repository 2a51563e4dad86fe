// The fit of a double-click, --fit and "Fit after every calculation": the
// zoom at which the drawn points, not their bounding sphere, fill the
// picture with a small margin, seen from wherever the camera stands.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/ViewGesture.h"
#include "MainUnit/Picture/ViewSettings.h"

#include <cstdint>
#include <span>

namespace MainUnit {

// The margin kept free on every side, in pixels, for a picture whose
// shorter side is Side pixels long; wider with the axes, for their values.
int32_t FrameMargin(int32_t Side, bool Ticks);

// The pinhole camera of View puts a point at depth d in front of it and at
// offset s from the line of sight s Zoom / d pixels from the picture's
// centre; the zoom is the largest at which every drawn point (those the
// repaint would draw with ShowUndefined and Style) keeps FrameMargin pixels
// from each edge of a Width x Height picture. False, with Zoom unchanged,
// when no point is drawn or all lie on the line of sight, or the camera
// cannot be placed. AlsoFramed are places (where the points are drawn) kept
// in the frame as well.
bool FramePointsZoom(const TResultSet& Results, const TViewSettings& View, bool ShowUndefined,
                     const TPointStyle& Style, int32_t Width, int32_t Height, int32_t Margin,
                     double& Zoom, std::span<const Proc3D::TPoint3D> AlsoFramed = {});

// The zoom text of the fit for the picture drawn with Options: the drawn
// points framed (with the axes, the box's corners too), or, where they give
// no frame, the sphere of the radius the distance must exceed fitted as
// before. Angles and distance stay.
TViewTexts FitViewToPoints(const TViewSettings& View, const TResultSet& Results, bool ShowUndefined,
                           const TPictureOptions& Options, int32_t Width, int32_t Height);

}  // namespace MainUnit
