// A view through which no point projects (the zoom vanishes against the
// camera's distance in the precision of numbers): which setting the user
// can change to draw it, and the view the axes sketch is drawn through in
// the meantime, which needs only the angles.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/ViewSettings.h"
#include "MainUnit/Text/Refusal.h"
#include "Proc3D/Proc3D.h"

#include <cstdint>

namespace MainUnit {

// The refusal of such a view. When the results reach far beyond the X and
// Z intervals and the same view would project were the results within them
// (the distance shrunk with the radius), the range of the results is what
// to change (ResultsBeyondPrecision); otherwise the zoom against the
// distance (ViewBeyondPrecision).
TRefusal CannotDrawRefusal(const TResultSet& Results, const TViewSettings& View, int32_t Width,
                           int32_t Height);

// The view of the same angles and zoom with the results taken within the X
// and Z intervals (the distance shrunk with the radius); failing that, from
// the distance a calculation of the intervals alone would set, at zoom 100.
// False when neither projects.
bool SketchViewPlane(const TResultSet& Results, const TViewSettings& View, int32_t Width,
                     int32_t Height, Proc3D::TViewPlane& Plane);

}  // namespace MainUnit
