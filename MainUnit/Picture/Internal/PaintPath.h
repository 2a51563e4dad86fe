// Which copy of the point loop a repaint runs: the same source compiled for
// the baseline processor and, where the processor has it, with AVX2 (three-
// operand instructions and wider registers, no fused multiply-add, so every
// operation rounds as in the baseline copy and the pictures are the same
// bits). PaintGraph takes the best copy there is; the baseline copy stays
// reachable so that both can be checked against each other.
#pragma once

#include "MainUnit/Picture/GraphPaint.h"

namespace MainUnit {

enum class TPaintPath { Best, Baseline };

// Whether Best runs another copy than Baseline on this processor.
bool WidePaintPathAvailable();

// PaintGraph through the copy Path.
bool PaintGraphOn(TPaintPath Path, const TResultSet& Results, const Proc3D::TViewPlane& View,
                  const TPixelArray& Picture, bool ShowUndefined, TDepthBuffer* DepthBuffer,
                  TCores Cores, const TPointStyle& Style, TPaintScratch* Scratch);

}  // namespace MainUnit
