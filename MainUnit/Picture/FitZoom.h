// The zoom at which the bounding sphere of a result set just fills the
// picture, for a camera that looks at the sphere's centre from a distance.
#pragma once

#include <cstdint>

namespace MainUnit {

// The view plane lies Zoom ahead of the camera and one unit on it is one
// pixel, so a sphere of radius R seen from distance D > R projects to a disc
// of radius Zoom R / sqrt(D^2 - R^2) pixels. Zoom is set so that this disc
// spans PictureHeight, the picture's shorter side. False, with Zoom
// unchanged, when no zoom can do that: a radius that is not positive, a
// camera on or inside the sphere, or anything not finite.
bool FitZoom(double BoundingRadius, double CameraDistance, int32_t PictureHeight, double& Zoom);

}  // namespace MainUnit
