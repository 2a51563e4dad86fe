// Arrows on a canvas and the axis colours, for the axes sketch under the graph.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "Platform/Canvas.h"

#include <cstdint>

namespace MainUnit {

// Colours 0x00BBGGRR of the axes in the sketch and in its colour key.
inline constexpr uint32_t XAxisColor = 0x0000FF;
inline constexpr uint32_t YAxisColor = 0x00FF00;
inline constexpr uint32_t ZAxisColor = 0xFF0000;

// Arrow head of the sketch: length along the shaft, half-width across it.
inline constexpr long double ArrowHeadLength = 8.0L;
inline constexpr long double ArrowHeadHalfWidth = 2.5L;

// Nearest integer, halves to even, held within the 32-bit range.
int32_t RoundHalfEven(long double Value);

// A shaft from the tail to the tip with the current pen, and a head at the
// tip: filled (brush set to the pen colour and left so) or open. An arrow of
// zero length draws nothing. The pen position is left as it was.
void DrawArrow(Platform::TCanvas& Canvas, int32_t TailX, int32_t TailY, int32_t TipX, int32_t TipY,
               long double HeadLength, long double HeadHalfWidth, bool Filled);

// The axes sketch of a view on a Width x Height canvas, for a graph picture
// of GraphWidth x GraphHeight: the base rectangle of the result box and the
// three axis arrows, X and Z at their projected length when Outline3D; on
// white with a dark rectangle when Light.
void DrawOutlineSketch(Platform::TCanvas& Canvas, int Width, int Height, int GraphWidth,
                       int GraphHeight, const TResultSet& Results,
                       const Proc3D::TViewPlane& ViewPlane, bool Outline3D, bool Light = false);

}  // namespace MainUnit
