// Pictures of another size than the window's graph: the same framing as the
// window's picture, the zoom scaled by the smaller of the two size ratios;
// and where a written picture puts its graph, the sketch and legend panel
// and the colour bar, for a picture of a size asked or around a graph.
#pragma once

#include "MainUnit/Picture/PictureOptions.h"

#include <cstdint>

namespace MainUnit {

// Zoom x min(Width / GraphWidth, Height / GraphHeight), computed in long
// double and rounded to double.
double FramedZoom(double Zoom, int32_t Width, int32_t Height);

// The window's picture below its graph: the two pixel rows under the graph,
// then the axes sketch with its key and the legend, as wide as the graph.
inline constexpr int32_t PanelWidth = 505;
inline constexpr int32_t PanelHeight = 122;

struct TFrameRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

struct TFrameLayout {
    int32_t Width = 0;  // the whole picture
    int32_t Height = 0;
    TFrameRect Graph;
    TFrameRect Panel;            // empty unless the panel is chosen
    long double PanelScale = 1;  // never above 1: the panel keeps its own pixels or shrinks
    TFrameRect Bar;              // empty unless the bar is chosen
    long double BarScale = 1;    // of the bar's pixel measures and its text
};

// The width of a colour bar at Scale whose longest text has Chars characters.
int32_t ColourBarWidth(long double Scale, int32_t Chars);

// A picture of exactly Width x Height. The panel lies below the graph,
// centred, at its own size when the picture is at least as wide and the
// panel takes at most half its height, otherwise shrunk to fit. The bar lies
// at the graph's right, its measures scaled with the picture as the zoom is
// (never below 1), shrunk to half the width at most. BarChars: the longest
// text of the bar.
TFrameLayout FrameOfSize(int32_t Width, int32_t Height, TLegendChoice Legend, int32_t BarChars);

// A picture around a graph of Width x Height: the panel below it (shrunk
// only for a graph narrower than the panel), or the bar added at its right.
// The window's graph with the panel is the window's picture, 505 x 526.
TFrameLayout FrameAroundGraph(int32_t Width, int32_t Height, TLegendChoice Legend,
                              int32_t BarChars);

}  // namespace MainUnit
