// What a repaint prepares once for all its points: the view's projections,
// the height ramp, the depth range and the box's mapping.
#pragma once

#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/Internal/ScreenedShading.h"
#include "Proc3D/HoistedProjection.h"
#include "Proc3D/ScreenedProjection.h"

#include <array>
#include <cstdint>

namespace MainUnit {

// Everything the loop needs that is the same for every point of a repaint.
struct TPaintContext {
    Proc3D::TProjector Projector;
    Proc3D::TScreen Screen;
    std::array<uint32_t, LargestHeightIndex + 1>
        Ramp;  // HeightColor of every index HeightIndex gives
    long double Scale;
    double ScaleEstimate;  // Scale rounded to double
    TDepthRange Range;
    TDepthScreen DepthScreen;
    TDepthMargins DepthMargins;  // folded with the box where the screen is
    // With the box, the sight line of a place p before the mapping is
    // p x BoxScale + FoldedShift (BoxScale the mapping's, FoldedShift its
    // shift less the camera), of an undefined point's Y UndefinedSightY.
    Proc3D::TPoint3D BoxScale, FoldedShift;
    double UndefinedSightY;
    bool Folded;  // the screen takes such sight lines
};

}  // namespace MainUnit
