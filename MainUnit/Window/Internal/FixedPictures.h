// The two pictures of the main window that never change: the background of
// the legend with its colour swatches, and the colour key of the axes sketch.
#pragma once

#include "MainUnit/Window/Internal/Outline.h"
#include "Platform/Canvas.h"

#include <cstdint>

namespace MainUnit {

// Swatches of the legend picture: 22 x 12 pixels, left column at x 8,
// right column at x 187, rows at y 54, 70, 86 and 102.
inline constexpr int SwatchWidth = 22;
inline constexpr int SwatchHeight = 12;
inline constexpr int SwatchLeft[2] = {8, 187};
inline constexpr int SwatchTop[4] = {54, 70, 86, 102};
// 0x00BBGGRR, [column][row]: pale red, red, yellow, green; cyan, blue,
// magenta, white.
inline constexpr uint32_t SwatchColor[2][4] = {{0x80A0FF, 0x0000FF, 0x00FFFF, 0x00FF00},
                                               {0xFFFF00, 0xFF0000, 0xFF00FF, 0xFFFFFF}};

// The colour key: X, Y and Z, each with a short line, in the sketch's axis
// colours, at x 8..35, 56..83 and 105..131 between y 3 and 13.
inline constexpr int AxisKeyLeft[3] = {8, 56, 105};
inline constexpr int AxisKeyRight[3] = {35, 83, 131};
inline constexpr int AxisKeyTop = 3;
inline constexpr int AxisKeyBottom = 13;
inline constexpr uint32_t AxisKeyColor[3] = {XAxisColor, YAxisColor, ZAxisColor};

// Both draw over the whole canvas, starting from black, or from white for
// a light background (where the undefined swatch is grey).
void DrawLegendImage(Platform::TCanvas& Canvas, bool Light = false);
void DrawAxisesImage(Platform::TCanvas& Canvas, bool Light = false);

}  // namespace MainUnit
