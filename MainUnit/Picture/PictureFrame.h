// Pictures of another size than the window's graph: the same framing as the
// window's picture, the zoom scaled by the smaller of the two size ratios.
#pragma once

#include <cstdint>

namespace MainUnit {

// Zoom x min(Width / GraphWidth, Height / GraphHeight), computed in long
// double and rounded to double.
double FramedZoom(double Zoom, int32_t Width, int32_t Height);

}  // namespace MainUnit
