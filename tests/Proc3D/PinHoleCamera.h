// An independently written pin-hole camera, the reference for the projection
// tests: an orthonormal basis from forward/right/up vectors in double, the
// screen offset being (lateral offset) * focal length / depth.
#pragma once

#include <cmath>

namespace Proc3DTest {

struct TVec {
    double X, Y, Z;
};

inline TVec operator-(TVec A, TVec B) { return {A.X - B.X, A.Y - B.Y, A.Z - B.Z}; }
inline double DotOf(TVec A, TVec B) { return A.X * B.X + A.Y * B.Y + A.Z * B.Z; }
inline TVec CrossOf(TVec A, TVec B)
{
    return {A.Y * B.Z - A.Z * B.Y, A.Z * B.X - A.X * B.Z, A.X * B.Y - A.Y * B.X};
}
inline TVec Unit(TVec A)
{
    const double L = std::sqrt(DotOf(A, A));
    return {A.X / L, A.Y / L, A.Z / L};
}

// Unrounded picture coordinates of a point for a camera at Eye looking at the
// origin with the world's Y axis up, focal length Focal pixels, picture centre
// (CenterX, CenterY) and picture Y growing downward.
struct TPinHole {
    TVec Eye, Forward, Right, Upward;
    double Focal, CenterX, CenterY;

    TPinHole(TVec Camera, double FocalLength, double CX, double CY)
        : Eye(Camera), Focal(FocalLength), CenterX(CX), CenterY(CY)
    {
        Forward = Unit({-Camera.X, -Camera.Y, -Camera.Z});
        Right = Unit(CrossOf(Forward, {0.0, 1.0, 0.0}));
        Upward = CrossOf(Right, Forward);
    }

    void Project(TVec P, double& PX, double& PY) const
    {
        const TVec V = P - Eye;
        const double Depth = DotOf(V, Forward);
        PX = CenterX + DotOf(V, Right) * Focal / Depth;
        PY = CenterY - DotOf(V, Upward) * Focal / Depth;
    }
};

}  // namespace Proc3DTest
