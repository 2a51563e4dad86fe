// The memory the surface painter projects its points into, kept by whoever
// repaints from one repaint to the next.
#pragma once

#include <cstdint>
#include <vector>

namespace MainUnit {

// A point where it lands: its pixel, its distance, the depth entry its own
// pixel is offered with and, on the grid, the colour of that pixel (see
// CornerColour); a negative distance when it is not drawn (or, on the grid,
// cannot be a corner). Its Y stays in the result set: only the pixels
// between corners need it.
struct TSurfaceCorner {
    int32_t X;
    int32_t Y;
    double Depth;
    float Stored;
    uint32_t Colour;
};

// Fresh memory for a million points costs a page fault every few
// kilobytes, as much as painting them: a repaint kept here reuses it.
// Empty until the first surface is painted with it.
struct TSurfaceScratch {
    std::vector<TSurfaceCorner> Corners;
};

}  // namespace MainUnit
