// The fit of a double-click, --fit and "Fit after every calculation": the
// move and the zoom at which the drawn points, not their bounding sphere,
// sit in the middle of the picture and fill it with a small margin, seen
// from wherever the camera stands.
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
// centre. The fit moves that centre by Pan, whole pixels, so that the
// drawn points (those the repaint would draw with ShowUndefined and Style)
// lie in the middle of a Width x Height picture, and takes the largest zoom
// at which every one keeps Margin pixels from each edge. False, with Zoom
// and Pan unchanged, when no point is drawn or all lie on the line of
// sight, or the camera cannot be placed. AlsoFramed are places (where the
// points are drawn) kept in the frame as well.
bool FramePointsZoom(const TResultSet& Results, const TViewSettings& View, bool ShowUndefined,
                     const TPointStyle& Style, int32_t Width, int32_t Height, int32_t Margin,
                     double& Zoom, TPan& Pan, std::span<const Proc3D::TPoint3D> AlsoFramed = {});

// The zoom text and the move of the fit for the picture drawn with Options:
// the drawn points framed and centred (with the axes, the box's corners
// too), or, where they give no frame, the sphere of the radius the distance
// must exceed fitted about the centre, without a move. Angles and distance
// stay.
TViewTexts FitViewToPoints(const TViewSettings& View, const TResultSet& Results, bool ShowUndefined,
                           const TPictureOptions& Options, int32_t Width, int32_t Height);

}  // namespace MainUnit
