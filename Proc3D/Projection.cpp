// ProjectPoint: central projection of one point onto the view plane.
#include "Proc3D/ExtendedMath.h"
#include "Proc3D/Proc3D.h"

#include <cstdint>

namespace Proc3D {

bool ProjectPoint(const TViewPlane& ViewPlane, const TPoint3D& Point, int32_t& PixelX,
                  int32_t& PixelY)
{
    const TLine3D Sight{ViewPlane.Camera, Rounded(Point - ViewPlane.Camera)};
    TPoint3D Cut;
    if (!IntersectLinePlane(Sight, ViewPlane.Plane, Cut)) return false;

    // The offsets are distances on the plane, one unit being one pixel. The
    // tests are written so that NaN fails them: a view that overflowed (a zoom
    // of 1e300, say) gives NaN offsets, which must never reach the rounding.
    TPoint3D Foot;
    const double OffsetY = PointLineDistance({ViewPlane.Center, ViewPlane.Horizontal}, Cut, Foot);
    if (!(OffsetY <= 2147483647.0 - ViewPlane.HalfHeight)) return false;
    const int32_t RowShift = RoundOffset(OffsetY);
    PixelY = Cut.Y > ViewPlane.Center.Y ? ViewPlane.HalfHeight - RowShift
                                        : ViewPlane.HalfHeight + RowShift;

    const double OffsetX = PointLineDistance({ViewPlane.Center, ViewPlane.Up}, Cut, Foot);
    if (!(OffsetX <= 2147483647.0 - ViewPlane.HalfWidth)) return false;
    const TPoint3D Across = Rounded(Cross(ViewPlane.Up, Rounded(Cut - Foot)));
    const TPoint3D Normal = Rounded(ViewPlane.Camera - ViewPlane.Center);
    // Across is parallel to the normal; it points against it exactly when the
    // cut lies right of the vertical centre line as seen from the camera. The
    // sign of the dot product decides as a whole, so a component that is only
    // rounding noise (camera looking almost along an axis) cannot flip it.
    const int32_t ColumnShift = RoundOffset(OffsetX);
    PixelX = Dot(Across, Normal) < 0.0L ? ViewPlane.HalfWidth + ColumnShift
                                        : ViewPlane.HalfWidth - ColumnShift;
    return true;
}

}  // namespace Proc3D
