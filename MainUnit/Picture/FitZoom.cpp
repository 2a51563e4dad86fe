#include "MainUnit/Picture/FitZoom.h"

#include <cmath>

namespace MainUnit {

bool FitZoom(double BoundingRadius, double CameraDistance, int32_t PictureHeight, double& Zoom)
{
    const long double R = BoundingRadius, D = CameraDistance;
    if (!(R > 0.0L) || !(D > R) || !std::isfinite(D) || PictureHeight < 1) return false;
    // (D - R)(D + R) rather than D^2 - R^2: no cancellation when D is close to R.
    const long double Cotangent = std::sqrt((D - R) * (D + R)) / R;
    const double Result = static_cast<double>(PictureHeight / 2.0L * Cotangent);
    if (!(Result > 0.0) || !std::isfinite(Result)) return false;
    Zoom = Result;
    return true;
}

}  // namespace MainUnit
