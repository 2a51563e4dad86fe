// The picture's move: every projected point shifted by the same whole
// pixels, so that a fit can centre what the perspective puts off-centre and
// a hand can move the picture. Whole pixels leave each point's place exact:
// with no move the picture is the plain one, pixel for pixel.
#pragma once

#include "MainUnit/Picture/PictureOptions.h"
#include "Proc3D/Proc3D.h"

#include <cstdint>

namespace MainUnit {

// Pan held so that the picture's centre stays on one of the pixels of a
// Width x Height picture.
TPan HeldPan(TPan Pan, int32_t Width, int32_t Height);

// A move of the window's graph for a picture of Width x Height, scaled as
// its zoom is (by the smaller of the two size ratios), rounded to whole
// pixels and held.
TPan FramedPan(TPan Pan, int32_t Width, int32_t Height);

// Moves the centre pixel of Plane, built for a Width x Height picture, by
// the window graph's Pan framed for that size. The projection puts the
// plane's centre at (HalfWidth, HalfHeight), so moving those moves every
// pixel alike; the axes sketch, which shows directions, not places, puts
// them back.
void MoveViewPlane(Proc3D::TViewPlane& Plane, TPan Pan, int32_t Width, int32_t Height);

}  // namespace MainUnit
