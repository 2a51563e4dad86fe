// The graph drawn as a surface instead of a cloud of single pixels. Points
// on the grid of the square order are joined: each cell of four
// neighbouring points is filled as two triangles between their pixels, every
// pixel coloured by the height colour of its own interpolated Y and kept only
// where it is nearer than what the pixel already shows. Points taken at
// random have no grid to join: each is drawn as a square as wide as the
// mean distance between the projected points.
//
// Rasterisation, shared exactly by the fast painter and the reference: the
// corners of a cell are the pixels the points project to, pixel (x, y)
// being the sample point (x, y); a pixel belongs to a triangle when it lies
// inside it or on one of its edges, so a pixel on an edge two triangles
// share is offered by both and the nearer kept (the first when equally
// near), and a surface of cells has no cracks. A triangle without area is
// the segment between its first two corners farthest apart. A pixel on a
// corner takes the corner's own depth and Y, as its point would; elsewhere
// depth and Y are interpolated linearly from the triangle's first corner by
// the weights of the other two (integer edge functions divided by twice the
// area), along a segment by the share of its length.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Cores.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureRequest.h"
#include "MainUnit/Picture/SurfaceScratch.h"
#include "Proc3D/Proc3D.h"

namespace MainUnit {

struct TSurfaceChoices {
    bool ShowUndefined = true;
    bool Darken = false;  // the depth buffer's darkening of what is farther
    bool Light = false;   // shade each triangle by how squarely it faces the light
    TPointStyle Style;
};

// Paints the surface of points 0 .. PointCount - 1 of Results seen through
// View into Picture, always through DepthBuffer (cleared first; it keeps the
// surface's depths for whatever is drawn over it). A cell with a corner that
// is undefined or outside the Y interval is not filled; its corners that no
// filled cell holds are drawn as single points (undefined ones only when
// ShowUndefined), depth-tested too. With the picture's Indexes each filled
// pixel records the corner of its cell nearest to it. False, painting
// nothing, when the picture has no pixels or the depth buffer another size.
// With Scratch the projected points are kept in its memory, reused from one
// painting to the next.
bool PaintSurface(const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPixelArray& Picture, const TSurfaceChoices& Choices,
                  TDepthBuffer& DepthBuffer, TCores Cores = TCores::Machine,
                  TSurfaceScratch* Scratch = nullptr);

// The same picture, each pixel tested against each triangle and square in
// turn with nothing prepared ahead: the reference the fast painter is
// checked against.
bool PaintSurfaceReference(const TResultSet& Results, const Proc3D::TViewPlane& View,
                           const TPixelArray& Picture, const TSurfaceChoices& Choices,
                           TDepthBuffer& DepthBuffer);

// The surface of a request's result set (not null) seen through View in
// Style, with the request's choices: the picture step's branch when the
// surface is asked for. DepthBuffer comes from PrepareDepthBuffer; it is made
// anew if it has another size. False when nothing could be painted.
bool PaintSurfaceOfRequest(const TPictureRequest& Request, const Proc3D::TViewPlane& View,
                           const TPointStyle& Style, const TPixelArray& Picture,
                           TDepthBuffer& DepthBuffer, TCores Cores = TCores::Machine,
                           TSurfaceScratch* Scratch = nullptr);

}  // namespace MainUnit
