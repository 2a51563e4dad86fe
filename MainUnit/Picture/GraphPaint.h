// The point loop of a repaint: every result point as one pixel, coloured by
// height, optionally hidden and darkened by the depth buffer, into a
// true-colour picture held as Width x Height colours 0x00BBGGRR, row by row
// (pixel (x, y) at index y * Width + x). The picture step (PicturePaint.h)
// fills the picture with its background and calls this.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Cores.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/PaintScratch.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "Proc3D/Proc3D.h"

#include <cstdint>

namespace MainUnit {

// A picture's pixels as plain memory, borrowed from whoever owns them, and
// optionally the record of which point set each pixel: Indexes, when not
// null, holds Width x Height entries laid out as the pixels, each the index
// in the result set of the point drawn there, or NoPoint.
struct TPixelArray {
    uint32_t* Pixels = nullptr;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t* Indexes = nullptr;
};

inline constexpr int32_t NoPoint = -1;

// The graph picture of the main window.
inline constexpr int32_t GraphWidth = 505;
inline constexpr int32_t GraphHeight = 404;

inline constexpr uint32_t UndefinedColor = 0xFFFFFF;

// Colour steps per unit of Y: HighestYStep / (YTo - YFrom), or 0 for a range
// without width.
long double HeightScale(double YFrom, double YTo);

// The largest ramp index HeightIndex gives: the first white step.
inline constexpr uint32_t LargestHeightIndex = Proc3D::TopRampStep + 1;

// Ramp index of a Y inside [YFrom, YTo]: (Y - YFrom) x Scale truncated. A Y
// outside gives 0 below and at most LargestHeightIndex (white) above, never
// an overflow.
inline uint32_t HeightIndex(double Y, double YFrom, long double Scale)
{
    const long double Index = (static_cast<long double>(Y) - YFrom) * Scale;
    if (!(Index > 0.0L)) return 0;
    if (Index >= static_cast<long double>(LargestHeightIndex)) return LargestHeightIndex;
    return static_cast<uint32_t>(Index);  // truncates toward zero
}

// Where and in which colour beyond the view: with a Box the points are
// drawn at their places in the cube (and the depth range is the cube's),
// undefined points in the Undefined colour.
struct TPointStyle {
    const TBoxMapping* Box = nullptr;  // null: at their true coordinates
    uint32_t Undefined = UndefinedColor;
};

// The style of a picture drawn with Options; Box is the mapping it points to.
inline TPointStyle PointStyleFor(const TPictureOptions& Options, const TBoxMapping& Box)
{
    return {Options.Box ? &Box : nullptr,
            Options.LightBackground ? UndefinedOnLightColor : UndefinedColor};
}

// Sets every pixel to Color.
void FillPicture(const TPixelArray& Picture, uint32_t Color);

// Paints points 0 .. PointCount - 1 of Results seen through View: undefined
// points white at height 0 when ShowUndefined, defined points only inside
// the Y interval, each clipped to the picture, later points over earlier
// ones. With a DepthBuffer of the picture's size, it is cleared first and a
// point is drawn only when nearer than what its pixel already shows, darkened
// by its distance. With the picture's Indexes, they are set to NoPoint first
// and each pixel drawn records the index of its point. False, painting
// nothing, when the picture has no pixels or the depth buffer a different
// size. Cores choose the threads of the loop (the picture is the same either
// way); a split loop paints into Scratch, or without one into memory of its
// own that it gives back at once.
bool PaintGraph(const TResultSet& Results, const Proc3D::TViewPlane& View,
                const TPixelArray& Picture, bool ShowUndefined, TDepthBuffer* DepthBuffer,
                TCores Cores = TCores::Machine, const TPointStyle& Style = {},
                TPaintScratch* Scratch = nullptr);

// The same picture, painted point by point through ProjectPoint and the
// depth buffer's test with nothing prepared ahead: the reference that the
// fast loop is checked and measured against.
bool PaintGraphReference(const TResultSet& Results, const Proc3D::TViewPlane& View,
                         const TPixelArray& Picture, bool ShowUndefined, TDepthBuffer* DepthBuffer,
                         const TPointStyle& Style = {});

}  // namespace MainUnit
