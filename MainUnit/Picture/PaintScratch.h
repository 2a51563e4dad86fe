// The memory a graph repaint on two cores works in, owned by whoever
// repaints.
#pragma once

#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/SurfaceScratch.h"

#include <cstdint>
#include <vector>

namespace MainUnit {

// The memory that a repaint on two cores paints its second half into, kept
// by whoever repaints from one repaint to the next: fresh memory for a large
// picture costs a page fault every few kilobytes, more than painting into it.
// Empty until the first such repaint; Release gives it back.
struct TPaintScratch {
    std::vector<uint32_t> Pixels;
    std::vector<int32_t> Indexes;  // only when the picture records its points
    TDepthBuffer Depth;
    TSurfaceScratch Surface;  // the surface painter's projected points
    void Release() { *this = TPaintScratch{}; }
};

}  // namespace MainUnit
