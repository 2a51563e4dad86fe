// The fast surface painter's view of one painting: what is prepared once,
// the projected corners, and the band of rows a part of the work paints.
#pragma once

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/PointPlace.h"
#include "MainUnit/Picture/Internal/ScreenedShading.h"
#include "MainUnit/Picture/Internal/SurfaceBands.h"
#include "MainUnit/Picture/Internal/SurfaceCells.h"
#include "MainUnit/Picture/SurfacePaint.h"
#include "MainUnit/Picture/SurfaceScratch.h"
#include "Proc3D/HoistedProjection.h"
#include "Proc3D/ScreenedProjection.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace MainUnit {

// The surface's own depth test, on entries already rounded to 32 bits: a
// pixel of a cell is decided by its interpolated depth, which has no
// unrounded distance to compare, so both painters compare what they store.
// The test on the entry itself, for painters that find it by an offset of
// their own.
[[gnu::always_inline]] inline bool NearerEntry(float& Entry, float Stored)
{
    if (Entry != 0.0f && Stored >= Entry) return false;
    Entry = Stored;
    return true;
}

inline bool DepthTestAndStoreValue(TDepthBuffer& Buffer, int32_t X, int32_t Y, float Stored)
{
    return NearerEntry(DepthEntry(Buffer, X, Y), Stored);
}

using TCorner = TSurfaceCorner;

// A point that is not a corner: its distance negative, its pixel so far
// outside the picture (beyond any placed corner's reach, yet the span of a
// cell holding it still a 32-bit number) that no cell holding it is taken
// for one within a 2 x 2 block of pixels.
inline constexpr TCorner UnusedCorner{-(1 << 30), -(1 << 30), -1, 0.0f, 0};

// How far round the picture corners are placed by the quick estimate: a
// cell reaching into the picture from farther out is rare (a large zoom),
// and its corner is projected exactly.
inline constexpr int32_t CornerMargin = 4096;

struct TSurfaceJob {
    const TResultSet& Results;
    const TSurfaceChoices& Choices;
    const TPixelArray& Picture;
    TDepthBuffer& DepthBuffer;
    long double Scale = 0;
    TDepthRange Range{};
    size_t Count = 0;
    TCorner* Corners = nullptr;  // Count of them: the scratch's, or Owned
    std::unique_ptr<TCorner[]> Owned{};
    Proc3D::TProjector Projector{};
    Proc3D::TScreen Screen{};  // the picture widened by CornerMargin on every side
    TDepthScreen DepthScreen{};
    Proc3D::TPoint3D Light{};
    double ScaleEstimate = 0;
    TSurfaceGrid Grid{};
    std::array<uint32_t, LargestHeightIndex + 1> Ramp{};
    bool OnGrid = false;
    bool Wide = false;  // the corners projected in AVX2 vectors
};

// The rows Top .. Bottom - 1 of the job's picture, which one part of the
// work paints alone: every pixel is painted by the same offers in the same
// order as painting the whole picture at once would make.
struct TSurfaceBand {
    int32_t Top = 0;
    int32_t Bottom = 0;
    const TGridReaches* Reaches = nullptr;  // on the grid, the rows its stretches reach

    bool Holds(int32_t Y) const { return Y >= Top && Y < Bottom; }
};

// The place of entry K as the picture draws it; false when it is not drawn.
inline bool SurfacePlace(const TSurfaceJob& Job, size_t K, Proc3D::TPoint3D& Place, bool& Undefined)
{
    const Proc3D::TPoint3D& P = Job.Results.Points[K];
    const bool Shown = Job.Choices.ShowUndefined;
    const TBoxMapping* Box = Job.Choices.Style.Box;
    return Box != nullptr ? BoxPlaceOfPoint(P, Job.Results, Shown, *Box, Place, Undefined)
                          : PlaceOfPoint(P, Job.Results, Shown, Place, Undefined);
}

// The depth buffer's darkening of a pixel at Depth.
[[gnu::always_inline]] inline uint8_t SurfaceDepthFactor(const TSurfaceJob& Job, double Depth)
{
    uint8_t Factor = 0;
    if (!ScreenDepthFactor(Job.DepthScreen, Depth, Factor)) Factor = DepthFactor(Job.Range, Depth);
    return Factor;
}

// Color darkened by Depth when asked.
[[gnu::always_inline]] inline uint32_t SurfaceDarkened(const TSurfaceJob& Job, uint32_t Color,
                                                       double Depth)
{
    if (!Job.Choices.Darken) return Color;
    return Proc3D::ShadeColor(Color, SurfaceDepthFactor(Job, Depth));
}

// The height colour of a defined Y.
[[gnu::always_inline]] inline uint32_t SurfaceRampColor(const TSurfaceJob& Job, double Y)
{
    const double YFrom = Job.Results.YIntervalFrom;
    uint32_t Index = 0;
    if (!ScreenHeightIndex(Y, YFrom, Job.ScaleEstimate, Index))
        Index = HeightIndex(Y, YFrom, Job.Scale);
    return Job.Ramp[Index];
}

// Height colour of Y, lit by Share 256ths and darkened by Depth when asked.
[[gnu::always_inline]] inline uint32_t SurfaceColor(const TSurfaceJob& Job, double Y,
                                                    uint32_t Share, double Depth)
{
    const uint32_t Color = SurfaceRampColor(Job, Y);
    return SurfaceDarkened(Job, Share == FullLightShare ? Color : LitColor(Color, Share), Depth);
}

// The depth entry a pixel at Depth is offered with, 0 when it is never
// drawn (not in front of the camera, or too near to tell from it): the
// entry DepthEntryValue gives, without extended precision, as the double
// compares and converts exactly as it would.
[[gnu::always_inline]] inline float SurfaceStored(double Depth)
{
    if (!(Depth > 0)) return 0.0f;
    return Depth > static_cast<double>(MaxStoredDepth) ? MaxStoredDepth : static_cast<float>(Depth);
}

// What a corner's own pixel is painted with, worked out once as it is
// projected: the ramp colour of its Y, and darkened by its depth when
// asked; with the light (whose share belongs to each triangle, not to the
// corner) the ramp colour with the darkening factor in the top byte, which
// the ramp's colours leave free.
[[gnu::always_inline]] inline uint32_t CornerField(const TSurfaceJob& Job, double Y, double Depth)
{
    const uint32_t Color = SurfaceRampColor(Job, Y);
    if (!Job.Choices.Light) return SurfaceDarkened(Job, Color, Depth);
    return Job.Choices.Darken ? Color | static_cast<uint32_t>(SurfaceDepthFactor(Job, Depth)) << 24
                              : Color;
}

// The colour of corner C's own pixel in a triangle lit by Share: what
// SurfaceColor gives for its Y and depth.
[[gnu::always_inline]] inline uint32_t CornerColour(const TSurfaceJob& Job, const TCorner& C,
                                                    uint32_t Share)
{
    if (!Job.Choices.Light) return C.Colour;
    const uint32_t Color = C.Colour & 0xFFFFFFu;
    const uint32_t Lit = Share == FullLightShare ? Color : LitColor(Color, Share);
    return Job.Choices.Darken ? Proc3D::ShadeColor(Lit, static_cast<uint8_t>(C.Colour >> 24)) : Lit;
}

// The Y of corner C, which the pixels between corners are coloured from.
[[gnu::always_inline]] inline double CornerHeight(const TSurfaceJob& Job, const TCorner& C)
{
    return Job.Results.Points[static_cast<size_t>(&C - Job.Corners)].Y;
}

// The colour of a single point: by height, or the undefined colour, and
// darkened by Depth when asked; never lit.
uint32_t PointColor(const TSurfaceJob& Job, double Y, double Depth);

// Fills the pixels of Band that the grid's cells cover.
void PaintCells(const TSurfaceJob& Job, const TSurfaceBand& Band);

// Draws the points as squares of side Side over the pixels of Band.
void PaintSquares(const TSurfaceJob& Job, int32_t Side, const TSurfaceBand& Band);

}  // namespace MainUnit
