// What one painting of the graph picture needs. The window's repaint, the
// exported picture and the command line each fill one and paint through the
// same step, so that a setting added here reaches all three.
#pragma once

#include "MainUnit/DepthBuffer.h"
#include "MainUnit/GraphPaint.h"
#include "MainUnit/ResultSet.h"
#include "Proc3D/Proc3D.h"

#include <cstdint>

namespace MainUnit {

struct TPictureRequest {
    const TResultSet* Results = nullptr;  // borrowed; must outlive the painting
    Proc3D::TViewPlane ViewPlane{};       // built for Width x Height
    bool ShowUndefined = true;
    bool UseDepthBuffer = false;
    bool Outline3D = false;
    // The graph picture's size in pixels.
    int32_t Width = GraphWidth;
    int32_t Height = GraphHeight;
};

// Makes the depth buffer a request asks for, of its size; true when none is
// asked for. Made before anything is painted, so that a refusal changes
// nothing.
inline bool PrepareDepthBuffer(const TPictureRequest& Request, TDepthBuffer& DepthBuffer)
{
    return !Request.UseDepthBuffer || CreateDepthBuffer(Request.Width, Request.Height, DepthBuffer);
}

}  // namespace MainUnit
