#include "MainUnit/Picture/PictureFrame.h"

#include "MainUnit/Picture/GraphPaint.h"

#include <algorithm>

namespace MainUnit {

double FramedZoom(double Zoom, int32_t Width, int32_t Height)
{
    const long double Ratio = std::min(static_cast<long double>(Width) / GraphWidth,
                                       static_cast<long double>(Height) / GraphHeight);
    return static_cast<double>(Zoom * Ratio);
}

}  // namespace MainUnit
