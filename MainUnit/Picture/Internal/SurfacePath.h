// The surface through a chosen copy of its corner projection: the best
// the processor has, or the baseline one, so that both can be checked
// against each other.
#pragma once

#include "MainUnit/Picture/Internal/PaintPath.h"
#include "MainUnit/Picture/SurfacePaint.h"

namespace MainUnit {

// PaintSurface through the copy Path.
bool PaintSurfaceOn(TPaintPath Path, const TResultSet& Results, const Proc3D::TViewPlane& View,
                    const TPixelArray& Picture, const TSurfaceChoices& Choices,
                    TDepthBuffer& DepthBuffer, TCores Cores, TSurfaceScratch* Scratch);

}  // namespace MainUnit
