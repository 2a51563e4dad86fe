// What the point loop of a repaint and its split over two cores share: the
// job, the marks the second half leaves in its pixels, and the loop itself.
#pragma once

#include "MainUnit/Cores.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PaintScratch.h"

#include <cstddef>
#include <cstdint>

namespace MainUnit {

struct TPaintContext;  // what is prepared once per repaint (GraphPaint.cpp)

// One repaint's points, view and picture, as every part of its loop sees
// them.
struct TPaintJob {
    const TResultSet& Results;
    const TPaintContext& Context;
    const TPixelArray& Picture;
    bool ShowUndefined;
    TDepthBuffer* DepthBuffer;
    const TPointStyle& Style;
    bool Wide;  // the AVX2 copy of the loop
};

// No colour has a top byte: this marks a pixel the second half left alone,
// and BelowMark one whose point lies below its depth entry.
inline constexpr uint32_t Untouched = 0xFF000000u;
inline constexpr uint32_t BelowMark = 0x01000000u;
inline constexpr uint32_t ColorBits = 0x00FFFFFFu;

// Depths from here on are too large for the halves to be combined by their
// entries alone (the entry of a distance beyond the largest one stored is
// not its rounding).
inline constexpr float HugeDepth = 1e38f;

// What a half of a split loop does beyond painting, with the depth buffer:
// it stops at a point that makes the halves unmergeable, and the second half
// marks each pixel drawn with BelowMark when its point lies below its entry.
struct THalfDuty {
    bool Split = false;
    bool MarkBelow = false;
};

// Points First .. Last - 1, one after the other, into Picture and Depth
// (which may differ from the job's own). True when a drawn point recorded a
// depth of 0, the value that also means "nothing drawn yet", or a huge one.
bool PaintRange(const TPaintJob& Job, size_t First, size_t Last, const TPixelArray& Picture,
                TDepthBuffer* Depth, THalfDuty Duty = {});

// The first half of the points into the picture, the second half into a
// picture and depth buffer of its own (on a second thread, both at the same
// time), then the second put over the first, each thread combining half of
// it. False, with the picture as it was, when Cores keep the loop on one
// thread, no memory is to be had, or the halves cannot be combined.
bool PaintOnTwoCores(const TPaintJob& Job, size_t Count, TCores Cores,
                     TPaintScratch& Second) noexcept;

}  // namespace MainUnit
