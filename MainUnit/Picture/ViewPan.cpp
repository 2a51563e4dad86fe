#include "MainUnit/Picture/ViewPan.h"

#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureFrame.h"

#include <algorithm>
#include <cmath>

namespace MainUnit {

TPan HeldPan(TPan Pan, int32_t Width, int32_t Height)
{
    const int32_t HalfWidth = Width / 2, HalfHeight = Height / 2;
    return {std::clamp(Pan.X, -HalfWidth, std::max(Width - 1 - HalfWidth, -HalfWidth)),
            std::clamp(Pan.Y, -HalfHeight, std::max(Height - 1 - HalfHeight, -HalfHeight))};
}

TPan FramedPan(TPan Pan, int32_t Width, int32_t Height)
{
    if (Width == GraphWidth && Height == GraphHeight) return HeldPan(Pan, Width, Height);
    const double Ratio = FramedZoom(1.0, Width, Height);
    const auto Scaled = [Ratio](int32_t Pixels) {
        return static_cast<int32_t>(std::clamp(std::lround(Pixels * Ratio), -65535L, 65535L));
    };
    return HeldPan({Scaled(Pan.X), Scaled(Pan.Y)}, Width, Height);
}

void MoveViewPlane(Proc3D::TViewPlane& Plane, TPan Pan, int32_t Width, int32_t Height)
{
    const TPan Framed = FramedPan(Pan, Width, Height);
    // Held inside the picture, and the picture within 65535 pixels, the
    // moved centre fits the plane's 16-bit fields.
    Plane.HalfWidth = static_cast<uint16_t>(Plane.HalfWidth + Framed.X);
    Plane.HalfHeight = static_cast<uint16_t>(Plane.HalfHeight + Framed.Y);
}

}  // namespace MainUnit
