// What one graph picture needs: the result set, the four view values, the
// picture's size and choices. Every way a picture leaves the program fills
// one and hands it to PlanPicture and PaintPicture, so that a choice added
// here reaches them all.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/DepthBuffer.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/ViewSettings.h"

#include <cstdint>

namespace MainUnit {

struct TPictureRequest {
    const TResultSet* Results = nullptr;  // borrowed; must outlive the painting
    TViewSettings View{};                 // as read from the fields; the zoom the window's
    bool ShowUndefined = true;
    bool UseDepthBuffer = false;
    bool Outline3D = false;
    TPictureOptions Options;  // the box, the axes with values, the background
    // The graph picture's size in pixels.
    int32_t Width = GraphWidth;
    int32_t Height = GraphHeight;
};

// Whether the painting needs a depth buffer: the surface always does.
inline bool NeedsDepthBuffer(const TPictureRequest& Request)
{
    return Request.UseDepthBuffer || Request.Options.Surface;
}

// Makes the depth buffer a request asks for, of its size; true when none is
// asked for. Made before anything is painted, so that a refusal changes
// nothing.
inline bool PrepareDepthBuffer(const TPictureRequest& Request, TDepthBuffer& DepthBuffer)
{
    return !NeedsDepthBuffer(Request) ||
           CreateDepthBuffer(Request.Width, Request.Height, DepthBuffer);
}

}  // namespace MainUnit
