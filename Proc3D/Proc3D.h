// Proc3D: the projection engine of Tessel.
//
// A small vector library, the view plane of a pin-hole camera placed by two
// angles, a distance and a zoom, the projection of a point to a pixel, the
// size of the sampling grid and the two colour functions of the graph.
// Plain records and free functions; no state, no allocation, nothing throws.
// Intermediate results are computed in long double (80-bit extended on
// x86-64) and rounded to double where a value is stored in a record.
#pragma once

#include <cstdint>

namespace Proc3D {

// A point or a direction vector of space; also one calculated result point.
struct TPoint3D {
    double X;
    double Y;
    double Z;
};
static_assert(sizeof(TPoint3D) == 24, "a result point must take exactly 24 bytes");

// The line Origin + t * Direction for every real t.
struct TLine3D {
    TPoint3D Origin;
    TPoint3D Direction;
};

// The plane of all points P with Normal . P + Offset = 0.
struct TPlane3D {
    TPoint3D Normal;
    double Offset;
};

// Everything a projection needs that depends on the view only; built once per
// repaint by CalcViewPlane.
struct TViewPlane {
    TPoint3D Center;      // the plane's point on the line of sight; maps to (HalfWidth, HalfHeight)
    TPoint3D Camera;      // the eye
    TPoint3D Up;          // upward direction of the picture in the plane, Y >= 0
    TPoint3D Horizontal;  // horizontal direction in the plane, Y exactly 0
    TPlane3D Plane;       // Normal = Camera - Center (length Zoom), Offset = -(Normal . Center)
    uint16_t HalfWidth;
    uint16_t HalfHeight;
};

// The height ramp: HeightColor has a colour for every step 0 .. TopRampStep
// (six segments of 256) and white for every step above.
inline constexpr uint32_t TopRampStep = 1535;
// Y values use the steps 0 .. HighestYStep, so that the highest defined value
// is pale red and white stays for undefined results.
inline constexpr uint32_t ColorIndexReserve = 60;
inline constexpr uint32_t HighestYStep = TopRampStep - ColorIndexReserve;

// Value - Divisor * trunc(Value / Divisor): a truncated remainder with the
// sign of Value.
double FloatMod(double Divisor, double Value);

// C = A x B. C must be a separate variable.
void CrossProduct(const TPoint3D& A, const TPoint3D& B, TPoint3D& C);

// True and the cut point when the line meets the plane in exactly one point;
// false, with Point untouched, when it runs parallel to it.
bool IntersectLinePlane(const TLine3D& Line, const TPlane3D& Plane, TPoint3D& Point);

// Distance from Point to the line, and the foot of the perpendicular. A line
// whose direction has no usable length gives NaN with Foot = Line.Origin.
double PointLineDistance(const TLine3D& Line, const TPoint3D& Point, TPoint3D& Foot);

// Builds the view plane for a picture of Width x Height pixels. A positive
// Distance places the camera by the angles (and returns it in Camera); a
// Distance of 0 or less keeps Camera and aims it by the angles. False, with
// nothing written, for a non-finite vertical angle, Zoom not above 0, or a
// size outside 10 .. 65535.
bool CalcViewPlane(TPoint3D& Camera, int32_t Width, int32_t Height, double VerAngle,
                   double HorAngle, double Zoom, double Distance, TViewPlane& ViewPlane);

// Whether ViewPlane can project any point at all. False when the camera and
// the plane's centre fell together in the rounding of their coordinates (a
// zoom that vanishes against the camera's distance from the origin), or a
// figure of the plane is no finite number (a zoom near the top of the range);
// ProjectPoint then fails for every point.
bool CanProject(const TViewPlane& ViewPlane);

// Pixel of Point seen through ViewPlane (it may lie outside the picture).
// False when the line of sight is parallel to the view plane or an offset is
// not a finite number within the 32-bit pixel range; the outputs then carry
// no meaning.
bool ProjectPoint(const TViewPlane& ViewPlane, const TPoint3D& Point, int32_t& PixelX,
                  int32_t& PixelY);

// Columns (distinct X) and rows (distinct Z) of a nearly square grid of at
// least Count points whose cells follow XWidth : ZWidth. A size beyond the
// 32-bit range saturates at 2147483647; callers refuse such grids.
void CalcGridSize(int32_t Count, int32_t& Cols, int32_t& Rows, double XWidth, double ZWidth);

// Colour 0x00BBGGRR of step Index of the height ramp; white above TopRampStep.
uint32_t HeightColor(uint32_t Index);

// Colour darkened by Factor: 0 leaves it almost unchanged, 255 gives black.
// Inline: the painters call it for every point they draw.
inline uint32_t ShadeColor(uint32_t Color, uint8_t Factor)
{
    const uint32_t K = 255u - Factor;
    const uint32_t Red = ((Color & 0xFF) * K) >> 8;
    const uint32_t Green = (((Color >> 8) & 0xFF) * K) >> 8;
    const uint32_t Blue = (((Color >> 16) & 0xFF) * K) >> 8;
    return Red | (Green << 8) | (Blue << 16);
}

}  // namespace Proc3D
