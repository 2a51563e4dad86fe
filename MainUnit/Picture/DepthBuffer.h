// The depth buffer of a repaint (Z-buffer): one 32-bit float per pixel
// holding the distance of the point last drawn there (0: nothing yet), the
// depth range of the result box, and the darkening of a colour by distance.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "Proc3D/Proc3D.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace MainUnit {

// Entries run row by row, as the pixels of a picture do, so that a point
// touches one place in each: the entry of a pixel has the pixel's index in a
// picture of the buffer's size. Reach them through DepthIndex or DepthEntry.
struct TDepthBuffer {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<float> Depths;
};

// The index in Depths of the entry of pixel (X, Y), which lies inside.
inline size_t DepthIndex(const TDepthBuffer& Buffer, int32_t X, int32_t Y)
{
    return static_cast<size_t>(Y) * static_cast<size_t>(Buffer.Width) + static_cast<size_t>(X);
}

inline float& DepthEntry(TDepthBuffer& Buffer, int32_t X, int32_t Y)
{
    return Buffer.Depths[DepthIndex(Buffer, X, Y)];
}

inline float DepthEntry(const TDepthBuffer& Buffer, int32_t X, int32_t Y)
{
    return Buffer.Depths[DepthIndex(Buffer, X, Y)];
}

// Allocates Width x Height entries, all 0. False, with Buffer empty, for a
// size below 1 or memory refused; never throws.
bool CreateDepthBuffer(int32_t Width, int32_t Height, TDepthBuffer& Buffer) noexcept;

void ClearDepthBuffer(TDepthBuffer& Buffer);

// Nearest and farthest distance of the eight corners of the result box from
// the camera, and the coefficients of the depth factor f = A d - B. When all
// eight are equally far A and B are 0, so that every factor is 0.
struct TDepthRange {
    long double Near = 0;
    long double Far = 0;
    long double A = 0;
    long double B = 0;
};

TDepthRange CalcDepthRange(const Proc3D::TPoint3D& Camera, const TResultSet& Results);

// 205 (d - Near) / (Far - Near), held within 0 .. 255 and truncated.
uint8_t DepthFactor(const TDepthRange& Range, long double Distance);

// The largest distance an entry records.
inline constexpr float MaxStoredDepth = 3.4e38f;

// The value an entry records for Distance. Clamped first: a distance beyond
// the float range must not be converted.
inline float DepthEntryValue(long double Distance)
{
    return Distance > MaxStoredDepth ? MaxStoredDepth : static_cast<float>(Distance);
}

// The same for a distance no larger than MaxStoredDepth whose entry value
// Stored is already known, with Below telling whether the distance lies
// strictly below Stored. A stored
// entry E is a float and rounding is monotonic, so the distance is below E
// exactly when Stored is, or when Stored equals E and the distance is below
// it: the same outcome as comparing the distance itself.
inline bool DepthTestAndStoreEntry(float& Entry, float Stored, bool Below)
{
    if (Entry != 0.0f && !(Stored < Entry || (Stored == Entry && Below))) return false;
    Entry = Stored;
    return true;
}

// The test and store of one entry for a point at Distance: false when a
// point at least as far was drawn there before (the entry stays); otherwise
// records Distance and returns true. The distance itself is compared with
// the 32-bit entry, so a later point at the same distance as a stored one
// wins when that distance was rounded up on storing it.
inline bool DepthTestAndStoreDistance(float& Entry, long double Distance)
{
    if (Entry != 0.0f && Distance >= Entry) return false;
    Entry = DepthEntryValue(Distance);
    return true;
}

// Test and store for a pixel inside the picture.
inline bool DepthTestAndStore(TDepthBuffer& Buffer, int32_t X, int32_t Y, long double Distance)
{
    return DepthTestAndStoreDistance(DepthEntry(Buffer, X, Y), Distance);
}

// Test and store, then the colour to draw: Color darkened by the depth factor.
inline bool DepthTest(TDepthBuffer& Buffer, const TDepthRange& Range, int32_t X, int32_t Y,
                      long double Distance, uint32_t Color, uint32_t& Shaded)
{
    if (!DepthTestAndStore(Buffer, X, Y, Distance)) return false;
    Shaded = Proc3D::ShadeColor(Color, DepthFactor(Range, Distance));
    return true;
}

}  // namespace MainUnit
